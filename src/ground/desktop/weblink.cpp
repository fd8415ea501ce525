#include "desktop/weblink.h"

#include <QDesktopServices>

void DesktopWebLink::open(const QUrl &url)
{
    // The outcome is deliberately ignored: a missing browser is not the pupil's problem.
    QDesktopServices::openUrl(url);
}
