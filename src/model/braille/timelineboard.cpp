#include "braille/timelineboard.h"

#include "texts/numbertext.h"

#include <utility>

namespace {
constexpr float boxLeft = 7560;
constexpr float homeLeft = 960;
} // namespace

const std::array<TimelineBoard::Event, TimelineBoard::eventCount> &TimelineBoard::events()
{
    static const std::array<Event, eventCount> table = {{
        {QStringLiteral("Anselm Corrigan visited Tomas Verrin's school."), 2760, 2040},
        {QStringLiteral("Tomas Verrin was born in Coupvray."), 360, 2880},
        {QStringLiteral("The Braille code was adopted world-wide."), 5160, 5400},
        {QStringLiteral("Tomas had an accident in the workshop."), 1560, 6240},
        {QStringLiteral("Tomas Verrin died in Paris, aged 43."), 3960, 4560},
        {QStringLiteral("Verrin's remains were moved to the Pantheon in Paris."), 6360, 3720},
    }};
    return table;
}

TimelineBoard::TimelineBoard()
{
    startAgain();
}

BoardPlace TimelineBoard::box(int k)
{
    return {boxLeft, events().at(k).boxTop};
}

BoardPlace TimelineBoard::home(int k)
{
    return {homeLeft, events().at(k).homeTop};
}

int TimelineBoard::boxAt(BoardPlace place)
{
    for (int b = 0; b < eventCount; ++b)
        if (place == box(b))
            return b;
    return none;
}

int TimelineBoard::homeAt(BoardPlace place)
{
    for (int h = 0; h < eventCount; ++h)
        if (place == home(h))
            return h;
    return none;
}

int TimelineBoard::boxRow(int b)
{
    int row = 0;
    for (const Event &event : events())
        row += event.boxTop < events().at(b).boxTop ? 1 : 0;
    return row;
}

int TimelineBoard::boxInRow(int row)
{
    for (int b = 0; b < eventCount; ++b)
        if (boxRow(b) == row)
            return b;
    return none;
}

void TimelineBoard::drag(int k, QPointF pointer)
{
    BoardPlace &place = m_labels.at(k);
    place.left = place.left + float(pointer.x()) - width / 2;
    place.top = place.top + float(pointer.y()) - height / 2;
}

void TimelineBoard::drop(int k)
{
    m_resultShown = false;
    BoardPlace &place = m_labels.at(k);
    // A box before the home of the same index, lower indexes first: where the areas of two
    // neighbouring homes overlap, the label goes to the one tested first.
    for (int i = 0; i < eventCount; ++i) {
        if (inCatchArea(place, box(i)))
            place = box(i);
        if (inCatchArea(place, home(i)))
            place = home(i);
    }
    if (placements() == eventCount)
        m_checkScoreOffered = true;
}

void TimelineBoard::startAgain()
{
    for (int k = 0; k < eventCount; ++k)
        m_labels.at(k) = home(k);
    m_checkScoreOffered = false;
    m_resultShown = false;
    m_held = none;
}

void TimelineBoard::pickUp(int k)
{
    putBack();
    m_held = k;
    m_heldFrom = label(k);
    const int lyingIn = boxAt(m_heldFrom);
    m_considered = lyingIn == none ? boxInRow(0) : lyingIn;
    carry(k, box(m_considered));
}

void TimelineBoard::considerRows(int rows)
{
    if (m_held == none)
        return;
    const int row = ((boxRow(m_considered) + rows) % eventCount + eventCount) % eventCount;
    m_considered = boxInRow(row);
    carry(m_held, box(m_considered));
}

void TimelineBoard::dropHeld()
{
    const int k = std::exchange(m_held, none);
    if (k == none)
        return;
    carry(k, box(m_considered));
    drop(k);
}

void TimelineBoard::putBack()
{
    const int k = std::exchange(m_held, none);
    if (k != none)
        m_labels.at(k) = m_heldFrom;
}

void TimelineBoard::carry(int k, BoardPlace corner)
{
    // The pointer at the label's centre once it lies on the corner.
    const BoardPlace from = label(k);
    drag(k, QPointF(double(corner.left) - from.left + width / 2,
                    double(corner.top) - from.top + height / 2));
}

int TimelineBoard::checkScore()
{
    m_resultShown = true;
    return correct();
}

int TimelineBoard::placements() const
{
    int count = 0;
    for (const BoardPlace &place : m_labels)
        for (int b = 0; b < eventCount; ++b)
            count += place == box(b) ? 1 : 0;
    return count;
}

int TimelineBoard::correct() const
{
    int count = 0;
    for (int k = 0; k < eventCount; ++k)
        count += m_labels.at(k) == box(k) ? 1 : 0;
    return count;
}

bool inCatchArea(BoardPlace corner, BoardPlace target)
{
    const float w = TimelineBoard::width;
    const float h = TimelineBoard::height;
    return target.left - w / 2 < corner.left && corner.left < target.left + w &&
           target.top - h / 2 < corner.top && corner.top < target.top + h;
}

QString timelineResult(int score, int outOf)
{
    return QString::number(score) + QStringLiteral(" out of") + numberText(outOf) +
           QStringLiteral(" correct");
}
