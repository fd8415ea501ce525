#pragma once

#include <QImage>

// A device-independent bitmap as metafile records carry it: a header, a colour table and
// the pixels, with no file header.
struct Dib
{
    QImage image;
    // Rows stored from the bottom up, so source rectangles count from the bottom.
    bool bottomUp = true;
};

// Sizes are checked against the bytes given before anything is allocated; damage gives a
// null image.
Dib decodeDib(const char *data, qsizetype size);
