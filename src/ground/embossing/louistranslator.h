#pragma once

#include "embossing/brailletranslator.h"

#include <QSet>

// Unified English Braille through liblouis, shown in North American ASCII Braille.
class LouisTranslator : public BrailleTranslator
{
public:
    explicit LouisTranslator(BrailleGrade grade);
    std::optional<QByteArray> translate(const QString &text, QString *untranslatable) override;

    // The table list liblouis is given, as its own tools take it.
    static QByteArray tables(BrailleGrade grade);

private:
    QString untranslatableIn(const QString &text);

    QByteArray m_tables;
    // Characters already found to have Braille, so each is asked about once.
    QSet<char32_t> m_known;
};
