#include "scene/drawing_loader.h"

#include "model/drawing_store.h"
#include "model/line_parser.h"
#include "model/line_reader.h"
#include "model/text.h"

namespace {

void StoreLine(std::string& line) {
    const CommandCode code = ClassifyCommand(std::string_view(line).substr(0, 2));
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

Result<LoadedDrawing> LoadDrawing(const std::string& file_name, LineReader::Accept accept) {
    PrimitiveCount = 0;
    MacroCount = 0;
    LineReader reader(file_name, accept);
    if (!reader.IsOpen()) {
        return Failure{reader.Error()};
    }
    LoadedDrawing loaded;
    std::string piece;
    while (PrimitiveCount < kMaxPrimitives && reader.ReadLine(piece)) {
        std::string line = Trim(piece);
        if (!line.empty() && line.front() == '[') {
            loaded.caption_lines.push_back(std::move(line));
            continue;
        }
        StoreLine(line);
    }
    if (reader.Failed()) {
        PrimitiveCount = 0;
        MacroCount = 0;
        return Failure{reader.Error()};
    }
    return loaded;
}
