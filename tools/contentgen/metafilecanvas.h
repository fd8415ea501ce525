#pragma once

#include "pagecanvas.h"

#include <QByteArray>
#include <QSize>

#include <cstdint>
#include <memory>

// Writes the drawing as a placeable Windows Metafile whose logical unit is one twip:
// the header's box is 0,0 to the page size at 1440 units to the inch, and the window
// covers the same box. Each pen, brush and font is deleted as soon as another replaces
// it, so the player's object table holds at most four entries.
class MetafileCanvas final : public PageCanvas
{
public:
    explicit MetafileCanvas(QSize pageTwips);
    ~MetafileCanvas() override;
    MetafileCanvas(const MetafileCanvas &) = delete;
    MetafileCanvas &operator=(const MetafileCanvas &) = delete;

    // Ends the file and returns its bytes; empty, with the reason in *error, if any record
    // could not be made.
    QByteArray finish(QString *error);

    void setPen(const QColor &colour, int width) override;
    void setNoPen() override;
    void setBrush(const QColor &colour) override;
    void setNoBrush() override;
    void setFont(const PageFont &font) override;
    void setTextColour(const QColor &colour) override;

    void drawRect(const QRect &rect) override;
    void drawRoundRect(const QRect &rect, int cornerWidth, int cornerHeight) override;
    void drawEllipse(const QRect &rect) override;
    void drawPolygon(const QPolygon &points) override;
    void drawPolyline(const QPolygon &points) override;
    void drawText(QPoint at, const QString &text, TextAlign align) override;

private:
    // The object of one kind that is selected now, and what it was made from.
    struct Selected
    {
        bool exists = false;
        uint32_t handle = 0;
        QString key;
    };

    void append(char *record, const char *what);
    void replaceObject(Selected &slot, const QString &key, char *createRecord, uint32_t handle,
                       const char *what);
    void deleteObject(Selected &slot);
    // Creates and selects the pen or brush unless one made from the same key is selected.
    void selectPen(const QString &key, uint16_t style, int width, const QColor &colour);
    void selectBrush(const QString &key, uint16_t style, const QColor &colour);

    struct Writer;
    std::unique_ptr<Writer> m_writer;
    QSize m_size;
    QString m_error;
    Selected m_pen;
    Selected m_brush;
    Selected m_font;
    QColor m_textColour;
    int m_textAlign = -1;
};
