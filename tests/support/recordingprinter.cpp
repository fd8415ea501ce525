#include "recordingprinter.h"

#include <algorithm>

namespace {
std::vector<PrintedOp> opsOf(const PrintedDocument &document, PrintedOp::Kind kind)
{
    std::vector<PrintedOp> found;
    std::copy_if(document.ops.begin(), document.ops.end(), std::back_inserter(found),
                 [kind](const PrintedOp &op) { return op.kind == kind; });
    return found;
}

class RecordingDevice : public PrintDevice
{
public:
    explicit RecordingDevice(RecordingPrinter &printer) : m_printer(printer) {}

    bool open() override
    {
        if (!m_printer.available)
            return false;
        m_printer.documents.emplace_back();
        return true;
    }
    void setDocumentName(const QString &name) override { document().name = name; }
    QSizeF pageSize() const override { return m_printer.page; }
    std::optional<QSizeF> measure(const TextStyle &style, const QString &text) override
    {
        if (!step())
            return std::nullopt;
        return QSizeF(RecordingPrinter::textWidth(style, text),
                      RecordingPrinter::lineHeight(style));
    }
    bool drawText(QPointF topLeft, const TextStyle &style, const QString &text) override
    {
        return add({PrintedOp::Text, topLeft, {}, style, text, {}});
    }
    bool drawLine(QPointF from, QPointF to) override
    {
        return add({PrintedOp::Line, from, to, {}, {}, {}});
    }
    bool drawPicture(QPointF topLeft, const Picture &picture) override
    {
        return add({PrintedOp::Picture, topLeft, {}, {}, {}, picture});
    }
    bool newPage() override { return add({PrintedOp::NewPage, {}, {}, {}, {}, {}}); }
    bool finish() override
    {
        if (m_printer.sendFails)
            return false;
        document().sent = true;
        return true;
    }
    void abandon() override { document().abandoned = true; }

private:
    PrintedDocument &document() { return m_printer.documents.back(); }
    bool step() { return m_steps++ != m_printer.failAtStep; }
    bool add(PrintedOp op)
    {
        if (!step())
            return false;
        document().ops.push_back(std::move(op));
        return true;
    }

    RecordingPrinter &m_printer;
    int m_steps = 0;
};
} // namespace

std::vector<PrintedOp> PrintedDocument::texts() const
{
    return opsOf(*this, PrintedOp::Text);
}

std::vector<PrintedOp> PrintedDocument::lines() const
{
    return opsOf(*this, PrintedOp::Line);
}

std::vector<PrintedOp> PrintedDocument::pictures() const
{
    return opsOf(*this, PrintedOp::Picture);
}

int PrintedDocument::pageCount() const
{
    return 1 + int(opsOf(*this, PrintedOp::NewPage).size());
}

std::unique_ptr<PrintDevice> RecordingPrinter::device()
{
    return std::make_unique<RecordingDevice>(*this);
}
