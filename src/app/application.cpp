#include "app/application.h"

#include "ui/fonts.h"
#include "ui/pictureview.h"
#include "ui/screen.h"
#include "ui/twips.h"
#include "ui/zoomstyle.h"

#include <QApplication>
#include <QScreen>

void prepareApplication()
{
    QApplication::setApplicationName(QStringLiteral("Zorvanel"));
    // Ties the window to the menu entry of an installed copy, for its icon and its name.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.quillmere.zorvanel"));
    fonts::registerFonts();
    if (const QScreen *display = QGuiApplication::primaryScreen())
        Twips::setZoom(Twips::zoomFor(display->geometry().size()));
    QApplication::setStyle(new ZoomStyle);
    PictureView::installAccessibility();
    Screen::installAccessibility();
}
