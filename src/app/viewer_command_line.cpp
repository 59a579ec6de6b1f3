#include "app/viewer_command_line.h"

#include <QCommandLineParser>

const char* const kViewerUsage =
    "Usage: ombrix [--library FILE] [DRAWING]\n"
    "Shows an Ombrix drawing, white on black, to zoom, scroll and print.\n"
    "\n"
    "  --library FILE   the macro library (default standard.mcr beside this program)\n"
    "  --help           show this text\n"
    "  --version        show the version\n";

const char* const kViewerVersion = "ombrix 1.1";

std::optional<ViewerCommandLine> ParseViewerCommandLine(const QStringList& arguments,
                                                        std::string& problem) {
    QCommandLineParser parser;
    const QCommandLineOption library("library", "", "FILE");
    const QCommandLineOption help(QStringList{"h", "help"});
    const QCommandLineOption version("version");
    parser.addOptions({library, help, version});
    if (!parser.parse(arguments)) {
        problem = parser.errorText().toStdString();
        return std::nullopt;
    }
    ViewerCommandLine line;
    line.help = parser.isSet(help);
    line.version = parser.isSet(version);
    line.library = parser.value(library);
    const QStringList drawings = parser.positionalArguments();
    if (drawings.size() > 1) {
        problem = "one drawing at a time";
        return std::nullopt;
    }
    if (!drawings.isEmpty()) {
        line.drawing = drawings.first();
    }
    return line;
}

std::optional<std::string> MissingDisplay() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    const bool wants_x11 = platform.isEmpty() || platform.startsWith("xcb");
    const bool wants_wayland = platform.startsWith("wayland");
    if ((wants_x11 && !x11 && !wayland) || (wants_wayland && !wayland)) {
        return "no display to open the window on; use ombrix-render for images";
    }
    return std::nullopt;
}
