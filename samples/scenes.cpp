// The painted scenes of the sample pictures.
#include "scenes.h"

#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <initializer_list>
#include <random>
#include <utility>

namespace {

constexpr double kPi = 3.14159265358979323846;

using Stops = std::initializer_list<std::pair<double, QColor>>;

void verticalGradient(QPainter& p, const QRectF& area, Stops stops)
{
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    for (const auto& [at, colour] : stops)
        gradient.setColorAt(at, colour);
    p.fillRect(area, gradient);
}

// A ridge line from left to right: a sum of two waves around the height `base` (fractions of h).
void ridge(QPainter& p, const QSize& size, double base, double amplitude, double waves, double phase,
           const QBrush& brush)
{
    const double w = size.width();
    const double h = size.height();
    QPainterPath path(QPointF(0, h));
    for (int i = 0; i <= 64; ++i) {
        const double x = w * i / 64.0;
        const double t = 2 * kPi * waves * i / 64.0 + phase;
        const double y = base + amplitude * (0.7 * std::sin(t) + 0.3 * std::sin(2.7 * t + 1.3));
        path.lineTo(x, h * y);
    }
    path.lineTo(w, h);
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.fillPath(path, brush);
}

void caption(QPainter& p, const QSize& size, const QString& text, const QColor& colour)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(14, size.height() / 12));
    font.setBold(true);
    p.setFont(font);
    const QRectF box(size.width() * 0.05, size.height() * 0.04, size.width() * 0.9, size.height() * 0.2);
    p.setPen(QColor(0, 0, 0, 110));
    p.drawText(box.translated(2, 2), Qt::AlignLeft | Qt::AlignTop, text);
    p.setPen(colour);
    p.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
}

void glow(QPainter& p, const QPointF& centre, double radius, const QColor& core)
{
    QRadialGradient gradient(centre, radius);
    gradient.setColorAt(0, core);
    gradient.setColorAt(0.35, QColor(core.red(), core.green(), core.blue(), 160));
    gradient.setColorAt(1, QColor(core.red(), core.green(), core.blue(), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawEllipse(centre, radius, radius);
}

void stars(QPainter& p, const QRectF& area, int count, unsigned seed)
{
    std::mt19937 random(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const double x = area.left() + random() % 10000 / 10000.0 * area.width();
        const double y = area.top() + random() % 10000 / 10000.0 * area.height();
        const double r = 0.4 + random() % 100 / 60.0;
        p.setBrush(
            QColor(255, 255, 230 + static_cast<int>(random() % 26), 120 + static_cast<int>(random() % 136)));
        p.drawEllipse(QPointF(x, y), r, r);
    }
}

double unit(const QImage& image) { return std::min(image.width(), image.height()) / 600.0; }

}  // namespace

void paintAurora(QImage& image)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QSize s = image.size();
    verticalGradient(p, image.rect(),
                     {{0, QColor(8, 10, 40)}, {0.7, QColor(20, 40, 80)}, {1, QColor(30, 60, 90)}});
    stars(p, QRectF(0, 0, s.width(), s.height() * 0.6), s.width() / 3, 7);
    for (int band = 0; band < 3; ++band) {
        QPainterPath path;
        for (int i = 0; i <= 48; ++i) {
            const double x = s.width() * i / 48.0;
            const double y = s.height() * (0.3 + 0.08 * band + 0.07 * std::sin(i / 7.0 + band * 1.9));
            i == 0 ? path.moveTo(x, y) : path.lineTo(x, y);
        }
        QPen pen(QColor(80 + 40 * band, 255, 160 - 30 * band, 70), s.height() * 0.09, Qt::SolidLine,
                 Qt::RoundCap);
        p.strokePath(path, pen);
    }
    ridge(p, s, 0.82, 0.03, 1.5, 0.4, QColor(10, 25, 30));
    p.setBrush(QColor(5, 18, 20));
    for (int i = 0; i < 9; ++i) {
        const double x = s.width() * (0.05 + 0.11 * i);
        const double h = s.height() * (0.16 + 0.05 * (i % 3));
        const QPointF tree[] = {
            {x, s.height() * 0.86 - h}, {x - h * 0.22, s.height() * 0.9}, {x + h * 0.22, s.height() * 0.9}};
        p.drawPolygon(tree, 3);
    }
    caption(p, s, QStringLiteral("Aurora"), QColor(200, 255, 220));
}

void paintCoralReef(QImage& image)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QSize s = image.size();
    const double u = unit(image);
    verticalGradient(p, image.rect(),
                     {{0, QColor(60, 200, 220)}, {0.55, QColor(20, 110, 170)}, {1, QColor(10, 40, 90)}});
    ridge(p, s, 0.88, 0.02, 2, 0, QColor(220, 200, 150));
    const QColor corals[] = {QColor(250, 110, 120), QColor(255, 170, 80), QColor(200, 90, 200),
                             QColor(255, 120, 160)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 8; ++i) {
        p.setBrush(corals[i % 4]);
        const double x = s.width() * (0.08 + 0.12 * i);
        for (int lobe = 0; lobe < 4; ++lobe)
            p.drawEllipse(QPointF(x + (lobe - 1.5) * 14 * u, s.height() * 0.86 - lobe % 2 * 30 * u), 16 * u,
                          46 * u);
    }
    const QColor fish[] = {QColor(255, 210, 40), QColor(255, 130, 30), QColor(120, 220, 255)};
    for (int i = 0; i < 3; ++i) {
        const QPointF at(s.width() * (0.25 + 0.25 * i), s.height() * (0.35 + 0.12 * (i % 2)));
        p.setBrush(fish[i]);
        p.drawEllipse(at, 38 * u, 20 * u);
        const QPointF tail[] = {at + QPointF(30 * u, 0), at + QPointF(62 * u, -20 * u),
                                at + QPointF(62 * u, 20 * u)};
        p.drawPolygon(tail, 3);
        p.setBrush(Qt::black);
        p.drawEllipse(at + QPointF(-22 * u, -4 * u), 4 * u, 4 * u);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 150), 2 * u));
    for (int i = 0; i < 12; ++i)
        p.drawEllipse(QPointF(s.width() * (0.1 + 0.07 * i), s.height() * (0.7 - 0.05 * (i % 5))),
                      5 * u + i % 3 * 3 * u, 5 * u + i % 3 * 3 * u);
    caption(p, s, QStringLiteral("Coral Reef"), Qt::white);
}

void paintDunes(QImage& image)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QSize s = image.size();
    verticalGradient(p, image.rect(),
                     {{0, QColor(90, 160, 230)}, {0.5, QColor(200, 225, 240)}, {1, QColor(240, 230, 210)}});
    glow(p, QPointF(s.width() * 0.78, s.height() * 0.2), s.height() * 0.14, QColor(255, 250, 220));
    const QColor sands[] = {QColor(230, 180, 110), QColor(215, 150, 80), QColor(195, 120, 60),
                            QColor(170, 95, 45)};
    for (int i = 0; i < 4; ++i) {
        QLinearGradient shade(0, s.height() * (0.45 + 0.1 * i), 0, s.height());
        shade.setColorAt(0, sands[i].lighter(115));
        shade.setColorAt(1, sands[i].darker(120));
        ridge(p, s, 0.52 + 0.1 * i, 0.05, 0.8 + 0.3 * i, i * 1.7, shade);
    }
    caption(p, s, QStringLiteral("Dunes"), QColor(255, 255, 255));
}

void paintHarbour(QImage& image)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QSize s = image.size();
    const double u = unit(image);
    const double shore = s.height() * 0.6;
    verticalGradient(p, QRectF(0, 0, s.width(), shore),
                     {{0, QColor(40, 30, 90)}, {0.7, QColor(200, 90, 110)}, {1, QColor(250, 170, 100)}});
    verticalGradient(p, QRectF(0, shore, s.width(), s.height() - shore),
                     {{0, QColor(60, 50, 110)}, {1, QColor(15, 20, 50)}});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(25, 20, 45));
    for (int i = 0; i < 7; ++i) {
        const double h = (40 + 35 * (i % 3)) * u;
        p.drawRect(QRectF(s.width() * (0.05 + 0.13 * i), shore - h, 0.1 * s.width(), h));
    }
    for (int i = 0; i < 14; ++i) {
        const QPointF light(s.width() * (0.07 + 0.065 * i), shore - (12 + 9 * (i % 4)) * u);
        glow(p, light, 7 * u, QColor(255, 220, 120));
        p.setBrush(QColor(255, 210, 110, 120));
        p.drawRect(QRectF(light.x() - 1.5 * u, shore + 4 * u + i % 3 * 6 * u, 3 * u, (25 + i % 4 * 10) * u));
    }
    caption(p, s, QStringLiteral("Harbour Lights"), QColor(255, 235, 200));
}

void paintMeadow(QImage& image)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QSize s = image.size();
    const double u = unit(image);
    verticalGradient(p, image.rect(), {{0, QColor(70, 150, 240)}, {1, QColor(190, 225, 255)}});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 230));
    for (int i = 0; i < 3; ++i) {
        const QPointF at(s.width() * (0.2 + 0.3 * i), s.height() * (0.18 + 0.06 * (i % 2)));
        for (int puff = 0; puff < 4; ++puff)
            p.drawEllipse(at + QPointF((puff - 1.5) * 28 * u, puff % 2 * -14 * u), 32 * u, 22 * u);
    }
    ridge(p, s, 0.58, 0.05, 1.2, 0.3, QColor(110, 190, 80));
    ridge(p, s, 0.72, 0.04, 1.7, 2.1, QColor(70, 160, 60));
    std::mt19937 random(11);
    const QColor petals[] = {QColor(255, 80, 90), QColor(255, 230, 70), QColor(250, 250, 250),
                             QColor(200, 120, 255)};
    for (int i = 0; i < 60; ++i) {
        p.setBrush(petals[i % 4]);
        const double x = random() % 1000 / 1000.0 * s.width();
        const double y = s.height() * (0.78 + random() % 1000 / 1000.0 * 0.2);
        p.drawEllipse(QPointF(x, y), 5 * u, 5 * u);
    }
    caption(p, s, QStringLiteral("Meadow"), Qt::white);
}

void paintNightSky(QImage& image)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QSize s = image.size();
    QRadialGradient sky(QPointF(s.width() * 0.5, s.height()), s.height() * 1.2);
    sky.setColorAt(0, QColor(40, 60, 120));
    sky.setColorAt(1, QColor(5, 8, 30));
    p.fillRect(image.rect(), sky);
    stars(p, QRectF(0, 0, s.width(), s.height()), s.width() / 2, 3);
    const QPointF moon(s.width() * 0.72, s.height() * 0.28);
    const double r = s.height() * 0.11;
    glow(p, moon, r * 2.2, QColor(255, 250, 210, 90));
    QPainterPath crescent;
    crescent.addEllipse(moon, r, r);
    QPainterPath bite;
    bite.addEllipse(moon + QPointF(r * 0.45, -r * 0.2), r, r);
    p.fillPath(crescent.subtracted(bite), QColor(255, 248, 200));
    ridge(p, s, 0.85, 0.04, 1, 0.8, QColor(10, 12, 25));
    caption(p, s, QStringLiteral("Night Sky"), QColor(220, 230, 255));
}

void paintSunset(QImage& image)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QSize s = image.size();
    const double horizon = s.height() * 0.62;
    verticalGradient(p, QRectF(0, 0, s.width(), horizon),
                     {{0, QColor(60, 30, 110)}, {0.5, QColor(230, 90, 90)}, {1, QColor(255, 190, 90)}});
    const QPointF sun(s.width() * 0.5, horizon);
    glow(p, sun, s.height() * 0.3, QColor(255, 220, 120, 200));
    p.setBrush(QColor(255, 235, 150));
    p.drawEllipse(sun, s.height() * 0.1, s.height() * 0.1);
    verticalGradient(p, QRectF(0, horizon, s.width(), s.height() - horizon),
                     {{0, QColor(200, 90, 80)}, {1, QColor(40, 20, 70)}});
    p.setBrush(QColor(255, 210, 130, 170));
    for (int i = 0; i < 9; ++i) {
        const double y = horizon + s.height() * (0.02 + 0.035 * i);
        const double half = s.width() * (0.12 - 0.011 * i);
        p.drawRoundedRect(QRectF(sun.x() - half, y, 2 * half, s.height() * 0.008 + 1), 2, 2);
    }
    caption(p, s, QStringLiteral("Sunset"), QColor(255, 240, 220));
}

void paintValley(QImage& image)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QSize s = image.size();
    verticalGradient(p, image.rect(),
                     {{0, QColor(150, 190, 230)}, {0.6, QColor(235, 220, 210)}, {1, QColor(240, 230, 220)}});
    glow(p, QPointF(s.width() * 0.2, s.height() * 0.25), s.height() * 0.12, QColor(255, 245, 225));
    // Farther ranges are paler, the way haze makes them.
    const QColor ranges[] = {QColor(150, 160, 190), QColor(110, 130, 160), QColor(70, 105, 110),
                             QColor(45, 85, 60), QColor(30, 65, 40)};
    for (int i = 0; i < 5; ++i)
        ridge(p, s, 0.42 + 0.1 * i, 0.07 - 0.01 * i, 1.3 + 0.6 * i, 0.9 * i, ranges[i]);
    QPainterPath river(QPointF(s.width() * 0.46, s.height() * 0.78));
    river.cubicTo(s.width() * 0.6, s.height() * 0.85, s.width() * 0.3, s.height() * 0.92, s.width() * 0.5,
                  s.height() + 2);
    p.strokePath(river, QPen(QColor(140, 190, 220), s.height() * 0.025, Qt::SolidLine, Qt::RoundCap));
    caption(p, s, QStringLiteral("Valley Panorama"), Qt::white);
}
