#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <array>
#include <chrono>
#include <climits>
#include <random>
#include <string>

#include "qt_canvas/qpainter_canvas.h"
#include "render/view_transform.h"
#include "scene/load_command.h"
#include "test_support.h"

namespace {

// A small screen image on which the canvas draws white.
class QPainterCanvasTest : public ::testing::Test {
  protected:
    QPainterCanvasTest()
        : image_(40, 30, QImage::Format_RGB32),
          canvas_(QPainterCanvas::Defaults{kWhite, kWhite, kWhite, false}) {
        image_.fill(Qt::black);
        painter_.begin(&image_);
        canvas_.Attach(&painter_);
    }
    const QImage& Finish() {
        canvas_.Detach();
        painter_.end();
        return image_;
    }
    bool Lit(int x, int y) const { return image_.pixel(x, y) != qRgb(0, 0, 0); }
    int LitCount() const {
        int count = 0;
        for (int y = 0; y < image_.height(); ++y) {
            for (int x = 0; x < image_.width(); ++x) {
                count += Lit(x, y) ? 1 : 0;
            }
        }
        return count;
    }

    QImage image_;
    QPainter painter_;
    QPainterCanvas canvas_;
};

TEST_F(QPainterCanvasTest, BoxesIncludeLeftAndTopAndExcludeRightAndBottom) {
    canvas_.Rectangle(6, 5, 2, 2);  // corners in either order
    Finish();
    EXPECT_EQ(LitCount(), 4 * 3);
    EXPECT_TRUE(Lit(2, 2));
    EXPECT_TRUE(Lit(5, 4));
    EXPECT_FALSE(Lit(6, 4));
    EXPECT_FALSE(Lit(5, 5));
}

TEST_F(QPainterCanvasTest, EmptyFiguresLeaveTheirInsideUntouched) {
    canvas_.SetBrushStyle(BrushStyle::Clear);
    canvas_.Rectangle(0, 0, 10, 10);
    canvas_.Ellipse(12, 0, 32, 20);
    Finish();
    EXPECT_TRUE(Lit(0, 0));
    EXPECT_TRUE(Lit(9, 9));
    EXPECT_FALSE(Lit(5, 5));
    EXPECT_FALSE(Lit(22, 10));
    EXPECT_TRUE(Lit(12, 10) || Lit(13, 10));
    for (int y = 0; y < 30; ++y) {
        EXPECT_FALSE(Lit(32, y));  // the ellipse stays inside its box
    }
}

TEST_F(QPainterCanvasTest, TextHangsBelowItsTopLeftCorner) {
    canvas_.SetFontHeight(20);
    canvas_.TextOut(5, 6, "Xg");
    Finish();
    for (int x = 0; x < 40; ++x) {
        for (int y = 0; y < 6; ++y) {
            EXPECT_FALSE(Lit(x, y)) << x << ',' << y;
        }
    }
    EXPECT_GT(LitCount(), 10);
    const QFontMetrics metrics(QPainterCanvas::FontForCellHeight(20));
    EXPECT_NEAR(metrics.ascent() + metrics.descent(), 20, 1);
}

TEST_F(QPainterCanvasTest, FarAwayCoordinatesAreClippedNotOverflowed) {
    canvas_.MoveTo(INT32_MIN, 15);
    canvas_.LineTo(INT32_MAX, 15);  // a horizontal line right across
    canvas_.Ellipse(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX);
    const std::array<DevicePoint, 3> triangle{
        {{INT32_MIN, INT32_MIN}, {INT32_MAX, 0}, {0, INT32_MAX}}};
    canvas_.Polygon(triangle);
    const std::array<DevicePoint, 4> curve{
        {{INT32_MIN, 0}, {INT32_MAX, 5}, {INT32_MIN, 10}, {INT32_MAX, 20}}};
    canvas_.PolyBezier(curve);
    canvas_.Rectangle(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX);
    canvas_.SetFontHeight(INT32_MAX);
    canvas_.TextOut(INT32_MIN, 0, "far");
    canvas_.TextOut(0, 0, "huge");
    Finish();
    EXPECT_TRUE(Lit(0, 15));
    EXPECT_TRUE(Lit(39, 15));
}

TEST(QPainterCanvasDetached, KeepsStateAndDrawsNothingWithoutAPainter) {
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QPainterCanvas canvas;
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.Rectangle(0, 0, 10, 10);
    QPainter painter(&image);
    canvas.Attach(&painter);
    canvas.Rectangle(0, 0, 10, 10);  // black pen, no fill: the printer's defaults
    painter.end();
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(5, 5), QColor(Qt::gray).rgb());
}

// Drawings of any content, at any zoom, end in a picture or in the drawing error, never in a
// fault: the sanitized build runs this too.
class ArbitraryDrawingTest : public CoreTest {};

TEST_F(ArbitraryDrawingTest, RendersWithoutFaultAtAnyZoom) {
    std::mt19937 random(20261211);
    const char* commands[] = {"LI", "RV", "RP", "EV", "EP", "BE", "PV",
                              "PP", "TE", "TY", "SA", "MC", "[x", "  "};
    const char* numbers[] = {"0",           "-1",          "7",     "2147483647",
                             "-2147483648", "99999999999", "12abc", "-"};
    std::string drawing;
    for (int line = 0; line < 400; ++line) {
        drawing += commands[random() % std::size(commands)];
        for (int field = 0; field < 9; ++field) {
            drawing += ' ';
            drawing += random() % 3 == 0 ? numbers[random() % std::size(numbers)]
                                         : std::to_string(static_cast<int>(random() % 400) - 100);
        }
        drawing += '\n';
    }
    WriteLibrary("[1]\nLI 100 100 2147483647 -5\nEP 0 0 300 300\nTE 100 100 x\n");
    WriteFile("random.obx", drawing);

    QImage image(120, 80, QImage::Format_RGB32);
    QPainter painter(&image);
    QPainterCanvas canvas(QPainterCanvas::kScreenDefaults);
    canvas.Attach(&painter);
    host_ = std::make_unique<HeadlessHost>(nullptr, (folder_ / "ombrix").string());
    host_->AttachScreenImage(canvas, [&] { image.fill(Qt::black); });
    frmMain = host_.get();
    for (const float zoom : {4.0f, 0.001f, 1e-30f, 300.0f, 65536.0f, 1e9f, 1e30f}) {
        Zoom = zoom;
        UpdatePrinterZoom();
        try {
            EXPECT_TRUE(LoadDrawingCommand((folder_ / "random.obx").string()).Ok());
        } catch (const DrawingRangeError&) {
            EXPECT_GT(zoom, 1e6f);
        }
    }
    canvas.Detach();
    painter.end();
}

}  // namespace

namespace {

// Ellipses far larger than the picture, drawn by the canvas and, as a reference, by Qt itself.
QImage DrawnEllipse(int32_t left, int32_t top, int32_t right, int32_t bottom, bool filled,
                    bool through_canvas) {
    QImage image(521, 305, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    if (through_canvas) {
        QPainterCanvas canvas(QPainterCanvas::kScreenDefaults);
        canvas.Attach(&painter);
        canvas.SetPenColor(kWhite);
        canvas.SetBrushColor(kWhite);
        canvas.SetBrushStyle(filled ? BrushStyle::Solid : BrushStyle::Clear);
        canvas.Ellipse(left, top, right, bottom);
        canvas.Detach();
    } else {
        QPen pen(Qt::white);
        pen.setCosmetic(true);
        pen.setWidth(1);
        painter.setPen(pen);
        painter.setBrush(filled ? QBrush(Qt::white) : QBrush(Qt::NoBrush));
        painter.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
    }
    return image;
}

TEST(QPainterCanvasLargeFigures, FarLargerThanThePictureWithTheSamePixels) {
    constexpr int32_t kSize = 1 << 19;
    const struct {
        const char* name;
        int32_t left, top;
    } cases[] = {
        {"the picture outside, near the box's corner", 10'000, 10'000},
        {"the picture inside", 260 - kSize / 2, 150 - kSize / 2},
        {"the top of the curve crossing the picture", 260 - kSize / 2, 100},
        {"the left of the curve crossing the picture", 200, 150 - kSize / 2},
        {"far above", 0, -3 * kSize},
    };
    for (const auto& c : cases) {
        for (const bool filled : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (filled ? ", filled" : ", empty"));
            const int32_t right = c.left + kSize;
            const int32_t bottom = c.top + kSize;
            EXPECT_TRUE(DrawnEllipse(c.left, c.top, right, bottom, filled, true) ==
                        DrawnEllipse(c.left, c.top, right, bottom, filled, false));
        }
    }
}

TEST(QPainterCanvasLargeFigures, AThousandZoomedInCirclesDrawInMilliseconds) {
    // EV 0 0 100 100 after nineteen "+" steps, scrolled so that some cross the picture.
    const int32_t size = ScaleExactly(100, 4.0f * 2216.8378f);
    for (const int32_t scroll : {0, 50}) {
        QImage image(521, 305, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        QPainterCanvas canvas(QPainterCanvas::kScreenDefaults);
        canvas.Attach(&painter);
        canvas.SetBrushStyle(BrushStyle::Clear);
        const auto started = std::chrono::steady_clock::now();
        for (int i = 0; i < 1000; ++i) {
            const int32_t offset = -scroll * size / 100;
            canvas.Ellipse(offset, 0, offset + size, size);
        }
        const auto took = std::chrono::steady_clock::now() - started;
        EXPECT_LT(took, std::chrono::seconds(1)) << "scroll " << scroll;
        canvas.Detach();
    }
}

}  // namespace
