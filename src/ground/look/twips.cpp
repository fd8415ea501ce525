#include "look/twips.h"

#include <QtMath>

#include <algorithm>

double Twips::s_zoom = 1.0;

double Twips::zoomFor(QSize displayPixels)
{
    const double across = displayPixels.width() * perPixel / screenWidth;
    const double down = displayPixels.height() * perPixel / screenHeight;
    const double zoom = std::min(across, down);
    // Hundredths keep fonts and positions from drifting by a fraction of a pixel.
    return zoom > 0 ? std::floor(zoom * 100.0 + 1e-6) / 100.0 : 1.0;
}

void Twips::setZoom(double zoom)
{
    if (zoom > 0)
        s_zoom = zoom;
}

double Twips::toPixelsF(double twips)
{
    return twips * s_zoom / perPixel;
}

QPointF Twips::pixelCentre(QPointF twips)
{
    return QPointF(toPixelsF(twips.x()) + 0.5, toPixelsF(twips.y()) + 0.5);
}

int Twips::toPixels(double twips)
{
    return qRound(toPixelsF(twips));
}

QRect Twips::toPixels(double left, double top, double width, double height)
{
    // Edges are rounded, not sizes, so neighbouring controls meet without gaps.
    const int x = toPixels(left);
    const int y = toPixels(top);
    return QRect(x, y, toPixels(left + width) - x, toPixels(top + height) - y);
}

QSize Twips::toPixels(QSizeF twips)
{
    return QSize(toPixels(twips.width()), toPixels(twips.height()));
}

double Twips::fromPixels(double pixels)
{
    return pixels * perPixel / s_zoom;
}

QPointF Twips::fromPixels(QPointF pixels)
{
    return QPointF(fromPixels(pixels.x()), fromPixels(pixels.y()));
}

QSizeF Twips::fromPixels(QSize pixels)
{
    return QSizeF(fromPixels(pixels.width()), fromPixels(pixels.height()));
}

int Twips::fontPixels(double points)
{
    return std::max(1, toPixels(points * perPoint));
}
