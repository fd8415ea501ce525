#include "braille/dotsurface.h"

#include "controls/place.h"
#include "look/palette.h"
#include "look/twips.h"

#include <QPainter>

DotSurface::DotSurface(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("dots"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    placeTwips(this, 0, 0, Twips::screenWidth, Twips::screenHeight);
    const qreal ratio = devicePixelRatioF();
    m_image = QImage(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    m_image.setDevicePixelRatio(ratio);
    clear();
}

void DotSurface::clear()
{
    m_image.fill(Qt::transparent);
    update();
}

void DotSurface::drawCell(const braille::Cell &cell)
{
    QPainter p(&m_image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colours::white);
    for (const braille::Dot &dot : cell) {
        const double pixels = dot.raised ? braille::raisedDotPixels : braille::flatDotPixels;
        const double radius = Twips::toPixelsF(pixels * Twips::perPixel) / 2;
        p.drawEllipse(Twips::pixelCentre(QPointF(dot.x, dot.y)), radius, radius);
    }
    update();
}

void DotSurface::paintEvent(QPaintEvent *)
{
    // The painter is clipped to the part that needs painting.
    QPainter p(this);
    p.drawImage(QPoint(0, 0), m_image);
}
