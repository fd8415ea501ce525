#include "contentfonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace contentfonts {

namespace {

const char *const fontFiles[] = {
    // Tahoma comes with the Windows-compatibility fonts, which fontconfig does not list.
    "/usr/share/wine/fonts/tahoma.ttf",
    "/usr/share/wine/fonts/tahomabd.ttf",
    "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf",
    "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf",
    "/usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf",
    "/usr/share/fonts/truetype/liberation/LiberationSerif-Bold.ttf",
};

} // namespace

bool registerFonts(QString *error)
{
    for (const char *file : fontFiles) {
        if (QFontDatabase::addApplicationFont(QString::fromLatin1(file)) < 0) {
            *error = QStringLiteral("cannot load font %1").arg(QString::fromLatin1(file));
            return false;
        }
    }
    return true;
}

QFont font(const QString &family, int pixelSize, bool bold)
{
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    // Subpixel colour fringes and the desktop's hinting choice would both make the
    // same picture come out differently from one machine's settings to another's.
    f.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias |
                                            QFont::NoFontMerging));
    f.setHintingPreference(QFont::PreferVerticalHinting);
    return f;
}

} // namespace contentfonts
