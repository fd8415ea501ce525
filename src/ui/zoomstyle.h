#pragma once

#include <QProxyStyle>

// The program's look: Fusion, with the tick and option indicators grown with the display
// zoom so that they stay in proportion to their captions on a projector.
class ZoomStyle : public QProxyStyle
{
    Q_OBJECT
public:
    ZoomStyle();
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
};
