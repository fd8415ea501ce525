#include "pagelook.h"

#include "pagefonts.h"

namespace {

// The page viewer's own background, so the page's margin runs into the window.
const QColor viewerBlue(39, 63, 137);
const QColor cream(255, 251, 240);
const QColor ink(22, 44, 98);
const QColor burgundy(140, 30, 55);

PageFont arial(int height, bool bold = false)
{
    return PageFont{pagefonts::arial, height, bold};
}

} // namespace

PageLook screenLook()
{
    PageLook look;
    look.size = QSize(10440, 7800);
    look.screen = true;
    look.background = viewerBlue;
    look.panel = cream;
    // Heights in whole pixels of an 800 by 600 screen, 15 twips each, so that the text is
    // as wide when shown as when it was measured here.
    look.kicker = arial(240, true);
    look.heading = arial(450, true);
    look.subheading = arial(330, true);
    look.body = arial(285);
    look.bodyStrong = arial(285, true);
    look.kickerColour = burgundy;
    look.headingColour = ink;
    look.subheadingColour = QColor(36, 84, 168);
    look.textColour = QColor(28, 28, 36);
    look.strongColour = burgundy;
    look.ruleColour = QColor(222, 172, 64);
    look.panelInset = 60;
    look.margin = 420;
    look.top = 450;
    look.bottom = 7500;
    look.gutter = 420;
    look.lineSpacing = 1.25;
    look.paragraphGap = 165;
    look.bulletIndent = 360;
    look.pictureGap = 240;

    PictureLook &p = look.pictures;
    p.label = arial(225);
    p.labelStrong = arial(225, true);
    p.caption = arial(225, true);
    p.text = QColor(28, 28, 36);
    p.ink = ink;
    p.faint = QColor(196, 204, 222);
    p.card = QColor(232, 238, 250);
    p.cardEdge = QColor(0, 0, 0, 0);
    p.accent = burgundy;
    p.accent2 = QColor(36, 84, 168);
    p.skin = QColor(242, 200, 170);
    p.skinEdge = QColor(150, 92, 64);
    p.wood = QColor(176, 122, 70);
    p.metal = QColor(150, 156, 168);
    p.land = QColor(210, 230, 196);
    p.screen = viewerBlue;
    // The program's commands: yellow on black.
    p.button = Qt::black;
    p.buttonText = QColor(255, 255, 0);
    p.naturalWidth = 3200;
    p.outline = 30;
    return look;
}

// Paper is black on white for any printer: greys only in the pictures, no page fill.
PageLook paperLook()
{
    PageLook look;
    look.size = QSize(9360, 12960);
    look.screen = false;
    look.background = QColor(0, 0, 0, 0);
    look.kicker = arial(190);
    look.heading = arial(340, true);
    look.subheading = arial(260, true);
    look.body = arial(230);
    look.bodyStrong = arial(230, true);
    look.kickerColour = QColor(90, 90, 90);
    look.headingColour = Qt::black;
    look.subheadingColour = Qt::black;
    look.textColour = Qt::black;
    look.strongColour = Qt::black;
    look.ruleColour = QColor(120, 120, 120);
    look.panelInset = 0;
    look.margin = 0;
    look.top = 200;
    look.bottom = 12960;
    look.gutter = 0;
    look.lineSpacing = 1.3;
    look.paragraphGap = 150;
    look.bulletIndent = 300;
    look.pictureGap = 240;

    PictureLook &p = look.pictures;
    p.label = arial(190);
    p.labelStrong = arial(190, true);
    p.caption = arial(190, true);
    p.text = Qt::black;
    p.ink = Qt::black;
    p.faint = QColor(200, 200, 200);
    p.card = Qt::white;
    p.cardEdge = QColor(150, 150, 150);
    p.accent = QColor(60, 60, 60);
    p.accent2 = QColor(60, 60, 60);
    p.skin = QColor(235, 235, 235);
    p.skinEdge = QColor(70, 70, 70);
    p.wood = QColor(190, 190, 190);
    p.metal = QColor(140, 140, 140);
    p.land = QColor(232, 232, 232);
    p.screen = QColor(215, 215, 215);
    // The program's commands as a black and white printer shows them.
    p.button = Qt::black;
    p.buttonText = Qt::white;
    p.naturalWidth = 3400;
    p.outline = 15;
    return look;
}
