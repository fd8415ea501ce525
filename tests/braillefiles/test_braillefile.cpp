// Worksheets as Braille Ready Files: the layout on a stand-in translator that keeps one
// cell a character, and the real tables read back by liblouis's own tool.
#include "embossing/louistranslator.h"
#include "printouts/braillefile.h"
#include "quiz/questionset.h"
#include "testfiles.h"

#include <QProcess>
#include <QTest>

namespace {

// A number as Braille writes it: the number sign, then the digits as the letters a to j.
QByteArray brailleNumber(int number)
{
    QByteArray cells("#");
    for (const char digit : QByteArray::number(number))
        cells += digit == '0' ? 'J' : char('A' + digit - '1');
    return cells;
}

// One cell a character, numbers as Braille writes them; '§' has no Braille.
struct PlainTranslator : BrailleTranslator
{
    std::optional<QByteArray> translate(const QString &text, QString *untranslatable) override
    {
        if (text.toInt() > 0) // a page number
            return brailleNumber(text.toInt());
        if (!text.contains(u'§'))
            return text.simplified().toUpper().toLatin1();
        *untranslatable = QStringLiteral("§");
        return std::nullopt;
    }
};

QString words(int count)
{
    QStringList all;
    for (int i = 1; i <= count; ++i)
        all << QStringLiteral("word%1").arg(i);
    return all.join(u' ');
}

QuestionSet setOf(const QString &title, const QString &question, const QString &answer)
{
    QuestionSet set;
    set.title = title;
    for (int q = 1; q <= QuestionSet::questionCount; ++q)
        set.question(q) = {question, {answer + 'a', answer + 'b', answer + 'c', answer + 'd'}, "2"};
    return set;
}

QuestionSet topicSet()
{
    QuestionSet set;
    readQuestionSetFile(QStringLiteral(ZORVANEL_SOURCE_DIR "/content/multiple/Tomas Verrin.txt"),
                        set);
    return set;
}

// The words of a copy in print, in order.
QStringList printWords(const QuestionSet &set, WorksheetCopy copy)
{
    QStringList texts{set.title};
    if (copy == WorksheetCopy::AnswerKey)
        texts << QStringLiteral("Answer key");
    for (int q = 1; q <= QuestionSet::questionCount; ++q) {
        texts << QStringLiteral("%1. %2").arg(q).arg(set.question(q).text);
        for (int a = 0; a < 4; ++a)
            texts << QChar(u'a' + a) + QStringLiteral(". ") + set.question(q).answers.at(a);
        if (copy == WorksheetCopy::AnswerKey)
            texts << QStringLiteral("Answer: ") + QChar(u'a' + set.question(q).correctChoice() - 1);
    }
    return texts.join(u' ').split(u' ', Qt::SkipEmptyParts);
}

// The pages' lines without their number lines, having checked what every file keeps: each
// page ends in a form feed and holds at most 25 CRLF lines of at most 40 cells, the first
// line its number at the right.
QList<QList<QByteArray>> pagesOf(const QByteArray &brf)
{
    QList<QByteArray> texts = brf.split('\f');
    if (!texts.takeLast().isEmpty())
        return {};
    QList<QList<QByteArray>> pages;
    for (const QByteArray &text : texts) {
        QList<QByteArray> lines = QByteArray(text).replace("\r\n", "\n").split('\n');
        if (!lines.takeLast().isEmpty() || text.count('\r') != lines.size() ||
            lines.size() > braillefile::linesPerPage)
            return {};
        for (const QByteArray &line : lines) {
            if (line.size() > braillefile::cellsPerLine || line.endsWith(' '))
                return {};
        }
        const QByteArray number = lines.takeFirst();
        if (number.size() != braillefile::cellsPerLine ||
            number.trimmed() != brailleNumber(int(pages.size()) + 1))
            return {};
        pages.append(lines);
    }
    return pages;
}

QString backTranslated(QByteArray cells, BrailleGrade grade)
{
    QProcess tool;
    tool.start(QStringLiteral("lou_translate"),
               {QStringLiteral("--backward"), QString::fromLatin1(LouisTranslator::tables(grade))});
    // The tool takes a backslash for an escape; in ASCII Braille it is a cell.
    tool.write(cells.replace('\\', "\\\\") + '\n');
    tool.closeWriteChannel();
    tool.waitForFinished(20000);
    // Braille has one apostrophe, which the tables read back as the typographic one.
    return QString::fromUtf8(tool.readAllStandardOutput()).replace(u'\u2019', u'\'').simplified();
}

} // namespace

class BrailleFileTest : public QObject
{
    Q_OBJECT
private slots:
    // Every word kept, lines broken between words within the limits, and a question moved
    // whole to the next page where it fits there; one longer than a page starts a page.
    void layout_data()
    {
        QTest::addColumn<QuestionSet>("set");
        QTest::addColumn<bool>("fits"); // a question with its answers on one page
        const QString answer = QStringLiteral("An answer of thirty characters");
        QTest::newRow("the wizard's longest texts")
            << setOf(QStringLiteral("A title of 25 characters!"),
                     QStringLiteral("What is the question that takes sixty characters to ask?"),
                     answer)
            << true;
        QTest::newRow("a title of many lines")
            << setOf(words(40), QStringLiteral("Why?"), answer) << true;
        QTest::newRow("words that fill a line")
            << setOf(QString(40, u'x'), QString(37, u'y'), QStringLiteral("z")) << true;
        QTest::newRow("twenty lines a question") << setOf("T", words(90), "x") << true;
        QTest::newRow("fifty lines a question") << setOf("T", words(230), "x") << false;
    }
    void layout()
    {
        QFETCH(QuestionSet, set);
        QFETCH(bool, fits);
        PlainTranslator translator;
        const auto brf = braillefile::make(set, WorksheetCopy::Worksheet, translator, nullptr);
        const QList<QList<QByteArray>> pages = pagesOf(brf.value_or(""));
        QVERIFY(!pages.isEmpty());
        QStringList cells;
        for (const QList<QByteArray> &page : pages) {
            QVERIFY(!page.first().isEmpty());
            cells << QString::fromLatin1(page.join(' ')).split(u' ', Qt::SkipEmptyParts);
            // Where questions fit, each page ends with an answer and starts with a question.
            if (fits && &page != &pages.last())
                QVERIFY2(page.last().startsWith("  D. "), page.last().constData());
            if (fits && &page != &pages.first())
                QVERIFY2(page.first().contains(". ") && page.first().at(0) != ' ', page.first());
        }
        QCOMPARE(cells, printWords(set, WorksheetCopy::Worksheet).join(u' ').toUpper().split(u' '));
        // One longer than a page starts a page, as does the next.
        for (const char *start : {"1. ", "2. "}) {
            QVERIFY(fits || std::any_of(pages.begin(), pages.end(), [start](const auto &page) {
                        return page.first().startsWith(start);
                    }));
        }
    }

    // A text without Braille names its question, and an old file stays as it was.
    void anUntranslatableTextWritesNothing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("quiz.brf"));
        QVERIFY(writeBytes(path, "the old file"));
        QuestionSet set = topicSet();
        set.question(7).answers[2] = QStringLiteral("Section § 3");
        PlainTranslator plain;
        QString problem;
        QVERIFY(!braillefile::write(path, set, WorksheetCopy::Worksheet, plain, &problem));
        QCOMPARE(problem,
                 QStringLiteral("Question 7 has text that cannot be put in Braille: \"§\"."));
        LouisTranslator louis(BrailleGrade::Contracted);
        set = topicSet();
        set.title = QStringLiteral("Braille \u4e2d \U0001F600 today");
        QVERIFY(!braillefile::write(path, set, WorksheetCopy::AnswerKey, louis, &problem));
        QCOMPARE(problem, QStringLiteral("The title has text that cannot be put in Braille: "
                                         "\"\u4e2d\U0001F600\"."));
        QCOMPARE(fileBytes(path), QByteArray("the old file"));
    }

    // liblouis's own tool reads the file back to the worksheet's texts, word for word.
    void liblouisReadsTheFileBack_data()
    {
        QTest::addColumn<BrailleGrade>("grade");
        QTest::addColumn<WorksheetCopy>("copy");
        QTest::newRow("grade 2 worksheet") << BrailleGrade::Contracted << WorksheetCopy::Worksheet;
        QTest::newRow("grade 2 answer key") << BrailleGrade::Contracted << WorksheetCopy::AnswerKey;
        QTest::newRow("grade 1 worksheet")
            << BrailleGrade::Uncontracted << WorksheetCopy::Worksheet;
        QTest::newRow("grade 1 answer key")
            << BrailleGrade::Uncontracted << WorksheetCopy::AnswerKey;
    }
    void liblouisReadsTheFileBack()
    {
        QFETCH(BrailleGrade, grade);
        QFETCH(WorksheetCopy, copy);
        const QuestionSet set = topicSet();
        LouisTranslator translator(grade);
        const QList<QList<QByteArray>> pages =
            pagesOf(braillefile::make(set, copy, translator, nullptr).value_or(""));
        QVERIFY(pages.size() > 1);
        QByteArray cells;
        for (const QList<QByteArray> &page : pages)
            cells += page.join(' ') + ' ';
        QCOMPARE(backTranslated(cells, grade).split(u' ', Qt::SkipEmptyParts),
                 printWords(set, copy));
    }
};

QTEST_APPLESS_MAIN(BrailleFileTest)
#include "test_braillefile.moc"
