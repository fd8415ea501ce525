#pragma once

#include <QString>

// Numbers put into captions and messages read with one blank before the digits, as the
// program has always written them ("Question 3", "scored 8 out of 10").
QString numberText(int number);

// "You have scored 7 out of 10." after the given opening words.
QString scoreMessage(const QString &opening, int score, int outOf);

// The three kinds of praise on the results screen.
enum class Praise { FullMarks, NearlyThere, KeepTrying };
Praise praiseFor(int score, int outOf);
