#include "render/primitive_renderer.h"

#include <array>
#include <cstring>
#include <string_view>

#include "platform/window_host.h"
#include "render/canvas.h"
#include "render/view_transform.h"

uint8_t Printing = 0;

namespace {

// The two surfaces differ only in their canvas and their mapping.
struct Surface {
    Canvas& canvas;
    int32_t (*map_x)(int32_t);
    int32_t (*map_y)(int32_t);
    const float& zoom;

    DevicePoint Map(int32_t x, int32_t y) const { return {map_x(x), map_y(y)}; }
};

enum class Figure {
    Nothing,
    Line,
    Dot,
    EmptyEllipse,
    FilledEllipse,
    EmptyRectangle,
    FilledRectangle,
    EmptyPolygon,
    FilledPolygon,
    Bezier,
    Text
};

Figure FigureOf(const char* code) {
    static constexpr std::array<std::pair<std::string_view, Figure>, 12> kFigures{{
        {"LI", Figure::Line},
        {"SA", Figure::Dot},
        {"EV", Figure::EmptyEllipse},
        {"EP", Figure::FilledEllipse},
        {"RV", Figure::EmptyRectangle},
        {"RP", Figure::FilledRectangle},
        {"PV", Figure::EmptyPolygon},
        {"PP", Figure::FilledPolygon},
        {"BE", Figure::Bezier},
        {"TE", Figure::Text},
        {"TY", Figure::Text},
        {"MC", Figure::Text},
    }};
    const std::string_view name(code, strnlen(code, sizeof(Primitive::code)));
    for (const auto& [letters, figure] : kFigures) {
        if (name == letters) {
            return figure;
        }
    }
    return Figure::Nothing;
}

int32_t Plus(int32_t value, uint32_t step) {
    return static_cast<int32_t>(static_cast<uint32_t>(value) + step);
}

int32_t Minus(int32_t value, uint32_t step) {
    return static_cast<int32_t>(static_cast<uint32_t>(value) - step);
}

void DrawFigure(Figure figure, const Primitive& p, const Surface& s, bool on_screen) {
    Canvas& c = s.canvas;
    switch (figure) {
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
            const int32_t left = s.map_x(Minus(p.x1, 1));
            const int32_t top = s.map_y(Minus(p.y1, 1));
            const int32_t right = s.map_x(Plus(p.x1, 1));
            const int32_t bottom = s.map_y(Plus(p.y1, 1));
            c.Ellipse(left, top, right, bottom);
            return;
        }
        case Figure::EmptyEllipse:
        case Figure::FilledEllipse:
        case Figure::EmptyRectangle:
        case Figure::FilledRectangle: {
            if (figure == Figure::EmptyEllipse || figure == Figure::EmptyRectangle) {
                c.SetBrushStyle(BrushStyle::Clear);
            }
            const DevicePoint a = s.Map(p.x1, p.y1);
            const DevicePoint b = s.Map(p.x2, p.y2);
            if (figure == Figure::EmptyEllipse || figure == Figure::FilledEllipse) {
                c.Ellipse(a.x, a.y, b.x, b.y);
            } else {
                c.Rectangle(a.x, a.y, b.x, b.y);
            }
            return;
        }
        case Figure::EmptyPolygon:
        case Figure::FilledPolygon: {
            if (figure == Figure::EmptyPolygon) {
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
            if (on_screen) {
                c.SetFontColor(kWhite);
            }
            c.SetBrushStyle(BrushStyle::Clear);
            c.SetFontHeight(ScaleExactly(5, s.zoom));
            const int32_t x = s.map_x(p.x1);
            const int32_t y = s.map_y(p.y1);
            c.TextOut(x, y, std::string_view(p.text, strnlen(p.text, sizeof(p.text))));
            return;
        }
    }
}

}  // namespace

void DrawPrimitive(Primitive primitive) {
    Canvas& screen = frmMain->ScreenCanvas();
    Canvas& printer = frmMain->PrinterCanvas();
    screen.SetBrushStyle(BrushStyle::Solid);
    printer.SetBrushStyle(BrushStyle::Solid);

    const Figure figure = FigureOf(primitive.code);
    DrawFigure(figure, primitive, Surface{screen, ScreenX, ScreenY, Zoom}, true);
    if (Printing != 0) {
        DrawFigure(figure, primitive, Surface{printer, PrinterX, PrinterY, PrinterZoom}, false);
    }
}
