#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QPaintDevice>
#include <QPainter>
#include <memory>

#include "model/result.h"
#include "qt_canvas/qpainter_canvas.h"
#include "render_options.h"

// The picture one drawing becomes: a PNG image, an SVG or a PDF page of exactly its size at 96
// dots per inch, all painted by the same Qt canvas, white on black or, on paper, black on white.
class Picture {
  public:
    Picture(OutputFormat format, int width, int height, bool paper);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    Canvas& DrawingCanvas() { return canvas_; }
    // Paints the whole picture in its background colour.
    void Clear();
    // Ends the painting and gives the file's bytes.
    Result<QByteArray> Finish();

  private:
    OutputFormat format_;
    int width_;
    int height_;
    QColor background_;
    QByteArray bytes_;
    QBuffer buffer_;
    std::unique_ptr<QPaintDevice> device_;
    QPainter painter_;
    QPainterCanvas canvas_;
};
