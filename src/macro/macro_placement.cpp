#include "macro/macro_placement.h"

Primitive PlaceMacroPrimitive(Primitive body, int32_t x, int32_t y, int32_t orientation,
                              int32_t mirror) {
    Placement{static_cast<uint32_t>(x), static_cast<uint32_t>(y), orientation, mirror}.PlaceAll(
        body);
    return body;
}
