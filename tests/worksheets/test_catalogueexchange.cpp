// The catalogue's printouts, PDF files, exports and imports, as a teacher reaches them.
#include "embossing/louistranslator.h"
#include "frame/application.h"
#include "giftbank.h"
#include "printouts/braillefile.h"
#include "printouts/worksheetprintout.h"
#include "teacher.h"
#include "texts/publisher.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString corrupted = QStringLiteral("This worksheet seems to be corrupted.");

// Runs the entry's menu command with that text, as a click on it would.
bool choose(CatalogueScreen *catalogue, int slot, const QString &command)
{
    std::unique_ptr<QMenu> menu(catalogue->entryMenu(slot));
    for (QAction *action : menu->actions()) {
        if (action->text() == command) {
            action->trigger();
            return true;
        }
    }
    return false;
}

QMimeData *filesMime(const QStringList &paths)
{
    auto *mime = new QMimeData;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    mime->setUrls(urls);
    return mime;
}

} // namespace

class CatalogueExchangeTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    void theEntryMenuPrintsSavesAndExports()
    {
        Teacher teacher({QStringLiteral("Birds")});
        CatalogueScreen *catalogue = teacher.openCatalogue();
        RecordingPrinter &printer = teacher.program.printer;

        QVERIFY(choose(catalogue, 1, QStringLiteral("Print Answer Key")));
        QCOMPARE(teacher.messages().takeLast(), QStringLiteral("Your answer key is now printing."));
        QVERIFY(printer.documents.back().sent);
        QuestionSet set;
        QVERIFY(worksheetfile::read(QStringLiteral("Birds"), set));
        QCOMPARE(printer.documents.back().texts().back().text, answerLetters(set));

        ScriptedDialogs &dialogs = teacher.program.dialogs();
        const QString pdf = teacher.program.folder() + QStringLiteral("/Birds.pdf");
        dialogs.fileToSave = pdf;
        QVERIFY(choose(catalogue, 1, QStringLiteral("Save Worksheet as PDF\u2026")));
        QCOMPARE(teacher.program.pdfPaths, QStringList{pdf});
        QVERIFY(dialogs.suggestions.last().endsWith(QStringLiteral("/Birds.pdf")));
        QCOMPARE(printer.documents.size(), size_t(2));
        QVERIFY(!printer.documents.back().texts().back().style.bold);

        const QString xml = teacher.program.folder() + QStringLiteral("/out.xml");
        dialogs.fileToSave = xml;
        QVERIFY(choose(catalogue, 1, QStringLiteral("Export\u2026")));
        QCOMPARE(teacher.messages().takeLast(),
                 QStringLiteral("The worksheet has been exported to %1.").arg(xml));
        QVERIFY(QFile::exists(xml));

        // Cancelling either file dialog does nothing at all.
        dialogs.fileToSave.clear();
        const qsizetype told = teacher.messages().size();
        QVERIFY(choose(catalogue, 1, QStringLiteral("Export\u2026")));
        QVERIFY(choose(catalogue, 1, QStringLiteral("Save Answer Key as PDF\u2026")));
        QCOMPARE(teacher.messages().size(), told);
        QCOMPARE(printer.documents.size(), size_t(2));

        // A worksheet whose file is gone is corrupted, and prints nothing.
        QVERIFY(QFile::remove(teacher.program.folder() + QStringLiteral("/multiple/Birds.txt")));
        QVERIFY(choose(catalogue, 1, QStringLiteral("Print Worksheet")));
        QCOMPARE(teacher.messages().last(), corrupted);
        QCOMPARE(printer.documents.size(), size_t(2));
    }

    // Braille: saved as a file, or sent raw to the printer chosen as the embosser, which is
    // offered first the next time; a cancelled choice does nothing.
    void theEntryMenuSavesAndEmbossesInBraille()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings(publisher::creditLine, publisher::programName).clear();
        Teacher teacher({QStringLiteral("Birds")});
        CatalogueScreen *catalogue = teacher.openCatalogue();
        ScriptedDialogs &dialogs = teacher.program.dialogs();
        QuestionSet set;
        QVERIFY(worksheetfile::read(QStringLiteral("Birds"), set));
        const QString brf = teacher.program.folder() + QStringLiteral("/key.brf");
        dialogs.fileToSave = brf;
        dialogs.itemsChosen = {3}; // the answer key, uncontracted
        QVERIFY(choose(catalogue, 1, QStringLiteral("Save in Braille\u2026")));
        QCOMPARE(teacher.messages().takeLast(),
                 QStringLiteral("The answer key has been saved in Braille as %1.").arg(brf));
        LouisTranslator grade1(BrailleGrade::Uncontracted), grade2(BrailleGrade::Contracted);
        QCOMPARE(fileBytes(brf), braillefile::make(set, WorksheetCopy::AnswerKey, grade1, nullptr));

        RecordingEmbossers &embossers = teacher.program.embossers();
        embossers.names = QStringList{QStringLiteral("Office"), QStringLiteral("Embosser")};
        for (const QString &refusal : {QString(), QStringLiteral("Not accepting jobs.")}) {
            embossers.refusal = refusal;
            dialogs.itemsChosen = {0, 1}; // the worksheet, contracted, on the second printer
            QVERIFY(choose(catalogue, 1, QStringLiteral("Print in Braille\u2026")));
        }
        QCOMPARE(dialogs.itemsOffered.last(), 1);
        QCOMPARE(teacher.messages().mid(teacher.messages().size() - 2),
                 (QStringList{"Your worksheet in Braille has been sent to Embosser.",
                              "The Braille could not be sent to Embosser: Not accepting jobs."}));
        QCOMPARE(embossers.jobs.size(), 1);
        QCOMPARE(embossers.jobs.last().first, QStringLiteral("Embosser"));
        QCOMPARE(embossers.jobs.last().second,
                 braillefile::make(set, WorksheetCopy::Worksheet, grade2, nullptr));

        const qsizetype told = teacher.messages().size();
        dialogs.itemsChosen = {0};
        QVERIFY(choose(catalogue, 1, QStringLiteral("Print in Braille\u2026")));
        QVERIFY(choose(catalogue, 1, QStringLiteral("Save in Braille\u2026")));
        QCOMPARE(teacher.messages().size(), told);
        QCOMPARE(embossers.jobs.size(), 1);
    }

    // Questions too long for the wizard's boxes join those too few for a worksheet: they
    // open ten at a time, each cut text marked until the teacher rewrites it.
    void importReportsInFullThenOpensTheLeftOverInTheWizard()
    {
        Teacher teacher({QStringLiteral("Birds")});
        const QString file = teacher.program.folder() + QStringLiteral("/bank.gift");
        QByteArray bank = giftBank(13, "$course$/top/Braille");
        QStringList longOnes;
        for (int n = 1; n <= 9; ++n) {
            longOnes << QStringLiteral(
                            "Which of these facts about Tomas Verrin is number %1 of nine?")
                                .arg(n) +
                            QStringLiteral(" Read page two.");
            bank += longOnes.last().toUtf8() + "{=a ~b ~c ~d}\n\n";
        }
        QVERIFY(writeBytes(file, bank));
        CatalogueScreen *catalogue = teacher.openCatalogue();
        ScriptedDialogs &dialogs = teacher.program.dialogs();
        dialogs.filesToOpen = QStringList{file};
        click(catalogue->importButton()->at(CatalogueScreen::importCommand));

        QCOMPARE(dialogs.reports.size(), 1);
        const QStringList lines = dialogs.reports.last().lines;
        QCOMPARE(lines.mid(0, 4),
                 (QStringList{"bank.gift:", "Saved \"Braille\" with 10 questions.",
                              "Skipped \"TF\" (line 3): it is a true or false question.",
                              "To rewrite \"Which of these facts about Tomas…\" (line 31): the "
                              "question has 75 characters, and the wizard's box holds 60."}));
        QCOMPARE(lines.size(), 13);
        QCOMPARE(lines.last(),
                 QStringLiteral("12 questions left over: they open in the wizard, ten at "
                                "a time, for you to finish, and 9 of them need "
                                "rewriting in the boxes marked."));
        QCOMPARE(shownEntries(catalogue), (QStringList{"Birds", "Braille"}));
        WizardScreen *wizard = teacher.screens().find<WizardScreen>();
        QVERIFY(wizard && wizard->isVisible());
        QCOMPARE(textOf<QLineEdit>(wizard, QStringLiteral("Text1")), QStringLiteral("Braille 2"));
        QLineEdit *cut = wizard->findChild<QLineEdit *>(QStringLiteral("Text2(3)"));
        QCOMPARE(cut->text(), longOnes.at(0).left(60));
        QCOMPARE(cut->accessibleDescription(), longOnes.at(0));
        QLabel *note = wizard->findChild<QLabel *>(QStringLiteral("Label6"));
        QVERIFY(note->isVisible() &&
                note->text().startsWith(QStringLiteral("Questions left over: set 1 of 2.")));

        // Nothing is saved while a cut text stands as the import left it.
        click(wizard->buttons()->at(WizardScreen::SaveCommand));
        QCOMPARE(teacher.messages().takeLast(),
                 QStringLiteral("Question 4 was too long for its box: "
                                "please rewrite it before saving"));
        QVERIFY(
            !QFile::exists(teacher.program.folder() + QStringLiteral("/multiple/Braille 2.txt")));
        for (int q = 3; q < 10; ++q) {
            QLineEdit *box = wizard->findChild<QLineEdit *>(QStringLiteral("Text2(%1)").arg(q));
            box->selectAll();
            QTest::keyClicks(box, QStringLiteral("Fact %1?").arg(q));
        }
        click(wizard->buttons()->at(WizardScreen::SaveCommand));
        QCOMPARE(teacher.messages().takeLast(), QStringLiteral("Your worksheet has been saved."));
        QCOMPARE(WorksheetIndexFile().load().titles,
                 (QStringList{"Birds", "Braille", "Braille 2"}));

        // Saving brings the next ten left over.
        QCOMPARE(textOf<QLineEdit>(wizard, QStringLiteral("Text1")), QStringLiteral("Braille 3"));
        QCOMPARE(textOf<QLineEdit>(wizard, QStringLiteral("Text2(1)")), longOnes.at(8).left(60));
        QVERIFY(
            note->text().startsWith(QStringLiteral("Questions left over: set 2 of 2. Rewrite")));
    }

    void aDroppedQuestionFileIsImported()
    {
        Teacher teacher;
        const QString file = teacher.program.folder() + QStringLiteral("/bank.txt");
        QVERIFY(writeBytes(file, giftBank(10, "$course$/top/Braille")));
        CatalogueScreen *catalogue = teacher.openCatalogue();

        std::unique_ptr<QMimeData> picture(filesMime({teacher.program.folder() + "/map.png"}));
        QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, picture.get(), Qt::LeftButton,
                                Qt::NoModifier);
        QApplication::sendEvent(catalogue, &refused);
        QVERIFY(!refused.isAccepted());

        std::unique_ptr<QMimeData> questions(filesMime({file}));
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, questions.get(), Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(catalogue, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, questions.get(), Qt::LeftButton,
                        Qt::NoModifier);
        QApplication::sendEvent(catalogue, &drop);
        QTRY_COMPARE(shownEntries(catalogue), QStringList{"Braille"});
        QCOMPARE(teacher.program.dialogs().reports.size(), 1);
        QVERIFY(!teacher.screens().find<WizardScreen>());
    }
};

QTEST_MAIN(CatalogueExchangeTest)
#include "test_catalogueexchange.moc"
