#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "render/canvas.h"

// Canvases that change the calls on their way to another canvas.

// Moves every figure by whole device pixels, as a picture that starts elsewhere than at the
// view's origin needs. Coordinates that would leave 32 bits stay at its edge.
class ShiftedCanvas : public Canvas {
  public:
    ShiftedCanvas(Canvas& target, int64_t dx, int64_t dy) : target_(target), dx_(dx), dy_(dy) {}

    void SetPenColor(Color color) override { target_.SetPenColor(color); }
    void SetPenStyle(PenStyle style) override { target_.SetPenStyle(style); }
    void SetBrushColor(Color color) override { target_.SetBrushColor(color); }
    void SetBrushStyle(BrushStyle style) override { target_.SetBrushStyle(style); }
    void SetFontColor(Color color) override { target_.SetFontColor(color); }
    void SetFontHeight(int32_t height) override { target_.SetFontHeight(height); }
    void MoveTo(int32_t x, int32_t y) override { target_.MoveTo(X(x), Y(y)); }
    void LineTo(int32_t x, int32_t y) override { target_.LineTo(X(x), Y(y)); }
    void Ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override {
        target_.Ellipse(X(x1), Y(y1), X(x2), Y(y2));
    }
    void Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override {
        target_.Rectangle(X(x1), Y(y1), X(x2), Y(y2));
    }
    void Polygon(std::span<const DevicePoint> points) override { target_.Polygon(Shifted(points)); }
    void PolyBezier(std::span<const DevicePoint> points) override {
        target_.PolyBezier(Shifted(points));
    }
    void TextOut(int32_t x, int32_t y, std::string_view text) override {
        target_.TextOut(X(x), Y(y), text);
    }

  private:
    static int32_t Clamp(int64_t v) {
        return static_cast<int32_t>(v < INT32_MIN ? INT32_MIN : v > INT32_MAX ? INT32_MAX : v);
    }
    int32_t X(int32_t x) const { return Clamp(x + dx_); }
    int32_t Y(int32_t y) const { return Clamp(y + dy_); }
    std::vector<DevicePoint> Shifted(std::span<const DevicePoint> points) const {
        std::vector<DevicePoint> moved;
        moved.reserve(points.size());
        for (const DevicePoint& p : points) {
            moved.push_back({X(p.x), Y(p.y)});
        }
        return moved;
    }

    Canvas& target_;
    int64_t dx_;
    int64_t dy_;
};

// Draws as on paper: what the screen shows white on black comes out black on white.
class PaperCanvas : public Canvas {
  public:
    explicit PaperCanvas(Canvas& target) : target_(target) {}

    void SetPenColor(Color color) override { target_.SetPenColor(OnPaper(color)); }
    void SetPenStyle(PenStyle style) override { target_.SetPenStyle(style); }
    void SetBrushColor(Color color) override { target_.SetBrushColor(OnPaper(color)); }
    void SetBrushStyle(BrushStyle style) override { target_.SetBrushStyle(style); }
    void SetFontColor(Color color) override { target_.SetFontColor(OnPaper(color)); }
    void SetFontHeight(int32_t height) override { target_.SetFontHeight(height); }
    void MoveTo(int32_t x, int32_t y) override { target_.MoveTo(x, y); }
    void LineTo(int32_t x, int32_t y) override { target_.LineTo(x, y); }
    void Ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override {
        target_.Ellipse(x1, y1, x2, y2);
    }
    void Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override {
        target_.Rectangle(x1, y1, x2, y2);
    }
    void Polygon(std::span<const DevicePoint> points) override { target_.Polygon(points); }
    void PolyBezier(std::span<const DevicePoint> points) override { target_.PolyBezier(points); }
    void TextOut(int32_t x, int32_t y, std::string_view text) override {
        target_.TextOut(x, y, text);
    }

  private:
    static Color OnPaper(Color color) { return color == kWhite ? kBlack : color; }

    Canvas& target_;
};
