#pragma once

#include "exchange/question.h"
#include "worksheets/worksheetdraft.h"

#include <QList>
#include <QString>
#include <QStringList>

class WorksheetIndexFile;

// Read questions made into worksheets of ten, each saved as the wizard saves one.
namespace worksheetimport {

struct Saved
{
    QString title;
    int questionCount = 0;
};

// A question named in the report, with why.
struct Mention
{
    QString who;
    int line = 0; // where it starts in its file, 0 when not known
    QString reason;
};

struct Report
{
    QList<Saved> saved;       // in the order they were saved
    QList<Mention> skipped;   // in file order
    QList<Mention> toRewrite; // questions that fit once the teacher rewrites a text
    QStringList notes;        // changes made on the way, each with its question
    // The questions left over, too few for a last worksheet or to be rewritten, in file
    // order; the wizard takes them ten at a time, with the texts to rewrite marked.
    int leftOver = 0;
    QList<WorksheetDraft> leftOverDrafts;
    QString problem; // why saving stopped, when it did
};

// The title worksheets of an import are saved under: the teacher's, else the last part of
// the category, else the file's name; empty when the teacher's own cannot be a title.
QString titleBase(const QString &given, const QString &category, const QString &fileName);

// The title for the nth worksheet of an import (1 for the first): base, then "base 2" and
// so on, passing over every title in taken, whatever its letter case. A long base is
// shortened to make room for its number.
QString freeTitle(const QString &base, int n, const QStringList &taken);

Report importQuestions(const QList<exchange::Question> &questions, const QString &base,
                       const WorksheetIndexFile &indexFile);

// Reads a question file of either format and imports its questions: problem says why
// nothing was read, or why saving stopped part-way.
Report importFile(const QString &path, const QString &givenTitle,
                  const WorksheetIndexFile &indexFile);

} // namespace worksheetimport
