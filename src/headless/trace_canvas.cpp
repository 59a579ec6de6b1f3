#include "headless/trace_canvas.h"

#include <array>
#include <cstdio>

std::string TraceString(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20 || byte > 0x7E) {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02x", byte);
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    quoted += '"';
    return quoted;
}

std::string TraceColor(Color color) {
    if (color == kWhite) {
        return "white";
    }
    if (color == kBlack) {
        return "black";
    }
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", color.rgb & 0xFFFFFFu);
    return text;
}

TraceCanvas::TraceCanvas(std::ostream& out, std::string surface)
    : out_(out), surface_(std::move(surface)) {}

std::ostream& TraceCanvas::Begin(std::string_view call) {
    return out_ << surface_ << ' ' << call;
}

void TraceCanvas::Points(std::string_view call, std::span<const DevicePoint> points) {
    std::ostream& line = Begin(call);
    for (const DevicePoint& point : points) {
        line << ' ' << point.x << ' ' << point.y;
    }
    line << '\n';
}

void TraceCanvas::SetPenColor(Color color) {
    Begin("PenColor") << ' ' << TraceColor(color) << '\n';
}
void TraceCanvas::SetPenStyle(PenStyle) {
    Begin("PenStyle") << " solid\n";
}
void TraceCanvas::SetBrushColor(Color color) {
    Begin("BrushColor") << ' ' << TraceColor(color) << '\n';
}
void TraceCanvas::SetBrushStyle(BrushStyle style) {
    Begin("BrushStyle") << (style == BrushStyle::Solid ? " solid\n" : " clear\n");
}
void TraceCanvas::SetFontColor(Color color) {
    Begin("FontColor") << ' ' << TraceColor(color) << '\n';
}
void TraceCanvas::SetFontHeight(int32_t height) {
    Begin("FontHeight") << ' ' << height << '\n';
}
void TraceCanvas::MoveTo(int32_t x, int32_t y) {
    Points("MoveTo", std::array{DevicePoint{x, y}});
}
void TraceCanvas::LineTo(int32_t x, int32_t y) {
    Points("LineTo", std::array{DevicePoint{x, y}});
}
void TraceCanvas::Ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    Points("Ellipse", std::array{DevicePoint{x1, y1}, DevicePoint{x2, y2}});
}
void TraceCanvas::Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    Points("Rectangle", std::array{DevicePoint{x1, y1}, DevicePoint{x2, y2}});
}
void TraceCanvas::Polygon(std::span<const DevicePoint> points) {
    Points("Polygon", points);
}
void TraceCanvas::PolyBezier(std::span<const DevicePoint> points) {
    Points("PolyBezier", points);
}
void TraceCanvas::TextOut(int32_t x, int32_t y, std::string_view text) {
    Begin("TextOut") << ' ' << x << ' ' << y << ' ' << TraceString(text) << '\n';
}
