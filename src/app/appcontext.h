#pragma once

#include "app/appstate.h"
#include "app/backdrop.h"
#include "app/screens.h"
#include "app/services.h"

#include <QIcon>

#include <memory>

// The program's one context: its state, the world outside it, the backdrop and the
// screens on it. Handed to every screen.
class AppContext
{
public:
    explicit AppContext(Services services);
    ~AppContext();
    AppContext(const AppContext &) = delete;
    AppContext &operator=(const AppContext &) = delete;

    AppState state;
    Services services;

    Backdrop &backdrop() { return *m_backdrop; }
    Screens &screens() { return m_screens; }
    // The icon every screen's frame shows; it is held by the closing screen, so asking
    // for it loads that screen when it is not loaded.
    QIcon applicationIcon();

private:
    std::unique_ptr<Backdrop> m_backdrop;
    Screens m_screens;
};
