#pragma once

#include <QImage>

// The picture on the main menu and the closing screen, 320 x 240 pixels: an open book of
// raised dots by candlelight, a fingertip reading it, Coupvray asleep under a night sky
// whose brightest stars make the cell of a t, and the inventor's name and years.
QImage drawInventorPicture();
