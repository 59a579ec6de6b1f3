#pragma once

#include <cstdint>
#include <optional>

#include "render/canvas.h"

// Device-space extents of everything drawn through it, figure by figure as the Qt canvas would
// paint it: a box's excluded edges stay out, a one-pixel pen adds its pixel, a text covers its
// cell as the font's metrics give it. Draws nothing.
class BoundsCanvas : public Canvas {
  public:
    struct Box {
        int64_t left, top, right, bottom;  // right and bottom excluded
    };
    // Nothing when nothing would show.
    std::optional<Box> Extents() const { return extents_; }

    void SetPenColor(Color) override {}
    void SetPenStyle(PenStyle) override {}
    void SetBrushColor(Color) override {}
    void SetBrushStyle(BrushStyle) override {}
    void SetFontColor(Color) override {}
    void SetFontHeight(int32_t height) override { font_height_ = height; }
    void MoveTo(int32_t x, int32_t y) override { position_ = {x, y}; }
    void LineTo(int32_t x, int32_t y) override;
    void Ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
    void Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
    void Polygon(std::span<const DevicePoint> points) override;
    void PolyBezier(std::span<const DevicePoint> points) override;
    void TextOut(int32_t x, int32_t y, std::string_view text) override;

  private:
    void Add(int64_t left, int64_t top, int64_t right, int64_t bottom);
    void AddBox(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
    void AddPoints(std::span<const DevicePoint> points);

    std::optional<Box> extents_;
    DevicePoint position_{0, 0};
    int32_t font_height_ = 0;
};
