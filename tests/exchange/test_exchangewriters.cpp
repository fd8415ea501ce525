// Worksheets written as GIFT and XML question files, down to the marks either format could
// misread, and read back by the program's own import into the very same worksheet file.
#include "exchange/giftreader.h"
#include "exchange/giftwriter.h"
#include "exchange/moodlexmlreader.h"
#include "exchange/moodlexmlwriter.h"
#include "exchange/worksheetimport.h"
#include "platform/contentpath.h"
#include "quiz/commas.h"
#include "quiz/questionset.h"
#include "testfiles.h"
#include "worksheets/worksheetfile.h"
#include "worksheets/worksheetindex.h"

#include <QBuffer>
#include <QTest>
#include <QXmlStreamReader>

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

// The elements of each <question>: type, then each child's text and format.
QList<QMap<QString, QString>> xmlQuestions(const QByteArray &bytes)
{
    QList<QMap<QString, QString>> questions;
    QXmlStreamReader xml(bytes);
    xml.readNextStartElement();
    while (xml.readNextStartElement()) {
        QMap<QString, QString> question{
            {"type", xml.attributes().value(QStringLiteral("type")).toString()}};
        while (xml.readNextStartElement()) {
            const QString name = xml.name().toString();
            const QXmlStreamAttributes attributes = xml.attributes();
            for (const QString &attribute :
                 {QStringLiteral("format"), QStringLiteral("fraction")}) {
                if (attributes.hasAttribute(attribute))
                    question[name + '@' + attribute] +=
                        attributes.value(attribute).toString() + ' ';
            }
            question[name] += xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
        questions.append(question);
    }
    return xml.hasError() ? QList<QMap<QString, QString>>() : questions;
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
                       QStringLiteral("::z:: "), QStringLiteral("<i>é</i> \\ ")});
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
        QCOMPARE(questions.size(), QuestionSet::questionCount);
        QCOMPARE(questions.at(9).name, set.title + " 10");

        WorkingFolder folder;
        QVERIFY(writeBytes(QStringLiteral("multiple/track.txt"), " 0 \r\n"));
        const QString base = worksheetimport::titleBase(QString(), questions.at(0).category,
                                                        QStringLiteral("x.gift"));
        const worksheetimport::Report report =
            worksheetimport::importQuestions(questions, base, WorksheetIndexFile());
        QVERIFY2(report.problem.isEmpty(), qPrintable(report.problem));
        QVERIFY2(report.skipped.isEmpty(), qPrintable(report.skipped.value(0).reason));
        QCOMPARE(report.notes, QStringList());
        QCOMPARE(report.saved.size(), 1);
        QCOMPARE(report.saved.at(0).title, set.title);
        QCOMPARE(fileBytes(resolveContentPath(worksheetfile::path(encodeCommas(set.title)))),
                 fileBytes(original.filePath("set.txt")));
    }

    void giftText()
    {
        const QByteArray gift =
            gift::write(worksheet("Birds", "a~b=c#d{e}f:g\\h", {"Owl", "Cat", "Dog", "Cow"}));
        QVERIFY(gift.startsWith("$CATEGORY: $course$/top/Birds\n"
                                "\n"
                                "::Birds 01::[plain]1. a\\~b\\=c\\#d\\{e\\}f\\:g\\\\h {\n"
                                "=Owl1\n~Cat1\n~Dog1\n~Cow1\n"
                                "}\n"
                                "\n"
                                "::Birds 02::[plain]2. "));
        QVERIFY(gift.contains("\n~Owl10\n=Cat10\n~Dog10\n~Cow10\n}\n"));
        QVERIFY(gift.endsWith("}\n"));
        QVERIFY(!gift.contains('\r'));
    }

    void xmlQuestionsAreSingleChoiceInOrder()
    {
        const QuestionSet set =
            worksheet("Birds", "Which <b>bird</b>?", {"Owl", "Cat", "Dog", "Cow"});
        const QByteArray bytes = moodlexml::write(set);
        QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>"));
        const QList<QMap<QString, QString>> questions = xmlQuestions(bytes);
        QCOMPARE(questions.size(), 1 + QuestionSet::questionCount);
        QCOMPARE(questions.at(0).value("type"), QStringLiteral("category"));
        QCOMPARE(questions.at(0).value("category").trimmed(), QStringLiteral("$course$/top/Birds"));
        const QStringList fractions = {"100 0 0 0 ", "0 100 0 0 ", "0 0 100 0 ", "0 0 0 100 "};
        for (int n = 1; n <= QuestionSet::questionCount; ++n) {
            const QMap<QString, QString> question = questions.at(n);
            QCOMPARE(question.value("type"), QStringLiteral("multichoice"));
            QCOMPARE(question.value("name").trimmed(),
                     QStringLiteral("Birds %1").arg(n, 2, 10, QChar('0')));
            QCOMPARE(question.value("questiontext").trimmed(), set.question(n).text);
            QCOMPARE(question.value("questiontext@format"), QStringLiteral("plain_text "));
            QCOMPARE(question.value("single"), QStringLiteral("true"));
            QCOMPARE(question.value("shuffleanswers"), QStringLiteral("0"));
            QCOMPARE(question.value("answernumbering"), QStringLiteral("ABCD"));
            QCOMPARE(question.value("answer@fraction"), fractions.at((n - 1) % 4));
            QCOMPARE(question.value("answer@format"), QString("plain_text ").repeated(4));
            QCOMPARE(question.value("answer").simplified(),
                     QStringLiteral("Owl%1 Cat%1 Dog%1 Cow%1").arg(n));
        }
    }
};

QTEST_APPLESS_MAIN(ExchangeWritersTest)
#include "test_exchangewriters.moc"
