#pragma once

#include <QProxyStyle>

// The program's look: Fusion, with the tick and option indicators grown with the display
// zoom so that they stay in proportion to their captions on a projector, and the program's
// own focus mark on every control that takes the keyboard.
class ZoomStyle : public QProxyStyle
{
    Q_OBJECT
public:
    ZoomStyle();
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
};
