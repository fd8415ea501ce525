#include "printer/printerdevice.h"

#include "pictures/picture.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <cstdio>

namespace {
constexpr double twipsPerInch = 1440;
} // namespace

PrinterDevice::PrinterDevice(QString pdfPath) : m_pdfPath(std::move(pdfPath)) {}

PrinterDevice::~PrinterDevice() = default;

std::unique_ptr<PrintDevice> PrinterDevice::defaultPrinter()
{
    return std::unique_ptr<PrintDevice>(new PrinterDevice(QString()));
}

std::unique_ptr<PrintDevice> PrinterDevice::pdfFile(const QString &path)
{
    return std::unique_ptr<PrintDevice>(new PrinterDevice(path));
}

bool PrinterDevice::open()
{
    if (m_pdfPath.isEmpty()) {
        // Without a default printer, a default QPrinter would quietly print to nowhere; a
        // stopped one would hold the page until someone noticed. Both are reported now.
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull() || info.state() == QPrinter::Error)
            return false;
        m_printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    } else {
        m_partialPdf = std::make_unique<QTemporaryFile>(m_pdfPath + QStringLiteral(".XXXXXX"));
        if (!m_partialPdf->open())
            return false;
        m_partialPdf->close();
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setOutputFileName(m_partialPdf->fileName());
    }
    m_pages.assign(1, {});
    return m_printer->isValid() && m_printer->resolution() > 0;
}

QSizeF PrinterDevice::pageSize() const
{
    const QRectF points = m_printer->pageLayout().paintRect(QPageLayout::Point);
    return points.size() * (twipsPerInch / 72);
}

double PrinterDevice::toDevice(double twips) const
{
    return twips * m_printer->resolution() / twipsPerInch;
}

QPointF PrinterDevice::toDevice(QPointF twips) const
{
    return {toDevice(twips.x()), toDevice(twips.y())};
}

QFont PrinterDevice::printerFont(const TextStyle &style) const
{
    QFont font(style.family);
    font.setPointSizeF(style.points);
    font.setBold(style.bold);
    return font;
}

std::optional<QSizeF> PrinterDevice::measure(const TextStyle &style, const QString &text)
{
    const QFontMetricsF metrics(printerFont(style), m_printer.get());
    const double toTwips = twipsPerInch / m_printer->resolution();
    return QSizeF(metrics.horizontalAdvance(text), metrics.height()) * toTwips;
}

bool PrinterDevice::record(Step step)
{
    m_pages.back().push_back(std::move(step));
    return true;
}

bool PrinterDevice::drawText(QPointF topLeft, const TextStyle &style, const QString &text)
{
    const QFont font = printerFont(style);
    const QPointF baseline =
        toDevice(topLeft) + QPointF(0, QFontMetricsF(font, m_printer.get()).ascent());
    return record([font, baseline, colour = style.colour, text](QPainter &painter) {
        painter.setFont(font);
        painter.setPen(colour);
        painter.drawText(baseline, text);
    });
}

bool PrinterDevice::drawLine(QPointF from, QPointF to)
{
    const QPen pen(Qt::black, toDevice(lineWidthTwips), Qt::SolidLine, Qt::SquareCap);
    return record([pen, from = toDevice(from), to = toDevice(to)](QPainter &painter) {
        painter.setPen(pen);
        painter.drawLine(from, to);
    });
}

bool PrinterDevice::drawPicture(QPointF topLeft, const Picture &picture)
{
    const QSizeF size = picture.sizeTwips();
    const QRectF target(toDevice(topLeft), QSizeF(toDevice(size.width()), toDevice(size.height())));
    return record([picture, target](QPainter &painter) {
        painter.save();
        picture.paint(painter, target);
        painter.restore();
    });
}

bool PrinterDevice::newPage()
{
    m_pages.emplace_back();
    return true;
}

void PrinterDevice::setDocumentName(const QString &name)
{
    m_documentName = name;
}

bool PrinterDevice::finish()
{
    // Named as the painting starts, when the printer takes the name.
    m_printer->setDocName(m_documentName);
    QPainter painter;
    if (!painter.begin(m_printer.get()))
        return false;
    for (size_t page = 0; page < m_pages.size(); ++page) {
        if (page > 0 && !m_printer->newPage()) {
            m_printer->abort();
            painter.end();
            return false;
        }
        for (const Step &step : m_pages[page])
            step(painter);
    }
    m_pages.clear();
    const bool painted = painter.end() && m_printer->printerState() != QPrinter::Error;
    return painted && (m_pdfPath.isEmpty() || finishPdf());
}

bool PrinterDevice::finishPdf()
{
    // A file to send on, so readable as any document the user saves.
    m_partialPdf->setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                 QFileDevice::ReadGroup | QFileDevice::ReadOther);
    // rename() replaces an older file in one step, where QFile::rename would refuse.
    if (std::rename(QFile::encodeName(m_partialPdf->fileName()).constData(),
                    QFile::encodeName(m_pdfPath).constData()) != 0)
        return false;
    m_partialPdf->setAutoRemove(false);
    m_partialPdf.reset();
    return true;
}

void PrinterDevice::abandon()
{
    m_pages.clear();
    m_partialPdf.reset();
}
