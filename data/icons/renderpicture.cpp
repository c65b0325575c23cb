// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmaro developers
// Build tool: draws one of the program's built-in SVG pictures into a PNG file, so
// that the program shows PNGs and never draws an SVG (nor loads Qt Svg) to start;
// it also draws the program's icon at the icon theme's sizes.
//   velmaro_render_picture PICTURE.svg OUTPUT.png WIDTH HEIGHT [GROUND]
// The drawing fills WIDTH x HEIGHT over GROUND (a colour such as #c0c0c0), or over a
// transparent ground when none is given.

#include <QColor>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 5 && argc != 6) {
        std::fprintf(stderr, "usage: %s PICTURE.svg OUTPUT.png WIDTH HEIGHT [GROUND]\n", argv[0]);
        return 2;
    }
    const int width = QByteArray(argv[3]).toInt();
    const int height = QByteArray(argv[4]).toInt();
    const QColor ground =
        argc == 6 ? QColor(QString::fromLatin1(argv[5])) : QColor(Qt::transparent);
    if (width <= 0 || height <= 0 || !ground.isValid())
        return 2;
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "%s: not a usable SVG file\n", argv[1]);
        return 1;
    }
    // A pixmap, as the program's own pictures are: opaque on a coloured ground.
    QPixmap picture(width, height);
    picture.fill(ground);
    QPainter painter(&picture);
    svg.render(&painter, QRectF(0, 0, width, height));
    painter.end();
    if (!picture.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
