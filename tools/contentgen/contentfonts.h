#pragma once

#include <QFont>
#include <QString>

// The fonts the drawings use, loaded from fixed files so that the pictures do not
// change with whatever fontconfig would pick on a given machine.
namespace contentfonts {

inline const QString tahoma = QStringLiteral("Tahoma");
inline const QString sans = QStringLiteral("Liberation Sans");
inline const QString serif = QStringLiteral("Liberation Serif");

// Returns false and names the missing file in *error when a font cannot be loaded.
bool registerFonts(QString *error);

// A font at an exact pixel size, greyscale-antialiased, with hinting fixed.
QFont font(const QString &family, int pixelSize, bool bold = false);

} // namespace contentfonts
