#pragma once

#include <QApplication>

// The wait pointer for as long as it lives: for work that may keep the pupil or teacher
// waiting, such as printing or a save that waits its turn on a busy shared folder.
class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};
