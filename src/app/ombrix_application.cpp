#include "app/ombrix_application.h"

#include "platform/viewer_dialogs.h"

OmbrixApplication::OmbrixApplication(int& argc, char** argv, ViewerDialogs& dialogs)
    : QApplication(argc, argv), dialogs_(dialogs) {
    // Only the name: a display name would be added to every window caption.
    setApplicationName(QStringLiteral("ombrix"));
    setApplicationVersion(QStringLiteral("1.1"));
    // The desktop entry that describes this program: its icon and its name in the task bar.
    setDesktopFileName(QStringLiteral("ombrix"));
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
    ShowStandardError(dialogs_, activeWindow(), error);
}
