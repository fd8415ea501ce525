#include "appicon.h"

#include "braillecell.h"
#include "icofile.h"

namespace {

constexpr int iconSize = 32;

// Drawn pixel by pixel: at this size antialiasing in sixteen colours only blurs.
const char *const raisedDot[] = {".wwww.", "wwwwws", "wwwwws", "wwwwss", "wwssss", ".ssss."};
const char *const flatDot[] = {"......", "..gg..", ".g..g.", ".g..g.", "..gg..", "......"};
constexpr int dotSize = 6;
constexpr int firstColumn = 8;
constexpr int secondColumn = 18;
constexpr int firstRow = 4;
constexpr int rowStep = 9;

enum VgaColour { black = 0, navy = 4, silver = 7, grey = 8, blue = 12, white = 15 };

void put(QImage &icon, int x, int y, VgaColour index)
{
    icon.setPixel(x, y, icofile::vgaPalette().at(index));
}

// A square with rounded corners, `inset` pixels in from the icon's edge.
bool insideTile(int x, int y, int inset)
{
    const int first = inset;
    const int last = iconSize - 1 - inset;
    const int radius = 6 - inset;
    if (x < first || x > last || y < first || y > last)
        return false;
    const int cx = qBound(first + radius, x, last - radius);
    const int cy = qBound(first + radius, y, last - radius);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius + radius;
}

// A bright tile, so the icon stands out on the dark caption bar: a black rim, then a
// navy shadow along the bottom and right edges under a blue face.
void paintTile(QImage &icon)
{
    for (int y = 0; y < iconSize; ++y) {
        for (int x = 0; x < iconSize; ++x) {
            if (!insideTile(x, y, 0))
                continue;
            if (!insideTile(x, y, 1))
                put(icon, x, y, black);
            else if (!insideTile(x + 2, y + 2, 1))
                put(icon, x, y, navy);
            else
                put(icon, x, y, blue);
        }
    }
}

void paintSprite(QImage &icon, const char *const *sprite, int left, int top, bool castsShadow)
{
    auto filled = [sprite](int column, int row) {
        return column >= 0 && row >= 0 && column < dotSize && row < dotSize &&
               sprite[row][column] != '.';
    };
    for (int row = 0; row <= dotSize; ++row) {
        for (int column = 0; column <= dotSize; ++column) {
            if (filled(column, row)) {
                const char c = sprite[row][column];
                put(icon, left + column, top + row, c == 'w' ? white : (c == 's' ? silver : grey));
            } else if (castsShadow && filled(column - 1, row - 1)) {
                put(icon, left + column, top + row, navy);
            }
        }
    }
}

} // namespace

QImage drawAppIcon()
{
    QImage icon(iconSize, iconSize, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    paintTile(icon);
    const braille::Dots z = braille::letterDots(QLatin1Char('z'));
    for (int dot = 1; dot <= 6; ++dot) {
        const int left = dot <= 3 ? firstColumn : secondColumn;
        const int top = firstRow + (dot - 1) % 3 * rowStep;
        const bool raised = braille::hasDot(z, dot);
        paintSprite(icon, raised ? raisedDot : flatDot, left, top, raised);
    }
    return icon;
}
