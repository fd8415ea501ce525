#include "pagefonts.h"

#include "contentfonts.h"

#include <QFontMetricsF>

namespace pagefonts {

QFont qtFont(const PageFont &font, int pixelSize)
{
    QString family = contentfonts::sans;
    if (font.face == tahoma)
        family = contentfonts::tahoma;
    else if (font.face == timesNewRoman)
        family = contentfonts::serif;
    return contentfonts::font(family, pixelSize, font.bold);
}

qreal advance(const PageFont &font, const QString &text)
{
    // One pixel to the twip: at hundreds of pixels to the em, hinting no longer moves
    // the advances, which is how the text scales down to any screen.
    return QFontMetricsF(qtFont(font, font.height)).horizontalAdvance(text);
}

qreal ascent(const PageFont &font)
{
    return QFontMetricsF(qtFont(font, font.height)).ascent();
}

QStringList wrapWords(const QString &words, const PageFont &font, int width)
{
    QStringList lines;
    QString line;
    for (const QString &word : words.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && pagefonts::advance(font, longer) > width) {
            lines.append(line);
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.isEmpty())
        lines.append(line);
    return lines;
}

} // namespace pagefonts
