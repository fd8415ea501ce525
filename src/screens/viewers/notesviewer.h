#pragma once

#include "pictures/picture.h"
#include "viewers/pageviewer.h"

#include <QTimer>

#include <vector>

// "teacher": a short set of pages (the Key Facts, the Teacher's Notes) chosen by the one who
// opens it, or the acknowledgements with the publisher's logo turning beside them.
class NotesViewer : public PageViewer
{
    Q_OBJECT
public:
    explicit NotesViewer(ScreenHost &host);
    void load() override;

    // Shows the first of a set of pages (the common start of their file names), under the
    // heading a screen reader gives the viewer.
    void showPages(const QString &pageSet, int pageCount, const QString &heading);
    // Makes this the acknowledgements page, its logo animation running.
    void showAcknowledgements();
    // One step of the logo animation, as its timer takes it every 25 ms.
    void animateLogo();
    bool isAnimating() const { return m_logoTimer.isActive(); }

protected:
    int pageCount() const override;
    QString picturePath(const QString &folder, int page) const override;
    void hideEvent(QHideEvent *event) override;

private:
    // A single page has no page label and nothing to turn.
    void hidePageTurning();

    QString m_pageSet;
    int m_pageCount = 0;
    PictureView *m_frame;
    PictureView *m_logo;
    QTimer m_logoTimer;
    // Read when the animation starts, so that a tick only swaps one picture for another.
    std::vector<Picture> m_frames;
};
