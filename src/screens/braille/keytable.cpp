#include "braille/keytable.h"

#include "braille/braillecell.h"
#include "controls/accessiblefactory.h"
#include "controls/controls.h"
#include "controls/focusmark.h"
#include "controls/place.h"
#include "look/fonts.h"
#include "look/palette.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

namespace {
const QSizeF letterSize(525, 540);
constexpr int perRow = 13;

// The twips the 26 letters cover.
QRectF keyArea()
{
    const QPointF first = braille::keyLetterTopLeft(0);
    const QPointF last = braille::keyLetterTopLeft(braille::letterCount - 1);
    return QRectF(first, last + QPointF(letterSize.width(), letterSize.height()));
}
} // namespace

KeyTable::KeyTable(QWidget *parent) : QWidget(parent)
{
    installAccessibleRole<KeyTable, QAccessible::Table>();
    setObjectName(QStringLiteral("Key"));
    setAccessibleName(QStringLiteral("Key"));
    setFocusPolicy(Qt::TabFocus);
    const QRectF area = keyArea();
    placeTwips(this, area.x(), area.y(), area.width(), area.height());
}

void KeyTable::placeLetters()
{
    const QFont font = fonts::screenFont(fonts::arial, 24);
    const QPointF corner = keyArea().topLeft();
    for (int code = 0; code < braille::letterCount; ++code) {
        const QString letter(QChar('a' + code));
        QLabel *label = controls::textLabel(this, QStringLiteral("Label5(%1)").arg(code), letter,
                                            {braille::keyLetterTopLeft(code) - corner, letterSize},
                                            font, colours::commandText);
        label->setAccessibleName(
            QStringLiteral("%1, dots %2").arg(letter, braille::raisedDotNumbers(code)));
        label->installEventFilter(this);
        label->show();
        m_letters.append(label);
    }
    controls::clipToChildren(this);
    // The key's stop in the tab order gives the focus to the letter last read.
    setFocusProxy(m_letters.at(m_current));
}

void KeyTable::goTo(int code)
{
    if (code < 0 || code >= m_letters.size() || code == m_current)
        return;
    m_current = code;
    setFocusProxy(m_letters.at(code));
    m_letters.at(code)->setFocus(Qt::OtherFocusReason);
}

void KeyTable::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text().toLower();
    const int letter = typed.size() == 1 ? braille::letterCode(typed.front()) : -1;
    if (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
        goTo(m_current - 1);
        break;
    case Qt::Key_Right:
        goTo(m_current + 1);
        break;
    case Qt::Key_Up:
        goTo(m_current - perRow);
        break;
    case Qt::Key_Down:
        goTo(m_current + perRow);
        break;
    case Qt::Key_Home:
        goTo(0);
        break;
    case Qt::Key_End:
        goTo(braille::letterCount - 1);
        break;
    default:
        if (letter < 0 || letter >= braille::letterCount) {
            // Escape and the rest go on to the screen.
            QWidget::keyPressEvent(event);
            return;
        }
        goTo(letter);
    }
}

bool KeyTable::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        update();
    return QWidget::eventFilter(watched, event);
}

void KeyTable::paintEvent(QPaintEvent *)
{
    QLabel *current = m_letters.value(m_current);
    if (!current || !current->hasFocus())
        return;
    QPainter p(this);
    focusmark::paint(p, current->geometry(), colours::commandText, colours::black);
}
