#include "commandline/commandline.h"

#include "embossing/louistranslator.h"
#include "exchange/importreport.h"
#include "exchange/worksheetexport.h"
#include "exchange/worksheetimport.h"
#include "files/commas.h"
#include "files/textfile.h"
#include "printing/pdfdevice.h"
#include "printing/printsurface.h"
#include "printouts/braillefile.h"
#include "printouts/worksheetprintout.h"
#include "quiz/questionset.h"
#include "quiz/topicquiz.h"
#include "results/classresults.h"
#include "results/resultsfolder.h"
#include "texts/publisher.h"
#include "worksheets/worksheetfile.h"
#include "worksheets/worksheetindex.h"

#include <QCommandLineParser>
#include <QDir>
#include <QTextStream>

#include <algorithm>
#include <cstring>

namespace commandline {

namespace {

enum Status { Done = 0, NothingDone = 1, WrongCommandLine = 2 };

struct Options
{
    QCommandLineOption import{QStringLiteral("import"),
                              QStringLiteral("Import the question files given (GIFT or Moodle XML) "
                                             "as worksheets of ten.")};
    QCommandLineOption title{QStringLiteral("title"),
                             QStringLiteral("With --import: the title for the new worksheets."),
                             QStringLiteral("TITLE")};
    QCommandLineOption exportTo{
        QStringLiteral("export"),
        QStringLiteral("Export the worksheet TITLE to the file given: .gift "
                       "or .txt for GIFT, .xml for Moodle XML."),
        QStringLiteral("TITLE")};
    QCommandLineOption printWorksheet{
        QStringLiteral("print-worksheet"),
        QStringLiteral("Print the worksheet TITLE to the --pdf file."), QStringLiteral("TITLE")};
    QCommandLineOption printAnswerKey{QStringLiteral("print-answer-key"),
                                      QStringLiteral("Print the answer key of the worksheet TITLE "
                                                     "to the --pdf file."),
                                      QStringLiteral("TITLE")};
    QCommandLineOption pdf{QStringLiteral("pdf"),
                           QStringLiteral("With --print-worksheet or --print-answer-key: the PDF "
                                          "file to write."),
                           QStringLiteral("FILE")};
    QCommandLineOption results{
        QStringLiteral("results"),
        QStringLiteral("Show every pupil's attempts at the quiz or worksheet "
                       "TITLE, newest first, with the class's figures."),
        QStringLiteral("TITLE")};
    QCommandLineOption csv{QStringLiteral("csv"),
                           QStringLiteral("With --results: also write the table to FILE, for a "
                                          "spreadsheet."),
                           QStringLiteral("FILE")};
    QCommandLineOption braille{
        QStringLiteral("braille"),
        QStringLiteral("Save the worksheet TITLE, or the topic's own question set by its "
                       "title, in Braille to the --brf file."),
        QStringLiteral("TITLE")};
    QCommandLineOption brf{QStringLiteral("brf"),
                           QStringLiteral("With --braille: the Braille Ready File to write."),
                           QStringLiteral("FILE")};
    QCommandLineOption grade{QStringLiteral("grade"),
                             QStringLiteral("With --braille: 2 for contracted Braille (the "
                                            "default), 1 for uncontracted."),
                             QStringLiteral("1|2"), QStringLiteral("2")};
    QCommandLineOption answerKey{QStringLiteral("answer-key"),
                                 QStringLiteral("With --braille: save the answer key instead.")};
    QCommandLineOption list{QStringLiteral("list"),
                            QStringLiteral("List the worksheets' titles, one a line.")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Show these options.")};

    QList<QCommandLineOption> all() const
    {
        return {import, title,   exportTo, printWorksheet, printAnswerKey,
                pdf,    results, csv,      list,           help};
    }
    QList<QCommandLineOption> brailleOptions() const { return {braille, brf, grade, answerKey}; }
};

int wrong(QTextStream &err, const QString &reason)
{
    err << "zorvanel: " << reason << Qt::endl
        << "Try \"zorvanel --help\" for the options." << Qt::endl;
    return WrongCommandLine;
}

// A pupil asked for what only a teacher may do.
int refused(QTextStream &err, const QString &reason)
{
    err << "zorvanel: " << reason << Qt::endl;
    return NothingDone;
}

class Run
{
public:
    Run(QTextStream &out, QTextStream &err) : m_out(out), m_err(err) {}

    int importFiles(const QStringList &files, const QString &title);
    int exportWorksheet(const QString &title, const QString &file);
    int printToPdf(const QString &title, const QString &file, bool answerKey);
    int listTitles();
    int showResults(const QString &title, const QString &csvFile);
    int saveInBraille(const QString &title, const QString &file, BrailleGrade grade,
                      WorksheetCopy copy);

private:
    int fail(const QString &reason)
    {
        m_err << "zorvanel: " << reason << Qt::endl;
        return NothingDone;
    }
    // Why the worksheet of a displayed title cannot be read into set, or nothing.
    QString readWorksheet(const QString &title, QuestionSet &set) const;

    QTextStream &m_out;
    QTextStream &m_err;
    const WorksheetIndexFile m_index;
};

QString fromStartFolder(const QString &file)
{
    const QString start = qEnvironmentVariable("ZORVANEL_STARTED_IN", QDir::currentPath());
    return QDir(start).absoluteFilePath(file);
}

int Run::importFiles(const QStringList &files, const QString &title)
{
    int saved = 0;
    QString reason;
    for (const QString &file : files) {
        const worksheetimport::Report report =
            worksheetimport::importFile(fromStartFolder(file), title, m_index);
        for (const QString &line : importreport::lines(report, importreport::LeftOver::NotSaved))
            m_out << line << Qt::endl;
        if (!report.problem.isEmpty()) {
            reason = file + QStringLiteral(": ") + report.problem;
            m_err << "zorvanel: " << reason << Qt::endl;
        }
        saved += int(report.saved.size());
    }
    if (saved > 0)
        return Done;
    return reason.isEmpty()
               ? fail(QStringLiteral("no worksheet was saved: fewer than ten questions "
                                     "could be worksheet questions."))
               : NothingDone;
}

QString Run::readWorksheet(const QString &title, QuestionSet &set) const
{
    if (!m_index.exists())
        return WorksheetIndexFile::missingMessage;
    const QString stored = encodeCommas(title);
    if (!m_index.load().titles.contains(stored))
        return QStringLiteral("no worksheet is called \"%1\"; --list shows them.").arg(title);
    if (!worksheetfile::readShown(title, set))
        return QStringLiteral("the worksheet \"%1\" seems to be corrupted.").arg(title);
    return QString();
}

int Run::exportWorksheet(const QString &title, const QString &file)
{
    const std::optional<worksheetexport::Format> format = worksheetexport::formatFor(file);
    if (!format)
        return wrong(
            m_err, QStringLiteral("%1 names no known format: use .gift, .txt or .xml.").arg(file));
    QuestionSet set;
    if (const QString reason = readWorksheet(title, set); !reason.isEmpty())
        return fail(reason);
    QString problem;
    if (!worksheetexport::write(set, fromStartFolder(file), *format, &problem))
        return fail(problem);
    m_out << QStringLiteral("Wrote \"%1\" to %2.").arg(title, file) << Qt::endl;
    return Done;
}

int Run::printToPdf(const QString &title, const QString &file, bool answerKey)
{
    QuestionSet set;
    if (const QString reason = readWorksheet(title, set); !reason.isEmpty())
        return fail(reason);
    const std::unique_ptr<PrintDevice> device = PdfDevice::file(fromStartFolder(file));
    PrintSurface surface(*device);
    const WorksheetCopy copy = answerKey ? WorksheetCopy::AnswerKey : WorksheetCopy::Worksheet;
    const bool printed = printCopy(surface, copy, set);
    if (!printed)
        return fail(QStringLiteral("%1 could not be written.").arg(file));
    m_out << QStringLiteral("Wrote the %1 of \"%2\" to %3.").arg(copyName(copy), title, file)
          << Qt::endl;
    return Done;
}

int Run::showResults(const QString &title, const QString &csvFile)
{
    const ResultsFolder::Loaded loaded = ResultsFolder().load();
    const ClassResults results = ClassResults::of(title, loaded.attempts);
    for (const QString &problem : loaded.problems())
        m_err << "zorvanel: " << problem << Qt::endl;
    m_out << "Results of \"" << title << "\"" << Qt::endl << results.summary() << Qt::endl;
    if (results.pupils > 0) {
        for (const QString &line : results.shareLines())
            m_out << line << Qt::endl;
        m_out << Qt::endl;
        for (const QString &line : results.tableLines())
            m_out << line << Qt::endl;
    }
    if (csvFile.isEmpty())
        return Done;
    QString problem;
    if (!writeWholeFile(fromStartFolder(csvFile), results.tableCsv(), &problem))
        return fail(problem);
    m_out << QStringLiteral("Wrote the table to %1.").arg(csvFile) << Qt::endl;
    return Done;
}

int Run::saveInBraille(const QString &title, const QString &file, BrailleGrade grade,
                       WorksheetCopy copy)
{
    // The topic's own quiz is no catalogue entry, yet a class with a blind pupil needs it
    // on paper too.
    const bool topicSet = title.compare(topicquiz::title(), Qt::CaseInsensitive) == 0;
    QuestionSet set;
    if (topicSet && !readQuestionSetFile(topicquiz::questionSetPath, set))
        return fail(QStringLiteral("the topic's question set cannot be read."));
    if (const QString reason = topicSet ? QString() : readWorksheet(title, set); !reason.isEmpty())
        return fail(reason);
    LouisTranslator translator(grade);
    QString problem;
    if (!braillefile::write(fromStartFolder(file), set, copy, translator, &problem))
        return fail(problem);
    m_out << QStringLiteral("Wrote the %1 of \"%2\" in Braille to %3.")
                 .arg(copyName(copy), title, file)
          << Qt::endl;
    return Done;
}

int Run::listTitles()
{
    if (!m_index.exists())
        return fail(WorksheetIndexFile::missingMessage);
    for (const QString &stored : m_index.load().titles)
        m_out << decodeCommas(stored) << Qt::endl;
    return Done;
}

} // namespace

bool isRequested(int argc, const char *const *argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--", 2) == 0 || std::strcmp(argv[i], "-h") == 0)
            return true;
    }
    return false;
}

int run(const QStringList &arguments, QTextStream &out, QTextStream &err,
        const Classroom &classroom)
{
    const Options options;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Zorvanel: worksheets in and out, without the screens."));
    parser.addOptions(options.all());
    parser.addOptions(options.brailleOptions());
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QStringLiteral("The question files to import, or the file to export to."),
        QStringLiteral("[FILE...]"));
    Run task(out, err);
    if (!parser.parse(arguments))
        return wrong(err, parser.errorText());
    if (parser.isSet(options.help)) {
        out << parser.helpText() << Qt::flush;
        return Done;
    }
    const QList<const QCommandLineOption *> tasks = {&options.import,
                                                     &options.exportTo,
                                                     &options.printWorksheet,
                                                     &options.printAnswerKey,
                                                     &options.results,
                                                     &options.braille,
                                                     &options.list};
    const auto asked = std::count_if(tasks.begin(), tasks.end(),
                                     [&](const QCommandLineOption *o) { return parser.isSet(*o); });
    if (asked != 1)
        return wrong(err, QStringLiteral("give one of --import, --export, --print-worksheet, "
                                         "--print-answer-key, --braille, --results and --list."));
    const QStringList files = parser.positionalArguments();
    const bool printing =
        parser.isSet(options.printWorksheet) || parser.isSet(options.printAnswerKey);
    if (parser.isSet(options.title) && !parser.isSet(options.import))
        return wrong(err, QStringLiteral("--title goes with --import."));
    if (parser.isSet(options.pdf) != printing)
        return wrong(
            err, QStringLiteral("--pdf FILE goes with --print-worksheet or --print-answer-key."));

    const bool braille = parser.isSet(options.braille);
    if (parser.isSet(options.brf) != braille)
        return wrong(err, QStringLiteral("--brf FILE goes with --braille."));
    if ((parser.isSet(options.grade) || parser.isSet(options.answerKey)) && !braille)
        return wrong(err, QStringLiteral("--grade and --answer-key go with --braille."));
    const QString grade = parser.value(options.grade);
    if (grade != QLatin1String("1") && grade != QLatin1String("2"))
        return wrong(err, QStringLiteral("--grade is 1 or 2."));
    if (parser.isSet(options.csv) && !parser.isSet(options.results))
        return wrong(err, QStringLiteral("--csv FILE goes with --results."));
    const bool teachersOnly = parser.isSet(options.import) || parser.isSet(options.exportTo) ||
                              parser.isSet(options.results);
    if (teachersOnly && !classroom.isTeacher())
        return refused(err, Classroom::teachersOnly);

    if (parser.isSet(options.import)) {
        if (files.isEmpty())
            return wrong(err, QStringLiteral("--import needs at least one file."));
        return task.importFiles(files, parser.value(options.title));
    }
    if (parser.isSet(options.exportTo)) {
        if (files.size() != 1)
            return wrong(err, QStringLiteral("--export TITLE needs exactly one file to write."));
        return task.exportWorksheet(parser.value(options.exportTo), files.first());
    }
    if (!files.isEmpty())
        return wrong(err, QStringLiteral("unexpected %1.").arg(files.first()));
    if (braille) {
        return task.saveInBraille(
            parser.value(options.braille), parser.value(options.brf),
            grade == QLatin1String("1") ? BrailleGrade::Uncontracted : BrailleGrade::Contracted,
            parser.isSet(options.answerKey) ? WorksheetCopy::AnswerKey : WorksheetCopy::Worksheet);
    }
    if (printing) {
        const bool key = parser.isSet(options.printAnswerKey);
        return task.printToPdf(parser.value(key ? options.printAnswerKey : options.printWorksheet),
                               parser.value(options.pdf), key);
    }
    if (parser.isSet(options.results))
        return task.showResults(parser.value(options.results), parser.value(options.csv));
    return task.listTitles();
}

} // namespace commandline
