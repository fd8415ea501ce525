#pragma once

#include <QString>

// The topic's own quiz, shipped with the program.
namespace topicquiz {

extern const QString questionSetPath;
// Its title as the file gives it; empty when the file cannot be read.
QString title();

} // namespace topicquiz
