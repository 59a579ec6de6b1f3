#include <bit>
#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "render/float_to_str.h"
#include "render/view_transform.h"
#include "render/zoom_step.h"
#include "test_support.h"

namespace {

using ViewTransformTest = CoreTest;

constexpr float kEightThirds = 2.6666667461395263671875f;

TEST_F(ViewTransformTest, MapsByTruncatingTowardZero) {
    EXPECT_EQ(PrinterZoom, 20.0f);
    EXPECT_EQ(ScreenX(10), 40);
    EXPECT_EQ(ScreenX(-3), -12);
    EXPECT_EQ(PrinterX(10), 200);

    ScrollX = 100;
    EXPECT_EQ(ScreenX(100), 0);
    EXPECT_EQ(ScreenX(99), -4);
    ScrollY = -7;
    EXPECT_EQ(ScreenY(-7), 0);
    EXPECT_EQ(PrinterY(-6), 20);

    ScrollX = 0;
    Zoom = kEightThirds;
    EXPECT_EQ(ScreenX(1), 2);
    EXPECT_EQ(ScreenX(-1), -2);
    EXPECT_EQ(ScreenX(3), 8);
    EXPECT_EQ(ScreenX(-3), -8);
}

TEST_F(ViewTransformTest, WrapsAroundInsteadOfFailing) {
    EXPECT_EQ(ScreenX(1 << 29), INT32_MIN);  // product 2^31 keeps its low 32 bits
    EXPECT_EQ(ScreenX(INT32_MAX), -4);       // 4 * (2^31 - 1) = 2^33 - 4
    ScrollX = -1;
    Zoom = 1.0f;
    EXPECT_EQ(ScreenX(INT32_MAX), INT32_MIN);  // the subtraction wraps before scaling
    // The product is exact: 2^31 - 1 times the float just below 1.5 needs all 64 bits.
    ScrollX = 0;
    Zoom = std::nextafter(1.5f, 0.0f);
    EXPECT_EQ(ScreenX(INT32_MAX), static_cast<int32_t>(static_cast<int64_t>(
                                      std::trunc(static_cast<long double>(INT32_MAX) * Zoom))));
}

TEST_F(ViewTransformTest, ProductsBeyond64BitsThrowInsteadOfConverting) {
    Zoom = 0x1p40f;
    EXPECT_EQ(ScreenX(1), 0);  // 2^40: low 32 bits are zero
    EXPECT_THROW(ScreenX(1 << 23), DrawingRangeError);
    EXPECT_EQ(ScreenX(0), 0);
    Zoom = std::numeric_limits<float>::infinity();
    EXPECT_THROW(ScreenX(0), DrawingRangeError);
    Zoom = std::numeric_limits<float>::quiet_NaN();
    EXPECT_THROW(ScreenY(5), DrawingRangeError);
    try {
        Zoom = 0x1p70f;
        ScreenX(1);
        FAIL() << "no exception";
    } catch (const DrawingRangeError& error) {
        EXPECT_STREQ(error.what(),
                     "The drawing cannot be drawn at this zoom: a coordinate is out of range.");
    }
}

// The mapping as the viewer first formed it: one product in the 64-bit-significand extended
// format, which holds every int32 x float product exactly. The integer mapping must agree with it
// on every input, failures included.
std::optional<int32_t> ExtendedScale(int32_t value, float factor) {
    static_assert(std::numeric_limits<long double>::digits == 64);
    const long double product = std::trunc(static_cast<long double>(value) * factor);
    if (!(product >= -0x1p63L && product < 0x1p63L)) {
        return std::nullopt;
    }
    return static_cast<int32_t>(static_cast<int64_t>(product));
}

std::optional<int32_t> IntegerScale(int32_t value, float factor) {
    try {
        return ScaleExactly(value, factor);
    } catch (const DrawingRangeError&) {
        return std::nullopt;
    }
}

TEST(ScaleExactly, EqualsTheExtendedProductOnEveryExponentAndTheEdgesOf32Bits) {
    std::vector<int32_t> values = {INT32_MIN, INT32_MIN + 1, -2,       -1, 0, 1,
                                   2,         INT32_MAX - 1, INT32_MAX};
    for (int shift = 1; shift < 31; ++shift) {
        for (const int32_t delta : {-1, 0, 1}) {
            values.push_back((int32_t{1} << shift) + delta);
            values.push_back(-(int32_t{1} << shift) + delta);
        }
    }
    std::vector<uint32_t> fractions = {0, 1, 2, 0x400000, 0x7FFFFE, 0x7FFFFF, 0x555555, 0x2AAAAA};
    std::mt19937 random(20261211);
    for (int i = 0; i < 8; ++i) {
        fractions.push_back(random() & 0x7FFFFFu);
    }
    std::size_t compared = 0;
    for (uint32_t sign = 0; sign < 2; ++sign) {
        for (uint32_t exponent = 0; exponent < 256; ++exponent) {  // 255: infinities and NaNs
            for (const uint32_t fraction : fractions) {
                const float factor = std::bit_cast<float>(sign << 31 | exponent << 23 | fraction);
                for (const int32_t value : values) {
                    ASSERT_EQ(IntegerScale(value, factor), ExtendedScale(value, factor))
                        << value << " x " << std::hexfloat << factor;
                    ++compared;
                }
                for (int i = 0; i < 64; ++i) {
                    const auto value = static_cast<int32_t>(random());
                    ASSERT_EQ(IntegerScale(value, factor), ExtendedScale(value, factor))
                        << value << " x " << std::hexfloat << factor;
                    ++compared;
                }
            }
        }
    }
    // And random pairs, most of them with factors of a plausible size.
    for (int i = 0; i < 1'000'000; ++i) {
        const auto value = static_cast<int32_t>(random());
        const uint32_t bits = static_cast<uint32_t>(random());
        const float factor = i % 2 == 0 ? std::bit_cast<float>(bits)
                                        : std::ldexp(static_cast<float>(bits >> 8) / 0x1p24f,
                                                     static_cast<int>(bits % 80) - 40);
        ASSERT_EQ(IntegerScale(value, factor), ExtendedScale(value, factor))
            << value << " x " << std::hexfloat << factor;
        ++compared;
    }
    EXPECT_GT(compared, 2'000'000u);
}

TEST_F(ViewTransformTest, ZoomStepsAreBitExact) {
    const struct {
        std::string steps;
        float zoom;
        std::string text;
        float printer_zoom;
    } cases[] = {
        {"+", 6.0f, "6", 30.0f},
        {"+++++", 30.375f, "30.375", 151.875f},
        {"-", kEightThirds, "2.66666674613953", 13.333333969116211f},
        {"--", 1.7777777910232544f, "1.77777779102325", 8.88888931274414f},
        {"---", 1.185185194015503f, "1.1851851940155", 5.925926208496094f},
        {"+-", 4.0f, "4", 20.0f},
        {"-+", 4.0f, "4", 20.0f},
        {std::string(26, '-'), 0.00010560566443018615f, "0.000105605664430186",
         0.0005280283512547612f},
        {std::string(27, '-'), 7.040377386147156e-05f, "7.04037738614716E-5",
         0.0003520188620314002f},
        {std::string(81, '+'), 733587527696384.0f, "733587527696384", 3667937504264192.0f},
        {std::string(82, '+'), 1100381291544576.0f, "1.10038129154458E15", 5501906256396288.0f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.steps);
        Zoom = 4.0f;
        UpdatePrinterZoom();
        std::string text;
        for (const char step : c.steps) {
            text = StepZoom(step == '+' ? ZoomDirection::In : ZoomDirection::Out, '.').value();
        }
        EXPECT_EQ(Zoom, c.zoom);
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(PrinterZoom, c.printer_zoom);
    }
    Zoom = 4.0f;
    EXPECT_EQ(StepZoom(ZoomDirection::Out, ','), "2,66666674613953");
}

TEST_F(ViewTransformTest, ZoomStepsNeverReachZeroOrInfinity) {
    // Two thirds of the smallest float rounds back up to it, so zooming out ends there.
    for (int step = 0; step < 400; ++step) {
        EXPECT_TRUE(StepZoom(ZoomDirection::Out, '.'));
    }
    EXPECT_EQ(Zoom, std::numeric_limits<float>::denorm_min());
    EXPECT_EQ(PrinterZoom, Zoom * 5.0f);
    EXPECT_EQ(StepZoom(ZoomDirection::In, '.'), "2.80259692864963E-45");

    Zoom = 4.0f;
    while (StepZoom(ZoomDirection::In, '.')) {
    }
    EXPECT_TRUE(std::isfinite(Zoom));
    const float largest = Zoom;
    EXPECT_FALSE(StepZoom(ZoomDirection::In, '.'));
    EXPECT_EQ(Zoom, largest);
    EXPECT_TRUE(StepZoom(ZoomDirection::Out, '.'));
}

TEST(FloatToStr, GeneralFormatWith15Digits) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.0, "0"},
        {1.0, "1"},
        {100.0, "100"},
        {0.5, "0.5"},
        {0.0001, "0.0001"},
        {0.00001, "1E-5"},
        {123456789012345.0, "123456789012345"},
        {999999999999999.0, "999999999999999"},
        {1e15, "1E15"},
        {1234567890123456.0, "1.23456789012346E15"},
        {0.1 + 0.2, "0.3"},
        {-2.5, "-2.5"},
        {1.5e-300, "1.5E-300"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FloatToStr(c.value, '.'), c.text) << c.value;
    }
    EXPECT_EQ(FloatToStr(0.25, ','), "0,25");
}

}  // namespace
