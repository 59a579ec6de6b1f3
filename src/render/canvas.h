#pragma once

#include <cstdint>
#include <span>
#include <string_view>

struct Color {
    uint32_t rgb;  // 0xRRGGBB
    friend bool operator==(Color, Color) = default;
};

inline constexpr Color kWhite{0xFFFFFF};
inline constexpr Color kBlack{0x000000};

enum class PenStyle { Solid };
enum class BrushStyle { Solid, Clear };

struct DevicePoint {
    int32_t x;
    int32_t y;
};

// The surface every figure is drawn on. Drawing code speaks to this alone, so a screen image,
// a printed page and a trace all see the same calls.
class Canvas {
  public:
    virtual ~Canvas() = default;

    virtual void SetPenColor(Color color) = 0;
    virtual void SetPenStyle(PenStyle style) = 0;
    virtual void SetBrushColor(Color color) = 0;
    virtual void SetBrushStyle(BrushStyle style) = 0;
    virtual void SetFontColor(Color color) = 0;
    // A positive height is the character cell height in device units; 0 is the default size.
    virtual void SetFontHeight(int32_t height) = 0;

    virtual void MoveTo(int32_t x, int32_t y) = 0;
    virtual void LineTo(int32_t x, int32_t y) = 0;
    // Boxes include their left and top edge and exclude the right and bottom one.
    virtual void Ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2) = 0;
    virtual void Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) = 0;
    virtual void Polygon(std::span<const DevicePoint> points) = 0;
    virtual void PolyBezier(std::span<const DevicePoint> points) = 0;
    // (x, y) is the top-left corner of the first character cell.
    virtual void TextOut(int32_t x, int32_t y, std::string_view text) = 0;
};
