#include "printer/printerdevice.h"

#include <QPrinter>
#include <QPrinterInfo>

PrinterDevice::~PrinterDevice() = default;

std::unique_ptr<PrintDevice> PrinterDevice::defaultPrinter()
{
    return std::unique_ptr<PrintDevice>(new PrinterDevice);
}

bool PrinterDevice::open()
{
    // Without a default printer, a default QPrinter would quietly print to nowhere; a
    // stopped one would hold the page until someone noticed. Both are reported now.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull() || info.state() == QPrinter::Error)
        return false;
    m_printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    startPages();
    return m_printer->isValid() && m_printer->resolution() > 0;
}

QPagedPaintDevice &PrinterDevice::paintDevice() const
{
    return *m_printer;
}

int PrinterDevice::resolution() const
{
    return m_printer->resolution();
}

void PrinterDevice::nameDocument(const QString &name)
{
    m_printer->setDocName(name);
}

void PrinterDevice::abortPainting()
{
    m_printer->abort();
}

bool PrinterDevice::complete(bool painted)
{
    return painted && m_printer->printerState() != QPrinter::Error;
}
