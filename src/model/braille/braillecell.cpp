#include "braille/braillecell.h"

#include <QStringList>

#include <algorithm>
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

int dotNumber(int index)
{
    return index % 2 * 3 + index / 2 + 1;
}

QString raisedDotNumbers(int code)
{
    QList<int> dots;
    for (int index = 0; index < dotsPerCell; ++index) {
        if (isRaised(code, index))
            dots.append(dotNumber(index));
    }
    std::sort(dots.begin(), dots.end());
    QStringList numbers;
    for (const int dot : dots)
        numbers.append(QString::number(dot));
    return numbers.join(u' ');
}

QChar unicodeCell(int code)
{
    char16_t pattern = 0x2800;
    for (int index = 0; index < dotsPerCell; ++index) {
        if (isRaised(code, index))
            pattern |= char16_t(1u << (dotNumber(index) - 1));
    }
    return QChar(pattern);
}

QString unicodeWord(const QString &word)
{
    QString cells;
    for (const QChar letter : word)
        cells.append(unicodeCell(letterCode(letter)));
    return cells;
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

QRectF wordArea(int length)
{
    const QPointF first = wordCellOrigin(length, 0);
    return QRectF(first.x() - dotPitch, first.y() - dotPitch, 720.0 * length, dotPitch * 4);
}

} // namespace braille
