#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// An installed copy reads its content from a working folder of the user's (or the school's),
// as a source tree does from content/: the shipped folders are links to the installed,
// read-only ones, and "multiple" is the folder's own, so worksheets outlive upgrades.
namespace workingfolder {

// The folder named by ZORVANEL_WORKSHEETS, else $XDG_DATA_HOME/zorvanel, else
// ~/.local/share/zorvanel. Relative settings are ignored, as the base directory rules say.
QString location(const QProcessEnvironment &environment);

struct Preparation
{
    bool ok = false;
    QString problem;   // for the user, naming the folder, when not ok
    QStringList notes; // entries left alone, worth a line on the terminal
};

// Lays out workDir for the content installed in contentDir: links to its read-only folders,
// and a writable "multiple" that receives the topic's sets (replaced when they change) and an
// empty index only when it has none. Never removes or overwrites a teacher's file.
Preparation prepare(const QString &contentDir, const QString &workDir);

} // namespace workingfolder
