#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

// The drawing area. It shows the picture that the last redraw made, so a window passing over it
// does not erase the drawing.
class PaintBox : public QWidget {
  public:
    using Source = std::function<const QImage&()>;

    PaintBox(QWidget* parent, Source source);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Source source_;
};
