#include "publisherlogo.h"

#include "contentfonts.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

constexpr int logoWidth = 100;
constexpr int logoHeight = 139;

using logomark::burgundy;
using logomark::card;
using logomark::ink;
const QColor inkLight(52, 92, 170);
const QColor featherLight(255, 255, 255);
const QColor featherShade(214, 222, 238);

void paintCard(QPainter &p)
{
    p.fillRect(QRectF(0, 0, logoWidth, logoHeight), card);
    p.setPen(QPen(burgundy, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(2, 2, logoWidth - 4, logoHeight - 4));
}

// The feather is turned to lie from the disc's upper right to its lower left.
void paintTurnedQuill(QPainter &p)
{
    p.save();
    p.translate(80, 8);
    p.rotate(123);
    logomark::paintQuill(p);
    p.restore();
}

void paintWords(QPainter &p)
{
    p.setPen(ink);
    p.setFont(contentfonts::font(contentfonts::serif, 19, true));
    p.drawText(QRectF(0, 78, logoWidth, 22), Qt::AlignHCenter | Qt::AlignVCenter,
               QStringLiteral("Quillmere"));
    p.setPen(QPen(burgundy, 1));
    p.drawLine(QPointF(22, 102.5), QPointF(78, 102.5));
    p.setPen(ink);
    p.setFont(contentfonts::font(contentfonts::sans, 13, false));
    p.drawText(QRectF(0, 104, logoWidth, 16), Qt::AlignHCenter | Qt::AlignVCenter,
               QStringLiteral("Publishing"));
    p.setFont(contentfonts::font(contentfonts::sans, 12, true));
    p.setPen(burgundy);
    p.drawText(QRectF(0, 119, logoWidth, 15), Qt::AlignHCenter | Qt::AlignVCenter,
               QStringLiteral("Ltd"));
}

} // namespace

QImage drawPublisherLogo()
{
    QImage logo(logoWidth, logoHeight, QImage::Format_RGB32);
    QPainter p(&logo);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paintCard(p);
    logomark::paintDisc(p, QPointF(50, 42), 31);
    paintTurnedQuill(p);
    paintWords(p);
    return logo;
}

namespace logomark {

void paintDisc(QPainter &p, QPointF centre, qreal radius)
{
    const qreal scale = radius / 31;
    QRadialGradient disc(centre, radius + scale, centre - QPointF(10, 12) * scale);
    disc.setColorAt(0.0, inkLight);
    disc.setColorAt(1.0, ink);
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawEllipse(centre, radius, radius);
}

void paintQuill(QPainter &p)
{
    const qreal length = quillLength;
    p.save();
    p.setPen(Qt::NoPen);

    QPainterPath vane;
    vane.moveTo(0, 0);
    vane.cubicTo(12, -13, 40, -14, 56, -3);
    vane.lineTo(56, 2);
    vane.cubicTo(40, 9, 16, 9, 0, 0);
    // Splits in the vane, where the barbs have parted.
    QPainterPath notches;
    notches.moveTo(22, -12);
    notches.lineTo(30, -4);
    notches.lineTo(27, -13);
    notches.closeSubpath();
    notches.moveTo(38, 8);
    notches.lineTo(44, 1);
    notches.lineTo(43, 7.5);
    notches.closeSubpath();
    vane = vane.subtracted(notches);

    QLinearGradient shade(0, -12, 0, 8);
    shade.setColorAt(0.0, featherLight);
    shade.setColorAt(1.0, featherShade);
    p.setBrush(shade);
    p.drawPath(vane);

    p.setPen(QPen(QColor(170, 180, 204), 0.6));
    for (int i = 0; i < 7; ++i) {
        const qreal x = 8 + i * 6.5;
        p.drawLine(QPointF(x, 0), QPointF(x - 6, -7));
        p.drawLine(QPointF(x, 0), QPointF(x - 5, 5));
    }

    p.setPen(QPen(burgundy, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(2, 0), QPointF(length - 8, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(burgundy.darker(140));
    QPainterPath nib;
    nib.moveTo(length - 10, -2);
    nib.lineTo(length, 0);
    nib.lineTo(length - 10, 2);
    nib.closeSubpath();
    p.drawPath(nib);
    p.restore();
}

} // namespace logomark
