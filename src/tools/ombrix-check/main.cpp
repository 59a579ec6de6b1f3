#include <QCommandLineParser>
#include <QCoreApplication>
#include <filesystem>
#include <iostream>

#include "checker.h"

namespace {

const char* const kUsage =
    "Usage: ombrix-check [--library FILE] [--werror] [--format text|json] FILE...\n"
    "Says, line by line, what the viewer will really draw of each drawing and of its macro\n"
    "library: lines that draw nothing, numbers read otherwise than written, what the format's\n"
    "limits leave out. With --library and no FILE, checks the library alone.\n"
    "\n"
    "  --library FILE     the macro library (default standard.mcr beside ombrix-render)\n"
    "  --werror           notes count as warnings\n"
    "  --format FORMAT    text (FILE:LINE:COLUMN: warning: message [name]) or json, one\n"
    "                     object per line\n"
    "  --help, --version\n"
    "\n"
    "Exit status: 0 when nothing was found but notes, 1 when there are warnings, 2 on bad usage\n"
    "or a file that cannot be read.\n";

std::string DefaultLibrary() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? "standard.mcr" : (self.parent_path() / "standard.mcr").string();
}

int Check(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption library("library", "", "FILE");
    const QCommandLineOption werror("werror");
    const QCommandLineOption format("format", "", "FORMAT", "text");
    const QCommandLineOption help(QStringList{"h", "help"});
    const QCommandLineOption version("version");
    parser.addOptions({library, werror, format, help, version});
    const auto usage_error = [](const std::string& problem) {
        std::cerr << "ombrix-check: " << problem << "; see --help\n";
        return 2;
    };
    if (!parser.parse(QCoreApplication::arguments())) {
        return usage_error(parser.errorText().toStdString());
    }
    if (parser.isSet(help)) {
        std::cout << kUsage;
        return 0;
    }
    if (parser.isSet(version)) {
        std::cout << "ombrix-check 1.1\n";
        return 0;
    }
    const std::string form = parser.value(format).toStdString();
    if (form != "text" && form != "json") {
        return usage_error("--format takes text or json, not '" + form + "'");
    }
    std::vector<std::string> files;
    for (const QString& file : parser.positionalArguments()) {
        files.push_back(file.toLocal8Bit().toStdString());
    }
    if (files.empty() && !parser.isSet(library)) {
        return usage_error("no file given");
    }
    const std::string library_path = parser.isSet(library)
                                         ? parser.value(library).toLocal8Bit().toStdString()
                                         : DefaultLibrary();

    std::vector<Finding> findings;
    bool unreadable = false;
    bool placements = false;
    for (const std::string& file : files) {
        const Result<std::vector<Finding>> found = CheckDrawing(file, library_path);
        if (!found) {
            std::cerr << "ombrix-check: cannot read " << file << ": " << found.Reason() << '\n';
            unreadable = true;
            continue;
        }
        for (const Finding& finding : found.Value()) {
            placements = placements || finding.name == "missing-macro";
        }
        findings.insert(findings.end(), found.Value().begin(), found.Value().end());
        placements = placements || CheckDrawingHasPlacements(file);
    }
    if (files.empty() || placements) {
        const Result<std::vector<Finding>> found = CheckLibrary(library_path);
        if (!found) {
            if (files.empty()) {
                std::cerr << "ombrix-check: cannot read " << library_path << ": " << found.Reason()
                          << '\n';
                unreadable = true;
            }
        } else {
            findings.insert(findings.end(), found.Value().begin(), found.Value().end());
        }
    }
    bool warned = false;
    for (const Finding& finding : findings) {
        std::cout << (form == "json" ? AsJson(finding) : AsText(finding)) << '\n';
        warned = warned || finding.severity == Finding::Severity::Warning || parser.isSet(werror);
    }
    std::cout.flush();
    if (unreadable) {
        return 2;
    }
    return warned ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Check(argc, argv);
    } catch (const std::exception& error) {
        std::cerr << "ombrix-check: " << error.what() << '\n';
        return 2;
    }
}
