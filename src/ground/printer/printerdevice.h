#pragma once

#include "printing/paintedpages.h"

#include <memory>

class QPrinter;

// Pages for the default printer (CUPS on Debian), through Qt's print support.
class PrinterDevice : public PaintedPages
{
public:
    static std::unique_ptr<PrintDevice> defaultPrinter();
    // A printer already set up, with its copies and pages, by the system's print dialog.
    static std::unique_ptr<PrintDevice> configured(std::unique_ptr<QPrinter> printer);
    ~PrinterDevice() override;

    bool open() override;

protected:
    QPagedPaintDevice &paintDevice() const override;
    int resolution() const override;
    void nameDocument(const QString &name) override;
    void abortPainting() override;
    bool complete(bool painted) override;
    bool isPrinted(int page) const override;

private:
    PrinterDevice() = default;

    std::unique_ptr<QPrinter> m_printer;
};
