#pragma once

#include <QStringList>

// Texts put together to be read aloud: a voice pauses only where the punctuation says so,
// so a text meant for the eye needs its breaks made audible.
namespace spokentext {

// The parts as sentences of their own, in order; a part without closing punctuation gets a
// full stop, and blank parts are left out.
QString sentences(const QStringList &parts);

// A page's lines, in the order they are read, as running text: a line that breaks a
// sentence runs on into the next, and one that stands alone (a heading, an item of a list:
// no closing punctuation, the next line starting with a capital or a digit) ends with a
// full stop.
QString page(const QString &lines);

} // namespace spokentext
