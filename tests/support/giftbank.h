#pragma once

#include <QByteArray>

// A GIFT file for the import tests: a category line when one is given, a true/false
// question (skipped as "TF"), then `usable` questions a worksheet can hold, "Question 1?"
// and so on, each with its right answer first.
inline QByteArray giftBank(int usable, const QByteArray &category = QByteArray())
{
    QByteArray file = category.isEmpty() ? QByteArray() : "$CATEGORY: " + category + "\n\n";
    file += "::TF:: Blind? {T}\n\n";
    for (int q = 1; q <= usable; ++q)
        file += QByteArray("Question %1?{=right %1 ~wrong a ~wrong b ~wrong c}\n\n")
                    .replace("%1", QByteArray::number(q));
    return file;
}
