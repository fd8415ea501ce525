#include "printing/printsurface.h"

#include "pictures/picture.h"

PrintSurface::PrintSurface(PrintDevice &device) : m_device(device)
{
    if (m_device.open())
        m_page = m_device.pageSize();
    else
        m_state = State::Failed; // no document was begun, so there is none to abandon
}

void PrintSurface::setDocumentName(const QString &name)
{
    if (!failed())
        m_device.setDocumentName(name);
}

PrintSurface::~PrintSurface()
{
    if (m_state == State::Printing)
        m_device.abandon();
}

bool PrintSurface::check(bool ok)
{
    if (!ok && m_state == State::Printing) {
        m_state = State::Failed;
        m_device.abandon();
    }
    return ok;
}

double PrintSurface::textWidth(const QString &text)
{
    if (m_state != State::Printing)
        return 0;
    const std::optional<QSizeF> size = m_device.measure(m_style, text);
    return check(size.has_value()) ? size->width() : 0;
}

void PrintSurface::print(const QString &text, LineEnd end)
{
    if (m_state != State::Printing)
        return;
    const std::optional<QSizeF> size = m_device.measure(m_style, text);
    if (!check(size.has_value()))
        return;
    if (!startLine(size->height()) || !check(m_device.drawText({m_x, m_y}, m_style, text)))
        return;
    if (end == KeepLine) {
        m_x += size->width();
        m_lineOpen = true;
    } else {
        m_x = 0;
        m_y += size->height();
        m_lineOpen = false;
    }
}

bool PrintSurface::startLine(double height)
{
    // Only a new line moves to a new page, and only from a page that has lines on it.
    if (m_lineOpen || m_y <= 0 || m_y + height <= m_page.height())
        return true;
    m_y = 0;
    return check(m_device.newPage());
}

void PrintSurface::printCentred(const QString &text)
{
    const double width = textWidth(text);
    setX((pageWidth() - width) / 2);
    print(text);
}

void PrintSurface::printBlankLine()
{
    print(QStringLiteral(" "));
}

void PrintSurface::line(QPointF from, QPointF to)
{
    if (m_state == State::Printing)
        check(m_device.drawLine(from, to));
}

void PrintSurface::picture(const Picture &picture, QPointF topLeft)
{
    if (m_state == State::Printing)
        check(m_device.drawPicture(topLeft, picture));
}

void PrintSurface::printPicture(const Picture &picture)
{
    if (m_state != State::Printing)
        return;
    const QSizeF size = picture.sizeTwips();
    if (!startLine(size.height()) || !check(m_device.drawPicture({0, m_y}, picture)))
        return;
    m_x = 0;
    m_y += size.height();
    m_lineOpen = false;
}

bool PrintSurface::endDoc()
{
    if (m_state != State::Printing)
        return false;
    if (!check(m_device.finish()))
        return false;
    m_state = State::Ended;
    return true;
}
