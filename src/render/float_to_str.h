#pragma once

#include <string>

// The zoom box's number format: 15 significant digits, trailing zeros dropped, fixed notation
// from 0.0001 up to below 10^15 and scientific notation outside.
std::string FloatToStr(double value, char decimal_separator);
