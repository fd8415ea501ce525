#pragma once

#include "printing/printdevice.h"

#include <QFont>
#include <QString>

#include <functional>
#include <vector>

class QPagedPaintDevice;
class QPainter;

// Pages kept as painting steps until finish(), then painted on a paged device in one go, so a
// printout that fails half-way sends nothing at all. Below it, the device: a printer or a PDF.
class PaintedPages : public PrintDevice
{
public:
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

protected:
    // Starts the recording, once the device is ready.
    void startPages();
    // The device painted on, valid once open() has succeeded.
    virtual QPagedPaintDevice &paintDevice() const = 0;
    virtual int resolution() const = 0;
    // Gives the device the document's name, as the painting starts.
    virtual void nameDocument(const QString &name) = 0;
    // Stops a document whose painting failed half-way.
    virtual void abortPainting() {}
    // Completes the document once painted; false when the device reports a failure.
    virtual bool complete(bool painted) = 0;
    // Drops whatever the device made of an unfinished document.
    virtual void discard() {}
    // Whether a page (1 for the first) is wanted, where the user chose some pages only.
    virtual bool isPrinted(int page) const
    {
        Q_UNUSED(page);
        return true;
    }

private:
    using Step = std::function<void(QPainter &)>;
    QFont printerFont(const TextStyle &style) const;
    double toDevice(double twips) const;
    QPointF toDevice(QPointF twips) const;
    bool record(Step step);

    QString m_documentName = QStringLiteral("Zorvanel");
    std::vector<std::vector<Step>> m_pages;
};
