#pragma once

#include <cstdint>

#include "model/primitive.h"

inline constexpr int32_t kMaxPrimitives = 1000;
inline constexpr int32_t kMaxMacroCalls = 1000;

extern Primitive Primitives[kMaxPrimitives];
extern int32_t PrimitiveCount;
extern MacroCall MacroCalls[kMaxMacroCalls];
extern int32_t MacroCount;
