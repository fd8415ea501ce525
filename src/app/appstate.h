#pragma once

#include "worksheets/worksheetindex.h"

// What the screens share for the whole run, handed to every screen.
struct AppState
{
    int soundOn = 1; // 1 on, 0 off; nothing plays sound, the menu keeps the choice
    int viewerPage = 1;
    WorksheetIndex worksheetIndex;
};
