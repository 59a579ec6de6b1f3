#pragma once

// The drawing store: Primitives and MacroCalls with their counts, in the viewer's state.
#include "model/viewer_state.h"
