#pragma once

class QWidget;

// Sets up what every run shares, whatever starts it: the look, the fonts, and the zoom
// that fits the screens to the display. Call once, after the QApplication exists.
void prepareApplication();

// A screen reader hears nothing of the first screen when Qt shows it before Qt's link to the
// desktop's accessibility bus is up, which Qt makes in its own time: the news of the focus is
// dropped, and the pupil hears nothing until the focus next moves. So the focus is told
// again a few times in the first seconds; Orca takes no notice of a repeat of what it
// heard already.
void repeatFirstFocus(QWidget *window);
