#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>

class QPainter;

// The publisher's logo, 100 x 139 pixels: a quill over an ink-blue disc, and the words
// Quillmere / Publishing / Ltd beneath it.
QImage drawPublisherLogo();

// The logo's parts, for the other pictures of it to match.
namespace logomark {

inline const QColor card(252, 249, 240);
inline const QColor ink(22, 44, 98);
inline const QColor burgundy(128, 30, 52);
inline constexpr qreal quillLength = 78;

// The disc, lit from its top left.
void paintDisc(QPainter &p, QPointF centre, qreal radius);
// The feather laid along +x: its tip at the origin, its nib at quillLength.
void paintQuill(QPainter &p);

} // namespace logomark
