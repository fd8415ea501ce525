#pragma once

// Sets up what every run shares, whatever starts it: the look, the fonts, and the zoom
// that fits the screens to the display. Call once, after the QApplication exists.
void prepareApplication();
