#include "app/app_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

QIcon ApplicationIcon() {
    QSvgRenderer renderer(QStringLiteral(":/ombrix.svg"));
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
