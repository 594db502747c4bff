// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/Artwork.h"

#include <QFile>
#include <QtEndian>

namespace window {

namespace {

// Raw pixels as the build wrote them: width and height, little-endian, then premultiplied ARGB32 rows.
QImage loadPixels(const QString& resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    if (data.size() < 8)
        return {};
    const int width = int(qFromLittleEndian<quint32>(data.constData()));
    const int height = int(qFromLittleEndian<quint32>(data.constData() + 4));
    if (width <= 0 || height <= 0 || data.size() != 8 + qsizetype(width) * height * 4)
        return {};
    return QImage(reinterpret_cast<const uchar*>(data.constData() + 8), width, height, width * 4,
                  QImage::Format_ARGB32_Premultiplied)
        .copy();
}

} // namespace

QPixmap cutDiagram(qreal devicePixelRatio)
{
    // Rendered at 1x and 2x; a scale in between takes the sharper one, scaled down.
    const bool sharp = devicePixelRatio > 1;
    QPixmap pixmap =
        QPixmap::fromImage(loadPixels(sharp ? QStringLiteral(":/cut@2x.argb") : QStringLiteral(":/cut.argb")));
    pixmap.setDevicePixelRatio(sharp ? 2 : 1);
    return pixmap;
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addPixmap(QPixmap::fromImage(loadPixels(QStringLiteral(":/icon%1.argb").arg(size))));
    return icon;
}

} // namespace window
