#pragma once

#include <QColor>
#include <QPointF>
#include <QSizeF>
#include <QString>

#include <optional>

class Picture;

// The font and colour a text is printed in.
struct TextStyle
{
    QString family;
    double points = 12;
    bool bold = false;
    QColor colour = Qt::black;
};

// Where printed pages go: the default printer, a PDF file, or a test's record. Positions
// and sizes are in twips from the top-left corner of the printable page. Every operation
// reports failure instead of throwing; nothing reaches paper before finish().
class PrintDevice
{
public:
    virtual ~PrintDevice() = default;

    // Starts a document; false when there is nothing to print on.
    virtual bool open() = 0;
    // The document's name, as a print queue lists it and a PDF gives its title.
    virtual void setDocumentName(const QString &name) = 0;
    // The printable page, valid once open() has succeeded.
    virtual QSizeF pageSize() const = 0;
    // The printed width of a text and the height of its line, or nothing on failure.
    virtual std::optional<QSizeF> measure(const TextStyle &style, const QString &text) = 0;
    virtual bool drawText(QPointF topLeft, const TextStyle &style, const QString &text) = 0;
    virtual bool drawLine(QPointF from, QPointF to) = 0;
    // Draws a picture at its own size.
    virtual bool drawPicture(QPointF topLeft, const Picture &picture) = 0;
    virtual bool newPage() = 0;
    // Sends the document to the printer.
    virtual bool finish() = 0;
    // Drops a document that a failure left unfinished; none of it is sent.
    virtual void abandon() = 0;
};
