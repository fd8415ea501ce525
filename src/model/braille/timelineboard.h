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
    static constexpr int none = -1;
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
    // The box or home lying exactly at a place, or none.
    static int boxAt(BoardPlace place);
    static int homeAt(BoardPlace place);
    // Rows count the boxes from the top of the timeline down, one beside each year.
    static int boxRow(int b);
    static int boxInRow(int row);

    // A move with the left button held, the pointer given from the label's top-left corner:
    // the label's centre jumps to the pointer.
    void drag(int k, QPointF pointer);
    // A button released over the label: it snaps into a box or home it lies near.
    void drop(int k);
    void startAgain();

    // The keyboard's way, through the same drag and drop as the mouse's. A picked-up event
    // is carried onto the box under consideration: first the box it lies in, else the top
    // one. It moves a number of rows down the timeline (up when negative), wrapping round,
    // and is dropped there, or put back exactly where it was picked up.
    void pickUp(int k);
    void considerRows(int rows);
    void dropHeld();
    void putBack();
    int held() const { return m_held; }
    int consideredBox() const { return m_held == none ? none : m_considered; }

    // Marks the result shown and gives the number of events in their own boxes.
    int checkScore();

    // Label and box pairs on the same place; a stacked pair counts twice.
    int placements() const;
    int correct() const;
    bool checkScoreOffered() const { return m_checkScoreOffered; }
    bool resultShown() const { return m_resultShown; }

private:
    // Drags label k as the mouse would, so that it lies on `corner`.
    void carry(int k, BoardPlace corner);

    std::array<BoardPlace, eventCount> m_labels;
    int m_held = none;
    BoardPlace m_heldFrom;
    int m_considered = none;
    bool m_checkScoreOffered = false;
    bool m_resultShown = false;
};

// Whether a label whose top-left corner is at `corner` is caught by a rectangle of the
// board's size at `target`: up to half a size before it and a whole size after it.
bool inCatchArea(BoardPlace corner, BoardPlace target);

// "4 out of 6 correct".
QString timelineResult(int score, int outOf);
