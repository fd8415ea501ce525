#pragma once

#include <QString>

// A caret in a text of lines, moved the way a reader moves it through a document: by a
// character, to the end of a word or back to its start, by a line, to the ends of a line or
// of the whole text. Lines end at '\n'.
class TextCaret
{
public:
    enum class Move {
        PreviousCharacter,
        NextCharacter,
        PreviousWord,
        NextWord,
        PreviousLine,
        NextLine,
        LineStart,
        LineEnd,
        TextStart,
        TextEnd
    };

    // The caret goes back to the start.
    void setText(const QString &text);
    const QString &text() const { return m_text; }

    int position() const { return m_position; }
    // Kept inside the text.
    void setPosition(int position);

    // False when the caret is already as far as that move goes.
    bool move(Move move);

private:
    int lineStart(int position) const;
    int lineEnd(int position) const;
    // A line up or down keeps the caret's column, or stops at the end of a shorter line.
    int lineAway(int lines) const;
    int wordAway(bool forwards) const;

    QString m_text;
    int m_position = 0;
};
