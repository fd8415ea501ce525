#include "readingfinger.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor skin(240, 196, 160);

} // namespace

void paintReadingFinger(QPainter &p, QPointF tip, qreal angle, qreal scale)
{
    p.save();
    p.translate(tip);
    p.rotate(angle);
    p.scale(scale, scale);
    p.setPen(Qt::NoPen);

    p.setBrush(QColor(60, 40, 20, 70));
    p.drawRoundedRect(QRectF(-7, 6, 18, 80), 9, 9);

    QLinearGradient flesh(-9, 0, 9, 0);
    flesh.setColorAt(0.0, skin.darker(125));
    flesh.setColorAt(0.45, skin);
    flesh.setColorAt(1.0, skin.darker(140));
    p.setBrush(flesh);
    QPainterPath finger;
    finger.addRoundedRect(QRectF(-9, 0, 18, 90), 9, 9);
    // The knuckles of the hand, beyond the edge of the picture.
    finger.addEllipse(QPointF(8, 96), 26, 20);
    finger.setFillRule(Qt::WindingFill);
    p.drawPath(finger.simplified());

    p.setPen(QPen(skin.darker(150), 1.0));
    p.drawLine(QPointF(-5, 34), QPointF(4, 34));
    p.drawLine(QPointF(-4, 37), QPointF(3, 37));
    p.setPen(Qt::NoPen);

    QLinearGradient nail(0, 3, 0, 18);
    nail.setColorAt(0.0, QColor(252, 226, 214));
    nail.setColorAt(1.0, QColor(232, 184, 166));
    p.setBrush(nail);
    p.drawRoundedRect(QRectF(-5.5, 3, 11, 15), 5, 5);
    p.restore();
}
