#pragma once

#include "worksheets/worksheetdraft.h"

#include <QList>
#include <QString>
#include <QStringList>

class AppContext;
struct QuestionSet;

// What a teacher does with a worksheet beyond the quiz: paper, PDF and question bank files
// in and out. Each asks what it needs and tells the teacher how it went.
namespace catalogueexchange {

enum class Copy { Worksheet, AnswerKey };

void print(AppContext &context, const QuestionSet &set, Copy copy);
void saveAsPdf(AppContext &context, const QuestionSet &set, Copy copy);
void exportWorksheet(AppContext &context, const QuestionSet &set);

// The files a teacher may bring in, for the file dialog and for a drop.
extern const QString questionFileFilter;
bool isQuestionFileName(const QString &path);

// Asks for question files, then imports them.
QList<WorksheetDraft> chooseAndImport(AppContext &context);
// Imports the files and shows the teacher the report in full. The questions left over
// from every file come back, ten to a draft, for the wizard.
QList<WorksheetDraft> importFiles(AppContext &context, const QStringList &paths);

} // namespace catalogueexchange
