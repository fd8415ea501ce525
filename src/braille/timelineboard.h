#pragma once

#include <QPointF>
#include <QString>

#include <array>

// A place on the timeline screen in twips, kept in single precision as the catch areas
// are computed.
struct BoardPlace
{
    float left = 0;
    float top = 0;
    bool operator==(const BoardPlace &other) const
    {
        return left == other.left && top == other.top;
    }
};

// The timeline puzzle without its widgets: six event labels that start on their homes and
// are dragged into the boxes beside the years, snapping to a box or a home when released
// near one.
class TimelineBoard
{
public:
    static constexpr int eventCount = 6;
    static constexpr float width = 3495;
    static constexpr float height = 645;

    struct Event
    {
        QString text;
        float boxTop;
        float homeTop;
    };
    static const std::array<Event, eventCount> &events();

    TimelineBoard();

    BoardPlace label(int k) const { return m_labels.at(k); }
    static BoardPlace box(int k);
    static BoardPlace home(int k);

    // A move with the left button held, the pointer given from the label's top-left corner:
    // the label's centre jumps to the pointer.
    void drag(int k, QPointF pointer);
    // A button released over the label: it snaps into a box or home it lies near.
    void drop(int k);
    void startAgain();
    // Marks the result shown and gives the number of events in their own boxes.
    int checkScore();

    // Label and box pairs on the same place; a stacked pair counts twice.
    int placements() const;
    int correct() const;
    bool checkScoreOffered() const { return m_checkScoreOffered; }
    bool resultShown() const { return m_resultShown; }

private:
    std::array<BoardPlace, eventCount> m_labels;
    bool m_checkScoreOffered = false;
    bool m_resultShown = false;
};

// Whether a label whose top-left corner is at `corner` is caught by a rectangle of the
// board's size at `target`: up to half a size before it and a whole size after it.
bool inCatchArea(BoardPlace corner, BoardPlace target);

// "4 out of 6 correct".
QString timelineResult(int score, int outOf);
