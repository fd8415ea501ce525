#include "app/application.h"

#include "ui/fonts.h"
#include "ui/pictureview.h"
#include "ui/twips.h"
#include "ui/zoomstyle.h"

#include <QApplication>
#include <QScreen>

void prepareApplication()
{
    QApplication::setApplicationName(QStringLiteral("Zorvanel"));
    fonts::registerFonts();
    if (const QScreen *display = QGuiApplication::primaryScreen())
        Twips::setZoom(Twips::zoomFor(display->geometry().size()));
    QApplication::setStyle(new ZoomStyle);
    PictureView::installAccessibility();
}
