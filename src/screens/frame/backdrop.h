#pragma once

#include <QWidget>

#include <functional>

// The plain window that fills the display for the whole run. It is the program's one
// top-level window: every screen is a panel on it.
class Backdrop : public QWidget
{
    Q_OBJECT
public:
    explicit Backdrop(std::function<void()> onCloseRequest);
    // Shows the backdrop over the whole display; showing it again changes nothing.
    void showOnDisplay();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    std::function<void()> m_onCloseRequest;
};
