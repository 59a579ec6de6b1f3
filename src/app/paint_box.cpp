#include "app/paint_box.h"

#include <QPainter>

PaintBox::PaintBox(QWidget* parent, Source source) : QWidget(parent), source_(std::move(source)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PaintBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.drawImage(0, 0, source_());
}
