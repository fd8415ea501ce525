#include "printer/printerdevice.h"

#include <QPrinter>
#include <QPrinterInfo>

PrinterDevice::~PrinterDevice() = default;

std::unique_ptr<PrintDevice> PrinterDevice::defaultPrinter()
{
    return std::unique_ptr<PrintDevice>(new PrinterDevice);
}

std::unique_ptr<PrintDevice> PrinterDevice::configured(std::unique_ptr<QPrinter> printer)
{
    std::unique_ptr<PrinterDevice> device(new PrinterDevice);
    device->m_printer = std::move(printer);
    return device;
}

bool PrinterDevice::open()
{
    if (m_printer) {
        if (m_printer->printerState() == QPrinter::Error)
            return false;
        startPages();
        return m_printer->isValid() && m_printer->resolution() > 0;
    }
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

bool PrinterDevice::isPrinted(int page) const
{
    const QPageRanges ranges = m_printer->pageRanges();
    return ranges.isEmpty() || ranges.contains(page);
}

bool PrinterDevice::complete(bool painted)
{
    return painted && m_printer->printerState() != QPrinter::Error;
}
