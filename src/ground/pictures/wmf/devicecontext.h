#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRegion>
#include <QString>

#include <optional>
#include <vector>

// What a metafile's records set up and later drawing records use.
namespace wmf {

struct Pen
{
    enum Style { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4, Null = 5 };
    int style = Solid; // low byte: the line; higher bits: end caps and joins
    int width = 0;     // logical units; 0 is one device pixel
    QColor colour = Qt::black;
};

struct Brush
{
    enum Style { Solid = 0, Null = 1, Hatched = 2, Pattern = 3, DibPattern = 5 };
    int style = Solid;
    QColor colour = Qt::white;
    int hatch = 0;
    QImage pattern;
};

struct Font
{
    int height = 0; // negative: the character height; positive: the cell height
    int width = 0;
    int escapement = 0; // tenths of a degree, anticlockwise
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QString face;
};

// A slot of the object table. Palettes and regions take a slot but draw nothing.
struct GdiObject
{
    enum Kind { Empty, PenObject, BrushObject, FontObject, Placeholder };
    Kind kind = Empty;
    Pen pen;
    Brush brush;
    Font font;
};

enum TextAlign {
    UpdateCurrentPosition = 0x0001,
    AlignRight = 0x0002,
    AlignCenter = 0x0006,
    AlignBottom = 0x0008,
    AlignBaseline = 0x0018,
};

enum MapMode { MapText = 1, MapIsotropic = 7, MapAnisotropic = 8 };

struct DeviceContext
{
    Pen pen;
    Brush brush;
    Font font;
    QColor textColour = Qt::black;
    QColor backColour = Qt::white;
    bool opaqueBackground = true;
    int textAlign = 0;
    bool windingFill = false;
    int mapMode = MapText;
    QPoint windowOrigin;
    std::optional<QSize> windowExtent; // none until a record sets one
    bool originSet = false;
    QPointF position;            // logical
    std::optional<QRegion> clip; // device coordinates; none is no clip of the picture's own
};

} // namespace wmf
