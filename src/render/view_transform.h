#pragma once

#include <cstdint>
#include <stdexcept>

extern float Zoom;         // screen pixels per drawing unit
extern float PrinterZoom;  // printer device units per drawing unit, Zoom x 5
extern int32_t ScrollX;    // drawing x shown at the left edge
extern int32_t ScrollY;    // drawing y shown at the top edge

// A figure whose device coordinates cannot be formed at the current zoom.
class DrawingRangeError : public std::runtime_error {
  public:
    DrawingRangeError();
};

int32_t ScreenX(int32_t x);
int32_t ScreenY(int32_t y);
int32_t PrinterX(int32_t x);
int32_t PrinterY(int32_t y);
void UpdatePrinterZoom();

// trunc(value x factor) formed exactly, as the low 32 bits of its 64-bit integer; throws
// DrawingRangeError when the product is not a number or lies outside the 64-bit range.
int32_t ScaleExactly(int32_t value, float factor);
