#pragma once

#include <QRectF>

class Metafile;
class QPainter;

// Draws a metafile on any painter: the screen at the display's zoom, or paper at the
// printer's resolution, as vectors. The picture frame is mapped onto target.
class MetafilePlayer
{
public:
    struct Result
    {
        int played = 0;
        int skipped = 0;      // records this player does not draw
        bool damaged = false; // a record too short for what it says; drawing stopped there
    };

    static Result play(const Metafile &metafile, QPainter &painter, const QRectF &target);
};
