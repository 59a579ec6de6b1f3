#include "scene/load_command.h"

#include "macro/macro_library.h"
#include "model/viewer_state.h"
#include "render/window_host.h"
#include "scene/drawing_loader.h"
#include "scene/scene_redraw.h"

namespace {

std::string Plural(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + ' ' + (count == 1 ? one : many);
}

std::vector<std::string> WarningsOf(const LoadedDrawing& loaded) {
    std::vector<std::string> warnings;
    if (loaded.lines_ignored_from > 0) {
        warnings.push_back("reading stopped at the 1000th primitive; line " +
                           std::to_string(loaded.lines_ignored_from) +
                           " and everything after it were ignored");
    }
    if (loaded.placements_ignored > 0) {
        warnings.push_back(
            Plural(static_cast<std::size_t>(loaded.placements_ignored), "placement", "placements") +
            " after the 1000th were ignored");
    }
    if (loaded.long_lines > 0) {
        warnings.push_back(Plural(static_cast<std::size_t>(loaded.long_lines), "line", "lines") +
                           " longer than 1023 characters were read as several lines");
    }
    if (loaded.texts_cut > 0) {
        warnings.push_back(Plural(static_cast<std::size_t>(loaded.texts_cut), "text", "texts") +
                           " longer than 255 characters were cut");
    }
    if (loaded.nul_bytes > 0) {
        warnings.push_back("the file holds " + Plural(loaded.nul_bytes, "NUL byte", "NUL bytes") +
                           "; each ends what is read of its line");
    } else if (loaded.control_bytes > 0) {
        warnings.push_back("the file is not text: it holds " +
                           Plural(loaded.control_bytes, "control byte", "control bytes"));
    }
    const std::span<const MacroCall> calls(MacroCalls, static_cast<std::size_t>(MacroCount));
    if (const std::vector<int32_t> missing = MissingMacros(calls); !missing.empty()) {
        std::string numbers;
        for (std::size_t i = 0; i < missing.size() && i < 10; ++i) {
            numbers.append(i == 0 ? "" : ", ").append(std::to_string(missing[i]));
        }
        if (missing.size() > 10) {
            numbers += ", ...";
        }
        warnings.push_back("placements name " + Plural(missing.size(), "macro", "macros") +
                           " the library lacks: " + numbers + "; they draw nothing");
    }
    return warnings;
}

}  // namespace

Result<LoadReport> LoadDrawingCommand(const std::string& file_name, LineReader::Accept accept,
                                      LoadConfirmation confirmation) {
    const bool boxes = confirmation == LoadConfirmation::Boxes;
    const Result<LoadedDrawing> loaded = LoadDrawing(file_name, accept);
    if (!loaded) {
        if (boxes) {
            frmMain->MessageBox("Error in loading...", " Error", kMessageBoxOkCancel,
                                loaded.Reason());
        }
        return Failure{loaded.Reason()};
    }
    const std::string caption = "Ombrix: " + file_name;
    frmMain->SetCaption(caption);
    for (const std::string& line : loaded.Value().caption_lines) {
        std::string with_line = caption;
        with_line.append(" - ").append(line);
        frmMain->SetCaption(with_line);
    }
    RedrawAll();
    LoadReport report;
    report.notices = MacroLibraryNotices(
        std::span<const MacroCall>(MacroCalls, static_cast<std::size_t>(MacroCount)));
    report.warnings = WarningsOf(loaded.Value());
    std::string details;
    for (const std::string& notice : report.notices) {
        details.append(details.empty() ? "" : "\n").append(notice).append(".");
    }
    if (boxes) {
        frmMain->MessageBox("Done.", " Load done", kMessageBoxOk, details);
    }
    return report;
}
