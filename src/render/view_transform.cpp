#include "render/view_transform.h"

DrawingRangeError::DrawingRangeError()
    : std::runtime_error(
          "The drawing cannot be drawn at this zoom: a coordinate is out of range.") {}

int32_t ScaleExactly(int32_t value, float factor) {
    return ExactScale(factor).Apply(value);
}

int32_t ScreenX(int32_t x) {
    return AxisMapping{ExactScale(Zoom), ScrollX}.Map(x);
}
int32_t ScreenY(int32_t y) {
    return AxisMapping{ExactScale(Zoom), ScrollY}.Map(y);
}
int32_t PrinterX(int32_t x) {
    return AxisMapping{ExactScale(PrinterZoom), ScrollX}.Map(x);
}
int32_t PrinterY(int32_t y) {
    return AxisMapping{ExactScale(PrinterZoom), ScrollY}.Map(y);
}

void UpdatePrinterZoom() {
    PrinterZoom = Zoom * kPrinterScale;
}
