#include "recording_canvas.h"

#include <QFontMetrics>
#include <QPainterPath>
#include <QPolygon>
#include <algorithm>
#include <map>

#include "qt_canvas/qpainter_canvas.h"

namespace {

// Calls that reach beyond what Qt's rasteriser holds are left out: the floor does no clipping.
bool Near(int32_t v) {
    return v > -(1 << 20) && v < (1 << 20);
}

QColor ToQColor(int32_t rgb) {
    return QColor::fromRgb(0xFF000000u | (static_cast<uint32_t>(rgb) & 0xFFFFFFu));
}

QRect BoxOf(const RecordingCanvas::Call& c) {
    const int left = std::min(c.a, c.c), right = std::max(c.a, c.c);
    const int top = std::min(c.b, c.d), bottom = std::max(c.b, c.d);
    return QRect(left, top, right - left - 1, bottom - top - 1);
}

}  // namespace

void ReplayOnto(QImage& image, const std::vector<RecordingCanvas::Call>& calls) {
    using Kind = RecordingCanvas::Kind;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    QPen pen(Qt::white);
    pen.setCosmetic(true);
    pen.setWidth(1);
    painter.setPen(pen);
    int32_t pen_rgb = 0xFFFFFF, brush_rgb = 0xFFFFFF, font_rgb = 0xFFFFFF;
    bool solid = true, brush_set = false;
    int32_t font_height = -1;
    int ascent = 0;
    QPoint position;
    std::map<int32_t, std::pair<QFont, int>> fonts;
    const auto use_brush = [&](bool fill) {
        const bool want = fill && solid;
        if (want != brush_set) {
            painter.setBrush(want ? QBrush(ToQColor(brush_rgb)) : QBrush(Qt::NoBrush));
            brush_set = want;
        }
    };
    for (const RecordingCanvas::Call& c : calls) {
        switch (c.kind) {
            case Kind::PenColor:
                if (c.a != pen_rgb) {
                    pen_rgb = c.a;
                    pen.setColor(ToQColor(pen_rgb));
                    painter.setPen(pen);
                }
                break;
            case Kind::BrushColor:
                brush_rgb = c.a;
                break;
            case Kind::BrushStyle:
                solid = c.a != 0;
                break;
            case Kind::FontColor:
                font_rgb = c.a;
                break;
            case Kind::FontHeight:
                if (c.a != font_height) {
                    font_height = c.a;
                    auto found = fonts.find(c.a);
                    if (found == fonts.end()) {
                        const QFont font = QPainterCanvas::FontForCellHeight(c.a);
                        found =
                            fonts.emplace(c.a, std::pair{font, QFontMetrics(font).ascent()}).first;
                    }
                    painter.setFont(found->second.first);
                    ascent = found->second.second;
                }
                break;
            case Kind::MoveTo:
                position = QPoint(c.a, c.b);
                break;
            case Kind::LineTo:
                if (Near(position.x()) && Near(position.y()) && Near(c.a) && Near(c.b)) {
                    painter.drawLine(position, QPoint(c.a, c.b));
                }
                position = QPoint(c.a, c.b);
                break;
            case Kind::Ellipse:
            case Kind::Rectangle:
                if (Near(c.a) && Near(c.b) && Near(c.c) && Near(c.d)) {
                    use_brush(true);
                    if (c.kind == Kind::Ellipse) {
                        painter.drawEllipse(BoxOf(c));
                    } else {
                        painter.drawRect(BoxOf(c));
                    }
                }
                break;
            case Kind::Polygon:
            case Kind::PolyBezier: {
                if (!std::all_of(c.points.begin(), c.points.end(),
                                 [](DevicePoint p) { return Near(p.x) && Near(p.y); })) {
                    break;
                }
                if (c.kind == Kind::Polygon) {
                    use_brush(true);
                    QPolygon polygon;
                    for (const DevicePoint& p : c.points) {
                        polygon << QPoint(p.x, p.y);
                    }
                    painter.drawPolygon(polygon, Qt::OddEvenFill);
                } else if (c.points.size() == 4) {
                    use_brush(false);
                    QPainterPath path(QPointF(c.points[0].x, c.points[0].y));
                    path.cubicTo(QPointF(c.points[1].x, c.points[1].y),
                                 QPointF(c.points[2].x, c.points[2].y),
                                 QPointF(c.points[3].x, c.points[3].y));
                    painter.drawPath(path);
                }
                break;
            }
            case Kind::TextOut:
                if (Near(c.a) && Near(c.b) && !c.text.empty()) {
                    if (font_rgb != pen_rgb) {
                        pen_rgb = font_rgb;
                        pen.setColor(ToQColor(pen_rgb));
                        painter.setPen(pen);
                    }
                    painter.drawText(QPoint(c.a, c.b + ascent), QString::fromLatin1(c.text));
                }
                break;
        }
    }
}
