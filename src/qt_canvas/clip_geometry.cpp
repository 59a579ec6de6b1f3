#include "qt_canvas/clip_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

std::optional<std::pair<PointF, PointF>> ClipSegment(PointF a, PointF b, const ClipBox& box) {
    // Liang-Barsky.
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    double t0 = 0.0;
    double t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - box.left, box.right - a.x, a.y - box.top, box.bottom - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) {
                return std::nullopt;
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) {
            return std::nullopt;
        }
    }
    return std::pair{PointF{a.x + t0 * dx, a.y + t0 * dy}, PointF{a.x + t1 * dx, a.y + t1 * dy}};
}

EllipseReach ReachOfEllipse(double left, double top, double right, double bottom,
                            const ClipBox& box) {
    const double cx = (left + right) / 2.0;
    const double cy = (top + bottom) / 2.0;
    const double rx = (right - left) / 2.0;
    const double ry = (bottom - top) / 2.0;
    // Qt draws an ellipse as four cubic curves, within 0.03 % of the radius of the true one,
    // and a pixel or two around that; thin ellipses are always drawn.
    constexpr double kMinRadius = 64.0;
    if (rx < kMinRadius || ry < kMinRadius) {
        return EllipseReach::Crosses;
    }
    const double slack = 1e-3 + 8.0 / std::min(rx, ry);
    const auto level = [&](double x, double y) {  // 1 on the true ellipse
        const double u = (x - cx) / rx;
        const double v = (y - cy) / ry;
        return std::sqrt(u * u + v * v);
    };
    const double nearest =
        level(std::clamp(cx, box.left, box.right), std::clamp(cy, box.top, box.bottom));
    const double farthest =
        level(std::abs(box.left - cx) > std::abs(box.right - cx) ? box.left : box.right,
              std::abs(box.top - cy) > std::abs(box.bottom - cy) ? box.top : box.bottom);
    if (nearest > 1.0 + slack) {
        return EllipseReach::Outside;
    }
    if (farthest < 1.0 - slack) {
        return EllipseReach::Covers;
    }
    return EllipseReach::Crosses;
}

namespace {

template <typename Inside, typename Cross>
std::vector<PointF> ClipAgainst(const std::vector<PointF>& in, Inside inside, Cross cross) {
    std::vector<PointF> out;
    if (in.empty()) {
        return out;
    }
    PointF previous = in.back();
    for (const PointF& current : in) {
        const bool current_in = inside(current);
        if (current_in != inside(previous)) {
            out.push_back(cross(previous, current));
        }
        if (current_in) {
            out.push_back(current);
        }
        previous = current;
    }
    return out;
}

PointF AtX(PointF a, PointF b, double x) {
    return {x, a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x)};
}

PointF AtY(PointF a, PointF b, double y) {
    return {a.x + (b.x - a.x) * (y - a.y) / (b.y - a.y), y};
}

}  // namespace

std::vector<PointF> ClipPolygon(const std::vector<PointF>& polygon, const ClipBox& box) {
    // Sutherland-Hodgman, one edge of the box at a time.
    std::vector<PointF> result = ClipAgainst(
        polygon, [&](PointF p) { return p.x >= box.left; },
        [&](PointF a, PointF b) { return AtX(a, b, box.left); });
    result = ClipAgainst(
        result, [&](PointF p) { return p.x <= box.right; },
        [&](PointF a, PointF b) { return AtX(a, b, box.right); });
    result = ClipAgainst(
        result, [&](PointF p) { return p.y >= box.top; },
        [&](PointF a, PointF b) { return AtY(a, b, box.top); });
    return ClipAgainst(
        result, [&](PointF p) { return p.y <= box.bottom; },
        [&](PointF a, PointF b) { return AtY(a, b, box.bottom); });
}

std::vector<PointF> EllipseOutline(double left, double top, double right, double bottom) {
    constexpr int kSteps = 2048;
    const double cx = (left + right) / 2.0;
    const double cy = (top + bottom) / 2.0;
    const double rx = (right - left) / 2.0;
    const double ry = (bottom - top) / 2.0;
    std::vector<PointF> outline;
    outline.reserve(kSteps);
    for (int i = 0; i < kSteps; ++i) {
        const double angle = 2.0 * std::numbers::pi * i / kSteps;
        outline.push_back({cx + rx * std::cos(angle), cy + ry * std::sin(angle)});
    }
    return outline;
}

std::vector<PointF> FlattenBezier(const PointF (&p)[4]) {
    constexpr int kSteps = 512;
    std::vector<PointF> line;
    line.reserve(kSteps + 1);
    for (int i = 0; i <= kSteps; ++i) {
        const double t = static_cast<double>(i) / kSteps;
        const double s = 1.0 - t;
        const double a = s * s * s;
        const double b = 3.0 * s * s * t;
        const double c = 3.0 * s * t * t;
        const double d = t * t * t;
        line.push_back({a * p[0].x + b * p[1].x + c * p[2].x + d * p[3].x,
                        a * p[0].y + b * p[1].y + c * p[2].y + d * p[3].y});
    }
    return line;
}
