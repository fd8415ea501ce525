#pragma once

// A pupil at the topic hub, with a topic file of known answers: shared by the tests that
// drive the quiz and what follows it.

#include "controls/buttonarray.h"
#include "controls/buttonlabel.h"
#include "files/textfile.h"
#include "quiz/questionset.h"
#include "quiz/quizscreen.h"
#include "quiz/resultsscreen.h"
#include "shell/mainmenu.h"
#include "shell/startup.h"
#include "shell/topichub.h"
#include "testservices.h"

#include <QRadioButton>
#include <QTest>

#include <functional>

inline const QString topicFile = QStringLiteral("multiple/Tomas Verrin.txt");

// Question q's right answer is (q - 1) % 4 + 1, so the right answers move around.
inline int rightAnswer(int q)
{
    return (q - 1) % 4 + 1;
}

inline QByteArray topicSet(const QString &title,
                           const QString &firstQuestion = QStringLiteral("First?"))
{
    QuestionSet set;
    set.title = title;
    for (int q = 1; q <= QuestionSet::questionCount; ++q) {
        Question &question = set.question(q);
        question.text = q == 1 ? firstQuestion : QStringLiteral("Question number %1?").arg(q);
        for (int a = 0; a < 4; ++a)
            question.answers.at(a) = QStringLiteral("Answer %1 to %2").arg(a + 1).arg(q);
        question.correctAnswer = QString::number(rightAnswer(q));
    }
    QByteArray bytes;
    for (const QString &line : questionSetLines(set))
        bytes += windows1252::encode(line) + "\r\n";
    return bytes;
}

inline void click(ButtonLabel *label)
{
    QVERIFY(label && label->isVisible());
    QTest::mouseClick(label, Qt::LeftButton);
}

template <class T> QString textOf(QWidget *screen, const QString &name)
{
    auto *widget = screen->findChild<T *>(name);
    return widget ? widget->text() : QStringLiteral("<no %1>").arg(name);
}

// A pupil at the topic hub, opened from the main menu as in class.
struct Pupil
{
    TestProgram program;
    MainMenu *menu = nullptr;
    TopicHub *hub = nullptr;

    explicit Pupil(const QByteArray &set = topicSet(QStringLiteral("Tomas Verrin")))
    {
        if (!set.isNull())
            program.writeFile(topicFile, set);
        menu = startProgram(program.context());
        click(menu->entries()->at(MainMenu::TopicEntry));
        hub = screens().find<TopicHub>();
    }

    Screens &screens() { return program.context().screens(); }
    Screen *front() { return screens().front(); }

    // Clicks an activity on the hub and gives the screen it opened.
    template <class T> T *open(TopicHub::Activity activity)
    {
        click(hub->buttons()->at(activity));
        return screens().find<T>();
    }
    QuizScreen *openQuiz() { return open<QuizScreen>(TopicHub::QuizActivity); }

    // Answers every question with chosen(q) (0 leaves it unanswered) through to the results.
    ResultsScreen *takeQuiz(const std::function<int(int)> &chosen)
    {
        QuizScreen *quiz = openQuiz();
        for (int q = 1; q <= QuestionSet::questionCount; ++q) {
            answer(quiz, chosen(q));
            click(quiz->buttons()->at(QuizScreen::NextCommand));
        }
        return screens().find<ResultsScreen>();
    }

    static void answer(QuizScreen *quiz, int choice)
    {
        if (choice == 0)
            return;
        QRadioButton *option = quiz->answerOption(choice);
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
        QVERIFY(option->isChecked());
    }
};
