// The line reader and the parser on any bytes: pieces and fields stay within their bounds.
#include <cstring>

#include "fuzz_support.h"
#include "model/line_parser.h"
#include "model/line_reader.h"
#include "model/text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    LineReader reader = LineReader::FromBytes(Bytes(data, size));
    std::string piece;
    while (reader.ReadLine(piece)) {
        Require(piece.size() <= LineReader::kMaxPiece, "a piece holds at most 1023 characters");
        Require(piece.find('\0') == std::string::npos, "a piece ends at its first NUL");
        const std::string line = Trim(piece);
        const CommandCode code = ClassifyCommand(std::string_view(line).substr(0, 2));
        std::string rest = line;
        Primitive primitive;
        ParsePrimitiveLine(primitive, code, rest);
        Require(strnlen(primitive.code, sizeof primitive.code) < sizeof primitive.code,
                "the code is NUL-terminated");
        Require(strnlen(primitive.text, sizeof primitive.text) < sizeof primitive.text,
                "the text is NUL-terminated");
        rest = line;
        MacroCall call;
        ParseMacroCallLine(call, code, rest);
    }
    Require(!reader.Failed(), "reading bytes never fails");
    return 0;
}
