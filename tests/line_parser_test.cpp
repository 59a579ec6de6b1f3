#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "model/line_parser.h"
#include "model/text.h"

namespace {

struct Fields {
    int32_t x1, y1, x2, y2, x3, y3, x4, y4;
};

Primitive Parse(std::string line) {
    Primitive record;
    std::memset(&record, 0x5A, sizeof record);  // stale bytes must not survive
    return ParsePrimitiveLine(record, ClassifyCommand(LeftStr(line, 2)), line);
}

TEST(ReadNumber, LenientSignsDigitsAndWrapAround) {
    const struct {
        const char* token;
        int32_t value;
    } cases[] = {
        {"12", 12},
        {"-7", -7},
        {"+5", 5},
        {"3.9", 3},
        {"12abc", 12},
        {"abc", 0},
        {"-", 0},
        {"--5", 0},
        {"+-5", 0},
        {"", 0},
        {"4294967306", 10},
        {"2147483648", INT32_MIN},
        {"-2147483648", INT32_MIN},
        {"99999999999999999999", 1661992959},
        {" \t12", 12},
        {"10\t20", 10},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadNumber(c.token), c.value) << '"' << c.token << '"';
    }
}

TEST(TextFunctions, TokensTrimmingAndSubstrings) {
    std::string line = "7";
    EXPECT_EQ(PopToken(line), "7");
    EXPECT_EQ(line, "");
    EXPECT_EQ(PopToken(line), "");

    line = "10\t20   30 \n";
    EXPECT_EQ(PopToken(line), "10\t20");
    EXPECT_EQ(line, "30");

    EXPECT_EQ(Trim("\x01 a b \x20\x7f"), "a b \x20\x7f");  // 0x7F is no blank
    EXPECT_EQ(Trim("\xe9 x \xe9"), "\xe9 x \xe9");         // bytes from 0x80 up are not blanks
    EXPECT_EQ(Trim(" \t\n "), "");
    EXPECT_EQ(MidStr("LI", 3, 0), "");
    EXPECT_EQ(MidStr("[1234]", 2, 3), "123");
    EXPECT_EQ(MidStr("[7", 2, 3), "7");
    EXPECT_EQ(LeftStr("L", 2), "L");
}

TEST(ClassifyCommand, KnowsTheCommandsExactly) {
    const struct {
        const char* letters;
        CommandCode code;
    } cases[] = {
        {"LI", 1},
        {"RV", 2},
        {"RP", 3},
        {"EV", 4},
        {"EP", 5},
        {"BE", 6},
        {"PV", 7},
        {"PP", 8},
        {"TE", 9},
        {"TY", 10},
        {"SA", 11},
        {"MC", 100},
        {"li", kCodeUnknown},
        {"L", kCodeUnknown},
        {"LIX", kCodeUnknown},
        {"", kCodeUnknown},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ClassifyCommand(c.letters), c.code) << c.letters;
    }
    EXPECT_GE(kCodeUnknown, 11);  // the parsers read nothing for it
}

TEST(ParsePrimitiveLine, FillsTheFieldsOfEachCommand) {
    const struct {
        std::string line;
        const char* code;
        Fields fields;
        const char* text;
    } cases[] = {
        {"LI 10 20 30 40", "LI", {10, 20, 30, 40, 0, 0, 0, 0}, ""},
        {"LI10 20 30 40", "LI", {10, 20, 30, 40, 0, 0, 0, 0}, ""},
        {"LI   10  20 30 40", "LI", {10, 20, 30, 40, 0, 0, 0, 0}, ""},
        {"LI 10 20", "LI", {10, 20, 0, 0, 0, 0, 0, 0}, ""},
        {"LI 10 20 30 40 50 60", "LI", {10, 20, 30, 40, 0, 0, 0, 0}, ""},
        {"LI 10\t20 30 40", "LI", {10, 30, 40, 0, 0, 0, 0, 0}, ""},
        {"LI 1x 2.9 -3 +4", "LI", {1, 2, -3, 4, 0, 0, 0, 0}, ""},
        {"LINE 1 2 3 4", "LI", {0, 1, 2, 3, 0, 0, 0, 0}, ""},
        {"LI 10 20 30 40\n", "LI", {10, 20, 30, 40, 0, 0, 0, 0}, ""},
        {"RP 1 2 3 4 5 6", "RP", {1, 2, 3, 4, 0, 0, 0, 0}, ""},
        {"EV -1 -2 3 4", "EV", {-1, -2, 3, 4, 0, 0, 0, 0}, ""},
        {"BE 1 2 3 4 5 6 7 8", "BE", {1, 2, 3, 4, 5, 6, 7, 8}, ""},
        {"PV 1 2 3 4 5 6", "PV", {1, 2, 3, 4, 5, 6, 0, 0}, ""},
        {"PP 1 2 3 4 5 6 7 8 9", "PP", {1, 2, 3, 4, 5, 6, 7, 8}, ""},
        {"TE 10 20 Hello  world", "TE", {10, 20, 0, 0, 0, 0, 0, 0}, "Hello  world"},
        {"TE 10 20", "TE", {10, 20, 0, 0, 0, 0, 0, 0}, ""},
        {"TE 10 20 Hi  \n", "TE", {10, 20, 0, 0, 0, 0, 0, 0}, "Hi"},
        {"TY 10 20 1 2 3 4 5 6 Label", "TY", {10, 20, 0, 0, 0, 0, 0, 0}, "Label"},
        {"TY 10 20 1 2 3", "TY", {10, 20, 0, 0, 0, 0, 0, 0}, ""},
        {"SA 5 -6 7", "SA", {5, -6, 0, 0, 0, 0, 0, 0}, ""},
        {"MC 1 2 3 4 5", "MC", {0, 0, 0, 0, 0, 0, 0, 0}, ""},
        {"li 10 20 30 40", "li", {0, 0, 0, 0, 0, 0, 0, 0}, ""},
        {"", "", {0, 0, 0, 0, 0, 0, 0, 0}, ""},
        {"; a comment", "; ", {0, 0, 0, 0, 0, 0, 0, 0}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const Primitive p = Parse(c.line);
        EXPECT_STREQ(p.code, c.code);
        const Fields got{p.x1, p.y1, p.x2, p.y2, p.x3, p.y3, p.x4, p.y4};
        EXPECT_EQ(std::memcmp(&got, &c.fields, sizeof got), 0)
            << got.x1 << ' ' << got.y1 << ' ' << got.x2 << ' ' << got.y2 << ' ' << got.x3 << ' '
            << got.y3 << ' ' << got.x4 << ' ' << got.y4;
        EXPECT_STREQ(p.text, c.text);
    }
}

TEST(ParsePrimitiveLine, LongTextKeepsItsFirst255Characters) {
    const std::string words(1000, 'w');
    const Primitive p = Parse("TE 1 2 " + words);
    EXPECT_EQ(std::string(p.text), words.substr(0, 255));
}

TEST(ParseMacroCallLine, ReadsXYOrientationMirrorThenNumber) {
    const struct {
        std::string line;
        MacroCall call;  // number, x, y, orientation, mirror
    } cases[] = {
        {"MC 100 200 1 2 57", {57, 100, 200, 1, 2}},
        {"MC 100 200", {0, 100, 200, 0, 0}},
        {"MC-5 +6 3 1 7 extra", {7, -5, 6, 3, 1}},
    };
    for (auto c : cases) {
        SCOPED_TRACE(c.line);
        MacroCall call{9, 9, 9, 9, 9};
        ParseMacroCallLine(call, kCodeMacroCall, c.line);
        EXPECT_EQ(call.number, c.call.number);
        EXPECT_EQ(call.x, c.call.x);
        EXPECT_EQ(call.y, c.call.y);
        EXPECT_EQ(call.orientation, c.call.orientation);
        EXPECT_EQ(call.mirror, c.call.mirror);
    }
}

}  // namespace
