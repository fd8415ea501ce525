// The wizard and the catalogue as a teacher uses them, from the main menu.
#include "controls/pictureview.h"
#include "frame/application.h"
#include "pupil.h"
#include "quiz/wronganswersscreen.h"
#include "teacher.h"
#include "worksheetfixtures.h"
#include "worksheets/cataloguescreen.h"
#include "worksheets/wizardscreen.h"
#include "worksheets/worksheetfile.h"

#include <QCheckBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

const QString saved = QStringLiteral("Your worksheet has been saved.");
const QString problem = QStringLiteral("There was a problem saving your worksheet");
const QString corrupted = QStringLiteral("This worksheet seems to be corrupted.");

QLineEdit *box(QWidget *screen, const QString &name)
{
    return screen->findChild<QLineEdit *>(name);
}

// Types any characters, one key at a time, as a keyboard with those keys would.
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

QCheckBox *tick(QWidget *screen, int index)
{
    return screen->findChild<QCheckBox *>(QStringLiteral("Check1(%1)").arg(index));
}

// Types a draft into the wizard's boxes and ticks, as a teacher would.
void typeDraft(WizardScreen *wizard, const WorksheetDraft &draft)
{
    QTest::keyClicks(box(wizard, "Text1"), draft.title);
    for (int q = 0; q < WorksheetDraft::questionCount; ++q)
        QTest::keyClicks(box(wizard, QStringLiteral("Text2(%1)").arg(q)), draft.questions.at(q));
    for (int i = 0; i < WorksheetDraft::answerCount; ++i) {
        QTest::keyClicks(box(wizard, QStringLiteral("Text3(%1)").arg(i)), draft.answers.at(i));
        if (draft.ticks.at(i))
            QTest::mouseClick(tick(wizard, i), Qt::LeftButton);
    }
}

} // namespace

class WorksheetScreensTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    // Enter walks the wizard's boxes, which refuse what the file cannot keep.
    void theWizardOverTheMenu()
    {
        Teacher teacher;
        WizardScreen *wizard = teacher.openWizard();
        // Enter: from the title to question 1, a question to its answer A, answer D to the
        // next question; the last answer stays.
        const QList<QPair<QString, QString>> steps = {{"Text1", "Text2(0)"},
                                                      {"Text2(3)", "Text3(12)"},
                                                      {"Text3(7)", "Text2(2)"},
                                                      {"Text3(39)", "Text3(39)"}};
        for (const auto &[from, to] : steps) {
            box(wizard, from)->setFocus();
            QTest::keyClick(box(wizard, from), Qt::Key_Return);
            QCOMPARE(teacher.focus()->objectName(), to);
        }

        // The boxes refuse what the file cannot keep.
        QLineEdit *answer = box(wizard, "Text3(0)");
        typeText(answer, QString::fromUtf8("Caf\u00e9 \u20ac5 \u4e00!"));
        QCOMPARE(answer->text(), QString::fromUtf8("Caf\u00e9 \u20ac5 !"));
        answer->clear();
        answer->insert(QStringLiteral("two\nlines"));
        QCOMPARE(answer->text(), QString());
    }

    // Another worksheet's title asks before replacing it, No leaving it as it was; the
    // worksheet the wizard was opened on, or has saved, is saved over without a question.
    // Saving stays on the screen and shows the title as saved; a refused title keeps every
    // box as it was, for the teacher to correct.
    void savingOverAnotherWorksheetAsksFirst()
    {
        Teacher teacher({"Birds& Bees", "Planets"});
        const QString question =
            QStringLiteral("A worksheet called Birds, Bees already exists. Replace it?");
        WizardScreen *wizard = teacher.openWizard();
        ButtonLabel *save = wizard->buttons()->at(WizardScreen::SaveCommand);
        WorksheetDraft draft = completeDraft(QStringLiteral("  Birds, Bees"));
        draft.questions.at(0) = QStringLiteral("Which bee makes honey?");
        typeDraft(wizard, draft);
        teacher.program.dialogs().answer = false;
        click(save);
        QCOMPARE(teacher.messages(), QStringList{question});
        QCOMPARE(fileBytes("multiple/Birds& Bees.txt"), Teacher::questionSetBytes("Birds& Bees"));

        teacher.program.dialogs().answer = true;
        click(save);
        click(save);
        QCOMPARE(teacher.messages(), (QStringList{question, question, saved, saved}));
        QCOMPARE(box(wizard, "Text1")->text(), QStringLiteral("Birds, Bees"));
        QCOMPARE(teacher.screens().front(), wizard);
        QVERIFY(fileBytes("multiple/Birds& Bees.txt").contains("Which bee makes honey?"));
        QCOMPARE(fileBytes(indexPath), indexBytes({"Birds& Bees", "Planets"}));

        const WorksheetDraft before = wizard->draft();
        box(wizard, "Text1")->setText(QStringLiteral("Birds/Bees"));
        click(save);
        QCOMPARE(teacher.messages().last(), problem);
        QCOMPARE(box(wizard, "Text1")->text(), QStringLiteral("Birds/Bees"));
        QCOMPARE(wizard->draft().answers, before.answers);
        QCOMPARE(fileBytes(indexPath), indexBytes({"Birds& Bees", "Planets"}));
        click(wizard->buttons()->at(WizardScreen::ExitCommand));

        teacher.messages().clear();
        teacher.program.dialogs().answer = false;
        CatalogueScreen *catalogue = teacher.openCatalogue();
        catalogue->editBox()->setChecked(true);
        clickEntry(catalogue, 2);
        wizard = teacher.screens().find<WizardScreen>();
        QCOMPARE(wizard->draft().ticks, completeDraft(QStringLiteral("Planets")).ticks);
        click(wizard->buttons()->at(WizardScreen::SaveCommand));
        QCOMPARE(teacher.messages(), QStringList{saved});
        box(wizard, "Text1")->setText(QStringLiteral("Birds& Bees"));
        click(wizard->buttons()->at(WizardScreen::SaveCommand));
        QCOMPARE(teacher.messages(), (QStringList{saved, question}));
        // Exit goes back to the catalogue, still in its mode.
        click(wizard->buttons()->at(WizardScreen::ExitCommand));
        QCOMPARE(teacher.screens().front(), catalogue);
        QVERIFY(catalogue->editBox()->isChecked());
    }

    // No keeps everything; Yes removes only that entry from the index as it now stands (its
    // file stays), and the page fills up again from the next.
    void deletingAsksThenRemovesOnlyThatEntry()
    {
        QStringList expected = numberedTitles(29) << "Rivers& Lakes";
        Teacher teacher(expected);
        CatalogueScreen *catalogue = teacher.openCatalogue();
        // The mode boxes untick each other.
        QTest::mouseClick(catalogue->editBox(), Qt::LeftButton);
        QTest::mouseClick(catalogue->deleteBox(), Qt::LeftButton);
        QVERIFY(catalogue->deleteBox()->isChecked() && !catalogue->editBox()->isChecked());
        teacher.program.dialogs().answer = false;
        clickEntry(catalogue, 2);
        QCOMPARE(teacher.messages(),
                 QStringList{"Are you sure that you want to delete the worksheet Sheet 2?"});
        QCOMPARE(fileBytes(indexPath), indexBytes(expected));
        QCOMPARE(teacher.screens().front(), catalogue);

        // Another copy of the program on the shared folder adds one meanwhile.
        QVERIFY(WorksheetIndexFile().trackWorksheets(QStringLiteral("From next door")));
        teacher.program.dialogs().answer = true;
        clickEntry(catalogue, 3);
        expected.removeAt(2);
        QCOMPARE(fileBytes(indexPath), indexBytes(expected << "From next door"));
        QVERIFY(QFile::exists("multiple/Sheet 3.txt"));
        QCOMPARE(shownEntries(catalogue), expected.mid(0, 24));
        QVERIFY(catalogue->deleteBox()->isChecked());
        click(catalogue->pageButtons()->at(CatalogueScreen::NextPage));
        QCOMPARE(shownEntries(catalogue),
                 (QStringList{"Sheet 26", "Sheet 27", "Sheet 28", "Sheet 29", "Rivers, Lakes",
                              "From next door"}));
        QVERIFY(!catalogue->pageButtons()->at(CatalogueScreen::NextPage)->isVisibleTo(catalogue));
    }

    void aWorksheetThatCannotBeReadIsCorruptedInEveryMode_data()
    {
        QTest::addColumn<int>("mode"); // 0 take, 1 edit, 2 delete
        QTest::addColumn<QByteArray>("file");
        const QByteArray missing;
        QByteArray short71 = Teacher::questionSetBytes("Sheet 2");
        short71.chop(3); // the last separator line
        QByteArray badAnswer = Teacher::questionSetBytes("Sheet 2");
        badAnswer.replace("\r\n1\r\n \r\n", "\r\n7\r\n \r\n");
        QTest::newRow("take: missing file") << 0 << missing;
        QTest::newRow("delete: 71 lines") << 2 << short71;
        QTest::newRow("edit: a correct answer of 7") << 1 << badAnswer;
    }

    void aWorksheetThatCannotBeReadIsCorruptedInEveryMode()
    {
        QFETCH(int, mode);
        QFETCH(QByteArray, file);
        Teacher teacher(numberedTitles(3));
        QVERIFY(QFile::remove("multiple/Sheet 2.txt"));
        if (!file.isNull())
            teacher.program.writeFile("multiple/Sheet 2.txt", file);
        CatalogueScreen *catalogue = teacher.openCatalogue();
        catalogue->editBox()->setChecked(mode == 1);
        catalogue->deleteBox()->setChecked(mode == 2);
        clickEntry(catalogue, 2);
        QCOMPARE(teacher.messages(), QStringList{corrupted});
        QCOMPARE(teacher.screens().front(), catalogue);
        QCOMPARE(fileBytes(indexPath), indexBytes(numberedTitles(3)));
        QCOMPARE(shownEntries(catalogue), numberedTitles(3));
    }

    void anIndexEntryOutsideTheFolderIsNeverOpened()
    {
        Teacher teacher;
        teacher.program.writeFile("secret.txt", Teacher::questionSetBytes("Secret"));
        teacher.program.writeFile(indexPath, indexBytes({"../secret"}));
        CatalogueScreen *catalogue = teacher.openCatalogue();
        clickEntry(catalogue, 1);
        QCOMPARE(teacher.messages(), QStringList{corrupted});
        QVERIFY(!teacher.screens().find<QuizScreen>());
    }

    // A teacher's whole round, from the menu: write a worksheet, find it, take it to full
    // marks and go back to the menu.
    void aWorksheetFromStartToEnd()
    {
        Teacher teacher;
        QDir(teacher.program.folder()).mkpath("Images");
        QImage inventor(320, 240, QImage::Format_RGB32);
        inventor.fill(Qt::darkGreen);
        for (int y = 0; y < 240; ++y)
            for (int x = 160; x < 320; ++x)
                inventor.setPixel(x, y, qRgb(255, 0, 0));
        QVERIFY(inventor.save(teacher.program.folder() + "/Images/hadleysm.jpg", "JPG"));
        WizardScreen *wizard = teacher.openWizard();
        const WorksheetDraft draft = completeDraft(QStringLiteral("Garden Birds"));
        typeDraft(wizard, draft);
        click(wizard->buttons()->at(WizardScreen::SaveCommand));
        click(wizard->buttons()->at(WizardScreen::ExitCommand));

        CatalogueScreen *catalogue = teacher.openCatalogue();
        QCOMPARE(shownEntries(catalogue), QStringList{"Garden Birds"});
        // Space on an entry takes it, as a click does.
        catalogue->entries()->at(1)->setFocus();
        QTest::keyClick(catalogue->entries()->at(1), Qt::Key_Space);
        auto *quiz = teacher.screens().find<QuizScreen>();
        QCOMPARE(textOf<QLabel>(quiz, "Label2"), draft.questions.at(0));
        // The menu's picture and heading, though the menu is not on show.
        auto *picture = quiz->findChild<PictureView *>("Picture1");
        QCOMPARE(picture->picture().sizeTwips(), QSizeF(4800, 3600));
        // Drawn whole in the small box, so its right half shows too.
        const QImage shown = picture->grab().toImage();
        const QColor right = shown.pixelColor(shown.width() * 3 / 4, shown.height() / 2);
        QVERIFY2(right.red() > 200 && right.green() < 60, qPrintable(right.name()));
        // The pupil starts at the answers, not at the teacher's print command.
        QCOMPARE(teacher.focus(), quiz->answerOption(1));

        // Answered in full, the results' Exit brings the catalogue back as it was.
        for (int q = 0; q < 10; ++q) {
            Pupil::answer(quiz, tickedAnswer(q) + 1);
            click(quiz->buttons()->at(QuizScreen::NextCommand));
        }
        auto *results = teacher.screens().find<ResultsScreen>();
        QCOMPARE(results->score(), 10);
        click(results->buttons()->at(ResultsScreen::ExitCommand));
        QCOMPARE(teacher.screens().front(), catalogue);

        click(catalogue->entries()->at(CatalogueScreen::exitEntry));
        QCOMPARE(teacher.screens().front(), teacher.screens().find<MainMenu>());
        QVERIFY(!teacher.screens().find<CatalogueScreen>());
    }
};

QTEST_MAIN(WorksheetScreensTest)
#include "test_worksheetscreens.moc"
