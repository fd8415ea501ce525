// The classroom through the screens: a pupil's name and results, what a pupil may not use,
// the teacher's view of the class and printing for the class.
#include "frame/application.h"
#include "quiz/pupilnamescreen.h"
#include "results/resultsfolder.h"
#include "teacher.h"
#include "worksheets/classresultsscreen.h"
#include "worksheets/classresultsview.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>

namespace {

Classroom pupilOnSharedAccount()
{
    ClassroomSettings settings;
    settings.teacherGroup = QStringLiteral("teachers");
    settings.pupilsShareAccount = true;
    return Classroom(settings, Account{QStringLiteral("class6"), QString(), {"class6"}});
}

QAction *actionNamed(QMenu *menu, const QString &text)
{
    for (QAction *action : menu->actions()) {
        if (action->text() == text)
            return action;
        if (action->menu())
            if (QAction *inner = actionNamed(action->menu(), text))
                return inner;
    }
    return nullptr;
}

void recordClass()
{
    const auto record = [](const QString &pupil, int day, int wrongFrom) {
        Attempt a;
        a.pupil = pupil;
        a.title = QStringLiteral("Birds");
        a.finished = QDateTime(QDate(2026, 12, day), QTime(9, 0));
        for (int q = 0; q < Attempt::outOf; ++q)
            a.score += (a.right.at(q) = q < wrongFrom) ? 1 : 0;
        QVERIFY(ResultsFolder().record(a));
    };
    record(QStringLiteral("Amy"), 1, 5);
    record(QStringLiteral("Ben"), 3, 9);
    record(QStringLiteral("Amy"), 2, 8);
}

} // namespace

class ClassroomScreensTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    // Asked once, before question 1; the name a spreadsheet could take for a formula is not.
    void aPupilOnASharedAccountGivesTheirNameOnce()
    {
        Pupil pupil;
        pupil.program.context().state().classroom = pupilOnSharedAccount();
        click(pupil.hub->buttons()->at(TopicHub::QuizActivity));
        auto *prompt = pupil.screens().find<PupilNameScreen>();
        QVERIFY(prompt && pupil.front() == prompt);
        QVERIFY(!pupil.screens().find<QuizScreen>());
        prompt->nameBox()->setText(QStringLiteral("=1+2"));
        QTest::keyClick(prompt->nameBox(), Qt::Key_Return);
        QCOMPARE(pupil.front(), prompt);
        QCOMPARE(textOf<QLabel>(prompt, QStringLiteral("Label3")),
                 QStringLiteral("Please type your name. It starts with a letter."));
        prompt->nameBox()->setText(QStringLiteral("Zoë Brontë"));
        click(prompt->buttons()->at(PupilNameScreen::StartCommand));
        QuizScreen *quiz = pupil.screens().find<QuizScreen>();
        QVERIFY(quiz && pupil.front() == quiz);
        for (int q = 1; q <= QuestionSet::questionCount; ++q) {
            Pupil::answer(quiz, q == 3 ? 0 : rightAnswer(q));
            click(quiz->buttons()->at(QuizScreen::NextCommand));
        }
        // The second quiz starts at question 1 with the name kept.
        pupil.takeQuiz([](int q) { return rightAnswer(q); });
        const QList<Attempt> kept = ResultsFolder().load().attempts;
        QCOMPARE(kept.size(), 2);
        QCOMPARE(kept.at(0).pupil, QStringLiteral("Zoë Brontë"));
        QCOMPARE(kept.at(0).title, QStringLiteral("Tomas Verrin"));
        QCOMPARE(kept.at(0).score, 9);
        QCOMPARE(kept.at(0).chosen.at(2), 0);
        QVERIFY(!kept.at(0).right.at(2) && kept.at(0).right.at(3));
        QCOMPARE(kept.at(1).score, 10);
        QVERIFY(pupil.program.dialogs().messages.isEmpty());
    }

    // A record that cannot be written is told, over a results screen that stays whole.
    void aFailedRecordLeavesTheResultsScreen()
    {
        Pupil pupil;
        QVERIFY(QDir().mkpath(QStringLiteral("results/Teacher.csv")));
        ResultsScreen *results = pupil.takeQuiz([](int q) { return q < 9 ? rightAnswer(q) : 0; });
        QCOMPARE(pupil.front(), results);
        QCOMPARE(results->score(), 8);
        const QStringList &messages = pupil.program.dialogs().messages;
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().startsWith(
                     QStringLiteral("Your score could not be saved for your teacher (")),
                 qPrintable(messages.first()));
    }

    void aPupilCannotUseTheTeachersCommands()
    {
        for (const bool teacher : {true, false}) {
            Teacher at({QStringLiteral("Birds")}, teacher ? Classroom() : pupilOnSharedAccount());
            ButtonLabel *wizard = at.menu->entries()->at(MainMenu::WizardEntry);
            QCOMPARE(wizard->isEnabled(), teacher);
            QCOMPARE(wizard->accessibleDescription(),
                     teacher ? QString() : QStringLiteral("For teachers only"));
            CatalogueScreen *catalogue = at.openCatalogue();
            for (QWidget *command : std::initializer_list<QWidget *>{
                     catalogue->editBox(), catalogue->deleteBox(),
                     catalogue->importButton()->at(CatalogueScreen::importCommand)})
                QCOMPARE(command->isEnabled(), teacher);
            std::unique_ptr<QMenu> menu(catalogue->entryMenu(1));
            const QString mark = teacher ? QString() : QStringLiteral(" (for teachers)");
            for (const char *name : {"Export\u2026", "Results\u2026"}) {
                QAction *action = actionNamed(menu.get(), QString::fromUtf8(name) + mark);
                QVERIFY2(action && action->isEnabled() == teacher, name);
            }
            QVERIFY(actionNamed(menu.get(), QStringLiteral("Print Worksheet"))->isEnabled());
            // Taking a worksheet as a quiz stays the pupil's.
            clickEntry(catalogue, 1);
            QCOMPARE(at.screens().front()->objectName(),
                     teacher ? QStringLiteral("multiple") : QStringLiteral("pupilname"));
        }
    }

    void theTeacherSeesTheClass()
    {
        Teacher teacher({QStringLiteral("Birds")});
        recordClass();
        QVERIFY(writeBytes(QStringLiteral("results/Zed.csv"), "Zed,yesterday,Birds\r\n"));
        CatalogueScreen *catalogue = teacher.openCatalogue();
        std::unique_ptr<QMenu> menu(catalogue->entryMenu(1));
        actionNamed(menu.get(), QStringLiteral("Results\u2026"))->trigger();
        auto *view = teacher.screens().find<ClassResultsScreen>();
        QVERIFY(view && teacher.screens().front() == view);
        QVERIFY2(
            view->summary()->text().endsWith(QStringLiteral(" 1 damaged record was left out.")),
            qPrintable(view->summary()->text()));
        QCOMPARE(view->sets()->currentText(), QStringLiteral("Birds"));
        QVERIFY(view->sets()->findText(QStringLiteral("Tomas Verrin")) >= 0);
        const QAbstractItemModel *table = view->table()->model();
        QCOMPARE(table->rowCount(), 3);
        QCOMPARE(table->index(0, 0).data().toString(), QStringLiteral("Ben"));
        QCOMPARE(table->index(2, 2).data(Qt::AccessibleTextRole).toString(),
                 QStringLiteral("5 out of 10"));
        QVERIFY(view->chart()->accessibleDescription().contains(
            QStringLiteral("Question 9: 50% right. Question 10: 0% right (hardest)")));

        const QString csvPath = teacher.program.folder() + QStringLiteral("/class.csv");
        teacher.program.dialogs().fileToSave = csvPath;
        click(view->buttons()->at(ClassResultsScreen::ExportCommand));
        QCOMPARE(fileBytes(csvPath), view->results().tableCsv());

        click(view->buttons()->at(ClassResultsScreen::PrintCommand));
        const PrintedDocument &printed = teacher.program.printer.documents.back();
        QVERIFY(printed.sent);
        QCOMPARE(printed.texts().front().text, QStringLiteral("Results: Birds"));
        QCOMPARE(printed.pictures().size(), size_t(1));
        QCOMPARE(printed.texts().back().text, QStringLiteral("5 out of 10"));

        // Another set from the chooser, and the topic's quiz from the catalogue's own menu.
        view->sets()->setCurrentIndex(view->sets()->findText(QStringLiteral("Tomas Verrin")));
        emit view->sets()->activated(view->sets()->currentIndex());
        QCOMPARE(view->table()->model()->rowCount(), 0);
        view->sets()->setCurrentIndex(view->sets()->findText(QStringLiteral("Birds")));
        emit view->sets()->activated(view->sets()->currentIndex());
        QCOMPARE(view->table()->model()->rowCount(), 3);
        std::unique_ptr<QMenu> own(catalogue->topicMenu());
        actionNamed(own.get(), QStringLiteral("Results\u2026"))->trigger();
        QCOMPARE(view->sets()->currentText(), QStringLiteral("Tomas Verrin"));
        QCOMPARE(view->table()->model()->rowCount(), 0);
    }

    // The print dialog decides where and how many; a cancelled dialog prints nothing.
    void printingForTheClassGoesThroughThePrintDialog()
    {
        Teacher teacher({QStringLiteral("Birds")});
        CatalogueScreen *catalogue = teacher.openCatalogue();
        std::unique_ptr<QMenu> menu(catalogue->entryMenu(1));
        QVERIFY(actionNamed(menu.get(), QStringLiteral("Print for the Class\u2026")));
        actionNamed(menu.get(), QStringLiteral("Answer Key\u2026"))->trigger();
        QCOMPARE(teacher.program.printDialogs, 1);
        QCOMPARE(teacher.program.printer.documents.size(), size_t(1));
        QVERIFY(teacher.program.printer.documents.front().sent);
        QCOMPARE(teacher.messages(),
                 QStringList{QStringLiteral("Your answer key is now printing.")});
        teacher.program.printDialogCancelled = true;
        actionNamed(menu.get(), QStringLiteral("Worksheet\u2026"))->trigger();
        QCOMPARE(teacher.program.printDialogs, 2);
        QCOMPARE(teacher.program.printer.documents.size(), size_t(1));
        QCOMPARE(teacher.messages().size(), 1);
    }
};

QTEST_MAIN(ClassroomScreensTest)
#include "test_classroomscreens.moc"
