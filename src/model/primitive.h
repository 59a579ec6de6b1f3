#pragma once

#include <cstdint>

// One drawable item of a drawing or of a macro body.
struct Primitive {
    char code[3];  // the line's first two characters, NUL-terminated
    int32_t x1, y1;
    int32_t x2, y2;
    int32_t x3, y3;
    int32_t x4, y4;
    char text[256];  // at most 255 characters, NUL-terminated
};

// One placement of a library macro.
struct MacroCall {
    int32_t number;
    int32_t x, y;
    int32_t orientation;
    int32_t mirror;
};

// Class of a command's two letters.
using CommandCode = int32_t;

inline constexpr CommandCode kCodeLine = 1;             // LI
inline constexpr CommandCode kCodeEmptyRectangle = 2;   // RV
inline constexpr CommandCode kCodeFilledRectangle = 3;  // RP
inline constexpr CommandCode kCodeEmptyEllipse = 4;     // EV
inline constexpr CommandCode kCodeFilledEllipse = 5;    // EP
inline constexpr CommandCode kCodeBezier = 6;           // BE
inline constexpr CommandCode kCodeEmptyPolygon = 7;     // PV
inline constexpr CommandCode kCodeFilledPolygon = 8;    // PP
inline constexpr CommandCode kCodeText = 9;             // TE
inline constexpr CommandCode kCodeTextSkipping = 10;    // TY
inline constexpr CommandCode kCodeDot = 11;             // SA
inline constexpr CommandCode kCodeMacroCall = 100;      // MC
inline constexpr CommandCode kCodeUnknown = 0xFF;
