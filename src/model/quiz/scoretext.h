#pragma once

#include "texts/numbertext.h"

#include <QString>

// "You have scored 7 out of 10." after the given opening words.
QString scoreMessage(const QString &opening, int score, int outOf);

// The three kinds of praise on the results screen.
enum class Praise { FullMarks, NearlyThere, KeepTrying };
Praise praiseFor(int score, int outOf);
