#include "render/float_to_str.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

std::string FloatToStr(double value, char decimal_separator) {
    if (std::isnan(value)) {
        return "NAN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-INF" : "INF";
    }
    if (value == 0.0) {
        return "0";
    }
    // "d.dddddddddddddde[+-]x": correctly rounded to 15 significant digits.
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    std::string digits;
    const char* p = buffer;
    for (; *p != 'e'; ++p) {
        if (*p != '.') {
            digits.push_back(*p);
        }
    }
    const int exponent = std::atoi(p + 1) + 1;  // value = 0.d1d2... x 10^exponent
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    const int n = static_cast<int>(digits.size());

    std::string text = value < 0 ? "-" : "";
    if (exponent >= -3 && exponent <= 15) {
        if (exponent <= 0) {
            text += '0';
            text += decimal_separator;
            text.append(static_cast<std::size_t>(-exponent), '0');
            text += digits;
        } else {
            const auto whole = static_cast<std::size_t>(exponent);
            text += digits.substr(0, whole);
            if (digits.size() < whole) {
                text.append(whole - digits.size(), '0');
            }
            if (n > exponent) {
                text += decimal_separator;
                text += digits.substr(whole);
            }
        }
        return text;
    }
    text += digits.front();
    if (n > 1) {
        text += decimal_separator;
        text += digits.substr(1);
    }
    text += 'E';
    const int shown = exponent - 1;
    if (shown < 0) {
        text += '-';
    }
    text += std::to_string(std::abs(shown));
    return text;
}
