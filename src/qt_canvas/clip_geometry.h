#pragma once

#include <optional>
#include <vector>

// Helpers that bring figures with far-away coordinates into a range that a rasteriser handles,
// without changing what is visible inside the clip box.
struct PointF {
    double x;
    double y;
};

struct ClipBox {
    double left, top, right, bottom;
};

// What an ellipse drawn with a one-pixel pen can show inside the box: nothing, the brush over the
// whole box, or its outline crossing it. The ellipse is the one inscribed in the box from
// (left, top) to (right, bottom). Allows for the rasteriser's own approximation of the curve, so
// an answer other than Crosses is certain.
enum class EllipseReach { Outside, Covers, Crosses };
EllipseReach ReachOfEllipse(double left, double top, double right, double bottom,
                            const ClipBox& box);

// The part of the segment inside the box, or nothing.
std::optional<std::pair<PointF, PointF>> ClipSegment(PointF a, PointF b, const ClipBox& box);

// The polygon cut down to the box (its outline then runs along the box where it was cut).
std::vector<PointF> ClipPolygon(const std::vector<PointF>& polygon, const ClipBox& box);

// The ellipse inscribed in the box from (left, top) to (right, bottom), as a closed outline.
std::vector<PointF> EllipseOutline(double left, double top, double right, double bottom);

// The cubic curve from p[0] to p[3] as a polyline.
std::vector<PointF> FlattenBezier(const PointF (&p)[4]);
