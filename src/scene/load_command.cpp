#include "scene/load_command.h"

#include "render/window_host.h"
#include "scene/drawing_loader.h"
#include "scene/scene_redraw.h"

Status LoadDrawingCommand(const std::string& file_name) {
    const std::string caption = "Ombrix: " + file_name;
    frmMain->SetCaption(caption);
    const Result<LoadedDrawing> loaded = LoadDrawing(file_name);
    if (!loaded) {
        frmMain->MessageBox("Error in loading...", " Error", kMessageBoxOkCancel);
        return Failure{loaded.Reason()};
    }
    for (const std::string& line : loaded.Value().caption_lines) {
        std::string with_line = caption;
        with_line.append(" - ").append(line);
        frmMain->SetCaption(with_line);
    }
    RedrawAll();
    frmMain->MessageBox("Done.", " Load done", kMessageBoxOk);
    return Done{};
}
