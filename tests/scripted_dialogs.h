#pragma once

#include <QFileDialog>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "platform/viewer_dialogs.h"
#include "render/window_host.h"

// Answers the window's dialogs as a test scripts them, and remembers what each one was shown.
class ScriptedDialogs : public ViewerDialogs {
  public:
    struct OpenDialogSeen {
        QString title;
        QString default_suffix;
        QStringList name_filters;
        QString selected_filter;
        QStringList selected_files;
        QFileDialog::FileMode file_mode;
    };
    struct Box {
        QString text;
        QString caption;
        int flags;
        QString informative;
    };

    std::optional<QString> ChooseFile(QFileDialog& dialog) override {
        open_dialogs.push_back({dialog.windowTitle(), dialog.defaultSuffix(), dialog.nameFilters(),
                                dialog.selectedNameFilter(), dialog.selectedFiles(),
                                dialog.fileMode()});
        if (next_file && !next_filter.isEmpty()) {
            dialog.selectNameFilter(next_filter);
        }
        return next_file;
    }
    bool ConfirmPrint(QPrintDialog&) override {
        ++print_dialogs;
        return confirm_print;
    }
    int MessageBox(QWidget*, const QString& text, const QString& caption, int flags,
                   const QString& informative) override {
        boxes.push_back({text, caption, flags, informative});
        return answer;
    }
    void ShowError(QWidget*, const QString& title, const QString& message) override {
        errors.push_back({message, title, 0, {}});
    }

    void Reset() { *this = ScriptedDialogs(); }

    std::optional<QString> next_file;  // nothing: the user cancels
    QString next_filter;
    bool confirm_print = false;
    int answer = kAnswerOk;

    std::vector<OpenDialogSeen> open_dialogs;
    int print_dialogs = 0;
    std::vector<Box> boxes;
    std::vector<Box> errors;
};

ScriptedDialogs& TestDialogs();
