// A drawing loaded and redrawn into the trace at a view taken from the input's first bytes: the
// store stays within its tables, only the range error ends a redraw, and the trace is text.
#include <sstream>

#include "fuzz_support.h"
#include "headless/headless_host.h"
#include "macro/macro_library.h"
#include "model/viewer_state.h"
#include "render/view_transform.h"
#include "render/zoom_step.h"
#include "scene/load_command.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size < 4) {
        return 0;
    }
    ResetViewerState();
    const int steps = static_cast<int8_t>(data[0]) % 24;
    for (int i = 0; i < (steps < 0 ? -steps : steps); ++i) {
        StepZoom(steps < 0 ? ZoomDirection::Out : ZoomDirection::In, '.');
    }
    ScrollX = static_cast<int8_t>(data[1]) * 8;
    ScrollY = static_cast<int8_t>(data[2]) * 8;
    Printing = data[3] & 1;
    MacroLibraryFile = OMBRIX_EXAMPLES "/standard.mcr";

    std::ostringstream trace;
    HeadlessHost host(&trace, "ombrix");
    frmMain = &host;
    try {
        (void)LoadDrawingCommand(AsFile(Bytes(data + 4, size - 4), "drawing"));
    } catch (const DrawingRangeError&) {
    }
    frmMain = nullptr;
    Require(PrimitiveCount >= 0 && PrimitiveCount <= kMaxPrimitives, "primitives fit the table");
    Require(MacroCount >= 0 && MacroCount <= kMaxMacroCalls, "placements fit the table");
    for (const char c : trace.str()) {
        Require(c == '\n' || (c >= 0x20 && c <= 0x7E), "every trace line is printable");
    }
    return 0;
}
