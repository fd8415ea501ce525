#pragma once

#include "desktop/randomsource.h"
#include "desktop/speech.h"
#include "desktop/weblink.h"
#include "embossing/embossers.h"
#include "frame/dialogs.h"
#include "printing/printdevice.h"

#include <functional>
#include <memory>

// Everything outside the process that the screens reach, so tests can stand in for it.
struct Services
{
    std::unique_ptr<Dialogs> dialogs;
    std::unique_ptr<WebLink> webLink;
    // Ends the program at once with the given exit status.
    std::function<void(int)> quit;
    // A fresh document on the default printer, for one printout.
    std::function<std::unique_ptr<PrintDevice>()> printer;
    // A fresh document on the printer, copies and pages the user chooses in the system's
    // print dialog; nothing when they cancel.
    std::function<std::unique_ptr<PrintDevice>()> chosenPrinter;
    // A fresh document that becomes a PDF file at a path.
    std::function<std::unique_ptr<PrintDevice>(const QString &)> pdfFile;
    std::unique_ptr<RandomSource> random;
    // The printers a Braille file can be sent to as it is.
    std::unique_ptr<Embossers> embossers;
    // Reading aloud; none stands for a machine that cannot speak.
    std::unique_ptr<Speech> speech;

    static Services real();
};
