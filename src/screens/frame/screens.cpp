#include "frame/screens.h"

#include "frame/backdrop.h"
#include "frame/screenhost.h"

#include <QApplication>

void Screens::unload(Screen *screen)
{
    if (!screen)
        return;
    for (auto it = m_loaded.begin(); it != m_loaded.end(); ++it) {
        if (it->second == screen) {
            m_loaded.erase(it);
            break;
        }
    }
    // The window's own focus widget: the window need not be active for the focus to matter.
    const bool hadFocus = screen->isAncestorOf(screen->window()->focusWidget());
    screen->hide();
    screen->deleteLater();
    if (hadFocus)
        if (Screen *next = front())
            next->takeFocus();
}

Screen *Screens::front() const
{
    const QObjectList &children = m_host.backdrop().children();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        auto *screen = qobject_cast<Screen *>(*it);
        if (screen && screen->isVisible() && isLoaded(screen))
            return screen;
    }
    return nullptr;
}

bool Screens::isLoaded(const Screen *screen) const
{
    for (const auto &entry : m_loaded)
        if (entry.second == screen)
            return true;
    return false;
}

void Screens::bringToFront(Screen *screen)
{
    screen->raise();
    screen->show();
    screen->takeFocus();
}
