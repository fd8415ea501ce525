// What is read aloud, put together from what the screens show.

#include "braille/cipherwords.h"
#include "quiz/quizreading.h"
#include "texts/spokentext.h"

#include <QTest>

class ReadingsTest final : public QObject
{
    Q_OBJECT

private slots:
    void aQuestionIsReadWithItsAnswersAsOneList()
    {
        Question question;
        question.text = QStringLiteral("  Who built the cell frame");
        question.answers = {QStringLiteral("Tomas."), QStringLiteral("his father, a saddler;"),
                            QString(), QStringLiteral(" a teacher ")};
        QCOMPARE(quizreading::question(10, question),
                 QStringLiteral("Question 10. Who built the cell frame. A, Tomas; "
                                "B, his father, a saddler; D, a teacher."));
    }

    void linesAreReadAsTheTextRuns()
    {
        // A heading and a title stand alone; a sentence broken over lines runs on; the
        // picture's empty lines are not heard.
        QCOMPARE(spokentext::page(QStringLiteral("Page 2 of 5\nKey Facts\n\nTomas was born\n"
                                                 "in 1809 and lost\nhis sight at three.\n"
                                                 "1824: the code\n")),
                 QStringLiteral("Page 2 of 5. Key Facts. Tomas was born in 1809 and lost his "
                                "sight at three. 1824: the code."));
        QCOMPARE(spokentext::sentences(
                     {QStringLiteral(" 2. Why?"), QString(), QStringLiteral("Read it again")}),
                 QStringLiteral("2. Why? Read it again."));
        QCOMPARE(cipher::spokenAnswer(QStringLiteral("cello")),
                 QStringLiteral("C, E, L, L, O. cello."));
    }
};

QTEST_MAIN(ReadingsTest)
#include "test_readings.moc"
