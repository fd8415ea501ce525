#include "controls/focusmark.h"

#include "look/twips.h"

#include <QPainter>

#include <algorithm>

namespace focusmark {

int thickness()
{
    return std::max(2, qRound(2 * Twips::zoom()));
}

void paint(QPainter &painter, const QRect &control, const QColor &mark, const QColor &edge)
{
    const int width = thickness();
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(edge, 1));
    painter.drawRect(control.adjusted(width + 1, width + 1, -width - 2, -width - 2));
    QPen frame(mark, width);
    frame.setJoinStyle(Qt::MiterJoin);
    painter.setPen(frame);
    const int inset = 1 + width / 2;
    painter.drawRect(
        control.adjusted(inset, inset, -inset - (width % 2 ? 1 : 0), -inset - (width % 2 ? 1 : 0)));
    painter.restore();
}

} // namespace focusmark
