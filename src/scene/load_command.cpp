#include "scene/load_command.h"

#include "macro/macro_library.h"
#include "model/viewer_state.h"
#include "render/window_host.h"
#include "scene/drawing_loader.h"
#include "scene/scene_redraw.h"

Result<LoadReport> LoadDrawingCommand(const std::string& file_name, LineReader::Accept accept) {
    const std::string caption = "Ombrix: " + file_name;
    frmMain->SetCaption(caption);
    const Result<LoadedDrawing> loaded = LoadDrawing(file_name, accept);
    if (!loaded) {
        frmMain->MessageBox("Error in loading...", " Error", kMessageBoxOkCancel, loaded.Reason());
        return Failure{loaded.Reason()};
    }
    for (const std::string& line : loaded.Value().caption_lines) {
        std::string with_line = caption;
        with_line.append(" - ").append(line);
        frmMain->SetCaption(with_line);
    }
    RedrawAll();
    LoadReport report;
    if (MacroCount > 0) {
        report.notices = MacroLibraryNotices(
            std::span<const MacroCall>(MacroCalls, static_cast<std::size_t>(MacroCount)));
    }
    std::string details;
    for (const std::string& notice : report.notices) {
        details.append(details.empty() ? "" : "\n").append(notice).append(".");
    }
    frmMain->MessageBox("Done.", " Load done", kMessageBoxOk, details);
    return report;
}
