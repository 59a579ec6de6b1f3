#pragma once

#include <vector>

#include "render/canvas.h"

// Hands every call on to each of its canvases in turn; with none it is a canvas that draws
// nothing.
class CanvasFan : public Canvas {
  public:
    void Add(Canvas& canvas) { targets_.push_back(&canvas); }

    void SetPenColor(Color color) override { Each(&Canvas::SetPenColor, color); }
    void SetPenStyle(PenStyle style) override { Each(&Canvas::SetPenStyle, style); }
    void SetBrushColor(Color color) override { Each(&Canvas::SetBrushColor, color); }
    void SetBrushStyle(BrushStyle style) override { Each(&Canvas::SetBrushStyle, style); }
    void SetFontColor(Color color) override { Each(&Canvas::SetFontColor, color); }
    void SetFontHeight(int32_t height) override { Each(&Canvas::SetFontHeight, height); }
    void MoveTo(int32_t x, int32_t y) override { Each(&Canvas::MoveTo, x, y); }
    void LineTo(int32_t x, int32_t y) override { Each(&Canvas::LineTo, x, y); }
    void Ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override {
        Each(&Canvas::Ellipse, x1, y1, x2, y2);
    }
    void Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override {
        Each(&Canvas::Rectangle, x1, y1, x2, y2);
    }
    void Polygon(std::span<const DevicePoint> points) override { Each(&Canvas::Polygon, points); }
    void PolyBezier(std::span<const DevicePoint> points) override {
        Each(&Canvas::PolyBezier, points);
    }
    void TextOut(int32_t x, int32_t y, std::string_view text) override {
        Each(&Canvas::TextOut, x, y, text);
    }

  private:
    template <typename Call, typename... Args>
    void Each(Call call, Args... args) {
        for (Canvas* target : targets_) {
            (target->*call)(args...);
        }
    }

    std::vector<Canvas*> targets_;
};
