#include "app/ombrix_application.h"

#include "platform/viewer_dialogs.h"

OmbrixApplication::OmbrixApplication(int& argc, char** argv, ViewerDialogs& dialogs)
    : QApplication(argc, argv), dialogs_(dialogs) {
    setApplicationName(QStringLiteral("ombrix"));
    setApplicationDisplayName(QStringLiteral("Ombrix"));
}

bool OmbrixApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowException(error);
        return true;
    }
}

void OmbrixApplication::ShowException(const std::exception& error) {
    dialogs_.ShowError(activeWindow(), applicationDisplayName(),
                       QString::fromLocal8Bit(error.what()));
}
