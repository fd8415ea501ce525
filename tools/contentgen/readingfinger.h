#pragma once

#include <QPointF>

class QPainter;

// A reading finger, nail up, resting its tip at `tip` with the hand beyond the picture's edge.
// At angle 0 the finger points straight up; `scale` 1 makes it 18 pixels wide.
void paintReadingFinger(QPainter &p, QPointF tip, qreal angle, qreal scale);
