#include "braille/eventlabel.h"

#include "ui/twips.h"

#include <QMouseEvent>

EventLabel::EventLabel(QWidget *parent, const QString &name) : QLabel(parent)
{
    setObjectName(name);
    setCursor(Qt::OpenHandCursor);
}

void EventLabel::mousePressEvent(QMouseEvent *event)
{
    // Taken here, so the moves that follow come to this label even when the pointer
    // runs ahead of it.
    event->accept();
}

void EventLabel::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    // The left button and no other: a right or a two-button drag moves nothing.
    if (event->buttons() == Qt::LeftButton)
        emit dragged(Twips::fromPixels(event->position()));
}

void EventLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    emit dropped();
}
