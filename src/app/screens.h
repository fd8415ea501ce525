#pragma once

#include "ui/screen.h"

#include <QPointer>

#include <QString>

#include <functional>
#include <map>
#include <typeindex>

class AppContext;

// Loads, shows and unloads the screens. Touching a screen loads it (constructs it and runs
// its load()) without showing it; one instance of each screen at a time.
class Screens
{
public:
    explicit Screens(AppContext &context) : m_context(context) {}

    template <class T> T *find() const
    {
        auto it = m_loaded.find(typeid(T));
        return it == m_loaded.end() ? nullptr : static_cast<T *>(it->second.data());
    }

    template <class T> T *touch()
    {
        if (T *screen = find<T>())
            return screen;
        T *screen = new T(m_context);
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

    // Makes a screen reachable by its design name, so that a screen can open another
    // without knowing its type.
    template <class T> void declare(const QString &name)
    {
        m_byName[name] = [this]() -> Screen * { return touch<T>(); };
    }
    // Null when no screen of that name is declared.
    Screen *touch(const QString &name);
    Screen *show(const QString &name);

    // Closes a screen and uncovers what lies behind it. Safe to call from the screen's
    // own event handlers.
    void unload(Screen *screen);
    // The screen in front, or null.
    Screen *front() const;
    bool isLoaded(const Screen *screen) const;

private:
    void bringToFront(Screen *screen);

    AppContext &m_context;
    std::map<std::type_index, QPointer<Screen>> m_loaded;
    std::map<QString, std::function<Screen *()>> m_byName;
};
