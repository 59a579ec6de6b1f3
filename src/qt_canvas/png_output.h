#pragma once

#include <QIODevice>
#include <QImage>

// Writes the image as a PNG in the smallest form that keeps every pixel: one bit per pixel when
// it holds only black and white, 8-bit grey when it holds only greys, colour otherwise.
bool WriteExactPng(const QImage& image, QIODevice& device);

// The form WriteExactPng chooses for the image.
QImage::Format ExactPngFormat(const QImage& image);
