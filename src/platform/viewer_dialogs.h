#pragma once

#include <QString>
#include <exception>
#include <optional>

class QFileDialog;
class QPrintDialog;
class QWidget;

// The modal dialogs of the viewer. The window asks these questions through this interface only,
// so tests can answer them without a dialog ever blocking.
class ViewerDialogs {
  public:
    virtual ~ViewerDialogs() = default;

    // The chosen file's full path, or nothing when the dialog was cancelled.
    virtual std::optional<QString> ChooseFile(QFileDialog& dialog) = 0;
    // True when the user confirmed the print dialog.
    virtual bool ConfirmPrint(QPrintDialog& dialog) = 0;
    // flags 0: OK alone; 1: OK and Cancel. Returns kAnswerOk or kAnswerCancel. A non-empty
    // informative text stands below the text.
    virtual int MessageBox(QWidget* parent, const QString& text, const QString& caption, int flags,
                           const QString& informative) = 0;
    // The standard error box: the application's title as caption and the error's message.
    virtual void ShowError(QWidget* parent, const QString& title, const QString& message) = 0;
};

// The caption of the standard error box.
inline constexpr const char* kApplicationTitle = "Ombrix";

// An error that ended a command, in the standard error box.
void ShowStandardError(ViewerDialogs& dialogs, QWidget* parent, const std::exception& error);

// The real dialogs, shown modally.
class QtViewerDialogs : public ViewerDialogs {
  public:
    std::optional<QString> ChooseFile(QFileDialog& dialog) override;
    bool ConfirmPrint(QPrintDialog& dialog) override;
    int MessageBox(QWidget* parent, const QString& text, const QString& caption, int flags,
                   const QString& informative) override;
    void ShowError(QWidget* parent, const QString& title, const QString& message) override;
};
