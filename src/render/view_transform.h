#pragma once

#include <bit>
#include <cstdint>
#include <stdexcept>

#include "model/viewer_state.h"

// A figure whose device coordinates cannot be formed at the current zoom.
class DrawingRangeError : public std::runtime_error {
  public:
    DrawingRangeError();
};

int32_t ScreenX(int32_t x);
int32_t ScreenY(int32_t y);
int32_t PrinterX(int32_t x);
int32_t PrinterY(int32_t y);
void UpdatePrinterZoom();

// trunc(value x factor) formed exactly, as the low 32 bits of its 64-bit integer; throws
// DrawingRangeError when the product is not a number or lies outside the 64-bit range.
int32_t ScaleExactly(int32_t value, float factor);

// A zoom factor taken apart once into m x 2^e, so that each product is one exact integer
// multiplication and a shift: |value x m| needs at most 55 bits.
class ExactScale {
  public:
    explicit ExactScale(float factor) {
        const uint32_t bits = std::bit_cast<uint32_t>(factor);
        negative_ = (bits >> 31) != 0;
        const uint32_t biased = (bits >> 23) & 0xFFu;
        const uint32_t fraction = bits & 0x7FFFFFu;
        finite_ = biased != 0xFFu;
        mantissa_ = biased == 0 ? fraction : (fraction | 0x800000u);
        exponent_ = biased == 0 ? -149 : static_cast<int>(biased) - 150;
    }

    int32_t Apply(int32_t value) const {
        if (!finite_) {
            throw DrawingRangeError();  // infinity times anything, and NaN, have no integer
        }
        const bool value_negative = value < 0;
        const uint64_t magnitude =
            static_cast<uint64_t>(value_negative ? 0u - static_cast<uint32_t>(value)
                                                 : static_cast<uint32_t>(value)) *
            mantissa_;
        if (magnitude == 0) {
            return 0;
        }
        const bool result_negative = value_negative != negative_;
        uint64_t shifted = 0;
        if (exponent_ >= 0) {
            // The product must lie in [-2^63, 2^63).
            if (exponent_ > 63) {
                throw DrawingRangeError();
            }
            const uint64_t limit = uint64_t{1} << (63 - exponent_);
            if (magnitude > limit || (magnitude == limit && !result_negative)) {
                throw DrawingRangeError();
            }
            shifted = magnitude << exponent_;
        } else if (exponent_ > -64) {
            shifted = magnitude >> -exponent_;  // truncation toward zero of the magnitude
        }
        const uint64_t product = result_negative ? 0u - shifted : shifted;
        return static_cast<int32_t>(static_cast<uint32_t>(product));
    }

  private:
    uint32_t mantissa_ = 0;
    int exponent_ = 0;
    bool negative_ = false;
    bool finite_ = true;
};

// One axis of a surface: the scroll offset taken off with wrap-around, then the exact scale.
struct AxisMapping {
    ExactScale scale;
    int32_t offset;

    int32_t Map(int32_t coordinate) const {
        return scale.Apply(static_cast<int32_t>(static_cast<uint32_t>(coordinate) -
                                                static_cast<uint32_t>(offset)));
    }
};
