#include "controls/readablepicture.h"

#include "controls/accessiblefactory.h"
#include "controls/focusmark.h"
#include "look/palette.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>

#include <optional>

namespace {

std::optional<TextCaret::Move> moveFor(const QKeyEvent &event)
{
    using Move = TextCaret::Move;
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    const bool control = modifiers == Qt::ControlModifier;
    if (modifiers != Qt::NoModifier && !control)
        return std::nullopt;
    switch (event.key()) {
    case Qt::Key_Left:
        return control ? Move::PreviousWord : Move::PreviousCharacter;
    case Qt::Key_Right:
        return control ? Move::NextWord : Move::NextCharacter;
    case Qt::Key_Up:
        return control ? std::nullopt : std::optional(Move::PreviousLine);
    case Qt::Key_Down:
        return control ? std::nullopt : std::optional(Move::NextLine);
    case Qt::Key_Home:
        return control ? Move::TextStart : Move::LineStart;
    case Qt::Key_End:
        return control ? Move::TextEnd : Move::LineEnd;
    default:
        return std::nullopt;
    }
}

// A label, to a screen reader: Orca reads a label's whole text with the screen it lies on
// as the screen opens, and again when the focus comes to it, where it gives only the
// caret's line of a document. It tells of no relation either: Orca leaves out of a screen's
// reading any label that labels or is labelled, and the page's own label, "Page 2 of 5", is
// its first line instead.
class PageAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit PageAccessible(ReadablePicture *page)
        : QAccessibleWidget(page, QAccessible::StaticText)
    {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        return state;
    }

    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation) const override
    {
        return {};
    }

    QString text(QAccessible::Text kind) const override
    {
        // Orca takes a label's name for its text.
        if (kind == QAccessible::Name)
            return caret().text();
        return QAccessibleWidget::text(kind);
    }

    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return caret().position(); }
    void setCursorPosition(int position) override { page()->setCaretPosition(position); }
    QString text(int start, int end) const override
    {
        return caret().text().mid(start, end - start);
    }
    int characterCount() const override { return int(caret().text().size()); }
    // Where each word lies on the page is not known; the page as a whole is.
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    // One run without attributes: readers split a line at every run's end.
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return QString();
    }

private:
    ReadablePicture *page() const { return static_cast<ReadablePicture *>(widget()); }
    const TextCaret &caret() const { return page()->caret(); }
};

QAccessibleInterface *pageOf(ReadablePicture *page)
{
    return new PageAccessible(page);
}

} // namespace

ReadablePicture::ReadablePicture(QWidget *parent, const QString &name, const QRectF &twips)
    : PictureView(parent, name, twips)
{
    setFocusPolicy(Qt::TabFocus);
}

void ReadablePicture::setHeading(const QString &heading)
{
    if (heading == m_heading)
        return;
    m_heading = heading;
    textChanged();
}

const TextCaret &ReadablePicture::caret() const
{
    if (!m_caretRead) {
        const QString &words = pictureText().text;
        m_caret.setText(m_heading.isEmpty() ? words : m_heading + u'\n' + words);
        m_caretRead = true;
    }
    return m_caret;
}

void ReadablePicture::setCaretPosition(int position)
{
    caret();
    const int before = m_caret.position();
    m_caret.setPosition(position);
    if (m_caret.position() != before)
        caretMoved();
}

void ReadablePicture::pictureChanged()
{
    textChanged();
}

void ReadablePicture::textChanged()
{
    const QString before = m_caretRead ? m_caret.text() : QString();
    m_caretRead = false;
    if (!QAccessible::isActive())
        return;
    QAccessibleTextUpdateEvent update(this, 0, before, caret().text());
    QAccessible::updateAccessibility(&update);
    // Orca redraws the Braille display for a change of selection, and says nothing of an
    // empty one: so a new page is on the display at once, its first line at the caret.
    if (hasFocus()) {
        QAccessibleTextSelectionEvent shown(this, 0, 0);
        shown.setCursorPosition(0);
        QAccessible::updateAccessibility(&shown);
    }
}

void ReadablePicture::keyPressEvent(QKeyEvent *event)
{
    const std::optional<TextCaret::Move> move = moveFor(*event);
    if (!move) {
        // Page Up and Page Down, Escape and the rest go on to the screen.
        PictureView::keyPressEvent(event);
        return;
    }
    caret();
    if (m_caret.move(*move))
        caretMoved();
}

void ReadablePicture::caretMoved()
{
    if (!QAccessible::isActive())
        return;
    QAccessibleTextCursorEvent moved(this, m_caret.position());
    QAccessible::updateAccessibility(&moved);
}

void ReadablePicture::paintEvent(QPaintEvent *event)
{
    PictureView::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter p(this);
    focusmark::paint(p, rect(), colours::commandText, colours::black);
}

void ReadablePicture::focusInEvent(QFocusEvent *event)
{
    update();
    PictureView::focusInEvent(event);
}

void ReadablePicture::focusOutEvent(QFocusEvent *event)
{
    update();
    PictureView::focusOutEvent(event);
}

void ReadablePicture::installAccessibility()
{
    installAccessibleFactory<ReadablePicture, pageOf>();
}
