#include "braille/cipherwords.h"

namespace cipher {

QStringList words()
{
    return {
        QStringLiteral("fascinating"), QStringLiteral("attached"),     QStringLiteral("dangerous"),
        QStringLiteral("listening"),   QStringLiteral("special"),      QStringLiteral("musical"),
        QStringLiteral("instruments"), QStringLiteral("developed"),    QStringLiteral("working"),
        QStringLiteral("officer"),     QStringLiteral("army"),         QStringLiteral("matrix"),
        QStringLiteral("characters"),  QStringLiteral("accomplished"), QStringLiteral("cello"),
        QStringLiteral("tremendous"),  QStringLiteral("talent"),       QStringLiteral("pattern"),
        QStringLiteral("universal"),   QStringLiteral("published"),
    };
}

int problemIndex(double r, int count)
{
    if (!(r > 0)) // also a number that is not a number
        return 0;
    // A number just below 1 times the count can round up to the count itself, one past
    // the list.
    const double scaled = r * count;
    return scaled >= count ? count - 1 : int(scaled);
}

QString spokenAnswer(const QString &word)
{
    QStringList letters;
    for (const QChar letter : word)
        letters.append(letter.toUpper());
    return letters.join(QStringLiteral(", ")) + QStringLiteral(". ") + word.toLower() + u'.';
}

} // namespace cipher
