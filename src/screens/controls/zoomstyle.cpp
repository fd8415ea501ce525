#include "controls/zoomstyle.h"

#include "controls/focusmark.h"
#include "look/twips.h"

#include <QAbstractButton>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
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

void ZoomStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                              QPainter *painter, const QWidget *widget) const
{
    switch (element) {
    case PE_FrameFocusRect:
        // Around the whole button, option or tick box, so that the mark never covers its
        // caption. A list's current line keeps the thin mark, which its highlight already
        // outshines; the thick one, drawn around the list, hid its first line.
        if (qobject_cast<const QAbstractButton *>(widget)) {
            focusmark::paint(*painter, widget->rect(), option->palette.color(QPalette::WindowText),
                             option->palette.color(QPalette::Window));
            return;
        }
        break;
    case PE_PanelLineEdit:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (option->state & State_HasFocus)
            focusmark::paint(*painter, option->rect, option->palette.color(QPalette::Highlight),
                             option->palette.color(QPalette::Base));
        return;
    default:
        break;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}
