#pragma once

#include <QString>

#include <functional>

class ScreenHost;
class PrintSurface;

// Runs one printout on the default printer and tells the user how it went: the success
// message (none when it is empty), the printing problem, or, for anything that escapes the
// printout, that printing was cancelled. Nothing is sent unless the whole printout succeeded, and
// the screen that asked stays, ready to print again.
void runPrintJob(ScreenHost &host, const std::function<bool(PrintSurface &)> &printout,
                 const QString &successMessage);

// The same printout on the printer, copies and pages the user chooses in the system's print
// dialog; nothing happens when they cancel it.
void runChosenPrintJob(ScreenHost &host, const std::function<bool(PrintSurface &)> &printout,
                       const QString &successMessage);

// The same printout as a PDF file at a path, for sending on or printing elsewhere; the
// file is there whole or not at all.
void runPdfJob(ScreenHost &host, const QString &path,
               const std::function<bool(PrintSurface &)> &printout, const QString &successMessage);
