#pragma once

#include <QImage>

// The application's icon: the six-dot cell of the letter z, for Zorvanel, raised dots
// white on a blue tile. 32 x 32 pixels in the sixteen VGA colours, transparent corners.
QImage drawAppIcon();
