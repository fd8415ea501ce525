#pragma once

#include <QImage>

// The publisher's logo as the acknowledgements page shows it: a small card, 120 x 89
// pixels, and a looping animation of 120 x 120 pixel frames in which the quill presses
// the six dots of a Braille cell into the disc, one after another.
namespace logoanimation {

constexpr int frameCount = 20;

QImage drawLogoCard();
// Frame 0 to 19; the last leads back into the first.
QImage drawFrame(int frame);

} // namespace logoanimation
