#pragma once

#include <QIcon>

struct AppState;
class Backdrop;
class Dialogs;
class Navigation;
class ReadAloud;
class Screens;
struct Services;

// What a screen asks of the program, and nothing more: the backdrop it lies on, the icon its
// frame shows, the message boxes, the screens it opens and closes, the ways to another
// feature, what the screens share, the world outside and the sound switch.
class ScreenHost
{
public:
    virtual ~ScreenHost() = default;
    virtual Backdrop &backdrop() = 0;
    virtual QIcon applicationIcon() = 0;
    virtual Dialogs &dialogs() = 0;
    virtual Screens &screens() = 0;
    virtual Navigation &navigation() = 0;
    virtual AppState &state() = 0;
    virtual Services &services() = 0;
    virtual ReadAloud &readAloud() = 0;
};
