#pragma once

#include <QColor>
#include <QLineF>
#include <QWidget>

// A straight line between two points given in twips, a number of pixels wide (times the
// zoom). It is a picture only: the mouse passes through it.
class LineControl : public QWidget
{
    Q_OBJECT
public:
    LineControl(QWidget *parent, const QString &name, QPointF from, QPointF to, double widthPixels,
                const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLineF m_line; // in this control's pixels
    double m_width;
    QColor m_colour;
};
