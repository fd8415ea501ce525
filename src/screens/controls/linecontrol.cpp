#include "controls/linecontrol.h"

#include "look/twips.h"

#include <QPainter>

#include <cmath>

LineControl::LineControl(QWidget *parent, const QString &name, QPointF from, QPointF to,
                         double widthPixels, const QColor &colour)
    : QWidget(parent), m_width(Twips::toPixelsF(widthPixels * Twips::perPixel)), m_colour(colour)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QLineF line(Twips::pixelCentre(from), Twips::pixelCentre(to));
    const double pad = std::ceil(m_width);
    const QRectF bounds = QRectF(line.p1(), line.p2()).normalized().adjusted(-pad, -pad, pad, pad);
    const QRect place = bounds.toAlignedRect();
    setGeometry(place);
    m_line = line.translated(-place.topLeft());
}

void LineControl::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(m_colour, m_width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(m_line);
}
