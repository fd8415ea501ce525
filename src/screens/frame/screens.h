#pragma once

#include "frame/screen.h"

#include <QPointer>

#include <map>
#include <typeindex>

class ScreenHost;

// Loads, shows and unloads the screens. Touching a screen loads it (constructs it and runs
// its load()) without showing it; one instance of each screen at a time.
class Screens
{
public:
    explicit Screens(ScreenHost &host) : m_host(host) {}

    template <class T> T *find() const
    {
        auto it = m_loaded.find(typeid(T));
        return it == m_loaded.end() ? nullptr : static_cast<T *>(it->second.data());
    }

    template <class T> T *touch()
    {
        if (T *screen = find<T>())
            return screen;
        T *screen = new T(m_host);
        // Registered before load() so that a load that touches this screen again finds it.
        m_loaded[typeid(T)] = screen;
        screen->load();
        return screen;
    }

    template <class T> T *show()
    {
        T *screen = touch<T>();
        bringToFront(screen);
        return screen;
    }

    // Closes a screen and uncovers what lies behind it. Safe to call from the screen's
    // own event handlers.
    void unload(Screen *screen);
    // The screen in front, or null.
    Screen *front() const;
    bool isLoaded(const Screen *screen) const;

private:
    void bringToFront(Screen *screen);

    ScreenHost &m_host;
    std::map<std::type_index, QPointer<Screen>> m_loaded;
};
