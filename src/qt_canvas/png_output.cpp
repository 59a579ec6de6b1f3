#include "qt_canvas/png_output.h"

#include <QImageWriter>

QImage::Format ExactPngFormat(const QImage& image) {
    const QImage rgb =
        image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
            ? image
            : image.convertToFormat(QImage::Format_RGB32);
    bool only_black_and_white = true;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb pixel = line[x];
            if (qAlpha(pixel) != 0xFF || qRed(pixel) != qGreen(pixel) ||
                qGreen(pixel) != qBlue(pixel)) {
                return image.format();
            }
            only_black_and_white =
                only_black_and_white && (qRed(pixel) == 0 || qRed(pixel) == 0xFF);
        }
    }
    return only_black_and_white ? QImage::Format_Mono : QImage::Format_Grayscale8;
}

bool WriteExactPng(const QImage& image, QIODevice& device) {
    const QImage::Format format = ExactPngFormat(image);
    QImageWriter writer(&device, "png");
    if (format == image.format()) {
        return writer.write(image);
    }
    // Every pixel is already one of the target's values, so no dithering changes any of them.
    return writer.write(image.convertToFormat(format, Qt::ThresholdDither | Qt::AvoidDither));
}
