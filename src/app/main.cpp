#include <QFileInfo>
#include <exception>
#include <iostream>

#include "app/first_frame.h"
#include "app/ombrix_application.h"
#include "app/paint_box.h"
#include "app/termination_signals.h"
#include "app/tfrm_main.h"
#include "app/viewer_command_line.h"
#include "macro/macro_library.h"
#include "platform/viewer_dialogs.h"

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    std::string problem;
    const std::optional<ViewerCommandLine> line = ParseViewerCommandLine(arguments, problem);
    if (!line) {
        std::cerr << "ombrix: " << problem << "; see --help\n";
        return 2;
    }
    if (line->help || line->version) {
        std::cout << (line->help ? kViewerUsage : kViewerVersion) << (line->help ? "" : "\n");
        return 0;
    }
    if (const std::optional<std::string> missing = MissingDisplay()) {
        std::cerr << "ombrix: " << *missing << '\n';
        return 1;
    }
    if (!line->library.isEmpty()) {
        MacroLibraryFile = line->library.toLocal8Bit().toStdString();
    }
    QtViewerDialogs dialogs;
    OmbrixApplication application(argc, argv, dialogs);
    try {
        TfrmMain form(dialogs);
        CloseOnTerminationSignals(form);
        QuitAfterFirstFrameIfAsked(*form.pbScreen);
        form.show();
        if (!line->drawing.isEmpty()) {
            form.OpenChosenFile(QFileInfo(line->drawing).absoluteFilePath());
        }
        application.exec();
    } catch (const std::exception& error) {
        application.ShowException(error);
    }
    return 0;
}
