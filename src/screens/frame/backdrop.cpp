#include "frame/backdrop.h"

#include "look/palette.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

Backdrop::Backdrop(std::function<void()> onCloseRequest)
    : m_onCloseRequest(std::move(onCloseRequest))
{
    setObjectName(QStringLiteral("Grey"));
    setWindowTitle(QStringLiteral("Zorvanel"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, colours::backdrop);
    setPalette(p);
}

void Backdrop::showOnDisplay()
{
    if (isVisible())
        return;
    // Without a window manager a full-screen request does not resize, so size it first.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->geometry());
    showFullScreen();
}

void Backdrop::closeEvent(QCloseEvent *event)
{
    // A close request from the window system ends the program as the closing screen's
    // Exit does.
    event->ignore();
    if (m_onCloseRequest)
        m_onCloseRequest();
}
