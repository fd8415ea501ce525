#pragma once

#include <QImage>

// The publisher's logo, 100 x 139 pixels: a quill over an ink-blue disc, and the words
// Quillmere / Publishing / Ltd beneath it.
QImage drawPublisherLogo();
