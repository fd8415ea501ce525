#pragma once

#include "printouts/worksheetprintout.h"
#include "worksheets/worksheetdraft.h"

#include <QList>
#include <QString>
#include <QStringList>

class ScreenHost;
struct QuestionSet;

// What a teacher does with a worksheet beyond the quiz: paper, PDF and question bank files
// in and out. Each asks what it needs and tells the teacher how it went.
namespace catalogueexchange {

void print(ScreenHost &host, const QuestionSet &set, WorksheetCopy copy);
// The same, on the printer, copies and pages the teacher chooses.
void printForTheClass(ScreenHost &host, const QuestionSet &set, WorksheetCopy copy);
void saveAsPdf(ScreenHost &host, const QuestionSet &set, WorksheetCopy copy);
void exportWorksheet(ScreenHost &host, const QuestionSet &set);

// The files a teacher may bring in, for the file dialog and for a drop.
extern const QString questionFileFilter;
bool isQuestionFileName(const QString &path);

// Asks for question files, then imports them.
QList<WorksheetDraft> chooseAndImport(ScreenHost &host);
// Imports the files and shows the teacher the report in full. The questions left over
// from every file come back, ten to a draft, for the wizard.
QList<WorksheetDraft> importFiles(ScreenHost &host, const QStringList &paths);

} // namespace catalogueexchange
