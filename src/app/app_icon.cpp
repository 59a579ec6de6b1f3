#include "app/app_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

QIcon ApplicationIcon() {
    QSvgRenderer renderer(QStringLiteral(":/ombrix.svg"));
    QIcon icon;
    for (const int size : {32, 64}) {  // the window system scales these; each costs start-up time
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
