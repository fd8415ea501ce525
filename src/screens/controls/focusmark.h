#pragma once

#include <QColor>
#include <QRect>

class QPainter;

// The mark on the control that has the keyboard focus: a solid frame inside the control,
// as thick as the zoom makes two pixels, edged in a second colour so it reads on any
// background and from the back of a room.
namespace focusmark {

int thickness();
void paint(QPainter &painter, const QRect &control, const QColor &mark, const QColor &edge);

} // namespace focusmark
