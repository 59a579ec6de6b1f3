// The Qt canvas drawing any calls, at any coordinates, into a small image.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <array>
#include <cstring>
#include <memory>

#include "fuzz_support.h"
#include "qt_canvas/qpainter_canvas.h"

namespace {

struct Reader {
    const uint8_t* data;
    std::size_t size;
    int32_t Next() {
        int32_t value = 0;
        const std::size_t take = size < 4 ? size : 4;
        std::memcpy(&value, data, take);
        data += take;
        size -= take;
        return value;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static int argc = 1;
    static char name[] = "qt_canvas_fuzz";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QGuiApplication> application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }();
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    QPainterCanvas canvas(QPainterCanvas::kScreenDefaults);
    canvas.Attach(&painter);
    Reader in{data, size};
    for (int calls = 0; in.size > 0 && calls < 64; ++calls) {
        const uint8_t kind = *in.data;
        ++in.data;
        --in.size;
        const int32_t a = in.Next(), b = in.Next(), c = in.Next(), d = in.Next();
        switch (kind % 12) {
            case 0:
                canvas.SetPenColor(Color{static_cast<uint32_t>(a)});
                break;
            case 1:
                canvas.SetBrushColor(Color{static_cast<uint32_t>(a)});
                break;
            case 2:
                canvas.SetBrushStyle(a & 1 ? BrushStyle::Solid : BrushStyle::Clear);
                break;
            case 3:
                canvas.SetFontHeight(a % 5000);
                break;
            case 4:
                canvas.MoveTo(a, b);
                break;
            case 5:
                canvas.LineTo(a, b);
                break;
            case 6:
                canvas.Ellipse(a, b, c, d);
                break;
            case 7:
                canvas.Rectangle(a, b, c, d);
                break;
            case 8: {
                const std::array<DevicePoint, 3> corners{{{a, b}, {c, d}, {b, c}}};
                canvas.Polygon(corners);
                break;
            }
            case 9: {
                const std::array<DevicePoint, 4> points{{{a, b}, {c, d}, {b, a}, {d, c}}};
                canvas.PolyBezier(points);
                break;
            }
            case 10:
                canvas.TextOut(a, b, "Ab\xe9");
                break;
            default:
                canvas.SetFontColor(Color{static_cast<uint32_t>(a)});
                break;
        }
    }
    canvas.Detach();
    return 0;
}
