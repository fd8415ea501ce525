#pragma once

#include "pagecanvas.h"
#include "pagelook.h"
#include "pagesource.h"

// Which page of which set a page is, for the words above its heading.
struct PageInfo
{
    QString set;
    int number = 1;
    int count = 1;
};

// Lays the page out in the look's size and draws it on the canvas. Returns false with the
// reason in *error when the page does not fit: text past the bottom, pictures past their
// column, anything in the area the page keeps clear on screen.
bool drawPage(PageCanvas &canvas, const PageSource &page, const PageInfo &info,
              const PageLook &look, QString *error);
