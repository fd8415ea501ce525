#pragma once

#include "frame/appstate.h"
#include "frame/backdrop.h"
#include "frame/navigation.h"
#include "frame/readaloud.h"
#include "frame/screenhost.h"
#include "frame/screens.h"
#include "frame/services.h"

#include <memory>

// The program's one context: its state, the world outside it, the backdrop and the
// screens on it. Screens see it as their host.
class AppContext : public ScreenHost
{
public:
    explicit AppContext(Services services);
    ~AppContext() override;
    AppContext(const AppContext &) = delete;
    AppContext &operator=(const AppContext &) = delete;

    Backdrop &backdrop() override { return *m_backdrop; }
    // Loaded from its file once; the backdrop takes it too, and comes up over the display
    // as the first screen is set up.
    QIcon applicationIcon() override;
    Dialogs &dialogs() override { return *m_services.dialogs; }
    Screens &screens() override { return m_screens; }
    Navigation &navigation() override { return *m_navigation; }
    AppState &state() override { return m_state; }
    Services &services() override { return m_services; }
    ReadAloud &readAloud() override { return m_readAloud; }

    void setNavigation(std::unique_ptr<Navigation> navigation);

private:
    AppState m_state;
    Services m_services;
    ReadAloud m_readAloud;
    std::unique_ptr<Backdrop> m_backdrop;
    Screens m_screens;
    std::unique_ptr<Navigation> m_navigation;
    QIcon m_icon;
    bool m_iconLoaded = false;
};
