#pragma once

#include "platform/printdevice.h"
#include "platform/randomsource.h"
#include "platform/weblink.h"
#include "ui/dialogs.h"

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
    // A fresh document that becomes a PDF file at a path.
    std::function<std::unique_ptr<PrintDevice>(const QString &)> pdfFile;
    std::unique_ptr<RandomSource> random;

    static Services real();
};
