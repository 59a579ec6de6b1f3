#include "model/line_parser.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

#include "model/text.h"

namespace {

constexpr std::array<std::pair<std::string_view, CommandCode>, 12> kCommands{{
    {"LI", kCodeLine},
    {"RV", kCodeEmptyRectangle},
    {"RP", kCodeFilledRectangle},
    {"EV", kCodeEmptyEllipse},
    {"EP", kCodeFilledEllipse},
    {"BE", kCodeBezier},
    {"PV", kCodeEmptyPolygon},
    {"PP", kCodeFilledPolygon},
    {"TE", kCodeText},
    {"TY", kCodeTextSkipping},
    {"SA", kCodeDot},
    {"MC", kCodeMacroCall},
}};

int32_t PopNumber(std::string& line) {
    return ReadNumber(PopToken(line));
}

void RestAfterCommand(std::string& line) {
    line = Trim(MidStr(line, 3, 0));
}

template <std::size_t N>
void CopyBounded(char (&field)[N], std::string_view text) {
    const std::size_t length = std::min(text.size(), N - 1);
    std::memcpy(field, text.data(), length);
    field[length] = '\0';
}

}  // namespace

CommandCode ClassifyCommand(std::string_view letters) {
    for (const auto& [name, code] : kCommands) {
        if (letters == name) {
            return code;
        }
    }
    return kCodeUnknown;
}

Primitive& ParsePrimitiveLine(Primitive& destination, CommandCode code, std::string& line) {
    Primitive record{};
    CopyBounded(record.code, LeftStr(line, 2));
    if (code < kCodeText) {
        RestAfterCommand(line);
        record.x1 = PopNumber(line);
        record.y1 = PopNumber(line);
        record.x2 = PopNumber(line);
        record.y2 = PopNumber(line);
        if (code >= kCodeBezier) {
            record.x3 = PopNumber(line);
            record.y3 = PopNumber(line);
            record.x4 = PopNumber(line);
            record.y4 = PopNumber(line);
        }
    } else if (code == kCodeText || code == kCodeTextSkipping) {
        RestAfterCommand(line);
        record.x1 = PopNumber(line);
        record.y1 = PopNumber(line);
        if (code == kCodeTextSkipping) {
            for (int skipped = 0; skipped < 6; ++skipped) {
                PopToken(line);
            }
        }
        // Longer texts keep their first 255 characters.
        CopyBounded(record.text, Trim(line));
    } else if (code == kCodeDot) {
        RestAfterCommand(line);
        record.x1 = PopNumber(line);
        record.y1 = PopNumber(line);
    }
    destination = record;
    return destination;
}

MacroCall& ParseMacroCallLine(MacroCall& destination, CommandCode code, std::string& line) {
    MacroCall call{};
    if (code == kCodeMacroCall) {
        RestAfterCommand(line);
        call.x = PopNumber(line);
        call.y = PopNumber(line);
        call.orientation = PopNumber(line);
        call.mirror = PopNumber(line);
        call.number = PopNumber(line);
    }
    destination = call;
    return destination;
}
