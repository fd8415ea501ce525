#include "braille/braillecell.h"

#include <cstring>

namespace braille {

namespace {
// Raised dots of "a" to "z" by cell index: 0 top left, 1 top right, 2 middle left,
// 3 middle right, 4 bottom left, 5 bottom right.
constexpr std::array<const char *, letterCount> raisedIndexes = {
    "0",   "02",   "01",  "013",  "03",   "012",  "0123",  "023",   "12",
    "123", "04",   "024", "014",  "0134", "034",  "0124",  "01234", "0234",
    "124", "1234", "045", "0245", "1235", "0145", "01345", "0345",
};

constexpr float keyLetterLeft = 1320;
constexpr float keyLetterTop = 960;
constexpr float keyLetterAcross = 720;
constexpr float keyRowDown = 1500;
constexpr int keyLettersPerRow = 13;
} // namespace

int letterCode(QChar character)
{
    return int(character.unicode()) - 'a';
}

bool isRaised(int code, int index)
{
    if (code < 0 || code >= letterCount || index < 0 || index >= dotsPerCell)
        return false;
    return std::strchr(raisedIndexes[code], '0' + index) != nullptr;
}

Cell cellAt(int code, QPointF origin)
{
    Cell cell;
    const float x0 = float(origin.x());
    const float y0 = float(origin.y());
    for (int j = 0; j < dotsPerCell; ++j)
        cell[j] =
            Dot{x0 + dotPitch * float(j % 2), y0 + dotPitch * float(j / 2), isRaised(code, j)};
    return cell;
}

QPointF keyLetterTopLeft(int code)
{
    const int row = code / keyLettersPerRow;
    const int column = code % keyLettersPerRow;
    return QPointF(keyLetterLeft + keyLetterAcross * float(column),
                   keyLetterTop + keyRowDown * float(row));
}

QPointF keyCellOrigin(QPointF letterTopLeft)
{
    // Centred above the letter, its bottom row 150 twips clear of the label.
    return QPointF(letterTopLeft.x() + 150, letterTopLeft.y() - 630);
}

QPointF wordCellOrigin(int length, int i)
{
    return QPointF(6000 - 360 * length + 720 * i, 5280);
}

QList<Cell> wordCells(const QString &word)
{
    QList<Cell> cells;
    const int length = int(word.size());
    for (int i = 0; i < length; ++i)
        cells.append(cellAt(letterCode(word.at(i)), wordCellOrigin(length, i)));
    return cells;
}

} // namespace braille
