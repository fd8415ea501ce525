#include "pictures/textcaret.h"

#include <QTextBoundaryFinder>

#include <algorithm>

void TextCaret::setText(const QString &text)
{
    m_text = text;
    m_position = 0;
}

void TextCaret::setPosition(int position)
{
    m_position = std::clamp(position, 0, int(m_text.size()));
}

int TextCaret::lineStart(int position) const
{
    return position == 0 ? 0 : int(m_text.lastIndexOf(u'\n', position - 1)) + 1;
}

int TextCaret::lineEnd(int position) const
{
    const qsizetype end = m_text.indexOf(u'\n', position);
    return end < 0 ? int(m_text.size()) : int(end);
}

int TextCaret::lineAway(int lines) const
{
    const int column = m_position - lineStart(m_position);
    int start = lineStart(m_position);
    for (; lines < 0; ++lines) {
        if (start == 0)
            return m_position;
        start = lineStart(start - 1);
    }
    for (; lines > 0; --lines) {
        const int end = lineEnd(start);
        if (end == m_text.size())
            return m_position;
        start = end + 1;
    }
    return std::min(start + column, lineEnd(start));
}

int TextCaret::wordAway(bool forwards) const
{
    QTextBoundaryFinder words(QTextBoundaryFinder::Word, m_text);
    words.setPosition(m_position);
    // Forwards to the end of a word, backwards to its start, as text boxes move and screen
    // readers expect; the blanks and stops between words are passed over.
    const QTextBoundaryFinder::BoundaryReason stop =
        forwards ? QTextBoundaryFinder::EndOfItem : QTextBoundaryFinder::StartOfItem;
    for (;;) {
        const qsizetype at = forwards ? words.toNextBoundary() : words.toPreviousBoundary();
        if (at < 0)
            return forwards ? int(m_text.size()) : 0;
        if (words.boundaryReasons() & stop)
            return int(at);
    }
}

bool TextCaret::move(Move move)
{
    const int before = m_position;
    switch (move) {
    case Move::PreviousCharacter:
        m_position = std::max(0, m_position - 1);
        break;
    case Move::NextCharacter:
        m_position = std::min(int(m_text.size()), m_position + 1);
        break;
    case Move::PreviousWord:
        m_position = wordAway(false);
        break;
    case Move::NextWord:
        m_position = wordAway(true);
        break;
    case Move::PreviousLine:
        m_position = lineAway(-1);
        break;
    case Move::NextLine:
        m_position = lineAway(1);
        break;
    case Move::LineStart:
        m_position = lineStart(m_position);
        break;
    case Move::LineEnd:
        m_position = lineEnd(m_position);
        break;
    case Move::TextStart:
        m_position = 0;
        break;
    case Move::TextEnd:
        m_position = int(m_text.size());
        break;
    }
    return m_position != before;
}
