// Any bytes as the macro library, expanded by placements in every orientation and mirror.
#include "fuzz_support.h"
#include "headless/headless_host.h"
#include "macro/macro_library.h"
#include "model/viewer_state.h"
#include "render/view_transform.h"
#include "scene/scene_redraw.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    ResetViewerState();
    Zoom = 0.25f;
    UpdatePrinterZoom();
    MacroLibraryFile = AsFile(Bytes(data, size), "library");
    for (int32_t i = 0; i < 120; ++i) {
        MacroCalls[i] = MacroCall{i % 40 - 1, i * 7, -i * 3, i % 6 - 1, i % 4};
    }
    MacroCount = 120;
    HeadlessHost host(nullptr, "ombrix");
    frmMain = &host;
    try {
        RedrawAll();
    } catch (const DrawingRangeError&) {
    }
    const MacroLibrary library = MacroLibrary::FromBytes(Bytes(data, size));
    for (int32_t number = -1; number < 1000; ++number) {
        Require(library.Body(number).size() <= kMaxLibraryLines, "a body lies within the reading");
    }
    frmMain = nullptr;
    return 0;
}
