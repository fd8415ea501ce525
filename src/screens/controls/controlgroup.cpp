#include "controls/controlgroup.h"

#include "controls/accessiblefactory.h"
#include "controls/place.h"

#include <QLabel>

ControlGroup::ControlGroup(QWidget *parent, const QString &name, const QRectF &twips)
    : QWidget(parent)
{
    setObjectName(name);
    placeTwips(this, twips.x(), twips.y(), twips.width(), twips.height());
}

void ControlGroup::setHeading(const QList<QLabel *> &labels)
{
    // A label's buddy is what it labels, to a screen reader as to the keyboard. The texts
    // hold no '&' that could become a shortcut.
    QStringList rest;
    for (QLabel *label : labels) {
        label->setBuddy(this);
        if (label != labels.first())
            rest << label->text();
    }
    setAccessibleName(rest.join(u' '));
}

void ControlGroup::installAccessibility()
{
    installAccessibleRole<ControlGroup, QAccessible::Grouping>();
}
