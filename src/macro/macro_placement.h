#pragma once

#include <cstdint>

#include "model/primitive.h"

// Where and how a macro body is placed: quarter turns first, then the mirror about the
// placement point. Library coordinates, whose origin is (100, 100), wrap around like every other
// coordinate of the format.
struct Placement {
    uint32_t x, y;
    int32_t orientation;
    int32_t mirror;

    static Placement Of(const MacroCall& call) {
        return {static_cast<uint32_t>(call.x), static_cast<uint32_t>(call.y), call.orientation,
                call.mirror};
    }

    void Place(int32_t& px, int32_t& py) const {
        constexpr uint32_t kOrigin = 100;
        const uint32_t u = static_cast<uint32_t>(px) - kOrigin;
        const uint32_t v = static_cast<uint32_t>(py) - kOrigin;
        uint32_t nx = static_cast<uint32_t>(px);
        uint32_t ny = static_cast<uint32_t>(py);
        switch (orientation) {
            case 0:
                nx = x + u;
                ny = y + v;
                break;
            case 1:
                nx = x - v;
                ny = y + u;
                break;
            case 2:
                nx = x - u;
                ny = y - v;
                break;
            case 3:
                nx = x + v;
                ny = y - u;
                break;
            default:  // any other orientation leaves the body in library coordinates
                break;
        }
        if (mirror == 1) {
            nx = 2u * x - nx;
        } else if (mirror == 2) {
            ny = 2u * y - ny;
        }
        px = static_cast<int32_t>(nx);
        py = static_cast<int32_t>(ny);
    }

    // Every point of a record with the fields x1, y1 to x4, y4.
    template <typename Record>
    void PlaceAll(Record& record) const {
        Place(record.x1, record.y1);
        Place(record.x2, record.y2);
        Place(record.x3, record.y3);
        Place(record.x4, record.y4);
    }
};

// Moves a macro body record from library coordinates to the placement point.
Primitive PlaceMacroPrimitive(Primitive body, int32_t x, int32_t y, int32_t orientation,
                              int32_t mirror);
