#pragma once

#include "classroom/classroom.h"

#include <QStringList>

class QTextStream;

// The technician's way in: importing, exporting, printing to PDF, listing worksheets and
// showing results from a terminal, on the working folder the program uses, without a display.
namespace commandline {

// True when the arguments ask for one of these rather than the program's screens; Qt's
// own single-dash options still go to the screens.
bool isRequested(int argc, const char *const *argv);

// Runs what the arguments ask for. The exit status: 0 when something was saved or
// written, 1 with a reason on err when nothing was, 2 for a wrong command line.
// Relative file names are taken from the folder the command was started in, which the
// installed launcher passes on in ZORVANEL_STARTED_IN. A pupil may not import, export or
// see results.
int run(const QStringList &arguments, QTextStream &out, QTextStream &err,
        const Classroom &classroom = Classroom());

} // namespace commandline
