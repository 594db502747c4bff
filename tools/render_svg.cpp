// SPDX-License-Identifier: GPL-3.0-or-later
// Build tool: renders vector art, so the program itself needs no SVG renderer at run time.
//   render_svg SOURCE.svg WIDTH HEIGHT OUTPUT [BACKGROUND]
// OUTPUT ending in .png is a PNG file, for installing; ending in .argb it is raw pixels for the window:
// width and height as 32-bit little-endian numbers, then premultiplied ARGB32 rows (see Artwork.cpp).
// BACKGROUND is a colour name such as white; without it the picture is transparent.
#include <QDataStream>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 5 && argc != 6) {
        std::fprintf(stderr, "usage: render_svg SOURCE.svg WIDTH HEIGHT OUTPUT.png [BACKGROUND]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    const QSize size(QByteArray(argv[2]).toInt(), QByteArray(argv[3]).toInt());
    if (!renderer.isValid() || size.isEmpty())
        return 1;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(argc == 6 ? QColor(QString::fromLatin1(argv[5])) : QColor(Qt::transparent));
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    const QString output = QString::fromLocal8Bit(argv[4]);
    if (!output.endsWith(QLatin1String(".argb")))
        return image.save(output) ? 0 : 1;
    QFile file(output);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    QDataStream stream(&file);
    stream.setByteOrder(QDataStream::LittleEndian);
    stream << quint32(image.width()) << quint32(image.height());
    for (int y = 0; y < image.height(); ++y)
        stream.writeRawData(reinterpret_cast<const char*>(image.constScanLine(y)), image.width() * 4);
    return stream.status() == QDataStream::Ok ? 0 : 1;
}
