#pragma once

#include <QPointF>
#include <QRect>
#include <QSize>

// The one place that converts between twips and pixels. The screens are laid out in
// twips for a display at 15 twips to the pixel; one zoom factor, chosen at start-up,
// makes a 12000 x 9000 twips screen fill as much of the display as fits.
class Twips
{
public:
    static constexpr double perPixel = 15.0;
    static constexpr double perPoint = 20.0;
    static constexpr double screenWidth = 12000.0;
    static constexpr double screenHeight = 9000.0;

    // Largest zoom at which a whole screen fits a display of that many pixels.
    static double zoomFor(QSize displayPixels);
    static double zoom() { return s_zoom; }
    static void setZoom(double zoom);

    static int toPixels(double twips);
    static double toPixelsF(double twips);
    static QRect toPixels(double left, double top, double width, double height);
    static QSize toPixels(QSizeF twips);
    // The centre of the pixel a position names, as the classic drawing surfaces plot: a
    // dot or line drawn there spreads evenly either side of it.
    static QPointF pixelCentre(QPointF twips);
    static double fromPixels(double pixels);
    static QPointF fromPixels(QPointF pixels);
    static QSizeF fromPixels(QSize pixels);
    // A font size in points as a pixel size at the current zoom.
    static int fontPixels(double points);

private:
    static double s_zoom;
};
