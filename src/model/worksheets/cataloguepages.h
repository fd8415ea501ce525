#pragma once

#include <QString>

// The paging of the catalogue: which entries of the index the page on show lists, and
// which page labels go with it. Pages are numbered from 0; entries from 1, as in the index.
struct CataloguePages
{
    static constexpr int slotCount = 24;
    static constexpr int lastPage = 40;

    int page = 0;
    int firstEntry = 1;
    int lastEntry = 0; // below firstEntry when the page shows nothing
    bool previousShown = false;
    bool nextShown = false;

    // The entry shown in slot 1 to 24 of a page.
    static int entryAt(int page, int slot) { return page * slotCount + slot; }

    // Page `page` of an index of `count` entries, as a page turn draws it. The catalogue
    // opens on page 0 drawn the same way.
    static CataloguePages workPage(int page, int count);
    // The same page drawn again after a deletion left `count` entries: the entries move
    // up, the page labels stay as they were.
    CataloguePages refilled(int count) const;

    int shownCount() const { return lastEntry >= firstEntry ? lastEntry - firstEntry + 1 : 0; }
    QString pageLabel() const;
};
