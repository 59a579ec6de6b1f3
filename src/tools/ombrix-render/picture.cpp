#include "picture.h"

#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "qt_canvas/png_output.h"

namespace {

constexpr int kDotsPerInch = 96;

}  // namespace

Picture::Picture(OutputFormat format, int width, int height, bool paper)
    : format_(format),
      width_(width),
      height_(height),
      background_(paper ? Qt::white : Qt::black),
      buffer_(&bytes_),
      canvas_(QPainterCanvas::kScreenDefaults) {
    buffer_.open(QIODevice::WriteOnly);
    switch (format_) {
        case OutputFormat::Png: {
            auto image = std::make_unique<QImage>(width, height, QImage::Format_RGB32);
            image->fill(background_);
            device_ = std::move(image);
            break;
        }
        case OutputFormat::Svg: {
            auto svg = std::make_unique<QSvgGenerator>();
            svg->setOutputDevice(&buffer_);
            svg->setSize(QSize(width, height));
            svg->setViewBox(QRect(0, 0, width, height));
            svg->setResolution(kDotsPerInch);
            svg->setTitle(QStringLiteral("Ombrix drawing"));
            device_ = std::move(svg);
            break;
        }
        case OutputFormat::Pdf: {
            auto pdf = std::make_unique<QPdfWriter>(&buffer_);
            pdf->setResolution(kDotsPerInch);
            pdf->setPageMargins(QMarginsF(0, 0, 0, 0));
            pdf->setPageSize(
                QPageSize(QSizeF(width * 72.0 / kDotsPerInch, height * 72.0 / kDotsPerInch),
                          QPageSize::Point, QString(), QPageSize::ExactMatch));
            pdf->setCreator(QStringLiteral("ombrix-render"));
            device_ = std::move(pdf);
            break;
        }
    }
    painter_.begin(device_.get());
    if (format_ != OutputFormat::Png) {
        painter_.fillRect(QRect(0, 0, width_, height_), background_);
        // The image's pixel (x, y) is the square from (x, y) to (x + 1, y + 1): a one-pixel
        // line through it runs along its middle.
        painter_.translate(0.5, 0.5);
    }
    canvas_.Attach(&painter_);
}

Picture::~Picture() {
    canvas_.Detach();
    if (painter_.isActive()) {
        painter_.end();
    }
}

void Picture::Clear() {
    painter_.save();
    painter_.resetTransform();
    painter_.fillRect(QRect(0, 0, width_, height_), background_);
    painter_.restore();
}

Result<QByteArray> Picture::Finish() {
    canvas_.Detach();
    if (!painter_.end()) {
        return Failure{"cannot finish the picture"};
    }
    if (format_ == OutputFormat::Png) {
        if (!WriteExactPng(*static_cast<QImage*>(device_.get()), buffer_)) {
            return Failure{"cannot encode the image"};
        }
    }
    device_.reset();  // an SVG or PDF is complete once its device is gone
    buffer_.close();
    return bytes_;
}
