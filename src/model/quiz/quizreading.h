#pragma once

#include "quiz/questionset.h"

// What the quiz reads aloud.
namespace quizreading {

// "Question 2. Who built it? A, Tomas; B, his father; C, …; D, …." An answer left empty is
// passed over, so a short worksheet is not read with gaps.
QString question(int number, const Question &question);

} // namespace quizreading
