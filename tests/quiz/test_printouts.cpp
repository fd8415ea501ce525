// The certificate and the paper worksheet, printed on a stand-in printer with simple metrics:
// a text is 10 twips wide per point per character, a line 23 twips high per point.
#include "printing/printsurface.h"
#include "printouts/certificateprintout.h"
#include "printouts/worksheetprintout.h"
#include "quiz/questionset.h"
#include "recordingprinter.h"

#include <QTest>

namespace {
constexpr double pageWidth = 11520;

double width(double points, const QString &text)
{
    return 10 * points * text.size();
}

double centred(double points, const QString &text)
{
    return (pageWidth - width(points, text)) / 2;
}

Certificate certificate(const QString &name, double headingWidth = 900)
{
    return {QStringLiteral("Zorvanel"), name, 10, 10, headingWidth};
}

PrintedDocument printed(RecordingPrinter &printer, const Certificate &data)
{
    std::unique_ptr<PrintDevice> device = printer.device();
    PrintSurface surface(*device);
    printCertificate(surface, data);
    return printer.documents.back();
}

QuestionSet sampleSet()
{
    QuestionSet set;
    set.title = QStringLiteral("Rivers, Lakes");
    for (int q = 1; q <= QuestionSet::questionCount; ++q) {
        set.question(q).text = QStringLiteral("Which river, if any, is number %1?").arg(q);
        for (int a = 0; a < 4; ++a)
            set.question(q).answers[a] = QStringLiteral("R%1%2").arg(q).arg(QChar('a' + a));
        set.question(q).correctAnswer = QStringLiteral("2");
    }
    return set;
}

} // namespace

class PrintoutsTest : public QObject
{
    Q_OBJECT
private slots:
    // The frames fit the page they are given, come after the text, and are the same for
    // every pupil.
    void theFramesDependOnThePageAlone()
    {
        RecordingPrinter printer;
        printer.page = QSizeF(11000, 16000);
        const PrintedDocument document = printed(printer, certificate(QStringLiteral("Sam Reed")));
        QVERIFY(document.sent && !document.abandoned);
        QCOMPARE(document.pageCount(), 1);
        QCOMPARE(document.ops[document.texts().size()].kind, PrintedOp::Line);
        const std::vector<PrintedOp> lines = document.lines();
        QCOMPARE(lines.size(), size_t(32));
        const QRectF page(0, 0, 11000, 16000);
        const std::vector<PrintedOp> again =
            printed(printer, certificate(QString(), 99999)).lines();
        for (size_t i = 0; i < lines.size(); ++i) {
            QVERIFY(page.contains(lines[i].at) && page.contains(lines[i].to));
            QCOMPARE(QLineF(again[i].at, again[i].to), QLineF(lines[i].at, lines[i].to));
        }
    }

    // A heading wider than a quarter of the page (2880 twips) prints smaller, and the line
    // after it; the name stays centred and the score three lines below the praise.
    void aWideHeadingPrintsSmallerAndTheLinesBelowKeepTheirPlace()
    {
        RecordingPrinter printer;
        for (const double headingWidth : {2880.0, 2881.0}) {
            const double points = headingWidth > 2880 ? 28 : 36;
            const std::vector<PrintedOp> texts =
                printed(printer, certificate(QStringLiteral("Sam Reed"), headingWidth)).texts();
            QCOMPARE(texts[8].text, QStringLiteral("Zorvanel"));
            QCOMPARE(texts[8].style.points, points);
            QCOMPARE(texts[9].style.points, points);
            QCOMPARE(texts[15].at.x(), centred(28, QStringLiteral("Sam Reed")));
            QCOMPARE(texts[17].at.y() - texts[13].at.y(), 4 * 23.0 * 28);
        }
    }

    void theWorksheetPrintsQuestionsAndAnswerColumns()
    {
        RecordingPrinter printer;
        std::unique_ptr<PrintDevice> device = printer.device();
        PrintSurface surface(*device);
        QVERIFY(printWorksheet(surface, QStringLiteral("Geography"), sampleSet()));
        const PrintedDocument &document = printer.documents.back();
        QCOMPARE(document.pageCount(), 1);
        const std::vector<PrintedOp> texts = document.texts();
        // 1 + 2 + 1 + 3 header lines, then 1 + 2 + 2 + 1 per question.
        QCOMPARE(texts.size(), size_t(7 + 10 * 6));
        QCOMPARE(texts[4].text, QStringLiteral("Geography"));
        QCOMPARE(texts[5].text, QStringLiteral("Rivers, Lakes"));

        const PrintedOp *q3 = &texts[7 + 2 * 6];
        QCOMPARE(q3[0].text, QStringLiteral("Question 3    Which river, if any, is number 3?"));
        QCOMPARE(q3[4].text, QStringLiteral("D. R3d"));
        QCOMPARE(q3[4].at, QPointF(2 * pageWidth / 3, q3[0].at.y() + 2 * 23 * 12.0));
        for (const PrintedOp &text : texts) {
            QVERIFY(!text.text.contains('&'));
            QVERIFY(!text.style.bold && !text.text.contains(u'\u2713'));
        }
    }

    void theAnswerKeyMarksEachRightAnswerAndListsTheLetters()
    {
        QuestionSet set = sampleSet();
        set.question(1).correctAnswer = QStringLiteral("3");
        set.question(10).correctAnswer = QStringLiteral("4");
        set.question(5).correctAnswer = QStringLiteral("x"); // a damaged file's field
        RecordingPrinter printer;
        std::unique_ptr<PrintDevice> device = printer.device();
        PrintSurface surface(*device);
        QVERIFY(printAnswerKey(surface, set));
        const std::vector<PrintedOp> texts = printer.documents.back().texts();
        // The worksheet's texts, a tick for each of nine valid right answers, the letters.
        QCOMPARE(texts.size(), size_t(7 + 10 * 6 + 9 + 1));
        const QString tick = QStringLiteral("\u2713 ");
        // Question 1: its text, A, B, the tick, C, D.
        const PrintedOp *q1 = &texts[7];
        QCOMPARE(q1[3].text, tick);
        QCOMPARE(q1[4].text, QStringLiteral("C. R1c"));
        QVERIFY(q1[3].style.bold && q1[4].style.bold && !q1[5].style.bold);
        // The letters stay in their column; the tick stands before it.
        QCOMPARE(q1[4].at.x(), pageWidth / 3);
        QCOMPARE(q1[3].at.x() + width(12, tick), pageWidth / 3);
        // Question 5 has no right answer to mark.
        const PrintedOp *q5 = &texts[7 + 4 * 7];
        QCOMPARE(q5[0].text.left(10), QStringLiteral("Question 5"));
        for (int a = 1; a <= 4; ++a)
            QVERIFY(!q5[a].style.bold && q5[a].text != tick);
        QCOMPARE(texts.back().text,
                 QStringLiteral("1 C  2 B  3 B  4 B  5 ?  6 B  7 B  8 B  9 B  10 D"));
        QVERIFY(texts.back().style.bold);
    }

    void aLongAnswerIsNeverPrintedOver()
    {
        QuestionSet set = sampleSet();
        // 12-point text is 120 twips a character here; a third of the page is 3840.
        set.question(3).answers[0] = QString(33, 'x');
        set.question(3).answers[2] = QString(29, 'y'); // exactly a third, with its "C. "
        RecordingPrinter printer;
        std::unique_ptr<PrintDevice> device = printer.device();
        PrintSurface surface(*device);
        QVERIFY(printWorksheet(surface, QString(), set));
        const std::vector<PrintedOp> texts = printer.documents.back().texts();
        const PrintedOp *q3 = &texts[7 + 2 * 6];
        const double line = 23 * 12.0;
        QCOMPARE(q3[1].text, QStringLiteral("A. ") + QString(33, 'x'));
        QCOMPARE(q3[2].text, QString());
        QCOMPARE(q3[3].text, QStringLiteral("B. R3b"));
        QCOMPARE(q3[3].at, QPointF(2 * pageWidth / 3, q3[1].at.y() + line));
        // An answer that just fits stays beside its partner.
        QCOMPARE(q3[4].at.y(), q3[3].at.y() + line);
        QCOMPARE(q3[5].at, QPointF(2 * pageWidth / 3, q3[4].at.y()));
    }

    void aLongWorksheetGoesOnToANewPage()
    {
        RecordingPrinter printer;
        printer.page = QSizeF(11520, 6000);
        std::unique_ptr<PrintDevice> device = printer.device();
        PrintSurface surface(*device);
        QVERIFY(printWorksheet(surface, QStringLiteral("Geography"), sampleSet()));
        const PrintedDocument &document = printer.documents.back();
        QVERIFY(document.pageCount() >= 3);
        QCOMPARE(document.texts().size(), size_t(7 + 10 * 6));
        bool topOfPage = false;
        for (const PrintedOp &op : document.ops) {
            if (op.kind == PrintedOp::NewPage) {
                topOfPage = true;
                continue;
            }
            QVERIFY(op.at.y() + RecordingPrinter::lineHeight(op.style) <= 6000);
            if (topOfPage)
                QCOMPARE(op.at.y(), 0.0);
            topOfPage = false;
        }
        // An answer pair is never split across two pages.
        const std::vector<PrintedOp> texts = document.texts();
        for (size_t i = 1; i < texts.size(); ++i) {
            if (texts[i].text.startsWith(QStringLiteral("B. ")))
                QCOMPARE(texts[i].at.y(), texts[i - 1].at.y());
        }
    }

    void aFailureStopsThePrintoutAndSendsNothing()
    {
        const int failAt = 60; // a frame line, after the text
        RecordingPrinter printer;
        printer.failAtStep = failAt;
        std::unique_ptr<PrintDevice> device = printer.device();
        PrintSurface surface(*device);
        QVERIFY(!printCertificate(surface, certificate(QStringLiteral("Sam Reed"))));
        const PrintedDocument &document = printer.documents.back();
        QVERIFY(document.abandoned);
        QVERIFY(!document.sent);
        // Measurements and drawings alternate; nothing was drawn after the failing step.
        QVERIFY(int(document.ops.size()) <= failAt);
    }

    void aPrinterThatCannotSendOrIsMissingReportsFailure()
    {
        RecordingPrinter printer;
        printer.sendFails = true;
        {
            std::unique_ptr<PrintDevice> device = printer.device();
            PrintSurface surface(*device);
            QVERIFY(!printWorksheet(surface, QString(), sampleSet()));
        }
        QVERIFY(!printer.documents.back().sent);

        RecordingPrinter none;
        none.available = false;
        std::unique_ptr<PrintDevice> device = none.device();
        PrintSurface surface(*device);
        QVERIFY(surface.failed());
        QVERIFY(!printCertificate(surface, certificate(QStringLiteral("Sam Reed"))));
        QVERIFY(none.documents.empty());
    }
};

QTEST_GUILESS_MAIN(PrintoutsTest)
#include "test_printouts.moc"
