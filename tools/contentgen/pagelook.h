#pragma once

#include "pagecanvas.h"

#include <QSize>

// How pictures on a page are drawn: on screen in colour and large, on paper in greys.
struct PictureLook
{
    PageFont label;
    PageFont labelStrong;
    PageFont caption;
    QColor text;
    QColor ink;      // raised dots and strong outlines
    QColor faint;    // the flat places of a cell, guide lines
    QColor card;     // behind each picture and its caption
    QColor cardEdge; // a zero alpha leaves the card without an edge
    QColor accent;   // one column of a cell, a year on the timeline
    QColor accent2;  // the other column
    QColor skin;
    QColor skinEdge;
    QColor wood;
    QColor metal;
    QColor land;
    QColor screen; // the program's own background, behind drawn buttons
    QColor button;
    QColor buttonText;
    int naturalWidth = 0; // a picture's width when the page has room for it
    int outline = 0;      // pen width of outlines, in twips
};

struct PageLook
{
    QSize size;
    bool screen = false;
    QColor background; // a zero alpha leaves the page unpainted, as paper is
    QColor panel;
    PageFont kicker;
    PageFont heading;
    PageFont subheading;
    PageFont body;
    PageFont bodyStrong;
    QColor kickerColour;
    QColor headingColour;
    QColor subheadingColour;
    QColor textColour;
    QColor strongColour;
    QColor ruleColour;
    int panelInset = 0; // page edge to panel edge
    int margin = 0;     // panel edge to text
    int top = 0;        // page top to the kicker's baseline
    int bottom = 0;     // lowest y the content may reach
    int gutter = 0;     // between the text and the picture column
    qreal lineSpacing = 1.0;
    int paragraphGap = 0;
    int bulletIndent = 0;
    int pictureGap = 0;
    PictureLook pictures;
};

PageLook screenLook();
PageLook paperLook();
