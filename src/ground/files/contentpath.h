#pragma once

#include <QString>

// Resolves a path given with "\" or "/" and in any letter case, relative to the working
// directory, to the existing file or folder whose path matches without regard to case.
// Where no such entry exists, the folders that do exist are resolved and the rest keeps
// the case it was given, so a new file is created under the name the program chose.
QString resolveContentPath(const QString &path);

// A path of the program's, as a person reads it in a message: whole, from the root, with
// this system's separators.
QString shownContentPath(const QString &path);
