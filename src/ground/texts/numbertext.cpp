#include "texts/numbertext.h"

QString numberText(int number)
{
    // A negative number carries its sign where the blank would be.
    return number < 0 ? QString::number(number) : QLatin1Char(' ') + QString::number(number);
}
