#pragma once

#include <QByteArray>

// A made-up question bank of the kind a teacher exports: one category and multiple-choice
// questions of ten kinds, each short enough and in the worksheet file's code page, so that
// every one can be a worksheet question.
namespace questionbank {

QByteArray gift(int questions);
QByteArray moodleXml(int questions);

} // namespace questionbank
