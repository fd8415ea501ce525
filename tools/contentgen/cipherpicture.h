#pragma once

#include <QImage>
#include <QPointF>
#include <QString>

// The cipher activity's picture, 311 x 101 pixels: a word in Braille cells, raised dots
// dark and domed, the cell's flat places as faint rings, with each print letter underneath.
QImage drawCipherPicture();

// The word it spells, and where a dot (1 to 6) of a cell (0 onwards) sits in the picture.
QString cipherPictureWord();
QPointF cipherDotCentre(int cell, int dotNumber);
