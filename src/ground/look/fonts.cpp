#include "look/fonts.h"

#include "look/twips.h"

#include <QFontDatabase>

namespace fonts {

namespace {
const char *const tahomaFolder = "/usr/share/wine/fonts/";
}

void registerFonts()
{
    // Tahoma ships with the Windows-compatibility fonts, which fontconfig does not list.
    // Its bold file draws thin outlines at large sizes; Qt's emboldening of the regular
    // file reads better on a projector, so only the regular face is registered.
    QFontDatabase::addApplicationFont(QString::fromLatin1(tahomaFolder) + "tahoma.ttf");
    QFont::insertSubstitution(arial, QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(timesNewRoman, QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(tahoma, QStringLiteral("DejaVu Sans"));
}

QFont screenFont(const QString &family, double points, bool bold)
{
    QFont font(family);
    font.setPixelSize(Twips::fontPixels(points));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace fonts
