#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "render/canvas.h"

// A string as the trace writes it: quoted, with '"' and '\' escaped and every byte outside
// 0x20..0x7E as \xHH.
std::string TraceString(std::string_view text);
// "white", "black" or "#rrggbb".
std::string TraceColor(Color color);

// Writes every call as one line, "<surface> <call> <arguments>".
class TraceCanvas : public Canvas {
  public:
    TraceCanvas(std::ostream& out, std::string surface);

    void SetPenColor(Color color) override;
    void SetPenStyle(PenStyle style) override;
    void SetBrushColor(Color color) override;
    void SetBrushStyle(BrushStyle style) override;
    void SetFontColor(Color color) override;
    void SetFontHeight(int32_t height) override;
    void MoveTo(int32_t x, int32_t y) override;
    void LineTo(int32_t x, int32_t y) override;
    void Ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
    void Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
    void Polygon(std::span<const DevicePoint> points) override;
    void PolyBezier(std::span<const DevicePoint> points) override;
    void TextOut(int32_t x, int32_t y, std::string_view text) override;

  private:
    std::ostream& Begin(std::string_view call);
    void Points(std::string_view call, std::span<const DevicePoint> points);

    std::ostream& out_;
    std::string surface_;
};
