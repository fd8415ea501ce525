#pragma once

#include "contentoutputs.h"

#include <QImage>

// The application's icon for the desktop's menus, at the sizes icon themes look for, made
// from the same 32-pixel drawing the program's window shows.
namespace desktopicons {

// The icon at size x size pixels: its pixels grown whole to the next multiple of 32 at or
// above the size, so the dots stay crisp, then smoothed down to the size.
QImage iconAt(int size);

// hicolor/NxN/apps/NAME.png for each usual size, as PNG.
QList<ContentFile> files(const QString &name);

} // namespace desktopicons
