#pragma once

#include <QImage>
#include <QPainter>
#include <string>
#include <vector>

#include "render/canvas.h"

// Keeps every call of one redraw in device space, so the same calls can be painted again and
// again straight onto a QPainter: the least any canvas can cost for that redraw.
class RecordingCanvas : public Canvas {
  public:
    enum class Kind {
        PenColor,
        BrushColor,
        BrushStyle,
        FontColor,
        FontHeight,
        MoveTo,
        LineTo,
        Ellipse,
        Rectangle,
        Polygon,
        PolyBezier,
        TextOut
    };
    struct Call {
        Kind kind = Kind::MoveTo;
        int32_t a = 0, b = 0, c = 0, d = 0;
        std::vector<DevicePoint> points;
        std::string text;
    };

    void SetPenColor(Color color) override { Add(Kind::PenColor, Rgb(color)); }
    void SetPenStyle(PenStyle) override {}
    void SetBrushColor(Color color) override { Add(Kind::BrushColor, Rgb(color)); }
    void SetBrushStyle(BrushStyle style) override {
        Add(Kind::BrushStyle, style == BrushStyle::Solid ? 1 : 0);
    }
    void SetFontColor(Color color) override { Add(Kind::FontColor, Rgb(color)); }
    void SetFontHeight(int32_t height) override { Add(Kind::FontHeight, height); }
    void MoveTo(int32_t x, int32_t y) override { Add(Kind::MoveTo, x, y); }
    void LineTo(int32_t x, int32_t y) override { Add(Kind::LineTo, x, y); }
    void Ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override {
        Add(Kind::Ellipse, x1, y1, x2, y2);
    }
    void Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override {
        Add(Kind::Rectangle, x1, y1, x2, y2);
    }
    void Polygon(std::span<const DevicePoint> points) override {
        Add(Kind::Polygon).points.assign(points.begin(), points.end());
    }
    void PolyBezier(std::span<const DevicePoint> points) override {
        Add(Kind::PolyBezier).points.assign(points.begin(), points.end());
    }
    void TextOut(int32_t x, int32_t y, std::string_view text) override {
        Add(Kind::TextOut, x, y).text = text;
    }

    void Clear() { calls_.clear(); }
    const std::vector<Call>& Calls() const { return calls_; }

  private:
    static int32_t Rgb(Color color) { return static_cast<int32_t>(color.rgb); }
    Call& Add(Kind kind, int32_t a = 0, int32_t b = 0, int32_t c = 0, int32_t d = 0) {
        Call& call = calls_.emplace_back();
        call.kind = kind;
        call.a = a;
        call.b = b;
        call.c = c;
        call.d = d;
        return call;
    }

    std::vector<Call> calls_;
};

// Paints recorded calls onto an image with one cosmetic pen and no antialiasing, changing the
// painter's brush and font only when they change.
void ReplayOnto(QImage& image, const std::vector<RecordingCanvas::Call>& calls);
