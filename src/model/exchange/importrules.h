#pragma once

#include "worksheets/worksheetdraft.h"

#include <QString>
#include <QStringList>

#include <array>

namespace exchange {
struct Question;
}

// Which read questions a worksheet can hold, and in what words: the wizard's limits, the
// worksheet file's code page, plain text only. Nothing is cut or replaced silently: a
// question either fits as it stands, or fits once the teacher rewrites a text that is too
// long or holds an "&" that "and" would not say, or is skipped with its reason.
namespace importrules {

enum class Outcome { Skipped, Usable, ToRewrite };

struct Verdict
{
    Outcome outcome = Outcome::Skipped;
    QString who;       // the question's name, or its first words
    int line = 0;      // where the question starts in its file, 0 when not known
    QString reason;    // why it was skipped, or why it must be rewritten, in plain words
    QStringList notes; // what was changed on the way, for the report
    QString text;      // texts in full, even those longer than their box
    std::array<QString, WorksheetDraft::answersPerQuestion> answers;
    int correct = 0; // 1 to 4
    // Why the teacher must rewrite each text, if they must.
    BoxMark::Why textRewrite = BoxMark::None;
    std::array<BoxMark::Why, WorksheetDraft::answersPerQuestion> answerRewrites{};
};

// Text in any of the formats as one line of plain text, HTML as a browser shows it, runs of
// white space one blank. *lost names what the words alone do not show (a picture, a
// table), as in "holds a table, which a worksheet cannot show"; empty when nothing is.
QString plainText(const QString &text, const QString &format, QString *lost);

Verdict judge(const exchange::Question &question);

} // namespace importrules
