#pragma once

#include "pagecanvas.h"

class QPainter;

// Sends a page's drawing to a QPainter at `scale` pixels to the twip, to look at a page
// before any metafile player exists and to test what a page shows.
class PainterCanvas final : public PageCanvas
{
public:
    PainterCanvas(QPainter &painter, qreal scale);

    void setPen(const QColor &colour, int width) override;
    void setNoPen() override;
    void setBrush(const QColor &colour) override;
    void setNoBrush() override;
    void setFont(const PageFont &font) override;
    void setTextColour(const QColor &colour) override;

    void drawRect(const QRect &rect) override;
    void drawRoundRect(const QRect &rect, int cornerWidth, int cornerHeight) override;
    void drawEllipse(const QRect &rect) override;
    void drawPolygon(const QPolygon &points) override;
    void drawPolyline(const QPolygon &points) override;
    void drawText(QPoint at, const QString &text, TextAlign align) override;

private:
    QRectF scaled(const QRect &rect) const;
    QPolygonF scaled(const QPolygon &points) const;

    QPainter &m_painter;
    qreal m_scale;
    QColor m_textColour = Qt::black;
};
