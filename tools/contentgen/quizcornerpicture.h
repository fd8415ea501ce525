#pragma once

#include <QImage>

// The picture in the quiz screen's corner, 57 x 41 pixels: an open book whose pages hold
// one Braille cell each, the t and v of Tomas Verrin.
QImage drawQuizCornerPicture();
