#include "worksheets/cataloguepages.h"

#include "texts/numbertext.h"

#include <algorithm>

CataloguePages CataloguePages::workPage(int page, int count)
{
    CataloguePages shown;
    shown.page = std::clamp(page, 0, lastPage);
    shown.previousShown = shown.page > 0;
    shown.nextShown = shown.page < lastPage;
    shown.firstEntry = entryAt(shown.page, 1);
    if (count < entryAt(shown.page, slotCount + 1)) {
        shown.lastEntry = count;
        shown.nextShown = false;
    } else {
        shown.lastEntry = entryAt(shown.page, slotCount);
    }
    return shown;
}

CataloguePages CataloguePages::refilled(int count) const
{
    CataloguePages shown = *this;
    shown.lastEntry = std::min(entryAt(page, slotCount), count);
    return shown;
}

QString CataloguePages::pageLabel() const
{
    return QStringLiteral("Page") + numberText(page + 1);
}
