#include "controls/buttonlabel.h"

#include "controls/focusmark.h"
#include "look/palette.h"

#include <QKeyEvent>
#include <QPainter>

ButtonLabel::ButtonLabel(QWidget *parent) : QAbstractButton(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void ButtonLabel::setBackColour(const QColor &colour)
{
    m_back = colour;
    update();
}

void ButtonLabel::setTextColour(const QColor &colour)
{
    m_text = colour;
    update();
}

void ButtonLabel::setOpaque(bool opaque)
{
    if (m_opaque == opaque)
        return;
    m_opaque = opaque;
    update();
}

void ButtonLabel::setBordered(bool bordered)
{
    m_bordered = bordered;
    update();
}

void ButtonLabel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

QSize ButtonLabel::sizeHint() const
{
    return fontMetrics().size(Qt::TextShowMnemonic, text()) + QSize(8, 6);
}

void ButtonLabel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    if (m_opaque)
        p.fillRect(r, m_back);
    if (m_bordered) {
        p.setPen(colours::borderShadow);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(colours::borderLight);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
    const QRect textArea = r.adjusted(2, 1, -2, -1);
    p.setFont(font());
    if (isEnabled()) {
        p.setPen(m_text);
        p.drawText(textArea, int(m_alignment) | Qt::TextWordWrap, text());
    } else {
        // The engraved look of a greyed label.
        p.setPen(QColor(255, 255, 255, 90));
        p.drawText(textArea.translated(1, 1), int(m_alignment) | Qt::TextWordWrap, text());
        p.setPen(QColor(128, 128, 128));
        p.drawText(textArea, int(m_alignment) | Qt::TextWordWrap, text());
    }
    if (hasFocus())
        focusmark::paint(p, r, m_text, m_back);
}

void ButtonLabel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        animateClick();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}
