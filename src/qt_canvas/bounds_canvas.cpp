#include "qt_canvas/bounds_canvas.h"
#include "qt_canvas/drawing_text.h"

#include <QFontMetrics>
#include <QString>
#include <algorithm>

#include "qt_canvas/qpainter_canvas.h"

void BoundsCanvas::Add(int64_t left, int64_t top, int64_t right, int64_t bottom) {
    if (!extents_) {
        extents_ = Box{left, top, right, bottom};
        return;
    }
    extents_->left = std::min(extents_->left, left);
    extents_->top = std::min(extents_->top, top);
    extents_->right = std::max(extents_->right, right);
    extents_->bottom = std::max(extents_->bottom, bottom);
}

void BoundsCanvas::LineTo(int32_t x, int32_t y) {
    const DevicePoint from = position_;
    position_ = {x, y};
    Add(std::min(from.x, x), std::min(from.y, y), int64_t{std::max(from.x, x)} + 1,
        int64_t{std::max(from.y, y)} + 1);
}

void BoundsCanvas::AddBox(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    const int64_t left = std::min(x1, x2);
    const int64_t right = std::max(x1, x2);
    const int64_t top = std::min(y1, y2);
    const int64_t bottom = std::max(y1, y2);
    if (right > left && bottom > top) {  // an empty box draws nothing
        Add(left, top, right, bottom);
    }
}

void BoundsCanvas::Ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    AddBox(x1, y1, x2, y2);
}

void BoundsCanvas::Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    AddBox(x1, y1, x2, y2);
}

void BoundsCanvas::AddPoints(std::span<const DevicePoint> points) {
    if (points.empty()) {
        return;
    }
    const auto [min_x, max_x] = std::minmax_element(
        points.begin(), points.end(), [](DevicePoint a, DevicePoint b) { return a.x < b.x; });
    const auto [min_y, max_y] = std::minmax_element(
        points.begin(), points.end(), [](DevicePoint a, DevicePoint b) { return a.y < b.y; });
    Add(min_x->x, min_y->y, int64_t{max_x->x} + 1, int64_t{max_y->y} + 1);
}

void BoundsCanvas::Polygon(std::span<const DevicePoint> points) {
    AddPoints(points);
}

void BoundsCanvas::PolyBezier(std::span<const DevicePoint> points) {
    if (points.size() >= 4) {
        AddPoints(points.first(4));  // the curve lies within the hull of its four points
    }
}

void BoundsCanvas::TextOut(int32_t x, int32_t y, std::string_view text) {
    constexpr int32_t kPainted = QPainterCanvas::kDirectRange;  // texts beyond are not painted
    if (text.empty() || x <= -kPainted || x >= kPainted || y <= -kPainted || y >= kPainted) {
        return;
    }
    const QFontMetrics metrics(QPainterCanvas::FontForCellHeight(font_height_));
    const QString shown = DrawingText(text);
    Add(x, y, int64_t{x} + metrics.horizontalAdvance(shown), int64_t{y} + metrics.height());
}
