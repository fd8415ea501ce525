#pragma once

#include "braille/timelineboard.h"
#include "frame/screen.h"

#include <array>

class ButtonArray;
class EventLabel;
class QLabel;

// "brailleord": six events dragged from their homes into the boxes beside their years, or
// carried there by the keyboard.
class TimelineScreen : public Screen
{
    Q_OBJECT
public:
    enum Command { ExitCommand = 0, StartAgainCommand = 1, CheckScoreCommand = 2 };

    explicit TimelineScreen(ScreenHost &host);
    ~TimelineScreen() override;
    void load() override;

    ButtonArray *buttons() const { return m_buttons; }
    EventLabel *eventLabel(int k) const { return m_events.at(k); }

private:
    void addTimeline();
    void addTexts();
    void addEvents();
    void orderTabs();
    void pressed();
    void dragged(int k, QPointF pointer);
    void dropped(int k);
    void activated(int k);
    void stepped(int rows);
    void cancelled();
    void clicked(int index);
    void placeEvent(int k);
    void showBoard();
    void showHolding();
    void describe();
    QString whereText(int k) const;

    TimelineBoard m_board;
    std::array<EventLabel *, TimelineBoard::eventCount> m_events{};
    std::array<QLabel *, TimelineBoard::eventCount> m_boxes{};
    std::array<QLabel *, TimelineBoard::eventCount> m_homes{};
    QWidget *m_boxMark = nullptr;
    QLabel *m_result = nullptr;
    ButtonArray *m_buttons = nullptr;
};
