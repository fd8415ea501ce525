// The Teacher's Guide, the Key Facts and Teacher's Notes, and the acknowledgements, opened
// from the main menu and the topic hub on the program's own pages.
#include "controls/readablepicture.h"
#include "frame/application.h"
#include "look/twips.h"
#include "pictures/picturetext.h"
#include "pupil.h"
#include "viewers/guideviewer.h"
#include "viewers/notesviewer.h"

#include <QDirIterator>
#include <QImage>
#include <QLabel>

namespace {

const QString printingProblem = QStringLiteral("There was a problem printing to your printer.");

// The program's pages and logo, copied into the test's working folder.
void copyContent(const QString &to)
{
    const QString from = QStringLiteral(ZORVANEL_SOURCE_DIR "/content");
    for (const char *folder : {"wmf", "wmf2", "logo"}) {
        QDirIterator it(from + u'/' + QLatin1String(folder), QDir::Files);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString target = to + u'/' + QDir(from).relativeFilePath(path);
            QDir().mkpath(QFileInfo(target).path());
            QFile::copy(path, target);
        }
    }
}

// Frame n of the logo drawn 10 + n pixels wide, so that a test can tell which is on show.
// Pictures are known by their content, not their names, so these may be PNG inside.
bool writeNumberedFrames(const QString &folder)
{
    for (int n = 0; n < 20; ++n) {
        QImage frame(10 + n, 10, QImage::Format_RGB32);
        frame.fill(Qt::blue);
        if (!frame.save(folder + QStringLiteral("/logo/quil%1.gif").arg(n, 4, 10, QChar(u'0')),
                        "PNG"))
            return false;
    }
    return true;
}

int frameShown(NotesViewer *viewer)
{
    const auto *frame = viewer->findChild<PictureView *>(QStringLiteral("Picture1"));
    return int(frame->picture().sizeTwips().width() / 15) - 10;
}

bool shown(QWidget *screen, const char *name)
{
    auto *widget = screen->findChild<QWidget *>(QLatin1String(name));
    return widget && widget->isVisibleTo(screen);
}

QString pageLabel(PageViewer *viewer)
{
    return viewer->pageLabel()->text();
}

ButtonLabel *command(PageViewer *viewer, PageViewer::Command which)
{
    return viewer->buttons()->at(which);
}

// Clicks a command as the mouse does, greyed or not: a greyed one must ignore it.
void press(PageViewer *viewer, PageViewer::Command which)
{
    QTest::mouseClick(command(viewer, which), Qt::LeftButton);
}

// Someone at the main menu, with the program's pages installed.
struct Reader
{
    TestProgram program;
    MainMenu *menu = nullptr;
    TopicHub *hub = nullptr;

    Reader()
    {
        copyContent(program.folder());
        program.writeFile(topicFile, topicSet(QStringLiteral("Tomas Verrin")));
        menu = startProgram(program.context());
    }

    Screens &screens() { return program.context().screens(); }
    Screen *front() { return screens().front(); }
    RecordingPrinter &printer() { return program.printer; }
    QStringList &messages() { return program.dialogs().messages; }

    GuideViewer *openGuide()
    {
        click(menu->entries()->at(MainMenu::GuideEntry));
        return screens().find<GuideViewer>();
    }
    NotesViewer *openAcknowledgements()
    {
        click(menu->entries()->at(MainMenu::AcknowledgementsEntry));
        return screens().find<NotesViewer>();
    }
    // Opens the topic hub if it is not open, then an activity of it.
    NotesViewer *openNotes(TopicHub::Activity activity)
    {
        if (!hub) {
            click(menu->entries()->at(MainMenu::TopicEntry));
            hub = screens().find<TopicHub>();
        }
        click(hub->buttons()->at(activity));
        return screens().find<NotesViewer>();
    }
};

// The text a printed page's picture says.
QString printedText(const PrintedDocument &document)
{
    const std::vector<PrintedOp> pictures = document.pictures();
    return pictures.size() == 1 ? PictureText::of(pictures.front().picture).text : QString();
}

} // namespace

class ViewersTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    // The walk with Orca presses the page keys in a real program; here they count for the
    // coverage the suite measures too.
    void theGuideTurnsItsFivePagesAndStartsAgainOnTheFirst()
    {
        Reader reader;
        GuideViewer *guide = reader.openGuide();
        QCOMPARE(pageLabel(guide), QStringLiteral("Page 1 of 5"));
        QVERIFY(!guide->paperPicture()->isVisibleTo(guide));
        press(guide, PageViewer::PreviousCommand);
        QCOMPARE(guide->pageNumber(), 1);
        for (int i = 0; i < 5; ++i)
            press(guide, PageViewer::NextCommand);
        QCOMPARE(guide->pageNumber(), 5);
        QVERIFY(PictureText::of(guide->pagePicture()->picture()).title.contains("catalogue"));
        press(guide, PageViewer::ExitCommand);
        QCOMPARE(reader.front(), reader.menu);
        guide = reader.openGuide();
        QCOMPARE(pageLabel(guide), QStringLiteral("Page 1 of 5"));
        QWidget *focused = reader.program.context().backdrop().focusWidget();
        QVERIFY(focused && guide->isAncestorOf(focused));
        for (Qt::Key key : {Qt::Key_PageDown, Qt::Key_Right, Qt::Key_Down, Qt::Key_Up})
            QTest::keyClick(focused, key);
        QCOMPARE(pageLabel(guide), QStringLiteral("Page 3 of 5"));
        QTest::keyClick(focused, Qt::Key_Escape);
        QCOMPARE(reader.front(), reader.menu);
    }

    void printingPrintsThePaperPicture()
    {
        Reader reader;
        GuideViewer *guide = reader.openGuide();
        press(guide, PageViewer::NextCommand);
        press(guide, PageViewer::NextCommand);
        press(guide, PageViewer::PrintCommand);
        QVERIFY(reader.messages().isEmpty());
        QCOMPARE(reader.printer().documents.size(), size_t(1));
        const PrintedDocument &document = reader.printer().documents[0];
        QVERIFY(document.sent);
        // The paper page carries its page number in its header; the screen page does not.
        QVERIFY2(printedText(document).contains("page 3 of 5"), qPrintable(printedText(document)));
        QCOMPARE(reader.front(), guide);
    }

    // A failing or missing printer is told of by the one print job every screen uses, which
    // the printing screens' tests take through a real printer that is not there.
    void aMissingOrDamagedPageLeavesAnEmptyPageThatPrintsNothing()
    {
        Reader reader;
        QVERIFY(QFile::remove("wmf/guide2.wmf") && QFile::remove("wmf2/guide2.wmf"));
        QVERIFY(writeBytes("wmf2/guide3.wmf", QByteArray(300, '\x7f')));
        GuideViewer *guide = reader.openGuide();
        press(guide, PageViewer::NextCommand);
        QCOMPARE(pageLabel(guide), QStringLiteral("Page 2 of 5"));
        QVERIFY(guide->pagePicture()->picture().isNull());
        press(guide, PageViewer::PrintCommand);
        QCOMPARE(reader.messages(), QStringList{printingProblem});
        press(guide, PageViewer::NextCommand);
        QCOMPARE(pageLabel(guide), QStringLiteral("Page 3 of 5"));
        QVERIFY(!guide->pagePicture()->picture().isNull());
        press(guide, PageViewer::PrintCommand);
        QCOMPARE(reader.messages(), (QStringList{printingProblem, printingProblem}));
        for (const PrintedDocument &document : reader.printer().documents)
            QVERIFY(!document.sent);
        QCOMPARE(reader.front(), guide);
    }

    void theNotesTurnTheirOwnPages()
    {
        Reader reader;
        NotesViewer *notes = reader.openNotes(TopicHub::NotesActivity);
        QCOMPARE(pageLabel(notes), QStringLiteral("Page 1 of 2"));
        press(notes, PageViewer::NextCommand);
        QVERIFY(!command(notes, PageViewer::NextCommand)->isEnabled());
        QCOMPARE(notes->pagePicture()->picture().sizeTwips(),
                 Picture::load(QStringLiteral("wmf/brailleb.wmf")).sizeTwips());
        press(notes, PageViewer::PrintCommand);
        QVERIFY(printedText(reader.printer().documents.at(0)).contains("Teacher's Notes"));
    }

    void theAcknowledgementsTurnTheLogo()
    {
        Reader reader;
        QVERIFY(writeNumberedFrames(reader.program.folder()));
        NotesViewer *viewer = reader.openAcknowledgements();
        QVERIFY(viewer->isAnimating());
        QVERIFY(!shown(viewer, "Picture1") && !shown(viewer, "Picture2"));

        viewer->animateLogo();
        QVERIFY(shown(viewer, "Picture1") && shown(viewer, "Picture2"));
        QCOMPARE(frameShown(viewer), 1);
        for (int i = 0; i < 19; ++i)
            viewer->animateLogo();
        QCOMPARE(frameShown(viewer), 0);
        viewer->animateLogo();

        press(viewer, PageViewer::PrintCommand);
        QVERIFY(printedText(reader.printer().documents.at(0)).contains("With thanks"));
        press(viewer, PageViewer::ExitCommand);
        QVERIFY(!viewer->isAnimating());
        QCOMPARE(reader.front(), reader.menu);

        // Opened again, the logo goes on from the frame after the last one shown.
        viewer = reader.openAcknowledgements();
        viewer->animateLogo();
        QCOMPARE(frameShown(viewer), 2);
    }
};

QTEST_MAIN(ViewersTest)
#include "test_viewers.moc"
