#pragma once

#include <QColor>
#include <QPointF>
#include <QString>

class QPainter;

// Six-dot Braille cells as the drawings show them: dots 1, 2, 3 down the left column,
// 4, 5, 6 down the right. Bit 0 of a pattern is dot 1, bit 5 is dot 6.
namespace braille {

using Dots = unsigned;

// The pattern of a lower-case letter a to z; a space and anything else is the empty cell.
Dots letterDots(QChar letter);

bool hasDot(Dots dots, int dotNumber);

// Centre of a dot (1 to 6) in a cell whose dot 1 sits at topLeftDot, dots `pitch` apart.
QPointF dotCentre(QPointF topLeftDot, qreal pitch, int dotNumber);

// A dot pressed up out of paper: lit from the top left, shadowed to the bottom right.
void paintRaisedDot(QPainter &painter, QPointF centre, qreal radius, const QColor &paper);

// A line of text in raised dots, one cell every cellPitch, starting with dot 1 at origin.
void paintRaisedText(QPainter &painter, const QString &text, QPointF origin, qreal dotPitch,
                     qreal cellPitch, qreal radius, const QColor &paper);

} // namespace braille
