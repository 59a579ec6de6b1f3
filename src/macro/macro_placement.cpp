#include "macro/macro_placement.h"

namespace {

// Library coordinates wrap around like every other coordinate of the format.
constexpr uint32_t kOrigin = 100;

struct Placement {
    uint32_t x, y;
    int32_t orientation;
    int32_t mirror;
};

void Place(int32_t& px, int32_t& py, const Placement& at) {
    const uint32_t u = static_cast<uint32_t>(px) - kOrigin;
    const uint32_t v = static_cast<uint32_t>(py) - kOrigin;
    uint32_t nx = static_cast<uint32_t>(px);
    uint32_t ny = static_cast<uint32_t>(py);
    switch (at.orientation) {
        case 0:
            nx = at.x + u;
            ny = at.y + v;
            break;
        case 1:
            nx = at.x - v;
            ny = at.y + u;
            break;
        case 2:
            nx = at.x - u;
            ny = at.y - v;
            break;
        case 3:
            nx = at.x + v;
            ny = at.y - u;
            break;
        default:
            break;
    }
    if (at.mirror == 1) {
        nx = 2u * at.x - nx;
    } else if (at.mirror == 2) {
        ny = 2u * at.y - ny;
    }
    px = static_cast<int32_t>(nx);
    py = static_cast<int32_t>(ny);
}

}  // namespace

Primitive PlaceMacroPrimitive(Primitive body, int32_t x, int32_t y, int32_t orientation,
                              int32_t mirror) {
    const Placement at{static_cast<uint32_t>(x), static_cast<uint32_t>(y), orientation, mirror};
    Place(body.x1, body.y1, at);
    Place(body.x2, body.y2, at);
    Place(body.x3, body.y3, at);
    Place(body.x4, body.y4, at);
    return body;
}
