#pragma once

#include "pictures/picture.h"
#include "printing/printdevice.h"

#include <QPointF>
#include <QSizeF>

#include <memory>
#include <vector>

// What a printout sent to a stand-in printer, in twips.
struct PrintedOp
{
    enum Kind { Text, Line, Picture, NewPage };
    Kind kind = Text;
    QPointF at; // a text's or picture's top-left corner; a line's start
    QPointF to; // a line's end
    TextStyle style;
    QString text;
    ::Picture picture; // a picture as it was given to print
};

struct PrintedDocument
{
    QString name;
    std::vector<PrintedOp> ops;
    bool sent = false;
    bool abandoned = false;

    std::vector<PrintedOp> texts() const;
    std::vector<PrintedOp> lines() const;
    std::vector<PrintedOp> pictures() const;
    int pageCount() const;
};

// A printer for tests: fixed, simple text metrics, a page of a chosen size, failures on
// demand, and a record of every document.
struct RecordingPrinter
{
    static double textWidth(const TextStyle &style, const QString &text)
    {
        return 10.0 * style.points * text.size();
    }
    static double lineHeight(const TextStyle &style) { return 23.0 * style.points; }

    bool available = true; // false: there is no default printer
    QSizeF page{11520, 15120};
    int failAtStep = -1; // the step (counting measurements, from 0) that fails
    bool sendFails = false;
    std::vector<PrintedDocument> documents;

    std::unique_ptr<PrintDevice> device();
};
