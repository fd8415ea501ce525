#include "embossing/louistranslator.h"

#include <liblouis.h>

#include <vector>

namespace {
std::vector<widechar> wideChars(const QString &text)
{
    std::vector<widechar> chars;
    if constexpr (sizeof(widechar) == 2) {
        for (const QChar c : text)
            chars.push_back(c.unicode());
    } else {
        for (const char32_t c : text.toUcs4())
            chars.push_back(c);
    }
    return chars;
}

// The cells liblouis gives for chars, or nothing when it fails.
std::optional<std::vector<widechar>> louisTranslate(const QByteArray &tables,
                                                    const std::vector<widechar> &chars, int mode)
{
    // Contractions shorten; numbers, capitals and indicators lengthen, rarely past three
    // cells a character. Should the output fill the buffer, it is tried again larger.
    for (std::size_t room = chars.size() * 3 + 16;; room *= 2) {
        std::vector<widechar> out(room);
        int inLength = int(chars.size());
        int outLength = int(room);
        if (!lou_translateString(tables.constData(), chars.data(), &inLength, out.data(),
                                 &outLength, nullptr, nullptr, mode))
            return std::nullopt;
        if (inLength == int(chars.size()) && outLength < int(room)) {
            out.resize(std::size_t(outLength));
            return out;
        }
        if (room > chars.size() * 64 + 1024)
            return std::nullopt;
    }
}
} // namespace

LouisTranslator::LouisTranslator(BrailleGrade grade) : m_tables(tables(grade)) {}

QByteArray LouisTranslator::tables(BrailleGrade grade)
{
    return grade == BrailleGrade::Uncontracted ? QByteArrayLiteral("en-us-brf.dis,en-ueb-g1.ctb")
                                               : QByteArrayLiteral("en-us-brf.dis,en-ueb-g2.ctb");
}

QString LouisTranslator::untranslatableIn(const QString &text)
{
    // liblouis writes a character it has no Braille for as an escape of its code, which an
    // embosser would print as nonsense; asked alone with undefined characters dropped, such
    // a character gives no cells at all.
    QString missing;
    for (const char32_t c : text.toUcs4()) {
        if (m_known.contains(c) || QChar::isSpace(c))
            continue;
        const std::optional<std::vector<widechar>> cells =
            louisTranslate(m_tables, wideChars(QString::fromUcs4(&c, 1)), noUndefined);
        if (cells && !cells->empty())
            m_known.insert(c);
        else if (!missing.contains(QString::fromUcs4(&c, 1)))
            missing += QString::fromUcs4(&c, 1);
    }
    return missing;
}

std::optional<QByteArray> LouisTranslator::translate(const QString &text, QString *untranslatable)
{
    const QString paragraph = text.simplified();
    if (const QString missing = untranslatableIn(paragraph); !missing.isEmpty()) {
        if (untranslatable)
            *untranslatable = missing;
        return std::nullopt;
    }
    const std::optional<std::vector<widechar>> cells =
        louisTranslate(m_tables, wideChars(paragraph), 0);
    if (!cells) {
        if (untranslatable)
            *untranslatable = paragraph;
        return std::nullopt;
    }
    QByteArray bytes;
    bytes.reserve(qsizetype(cells->size()));
    for (const widechar cell : *cells) {
        // ASCII Braille has 64 cells, from the blank to the underscore; anything else is
        // not Braille an embosser can print.
        if (cell < 0x20 || cell > 0x7e) {
            if (untranslatable)
                *untranslatable = paragraph;
            return std::nullopt;
        }
        bytes += char(cell);
    }
    return bytes;
}
