#pragma once

#include "pagecanvas.h"
#include "pagelook.h"
#include "pagesource.h"

#include <memory>

// A vector drawing on a page: Braille cells, a timeline, a map, a hand reading, the
// program's buttons. It fills the width it is given and says how tall that makes it.
class PagePicture
{
public:
    virtual ~PagePicture() = default;
    virtual int height(int width, const PictureLook &look) const = 0;
    virtual void paint(PageCanvas &canvas, const QRect &box, const PictureLook &look) const = 0;
};

// The picture a [name ...] block asks for; null, with the reason in *error, for a name or
// words no picture knows.
std::unique_ptr<PagePicture> makePagePicture(const PageBlock &block, QString *error);
