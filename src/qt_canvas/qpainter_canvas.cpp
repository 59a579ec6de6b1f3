#include "qt_canvas/qpainter_canvas.h"
#include "qt_canvas/drawing_text.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainterPath>
#include <QPolygon>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <vector>

#include "qt_canvas/clip_geometry.h"

namespace {

// The rasteriser's fixed-point arithmetic holds no more than this.
constexpr int32_t kDirectRange = QPainterCanvas::kDirectRange;
constexpr int kMaxFontPixels = 4096;
constexpr int kWindowFontPixels = 11;  // the window font: 8 points at 96 pixels per inch

QColor ToQColor(Color color) {
    return QColor::fromRgb(static_cast<QRgb>(0xFF000000u | (color.rgb & 0xFFFFFFu)));
}

bool Near(int32_t value) {
    return value > -kDirectRange && value < kDirectRange;
}

bool AllNear(std::span<const DevicePoint> points) {
    return std::all_of(points.begin(), points.end(),
                       [](const DevicePoint& p) { return Near(p.x) && Near(p.y); });
}

ClipBox DeviceBox(const QPainter& painter) {
    const QPaintDevice* device = painter.device();
    const double margin = 4.0;
    return {-margin, -margin, device->width() + margin, device->height() + margin};
}

PointF ToPointF(DevicePoint p) {
    return {static_cast<double>(p.x), static_cast<double>(p.y)};
}

QPolygonF ToQPolygonF(const std::vector<PointF>& points) {
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const PointF& p : points) {
        polygon << QPointF(p.x, p.y);
    }
    return polygon;
}

// A box in the convention "left and top edge included, right and bottom edge excluded", with
// its corners given in either order.
struct Box {
    int64_t left, top, right, bottom;
    Box(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
        : left(std::min(x1, x2)),
          top(std::min(y1, y2)),
          right(std::max(x1, x2)),
          bottom(std::max(y1, y2)) {}
    bool Empty() const { return right <= left || bottom <= top; }
};

}  // namespace

QPainterCanvas::QPainterCanvas() : QPainterCanvas(Defaults{}) {}

QPainterCanvas::QPainterCanvas(Defaults defaults)
    : defaults_(defaults), pen_(defaults.pen), brush_(defaults.brush), font_color_(defaults.font) {}

void QPainterCanvas::Attach(QPainter* painter) {
    painter_ = painter;
    held_ = {};
    outline_spent_ = 0.0;
    if (painter_ != nullptr) {
        painter_->setRenderHint(QPainter::Antialiasing, defaults_.antialias);
        painter_->setRenderHint(QPainter::TextAntialiasing, defaults_.antialias);
        clip_ = DeviceBox(*painter_);
        // Font metrics belong to a device's resolution.
        const QPaintDevice* device = painter_->device();
        if (device != fonts_device_ || device->logicalDpiY() != fonts_dpi_) {
            fonts_.clear();
            fonts_device_ = device;
            fonts_dpi_ = device->logicalDpiY();
        }
    }
}

QFont QPainterCanvas::BaseFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kWindowFontPixels);
    return font;
}

QFont QPainterCanvas::FontForCellHeight(int32_t height) {
    static std::map<int32_t, QFont> fitted;
    const int32_t wanted = height <= 0 ? 0 : std::min<int32_t>(height, kMaxFontPixels);
    if (const auto found = fitted.find(wanted); found != fitted.end()) {
        return found->second;
    }
    QFont font = BaseFont();
    if (wanted > 0) {
        // The pixel size sets the em; step it until ascent + descent is the cell height.
        int size = std::max(1, wanted * 4 / 5);
        for (int step = 0; step < 8; ++step) {
            font.setPixelSize(size);
            const QFontMetrics metrics(font);
            const int cell = metrics.ascent() + metrics.descent();
            if (cell == wanted) {
                break;
            }
            const int next = std::max(1, size + (wanted - cell) * size / std::max(cell, 1));
            size = next == size ? size + (wanted > cell ? 1 : -1) : next;
            size = std::clamp(size, 1, kMaxFontPixels);
        }
    }
    fitted.emplace(wanted, font);
    return font;
}

bool QPainterCanvas::TakeOutline(double length) {
    // Qt's rasteriser walks a curve's whole length wherever it lies. Past this much in one
    // attachment, curves are cut to the device first, which keeps their pixels to within one.
    constexpr double kOutlineBudget = 1e8;
    if (outline_spent_ + length > kOutlineBudget) {
        return false;
    }
    outline_spent_ += length;
    return true;
}

bool QPainterCanvas::WithinReach(int64_t left, int64_t top, int64_t right, int64_t bottom) const {
    // A figure this close to the device costs the rasteriser little, whatever it shows.
    constexpr double kReach = 4096.0;
    return static_cast<double>(left) > clip_.left - kReach &&
           static_cast<double>(top) > clip_.top - kReach &&
           static_cast<double>(right) < clip_.right + kReach &&
           static_cast<double>(bottom) < clip_.bottom + kReach;
}

void QPainterCanvas::UsePen(Color color) {
    if (held_.pen_set && held_.pen == color) {
        return;
    }
    QPen pen(ToQColor(color));
    pen.setCosmetic(true);
    pen.setWidth(1);
    painter_->setPen(pen);
    held_.pen_set = true;
    held_.pen = color;
}

void QPainterCanvas::UseBrush(bool solid) {
    if (held_.brush_set && held_.brush_solid == solid && (!solid || held_.brush == brush_)) {
        return;
    }
    if (solid) {
        painter_->setBrush(ToQColor(brush_));
    } else {
        painter_->setBrush(Qt::NoBrush);
    }
    held_.brush_set = true;
    held_.brush_solid = solid;
    held_.brush = brush_;
}

void QPainterCanvas::PreparePen() {
    UsePen(pen_);
}

void QPainterCanvas::PrepareFill() {
    UsePen(pen_);
    UseBrush(brush_style_ == BrushStyle::Solid);
}

const QPainterCanvas::FittedFont& QPainterCanvas::FontFor(int32_t height) {
    if (!held_.font || held_.font_height != height) {
        const auto found = fonts_.find(height);
        if (found != fonts_.end()) {
            held_.font = &found->second;
        } else {
            const QFont font = FontForCellHeight(height);
            held_.font =
                &fonts_.emplace(height, FittedFont{font, QFontMetrics(font, painter_->device())})
                     .first->second;
        }
        held_.font_height = height;
        painter_->setFont(held_.font->font);
    }
    return *held_.font;
}

void QPainterCanvas::MoveTo(int32_t x, int32_t y) {
    position_ = {x, y};
}

void QPainterCanvas::LineTo(int32_t x, int32_t y) {
    const DevicePoint from = position_;
    position_ = {x, y};
    if (painter_ == nullptr) {
        return;
    }
    PreparePen();
    if (Near(from.x) && Near(from.y) && Near(x) && Near(y)) {
        painter_->drawLine(from.x, from.y, x, y);
        return;
    }
    if (const auto part = ClipSegment(ToPointF(from), ToPointF({x, y}), clip_)) {
        painter_->drawLine(QPointF(part->first.x, part->first.y),
                           QPointF(part->second.x, part->second.y));
    }
}

void QPainterCanvas::Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    const Box box(x1, y1, x2, y2);
    if (painter_ == nullptr || box.Empty()) {
        return;
    }
    PrepareFill();
    // Clamping an upright box to just outside the device changes nothing that shows.
    const ClipBox clip = clip_;
    const auto clamp = [](int64_t v, double low, double high) {
        return std::clamp<int64_t>(v, static_cast<int64_t>(low), static_cast<int64_t>(high));
    };
    const int64_t left = clamp(box.left, clip.left, clip.right);
    const int64_t right = clamp(box.right, clip.left, clip.right);
    const int64_t top = clamp(box.top, clip.top, clip.bottom);
    const int64_t bottom = clamp(box.bottom, clip.top, clip.bottom);
    // A stroked QRect covers its width plus the pen, so the excluded edges fall away here.
    painter_->drawRect(QRect(static_cast<int>(left), static_cast<int>(top),
                             static_cast<int>(right - left - 1),
                             static_cast<int>(bottom - top - 1)));
}

void QPainterCanvas::Ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    const Box box(x1, y1, x2, y2);
    if (painter_ == nullptr || box.Empty()) {
        return;
    }
    PrepareFill();
    if (!WithinReach(box.left, box.top, box.right, box.bottom)) {
        // The rasteriser walks the whole outline, however little of it shows: an ellipse far
        // larger than the device is decided here where it shows nothing or only its fill.
        switch (ReachOfEllipse(static_cast<double>(box.left), static_cast<double>(box.top),
                               static_cast<double>(box.right - 1),
                               static_cast<double>(box.bottom - 1), clip_)) {
            case EllipseReach::Outside:
                return;
            case EllipseReach::Covers:
                if (brush_style_ == BrushStyle::Solid) {
                    painter_->fillRect(
                        QRect(0, 0, painter_->device()->width(), painter_->device()->height()),
                        ToQColor(brush_));
                }
                return;
            case EllipseReach::Crosses:
                break;
        }
    }
    const double outline_length =
        std::numbers::pi * static_cast<double>((box.right - box.left) + (box.bottom - box.top)) /
        2.0;
    if (Near(x1) && Near(y1) && Near(x2) && Near(y2) &&
        (WithinReach(box.left, box.top, box.right, box.bottom) || TakeOutline(outline_length))) {
        painter_->drawEllipse(QRect(static_cast<int>(box.left), static_cast<int>(box.top),
                                    static_cast<int>(box.right - box.left - 1),
                                    static_cast<int>(box.bottom - box.top - 1)));
        return;
    }
    const std::vector<PointF> outline =
        EllipseOutline(static_cast<double>(box.left), static_cast<double>(box.top),
                       static_cast<double>(box.right - 1), static_cast<double>(box.bottom - 1));
    const std::vector<PointF> visible = ClipPolygon(outline, clip_);
    if (!visible.empty()) {
        painter_->drawPolygon(ToQPolygonF(visible));
    }
}

void QPainterCanvas::Polygon(std::span<const DevicePoint> points) {
    if (painter_ == nullptr || points.empty()) {
        return;
    }
    PrepareFill();
    if (AllNear(points)) {
        QPolygon polygon;
        for (const DevicePoint& p : points) {
            polygon << QPoint(p.x, p.y);
        }
        painter_->drawPolygon(polygon, Qt::OddEvenFill);
        return;
    }
    std::vector<PointF> corners;
    for (const DevicePoint& p : points) {
        corners.push_back(ToPointF(p));
    }
    const std::vector<PointF> visible = ClipPolygon(corners, clip_);
    if (!visible.empty()) {
        painter_->drawPolygon(ToQPolygonF(visible), Qt::OddEvenFill);
    }
}

void QPainterCanvas::PolyBezier(std::span<const DevicePoint> points) {
    if (painter_ == nullptr || points.size() < 4) {
        return;
    }
    UsePen(pen_);
    UseBrush(false);
    // The curve lies within the hull of its four points.
    const auto [min_x, max_x] = std::minmax({points[0].x, points[1].x, points[2].x, points[3].x});
    const auto [min_y, max_y] = std::minmax({points[0].y, points[1].y, points[2].y, points[3].y});
    if (max_x < clip_.left || min_x > clip_.right || max_y < clip_.top || min_y > clip_.bottom) {
        return;
    }
    double length = 0.0;
    for (std::size_t i = 1; i < 4; ++i) {
        length += std::hypot(static_cast<double>(points[i].x) - points[i - 1].x,
                             static_cast<double>(points[i].y) - points[i - 1].y);
    }
    if (AllNear(points) && (WithinReach(min_x, min_y, max_x, max_y) || TakeOutline(length))) {
        QPainterPath path(QPointF(points[0].x, points[0].y));
        path.cubicTo(QPointF(points[1].x, points[1].y), QPointF(points[2].x, points[2].y),
                     QPointF(points[3].x, points[3].y));
        painter_->drawPath(path);
        return;
    }
    const PointF control[4] = {ToPointF(points[0]), ToPointF(points[1]), ToPointF(points[2]),
                               ToPointF(points[3])};
    const std::vector<PointF> line = FlattenBezier(control);
    const ClipBox clip = clip_;
    for (std::size_t i = 1; i < line.size(); ++i) {
        if (const auto part = ClipSegment(line[i - 1], line[i], clip)) {
            painter_->drawLine(QPointF(part->first.x, part->first.y),
                               QPointF(part->second.x, part->second.y));
        }
    }
}

void QPainterCanvas::TextOut(int32_t x, int32_t y, std::string_view text) {
    if (painter_ == nullptr || text.empty() || !Near(x) || !Near(y)) {
        return;
    }
    const QFontMetrics& metrics = FontFor(font_height_).metrics;
    UsePen(font_color_);
    const QString shown = DrawingText(text);
    if (brush_style_ == BrushStyle::Solid) {
        painter_->fillRect(QRect(x, y, metrics.horizontalAdvance(shown), metrics.height()),
                           ToQColor(brush_));
    }
    painter_->drawText(QPoint(x, y + metrics.ascent()), shown);
}
