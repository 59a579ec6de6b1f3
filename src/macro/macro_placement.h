#pragma once

#include <cstdint>

#include "model/primitive.h"

// Moves a macro body record from library coordinates, whose origin is (100, 100), to the
// placement point: quarter turns first, then the mirror about the placement point.
Primitive PlaceMacroPrimitive(Primitive body, int32_t x, int32_t y, int32_t orientation,
                              int32_t mirror);
