#pragma once

#include "printing/printdevice.h"

#include <QPointF>
#include <QString>

// A line printer over a print device: a font and colour in force, a print position that
// moves on as text is printed, lines ended or kept, and a new page when a line would run
// past the bottom. The first failure stops everything that follows, so a printout can be
// written as a plain list of steps and asked once, at the end, whether it was printed.
class PrintSurface
{
public:
    enum LineEnd { EndLine, KeepLine };

    // Opens the device; without one the surface has failed from the start.
    explicit PrintSurface(PrintDevice &device);
    // A document neither ended nor failed (the printout threw) is abandoned, never sent.
    ~PrintSurface();
    PrintSurface(const PrintSurface &) = delete;
    PrintSurface &operator=(const PrintSurface &) = delete;

    bool failed() const { return m_state == State::Failed; }

    // What the print queue lists and a PDF gives as its title.
    void setDocumentName(const QString &name);

    void setFontName(const QString &family) { m_style.family = family; }
    void setFontSize(double points) { m_style.points = points; }
    void setBold(bool bold) { m_style.bold = bold; }
    void setColour(const QColor &colour) { m_style.colour = colour; }

    double pageWidth() const { return m_page.width(); }
    double pageHeight() const { return m_page.height(); }

    // The printed width of a text in the font in force; 0 once printing has failed.
    double textWidth(const QString &text);
    // Where the next text starts; a line starts at the left edge unless this was set.
    void setX(double twips) { m_x = twips; }
    double x() const { return m_x; }
    double y() const { return m_y; }

    void print(const QString &text, LineEnd end = EndLine);
    void printCentred(const QString &text);
    void printBlankLine();
    void line(QPointF from, QPointF to);
    void picture(const Picture &picture, QPointF topLeft);
    // A picture on lines of its own at the left edge, on a new page when it does not fit.
    void printPicture(const Picture &picture);

    // Sends the document; false, with nothing sent, when any step failed.
    bool endDoc();

private:
    enum class State { Printing, Failed, Ended };
    bool check(bool ok);
    bool startLine(double height);

    PrintDevice &m_device;
    State m_state = State::Printing;
    TextStyle m_style;
    QSizeF m_page;
    double m_x = 0;
    double m_y = 0;
    bool m_lineOpen = false;
};
