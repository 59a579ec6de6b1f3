#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QImageReader>

#include "qt_canvas/png_output.h"

namespace {

TEST(PngOutput, SmallestFormThatKeepsEveryPixel) {
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::black);
    const struct {
        const char* name;
        QRgb extra;  // one pixel in an otherwise black and white picture
        int depth;   // of the PNG written
    } cases[] = {
        {"black and white", qRgb(255, 255, 255), 1},
        {"a grey", qRgb(128, 128, 128), 8},
        {"a colour", qRgb(200, 10, 10), 32},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QImage image = picture.copy();
        image.setPixel(3, 4, qRgb(255, 255, 255));
        image.setPixel(39, 19, c.extra);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
        ASSERT_TRUE(WriteExactPng(image, buffer));
        buffer.close();

        ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
        QImageReader reader(&buffer, "png");
        const QImage back = reader.read();
        ASSERT_FALSE(back.isNull());
        EXPECT_EQ(back.depth(), c.depth);
        EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), image);
    }
}

}  // namespace
