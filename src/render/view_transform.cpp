#include "render/view_transform.h"

#include <cmath>
#include <limits>

// The products below must be exact: a 32-bit integer times a 32-bit float needs 56 significant
// bits, which the x86 extended format holds.
static_assert(std::numeric_limits<long double>::digits == 64,
              "exact zoom arithmetic needs a 64-bit-significand long double");

namespace {

constexpr float PrinterZoomFor(float zoom) {
    return zoom * 5.0f;
}

int32_t Offset(int32_t coordinate, int32_t scroll) {
    return static_cast<int32_t>(static_cast<uint32_t>(coordinate) - static_cast<uint32_t>(scroll));
}

}  // namespace

float Zoom = 4.0f;
// Set during program initialisation, before any window exists.
float PrinterZoom = PrinterZoomFor(Zoom);
int32_t ScrollX = 0;
int32_t ScrollY = 0;

DrawingRangeError::DrawingRangeError()
    : std::runtime_error(
          "The drawing cannot be drawn at this zoom: a coordinate is out of range.") {}

int32_t ScaleExactly(int32_t value, float factor) {
    const long double product = std::trunc(static_cast<long double>(value) * factor);
    constexpr long double kLimit = 0x1p63L;
    if (!(product >= -kLimit && product < kLimit)) {
        throw DrawingRangeError();
    }
    return static_cast<int32_t>(static_cast<int64_t>(product));
}

int32_t ScreenX(int32_t x) {
    return ScaleExactly(Offset(x, ScrollX), Zoom);
}
int32_t ScreenY(int32_t y) {
    return ScaleExactly(Offset(y, ScrollY), Zoom);
}
int32_t PrinterX(int32_t x) {
    return ScaleExactly(Offset(x, ScrollX), PrinterZoom);
}
int32_t PrinterY(int32_t y) {
    return ScaleExactly(Offset(y, ScrollY), PrinterZoom);
}

void UpdatePrinterZoom() {
    PrinterZoom = PrinterZoomFor(Zoom);
}
