#include "frame/application.h"

#include "controls/controlgroup.h"
#include "controls/pictureview.h"
#include "controls/readablepicture.h"
#include "controls/zoomstyle.h"
#include "frame/screen.h"
#include "look/fonts.h"
#include "look/twips.h"

#include <QAccessible>
#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

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
    ReadablePicture::installAccessibility();
    Screen::installAccessibility();
    ControlGroup::installAccessibility();
}

void repeatFirstFocus(QWidget *window)
{
    for (int ms : {1000, 2500, 5000}) {
        QTimer::singleShot(ms, window, [window] {
            QWidget *focus = window->focusWidget();
            if (!QAccessible::isActive() || !window->isActiveWindow() || !focus)
                return;
            QAccessibleEvent focused(focus, QAccessible::Focus);
            QAccessible::updateAccessibility(&focused);
        });
    }
}
