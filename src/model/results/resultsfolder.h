#pragma once

#include "results/attempt.h"

#include <QString>

// The "results" folder beside "multiple/" in the worksheet folder: a file for each pupil,
// "<pupil>.csv", which only ever grows. On a shared folder many copies of the program record
// at once; each file is changed under its own lock and replaced whole.
class ResultsFolder
{
public:
    explicit ResultsFolder(QString folder = QStringLiteral("results"));

    // Adds an attempt to its pupil's file, creating the folder and the file as needed; false,
    // with the reason in *problem, when it could not be recorded.
    bool record(const Attempt &attempt, QString *problem = nullptr) const;

    struct Loaded
    {
        QList<Attempt> attempts;
        int damaged = 0;        // records in the files that are not attempts
        QStringList unreadable; // files that could not be read
        // What was left out, a sentence each, for the teacher.
        QStringList problems() const;
    };
    // Every pupil's attempts, in no particular order.
    Loaded load() const;

    // The file a pupil's attempts go to: the name with what a file name cannot hold on a
    // Linux, Samba or sshfs folder replaced by "_".
    QString fileFor(const QString &pupil) const;

private:
    QString m_folder;
};
