#pragma once

#include <QWidget>

class QLabel;

// Controls that a screen reader presents under a heading of their own, such as a question's
// answers: the focus coming into the group from outside it speaks the heading before the
// control, and a Braille display shows it beside the control while the focus stays inside.
// The heading's labels are read with the group, not again as loose text of the screen. It
// draws nothing, and the mouse over its bare parts goes on to its parent.
class ControlGroup : public QWidget
{
    Q_OBJECT
public:
    // Placed in its parent at a rectangle given in twips; its controls are placed in it.
    ControlGroup(QWidget *parent, const QString &name, const QRectF &twips);

    // Labels lying beside the group in the same parent, made in this order. Orca takes one
    // label of a group, the first, and reads the group's name after it: so the others'
    // texts become the name. Given again when their texts change.
    void setHeading(const QList<QLabel *> &labels);

    static void installAccessibility();
};
