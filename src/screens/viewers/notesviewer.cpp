#include "viewers/notesviewer.h"

#include "controls/buttonarray.h"
#include "controls/buttonlabel.h"
#include "controls/readablepicture.h"
#include "frame/appstate.h"
#include "frame/screenhost.h"
#include "viewers/viewerpages.h"

#include <QLabel>

namespace {
const QColor acknowledgementsBlue(49, 130, 212);
const QColor logoBack(128, 128, 255);
constexpr int logoTickMs = 25;
} // namespace

NotesViewer::NotesViewer(ScreenHost &host) : PageViewer(host, QStringLiteral("teacher"), false)
{
    m_frame = new PictureView(client(), QStringLiteral("Picture1"), {8520, 4320, 1800, 1800});
    m_frame->hide();
    m_logo = new PictureView(client(), QStringLiteral("Picture2"), {8550, 6240, 1800, 1335});
    m_logo->setBackColour(logoBack);
    m_logo->hide();
    m_logoTimer.setInterval(logoTickMs);
    connect(&m_logoTimer, &QTimer::timeout, this, &NotesViewer::animateLogo);
}

void NotesViewer::load()
{
    setupScreen();
}

void NotesViewer::showPages(const QString &pageSet, int pageCount, const QString &heading)
{
    m_pageSet = pageSet;
    m_pageCount = pageCount;
    if (pageCount == 1)
        hidePageTurning();
    setPageLabel(viewerpages::pageLabel(1, pageCount));
    setSpokenHeading(heading);
    showFirstPage();
}

int NotesViewer::pageCount() const
{
    return m_pageCount;
}

QString NotesViewer::picturePath(const QString &folder, int page) const
{
    return viewerpages::notesPage(folder, m_pageSet, page);
}

void NotesViewer::hidePageTurning()
{
    pageLabel()->hide();
    pagePicture()->setHeading(QString());
    buttons()->at(NextCommand)->hide();
    buttons()->at(PreviousCommand)->hide();
}

void NotesViewer::showAcknowledgements()
{
    hidePageTurning();
    setSpokenHeading(QStringLiteral("Acknowledgments"));
    pagePicture()->loadPicture(QStringLiteral("wmf\\acknowledgments.wmf"));
    m_logo->loadPicture(QStringLiteral("logo\\quillmere2.bmp"));
    paperPicture()->loadPicture(QStringLiteral("wmf2\\acknowledgments.wmf"));
    setBackColour(acknowledgementsBlue);
    m_frames.clear();
    for (int frame = 0; frame < viewerpages::logoFrameCount; ++frame)
        m_frames.push_back(Picture::load(viewerpages::logoFramePath(frame)));
    m_logoTimer.start();
}

void NotesViewer::animateLogo()
{
    int &frame = host().state().logoFrame;
    frame = viewerpages::nextLogoFrame(frame);
    m_frame->setPicture(m_frames.at(size_t(frame)));
    m_frame->show();
    m_logo->show();
}

void NotesViewer::hideEvent(QHideEvent *event)
{
    // Closing the page stops the logo; nothing turns unseen.
    m_logoTimer.stop();
    PageViewer::hideEvent(event);
}
