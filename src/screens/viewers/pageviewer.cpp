#include "viewers/pageviewer.h"

#include "controls/buttonarray.h"
#include "controls/buttonlabel.h"
#include "controls/controls.h"
#include "controls/pictureview.h"
#include "controls/readablepicture.h"
#include "frame/appstate.h"
#include "frame/printjob.h"
#include "frame/screenhost.h"
#include "frame/screens.h"
#include "look/fonts.h"
#include "look/palette.h"
#include "printing/printsurface.h"
#include "texts/spokentext.h"
#include "viewers/viewerpages.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <QShowEvent>

namespace {
// Where a page is printed: inside the corner of the printable area.
constexpr double paperMargin = 1000;
} // namespace

PageViewer::PageViewer(ScreenHost &host, const QString &name, bool resetOnBackground)
    : Screen(host, name)
{
    m_page = new ReadablePicture(client(), QStringLiteral("Image1"), {120, 0, 0, 0});
    m_page->setSizedToPicture(true);
    m_paper = new PictureView(client(), QStringLiteral("Image2"), {120, 0, 0, 0});
    m_paper->hide();

    m_buttons = new ButtonArray(client(), QStringLiteral("Label3"), false);
    const ButtonArray::Look look = ButtonArray::commandLook();
    m_buttons->add(PrintCommand, QStringLiteral("Print"), {10680, 120, 1125, 495}, look,
                   resetOnBackground);
    m_buttons
        ->add(PreviousCommand, QStringLiteral("Previous Page"), {1320, 7920, 2685, 495}, look,
              resetOnBackground)
        ->setEnabled(false);
    m_pageLabel =
        controls::textLabel(client(), QStringLiteral("Label1"), QString(), {4200, 7920, 2295, 495},
                            fonts::screenFont(fonts::tahoma, 15.75, true), colours::black);
    controls::setBackColour(m_pageLabel, colours::white);
    // A screen reader hears the label as the first line of the page, so not again apart.
    m_pageLabel->setBuddy(m_page);
    m_buttons->add(NextCommand, QStringLiteral("Next Page"), {6720, 7920, 2685, 495}, look,
                   resetOnBackground);
    m_buttons->add(ExitCommand, QStringLiteral("Exit"), {10680, 7920, 1125, 495}, look,
                   resetOnBackground);
    connect(m_buttons, &ButtonArray::clicked, this, &PageViewer::clicked);
    setEscapeCommand(m_buttons->at(ExitCommand));
    // The viewer opens on Print, as it always has; the page to read line by line is next.
    setTabOrder(m_buttons->at(PrintCommand), m_page);
    for (int index : m_buttons->indexes())
        m_buttons->at(index)->installEventFilter(this);
}

void PageViewer::setPagePictures(const QString &screenPath, const QString &paperPath)
{
    m_page->loadPicture(screenPath);
    m_paper->loadPicture(paperPath);
}

void PageViewer::showFirstPage()
{
    m_pageNumber = 1;
    setPagePictures(picturePath(QStringLiteral("wmf"), 1), picturePath(QStringLiteral("wmf2"), 1));
}

void PageViewer::clicked(int index)
{
    switch (index) {
    case PrintCommand:
        printPage();
        break;
    case ExitCommand:
        host().screens().unload(this);
        break;
    case NextCommand:
        turnPage(1);
        break;
    case PreviousCommand:
        turnPage(-1);
        break;
    default:
        break;
    }
}

void PageViewer::turnPage(int step)
{
    int &page = m_pageNumber;
    page += step;
    const int count = pageCount();
    m_buttons->at(PreviousCommand)->setEnabled(viewerpages::canGoBack(page));
    m_buttons->at(NextCommand)->setEnabled(viewerpages::canGoOn(page, count));
    setPagePictures(picturePath(QStringLiteral("wmf"), page),
                    picturePath(QStringLiteral("wmf2"), page));
    setPageLabel(viewerpages::pageLabel(page, count));
    // The focus stays on the command or the page; the new page is said all the same. Its
    // words cost a playing of the picture, which only a screen reader needs.
    if (QAccessible::isActive())
        announce(m_page->caret().text());
    readPage();
}

void PageViewer::readPage()
{
    // The words cost a playing of the picture, made only for a voice that will say them.
    if (readsAloud())
        readAloud(spokentext::page(m_page->caret().text()));
}

void PageViewer::showEvent(QShowEvent *event)
{
    // Not again when the window comes back from the task bar.
    if (!event->spontaneous())
        readPage();
    Screen::showEvent(event);
}

void PageViewer::setPageLabel(const QString &label)
{
    m_pageLabel->setText(label);
    m_page->setHeading(m_pageLabel->isHidden() ? QString() : label);
}

void PageViewer::printPage()
{
    const Picture paper = m_paper->picture();
    // A page whose paper picture is missing or damaged prints nothing, and says so.
    runPrintJob(
        host(),
        [&paper](PrintSurface &surface) {
            if (paper.isNull())
                return false;
            surface.print(QString());
            surface.picture(paper, {paperMargin, paperMargin});
            return surface.endDoc();
        },
        QString());
}

bool PageViewer::pageKey(const QKeyEvent &event)
{
    const auto press = [this](Command command) {
        ButtonLabel *label = m_buttons->at(command);
        if (label->isVisible() && label->isEnabled())
            label->click();
    };
    switch (event.key()) {
    case Qt::Key_PageDown:
    case Qt::Key_Right:
    case Qt::Key_Down:
        press(NextCommand);
        return true;
    case Qt::Key_PageUp:
    case Qt::Key_Left:
    case Qt::Key_Up:
        press(PreviousCommand);
        return true;
    case Qt::Key_Escape:
        press(ExitCommand);
        return true;
    default:
        return false;
    }
}

void PageViewer::keyPressEvent(QKeyEvent *event)
{
    if (!pageKey(*event))
        Screen::keyPressEvent(event);
}

bool PageViewer::eventFilter(QObject *watched, QEvent *event)
{
    // The commands would take the arrows to move the focus; on a page they turn it.
    if (event->type() == QEvent::KeyPress && pageKey(*static_cast<QKeyEvent *>(event)))
        return true;
    return Screen::eventFilter(watched, event);
}
