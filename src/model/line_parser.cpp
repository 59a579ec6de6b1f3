#include "model/line_parser.h"

#include <algorithm>
#include <cstring>

#include "model/text.h"

namespace {

// The line after its two command letters, trimmed.
std::string_view AfterCommand(std::string_view line) {
    return TrimView(line.size() > 2 ? line.substr(2) : std::string_view());
}

int32_t PopNumber(std::string_view& line) {
    return ReadNumber(PopTokenView(line));
}

template <std::size_t N>
void CopyBounded(char (&field)[N], std::string_view text) {
    const std::size_t length = std::min(text.size(), N - 1);
    if (length > 0) {  // an empty view may have no data at all
        std::memcpy(field, text.data(), length);
    }
    field[length] = '\0';
}

void ReadPoints(int32_t* const (&coordinates)[8], std::size_t count, std::string_view& line) {
    for (std::size_t i = 0; i < count; ++i) {
        *coordinates[i] = PopNumber(line);
    }
}

}  // namespace

CommandCode ClassifyCommand(std::string_view letters) {
    return CommandOf(letters).code;
}

std::string_view ReadFields(Primitive& record, FieldLayout layout, std::string_view line) {
    int32_t* const coordinates[8] = {&record.x1, &record.y1, &record.x2, &record.y2,
                                     &record.x3, &record.y3, &record.x4, &record.y4};
    switch (layout) {
        case FieldLayout::None:
        case FieldLayout::Placement:
            return line;
        case FieldLayout::TwoPoints:
        case FieldLayout::FourPoints:
            line = AfterCommand(line);
            ReadPoints(coordinates, layout == FieldLayout::TwoPoints ? 4 : 8, line);
            return line;
        case FieldLayout::OnePoint:
            line = AfterCommand(line);
            ReadPoints(coordinates, 2, line);
            return line;
        case FieldLayout::Text:
        case FieldLayout::SixThenText:
            line = AfterCommand(line);
            ReadPoints(coordinates, 2, line);
            if (layout == FieldLayout::SixThenText) {
                for (int skipped = 0; skipped < 6; ++skipped) {
                    PopTokenView(line);
                }
            }
            // Longer texts keep their first 255 characters.
            CopyBounded(record.text, TrimView(line));
            return line;
    }
    return line;
}

Primitive& ParsePrimitiveLine(Primitive& destination, CommandCode code, std::string& line) {
    Primitive record{};
    CopyBounded(record.code, std::string_view(line).substr(0, 2));
    const FieldLayout layout = CommandOfCode(code).fields;
    const std::string_view rest = ReadFields(record, layout, line);
    if (layout != FieldLayout::None && layout != FieldLayout::Placement) {
        line = std::string(rest);
    }
    destination = record;
    return destination;
}

MacroCall& ParseMacroCallLine(MacroCall& destination, CommandCode code, std::string& line) {
    MacroCall call{};
    if (CommandOfCode(code).fields == FieldLayout::Placement) {
        std::string_view rest = AfterCommand(line);
        call.x = PopNumber(rest);
        call.y = PopNumber(rest);
        call.orientation = PopNumber(rest);
        call.mirror = PopNumber(rest);
        call.number = PopNumber(rest);
        line = std::string(rest);
    }
    destination = call;
    return destination;
}
