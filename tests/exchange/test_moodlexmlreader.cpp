// Reading the XML question bank format down to its questions, as a stream.
#include "exchange/importrules.h"
#include "exchange/moodlexmlreader.h"

#include <QBuffer>
#include <QTest>

namespace {
moodlexml::Reading readBytes(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return moodlexml::read(buffer);
}
} // namespace

class MoodleXmlReaderTest final : public QObject
{
    Q_OBJECT

private slots:
    void aQuizOfEveryKind()
    {
        const QByteArray file = R"(<?xml version="1.0" encoding="UTF-8"?>
<quiz>
  <question type="category"><category><text>$course$/Inventors/Braille</text></category></question>
  <question type="multichoice">
    <name><text>Born</text></name>
    <questiontext format="html"><text><![CDATA[<p>Where was <b>Tomas</b> born?</p>]]></text>
      <file name="map.png" path="/" encoding="base64">)" +
                                QByteArray(200000, 'A') + R"(</file>
    </questiontext>
    <generalfeedback format="html"><text>Read page one.</text></generalfeedback>
    <single>true</single>
    <answer fraction="0" format="html"><text>Paris</text><feedback><text>No</text></feedback></answer>
    <answer fraction="100" format="html"><text><![CDATA[Coup<i>vray</i>]]></text></answer>
    <answer fraction="0"><text>Rome &amp; Lyon</text></answer>
    <answer fraction="0"><text>London</text></answer>
  </question>
  <question type="multichoice"><name><text>Two</text></name><single>false</single>
    <questiontext format="plain_text"><text>Pick two</text></questiontext></question>
  <question type="truefalse"><name><text>TF</text></name><questiontext><text>Blind?</text></questiontext></question>
  <question type="ddwtos"><name><text>Drag</text></name><questiontext><text>Drag it</text></questiontext></question>
  <question type="multichoice"><name><text>Unescaped</text></name>
    <questiontext format="html"><text><p>Where?</p></text></questiontext></question>
  <question type="multichoice"><name><text>Fraction</text></name>
    <answer fraction="most"><text>a</text></answer></question>
  <question type="multichoice">
    <questiontext format="html"><text>Qual é o resultado de 10 &gt; 5 and 3 &lt; 2 or 2 == 2?</text></questiontext>
    <answer fraction="100"><text>True</text></answer>
    <answer fraction="-33.33333"><text>False</text></answer>
    <answer fraction="-33.33333"><text>None</text></answer>
    <answer fraction="-33.33333"><text>Both</text></answer>
  </question>
</quiz>)";
        const moodlexml::Reading reading = readBytes(file);
        QVERIFY2(reading.problem.isEmpty(), qPrintable(reading.problem));
        QCOMPARE(reading.questions.size(), 7);
        const exchange::Question &born = reading.questions.at(0);
        QCOMPARE(born.category, QStringLiteral("$course$/Inventors/Braille"));
        QCOMPARE(born.name, QStringLiteral("Born"));
        QCOMPARE(born.line, 4);
        const importrules::Verdict verdict = importrules::judge(born);
        QVERIFY2(verdict.outcome == importrules::Outcome::Usable, qPrintable(verdict.reason));
        QCOMPARE(verdict.text, QStringLiteral("Where was Tomas born?"));
        QCOMPARE(verdict.answers,
                 (std::array<QString, 4>{"Paris", "Coupvray", "Rome and Lyon", "London"}));
        QCOMPARE(verdict.correct, 2);

        QCOMPARE(importrules::judge(reading.questions.at(1)).reason,
                 QStringLiteral("it is a question with several right answers"));
        QCOMPARE(importrules::judge(reading.questions.at(2)).reason,
                 QStringLiteral("it is a true or false question"));
        QCOMPARE(importrules::judge(reading.questions.at(3)).reason,
                 QStringLiteral("it is a question of the kind \"ddwtos\""));
        // A question whose elements are wrong is skipped alone.
        QCOMPARE(importrules::judge(reading.questions.at(4)).reason,
                 QStringLiteral("its text holds the XML element <p>, where only words belong"));
        QCOMPARE(importrules::judge(reading.questions.at(5)).reason,
                 QStringLiteral("an answer's fraction, \"most\", is not a number"));
        const importrules::Verdict compare = importrules::judge(reading.questions.at(6));
        QCOMPARE(compare.outcome, importrules::Outcome::Usable);
        QCOMPARE(compare.text, QStringLiteral("Qual é o resultado de 10 > 5 and 3 < 2 or 2 == 2?"));
        QCOMPARE(compare.correct, 1);
    }

    void badFilesReadNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem");
        QTest::newRow("entity declarations")
            << QByteArray("<?xml version=\"1.0\"?><!DOCTYPE quiz [<!ENTITY a "
                          "\"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;\">]>"
                          "<quiz><question "
                          "type=\"description\"><questiontext><text>&b;</text></questiontext></"
                          "question></quiz>")
            << "declares a document type";
        QTest::newRow("an unclosed tag")
            << QByteArray("<quiz>\n<question type=\"essay\"><name><text>x</text>")
            << "not well-formed XML (line 2, column 43";
        QTest::newRow("not a quiz") << QByteArray("<html><body/></html>") << "not a quiz";
    }
    void badFilesReadNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        const moodlexml::Reading reading = readBytes(bytes);
        QVERIFY2(reading.problem.contains(problem), qPrintable(reading.problem));
        QVERIFY(reading.questions.isEmpty());
    }
};

QTEST_MAIN(MoodleXmlReaderTest)
#include "test_moodlexmlreader.moc"
