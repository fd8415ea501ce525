#include "frame/services.h"

#include "embossing/cupsembossers.h"
#include "frame/desktopspeech.h"
#include "printer/printerdevice.h"
#include "printing/pdfdevice.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>

Services Services::real()
{
    Services services;
    services.dialogs = std::make_unique<MessageBoxDialogs>();
    services.webLink = std::make_unique<DesktopWebLink>();
    services.quit = [](int status) { QCoreApplication::exit(status); };
    services.printer = &PrinterDevice::defaultPrinter;
    services.chosenPrinter = []() -> std::unique_ptr<PrintDevice> {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        QPrintDialog dialog(printer.get(), QApplication::activeWindow());
        dialog.setWindowTitle(QStringLiteral("Print for the Class"));
        dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
        if (dialog.exec() != QDialog::Accepted)
            return nullptr;
        return PrinterDevice::configured(std::move(printer));
    };
    services.pdfFile = &PdfDevice::file;
    services.random = std::make_unique<ClockRandomSource>();
    services.embossers = std::make_unique<CupsEmbossers>();
    services.speech = std::make_unique<DesktopSpeech>();
    return services;
}
