#pragma once

#include <QColor>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QString>

// The drawing operations a page is made of, in twips, limited to what a Windows Metafile
// carries plainly: one pen, one brush and one font at a time, and text placed by its
// baseline. The metafile writer and the preview painter both take these, so the preview
// shows what the file holds.

// The fonts the program maps to files it ships: "Arial", "Tahoma", "Times New Roman".
struct PageFont
{
    QString face;
    int height = 0; // em size in twips
    bool bold = false;

    bool operator==(const PageFont &other) const
    {
        return face == other.face && height == other.height && bold == other.bold;
    }
    bool operator!=(const PageFont &other) const { return !(*this == other); }
};

enum class TextAlign { Left, Centre, Right };

class PageCanvas
{
public:
    virtual ~PageCanvas() = default;

    // A width of zero draws the thinnest line the device has.
    virtual void setPen(const QColor &colour, int width) = 0;
    virtual void setNoPen() = 0;
    virtual void setBrush(const QColor &colour) = 0;
    virtual void setNoBrush() = 0;
    virtual void setFont(const PageFont &font) = 0;
    virtual void setTextColour(const QColor &colour) = 0;

    virtual void drawRect(const QRect &rect) = 0;
    // Corners are quarters of an ellipse cornerWidth by cornerHeight.
    virtual void drawRoundRect(const QRect &rect, int cornerWidth, int cornerHeight) = 0;
    virtual void drawEllipse(const QRect &rect) = 0;
    virtual void drawPolygon(const QPolygon &points) = 0;
    virtual void drawPolyline(const QPolygon &points) = 0;
    // `at` is on the text's baseline; align says which end of the text, or its middle.
    virtual void drawText(QPoint at, const QString &text, TextAlign align) = 0;
};
