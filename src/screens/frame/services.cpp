#include "frame/services.h"

#include "frame/desktopspeech.h"
#include "printer/printerdevice.h"
#include "printing/pdfdevice.h"

#include <QCoreApplication>

Services Services::real()
{
    Services services;
    services.dialogs = std::make_unique<MessageBoxDialogs>();
    services.webLink = std::make_unique<DesktopWebLink>();
    services.quit = [](int status) { QCoreApplication::exit(status); };
    services.printer = &PrinterDevice::defaultPrinter;
    services.pdfFile = &PdfDevice::file;
    services.random = std::make_unique<ClockRandomSource>();
    services.speech = std::make_unique<DesktopSpeech>();
    return services;
}
