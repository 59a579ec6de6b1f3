#pragma once

#include <cstdint>

#include "model/primitive.h"

// True only while a print job is open: every figure then goes to the printer as well.
extern uint8_t Printing;

void DrawPrimitive(Primitive primitive);
