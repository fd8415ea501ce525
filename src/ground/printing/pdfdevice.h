#pragma once

#include "printing/paintedpages.h"

#include <memory>

class QPdfWriter;
class QTemporaryFile;

// Pages that become a PDF file. It is written beside its name and renamed over it once whole,
// so an older file of that name stays until the new one is complete.
class PdfDevice : public PaintedPages
{
public:
    static std::unique_ptr<PrintDevice> file(const QString &path);
    ~PdfDevice() override;

    bool open() override;

protected:
    QPagedPaintDevice &paintDevice() const override;
    int resolution() const override;
    void nameDocument(const QString &name) override;
    bool complete(bool painted) override;
    void discard() override;

private:
    explicit PdfDevice(QString path);

    QString m_path;
    std::unique_ptr<QTemporaryFile> m_partial;
    std::unique_ptr<QPdfWriter> m_writer;
};
