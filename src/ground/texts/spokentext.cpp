#include "texts/spokentext.h"

namespace {

bool closesSentence(const QString &text)
{
    static const QString marks = QStringLiteral(".?!:;");
    return !text.isEmpty() && marks.contains(text.back());
}

QString withStop(const QString &text)
{
    return closesSentence(text) ? text : text + u'.';
}

} // namespace

namespace spokentext {

QString sentences(const QStringList &parts)
{
    QStringList spoken;
    for (const QString &part : parts) {
        const QString text = part.trimmed();
        if (!text.isEmpty())
            spoken.append(withStop(text));
    }
    return spoken.join(u' ');
}

QString page(const QString &lines)
{
    QStringList kept;
    for (const QString &line : lines.split(u'\n')) {
        const QString text = line.trimmed();
        if (!text.isEmpty())
            kept.append(text);
    }
    QString spoken;
    for (qsizetype k = 0; k < kept.size(); ++k) {
        const QString &line = kept.at(k);
        const bool last = k + 1 == kept.size();
        const QChar next = last ? QChar() : kept.at(k + 1).front();
        const bool standsAlone = last || next.isUpper() || next.isDigit();
        if (!spoken.isEmpty())
            spoken += u' ';
        spoken += standsAlone ? withStop(line) : line;
    }
    return spoken;
}

} // namespace spokentext
