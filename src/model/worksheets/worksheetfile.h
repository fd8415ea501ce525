#pragma once

#include <QString>

struct QuestionSet;

// A teacher's worksheet is a question-set file in "multiple" named after its title, so the
// rules for the title are the rules for the file name.
namespace worksheetfile {

// The title a worksheet is saved under: the typed title without the blanks at its start,
// which the reader would drop, so that the saved worksheet can be found again.
QString keptTitle(const QString &typed);

// The worksheet file of a stored title, relative to the working folder.
QString path(const QString &storedTitle);

// True when the stored title names a plain file inside "multiple": no folder separator,
// no control character, nothing a school's shared Windows folder cannot hold, not "." or
// "..". Titles read from the index are held to this before their file is opened.
bool namesPlainFile(const QString &storedTitle);

// True when a worksheet may be saved under the stored title: a plain file name that is
// neither the index nor the topic's own set, in any letter case, since the folder may
// ignore case.
bool canSaveUnder(const QString &storedTitle);

// True when a file holds the worksheet of a stored title, in any letter case.
bool exists(const QString &storedTitle);

// Makes an empty worksheet file for a stored title that no file holds yet, in any letter
// case: Taken when one does, Failed when the file cannot be made. Two copies sharing a
// folder must claim under one lock: smbnetfs creates a file even where the server already
// has it.
enum class Claim { Made, Taken, Failed };
Claim claim(const QString &storedTitle);

// Reads the worksheet of a stored title whole into set; false, with set untouched, when
// the title names no plain file or the file is missing or incomplete.
bool read(const QString &storedTitle, QuestionSet &set);
// The same for a title as the catalogue shows it, with its commas.
bool readShown(const QString &shownTitle, QuestionSet &set);

} // namespace worksheetfile
