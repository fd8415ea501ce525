#pragma once

#include <QByteArray>

struct QuestionSet;

namespace gift {

// A worksheet as a GIFT file: UTF-8 without a byte-order mark, LF line ends, its title as
// the category and as the name of each question, the answers in the worksheet's order.
QByteArray write(const QuestionSet &set);

} // namespace gift
