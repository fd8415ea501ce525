#pragma once

#include <QImage>
#include <QRectF>

class QPainter;
struct ClassResults;

// The chart of the share of pupils who got each question right: a bar a question, its
// percentage above it, the hardest in red. Its lettering grows with the area, so it reads on
// a projector and on paper alike.
namespace sharechart {

void paint(QPainter &painter, const QRectF &area, const ClassResults &results);

// The chart as a picture of a size in inches, at a resolution, for printing.
QImage image(const ClassResults &results, QSizeF inches, int dotsPerInch);

} // namespace sharechart
