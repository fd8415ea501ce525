#pragma once

#include <QImage>

// The topic's picture on its hub screen, 280 x 280 pixels: the six-dot cell drawn large on a
// sheet of paper, its dots numbered 1 to 3 down the left column and 4 to 6 down the right,
// and a fingertip reading a line of small cells below it.
QImage drawCellPicture();
