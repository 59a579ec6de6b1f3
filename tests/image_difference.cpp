// Compares two pictures for the export tests: prints "WxH" of the first with one picture, or how
// far a second one is from it ("differ P%, far F%, mean M"); exit 0 when both are read.
#include <QImage>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: image_difference A.png [B.png]\n");
        return 2;
    }
    const QImage a = QImage(argv[1]).convertToFormat(QImage::Format_RGB32);
    if (a.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    if (argc == 2) {
        std::printf("%dx%d %s\n", a.width(), a.height(),
                    a.pixel(0, 0) == qRgb(255, 255, 255) ? "white" : "black");
        return 0;
    }
    const QImage b = QImage(argv[2]).convertToFormat(QImage::Format_RGB32);
    if (b.isNull() || b.size() != a.size()) {
        std::fprintf(stderr, "%s is not a picture of the same size\n", argv[2]);
        return 1;
    }
    double differ = 0;
    double far = 0;
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const int d = std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
            sum += d;
            differ += d != 0 ? 1 : 0;
            far += d > 128 ? 1 : 0;
        }
    }
    const double pixels = static_cast<double>(a.width()) * a.height();
    std::printf("differ %.2f%%, far %.2f%%, mean %.2f\n", 100.0 * differ / pixels,
                100.0 * far / pixels, sum / pixels);
    return 0;
}
