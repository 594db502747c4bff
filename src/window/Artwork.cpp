// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/Artwork.h"

#include <QPainter>
#include <QSvgRenderer>

namespace window {

QPixmap renderArt(const QString& resource, QSize size, qreal devicePixelRatio, const QColor& background)
{
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(background);
    QPainter painter(&pixmap);
    QSvgRenderer(resource).render(&painter, QRectF(QPointF(0, 0), size));
    return pixmap;
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addPixmap(renderArt(QStringLiteral(":/tavelon.svg"), QSize(size, size), 1.0, Qt::transparent));
    return icon;
}

} // namespace window
