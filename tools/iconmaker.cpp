// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws every image the program ships: the two tool-bar icons and the program's
// own sigma tile (48 px and 256 px PNGs for the desktop, and a 48 px .ico for
// Windows). Shapes are plain paths, not glyphs, so the output does not depend on
// the fonts of the machine that runs it.
//
//   iconmaker OUTDIR
#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtGui/QImage>
#include <QtGui/QImageWriter>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>

#include <cstdio>
#include <functional>

namespace {

// Paint in a 100 x 100 design space whatever the pixel size.
QImage paint(int size, const std::function<void(QPainter &)> &draw)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 100.0, size / 100.0);
    draw(painter);
    return image;
}

void practiceEmblem(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 85, 0));
    p.drawEllipse(QPointF(50, 50), 47, 47);
    p.setPen(QPen(Qt::white, 6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(50, 50), 34, 34);
    p.setPen(QPen(Qt::white, 10, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(50, 32), QPointF(50, 68));
    p.drawLine(QPointF(32, 50), QPointF(68, 50));
}

void sendEnvelope(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 160, 60));
    p.drawRoundedRect(QRectF(3, 3, 94, 94), 14, 14);
    p.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(20, 30, 60, 42));
    p.drawPolyline(QPolygonF({QPointF(20, 30), QPointF(50, 55), QPointF(80, 30)}));
}

void sigmaTile(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 160, 60));
    p.drawRoundedRect(QRectF(2, 2, 96, 96), 16, 16);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(10, 10, 80, 80), 10, 10);
    const QPolygonF sigma({{22, 14}, {80, 14}, {80, 31}, {73, 31}, {70, 25}, {41, 25},
                           {60, 50}, {39, 75}, {72, 75}, {75, 68}, {82, 68}, {80, 86},
                           {22, 86}, {22, 80}, {46, 50}, {22, 19}});
    p.setBrush(Qt::black);
    p.drawPolygon(sigma);
}

bool save(const QImage &image, const QString &path)
{
    QImageWriter writer(path);
    if (writer.write(image))
        return true;
    std::fprintf(stderr, "iconmaker: %s: %s\n", qPrintable(path),
                 qPrintable(writer.errorString()));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv); // the .ico writer is a plugin
    if (argc != 2) {
        std::fprintf(stderr, "usage: iconmaker OUTDIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral(".")))
        return 1;
    const bool ok = save(paint(32, practiceEmblem), out.filePath(QStringLiteral("practice.png")))
        && save(paint(32, sendEnvelope), out.filePath(QStringLiteral("sendMessage.png")))
        && save(paint(48, sigmaTile), out.filePath(QStringLiteral("sumgrove-48.png")))
        && save(paint(256, sigmaTile), out.filePath(QStringLiteral("sumgrove-256.png")))
        && save(paint(48, sigmaTile), out.filePath(QStringLiteral("sumgrove.ico")));
    return ok ? 0 : 1;
}
