#pragma once

#include <cstdint>
#include <string_view>

#include "model/command_table.h"
#include "model/primitive.h"
#include "model/viewer_state.h"
#include "render/canvas.h"
#include "render/view_transform.h"

class WindowHost;

void DrawPrimitive(Primitive primitive);

// A figure ready to be drawn: what it is, its points in drawing units and its text.
struct Shape {
    Figure figure = Figure::Nothing;
    int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0, x3 = 0, y3 = 0, x4 = 0, y4 = 0;
    std::string_view text;
};

// The figure and fields of a drawing record; the text stays the record's.
Shape ShapeOf(const Primitive& primitive);

// Draws shapes on the window's screen and, while printing, its printer, at the view state of the
// moment it was made: one of these serves a whole redraw. Each shape draws exactly as
// DrawPrimitive draws the record it came from.
class ShapeDrawer {
  public:
    explicit ShapeDrawer(WindowHost& host);

    void Draw(const Shape& shape) const;
    Canvas& Screen() const { return screen_.canvas; }
    Canvas& Printer() const { return printer_.canvas; }

  private:
    struct Surface {
        Canvas& canvas;
        AxisMapping x;
        AxisMapping y;
        float zoom;
        bool on_screen;

        DevicePoint Map(int32_t px, int32_t py) const { return {x.Map(px), y.Map(py)}; }
    };
    static void DrawOn(const Surface& surface, const Shape& shape);

    Surface screen_;
    Surface printer_;
    bool printing_;
};
