#include "inventorpicture.h"

#include "braillecell.h"
#include "contentfonts.h"
#include "readingfinger.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

constexpr int pictureWidth = 320;
constexpr int pictureHeight = 240;
constexpr qreal horizon = 146;
constexpr qreal spineX = 178;

const QColor skyTop(14, 22, 58);
const QColor skyMiddle(37, 52, 105);
const QColor skyLow(104, 86, 140);
const QColor skyHorizon(236, 160, 112);
const QColor village(34, 28, 58);
const QColor litWindow(255, 210, 120);
const QColor paper(244, 236, 214);
const QColor bookCover(122, 34, 48);
const QColor titleColour(255, 250, 235);
const QColor yearsColour(255, 214, 140);

void paintSky(QPainter &p)
{
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0.0, skyTop);
    sky.setColorAt(0.45, skyMiddle);
    sky.setColorAt(0.8, skyLow);
    sky.setColorAt(1.0, skyHorizon);
    p.fillRect(QRectF(0, 0, pictureWidth, horizon), sky);
}

// Small stars scattered by a fixed little generator, so every run scatters them the same.
void paintStars(QPainter &p)
{
    quint32 seed = 1809;
    auto next = [&seed](int range) {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 16) % quint32(range));
    };
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 46; ++i) {
        const qreal x = next(pictureWidth);
        const qreal y = next(92);
        const int brightness = 120 + next(120);
        p.setBrush(QColor(255, 250, 230, brightness));
        const qreal r = 0.5 + next(3) * 0.25;
        p.drawEllipse(QPointF(x, y), r, r);
    }
}

void paintGlow(QPainter &p, QPointF centre, qreal radius, const QColor &colour)
{
    QRadialGradient glow(centre, radius);
    QColor edge = colour;
    edge.setAlpha(0);
    glow.setColorAt(0.0, colour);
    glow.setColorAt(1.0, edge);
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, radius, radius);
}

// The brightest stars form a Braille cell: the t of Tomas, dots 2, 3, 4 and 5.
void paintStarCell(QPainter &p)
{
    const QPointF firstDot(262, 20);
    const qreal pitch = 20;
    const braille::Dots t = braille::letterDots(QLatin1Char('t'));
    for (int dot = 1; dot <= 6; ++dot) {
        const QPointF centre = braille::dotCentre(firstDot, pitch, dot);
        if (braille::hasDot(t, dot)) {
            paintGlow(p, centre, 10, QColor(255, 240, 190, 150));
            p.setBrush(QColor(255, 252, 240));
            p.drawEllipse(centre, 3.2, 3.2);
        } else {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(255, 240, 200, 90), 1.0));
            p.drawEllipse(centre, 3.2, 3.2);
            p.setPen(Qt::NoPen);
        }
    }
}

void paintTitle(QPainter &p)
{
    // Tahoma's bold face draws thin strokes at this size; the serif reads like a book title.
    const QFont nameFont = contentfonts::font(contentfonts::serif, 31, true);
    const QFont yearsFont = contentfonts::font(contentfonts::sans, 17, true);
    const QPointF nameAt(14, 40);
    const QPointF yearsAt(16, 63);
    p.setFont(nameFont);
    p.setPen(QColor(0, 0, 0, 140));
    p.drawText(nameAt + QPointF(1.5, 1.5), QStringLiteral("Tomas Verrin"));
    p.setPen(titleColour);
    p.drawText(nameAt, QStringLiteral("Tomas Verrin"));
    p.setFont(yearsFont);
    p.setPen(QColor(0, 0, 0, 140));
    p.drawText(yearsAt + QPointF(1, 1), QStringLiteral("1809 \u2013 1852"));
    p.setPen(yearsColour);
    p.drawText(yearsAt, QStringLiteral("1809 \u2013 1852"));
}

void addHouse(QPainterPath &path, qreal left, qreal width, qreal wallTop, qreal roofTop)
{
    QPolygonF house;
    house << QPointF(left, horizon + 2) << QPointF(left, wallTop)
          << QPointF(left + width / 2, roofTop) << QPointF(left + width, wallTop)
          << QPointF(left + width, horizon + 2);
    path.addPolygon(house);
    path.closeSubpath();
}

// Coupvray on its hill: cottages, a church with its steeple, a few trees, lamps still lit.
void paintVillage(QPainter &p)
{
    QPainterPath hill;
    hill.moveTo(0, horizon + 2);
    hill.lineTo(0, 126);
    hill.cubicTo(80, 116, 170, 112, 320, 128);
    hill.lineTo(320, horizon + 2);
    hill.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(52, 42, 80));
    p.drawPath(hill);

    QPainterPath roofs;
    roofs.setFillRule(Qt::WindingFill);
    addHouse(roofs, 4, 26, 116, 104);
    addHouse(roofs, 28, 22, 120, 110);
    addHouse(roofs, 48, 30, 112, 99);
    addHouse(roofs, 150, 24, 114, 104);
    addHouse(roofs, 172, 30, 118, 106);
    addHouse(roofs, 214, 26, 116, 105);
    addHouse(roofs, 238, 20, 121, 112);
    addHouse(roofs, 292, 30, 117, 106);
    // The church: a nave, and a tower whose steeple rises above every roof.
    roofs.addRect(QRectF(86, 106, 40, 42));
    addHouse(roofs, 84, 44, 108, 96);
    roofs.addRect(QRectF(120, 84, 16, 64));
    QPolygonF steeple;
    steeple << QPointF(118, 85) << QPointF(128, 58) << QPointF(138, 85);
    roofs.addPolygon(steeple);
    roofs.closeSubpath();
    roofs.addRect(QRectF(127.4, 50, 1.2, 10));
    roofs.addRect(QRectF(124.5, 53, 7, 1.2));
    // Round trees between the houses.
    roofs.addEllipse(QPointF(142, 118), 9, 11);
    roofs.addEllipse(QPointF(207, 120), 8, 10);
    roofs.addEllipse(QPointF(268, 116), 12, 13);
    roofs.addRect(QRectF(266, 126, 4, 20));
    roofs.addEllipse(QPointF(284, 122), 8, 9);
    p.setBrush(village);
    p.drawPath(roofs);

    p.setBrush(litWindow);
    const QRectF windows[] = {
        {10, 124, 4, 5},  {20, 124, 4, 5},  {56, 120, 4, 5},  {66, 120, 4, 5},
        {100, 118, 4, 7}, {110, 118, 4, 7}, {126, 92, 4, 6},  {158, 122, 4, 5},
        {180, 126, 4, 5}, {190, 126, 4, 5}, {222, 124, 4, 5}, {300, 125, 4, 5},
    };
    for (const QRectF &w : windows)
        p.drawRect(w);
}

void paintDesk(QPainter &p)
{
    QLinearGradient wood(0, horizon, 0, pictureHeight);
    wood.setColorAt(0.0, QColor(126, 80, 46));
    wood.setColorAt(1.0, QColor(72, 42, 24));
    p.fillRect(QRectF(0, horizon, pictureWidth, pictureHeight - horizon), wood);
    p.fillRect(QRectF(0, horizon, pictureWidth, 2), QColor(160, 110, 70));
    p.setPen(QPen(QColor(60, 34, 18, 70), 1.0));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        const qreal y = horizon + 12 + i * 15;
        QPainterPath grain;
        grain.moveTo(0, y);
        grain.cubicTo(90, y - 4, 200, y + 5, 320, y - 1);
        p.drawPath(grain);
    }
}

// The candle stands to the left of the book and lights the scene.
void paintCandle(QPainter &p)
{
    const QPointF flame(38, 150);
    paintGlow(p, flame, 84, QColor(255, 196, 110, 120));

    p.setPen(Qt::NoPen);
    QLinearGradient dish(16, 0, 60, 0);
    dish.setColorAt(0.0, QColor(120, 96, 60));
    dish.setColorAt(0.5, QColor(220, 190, 120));
    dish.setColorAt(1.0, QColor(110, 86, 52));
    p.setBrush(dish);
    p.drawEllipse(QPointF(38, 212), 24, 6);

    QLinearGradient wax(28, 0, 48, 0);
    wax.setColorAt(0.0, QColor(226, 214, 186));
    wax.setColorAt(0.4, QColor(252, 246, 228));
    wax.setColorAt(1.0, QColor(196, 180, 150));
    p.setBrush(wax);
    QPainterPath body;
    body.moveTo(29, 170);
    body.lineTo(29, 209);
    body.quadTo(38, 213, 47, 209);
    body.lineTo(47, 170);
    body.quadTo(38, 166, 29, 170);
    p.drawPath(body);
    p.setBrush(QColor(255, 255, 245));
    p.drawEllipse(QPointF(38, 170), 9, 2.5);

    p.setPen(QPen(QColor(40, 30, 20), 1.2));
    p.drawLine(QPointF(38, 170), QPointF(38, 163));
    p.setPen(Qt::NoPen);
    QPainterPath fire;
    fire.moveTo(38, 140);
    fire.cubicTo(42, 150, 45, 156, 38, 164);
    fire.cubicTo(31, 156, 34, 150, 38, 140);
    QLinearGradient fireColour(0, 140, 0, 164);
    fireColour.setColorAt(0.0, QColor(255, 240, 170));
    fireColour.setColorAt(0.6, QColor(255, 190, 70));
    fireColour.setColorAt(1.0, QColor(240, 110, 40));
    p.setBrush(fireColour);
    p.drawPath(fire);
    p.setBrush(QColor(255, 255, 240));
    p.drawEllipse(QPointF(38, 156), 1.6, 3.5);
}

QPainterPath pageShape(int side)
{
    // side is -1 for the left page, +1 for the right.
    const qreal outer = spineX + side * 104;
    QPainterPath page;
    page.moveTo(spineX, 166);
    page.cubicTo(spineX + side * 30, 154, spineX + side * 70, 156, outer, 162);
    page.lineTo(outer + side * 3, 224);
    page.cubicTo(spineX + side * 70, 218, spineX + side * 30, 220, spineX, 230);
    page.closeSubpath();
    return page;
}

void paintBook(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(QPointF(spineX + 4, 232), 116, 8);

    QPainterPath cover;
    cover.moveTo(spineX, 236);
    cover.cubicTo(spineX - 40, 226, spineX - 80, 226, spineX - 112, 230);
    cover.lineTo(spineX - 108, 166);
    cover.lineTo(spineX + 108, 166);
    cover.lineTo(spineX + 112, 230);
    cover.cubicTo(spineX + 80, 226, spineX + 40, 226, spineX, 236);
    cover.closeSubpath();
    p.setBrush(bookCover);
    p.drawPath(cover);

    for (int side : {-1, 1}) {
        // Edges of the pages underneath, to give the book its thickness.
        for (int layer = 3; layer >= 1; --layer) {
            p.setBrush(QColor(214, 202, 176));
            p.drawPath(pageShape(side).translated(side * layer * 0.8, layer * 1.6));
        }
        QLinearGradient shade(spineX, 0, spineX + side * 104, 0);
        shade.setColorAt(0.0, paper.darker(135));
        shade.setColorAt(0.12, paper.darker(106));
        shade.setColorAt(0.5, paper);
        shade.setColorAt(1.0, paper.darker(104));
        p.setBrush(shade);
        p.drawPath(pageShape(side));
    }
}

void paintBookDots(QPainter &p)
{
    const qreal dotPitch = 3.8;
    const qreal cellPitch = 9.8;
    const qreal radius = 1.4;
    const char *const leftPage[] = {"tomas", "verrin", "braille", "code"};
    const char *const rightPage[] = {"six dots", "read by", "touch"};
    for (int line = 0; line < 4; ++line) {
        braille::paintRaisedText(p, QString::fromLatin1(leftPage[line]),
                                 QPointF(90, 172 + line * 13.6), dotPitch, cellPitch, radius,
                                 paper);
    }
    for (int line = 0; line < 3; ++line) {
        braille::paintRaisedText(p, QString::fromLatin1(rightPage[line]),
                                 QPointF(190, 172 + line * 13.6), dotPitch, cellPitch, radius,
                                 paper);
    }
}

} // namespace

QImage drawInventorPicture()
{
    QImage picture(pictureWidth, pictureHeight, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paintSky(p);
    paintStars(p);
    paintStarCell(p);
    paintVillage(p);
    paintDesk(p);
    paintCandle(p);
    paintBook(p);
    paintBookDots(p);
    // The reading finger comes in from the bottom right and rests on the right page.
    paintReadingFinger(p, QPointF(236, 206), -38, 1);
    paintTitle(p);
    return picture;
}
