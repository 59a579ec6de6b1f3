#include "scene/drawing_loader.h"

#include "model/drawing_store.h"
#include "model/command_table.h"
#include "model/line_parser.h"
#include "model/line_reader.h"
#include "model/text.h"

namespace {

void StoreLine(std::string& line, LoadedDrawing& loaded) {
    const CommandCode code = ClassifyCommand(std::string_view(line).substr(0, 2));
    if (code == kCodeMacroCall) {
        // Placements beyond the table's room are ignored; reading goes on.
        if (MacroCount < kMaxMacroCalls) {
            ParseMacroCallLine(MacroCalls[MacroCount], code, line);
            ++MacroCount;
        } else {
            ++loaded.placements_ignored;
        }
        return;
    }
    ParsePrimitiveLine(Primitives[PrimitiveCount], code, line);
    const FieldLayout layout = CommandOfCode(code).fields;
    if ((layout == FieldLayout::Text || layout == FieldLayout::SixThenText) &&
        TrimView(line).size() >= sizeof Primitive::text) {
        ++loaded.texts_cut;
    }
    ++PrimitiveCount;
}

// A piece that filled its whole length without a line feed is one part of a longer line.
bool EndsWithinALine(const std::string& piece) {
    return piece.size() == LineReader::kMaxPiece && piece.back() != '\n';
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
    int line_number = 1;
    bool continues = false;
    while (PrimitiveCount < kMaxPrimitives && reader.ReadLine(piece)) {
        if (!continues && EndsWithinALine(piece)) {
            ++loaded.long_lines;
        }
        continues = EndsWithinALine(piece);
        std::string line = Trim(piece);
        if (!line.empty() && line.front() == '[') {
            loaded.caption_lines.push_back(std::move(line));
        } else {
            StoreLine(line, loaded);
        }
        line_number += continues ? 0 : 1;
    }
    if (PrimitiveCount == kMaxPrimitives && reader.ReadLine(piece)) {
        loaded.lines_ignored_from = line_number;
    }
    loaded.nul_bytes = reader.NulBytes();
    loaded.control_bytes = reader.ControlBytes();
    if (reader.Failed()) {
        PrimitiveCount = 0;
        MacroCount = 0;
        return Failure{reader.Error()};
    }
    return loaded;
}
