#include "viewers/guideviewer.h"

#include "viewers/viewerpages.h"

#include <QLabel>

GuideViewer::GuideViewer(ScreenHost &host) : PageViewer(host, QStringLiteral("guide"), true)
{
    setPageLabel(viewerpages::pageLabel(1, pages));
    setSpokenHeading(QStringLiteral("Teacher's Guide"));
}

void GuideViewer::load()
{
    // The main menu gives it its first page.
    setupScreen();
}

QString GuideViewer::picturePath(const QString &folder, int page) const
{
    return viewerpages::guidePage(folder, page);
}
