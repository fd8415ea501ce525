#include "worksheets/catalogueexchange.h"

#include "controls/waitcursor.h"
#include "exchange/importreport.h"
#include "exchange/worksheetexport.h"
#include "exchange/worksheetimport.h"
#include "frame/dialogs.h"
#include "frame/printjob.h"
#include "frame/screenhost.h"
#include "printouts/worksheetprintout.h"
#include "texts/publisher.h"
#include "worksheets/worksheetindex.h"

#include <QDir>
#include <QFileInfo>

namespace catalogueexchange {

const QString questionFileFilter = QStringLiteral("Question files (*.gift *.txt *.xml)");

namespace {
std::function<bool(PrintSurface &)> printout(const QuestionSet &set, WorksheetCopy copy)
{
    return [&set, copy](PrintSurface &surface) { return printCopy(surface, copy, set); };
}

// Where a file about this worksheet is first offered: the teacher's home, under its title.
QString suggestedPath(const QuestionSet &set, const QString &ending)
{
    return QDir::home().filePath(set.title + ending);
}
} // namespace

void print(ScreenHost &host, const QuestionSet &set, WorksheetCopy copy)
{
    runPrintJob(host, printout(set, copy),
                QStringLiteral("Your %1 is now printing.").arg(copyName(copy)));
}

void printForTheClass(ScreenHost &host, const QuestionSet &set, WorksheetCopy copy)
{
    runChosenPrintJob(host, printout(set, copy),
                      QStringLiteral("Your %1 is now printing.").arg(copyName(copy)));
}

void saveAsPdf(ScreenHost &host, const QuestionSet &set, WorksheetCopy copy)
{
    const QString suffix = copy == WorksheetCopy::AnswerKey ? QStringLiteral(" answer key.pdf")
                                                            : QStringLiteral(".pdf");
    const QString path = host.dialogs().chooseFileToSave(
        QStringLiteral("Save the %1 as PDF").arg(copyName(copy)), suggestedPath(set, suffix),
        {QStringLiteral("PDF files (*.pdf)")});
    if (path.isEmpty())
        return;
    runPdfJob(host, path, printout(set, copy),
              QStringLiteral("The %1 has been saved as %2.").arg(copyName(copy), path));
}

void exportWorksheet(ScreenHost &host, const QuestionSet &set)
{
    Dialogs &dialogs = host.dialogs();
    const QString path = dialogs.chooseFileToSave(
        QStringLiteral("Export the worksheet"), suggestedPath(set, QStringLiteral(".gift")),
        {QStringLiteral("GIFT files (*.gift *.txt)"), QStringLiteral("Moodle XML files (*.xml)")});
    if (path.isEmpty())
        return;
    const std::optional<worksheetexport::Format> format = worksheetexport::formatFor(path);
    if (!format) {
        dialogs.inform(
            QStringLiteral("Please give the file a name ending in .gift, .txt or .xml."));
        return;
    }
    QString problem;
    dialogs.inform(worksheetexport::write(set, path, *format, &problem)
                       ? QStringLiteral("The worksheet has been exported to %1.").arg(path)
                       : problem);
}

bool isQuestionFileName(const QString &path)
{
    return worksheetexport::formatFor(path).has_value();
}

QList<WorksheetDraft> chooseAndImport(ScreenHost &host)
{
    const QStringList paths =
        host.dialogs().chooseFilesToOpen(QStringLiteral("Import questions"), questionFileFilter);
    return paths.isEmpty() ? QList<WorksheetDraft>() : importFiles(host, paths);
}

QList<WorksheetDraft> importFiles(ScreenHost &host, const QStringList &paths)
{
    QList<WorksheetDraft> leftOver;
    QStringList lines;
    for (const QString &path : paths) {
        // A large question bank takes a moment to read and save.
        const WaitCursor waiting;
        const worksheetimport::Report report =
            worksheetimport::importFile(path, QString(), WorksheetIndexFile());
        lines << QFileInfo(path).fileName() + u':';
        lines << importreport::lines(report, importreport::LeftOver::OpenInWizard);
        if (!report.problem.isEmpty())
            lines << report.problem;
        leftOver << report.leftOverDrafts;
    }
    host.dialogs().showReport(QStringLiteral("What the import brought in:"), lines);
    return leftOver;
}

} // namespace catalogueexchange
