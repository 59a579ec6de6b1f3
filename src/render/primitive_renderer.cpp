#include "render/primitive_renderer.h"

#include <array>
#include <cstring>

#include "render/window_host.h"

namespace {

int32_t Plus(int32_t value, uint32_t step) {
    return static_cast<int32_t>(static_cast<uint32_t>(value) + step);
}

int32_t Minus(int32_t value, uint32_t step) {
    return static_cast<int32_t>(static_cast<uint32_t>(value) - step);
}

}  // namespace

Shape ShapeOf(const Primitive& p) {
    const std::string_view letters(p.code, strnlen(p.code, sizeof p.code));
    return Shape{CommandOf(letters).figure,
                 p.x1,
                 p.y1,
                 p.x2,
                 p.y2,
                 p.x3,
                 p.y3,
                 p.x4,
                 p.y4,
                 std::string_view(p.text, strnlen(p.text, sizeof p.text))};
}

ShapeDrawer::ShapeDrawer(WindowHost& host)
    : screen_{host.ScreenCanvas(),
              {ExactScale(Zoom), ScrollX},
              {ExactScale(Zoom), ScrollY},
              Zoom,
              true},
      printer_{host.PrinterCanvas(),
               {ExactScale(PrinterZoom), ScrollX},
               {ExactScale(PrinterZoom), ScrollY},
               PrinterZoom,
               false},
      printing_(Printing != 0) {}

void ShapeDrawer::Draw(const Shape& shape) const {
    screen_.canvas.SetBrushStyle(BrushStyle::Solid);
    printer_.canvas.SetBrushStyle(BrushStyle::Solid);
    DrawOn(screen_, shape);
    if (printing_) {
        DrawOn(printer_, shape);
    }
}

void ShapeDrawer::DrawOn(const Surface& s, const Shape& p) {
    Canvas& c = s.canvas;
    switch (p.figure) {
        case Figure::Nothing:
            return;
        case Figure::Line: {
            // Mapped one after the other, so a failing end point still leaves the move behind.
            const DevicePoint from = s.Map(p.x1, p.y1);
            c.MoveTo(from.x, from.y);
            const DevicePoint to = s.Map(p.x2, p.y2);
            c.LineTo(to.x, to.y);
            return;
        }
        case Figure::Dot: {
            const int32_t left = s.x.Map(Minus(p.x1, 1));
            const int32_t top = s.y.Map(Minus(p.y1, 1));
            const int32_t right = s.x.Map(Plus(p.x1, 1));
            const int32_t bottom = s.y.Map(Plus(p.y1, 1));
            c.Ellipse(left, top, right, bottom);
            return;
        }
        case Figure::EmptyEllipse:
        case Figure::EmptyRectangle:
        case Figure::FilledEllipse:
        case Figure::FilledRectangle: {
            const bool ellipse =
                p.figure == Figure::EmptyEllipse || p.figure == Figure::FilledEllipse;
            if (p.figure == Figure::EmptyEllipse || p.figure == Figure::EmptyRectangle) {
                c.SetBrushStyle(BrushStyle::Clear);
            }
            const DevicePoint a = s.Map(p.x1, p.y1);
            const DevicePoint b = s.Map(p.x2, p.y2);
            if (ellipse) {
                c.Ellipse(a.x, a.y, b.x, b.y);
            } else {
                c.Rectangle(a.x, a.y, b.x, b.y);
            }
            return;
        }
        case Figure::EmptyPolygon:
        case Figure::FilledPolygon: {
            if (p.figure == Figure::EmptyPolygon) {
                c.SetBrushStyle(BrushStyle::Clear);
            }
            // Drawn through the first three vertices; the fourth is not part of the figure.
            const std::array<DevicePoint, 3> corners{s.Map(p.x1, p.y1), s.Map(p.x2, p.y2),
                                                     s.Map(p.x3, p.y3)};
            c.Polygon(corners);
            return;
        }
        case Figure::Bezier: {
            const std::array<DevicePoint, 4> points{s.Map(p.x1, p.y1), s.Map(p.x2, p.y2),
                                                    s.Map(p.x3, p.y3), s.Map(p.x4, p.y4)};
            c.PolyBezier(points);
            return;
        }
        case Figure::Text: {
            // The printer keeps its own font colour.
            if (s.on_screen) {
                c.SetFontColor(kWhite);
            }
            c.SetBrushStyle(BrushStyle::Clear);
            c.SetFontHeight(ScaleExactly(5, s.zoom));
            const int32_t x = s.x.Map(p.x1);
            const int32_t y = s.y.Map(p.y1);
            c.TextOut(x, y, p.text);
            return;
        }
    }
}

// By value: the record drawn is the caller's copy, never the caller's own.
// cppcheck-suppress passedByValue
void DrawPrimitive(Primitive primitive) {
    ShapeDrawer(*frmMain).Draw(ShapeOf(primitive));
}
