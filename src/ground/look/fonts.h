#pragma once

#include <QFont>
#include <QString>

namespace fonts {
inline const QString tahoma = QStringLiteral("Tahoma");
inline const QString arial = QStringLiteral("Arial");
inline const QString timesNewRoman = QStringLiteral("Times New Roman");

// Makes the fonts the screens are designed in available to Qt. Call once, after the
// application object exists.
void registerFonts();
// A font of the screens' designs: points at 96 dots to the inch, times the display zoom.
QFont screenFont(const QString &family, double points, bool bold = false);
} // namespace fonts
