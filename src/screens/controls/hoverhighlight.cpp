#include "controls/hoverhighlight.h"

#include "controls/buttonlabel.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

HoverHighlight::HoverHighlight(QWidget *background, bool highlightOnLabel, QObject *parent)
    : QObject(parent), m_background(background), m_highlightOnLabel(highlightOnLabel)
{
    m_background->setMouseTracking(true);
    m_background->installEventFilter(this);
}

void HoverHighlight::addLabel(ButtonLabel *label, bool inResetRange)
{
    if (inResetRange)
        m_resetRange.append(label);
    label->installEventFilter(this);
}

bool HoverHighlight::eventFilter(QObject *watched, QEvent *event)
{
    const bool hoverLike = event->type() == QEvent::MouseMove || event->type() == QEvent::FocusIn;
    if (!hoverLike)
        return false;
    if (watched == m_background) {
        // Only the background itself counts, not a move passed up from a control on it.
        const auto *move = static_cast<QMouseEvent *>(event);
        if (event->type() == QEvent::MouseMove &&
            !m_background->childAt(move->position().toPoint()))
            backgroundMoved();
    } else if (m_highlightOnLabel) {
        // A label reached with the keyboard lights up as one under the pointer does.
        if (auto *label = qobject_cast<ButtonLabel *>(watched))
            label->setOpaque(true);
    }
    return false;
}

void HoverHighlight::backgroundMoved()
{
    for (const auto &label : m_resetRange)
        if (label)
            label->setOpaque(false);
}
