// Which questions of a GIFT file a worksheet can hold, and the plain words of every skip.
#include "exchange/giftreader.h"
#include "exchange/importrules.h"

#include <QGuiApplication>
#include <QTest>

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
        QTest::newRow("true or false") << "::TF::Tomas was blind. {T}" << "TF" << "it is a true or false question";
        QTest::newRow("short answer") << "Where was he born? {=Coupvray}" << "Where was he born?"
                                      << "it is a short-answer question";
        QTest::newRow("matching") << "::M::Match {=a -> b =c -> d =e -> f}" << "M" << "it is a matching question";
        QTest::newRow("numerical") << "::N::When? {#1809}" << "N" << "it is a numerical question";
        QTest::newRow("essay") << "::E::Write. {}" << "E" << "it is an essay question";
        QTest::newRow("description") << "One two three four five six seven" << "One two three four five six…"
                                     << "it is a description, not a question";
        QTest::newRow("two right") << "::R::Q {=a =b ~c ~d}" << "R" << "2 answers are right, and a worksheet has one";
        QTest::newRow("none right") << "::Z::Q {~a ~b ~c ~d}" << "Z" << "no answer is right";
        QTest::newRow("part marks") << "::P::Q {=a ~%50%b ~c ~d}" << "P"
                                    << "it gives part marks, and a worksheet answer is right or wrong";
        QTest::newRow("three answers") << "::3::Q {=a ~b ~c}" << "3" << "it has 3 answers, and a worksheet question has 4";
        QTest::newRow("six answers") << "::6::Q {=a ~b ~c ~d ~e ~f}" << "6" << "it has 6 answers, and a worksheet question has 4";
        QTest::newRow("a long question") << "::L::" + QString(61, u'x') + " {=a ~b ~c ~d}" << "L"
                                         << "the question has 61 characters, and the wizard's box holds 60";
        QTest::newRow("a long answer") << "::A::Q {=a ~" + QString(31, u'y') + " ~c ~d}" << "A"
                                       << "the answer B has 31 characters, and the wizard's box holds 30";
        QTest::newRow("a letter the file cannot keep") << "::O::Ohm? {=Ω ~b ~c ~d}" << "O"
                                                       << "the answer A holds \"Ω\", which a worksheet file cannot keep";
    }
    void skippedWithTheirReason()
    {
        QFETCH(QString, source);
        QFETCH(QString, who);
        QFETCH(QString, reason);
        const importrules::Verdict verdict = judged(source);
        QVERIFY(!verdict.usable);
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
        QTest::newRow("plain") << "Where?{~Paris =Coupvray ~Rome ~Lyon}" << "Where?" << "Paris" << 2 << QStringList();
        QTest::newRow("runs of white space") << "Where\n   was  he\tborn?{=a ~b ~c ~d}" << "Where was he born?"
                                             << "a" << 1 << QStringList();
        QTest::newRow("html with a picture")
            << "[html]<p>Who <b>is</b> this?<img src=\"@@PLUGINFILE@@/a.png\"></p>{~a ~b =c &amp; d ~e}"
            << "Who is this?" << "a" << 3
            << QStringList{"a picture or sound was left out of the question",
                           "\"&\" became \"and\", since a worksheet file reads it as a comma"};
        QTest::newRow("markdown") << "[markdown]Who is **Tomas**?{=a ~b ~c ~d}" << "Who is Tomas?" << "a" << 1
                                  << QStringList();
        QTest::newRow("windows-1252 letters") << "Café?{=é ~€ ~ñ ~d}" << "Café?" << "é" << 1 << QStringList();
    }
    void keptInPlainWords()
    {
        QFETCH(QString, source);
        QFETCH(QString, text);
        QFETCH(QString, answerA);
        QFETCH(int, correct);
        QFETCH(QStringList, notes);
        const importrules::Verdict verdict = judged(source);
        QVERIFY2(verdict.usable, qPrintable(verdict.reason));
        QCOMPARE(verdict.text, text);
        QCOMPARE(verdict.answers.at(0), answerA);
        QCOMPARE(verdict.correct, correct);
        QCOMPARE(verdict.notes, notes);
    }
};

QTEST_MAIN(ImportRulesTest)
#include "test_importrules.moc"
