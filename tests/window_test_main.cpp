#include <gtest/gtest.h>

#include "app/ombrix_application.h"
#include "scripted_dialogs.h"

ScriptedDialogs& TestDialogs() {
    static ScriptedDialogs dialogs;
    return dialogs;
}

// The window tests run inside the viewer's own application object, so errors that escape a
// handler reach the error box as they do for a user.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    OmbrixApplication application(argc, argv, TestDialogs());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
