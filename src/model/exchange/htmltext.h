#pragma once

#include <QString>

// HTML read as a browser shows it, down to its words: a "<" that opens no tag is text,
// character references are decoded, tags are dropped. Our own small reader, since Qt's
// takes "3 < 2" for the start of a tag and cuts the text there.
namespace htmltext {

// What the words alone would not show, the first that was met.
enum class Loss { None, Picture, Table, Formula, RaisedText, UnclosedTag };

struct Reading
{
    QString text; // white space as written; the caller makes one line of it
    Loss loss = Loss::None;
};

Reading read(const QString &html);

} // namespace htmltext
