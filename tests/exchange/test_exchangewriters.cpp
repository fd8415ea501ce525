// Worksheets written as GIFT and XML question files, down to the marks either format could
// misread (a weight, a format marker at an answer's start), and read back by the program's
// own import into the very same worksheet file.
#include "exchange/giftreader.h"
#include "exchange/giftwriter.h"
#include "exchange/moodlexmlreader.h"
#include "exchange/moodlexmlwriter.h"
#include "exchange/worksheetimport.h"
#include "files/commas.h"
#include "files/contentpath.h"
#include "quiz/questionset.h"
#include "testfiles.h"
#include "worksheets/worksheetfile.h"
#include "worksheets/worksheetindex.h"

#include <QBuffer>
#include <QTest>

namespace {

QuestionSet worksheet(const QString &title, const QString &text, const QStringList &answers)
{
    QuestionSet set;
    set.title = title;
    for (int n = 1; n <= QuestionSet::questionCount; ++n) {
        Question &question = set.question(n);
        question.text = QStringLiteral("%1. ").arg(n) + text;
        for (int a = 0; a < 4; ++a)
            question.answers.at(a) = answers.at(a) + QString::number(n);
        question.correctAnswer = QString::number((n - 1) % 4 + 1);
    }
    return set;
}

} // namespace

class ExchangeWritersTest final : public QObject
{
    Q_OBJECT

private slots:
    void readBackAsTheSameWorksheet_data()
    {
        QTest::addColumn<bool>("xml");
        QTest::newRow("GIFT") << false;
        QTest::newRow("XML") << true;
    }
    void readBackAsTheSameWorksheet()
    {
        QFETCH(bool, xml);
        // A title of 22 characters or fewer keeps its length as a category's title base.
        const QuestionSet set =
            worksheet(QStringLiteral("Odd, {marks} #1 = ~ok"),
                      QStringLiteral("Is a~b=c#d {e} f:g \\h, \"<b>\" 'x' \\n café £5?"),
                      {QStringLiteral("%50% off "), QStringLiteral("=x, ~y "),
                       QStringLiteral("::z:: "), QStringLiteral("[html]<i>é</i> \\ ")});
        QTemporaryDir original;
        QVERIFY(writeQuestionSetFile(original.filePath("set.txt"), set));

        QList<exchange::Question> questions;
        if (xml) {
            QByteArray bytes = moodlexml::write(set);
            QBuffer buffer(&bytes);
            QVERIFY(buffer.open(QIODevice::ReadOnly));
            questions = moodlexml::read(buffer).questions;
        } else {
            questions = gift::read(gift::decode(gift::write(set))).questions;
        }

        WorkingFolder folder;
        QVERIFY(writeBytes(QStringLiteral("multiple/track.txt"), " 0 \r\n"));
        const QString base = worksheetimport::titleBase(QString(), questions.at(0).category,
                                                        QStringLiteral("x.gift"));
        const worksheetimport::Report report =
            worksheetimport::importQuestions(questions, base, WorksheetIndexFile());
        QVERIFY2(report.skipped.isEmpty(), qPrintable(report.skipped.value(0).reason));
        QCOMPARE(report.notes, QStringList());
        QCOMPARE(fileBytes(resolveContentPath(worksheetfile::path(encodeCommas(set.title)))),
                 fileBytes(original.filePath("set.txt")));
    }

    void writtenText()
    {
        const QuestionSet set =
            worksheet("Birds", "a~b=c#d{e}f:g\\h", {"Owl", "Cat", "Dog", "Cow"});
        const QByteArray gift = gift::write(set);
        QVERIFY(gift.startsWith("$CATEGORY: $course$/top/Birds\n\n"
                                "::Birds 01::[plain]1. a\\~b\\=c\\#d\\{e\\}f\\:g\\\\h {\n"
                                "=Owl1\n~Cat1\n~Dog1\n~Cow1\n}\n\n::Birds 02::[plain]2. "));
        QVERIFY(gift.endsWith("\n~Owl10\n=Cat10\n~Dog10\n~Cow10\n}\n") && !gift.contains('\r'));

        const QByteArray xml = moodlexml::write(set);
        QVERIFY(xml.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>"));
        QCOMPARE(xml.count("<question type=\"category\">"), 1);
        QVERIFY(xml.contains("<text>$course$/top/Birds</text>") &&
                xml.contains("<text>Birds 10</text>"));
        for (const char *each : {"<question type=\"multichoice\">", "<single>true</single>",
                                 "<shuffleanswers>0</shuffleanswers>", "fraction=\"100\"",
                                 "<answernumbering>ABCD</answernumbering>"})
            QCOMPARE(xml.count(each), QuestionSet::questionCount);
        QCOMPARE(xml.count("fraction=\"0\""), 3 * QuestionSet::questionCount);
        QCOMPARE(xml.count("format=\"plain_text\""), xml.count("format="));
    }
};

QTEST_APPLESS_MAIN(ExchangeWritersTest)
#include "test_exchangewriters.moc"
