#include "braille/braillecell.h"
#include "braille/cipherscreen.h"
#include "braille/cipherwords.h"
#include "braille/eventlabel.h"
#include "braille/timelineboard.h"
#include "braille/timelinescreen.h"
#include "controls/buttonarray.h"
#include "controls/buttonlabel.h"
#include "desktop/randomsource.h"
#include "frame/application.h"
#include "look/twips.h"
#include "pupil.h"
#include "shell/mainmenu.h"
#include "shell/startup.h"
#include "shell/topichub.h"
#include "standardbraille.h"
#include "testservices.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

QStringList standardCells(const QString &word)
{
    QStringList cells;
    for (QChar letter : word)
        cells << standardBrailleDots[letter.unicode() - 'a'];
    return cells;
}

// Where dot `number` lies from the centre of dot 1: 240 twips apart across and down.
QPointF dotOffset(int number)
{
    return QPointF(number > 3 ? 240 : 0, 240 * ((number - 1) % 3));
}

QPointF pointOf(BoardPlace place)
{
    return QPointF(place.left, place.top);
}

// Drags a label on the board so that its top-left corner lies at `corner`, and releases it.
void releaseAt(TimelineBoard &board, int k, QPointF corner)
{
    const QPointF halfSize(TimelineBoard::width / 2, TimelineBoard::height / 2);
    board.drag(k, corner - pointOf(board.label(k)) + halfSize);
    board.drop(k);
}

// (event, box) pairs, in the order they are placed.
using Moves = QList<std::pair<int, int>>;

// Carries event k into box b by the keyboard: picked up, then moved down a row at a time.
void carryTo(TimelineBoard &board, int k, int b)
{
    board.pickUp(k);
    for (int row = 0; row < TimelineBoard::eventCount && board.consideredBox() != b; ++row)
        board.considerRows(1);
    QCOMPARE(board.consideredBox(), b);
    board.dropHeld();
}

// The random number that picks the word at `index` of the twenty.
double pick(int index)
{
    return (index + 0.5) / 20;
}

QLabel *labelOf(Screen *screen, const QString &name)
{
    return screen->findChild<QLabel *>(name);
}

// Whether a person sees white at a point in twips, moved right by some pixels at zoom 1.
bool whiteAt(const QImage &picture, QPointF twips, double rightPixels = 0)
{
    const double x = Twips::toPixelsF(twips.x() + rightPixels * Twips::perPixel) + 0.5;
    const double y = Twips::toPixelsF(twips.y()) + 0.5;
    const QColor colour = picture.pixelColor(int(std::floor(x)), int(std::floor(y)));
    return colour.red() > 245 && colour.green() > 245 && colour.blue() > 245;
}

// Reads the cell drawn at an origin by its raised dots ("145"): a large dot still shows
// white 3 pixels right of its centre, a small one does not. Empty where nothing is drawn.
QString readCell(const QImage &picture, QPointF origin)
{
    QString raised;
    int drawn = 0;
    for (int number = 1; number <= 6; ++number) {
        const QPointF centre = origin + dotOffset(number);
        drawn += whiteAt(picture, centre) ? 1 : 0;
        if (whiteAt(picture, centre) && whiteAt(picture, centre, 3))
            raised += QChar('0' + number);
    }
    return drawn == 0 || drawn == 6 ? raised : QStringLiteral("broken ") + raised;
}

// The word row as a person reads it, for a word of `length` letters.
QStringList readWordRow(Screen *cipher, int length)
{
    const QImage picture = cipher->client()->grab().toImage();
    QStringList read;
    for (int i = 0; i < length; ++i)
        read << readCell(picture, QPointF(6000 - 360 * length + 720 * i, 5280));
    return read;
}

// Real mouse events: pressed on the label, moved so that its top-left corner comes to
// `corner` (twips), released there.
void dragTo(TimelineScreen *screen, int k, QPointF corner, Qt::MouseButton button = Qt::LeftButton)
{
    EventLabel *label = screen->eventLabel(k);
    const QPoint target(Twips::toPixels(corner.x() + 3495 / 2.0),
                        Twips::toPixels(corner.y() + 645 / 2.0));
    QTest::mousePress(label, button, {}, label->rect().center());
    QTest::mouseMove(label, label->mapFrom(screen->client(), target));
    QTest::mouseRelease(label, button, {}, label->mapFrom(screen->client(), target));
}

QRect boxOf(TimelineScreen *screen, int k)
{
    return labelOf(screen, QStringLiteral("Label1(%1)").arg(k))->geometry();
}

constexpr double boxTops[] = {2760, 360, 5160, 1560, 3960, 6360};

} // namespace

class BrailleTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    // A faulty random source may give 1, or not a number at all.
    void theProblemIndexStaysInTheList()
    {
        QCOMPARE(cipher::problemIndex(1.0, 20), 19);
        QCOMPARE(cipher::problemIndex(std::numeric_limits<double>::quiet_NaN(), 20), 0);
    }

    void theClockSourceDrawsAfreshAfterEverySeeding()
    {
        ClockRandomSource source;
        QList<double> numbers;
        for (int i = 0; i < 200; ++i) {
            source.seedFromClock();
            numbers.append(source.next());
        }
        // Seeded many times within one tick of the clock, yet no number comes twice.
        std::sort(numbers.begin(), numbers.end());
        QVERIFY(std::adjacent_find(numbers.begin(), numbers.end()) == numbers.end());
    }

    // The key and a word, read off the screen as a person reads them; then a new word that
    // leaves no dot of the last one.
    void theKeyAndEachNewWordReadAsBraille()
    {
        Pupil pupil;
        pupil.program.random().numbers = {pick(13), pick(10)};
        auto *cipher = pupil.open<CipherScreen>(TopicHub::CipherActivity);
        QLabel *answer = labelOf(cipher, QStringLiteral("Label6"));
        QVERIFY(!answer->isVisible());

        const QImage picture = cipher->client()->grab().toImage();
        for (int k = 0; k < 26; ++k)
            QCOMPARE(readCell(picture, QPointF(1470 + 720 * (k % 13), 330 + 1500 * (k / 13))),
                     QLatin1String(standardBrailleDots[k]));
        QCOMPARE(readWordRow(cipher, 12), standardCells(QStringLiteral("accomplished")));

        click(cipher->buttons()->at(CipherScreen::AnswerCommand));

        click(cipher->buttons()->at(CipherScreen::NewProblemCommand));
        QVERIFY(!answer->isVisible());
        QCOMPARE(answer->text(), QStringLiteral("army"));
        QCOMPARE(pupil.program.random().seedings, 2);
        // "army" covers the middle four of the twelve cells "accomplished" took.
        const QStringList blank(4, QString());
        QCOMPARE(readWordRow(cipher, 12), blank + standardCells(QStringLiteral("army")) + blank);
        QCOMPARE(readCell(cipher->client()->grab().toImage(), QPointF(10110, 1830)),
                 QStringLiteral("1356")); // the key's "z", drawn again
    }

    // Released 1000 twips left of a box it snaps in, a height below it stays, and between two
    // homes it goes to the nearer.
    void aReleasedLabelSnaps()
    {
        const auto endsAt = [](QPointF releasedAt) {
            TimelineBoard board;
            releaseAt(board, 2, releasedAt);
            return pointOf(board.label(2));
        };
        QCOMPARE(endsAt({6560, 360}), QPointF(7560, 360));
        QCOMPARE(endsAt({7560, 1005}), QPointF(7560, 1005));
        QCOMPARE(endsAt({960, 3450}), QPointF(960, 2880));
    }

    void aStackedPairCountsAsTwoPlacements()
    {
        TimelineBoard board;
        for (int k = 0; k < 5; ++k)
            releaseAt(board, k, pointOf(TimelineBoard::box(k)));
        QVERIFY(!board.checkScoreOffered());
        releaseAt(board, 5, pointOf(TimelineBoard::box(0)) + QPointF(300, 100));
        QCOMPARE(board.label(5), TimelineBoard::box(0));
        QVERIFY(board.checkScoreOffered());
        QCOMPARE(board.checkScore(), 5);
        // Taken out again, the offer stays.
        releaseAt(board, 1, QPointF(3000, 8000));
        QVERIFY(board.checkScoreOffered());
        QCOMPARE(board.checkScore(), 4);
    }

    // Two events carried into one box; an event moved on, and another into its first box.
    void theKeyboardPlacesAsTheMouseDoes()
    {
        for (const Moves &moves : {Moves{{1, 1}, {3, 1}, {0, 0}}, Moves{{2, 2}, {2, 5}, {5, 2}}}) {
            TimelineBoard mouse;
            TimelineBoard keyboard;
            for (const auto &[k, b] : moves) {
                releaseAt(mouse, k, pointOf(TimelineBoard::box(b)));
                carryTo(keyboard, k, b);
            }
            QCOMPARE(keyboard.placements(), mouse.placements());
            QCOMPARE(keyboard.correct(), mouse.correct());
            QCOMPARE(keyboard.checkScoreOffered(), mouse.checkScoreOffered());
            for (int k = 0; k < 6; ++k)
                QCOMPARE(keyboard.label(k), mouse.label(k));
            QCOMPARE(keyboard.checkScore(), mouse.checkScore());
            QVERIFY(keyboard.resultShown());
        }
    }

    // Down the timeline the boxes are 1, 3, 0, 4, 2, 5. A held event considers its own box
    // first, and the rows go round from the top to the bottom and back.
    void theBoxConsideredMovesRoundTheTimeline()
    {
        const auto considered = [](const Moves &before, int event, int rows) {
            TimelineBoard board;
            for (const auto &[k, b] : before)
                releaseAt(board, k, pointOf(TimelineBoard::box(b)));
            board.pickUp(event);
            board.considerRows(rows);
            const int box = board.consideredBox();
            const bool held =
                board.held() == event && box >= 0 && board.label(event) == TimelineBoard::box(box);
            return held ? box : -1;
        };
        QCOMPARE(considered({{4, 2}}, 4, 0), 2);
        QCOMPARE(considered({}, 0, -1), 5);
        QCOMPARE(considered({{3, 5}}, 3, 1), 1);
    }

    // Put back to a place off the boxes, it lands there to the fraction of a twip.
    void puttingBackRestoresTheExactPlace()
    {
        TimelineBoard board;
        releaseAt(board, 2, QPointF(5760.25, 360.5));
        const BoardPlace before = board.label(2);
        const int placements = board.placements();
        board.pickUp(2);
        board.considerRows(3);
        board.putBack();
        QCOMPARE(board.label(2), before);
        QCOMPARE(board.consideredBox(), TimelineBoard::none);
        QCOMPARE(board.placements(), placements);
    }

    // Placing by keys to six out of six is the walk with Orca's; here the mouse and the
    // result hidden by a drop.
    void checkScoreCountsTheEventsInTheirBoxes()
    {
        Pupil pupil;
        auto *timeline = pupil.open<TimelineScreen>(TopicHub::TimelineActivity);
        ButtonLabel *checkScore = timeline->buttons()->at(TimelineScreen::CheckScoreCommand);
        QLabel *result = labelOf(timeline, QStringLiteral("Label5"));
        for (int k = 0; k < 6; ++k) {
            QVERIFY(!checkScore->isVisible());
            dragTo(timeline, k, QPointF(7560, boxTops[k] + 100));
        }
        click(checkScore);
        QCOMPARE(result->text(), QStringLiteral("6 out of 6 correct"));
        // A drop hides the result, even of a label released where it lay.
        QTest::mouseClick(timeline->eventLabel(4), Qt::LeftButton);
        QVERIFY(!result->isVisible() && checkScore->isVisible());

        click(timeline->buttons()->at(TimelineScreen::StartAgainCommand));
        for (int k = 0; k < 6; ++k)
            dragTo(timeline, k, QPointF(7560, boxTops[(k + 1) % 6] + 100));
        click(checkScore);
        QCOMPARE(result->text(), QStringLiteral("0 out of 6 correct"));
    }

    // One timeline by the mouse and the keys; the boxes' names, and placing by keys to six
    // out of six, are the walk with Orca's.
    void theTimelineByMouseAndKeys()
    {
        Pupil pupil;
        auto *timeline = pupil.open<TimelineScreen>(TopicHub::TimelineActivity);
        const auto description = [](QWidget *widget) {
            return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
        };
        QWidget *boxMark = timeline->findChild<QWidget *>(QStringLiteral("BoxMark"));
        EventLabel *label = timeline->eventLabel(0);
        const QRect home = label->geometry();
        QCOMPARE(description(label), QStringLiteral("at its start"));
        // Escape puts a held event back, and does not reach the screen.
        QTest::keyClick(label, Qt::Key_Space);
        QTest::keyClick(label, Qt::Key_Down);
        QCOMPARE(label->geometry(), boxOf(timeline, 3));
        QVERIFY(boxMark->isVisible());
        QTest::keyClick(label, Qt::Key_Escape);
        QCOMPARE(label->geometry(), home);
        QVERIFY(!boxMark->isVisible());
        QCOMPARE(pupil.front(), timeline);

        // The mouse takes over from a held event, which goes back first.
        QTest::keyClick(label, Qt::Key_Space);
        dragTo(timeline, 0, QPointF(7560, 5160 + 100));
        QCOMPARE(label->geometry(), boxOf(timeline, 2));
        QTest::keyClick(label, Qt::Key_Up);
        QCOMPARE(label->geometry(), boxOf(timeline, 2));

        dragTo(timeline, 1, QPointF(5760, 360));
        QCOMPARE(description(timeline->eventLabel(1)), QStringLiteral("away from the boxes"));
        // Snapped into a box it lies on top of it; left over the instruction, it takes the
        // mouse there.
        dragTo(timeline, 1, QPointF(7560 - 1000, 360));
        QCOMPARE(timeline->client()->childAt(boxOf(timeline, 1).center()), timeline->eventLabel(1));
        dragTo(timeline, 0, QPointF(500, 300));
        const QPoint overInstruction = Twips::toPixels(2000, 600, 1, 1).topLeft();
        QCOMPARE(timeline->client()->childAt(overInstruction), timeline->eventLabel(0));

        // Only the left button alone drags.
        label = timeline->eventLabel(2);
        const QRect before = label->geometry();
        dragTo(timeline, 2, QPointF(7560, 5160), Qt::RightButton);
        QTest::mousePress(label, Qt::LeftButton);
        QTest::mousePress(label, Qt::RightButton);
        QTest::mouseMove(label, label->rect().center() + QPoint(200, -100));
        QTest::mouseRelease(label, Qt::RightButton);
        QTest::mouseRelease(label, Qt::LeftButton);
        QCOMPARE(label->geometry(), before);
        // With nothing held, Escape leaves.
        QTest::keyClick(label, Qt::Key_Escape);
        QCOMPARE(pupil.front(), pupil.hub);
    }
};

QTEST_MAIN(BrailleTest)
#include "test_braille.moc"
