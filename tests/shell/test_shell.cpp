#include "controls/buttonarray.h"
#include "controls/buttonlabel.h"
#include "controls/pictureview.h"
#include "frame/application.h"
#include "look/twips.h"
#include "shell/closingscreen.h"
#include "shell/mainmenu.h"
#include "shell/startup.h"
#include "testservices.h"

#include <QEventLoop>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {

// Records the order in which widgets are first shown.
class ShowOrder : public QObject
{
public:
    QStringList shown;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType())
            shown.append(watched->objectName());
        return false;
    }
};

ButtonLabel *entry(MainMenu *menu, int index)
{
    return menu->entries()->at(index);
}

QRect onDisplay(const QWidget *widget)
{
    return QRect(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size());
}

} // namespace

class ShellTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    // The menu comes up over the backdrop and fits the display, as does the closing screen.
    // Exit twice and a request to close, on the real program, are the exit paths' test.
    void startsOnTheMenuOverTheBackdropAndFitsTheDisplay()
    {
        TestProgram program;
        ShowOrder order;
        qApp->installEventFilter(&order);
        MainMenu *menu = startProgram(program.context());
        qApp->removeEventFilter(&order);
        const QRect display = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(program.context().backdrop().geometry(), display);
        QVERIFY(order.shown.indexOf(QStringLiteral("Grey")) <
                order.shown.indexOf(QStringLiteral("intro0")));
        // Nothing is loaded unseen.
        QVERIFY(!program.context().screens().find<ClosingScreen>());

        const double zoom = Twips::zoomFor(display.size());
        QCOMPARE(menu->size(), QSize(qRound(800 * zoom), qRound(600 * zoom)));
        QVERIFY(display.contains(menu->geometry()));
        // Centred across, and down as far as the display allows.
        QVERIFY(qAbs(menu->geometry().center().x() - display.center().x()) <= 1);
        QVERIFY(display.contains(onDisplay(entry(menu, MainMenu::ExitEntry))));

        QTest::mouseClick(entry(menu, MainMenu::ExitEntry), Qt::LeftButton);
        auto *closing = program.context().screens().find<ClosingScreen>();
        auto *exitButton = closing->findChild<QPushButton *>(QStringLiteral("Command2"));
        QVERIFY(display.contains(onDisplay(exitButton)));
        QVERIFY(qAbs(closing->geometry().center().y() - display.center().y()) <= 1);
    }

    void exitThenCancelGivesAFreshMenu()
    {
        TestProgram program;
        program.writeFile(QStringLiteral("multiple/track.txt"), " 1 \r\nRivers& Lakes\r\n");
        MainMenu *menu = startProgram(program.context());
        AppState &state = program.context().state();
        QCOMPARE(state.worksheetIndex.count(), 0); // read only once the menu is up
        QTRY_COMPARE(state.worksheetIndex.count(), 1);

        program.writeFile(QStringLiteral("multiple/track.txt"),
                          " 2 \r\nRivers& Lakes\r\nOceans\r\n");

        // The way there and back by Escape is the keyboard test's; here the index is read
        // again.
        QTest::mouseClick(entry(menu, MainMenu::ExitEntry), Qt::LeftButton);
        Screens &screens = program.context().screens();
        QVERIFY(!screens.find<MainMenu>());
        QTest::mouseClick(
            screens.find<ClosingScreen>()->findChild<QPushButton *>(QStringLiteral("Command1")),
            Qt::LeftButton);
        QCOMPARE(screens.front(), screens.find<MainMenu>());
        QTRY_COMPARE(state.worksheetIndex.count(), 2);
    }

    // Without its picture the closing screen falls back on the common frame, which still
    // offers its way out.
    void theClosingScreenKeepsItsFrameWhenItsPictureIsMissing()
    {
        TestProgram program;
        startProgram(program.context());
        auto *closing = program.context().screens().touch<ClosingScreen>();
        QVERIFY(closing->findChild<PictureView *>(QStringLiteral("Picture1"))->picture().isNull());
        QCOMPARE(closing->outerSizeTwips(), QSizeF(12000, 9000));
    }

    void theRealExitLeavesEveryEventLoop()
    {
        Services real = Services::real();
        QEventLoop outer;
        QTimer::singleShot(0, [&real] {
            // A nested loop, as under a modal box, must not keep the program alive.
            QEventLoop inner;
            QTimer::singleShot(0, [&real] { real.quit(0); });
            inner.exec();
        });
        QTimer::singleShot(5000, &outer, [&outer] { outer.exit(99); });
        QCOMPARE(outer.exec(), 0);
    }

    // In an empty folder the menu lists no worksheets and says nothing of a missing index;
    // the start-up says once where it looked for the content and how to start the program,
    // which goes on. In a content folder (its names in any letter case) it says nothing.
    void anEmptyFolderIsToldOfOnce()
    {
        TestProgram program;
        MainMenu *menu = startProgram(program.context());
        QTest::qWait(20);
        QCOMPARE(program.context().state().worksheetIndex.count(), 0);
        const QStringList &messages = program.dialogs().messages;
        QVERIFY(messages.isEmpty());
        tellWhenContentIsMissing(program.context());
        QCOMPARE(messages.size(), 1);
        for (const QString &part :
             {QDir::currentPath(), QStringLiteral("./run.sh"), QStringLiteral(" zorvanel ")})
            QVERIFY2(messages.first().contains(part), qPrintable(messages.first()));
        QVERIFY(menu->isVisible());

        for (const char *folder : {"images", "WMF", "wmf2", "logo"})
            QVERIFY(QDir().mkpath(QLatin1String(folder)));
        program.writeFile(QStringLiteral("multiple/Tomas Verrin.txt"), "");
        tellWhenContentIsMissing(program.context());
        QCOMPARE(messages.size(), 1);
    }

    // Greyed topics do nothing; the address and the logo open the web site.
    void theMenusOtherEntries()
    {
        TestProgram program;
        MainMenu *menu = startProgram(program.context());
        for (int index : {0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11}) {
            QVERIFY(!entry(menu, index)->isEnabled());
            QTest::mouseClick(entry(menu, index), Qt::LeftButton);
        }
        QCOMPARE(program.context().screens().front(), menu);
        QTest::mouseClick(entry(menu, MainMenu::WebSiteEntry), Qt::LeftButton);
        QTest::mouseClick(menu->findChild<QWidget *>(QStringLiteral("Image2")), Qt::LeftButton);
        const QList<QUrl> &opened = program.webLink().opened;
        QCOMPARE(opened.size(), 2);
        QVERIFY(opened.at(0).host().endsWith(QStringLiteral(".example")));
        QCOMPARE(opened.at(1), opened.at(0));
    }
};

QTEST_MAIN(ShellTest)
#include "test_shell.moc"
