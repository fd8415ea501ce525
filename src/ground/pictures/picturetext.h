#pragma once

#include <QString>

class Picture;

// What a picture says, for those who cannot see it: its title and its words in reading
// order, line by line, taken from the text the picture draws.
struct PictureText
{
    QString title; // the line in the largest type, the first of them when several
    QString text;

    // Nothing for a raster picture or an empty one.
    static PictureText of(const Picture &picture);
};
