#pragma once

#include <QColor>

// The program's colours, named once.
namespace colours {
inline const QColor frame(39, 63, 137);
inline const QColor pictureBox(49, 135, 214);
inline const QColor backdrop(48, 133, 214);
inline const QColor commandText(255, 255, 0);
inline const QColor black(0, 0, 0);
inline const QColor blue(0, 0, 255);
inline const QColor navy(0, 0, 128);
inline const QColor lightGrey(192, 192, 192);
inline const QColor white(255, 255, 255);
inline const QColor captionBar(10, 36, 106);
inline const QColor captionBarEnd(166, 202, 240);
// The thin sunken border of labels: darker above and left, lighter below and right, so it
// shows on black and on colour alike.
inline const QColor borderShadow(128, 128, 128);
inline const QColor borderLight(224, 224, 224);
// A text box the teacher must rewrite before saving: a pale orange box in a strong border.
inline const QColor markedBox(255, 226, 168);
inline const QColor markedBoxBorder(230, 100, 0);
} // namespace colours
