#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>

// ombrix [--library FILE] [DRAWING]
struct ViewerCommandLine {
    QString drawing;  // empty: none
    QString library;  // empty: standard.mcr beside the program
    bool help = false;
    bool version = false;
};

extern const char* const kViewerUsage;
extern const char* const kViewerVersion;

// The command line, or the problem with it in words.
std::optional<ViewerCommandLine> ParseViewerCommandLine(const QStringList& arguments,
                                                        std::string& problem);

// Why no window can be opened here, or nothing: the platform Qt would choose needs a display
// that the environment does not name.
std::optional<std::string> MissingDisplay();
