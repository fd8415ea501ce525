// Reading a GIFT file down to its questions: what each one is, its text and its answers.
#include "exchange/giftreader.h"

#include <QTest>

using exchange::Kind;

class GiftReaderTest final : public QObject
{
    Q_OBJECT

private slots:
    void decoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("UTF-8") << QByteArray("caf\xC3\xA9") << QStringLiteral("café");
        QTest::newRow("UTF-8 with a byte-order mark") << QByteArray("\xEF\xBB\xBF"
                                                                    "caf\xC3\xA9")
                                                      << QStringLiteral("café");
        QTest::newRow("not UTF-8: windows-1252")
            << QByteArray("caf\xE9 \x80") << QStringLiteral("café €");
    }
    void decoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(gift::decode(bytes), text);
    }

    void kinds_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("kind");
        QTest::newRow("short answer") << "Where? {=Coupvray =coupvray}" << int(Kind::ShortAnswer);
        QTest::newRow("numerical") << "When? {#1809:1}" << int(Kind::Numerical);
        QTest::newRow("matching") << "Match. {=1809 -> born =1852 -> died}" << int(Kind::Matching);
        QTest::newRow("essay") << "Write about him. {}" << int(Kind::Essay);
    }
    void kinds()
    {
        QFETCH(QString, source);
        QFETCH(int, kind);
        const gift::Reading reading = gift::read(source);
        QCOMPARE(reading.questions.size(), 1);
        QCOMPARE(int(reading.questions.first().kind), kind);
    }

    void aFileOfEveryConstruct()
    {
        const QString file = QStringLiteral(
            "// A comment line\n"
            "$CATEGORY: $course$/Inventors/Braille\n"
            "\n"
            "::Born:: [html]Where was <b>Tomas</b> born?{\n"
            "  ~Paris#No, near it\n"
            "  =Coupvray#Yes\n"
            "  ~%0%Rome\n"
            "  ~London\n"
            "  ####Read page one.\n"
            "}\n"
            "\n"
            "   // an indented comment between questions\n"
            "::Escapes \\: all:: A \\{brace\\}, a \\~, 50\\% \\= half \\# one\\\\two\\nthree {\n"
            "  =a\\=b ~c\\~d ~e\\#f ~g\\{h\\}\n"
            "}\n"
            "\n"
            "Tomas went to {=school ~sea ~war ~work} in Paris.\r\n"
            "\r\n"
            "::Marked:: [html]Pick {~[html]in<i>correct</i>. =%100%[markdown]**right** ~[plain]<b> "
            "~ [moodle]m}\n");
        const gift::Reading reading = gift::read(file);
        QCOMPARE(reading.questions.size(), 4);

        const exchange::Question &born = reading.questions.at(0);
        QCOMPARE(born.format, QStringLiteral("html"));
        QCOMPARE(born.text, QStringLiteral("Where was <b>Tomas</b> born?"));
        QCOMPARE(born.answers.size(), 4);
        QCOMPARE(born.answers.at(0).text, QStringLiteral("Paris"));
        QCOMPARE(born.answers.at(0).format, QStringLiteral("html"));
        QCOMPARE(born.answers.at(1).text, QStringLiteral("Coupvray"));
        QCOMPARE(born.answers.at(1).fraction, 1.0);

        const exchange::Question &escapes = reading.questions.at(1);
        QCOMPARE(escapes.name, QStringLiteral("Escapes : all"));
        QCOMPARE(escapes.text, QStringLiteral("A {brace}, a ~, 50\\% = half # one\\two\nthree"));
        QStringList texts;
        for (const gift::Answer &answer : escapes.answers)
            texts << answer.text;
        QCOMPARE(texts, (QStringList{"a=b", "c~d", "e#f", "g{h}"}));

        // The category, names and weights are read in the rules' and the writers' tests;
        // here, that the category holds for the questions after it.
        const exchange::Question &missing = reading.questions.at(2);
        QCOMPARE(missing.text, QStringLiteral("Tomas went to _____ in Paris."));
        QCOMPARE(missing.category, QStringLiteral("$course$/Inventors/Braille"));

        // An answer's own format marker follows its weight and sets its format alone.
        const exchange::Question &marked = reading.questions.at(3);
        QCOMPARE(marked.line, 19);
        QStringList formats;
        texts.clear();
        for (const gift::Answer &answer : marked.answers)
            formats << answer.format, texts << answer.text;
        QCOMPARE(formats, (QStringList{"html", "markdown", "plain", "moodle"}));
        QCOMPARE(texts, (QStringList{"in<i>correct</i>.", "**right**", "<b>", "m"}));
        QCOMPARE(marked.answers.at(1).fraction, 1.0);
    }

    // A blank line inside an answer block splits it in two: each half is a question that
    // cannot be read, named by its line, and the questions around them are read.
    void aBrokenQuestionIsReadAlone()
    {
        const gift::Reading reading =
            gift::read(QStringLiteral("Fine {=a ~b ~c ~d}\n\nBroken {\n=a\n\n~b\n}\n\n// fine "
                                      "again\nAlso fine {=a ~b ~c ~d}\n"));
        QCOMPARE(reading.questions.size(), 4);
        QStringList problems;
        QList<int> lines;
        for (const exchange::Question &question : reading.questions)
            problems << question.problem, lines << question.line;
        QCOMPARE(problems,
                 (QStringList{"", "its answer block is opened with \"{\" and never closed",
                              "its answer block is closed with \"}\" but never opened", ""}));
        QCOMPARE(lines, (QList<int>{1, 3, 6, 10}));
        QCOMPARE(reading.questions.at(1).text, QStringLiteral("Broken {\n=a"));
        QCOMPARE(reading.questions.at(3).answers.size(), 4);
    }
};

QTEST_APPLESS_MAIN(GiftReaderTest)
#include "test_giftreader.moc"
