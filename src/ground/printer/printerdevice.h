#pragma once

#include "printing/printdevice.h"

#include <QFont>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QPainter;
class QPrinter;
class QTemporaryFile;

// Prints through Qt's print support: to the default printer (CUPS on Debian), or to a PDF
// file. The pages are kept until finish() and only then painted and sent, so a printout
// that fails half-way sends nothing at all. A PDF is written beside its name and renamed
// over it once whole, so an older file of that name stays until the new one is complete.
class PrinterDevice : public PrintDevice
{
public:
    static std::unique_ptr<PrintDevice> defaultPrinter();
    static std::unique_ptr<PrintDevice> pdfFile(const QString &path);
    ~PrinterDevice() override;

    bool open() override;
    void setDocumentName(const QString &name) override;
    QSizeF pageSize() const override;
    std::optional<QSizeF> measure(const TextStyle &style, const QString &text) override;
    bool drawText(QPointF topLeft, const TextStyle &style, const QString &text) override;
    bool drawLine(QPointF from, QPointF to) override;
    bool drawPicture(QPointF topLeft, const Picture &picture) override;
    bool newPage() override;
    bool finish() override;
    void abandon() override;

    // Half a point: thin, but dark enough to print on any printer.
    static constexpr double lineWidthTwips = 10;

private:
    using Step = std::function<void(QPainter &)>;
    explicit PrinterDevice(QString pdfPath);
    QFont printerFont(const TextStyle &style) const;
    double toDevice(double twips) const;
    QPointF toDevice(QPointF twips) const;
    bool record(Step step);
    bool finishPdf();

    QString m_pdfPath; // empty for the default printer
    QString m_documentName = QStringLiteral("Zorvanel");
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QTemporaryFile> m_partialPdf;
    std::vector<std::vector<Step>> m_pages;
};
