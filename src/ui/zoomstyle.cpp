#include "ui/zoomstyle.h"

#include "ui/twips.h"

#include <QStyleFactory>
#include <QWidget>

#include <algorithm>

ZoomStyle::ZoomStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int ZoomStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                           const QWidget *widget) const
{
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight: {
        // Large answer texts get indicators a pupil can see from the back of the room.
        const int forFont = widget ? qRound(widget->fontMetrics().height() * 0.6) : 0;
        return std::max(qRound(base * Twips::zoom()), forFont);
    }
    case PM_CheckBoxLabelSpacing:
    case PM_RadioButtonLabelSpacing:
        return qRound(base * Twips::zoom());
    default:
        return base;
    }
}
