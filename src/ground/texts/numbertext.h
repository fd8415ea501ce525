#pragma once

#include <QString>

// Numbers put into captions and messages read with one blank before the digits, as the
// program has always written them ("Question 3", "scored 8 out of 10").
QString numberText(int number);
