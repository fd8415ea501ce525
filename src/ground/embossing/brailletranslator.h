#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Contracted Braille (grade 2) is what pupils read; uncontracted (grade 1) is for those
// still learning the contractions.
enum class BrailleGrade { Uncontracted = 1, Contracted = 2 };

// Puts print into Braille cells, one byte a cell in ASCII Braille (the code embossers
// print), a blank cell between words. Behind an interface so that page layout can be
// tested apart from the translation tables.
class BrailleTranslator
{
public:
    virtual ~BrailleTranslator() = default;
    // The cells of one paragraph of text; nothing when the tables have no Braille for some
    // of its characters, which then go to *untranslatable.
    virtual std::optional<QByteArray> translate(const QString &text, QString *untranslatable) = 0;
};
