#include "ui/printjob.h"

#include "app/appcontext.h"
#include "platform/printsurface.h"

#include <QApplication>

namespace {
enum class Outcome { Printed, Failed, Cancelled };

Outcome print(AppContext &context, const std::function<bool(PrintSurface &)> &printout)
{
    // Measuring and sending can take a moment on a real printer.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Outcome outcome = Outcome::Cancelled;
    try {
        std::unique_ptr<PrintDevice> device = context.services.printer();
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
    QApplication::restoreOverrideCursor();
    return outcome;
}
} // namespace

void runPrintJob(AppContext &context, const std::function<bool(PrintSurface &)> &printout,
                 const QString &successMessage)
{
    Dialogs &dialogs = *context.services.dialogs;
    switch (print(context, printout)) {
    case Outcome::Printed:
        if (!successMessage.isEmpty())
            dialogs.inform(successMessage);
        break;
    case Outcome::Failed:
        dialogs.inform(QStringLiteral("There was a problem printing to your printer."));
        break;
    case Outcome::Cancelled:
        dialogs.inform(QStringLiteral("Printing has been cancelled."));
        break;
    }
}
