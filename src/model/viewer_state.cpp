#include "model/viewer_state.h"

namespace {

constexpr float kStartZoom = 4.0f;

}  // namespace

Primitive Primitives[kMaxPrimitives];
int32_t PrimitiveCount = 0;
MacroCall MacroCalls[kMaxMacroCalls];
int32_t MacroCount = 0;

float Zoom = kStartZoom;
// Set during program initialisation, before any window exists.
float PrinterZoom = Zoom * kPrinterScale;
int32_t ScrollX = 0;
int32_t ScrollY = 0;

uint8_t Printing = 0;

int32_t MarginRight = 0;
int32_t MarginBottom = 0;

void ResetViewerState() {
    PrimitiveCount = 0;
    MacroCount = 0;
    Zoom = kStartZoom;
    PrinterZoom = Zoom * kPrinterScale;
    ScrollX = 0;
    ScrollY = 0;
    Printing = 0;
    MarginRight = 0;
    MarginBottom = 0;
}
