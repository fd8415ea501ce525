#pragma once

class QWidget;

// Once `widget` has painted for the first time, prints "paint <ns> rss <kB>" (the
// realtime clock in nanoseconds and the resident memory) and ends the process.
void reportFirstPaint(QWidget *widget);
