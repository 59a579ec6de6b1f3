#include "render/zoom_step.h"

#include <cmath>

#include "render/float_to_str.h"
#include "render/view_transform.h"

namespace {

// 2/3 to 64 significant bits, rounded up: 0x3FFE AAAA AAAA AAAA AAAB in the extended format.
constexpr long double kZoomOutFactor = 0xA.AAAAAAAAAAAAAABp-4L;
constexpr long double kZoomInFactor = 1.5L;

}  // namespace

std::optional<std::string> StepZoom(ZoomDirection direction, char decimal_separator) {
    const long double factor = direction == ZoomDirection::In ? kZoomInFactor : kZoomOutFactor;
    // Rounded to 64 bits first, then to the 32-bit float: the double rounding is intended.
    const long double extended = static_cast<long double>(Zoom) * factor;
    const float next = static_cast<float>(extended);
    if (next == 0.0f || !std::isfinite(next)) {
        return std::nullopt;
    }
    Zoom = next;
    UpdatePrinterZoom();
    return FloatToStr(static_cast<double>(Zoom), decimal_separator);
}
