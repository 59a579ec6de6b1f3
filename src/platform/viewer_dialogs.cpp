#include "platform/viewer_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>

#include "render/window_host.h"

void ShowStandardError(ViewerDialogs& dialogs, QWidget* parent, const std::exception& error) {
    dialogs.ShowError(parent, QString::fromLatin1(kApplicationTitle),
                      QString::fromLocal8Bit(error.what()));
}

std::optional<QString> QtViewerDialogs::ChooseFile(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().first();
}

bool QtViewerDialogs::ConfirmPrint(QPrintDialog& dialog) {
    return dialog.exec() == QDialog::Accepted;
}

int QtViewerDialogs::MessageBox(QWidget* parent, const QString& text, const QString& caption,
                                int flags, const QString& informative) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
    box.setInformativeText(informative);
    if (flags == kMessageBoxOkCancel) {
        box.addButton(QMessageBox::Cancel);
    }
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok ? kAnswerOk : kAnswerCancel;
}

void QtViewerDialogs::ShowError(QWidget* parent, const QString& title, const QString& message) {
    QMessageBox box(QMessageBox::Critical, title, message, QMessageBox::Ok, parent);
    box.exec();
}
