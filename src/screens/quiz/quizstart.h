#pragma once

#include "quiz/quizscreen.h"

class ScreenHost;

// Opens the quiz on a request; a pupil on a shared account gives their name first.
void startQuiz(ScreenHost &host, const QuizRequest &request);
