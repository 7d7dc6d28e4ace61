// A 32 x 32, 16-colour icon drawn in code: a framed picture of a mountain under the sun.
#include "platform/qt/icon.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>
#include <QVector>

namespace platform::qt {

namespace {

// The classic 16-colour palette; the icon uses no other colour.
const QVector<QRgb> kPalette = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),     qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128),   qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),     qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255),   qRgb(0, 255, 255), qRgb(255, 255, 255),
};

}  // namespace

// Drawn on a grid of 32 x 32 units; a larger icon is the same drawing scaled, so the shapes stay sharp.
QImage drawPixoraIcon(int pixels)
{
    QImage image(pixels, pixels, QImage::Format_RGB32);
    image.fill(kPalette[0]);
    QPainter p(&image);
    p.scale(pixels / 32.0, pixels / 32.0);
    p.setPen(Qt::NoPen);
    p.fillRect(1, 3, 30, 26, QColor(kPalette[3]));    // frame
    p.fillRect(3, 5, 26, 22, QColor(kPalette[14]));   // sky
    p.setBrush(QColor(kPalette[11]));
    p.drawEllipse(19, 7, 7, 7);                        // sun
    p.setBrush(QColor(kPalette[8]));
    p.drawPolygon(QPolygon({QPoint(3, 24), QPoint(12, 11), QPoint(21, 24)}));
    p.setBrush(QColor(kPalette[15]));
    p.drawPolygon(QPolygon({QPoint(10, 14), QPoint(12, 11), QPoint(14, 14)}));  // snow
    p.setBrush(QColor(kPalette[7]));
    p.drawPolygon(QPolygon({QPoint(14, 24), QPoint(21, 15), QPoint(28, 24)}));
    p.fillRect(3, 24, 26, 3, QColor(kPalette[2]));   // meadow
    p.end();
    return image.convertToFormat(QImage::Format_Indexed8, kPalette, Qt::ThresholdDither);
}

QIcon pixoraIcon()
{
    return QIcon(QPixmap::fromImage(drawPixoraIcon(32)));
}

}  // namespace platform::qt
