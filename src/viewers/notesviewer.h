#pragma once

#include "platform/picture.h"
#include "viewers/pageviewer.h"

#include <QTimer>

#include <vector>

// "teacher": a short set of pages (the Key Facts, the Teacher's Notes) chosen by the one who
// opens it, or the acknowledgements with the publisher's logo turning beside them.
class NotesViewer : public PageViewer
{
    Q_OBJECT
public:
    explicit NotesViewer(AppContext &context);
    void load() override;

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

    PictureView *m_frame;
    PictureView *m_logo;
    QTimer m_logoTimer;
    // Read when the animation starts, so that a tick only swaps one picture for another.
    std::vector<Picture> m_frames;
};
