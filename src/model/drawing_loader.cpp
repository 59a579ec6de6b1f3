#include "model/drawing_loader.h"

#include "model/drawing_store.h"
#include "model/line_parser.h"
#include "model/line_reader.h"
#include "model/text.h"
#include "platform/window_host.h"
#include "render/scene_redraw.h"

namespace {

std::string last_error;

void StoreLine(std::string& line) {
    const CommandCode code = ClassifyCommand(LeftStr(line, 2));
    if (code == kCodeMacroCall) {
        // Placements beyond the table's room are ignored; reading goes on.
        if (MacroCount < kMaxMacroCalls) {
            ParseMacroCallLine(MacroCalls[MacroCount], code, line);
            ++MacroCount;
        }
        return;
    }
    ParsePrimitiveLine(Primitives[PrimitiveCount], code, line);
    ++PrimitiveCount;
}

}  // namespace

const std::string& LoadDrawingError() {
    return last_error;
}

bool LoadDrawing(const std::string& file_name) {
    PrimitiveCount = 0;
    MacroCount = 0;
    const std::string caption_prefix = frmMain->Caption();

    last_error.clear();
    {
        LineReader reader(file_name);
        if (!reader.IsOpen()) {
            last_error = reader.Error();
            return false;
        }
        std::string piece;
        while (PrimitiveCount < kMaxPrimitives && reader.ReadLine(piece)) {
            std::string line = Trim(piece);
            if (!line.empty() && line.front() == '[') {
                frmMain->SetCaption(caption_prefix + " - " + line);
                continue;
            }
            StoreLine(line);
        }
    }
    RedrawAll();
    frmMain->MessageBox("Done.", " Load done", kMessageBoxOk);
    return true;
}
