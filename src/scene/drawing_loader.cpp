#include "scene/drawing_loader.h"

#include "model/command_table.h"
#include "model/drawing_store.h"
#include "model/line_parser.h"
#include "model/line_reader.h"
#include "model/text.h"

namespace {

// The records of one reading, kept apart until the reading has succeeded.
struct Reading {
    std::vector<Primitive> primitives;
    std::vector<MacroCall> calls;
};

void StoreLine(std::string& line, Reading& reading, LoadedDrawing& loaded) {
    const CommandCode code = ClassifyCommand(std::string_view(line).substr(0, 2));
    if (code == kCodeMacroCall) {
        // Placements beyond the table's room are ignored; reading goes on.
        if (reading.calls.size() < static_cast<std::size_t>(kMaxMacroCalls)) {
            ParseMacroCallLine(reading.calls.emplace_back(), code, line);
        } else {
            ++loaded.placements_ignored;
        }
        return;
    }
    ParsePrimitiveLine(reading.primitives.emplace_back(), code, line);
    const FieldLayout layout = CommandOfCode(code).fields;
    if ((layout == FieldLayout::Text || layout == FieldLayout::SixThenText) &&
        TrimView(line).size() >= sizeof Primitive::text) {
        ++loaded.texts_cut;
    }
}

// A piece that filled its whole length without a line feed is one part of a longer line.
bool EndsWithinALine(const std::string& piece) {
    return piece.size() == LineReader::kMaxPiece && piece.back() != '\n';
}

}  // namespace

Result<LoadedDrawing> LoadDrawing(const std::string& file_name, LineReader::Accept accept) {
    LineReader reader(file_name, accept);
    if (!reader.IsOpen()) {
        return Failure{reader.Error()};
    }
    Reading reading;
    reading.primitives.reserve(static_cast<std::size_t>(kMaxPrimitives));
    LoadedDrawing loaded;
    std::string piece;
    int line_number = 1;
    bool continues = false;
    const auto full = [&] {
        return reading.primitives.size() == static_cast<std::size_t>(kMaxPrimitives);
    };
    while (!full() && reader.ReadLine(piece)) {
        if (!continues && EndsWithinALine(piece)) {
            ++loaded.long_lines;
        }
        continues = EndsWithinALine(piece);
        std::string line = Trim(piece);
        if (!line.empty() && line.front() == '[') {
            loaded.caption_lines.push_back(std::move(line));
        } else {
            StoreLine(line, reading, loaded);
        }
        line_number += continues ? 0 : 1;
    }
    if (full() && reader.ReadLine(piece)) {
        loaded.lines_ignored_from = line_number;
    }
    if (reader.Failed()) {
        return Failure{reader.Error()};
    }
    loaded.nul_bytes = reader.NulBytes();
    loaded.control_bytes = reader.ControlBytes();
    std::copy(reading.primitives.begin(), reading.primitives.end(), Primitives);
    std::copy(reading.calls.begin(), reading.calls.end(), MacroCalls);
    PrimitiveCount = static_cast<int32_t>(reading.primitives.size());
    MacroCount = static_cast<int32_t>(reading.calls.size());
    return loaded;
}
