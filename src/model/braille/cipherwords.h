#pragma once

#include <QStringList>

// The words the cipher puzzle draws, and the choice of one of them.
namespace cipher {

QStringList words();
// The word index Int(r x count) for a random r in [0, 1), kept inside the list.
int problemIndex(double r, int count);
// The answer as it is read aloud: spelt letter by letter in capitals, which a voice names
// as letters, then said as the word: "C, E, L, L, O. cello."
QString spokenAnswer(const QString &word);

} // namespace cipher
