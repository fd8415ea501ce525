#include "controls/place.h"

#include "look/twips.h"

#include <QWidget>

void placeTwips(QWidget *widget, double left, double top, double width, double height)
{
    widget->setGeometry(Twips::toPixels(left, top, width, height));
}
