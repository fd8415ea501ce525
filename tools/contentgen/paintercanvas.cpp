#include "paintercanvas.h"

#include "pagefonts.h"

#include <QFontMetricsF>
#include <QPainter>

PainterCanvas::PainterCanvas(QPainter &painter, qreal scale) : m_painter(painter), m_scale(scale)
{
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::TextAntialiasing);
}

void PainterCanvas::setPen(const QColor &colour, int width)
{
    // A zero width is GDI's one-pixel line, which a cosmetic pen draws too.
    m_painter.setPen(QPen(colour, width * m_scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void PainterCanvas::setNoPen()
{
    m_painter.setPen(Qt::NoPen);
}

void PainterCanvas::setBrush(const QColor &colour)
{
    m_painter.setBrush(colour);
}

void PainterCanvas::setNoBrush()
{
    m_painter.setBrush(Qt::NoBrush);
}

void PainterCanvas::setFont(const PageFont &font)
{
    m_painter.setFont(pagefonts::qtFont(font, qMax(1, qRound(font.height * m_scale))));
}

void PainterCanvas::setTextColour(const QColor &colour)
{
    m_textColour = colour;
}

QRectF PainterCanvas::scaled(const QRect &rect) const
{
    return QRectF(rect.x() * m_scale, rect.y() * m_scale, rect.width() * m_scale,
                  rect.height() * m_scale);
}

QPolygonF PainterCanvas::scaled(const QPolygon &points) const
{
    QPolygonF out;
    for (const QPoint &p : points)
        out.append(QPointF(p) * m_scale);
    return out;
}

void PainterCanvas::drawRect(const QRect &rect)
{
    m_painter.drawRect(scaled(rect));
}

void PainterCanvas::drawRoundRect(const QRect &rect, int cornerWidth, int cornerHeight)
{
    m_painter.drawRoundedRect(scaled(rect), cornerWidth * m_scale / 2, cornerHeight * m_scale / 2);
}

void PainterCanvas::drawEllipse(const QRect &rect)
{
    m_painter.drawEllipse(scaled(rect));
}

void PainterCanvas::drawPolygon(const QPolygon &points)
{
    m_painter.drawPolygon(scaled(points));
}

void PainterCanvas::drawPolyline(const QPolygon &points)
{
    m_painter.drawPolyline(scaled(points));
}

void PainterCanvas::drawText(QPoint at, const QString &text, TextAlign align)
{
    QPointF origin = QPointF(at) * m_scale;
    const qreal width = QFontMetricsF(m_painter.font()).horizontalAdvance(text);
    if (align == TextAlign::Centre)
        origin.rx() -= width / 2;
    else if (align == TextAlign::Right)
        origin.rx() -= width;
    m_painter.save();
    m_painter.setPen(m_textColour);
    m_painter.drawText(origin, text);
    m_painter.restore();
}
