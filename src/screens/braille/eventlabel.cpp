#include "braille/eventlabel.h"

#include "controls/focusmark.h"
#include "look/twips.h"

#include <QKeyEvent>
#include <QPainter>

namespace {
bool isActivation(int key)
{
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}
} // namespace

EventLabel::EventLabel(QWidget *parent, const QString &name) : QLabel(parent)
{
    setObjectName(name);
    setCursor(Qt::OpenHandCursor);
    // Tab alone: a click must not move the focus, so the mouse sees the puzzle as before.
    setFocusPolicy(Qt::TabFocus);
}

void EventLabel::setHeld(bool held)
{
    if (m_held == held)
        return;
    m_held = held;
    QPalette p = palette();
    const QColor text = p.color(QPalette::WindowText);
    p.setColor(QPalette::WindowText, p.color(QPalette::Window));
    p.setColor(QPalette::Window, text);
    setPalette(p);
}

bool EventLabel::event(QEvent *event)
{
    // Escape puts a held event back before any shortcut of the screen can take it.
    if (event->type() == QEvent::ShortcutOverride && m_held &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        event->accept();
        return true;
    }
    return QLabel::event(event);
}

bool EventLabel::focusNextPrevChild(bool next)
{
    if (!m_held)
        return QLabel::focusNextPrevChild(next);
    emit stepped(next ? 1 : -1);
    return true;
}

void EventLabel::focusOutEvent(QFocusEvent *event)
{
    // Another window taking the keys for a while leaves the event in hand.
    const bool away =
        event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason;
    if (m_held && !away)
        emit cancelled();
    QLabel::focusOutEvent(event);
}

void EventLabel::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (isActivation(key) && !event->isAutoRepeat()) {
        emit activated();
    } else if (m_held && (key == Qt::Key_Down || key == Qt::Key_Up)) {
        emit stepped(key == Qt::Key_Down ? 1 : -1);
    } else if (m_held && key == Qt::Key_Escape) {
        emit cancelled();
    } else {
        // Escape with nothing held goes on to the screen.
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
}

void EventLabel::mousePressEvent(QMouseEvent *event)
{
    // Taken here, so the moves that follow come to this label even when the pointer
    // runs ahead of it.
    event->accept();
    emit pressed();
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

void EventLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter p(this);
    focusmark::paint(p, rect(), palette().color(QPalette::WindowText),
                     palette().color(QPalette::Window));
}
