#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "model/primitive.h"

// The numbers a command's line holds after its letters.
enum class FieldLayout : uint8_t {
    None,         // nothing is read
    TwoPoints,    // x1 y1 x2 y2
    FourPoints,   // x1 y1 ... x4 y4
    OnePoint,     // x1 y1
    Text,         // x1 y1, then the rest of the line as text
    SixThenText,  // x1 y1, six skipped tokens, then the text
    Placement,    // x y orientation mirror number, into a MacroCall
};

// What a record draws. A placement line inside a macro body is never expanded: it draws as an
// empty text at its (placed) first point.
enum class Figure : uint8_t {
    Nothing,
    Line,
    Dot,
    EmptyEllipse,
    FilledEllipse,
    EmptyRectangle,
    FilledRectangle,
    EmptyPolygon,
    FilledPolygon,
    Bezier,
    Text,
};

struct Command {
    std::string_view letters;
    CommandCode code;
    FieldLayout fields;
    Figure figure;
};

// Every command of the format, stated once: the parser, the renderer and the checker read it.
inline constexpr std::array<Command, 12> kCommands{{
    {"LI", kCodeLine, FieldLayout::TwoPoints, Figure::Line},
    {"RV", kCodeEmptyRectangle, FieldLayout::TwoPoints, Figure::EmptyRectangle},
    {"RP", kCodeFilledRectangle, FieldLayout::TwoPoints, Figure::FilledRectangle},
    {"EV", kCodeEmptyEllipse, FieldLayout::TwoPoints, Figure::EmptyEllipse},
    {"EP", kCodeFilledEllipse, FieldLayout::TwoPoints, Figure::FilledEllipse},
    {"BE", kCodeBezier, FieldLayout::FourPoints, Figure::Bezier},
    {"PV", kCodeEmptyPolygon, FieldLayout::FourPoints, Figure::EmptyPolygon},
    {"PP", kCodeFilledPolygon, FieldLayout::FourPoints, Figure::FilledPolygon},
    {"TE", kCodeText, FieldLayout::Text, Figure::Text},
    {"TY", kCodeTextSkipping, FieldLayout::SixThenText, Figure::Text},
    {"SA", kCodeDot, FieldLayout::OnePoint, Figure::Dot},
    {"MC", kCodeMacroCall, FieldLayout::Placement, Figure::Text},
}};

// Any letters that name no command: nothing is read and nothing is drawn.
inline constexpr Command kUnknownCommand{"", kCodeUnknown, FieldLayout::None, Figure::Nothing};

// The command of exactly these letters, or kUnknownCommand.
const Command& CommandOf(std::string_view letters);
// The command of a code as ClassifyCommand gives it, or kUnknownCommand.
const Command& CommandOfCode(CommandCode code);
