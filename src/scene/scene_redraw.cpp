#include "scene/scene_redraw.h"

#include "macro/macro_library.h"
#include "model/drawing_store.h"
#include "render/canvas.h"
#include "render/primitive_renderer.h"
#include "render/window_host.h"

namespace {

void ResetBrushes(const ShapeDrawer& drawer) {
    drawer.Screen().SetBrushStyle(BrushStyle::Solid);
    drawer.Printer().SetBrushStyle(BrushStyle::Solid);
}

}  // namespace

void RedrawAll() {
    frmMain->RepaintDrawingArea();
    const DrawingScope drawing(*frmMain);
    const ShapeDrawer drawer(*frmMain);
    drawer.Screen().SetPenColor(kWhite);
    drawer.Screen().SetPenStyle(PenStyle::Solid);
    drawer.Screen().SetBrushColor(kWhite);
    drawer.Printer().SetPenStyle(PenStyle::Solid);

    for (int32_t i = 0; i < PrimitiveCount; ++i) {
        ResetBrushes(drawer);
        drawer.Draw(ShapeOf(Primitives[i]));
    }
    // One look at the macro library serves every placement of this redraw.
    MacroLibraryScope library;
    for (int32_t i = 0; i < MacroCount; ++i) {
        ResetBrushes(drawer);
        DrawMacroCall(MacroCalls[i], drawer);
    }
}
