#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Questions as a GIFT file writes them, before any rule of the worksheets is applied: the
// file's own text, with its escapes undone and its feedback dropped.
namespace gift {

enum class Kind {
    MultipleChoice, // ~ and = answers
    TrueFalse,
    ShortAnswer,    // = answers only
    Matching,
    Numerical,
    Essay,          // an empty answer block
    Description,    // no answer block at all
};

struct Answer
{
    QString text;
    double fraction = 0; // 1 for full marks
};

struct Question
{
    QString category; // the last $CATEGORY: before it, as written
    QString name;     // from ::name::, or empty
    QString format;   // "html", "moodle", "plain", "markdown", or empty for the default
    QString text;     // with "_____" where an answer block stood inside it
    Kind kind = Kind::Description;
    QList<Answer> answers;
};

// The file's text: UTF-8 with or without a byte-order mark, else windows-1252.
QString decode(const QByteArray &bytes);

struct Reading
{
    QList<Question> questions;
    QString problem; // why the file cannot be read, when it cannot
};

Reading read(const QString &text);

} // namespace gift
