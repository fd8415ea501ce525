#pragma once

#include <QList>
#include <QString>

// A question as a question bank file gives it, before any rule of the worksheets is
// applied: the file's own text, with its escapes undone and its feedback dropped.
namespace exchange {

enum class Kind {
    MultipleChoice,   // one right answer among others
    MultipleResponse, // choices of which several may be right
    TrueFalse,
    ShortAnswer,
    Matching,
    Numerical,
    Essay,
    Description, // text with no question
    Cloze,       // answers embedded in the text
    Other,       // a kind the worksheets do not know: see Question::otherKind
};

struct Answer
{
    QString text;
    QString format;      // as for the question's text
    double fraction = 0; // 1 for full marks
};

struct Question
{
    QString category; // the category it was filed under, as written
    QString name;     // its name in the bank, or empty
    QString format;   // "html", "moodle", "plain", "markdown", or empty for plain
    QString text;     // with "_____" where an answer block stood inside it
    Kind kind = Kind::Description;
    QString otherKind; // the file's own name for a kind of Other
    QList<Answer> answers;
    int line = 0;    // where it starts in its file, for the teacher to find it
    QString problem; // why it cannot be read, when the file around it can
};

} // namespace exchange
