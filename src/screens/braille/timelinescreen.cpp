#include "braille/timelinescreen.h"

#include "braille/eventlabel.h"
#include "controls/buttonarray.h"
#include "controls/buttonlabel.h"
#include "controls/controls.h"
#include "controls/linecontrol.h"
#include "controls/place.h"
#include "frame/screenhost.h"
#include "frame/screens.h"
#include "look/fonts.h"
#include "look/palette.h"
#include "look/twips.h"

#include <QLabel>
#include <QPainter>

#include <algorithm>
#include <numeric>

namespace {
const QColor hintCyan(128, 255, 255);
constexpr double lineX = 7080;
constexpr double firstTickY = 600;
constexpr double tickSpacing = 1200;
constexpr double lineWidthPixels = 3;
constexpr double boxMarkTwips = 90;

struct Year
{
    const char *control;
    const char *caption;
};
// Top to bottom, one beside each tick.
constexpr std::array<Year, 6> years = {{{"Label7", "1809"},
                                        {"Label10", "1812"},
                                        {"Label11", "1821"},
                                        {"Label12", "1852"},
                                        {"Label13", "1932"},
                                        {"Label14", "1952"}}};

QLabel *outlineAt(QWidget *parent, const QString &name, BoardPlace place)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    controls::setSingleBorder(label);
    placeTwips(label, place.left, place.top, TimelineBoard::width, TimelineBoard::height);
    return label;
}

QString yearOf(int box)
{
    return QLatin1String(years.at(TimelineBoard::boxRow(box)).caption);
}

// The box under consideration while the keyboard holds an event: a thick ring just outside
// the box, so that it shows round the event carried into it. The mouse passes through.
class BoxMark : public QWidget
{
public:
    explicit BoxMark(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("BoxMark"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        const int thickness = std::max(2, Twips::toPixels(boxMarkTwips));
        QPainter p(this);
        p.setClipRegion(QRegion(rect()).subtracted(
            rect().adjusted(thickness, thickness, -thickness, -thickness)));
        // The hint's cyan: bright on the screen's blue, and unlike the events' yellow.
        p.fillRect(rect(), hintCyan);
    }
};
} // namespace

TimelineScreen::TimelineScreen(ScreenHost &host) : Screen(host, QStringLiteral("brailleord"))
{
    addTimeline();
    for (int k = 0; k < TimelineBoard::eventCount; ++k) {
        m_boxes.at(k) =
            outlineAt(client(), QStringLiteral("Label1(%1)").arg(k), TimelineBoard::box(k));
        m_boxes.at(k)->setAccessibleName(QStringLiteral("Box beside ") + yearOf(k));
        m_homes.at(k) = outlineAt(client(), QStringLiteral("Label4(%1)").arg(k), {});
    }
    addTexts();

    m_buttons = new ButtonArray(client(), QStringLiteral("Label3"));
    const ButtonArray::Look look = ButtonArray::commandLook();
    m_buttons->add(StartAgainCommand, QStringLiteral("Start Again"), {3360, 7920, 2565, 495}, look);
    m_buttons->add(CheckScoreCommand, QStringLiteral("Check Score"), {6000, 7920, 2565, 495}, look)
        ->hide();
    m_buttons->add(ExitCommand, QStringLiteral("Exit"), {10560, 7920, 1245, 495}, look);
    connect(m_buttons, &ButtonArray::clicked, this, &TimelineScreen::clicked);
    setSpokenHeading(QStringLiteral("Braille Timeline"));
    setEscapeCommand(m_buttons->at(ExitCommand));

    // Last, so that they lie over everything else and can be picked up wherever they are.
    addEvents();
    orderTabs();
    m_boxMark = new BoxMark(client());
}

TimelineScreen::~TimelineScreen()
{
    // A held event loses the focus as the screen goes, with no board left to put it back.
    for (EventLabel *label : m_events)
        label->disconnect(this);
}

void TimelineScreen::addTimeline()
{
    const QFont font = fonts::screenFont(fonts::arial, 14.25, true);
    const double lastTickY = firstTickY + tickSpacing * (years.size() - 1);
    new LineControl(client(), QStringLiteral("Line1"), {lineX, firstTickY}, {lineX, lastTickY},
                    lineWidthPixels, colours::commandText);
    for (std::size_t j = 0; j < years.size(); ++j) {
        const double y = firstTickY + tickSpacing * j;
        new LineControl(client(), QStringLiteral("Line2(%1)").arg(j), {7320, y}, {lineX, y},
                        lineWidthPixels, colours::commandText);
        controls::textLabel(client(), QLatin1String(years.at(j).control),
                            QLatin1String(years.at(j).caption), {5880, y - 120, 1065, 345}, font,
                            colours::commandText, Qt::AlignRight | Qt::AlignVCenter);
    }
}

void TimelineScreen::addTexts()
{
    controls::textLabel(client(), QStringLiteral("Label8"),
                        QStringLiteral("Put these events from the story of Tomas Verrin in the "
                                       "correct order along the timeline."),
                        {240, 120, 5040, 1785}, fonts::screenFont(fonts::timesNewRoman, 20.25),
                        colours::commandText);
    controls::textLabel(client(), QStringLiteral("Label9"),
                        QStringLiteral("Drag the labels into the correct boxes."),
                        {120, 7800, 3105, 705}, fonts::screenFont(fonts::tahoma, 12), hintCyan);
    m_result =
        controls::textLabel(client(), QStringLiteral("Label5"), QString(), {3360, 7200, 5280, 705},
                            fonts::screenFont(fonts::timesNewRoman, 24), colours::commandText);
    m_result->hide();
}

void TimelineScreen::addEvents()
{
    const QFont font = fonts::screenFont(fonts::arial, 12, true);
    for (int k = 0; k < TimelineBoard::eventCount; ++k) {
        auto *label = new EventLabel(client(), QStringLiteral("Label2(%1)").arg(k));
        label->setFont(font);
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, colours::commandText);
        label->setPalette(p);
        controls::setBackColour(label, colours::black);
        controls::setSingleBorder(label);
        connect(label, &EventLabel::pressed, this, &TimelineScreen::pressed);
        connect(label, &EventLabel::dragged, this, [this, k](QPointF at) { dragged(k, at); });
        connect(label, &EventLabel::dropped, this, [this, k] { dropped(k); });
        connect(label, &EventLabel::activated, this, [this, k] { activated(k); });
        connect(label, &EventLabel::stepped, this, &TimelineScreen::stepped);
        connect(label, &EventLabel::cancelled, this, &TimelineScreen::cancelled);
        m_events.at(k) = label;
        placeEvent(k);
    }
}

void TimelineScreen::orderTabs()
{
    // The events as they start, top to bottom, then the commands left to right.
    std::array<int, TimelineBoard::eventCount> order{};
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
              [](int a, int b) { return TimelineBoard::home(a).top < TimelineBoard::home(b).top; });
    QList<QWidget *> chain;
    for (int k : order)
        chain << m_events.at(k);
    for (Command command : {StartAgainCommand, CheckScoreCommand, ExitCommand})
        chain << m_buttons->at(command);
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain.at(i - 1), chain.at(i));
}

void TimelineScreen::load()
{
    setupScreen();
    for (int k = 0; k < TimelineBoard::eventCount; ++k) {
        m_homes.at(k)->setGeometry(m_events.at(k)->geometry());
        m_events.at(k)->setText(TimelineBoard::events().at(k).text);
    }
    showBoard();
}

void TimelineScreen::pressed()
{
    // The mouse takes over from the keyboard.
    if (m_board.held() == TimelineBoard::none)
        return;
    m_board.putBack();
    showBoard();
}

void TimelineScreen::dragged(int k, QPointF pointer)
{
    m_board.drag(k, pointer);
    // The one in hand goes over the other events too.
    m_events.at(k)->raise();
    placeEvent(k);
}

void TimelineScreen::dropped(int k)
{
    m_board.drop(k);
    showBoard();
}

void TimelineScreen::activated(int k)
{
    if (m_board.held() == k) {
        m_board.dropHeld();
    } else {
        m_board.pickUp(k);
        m_events.at(k)->raise();
    }
    showBoard();
    announce(whereText(k));
}

void TimelineScreen::stepped(int rows)
{
    m_board.considerRows(rows);
    showBoard();
    announce(whereText(m_board.held()));
}

void TimelineScreen::cancelled()
{
    const int k = m_board.held();
    m_board.putBack();
    showBoard();
    if (k != TimelineBoard::none)
        announce(whereText(k));
}

void TimelineScreen::clicked(int index)
{
    switch (index) {
    case ExitCommand:
        host().screens().unload(this);
        return;
    case StartAgainCommand:
        m_board.startAgain();
        break;
    case CheckScoreCommand:
        m_result->setText(timelineResult(m_board.checkScore(), TimelineBoard::eventCount));
        break;
    default:
        break;
    }
    showBoard();
    if (index == CheckScoreCommand) {
        announce(m_result->text());
        readAloud(m_result->text());
    }
}

void TimelineScreen::placeEvent(int k)
{
    const BoardPlace place = m_board.label(k);
    placeTwips(m_events.at(k), place.left, place.top, TimelineBoard::width, TimelineBoard::height);
}

void TimelineScreen::showBoard()
{
    for (int k = 0; k < TimelineBoard::eventCount; ++k)
        placeEvent(k);
    m_result->setVisible(m_board.resultShown());
    m_buttons->at(CheckScoreCommand)->setVisible(m_board.checkScoreOffered());
    showHolding();
    describe();
}

void TimelineScreen::showHolding()
{
    for (int k = 0; k < TimelineBoard::eventCount; ++k)
        m_events.at(k)->setHeld(k == m_board.held());
    const int box = m_board.consideredBox();
    m_boxMark->setVisible(box != TimelineBoard::none);
    if (box == TimelineBoard::none)
        return;
    const BoardPlace place = TimelineBoard::box(box);
    placeTwips(m_boxMark, place.left - boxMarkTwips, place.top - boxMarkTwips,
               TimelineBoard::width + 2 * boxMarkTwips, TimelineBoard::height + 2 * boxMarkTwips);
    m_boxMark->raise();
}

void TimelineScreen::describe()
{
    // Read with an event when the focus comes to it; a change while it has the focus is
    // announced where it happens, since Orca does not hear a changed description from Qt.
    const int considered = m_board.consideredBox();
    for (int k = 0; k < TimelineBoard::eventCount; ++k)
        m_events.at(k)->setAccessibleDescription(whereText(k));
    for (int b = 0; b < TimelineBoard::eventCount; ++b)
        m_boxes.at(b)->setAccessibleDescription(
            b == considered
                ? QStringLiteral("Space or Enter drops the event here, Escape puts it back")
                : QString());
}

QString TimelineScreen::whereText(int k) const
{
    if (k == m_board.held())
        return QStringLiteral("picked up, over the box beside ") + yearOf(m_board.consideredBox());
    const BoardPlace place = m_board.label(k);
    const int box = TimelineBoard::boxAt(place);
    if (box != TimelineBoard::none)
        return QStringLiteral("in the box beside ") + yearOf(box);
    const int home = TimelineBoard::homeAt(place);
    if (home == k)
        return QStringLiteral("at its start");
    if (home != TimelineBoard::none)
        return QStringLiteral("at another event's start");
    return QStringLiteral("away from the boxes");
}
