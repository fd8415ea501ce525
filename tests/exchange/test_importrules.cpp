// Which questions of a GIFT file a worksheet can hold, which the teacher must rewrite
// first, and the plain words of every skip.
#include "exchange/giftreader.h"
#include "exchange/importrules.h"

#include <QGuiApplication>
#include <QTest>

using importrules::Outcome;

namespace {
importrules::Verdict judged(const QString &source)
{
    const gift::Reading reading = gift::read(source);
    return reading.questions.size() == 1 ? importrules::judge(reading.questions.first())
                                         : importrules::Verdict{};
}
} // namespace

class ImportRulesTest final : public QObject
{
    Q_OBJECT

private slots:
    void skippedWithTheirReason_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("who");
        QTest::addColumn<QString>("reason");
        QTest::newRow("true or false") << "::TF::Tomas was blind. {T}"
                                       << "TF"
                                       << "it is a true or false question";
        QTest::newRow("description") << "One two three four five six seven"
                                     << "One two three four five six…"
                                     << "it is a description, not a question";
        QTest::newRow("two right") << "::R::Q {=a =b ~c ~d}"
                                   << "R"
                                   << "2 answers are right, and a worksheet has one";
        QTest::newRow("part marks")
            << "::P::Q {=a ~%50%b ~c ~d}"
            << "P"
            << "it gives part marks, and a worksheet answer is right or wrong";
        QTest::newRow("three answers") << "::3::Q {=a ~b ~c}"
                                       << "3"
                                       << "it has 3 answers, and a worksheet question has 4";
        QTest::newRow("a letter the file cannot keep")
            << "::O::Ohm? {=Ω ~b ~c ~d}"
            << "O"
            << "answer A holds \"Ω\", which a worksheet file cannot keep";
        QTest::newRow("a picture")
            << "[html]Who is this?<IMG src=\"a.png\">{=a ~b ~c ~d}"
            << "Who is this?"
            << "the question holds a picture or sound, which a worksheet cannot show";
        QTest::newRow("a table in an answer")
            << "::T::[html]Q {=<table><tr><td>1</td></tr></table> ~b ~c ~d}"
            << "T"
            << "answer A holds a table, which a worksheet cannot show";
        QTest::newRow("a power")
            << "::E::[html]Is 10<sup>-3</sup> small? {=yes ~b ~c ~d}"
            << "E"
            << "the question holds raised or lowered text, such as a power, which a "
               "worksheet cannot show";
        QTest::newRow("a tag never closed")
            << "::U::[html]Is a<b? {=yes ~b ~c ~d}"
            << "U"
            << "the question holds a \"<\" that opens a tag never closed";
        QTest::newRow("a long question outside the code page")
            << "::L::" + QString(61, u'ж') + " {=a ~b ~c ~d}"
            << "L"
            << "the question holds \"ж\", which a worksheet file cannot keep";
    }
    void skippedWithTheirReason()
    {
        QFETCH(QString, source);
        QFETCH(QString, who);
        QFETCH(QString, reason);
        const importrules::Verdict verdict = judged(source);
        QCOMPARE(verdict.outcome, Outcome::Skipped);
        QCOMPARE(verdict.who, who);
        QCOMPARE(verdict.reason, reason);
    }

    void keptInPlainWords_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("answerA");
        QTest::addColumn<int>("correct");
        QTest::addColumn<QStringList>("notes");
        const QStringList andNote{
            "\"&\" became \"and\", since a worksheet file reads it as a comma"};
        QTest::newRow("runs of white space") << "Where\n   was  he\tborn?{=a ~b ~c ~d}"
                                             << "Where was he born?"
                                             << "a" << 1 << QStringList();
        // Qt's own reader took "< 2 or ..." for a tag and cut the question there.
        QTest::newRow("html: a \"<\" that opens no tag is text")
            << "[html]Qual é o resultado de 10 > 5 and 3 < 2 or 2 \\=\\= 2?{=True ~False ~b ~c}"
            << "Qual é o resultado de 10 > 5 and 3 < 2 or 2 == 2?"
            << "True" << 1 << QStringList();
        QTest::newRow("html: tags, entities, comments and scripts")
            << "[html]<p dir=\"ltr\" title='a > b'>Who <b>is</b><br>Tomas&nbsp;Verrin?</p><!-- x "
               "-->"
               "<script>if (a < b) x();</script><p>Caf&eacute; &#233;&#xE9; &lt;3&gt; "
               "x<sup>2</sup> Rome &amp; Lyon</p>"
               "{=&quot;a&quot; ~b ~c ~d}"
            << "Who is Tomas Verrin? Café éé <3> x² Rome and Lyon"
            << "\"a\"" << 1 << andNote;
        QTest::newRow("an answer's own html") << "Where?{~[html]<p>Paris</p> =[plain]<b> ~c ~d}"
                                              << "Where?"
                                              << "Paris" << 2 << QStringList();
        QTest::newRow("markdown") << "[markdown]Who is **Tomas**?{=a ~b ~c ~d}"
                                  << "Who is Tomas?"
                                  << "a" << 1 << QStringList();
        QTest::newRow("windows-1252 letters") << "Café?{=é ~€ ~ñ ~d}"
                                              << "Café?"
                                              << "é" << 1 << QStringList();
        QTest::newRow("\"&\" joining words")
            << "Who wrote “Romeo & Juliet”?{=Salt & pepper. ~b ~c ~d}"
            << "Who wrote “Romeo and Juliet”?"
            << "Salt and pepper." << 1 << andNote;
        QTest::newRow("wrong answers that take marks away")
            << "Where?{~%-33.3%Paris =Coupvray ~%-100%Rome ~Lyon}"
            << "Where?"
            << "Paris" << 2
            << QStringList{"the marks its wrong answers take away were dropped, since a worksheet "
                           "answer is "
                           "right or wrong"};
    }
    void keptInPlainWords()
    {
        QFETCH(QString, source);
        QFETCH(QString, text);
        QFETCH(QString, answerA);
        QFETCH(int, correct);
        QFETCH(QStringList, notes);
        const importrules::Verdict verdict = judged(source);
        QVERIFY2(verdict.outcome == Outcome::Usable, qPrintable(verdict.reason));
        QCOMPARE(verdict.text, text);
        QCOMPARE(verdict.answers.at(0), answerA);
        QCOMPARE(verdict.correct, correct);
        QCOMPARE(verdict.notes, notes);
    }

    // Kept in full and unchanged, for the teacher to rewrite in the wizard.
    void toRewrite_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<int>("textRewrite");
        QTest::addColumn<int>("answerBRewrite");
        const QString comma =
            QStringLiteral(" would read as a comma, and \"and\" could change what it means");
        QTest::newRow("a long question")
            << "::L::" + QString(61, u'x') + " {=a ~b ~c ~d}"
            << "the question has 61 characters, and the wizard's box holds 60"
            << int(BoxMark::TooLong) << int(BoxMark::None);
        QTest::newRow("a long answer")
            << "::A::Q {=a ~" + QString(31, u'y') + " ~c ~d}"
            << "answer B has 31 characters, and the wizard's box holds 30" << int(BoxMark::None)
            << int(BoxMark::TooLong);
        QTest::newRow("\"&\" beside digits")
            << "O que retorna (5 & 3)?{=1 ~3 ~5 ~8}"
            << "\"&\" in the question" + comma << int(BoxMark::Ampersand) << int(BoxMark::None);
        QTest::newRow("\"&\" doubled, and long")
            << "Which means and?{=" + QString(30, u'z') + " ~&& ~c ~d}"
            << "\"&\" in answer B" + comma << int(BoxMark::None) << int(BoxMark::Ampersand);
        QTest::newRow("\"&\" inside a word, and prose")
            << "Who are AT&T, salt & pepper?{=a ~b ~c ~d}"
            << "\"&\" in the question" + comma << int(BoxMark::Ampersand) << int(BoxMark::None);
        QTest::newRow("\"&\" between letters")
            << "Is x & y true?{=a ~b ~c ~d}"
            << "\"&\" in the question" + comma << int(BoxMark::Ampersand) << int(BoxMark::None);
    }
    void toRewrite()
    {
        QFETCH(QString, source);
        QFETCH(QString, reason);
        QFETCH(int, textRewrite);
        QFETCH(int, answerBRewrite);
        const importrules::Verdict verdict = judged(source);
        QCOMPARE(verdict.outcome, Outcome::ToRewrite);
        QCOMPARE(verdict.reason, reason);
        QCOMPARE(int(verdict.textRewrite), textRewrite);
        QCOMPARE(int(verdict.answerRewrites.at(1)), answerBRewrite);
        QVERIFY(verdict.notes.isEmpty());
        const QString full = gift::read(source).questions.first().text;
        QCOMPARE(verdict.text, full.simplified());
    }
};

QTEST_MAIN(ImportRulesTest)
#include "test_importrules.moc"
