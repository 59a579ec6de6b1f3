#pragma once

#include <optional>
#include <string>

enum class ZoomDirection { In, Out };

// One step of the "+" or "-" button: Zoom times 1.5 or 2/3, then PrinterZoom. Returns the text
// for the zoom box, or nothing when the step would make Zoom zero, infinite or not a number; the
// view is then left as it was, so the user can always zoom back.
std::optional<std::string> StepZoom(ZoomDirection direction, char decimal_separator);
