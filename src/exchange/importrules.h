#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace exchange {
struct Question;
}

// Which read questions a worksheet can hold, and in what words: the wizard's limits, the
// worksheet file's code page, plain text only. Nothing is cut or replaced silently.
namespace importrules {

struct Verdict
{
    bool usable = false;
    QString who;     // the question's name, or its first words
    QString reason;  // why it was skipped, in plain words
    QStringList notes; // what was changed on the way, for the report
    QString text;
    std::array<QString, 4> answers;
    int correct = 0; // 1 to 4
};

// Text in any of the formats, as one line of plain text: markup read by Qt's own readers,
// runs of white space one blank. *leftOut says whether a picture or sound was dropped.
QString plainText(const QString &text, const QString &format, bool *leftOut);

Verdict judge(const exchange::Question &question);

} // namespace importrules
