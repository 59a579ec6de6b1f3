#include "render/scene_redraw.h"

#include "macro/macro_library.h"
#include "model/drawing_store.h"
#include "platform/window_host.h"
#include "render/canvas.h"
#include "render/primitive_renderer.h"

namespace {

void ResetBrushes(Canvas& screen, Canvas& printer) {
    screen.SetBrushStyle(BrushStyle::Solid);
    printer.SetBrushStyle(BrushStyle::Solid);
}

}  // namespace

void RedrawAll() {
    frmMain->RepaintDrawingArea();
    Canvas& screen = frmMain->ScreenCanvas();
    Canvas& printer = frmMain->PrinterCanvas();
    screen.SetPenColor(kWhite);
    screen.SetPenStyle(PenStyle::Solid);
    screen.SetBrushColor(kWhite);
    printer.SetPenStyle(PenStyle::Solid);

    for (int32_t i = 0; i < PrimitiveCount; ++i) {
        ResetBrushes(screen, printer);
        DrawPrimitive(Primitives[i]);
    }
    // One reading of the macro library serves every placement of this redraw.
    const MacroLibraryScope library;
    for (int32_t i = 0; i < MacroCount; ++i) {
        ResetBrushes(screen, printer);
        DrawMacroCall(MacroCalls[i]);
    }
}
