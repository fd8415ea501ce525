#pragma once

#include <QString>

// How the keyboard and a screen reader name the four answers of a question.
namespace answerkeys {

constexpr int answerCount = 4;

// "A" to "D" for answers 1 to 4.
QString letter(int choice);
// The answer that a key chooses: 1 to 4 for the keys 1 to 4 and A to D, else 0.
int choiceForKey(int key);

} // namespace answerkeys
