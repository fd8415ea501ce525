#pragma once

#include "pagecanvas.h"

#include <QFont>
#include <QStringList>

// The page fonts as the tool measures and previews them: each face the program maps is
// read from the same font file here, so widths measured now hold when the page is shown.
namespace pagefonts {

inline const QString arial = QStringLiteral("Arial");
inline const QString tahoma = QStringLiteral("Tahoma");
inline const QString timesNewRoman = QStringLiteral("Times New Roman");

// The face at pixelSize pixels to the em.
QFont qtFont(const PageFont &font, int pixelSize);

// Measures in twips, for a font whose em is font.height twips.
qreal advance(const PageFont &font, const QString &text);
qreal ascent(const PageFont &font);

// Breaks words into lines no wider than width twips.
QStringList wrapWords(const QString &words, const PageFont &font, int width);

} // namespace pagefonts
