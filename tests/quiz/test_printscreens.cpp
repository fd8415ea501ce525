// Printing from the screens: the certificate from the results, the worksheet from the quiz,
// what the pupil is told, and a paper page through Qt's print support. The certificate on a
// real print queue is the end-to-end test's.
#include "frame/application.h"
#include "pictures/picture.h"
#include "printer/printerdevice.h"
#include "printing/pdfdevice.h"
#include "printing/printsurface.h"
#include "pupil.h"

#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <stdexcept>

namespace {
const QString certificatePrinting = QStringLiteral("Your certificate is now printing.");
const QString worksheetPrinting = QStringLiteral("Your worksheet is now printing.");
const QString printingProblem = QStringLiteral("There was a problem printing to your printer.");

ResultsScreen *fullMarks(Pupil &pupil, const QString &name)
{
    ResultsScreen *results = pupil.takeQuiz(rightAnswer);
    QTest::keyClicks(results->findChild<QLineEdit *>(QStringLiteral("Text1")), name);
    return results;
}

void printCertificate(ResultsScreen *results)
{
    click(results->buttons()->at(ResultsScreen::ActionCommand));
}

QStringList printedTexts(const PrintedDocument &document)
{
    QStringList texts;
    for (const PrintedOp &op : document.texts())
        texts << op.text;
    return texts;
}

// Runs a poppler tool on a file and returns what it printed.
QString poppler(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}
} // namespace

class PrintScreensTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // No print server answers here, so the machine's default printer cannot be reached.
        qputenv("CUPS_SERVER", QFile::encodeName(QDir::tempPath() + "/no-print-server/socket"));
        prepareApplication();
    }

    // The screen stays after printing, so a second copy can be printed, and after any
    // failure, which the pupil is told of; a heading wider than a quarter page prints smaller.
    void fullMarksPrintTheCertificateAndFailuresAreTold()
    {
        Pupil pupil;
        ResultsScreen *results = fullMarks(pupil, QStringLiteral("Sam Reed"));
        RecordingPrinter &printer = pupil.program.printer;
        QStringList &messages = pupil.program.dialogs().messages;
        // The named certificate on a real queue, and again after it, are the end-to-end test's.
        // Here a heading of about 40 characters, wider in the screen's font than a quarter of
        // the page, prints smaller.
        const QString longHeading =
            QStringLiteral("The Life of Tomas Verrin and the Code for Reading by Touch");
        results->showScore(10, 10, longHeading);
        printCertificate(results);
        QCOMPARE(messages, QStringList{certificatePrinting});
        QVERIFY(printer.documents.back().sent);
        const std::vector<PrintedOp> texts = printer.documents.back().texts();
        QVERIFY(std::any_of(texts.begin(), texts.end(), [&](const PrintedOp &op) {
            return op.text == longHeading && op.style.points == 28.0;
        }));
        messages.clear();

        printer.failAtStep = 30;
        printCertificate(results);
        QCOMPARE(messages, QStringList{printingProblem});
        QVERIFY(printer.documents.back().abandoned && !printer.documents.back().sent);

        // Whatever escapes the printout itself cancels the printing, never the program.
        pupil.program.context().services().printer = []() -> std::unique_ptr<PrintDevice> {
            throw std::runtime_error("the print system broke down");
        };
        printCertificate(results);
        QCOMPARE(messages.last(), QStringLiteral("Printing has been cancelled."));

        QCOMPARE(messages.size(), 2);
        QCOMPARE(pupil.screens().front(), results);
        QVERIFY(pupil.program.quits.isEmpty());
    }

    void aTeachersWorksheetCanBePrintedFromTheQuiz()
    {
        Pupil pupil;
        QuizScreen *quiz = pupil.openQuiz();
        ButtonLabel *print = quiz->buttons()->at(QuizScreen::PrintCommand);
        QVERIFY(!print->isVisible()); // not for the topic's own quiz
        quiz->take({quiz->run().set(), QStringLiteral("Class 4 Worksheet"), QString(), true});
        click(print);
        QCOMPARE(pupil.program.dialogs().messages, QStringList{worksheetPrinting});
        const QStringList texts = printedTexts(pupil.program.printer.documents.back());
        QVERIFY(texts.contains(QStringLiteral("Class 4 Worksheet")));
        QVERIFY(texts.contains(QStringLiteral("D. Answer 4 to 10")));
        // Printing does not move the quiz on.
        QCOMPARE(pupil.screens().front(), quiz);
        QCOMPARE(quiz->run().number(), 1);
    }

    void withoutADefaultPrinterThePupilIsToldAndNothingElse()
    {
        Pupil pupil;
        pupil.program.context().services().printer = &PrinterDevice::defaultPrinter;
        printCertificate(fullMarks(pupil, QStringLiteral("Sam Reed")));
        QCOMPARE(pupil.program.dialogs().messages, QStringList{printingProblem});
        QVERIFY(pupil.screens().find<ResultsScreen>());
    }

    void aPaperPagePrintsAsTextAtItsOwnSize()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const Picture page =
            Picture::load(QStringLiteral(ZORVANEL_SOURCE_DIR "/content/wmf2/guide3.wmf"));
        QVERIFY(page.isMetafile());
        WorkingFolder folder;
        const QString pdf = QDir::currentPath() + QStringLiteral("/page.pdf");
        std::unique_ptr<PrintDevice> device = PdfDevice::file(pdf);
        PrintSurface surface(*device);
        surface.picture(page, {0, 0});
        QVERIFY(surface.endDoc());
        // Printed as vectors, the page's words are text in the document.
        const QString text = poppler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY2(text.contains(QStringLiteral("The quiz, results and certificates")),
                 qPrintable(text));
    }
};

QTEST_MAIN(PrintScreensTest)
#include "test_printscreens.moc"
