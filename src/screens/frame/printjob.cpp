#include "frame/printjob.h"

#include "controls/waitcursor.h"
#include "frame/dialogs.h"
#include "frame/screenhost.h"
#include "frame/services.h"
#include "printing/printsurface.h"

namespace {
enum class Outcome { Printed, Failed, Cancelled };

using DeviceMaker = std::function<std::unique_ptr<PrintDevice>()>;

Outcome print(const DeviceMaker &makeDevice, const std::function<bool(PrintSurface &)> &printout)
{
    // Measuring and sending can take a moment on a real printer.
    const WaitCursor waiting;
    Outcome outcome = Outcome::Cancelled;
    try {
        std::unique_ptr<PrintDevice> device = makeDevice();
        if (!device) {
            outcome = Outcome::Failed;
        } else {
            PrintSurface surface(*device);
            outcome = printout(surface) ? Outcome::Printed : Outcome::Failed;
        }
    } catch (...) {
        // Whatever it was, printing stops here and the program goes on.
        outcome = Outcome::Cancelled;
    }
    return outcome;
}

void run(ScreenHost &host, const DeviceMaker &makeDevice,
         const std::function<bool(PrintSurface &)> &printout, const QString &successMessage,
         const QString &failureMessage)
{
    Dialogs &dialogs = host.dialogs();
    switch (print(makeDevice, printout)) {
    case Outcome::Printed:
        if (!successMessage.isEmpty())
            dialogs.inform(successMessage);
        break;
    case Outcome::Failed:
        dialogs.inform(failureMessage);
        break;
    case Outcome::Cancelled:
        dialogs.inform(QStringLiteral("Printing has been cancelled."));
        break;
    }
}
} // namespace

void runPrintJob(ScreenHost &host, const std::function<bool(PrintSurface &)> &printout,
                 const QString &successMessage)
{
    run(host, host.services().printer, printout, successMessage,
        QStringLiteral("There was a problem printing to your printer."));
}

void runChosenPrintJob(ScreenHost &host, const std::function<bool(PrintSurface &)> &printout,
                       const QString &successMessage)
{
    std::unique_ptr<PrintDevice> chosen = host.services().chosenPrinter();
    if (!chosen)
        return;
    run(
        host, [&chosen] { return std::move(chosen); }, printout, successMessage,
        QStringLiteral("There was a problem printing to your printer."));
}

void runPdfJob(ScreenHost &host, const QString &path,
               const std::function<bool(PrintSurface &)> &printout, const QString &successMessage)
{
    run(
        host, [&] { return host.services().pdfFile(path); }, printout, successMessage,
        QStringLiteral("The PDF file %1 could not be written.").arg(path));
}
