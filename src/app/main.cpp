#include <exception>

#include "app/first_frame.h"
#include "app/ombrix_application.h"
#include "app/paint_box.h"
#include "app/termination_signals.h"
#include "app/tfrm_main.h"
#include "platform/viewer_dialogs.h"

int main(int argc, char** argv) {
    QtViewerDialogs dialogs;
    OmbrixApplication application(argc, argv, dialogs);
    try {
        TfrmMain form(dialogs);
        CloseOnTerminationSignals(form);
        QuitAfterFirstFrameIfAsked(*form.pbScreen);
        form.show();
        application.exec();
    } catch (const std::exception& error) {
        application.ShowException(error);
    }
    return 0;
}
