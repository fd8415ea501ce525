#include "printing/pdfdevice.h"

#include <QPdfWriter>
#include <QTemporaryFile>

#include <cstdio>

PdfDevice::PdfDevice(QString path) : m_path(std::move(path)) {}

PdfDevice::~PdfDevice() = default;

std::unique_ptr<PrintDevice> PdfDevice::file(const QString &path)
{
    return std::unique_ptr<PrintDevice>(new PdfDevice(path));
}

bool PdfDevice::open()
{
    m_partial = std::make_unique<QTemporaryFile>(m_path + QStringLiteral(".XXXXXX"));
    if (!m_partial->open())
        return false;
    m_partial->close();
    m_writer = std::make_unique<QPdfWriter>(m_partial->fileName());
    // As a printer at high resolution lays out a page: A4 with margins of 10 points.
    m_writer->setResolution(1200);
    startPages();
    return true;
}

QPagedPaintDevice &PdfDevice::paintDevice() const
{
    return *m_writer;
}

int PdfDevice::resolution() const
{
    return m_writer->resolution();
}

void PdfDevice::nameDocument(const QString &name)
{
    m_writer->setTitle(name);
}

bool PdfDevice::complete(bool painted)
{
    if (!painted)
        return false;
    // The writer finishes the file as it goes.
    m_writer.reset();
    // A file to send on, so readable as any document the user saves.
    m_partial->setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                              QFileDevice::ReadGroup | QFileDevice::ReadOther);
    // rename() replaces an older file in one step, where QFile::rename would refuse.
    if (std::rename(QFile::encodeName(m_partial->fileName()).constData(),
                    QFile::encodeName(m_path).constData()) != 0)
        return false;
    m_partial->setAutoRemove(false);
    m_partial.reset();
    return true;
}

void PdfDevice::discard()
{
    m_writer.reset();
    m_partial.reset();
}
