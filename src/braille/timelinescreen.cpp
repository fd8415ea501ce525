#include "braille/timelinescreen.h"

#include "app/appcontext.h"
#include "braille/eventlabel.h"
#include "ui/buttonarray.h"
#include "ui/buttonlabel.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/linecontrol.h"
#include "ui/palette.h"

#include <QLabel>

namespace {
const QColor hintCyan(128, 255, 255);
constexpr double lineX = 7080;
constexpr double firstTickY = 600;
constexpr double tickSpacing = 1200;
constexpr double lineWidthPixels = 3;

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
} // namespace

TimelineScreen::TimelineScreen(AppContext &context) : Screen(context, QStringLiteral("brailleord"))
{
    addTimeline();
    for (int k = 0; k < TimelineBoard::eventCount; ++k) {
        outlineAt(client(), QStringLiteral("Label1(%1)").arg(k), TimelineBoard::box(k));
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
        connect(label, &EventLabel::dragged, this, [this, k](QPointF at) { dragged(k, at); });
        connect(label, &EventLabel::dropped, this, [this, k] { dropped(k); });
        m_events.at(k) = label;
        placeEvent(k);
    }
}

void TimelineScreen::load()
{
    setupScreen();
    context().state.scoreOutOf = TimelineBoard::eventCount;
    for (int k = 0; k < TimelineBoard::eventCount; ++k) {
        m_homes.at(k)->setGeometry(m_events.at(k)->geometry());
        m_events.at(k)->setText(TimelineBoard::events().at(k).text);
    }
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

void TimelineScreen::clicked(int index)
{
    AppState &state = context().state;
    state.score = 0;
    switch (index) {
    case ExitCommand:
        context().screens().unload(this);
        return;
    case StartAgainCommand:
        m_board.startAgain();
        break;
    case CheckScoreCommand:
        state.score += m_board.checkScore();
        m_result->setText(timelineResult(state.score, TimelineBoard::eventCount));
        break;
    default:
        break;
    }
    showBoard();
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
}
