#pragma once

#include <QByteArray>

struct QuestionSet;

namespace moodlexml {

// A worksheet as an XML question file in UTF-8: a category named by its title, then its
// ten questions as single-answer multiple choice, named by the title, answers unshuffled.
QByteArray write(const QuestionSet &set);

} // namespace moodlexml
