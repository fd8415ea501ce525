#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// An installed copy reads its content from a working folder of the user's, as a source tree
// does from content/: the shipped folders are links to the installed, read-only ones, and
// "multiple" is the user's own, so worksheets outlive upgrades, or a link to the "multiple"
// of a school's folder.
namespace workingfolder {

// The folder whose "multiple" keeps the worksheets: the one named by ZORVANEL_WORKSHEETS,
// else $XDG_DATA_HOME/zorvanel, else ~/.local/share/zorvanel. Relative settings are
// ignored, as the base directory rules say.
QString location(const QProcessEnvironment &environment);

// The working folder on this desktop: the location itself, or, for a school's folder, one
// beside the user's own ("zorvanel-school"). A school's folder holds no links to the
// installed content: smbnetfs makes none, and sshfs does not follow links to absolute paths.
QString runFolder(const QProcessEnvironment &environment);

struct Preparation
{
    bool ok = false;
    QString problem;   // for the user, naming the folder, when not ok
    QStringList notes; // entries left alone, worth a line on the terminal
};

// Lays out workDir for the content installed in contentDir: links to its read-only folders,
// and a writable "multiple" in worksheetsDir (workDir itself when empty, else linked from
// workDir) that receives the topic's sets (replaced when they change) and an empty index
// only when it has none. Never removes or overwrites a teacher's file.
Preparation prepare(const QString &contentDir, const QString &workDir,
                    const QString &worksheetsDir = QString());

} // namespace workingfolder
