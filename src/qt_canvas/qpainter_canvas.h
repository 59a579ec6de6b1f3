#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <map>

#include "qt_canvas/clip_geometry.h"

#include "render/canvas.h"

// Draws on any Qt paint device (an image, a printer, an SVG or PDF file) through a QPainter.
// The canvas keeps its state while no painter is attached, as a printer canvas does between
// print jobs, and draws only while one is.
class QPainterCanvas : public Canvas {
  public:
    struct Defaults {
        Color pen = kBlack;
        Color brush = kWhite;
        Color font = kBlack;
        bool antialias = false;
    };

    // Coordinates within this range go to Qt as they are; figures that reach further are
    // clipped first, and texts that start further are left out.
    static constexpr int32_t kDirectRange = 1 << 20;

    // The drawing area's canvas before anything is set: black pen, white brush, black text.
    static constexpr Defaults kScreenDefaults{kBlack, kWhite, kBlack, false};

    QPainterCanvas();
    explicit QPainterCanvas(Defaults defaults);

    // The painter's pen, brush and font are then the canvas's: it changes them only when a
    // figure needs other values than the painter holds.
    void Attach(QPainter* painter);
    void Detach() { painter_ = nullptr; }

    void SetPenColor(Color color) override { pen_ = color; }
    void SetPenStyle(PenStyle) override {}
    void SetBrushColor(Color color) override { brush_ = color; }
    void SetBrushStyle(BrushStyle style) override { brush_style_ = style; }
    void SetFontColor(Color color) override { font_color_ = color; }
    void SetFontHeight(int32_t height) override { font_height_ = height; }
    void MoveTo(int32_t x, int32_t y) override;
    void LineTo(int32_t x, int32_t y) override;
    void Ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
    void Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
    void Polygon(std::span<const DevicePoint> points) override;
    void PolyBezier(std::span<const DevicePoint> points) override;
    void TextOut(int32_t x, int32_t y, std::string_view text) override;

    // The face of every text: "MS Sans Serif" where the system has it, else its sans-serif.
    static QFont BaseFont();
    // The font whose cell (ascent + descent) is height pixels; 0 gives the window font's size.
    static QFont FontForCellHeight(int32_t height);

  private:
    struct FittedFont {
        QFont font;
        QFontMetrics metrics;
    };
    // What the attached painter holds now.
    struct Held {
        bool pen_set = false;
        Color pen{};
        bool brush_set = false;
        bool brush_solid = false;
        Color brush{};
        const FittedFont* font = nullptr;
        int32_t font_height = 0;
    };

    bool WithinReach(int64_t left, int64_t top, int64_t right, int64_t bottom) const;
    bool TakeOutline(double length);
    void UsePen(Color color);
    void UseBrush(bool solid);
    void PreparePen();
    void PrepareFill();
    const FittedFont& FontFor(int32_t height);

    Defaults defaults_;
    QPainter* painter_ = nullptr;
    Held held_;
    ClipBox clip_{};
    double outline_spent_ = 0.0;
    std::map<int32_t, FittedFont> fonts_;  // for the device below
    const QPaintDevice* fonts_device_ = nullptr;
    int fonts_dpi_ = 0;
    Color pen_;
    Color brush_;
    BrushStyle brush_style_ = BrushStyle::Solid;
    Color font_color_;
    int32_t font_height_ = 0;
    DevicePoint position_{0, 0};
};
