#include "checker.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <map>
#include <optional>

#include "macro/macro_library.h"
#include "model/command_table.h"
#include "model/line_parser.h"
#include "model/line_reader.h"
#include "model/text.h"
#include "model/viewer_state.h"

namespace {

using Severity = Finding::Severity;

// A piece of a line as the reader gives it, with where it starts in the file.
struct Piece {
    std::string text;
    int line;
    int column;  // of its first character
};

// All pieces of the file, numbered as an editor numbers lines: a line longer than the reader's
// pieces goes on in the next piece.
Result<std::vector<Piece>> ReadPieces(const std::string& path, std::vector<Finding>& findings) {
    LineReader reader(path);
    if (!reader.IsOpen()) {
        return Failure{reader.Error()};
    }
    std::vector<Piece> pieces;
    std::string text;
    int line = 1;
    int column = 1;
    while (reader.ReadLine(text)) {
        const bool ends_line = !text.empty() && text.back() == '\n';
        const bool full = text.size() == LineReader::kMaxPiece && !ends_line;
        if (full && column == 1) {
            findings.push_back({path, line, 1024, Severity::Warning, "long-line",
                                "the line is longer than 1023 characters: the viewer reads it "
                                "as several lines, the next one from here"});
        }
        pieces.push_back({text, line, column});
        if (full) {
            column += static_cast<int>(LineReader::kMaxPiece);
        } else {
            ++line;
            column = 1;
        }
    }
    if (reader.Failed()) {
        return Failure{reader.Error()};
    }
    return pieces;
}

void CheckBytes(const std::string& path, std::vector<Finding>& findings) {
    int line = 1;
    // The reader drops what follows a NUL; the raw bytes say where it was.
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return;
    }
    int column = 1;
    int reported = 0;
    for (int c = std::getc(file); c != EOF && c != 0x1A && reported < 20; c = std::getc(file)) {
        if (c == '\n') {
            ++line;
            column = 1;
            continue;
        }
        if (c == '\0') {
            findings.push_back({path, line, column, Severity::Warning, "nul-byte",
                                "a NUL byte: the viewer reads nothing more of this line"});
            ++reported;
        } else if (c < 0x20 && c != '\t' && c != '\r' && c != '\f' && c != '\v') {
            char code[16];
            std::snprintf(code, sizeof code, "0x%02X", static_cast<unsigned>(c));
            findings.push_back({path, line, column, Severity::Warning, "control-character",
                                std::string("the control character ") + code +
                                    " is not text; the viewer takes it as a blank"});
            ++reported;
        }
        column += c == '\r' ? 0 : 1;
    }
    std::fclose(file);
}

int ColumnOf(const Piece& piece, std::string_view part) {
    return piece.column + static_cast<int>(part.data() - piece.text.data());
}

// A token as ReadNumber reads it: what it becomes and what is wrong with it.
void CheckNumber(const std::string& path, const Piece& piece, std::string_view token,
                 bool coordinate, std::vector<Finding>& findings) {
    std::size_t i = 0;
    while (i < token.size() && (token[i] == ' ' || (token[i] >= '\t' && token[i] <= '\r'))) {
        ++i;
    }
    bool negative = false;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) {
        negative = token[i] == '-';
        ++i;
    }
    const std::size_t digits_start = i;
    // The value as written, held exactly while it could still fit in 32 bits.
    int64_t exact = 0;
    bool beyond = false;
    for (; i < token.size() && token[i] >= '0' && token[i] <= '9'; ++i) {
        exact = exact * 10 + (token[i] - '0');
        if (exact > (int64_t{1} << 40)) {
            beyond = true;
            exact = int64_t{1} << 40;
        }
    }
    if (negative) {
        exact = -exact;
    }
    const int32_t value = ReadNumber(token);
    const int column = ColumnOf(piece, token);
    if (i == digits_start) {
        findings.push_back({path, piece.line, column, Severity::Warning, "not-a-number",
                            "'" + std::string(token) + "' is not a whole number: read as 0"});
        return;
    }
    if (i < token.size()) {
        findings.push_back({path, piece.line, column, Severity::Warning, "not-a-number",
                            "'" + std::string(token) +
                                "' has characters after its digits: read as " +
                                std::to_string(value)});
    }
    if (beyond || exact != value) {
        findings.push_back({path, piece.line, column, Severity::Warning, "wraps",
                            "'" + std::string(token.substr(0, i)) +
                                "' does not fit in 32 bits: it wraps around to " +
                                std::to_string(value)});
        return;
    }
    // The start-up view maps x to 4 x: beyond 32 bits that wraps too.
    const int64_t device = int64_t{value} * 4;
    if (coordinate && (device > std::numeric_limits<int32_t>::max() ||
                       device < std::numeric_limits<int32_t>::min())) {
        findings.push_back({path, piece.line, column, Severity::Warning, "out-of-range",
                            "at the start-up zoom " + std::to_string(value) +
                                " maps to a device coordinate beyond 32 bits: the figure is drawn "
                                "wrapped around, elsewhere"});
    }
}

int FieldCount(FieldLayout layout) {
    switch (layout) {
        case FieldLayout::TwoPoints:
            return 4;
        case FieldLayout::FourPoints:
            return 8;
        case FieldLayout::OnePoint:
        case FieldLayout::Text:
        case FieldLayout::SixThenText:
            return 2;
        case FieldLayout::Placement:
            return 5;
        case FieldLayout::None:
            break;
    }
    return 0;
}

struct Numbers {
    std::vector<int32_t> values;
    std::string_view rest;
};

// The fields of a trimmed line as the parser reads them, each checked.
Numbers CheckFields(const std::string& path, const Piece& piece, std::string_view line,
                    const Command& command, std::vector<Finding>& findings) {
    Numbers numbers;
    std::string_view rest = TrimView(line.size() > 2 ? line.substr(2) : std::string_view());
    const int wanted = FieldCount(command.fields);
    for (int i = 0; i < wanted; ++i) {
        const std::string_view token = PopTokenView(rest);
        if (token.empty()) {
            findings.push_back(
                {path, piece.line, ColumnOf(piece, line) + static_cast<int>(line.size()),
                 Severity::Warning, "missing-field",
                 std::string(command.letters) + " reads " + std::to_string(wanted) +
                     " numbers, the line has " + std::to_string(i) + ": the missing ones are 0"});
            numbers.values.resize(static_cast<std::size_t>(wanted), 0);
            break;
        }
        CheckNumber(path, piece, token, command.fields != FieldLayout::Placement || i < 2,
                    findings);
        numbers.values.push_back(ReadNumber(token));
    }
    numbers.rest = rest;
    return numbers;
}

}  // namespace

Result<std::vector<Finding>> CheckDrawing(const std::string& path,
                                          const std::string& library_path) {
    std::vector<Finding> findings;
    Result<std::vector<Piece>> read = ReadPieces(path, findings);
    if (!read) {
        return Failure{read.Reason()};
    }
    CheckBytes(path, findings);
    int primitives = 0;
    int placements = 0;
    std::vector<const Piece*> captions;
    struct Placed {
        const Piece* piece;
        int32_t number;
    };
    std::vector<Placed> placed;
    for (const Piece& piece : read.Value()) {
        if (primitives == kMaxPrimitives) {
            findings.push_back({path, piece.line, piece.column, Severity::Warning,
                                "primitive-limit",
                                "loading stops after 1000 primitive lines: this line and all after "
                                "it are ignored, placements included"});
            break;
        }
        const std::string_view line = TrimView(piece.text);
        if (!line.empty() && line.front() == '[') {
            captions.push_back(&piece);
            continue;
        }
        const Command& command = CommandOf(line.substr(0, 2));
        if (command.code == kCodeMacroCall) {
            ++placements;
            if (placements > kMaxMacroCalls) {
                findings.push_back({path, piece.line, ColumnOf(piece, line), Severity::Warning,
                                    "placement-limit",
                                    "a placement after the 1000th: it is ignored"});
                continue;
            }
            const Numbers fields = CheckFields(path, piece, line, command, findings);
            const int32_t orientation = fields.values[2];
            const int32_t mirror = fields.values[3];
            if (orientation < 0 || orientation > 3) {
                findings.push_back({path, piece.line, ColumnOf(piece, line), Severity::Warning,
                                    "orientation",
                                    "orientation " + std::to_string(orientation) +
                                        " is no quarter turn: the body is drawn unturned in "
                                        "library coordinates, around (100, 100), not at the "
                                        "placement point"});
            }
            if (mirror < 0 || mirror > 2) {
                findings.push_back({path, piece.line, ColumnOf(piece, line), Severity::Warning,
                                    "mirror",
                                    "mirror " + std::to_string(mirror) +
                                        " is none of 0, 1 and 2: the body is not mirrored"});
            }
            placed.push_back({&piece, fields.values[4]});
            continue;
        }
        ++primitives;
        if (command.code == kCodeUnknown) {
            // An empty line and a comment are meant to draw nothing.
            if (!line.empty() && line.front() != ';') {
                findings.push_back({path, piece.line, ColumnOf(piece, line), Severity::Warning,
                                    "unknown-command",
                                    "'" + std::string(line.substr(0, 2)) +
                                        "' is no command: the line draws nothing but takes one of "
                                        "the 1000 places for primitives"});
            }
            continue;
        }
        const Numbers fields = CheckFields(path, piece, line, command, findings);
        if (command.fields == FieldLayout::Text || command.fields == FieldLayout::SixThenText) {
            std::string_view text = fields.rest;
            if (command.fields == FieldLayout::SixThenText) {
                for (int skipped = 0; skipped < 6; ++skipped) {
                    PopTokenView(text);
                }
            }
            text = TrimView(text);
            if (text.size() > 255) {
                findings.push_back({path, piece.line, ColumnOf(piece, text) + 255,
                                    Severity::Warning, "long-text",
                                    "the text is " + std::to_string(text.size()) +
                                        " characters long: it is cut after 255"});
            }
        }
    }
    for (std::size_t i = 0; i + 1 < captions.size(); ++i) {
        findings.push_back({path, captions[i]->line, captions[i]->column, Severity::Note,
                            "caption-replaced",
                            "only the last caption line shows: line " +
                                std::to_string(captions.back()->line) + " replaces this one"});
    }
    if (!placed.empty()) {
        const Result<MacroLibrary> library = MacroLibrary::Read(library_path);
        if (!library) {
            findings.push_back({path, placed.front().piece->line, 1, Severity::Warning,
                                "no-library",
                                "the macro library " + library_path + " cannot be read (" +
                                    library.Reason() + "): placements draw nothing"});
        } else {
            for (const Placed& p : placed) {
                if (!library.Value().Has(p.number)) {
                    findings.push_back({path, p.piece->line, p.piece->column, Severity::Warning,
                                        "missing-macro",
                                        "the library has no macro " + std::to_string(p.number) +
                                            ": the placement draws nothing"});
                }
            }
        }
    }
    std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
        return a.line != b.line ? a.line < b.line : a.column < b.column;
    });
    return findings;
}

bool CheckDrawingHasPlacements(const std::string& path) {
    LineReader reader(path);
    std::string piece;
    while (reader.ReadLine(piece)) {
        if (ClassifyCommand(TrimView(piece).substr(0, 2)) == kCodeMacroCall) {
            return true;
        }
    }
    return false;
}

Result<std::vector<Finding>> CheckLibrary(const std::string& path) {
    std::vector<Finding> findings;
    Result<std::vector<Piece>> read = ReadPieces(path, findings);
    if (!read) {
        return Failure{read.Reason()};
    }
    CheckBytes(path, findings);
    const std::vector<Piece>& pieces = read.Value();
    std::map<int32_t, int> defined;  // number -> line of its first block
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const Piece& header = pieces[i];
        const std::string_view stripped = TrimView(header.text);
        if (stripped.empty() || stripped.front() != '[') {
            continue;
        }
        const std::string_view digits = stripped.substr(1, 3);
        const int32_t number = ReadNumber(digits);
        const std::string_view unsigned_digits = TrimView(digits).substr(
            !TrimView(digits).empty() && (TrimView(digits)[0] == '+' || TrimView(digits)[0] == '-')
                ? 1
                : 0);
        if (unsigned_digits.empty() || unsigned_digits[0] < '0' || unsigned_digits[0] > '9') {
            findings.push_back({path, header.line, ColumnOf(header, stripped), Severity::Warning,
                                "bad-header",
                                "'" + std::string(stripped.substr(0, 4)) +
                                    "' names no number in its three characters after '[': it is "
                                    "macro " +
                                    std::to_string(number)});
        }
        if (const auto first = defined.find(number); first != defined.end()) {
            findings.push_back({path, header.line, ColumnOf(header, stripped), Severity::Warning,
                                "duplicate-macro",
                                "macro " + std::to_string(number) +
                                    " is defined again: the first, on line " +
                                    std::to_string(first->second) + ", is the one drawn"});
            continue;
        }
        defined.emplace(number, header.line);
        std::size_t end = i + 1;
        int drawable = 0;
        for (; end < pieces.size(); ++end) {
            const std::string& body = pieces[end].text;
            if (!body.empty() && (body.front() == '[' || body.front() == '{')) {
                break;
            }
            const Command& command = CommandOf(std::string_view(body).substr(0, 2));
            const std::string_view trimmed = TrimView(body);
            if (command.code == kCodeMacroCall) {
                findings.push_back({path, pieces[end].line, pieces[end].column, Severity::Warning,
                                    "placement-in-body",
                                    "a placement inside a macro body is never expanded: it draws "
                                    "an empty text at its first point"});
                ++drawable;
            } else if (command.code == kCodeUnknown) {
                if (!trimmed.empty()) {
                    findings.push_back({path, pieces[end].line, pieces[end].column,
                                        Severity::Warning, "not-drawable",
                                        "'" + std::string(std::string_view(body).substr(0, 2)) +
                                            "' in the first column is no command: the line draws "
                                            "nothing"});
                }
            } else {
                ++drawable;
            }
        }
        if (drawable == 0) {
            findings.push_back({path, header.line, ColumnOf(header, stripped), Severity::Warning,
                                "empty-body",
                                "macro " + std::to_string(number) +
                                    " draws nothing: its placements show nothing"});
        }
    }
    std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
        return a.line != b.line ? a.line < b.line : a.column < b.column;
    });
    return findings;
}

std::string AsText(const Finding& f) {
    return f.file + ':' + std::to_string(f.line) + ':' + std::to_string(f.column) + ": " +
           (f.severity == Severity::Note ? "note" : "warning") + ": " + f.message + " [" + f.name +
           ']';
}

namespace {

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte >= 0x7F) {
            char escape[16];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + '"';
}

}  // namespace

std::string AsJson(const Finding& f) {
    return "{\"file\": " + JsonString(f.file) + ", \"line\": " + std::to_string(f.line) +
           ", \"column\": " + std::to_string(f.column) + ", \"severity\": \"" +
           (f.severity == Severity::Note ? "note" : "warning") +
           "\", \"name\": " + JsonString(f.name) + ", \"message\": " + JsonString(f.message) + "}";
}
