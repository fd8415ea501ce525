#pragma once

#include <QString>

// The page viewers' rules: which way a page may be turned, what the page label says, the
// pages' picture files and the frames of the logo animation.
namespace viewerpages {

inline bool canGoBack(int page)
{
    return page > 1;
}
inline bool canGoOn(int page, int count)
{
    return page < count;
}
// "Page 2 of 5".
QString pageLabel(int page, int count);

// A page's picture in a folder ("wmf" for the screen, "wmf2" for paper).
QString guidePage(const QString &folder, int page);
// Pages 1, 2 and 3 of a set end in "a", "b" and "c": "wmf\key braillea.wmf".
QString notesPage(const QString &folder, const QString &set, int page);

constexpr int logoFrameCount = 20;
// The frames run 1, 2, ..., 19, 0, 1, ...
inline int nextLogoFrame(int frame)
{
    return (frame + 1) % logoFrameCount;
}
// "logo\quil0007.gif".
QString logoFramePath(int frame);

} // namespace viewerpages
