#pragma once

#include <cstdint>

#include "model/primitive.h"

// The viewer's process-wide state. It is global because the window's handlers, the loader and
// the redraw all work on the one drawing and the one view, for as long as the process runs; it
// is defined in one place so that ResetViewerState() can put all of it back.

inline constexpr int32_t kMaxPrimitives = 1000;
inline constexpr int32_t kMaxMacroCalls = 1000;

// The drawing store.
extern Primitive Primitives[kMaxPrimitives];
extern int32_t PrimitiveCount;
extern MacroCall MacroCalls[kMaxMacroCalls];
extern int32_t MacroCount;

// The view.
inline constexpr float kPrinterScale = 5.0f;  // PrinterZoom is always Zoom times this
extern float Zoom;                            // screen pixels per drawing unit
extern float PrinterZoom;                     // printer device units per drawing unit, Zoom x 5
extern int32_t ScrollX;                       // drawing x shown at the left edge
extern int32_t ScrollY;                       // drawing y shown at the top edge

// True only while a print job is open: every figure then goes to the printer as well.
extern uint8_t Printing;

// Distances of the paint box from the window's right edge (frame included) and from the bottom
// of its client area, measured once when the form is created.
extern int32_t MarginRight;
extern int32_t MarginBottom;

// Everything above as a freshly started viewer has it.
void ResetViewerState();
