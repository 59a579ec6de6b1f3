#include "model/drawing_store.h"

Primitive Primitives[kMaxPrimitives];
int32_t PrimitiveCount = 0;
MacroCall MacroCalls[kMaxMacroCalls];
int32_t MacroCount = 0;
