#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <array>

// The six-dot Braille cell as the cipher draws it: dots 1, 2, 3 down the left column and
// 4, 5, 6 down the right, positions in twips, the origin being the centre of dot 1.
namespace braille {

constexpr int letterCount = 26;
constexpr int dotsPerCell = 6;
constexpr float dotPitch = 240;
// Dot sizes in pixels at zoom 1: every position shows, so the cell's shape can be felt by eye.
constexpr double raisedDotPixels = 9;
constexpr double flatDotPixels = 3;

struct Dot
{
    float x;
    float y;
    bool raised;
};
// Row by row: dots 1, 4, then 2, 5, then 3, 6.
using Cell = std::array<Dot, dotsPerCell>;

// "a" is 0 and "z" is 25; any other character gives a code outside that range.
int letterCode(QChar character);
// No dot is raised for a code outside the alphabet.
bool isRaised(int code, int index);
Cell cellAt(int code, QPointF origin);

// The dot number, 1 to 6, of a cell index.
int dotNumber(int index);
// "1 3 4": a letter's raised dots in dot order.
QString raisedDotNumbers(int code);
// A letter's cell as a screen reader sends it to a Braille display: U+2800 with bit n-1
// set for each raised dot n. Anything but a letter gives the empty cell.
QChar unicodeCell(int code);
QString unicodeWord(const QString &word);

// The alphabet key: two rows of 13 letter labels, each with its cell standing above it.
QPointF keyLetterTopLeft(int code);
QPointF keyCellOrigin(QPointF letterTopLeft);

// Letter i of a word of `length` letters, on one row centred across the screen.
QPointF wordCellOrigin(int length, int i);
QList<Cell> wordCells(const QString &word);
// The twips the cells of a word of `length` letters cover, with a dot's pitch around them.
QRectF wordArea(int length);

} // namespace braille
