#include "controls/linetextvalidator.h"

#include "files/textfile.h"

QValidator::State LineTextValidator::validate(QString &input, int &) const
{
    return windows1252::fitsLine(input) ? Acceptable : Invalid;
}
