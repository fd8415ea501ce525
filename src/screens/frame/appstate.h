#pragma once

#include "classroom/classroom.h"
#include "worksheets/worksheetindex.h"

// What the screens share for the whole run, and nothing that one screen keeps for itself.
struct AppState
{
    // The acknowledgements' logo animation, 0 to 19, kept between openings of the page.
    int logoFrame = 0;
    // The menu reads it, the wizard adds to it, the catalogue shows it.
    WorksheetIndex worksheetIndex;
    // Who is at the keyboard: what they may do, and the name their results go under.
    Classroom classroom;
};
