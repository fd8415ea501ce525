#pragma once

class QWidget;

// Places a control in its parent at a position and size given in twips.
void placeTwips(QWidget *widget, double left, double top, double width, double height);
