#pragma once

#include <QLabel>
#include <QPointF>

// An event of the timeline puzzle: a label dragged with the left button alone and dropped
// when any button is released over it.
class EventLabel : public QLabel
{
    Q_OBJECT
public:
    EventLabel(QWidget *parent, const QString &name);

signals:
    // The pointer, in twips from the label's top-left corner.
    void dragged(QPointF pointer);
    void dropped();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};
