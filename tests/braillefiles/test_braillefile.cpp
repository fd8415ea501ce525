// Worksheets as Braille Ready Files: the layout on a stand-in translator that keeps one
// cell a character, and the real tables read back by liblouis's own tool.
#include "embossing/louistranslator.h"
#include "printouts/braillefile.h"
#include "quiz/questionset.h"
#include "testfiles.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// One cell a character, so that a test can see where each word went; '§' has no Braille.
struct PlainTranslator : BrailleTranslator
{
    std::optional<QByteArray> translate(const QString &text, QString *untranslatable) override
    {
        if (text.contains(u'§')) {
            if (untranslatable)
                *untranslatable = QStringLiteral("§");
            return std::nullopt;
        }
        return text.simplified().toUpper().toLatin1();
    }
};

QString words(int count, const QString &stem)
{
    QStringList all;
    for (int i = 1; i <= count; ++i)
        all << stem + QString::number(i);
    return all.join(u' ');
}

QuestionSet setOf(const QString &title, const QString &question, const QString &answer)
{
    QuestionSet set;
    set.title = title;
    for (int q = 1; q <= QuestionSet::questionCount; ++q) {
        set.question(q).text = question;
        for (int a = 0; a < 4; ++a)
            set.question(q).answers[std::size_t(a)] = answer + QChar(u'a' + a);
        set.question(q).correctAnswer = QString::number(q % 4 + 1);
    }
    return set;
}

QuestionSet topicSet()
{
    QuestionSet set;
    const bool read = readQuestionSetFile(
        QStringLiteral(ZORVANEL_SOURCE_DIR "/content/multiple/Tomas Verrin.txt"), set);
    return read ? set : QuestionSet();
}

// The words a copy holds, in order, as print.
QStringList printWords(const QuestionSet &set, WorksheetCopy copy)
{
    QStringList texts{set.title};
    if (copy == WorksheetCopy::AnswerKey)
        texts << QStringLiteral("Answer key");
    for (int q = 1; q <= QuestionSet::questionCount; ++q) {
        texts << QStringLiteral("%1. %2").arg(q).arg(set.question(q).text);
        for (int a = 0; a < 4; ++a)
            texts << QString(QChar(u'a' + a)) + QStringLiteral(". ") +
                         set.question(q).answers[std::size_t(a)];
        if (copy == WorksheetCopy::AnswerKey)
            texts << QStringLiteral("Answer: ") + QChar(u'a' + set.question(q).correctChoice() - 1);
    }
    return texts.join(u' ').split(u' ', Qt::SkipEmptyParts);
}

// The pages of a file, each without its number line, having checked everything a file
// must keep: every page ends with a form feed and holds at most 25 lines of at most 40
// cells, its number at the right of its first line.
QList<QList<QByteArray>> pagesOf(const QByteArray &brf, QString *fault)
{
    QList<QList<QByteArray>> pages;
    if (!brf.endsWith('\f')) {
        *fault = QStringLiteral("the last page has no form feed");
        return pages;
    }
    const QList<QByteArray> texts = brf.chopped(1).split('\f');
    for (int n = 1; n <= texts.size(); ++n) {
        QList<QByteArray> lines = texts.at(n - 1).split('\n');
        if (!lines.takeLast().isEmpty())
            *fault = QStringLiteral("page %1 does not end with a line end").arg(n);
        for (QByteArray &line : lines) {
            if (!line.endsWith('\r'))
                *fault = QStringLiteral("page %1 has a line ended without CR").arg(n);
            line.chop(1);
            if (line.size() > braillefile::cellsPerLine || line.endsWith(' '))
                *fault = QStringLiteral("page %1 has the line \"%2\"").arg(n).arg(line);
        }
        if (lines.size() > braillefile::linesPerPage)
            *fault = QStringLiteral("page %1 has %2 lines").arg(n).arg(lines.size());
        const QByteArray number = lines.takeFirst();
        if (number.trimmed() != "#" + QByteArray::number(n).toUpper() &&
            number.size() != braillefile::cellsPerLine)
            *fault = QStringLiteral("page %1 is numbered \"%2\"").arg(n).arg(number);
        pages.append(lines);
    }
    return pages;
}

QStringList cellWords(const QList<QList<QByteArray>> &pages)
{
    QStringList all;
    for (const QList<QByteArray> &page : pages) {
        for (const QByteArray &line : page)
            all << QString::fromLatin1(line).split(u' ', Qt::SkipEmptyParts);
    }
    return all;
}

QString backTranslated(const QByteArray &cells, BrailleGrade grade)
{
    QProcess tool;
    tool.start(QStringLiteral("lou_translate"),
               {QStringLiteral("--backward"), QString::fromLatin1(LouisTranslator::tables(grade))});
    // The tool reads a backslash as the start of an escape; in ASCII Braille it is a cell.
    tool.write(QByteArray(cells).replace('\\', "\\\\") + '\n');
    tool.closeWriteChannel();
    if (!tool.waitForFinished(20000) || tool.exitCode() != 0)
        return QStringLiteral("<lou_translate failed: %1>").arg(tool.readAllStandardError());
    // Braille has one apostrophe, which the tables read back as the typographic one.
    return QString::fromUtf8(tool.readAllStandardOutput()).replace(u'\u2019', u'\'').trimmed();
}

} // namespace

class BrailleFileTest : public QObject
{
    Q_OBJECT
private slots:
    void pagesKeepTheirLimitsAndEveryWord_data()
    {
        QTest::addColumn<QuestionSet>("set");
        QTest::addColumn<WorksheetCopy>("copy");
        const QString answer = QStringLiteral("An answer of thirty characters");
        QTest::newRow("short texts")
            << setOf(QStringLiteral("Rivers"), QStringLiteral("Which?"), QStringLiteral("R"))
            << WorksheetCopy::Worksheet;
        QTest::newRow("the wizard's longest texts")
            << setOf(QStringLiteral("A title of 25 characters!"),
                     QStringLiteral("What is the question that takes sixty characters to ask?"),
                     answer)
            << WorksheetCopy::AnswerKey;
        QTest::newRow("an imported title of many lines")
            << setOf(words(40, QStringLiteral("Title")), QStringLiteral("Why?"), answer)
            << WorksheetCopy::Worksheet;
        QTest::newRow("questions of a dozen lines")
            << setOf(QStringLiteral("Long"), words(60, QStringLiteral("Word")), answer)
            << WorksheetCopy::AnswerKey;
        QTest::newRow("a word that fills a line exactly")
            << setOf(QString(40, u'x'), QString(37, u'y'), QStringLiteral("z"))
            << WorksheetCopy::Worksheet;
    }
    void pagesKeepTheirLimitsAndEveryWord()
    {
        QFETCH(QuestionSet, set);
        QFETCH(WorksheetCopy, copy);
        PlainTranslator translator;
        QString problem, fault;
        const std::optional<QByteArray> brf = braillefile::make(set, copy, translator, &problem);
        QVERIFY2(brf, qPrintable(problem));
        const QList<QList<QByteArray>> pages = pagesOf(*brf, &fault);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        QCOMPARE(cellWords(pages), printWords(set, copy).join(u' ').toUpper().split(u' '));
        // Lists set runover lines two cells further in than their first line.
        const QList<QByteArray> &first = pages.first();
        auto line = std::find_if(first.begin(), first.end(),
                                 [](const QByteArray &l) { return l.startsWith("1. "); });
        QVERIFY(line != first.end());
        while (++line != first.end() && !line->startsWith("  A. "))
            QVERIFY2(line->startsWith("  ") && line->at(2) != ' ', line->constData());
        QVERIFY(line != first.end());
        while (++line != first.end() && !line->startsWith("  B. "))
            QVERIFY2(line->startsWith("    ") && line->at(4) != ' ', line->constData());
    }

    // A question goes whole onto the next page where it fits there; one longer than a page
    // starts at the top of one and runs on. A page never starts with a blank line.
    void questionsAreNotSplitWhereTheyFit_data()
    {
        QTest::addColumn<int>("questionWords");
        QTest::addColumn<bool>("fitsOnAPage");
        QTest::newRow("seven lines a question") << 40 << true;
        QTest::newRow("twenty lines a question") << 150 << true;
        QTest::newRow("thirty lines a question") << 230 << false;
    }
    void questionsAreNotSplitWhereTheyFit()
    {
        QFETCH(int, questionWords);
        QFETCH(bool, fitsOnAPage);
        PlainTranslator translator;
        const QuestionSet set = setOf(
            QStringLiteral("T"), words(questionWords, QStringLiteral("w")), QStringLiteral("x"));
        QString fault;
        const QList<QList<QByteArray>> pages =
            pagesOf(*braillefile::make(set, WorksheetCopy::Worksheet, translator, nullptr), &fault);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        const QRegularExpression questionStart(QStringLiteral("^\\d+\\. "));
        int questionsSeen = 0;
        for (int p = 0; p < pages.size(); ++p) {
            const QList<QByteArray> &page = pages.at(p);
            QVERIFY(!page.isEmpty() && !page.first().isEmpty());
            const bool startsWithQuestion =
                questionStart.match(QString::fromLatin1(page.first())).hasMatch();
            const bool endsWithAnswer = page.last().startsWith("  D. ");
            if (p > 0 && fitsOnAPage)
                QVERIFY2(startsWithQuestion, page.first().constData());
            if (p + 1 < pages.size() && fitsOnAPage)
                QVERIFY2(endsWithAnswer, page.last().constData());
            for (const QByteArray &line : page)
                questionsSeen += questionStart.match(QString::fromLatin1(line)).hasMatch();
        }
        QCOMPARE(questionsSeen, QuestionSet::questionCount);
        if (!fitsOnAPage) {
            // Question 2 starts a page, since it cannot follow question 1 and still fit.
            QVERIFY(pages.at(1).first().startsWith("1. ") || pages.at(0).at(2).startsWith("1. "));
            QVERIFY(std::any_of(pages.begin(), pages.end(), [](const QList<QByteArray> &page) {
                return page.first().startsWith("2. ");
            }));
        }
    }

    // A text the tables cannot put in Braille names its question, and nothing is written:
    // a file already there stays as it was.
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
        QCOMPARE(fileBytes(path), QByteArray("the old file"));

        LouisTranslator louis(BrailleGrade::Contracted);
        set = topicSet();
        set.title = QStringLiteral("Braille \u4e2d \U0001F600 today");
        QVERIFY(!braillefile::write(path, set, WorksheetCopy::AnswerKey, louis, &problem));
        QCOMPARE(problem, QStringLiteral("The title has text that cannot be put in Braille: "
                                         "\"\u4e2d\U0001F600\"."));
        QCOMPARE(fileBytes(path), QByteArray("the old file"));
        QVERIFY(braillefile::write(path, topicSet(), WorksheetCopy::AnswerKey, louis, &problem));
        QVERIFY(fileBytes(path).startsWith(QByteArray(38, ' ') + "#A\r\n"));
    }

    // liblouis's own tool reads the file back to the worksheet's texts, word for word.
    void liblouisReadsTheFileBack_data()
    {
        QTest::addColumn<BrailleGrade>("grade");
        QTest::addColumn<WorksheetCopy>("copy");
        QTest::newRow("contracted worksheet")
            << BrailleGrade::Contracted << WorksheetCopy::Worksheet;
        QTest::newRow("contracted answer key")
            << BrailleGrade::Contracted << WorksheetCopy::AnswerKey;
        QTest::newRow("uncontracted worksheet")
            << BrailleGrade::Uncontracted << WorksheetCopy::Worksheet;
        QTest::newRow("uncontracted answer key")
            << BrailleGrade::Uncontracted << WorksheetCopy::AnswerKey;
    }
    void liblouisReadsTheFileBack()
    {
        QFETCH(BrailleGrade, grade);
        QFETCH(WorksheetCopy, copy);
        const QuestionSet set = topicSet();
        QVERIFY(!set.title.isEmpty());
        LouisTranslator translator(grade);
        QString problem, fault;
        const std::optional<QByteArray> brf = braillefile::make(set, copy, translator, &problem);
        QVERIFY2(brf, qPrintable(problem));
        const QList<QList<QByteArray>> pages = pagesOf(*brf, &fault);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
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
