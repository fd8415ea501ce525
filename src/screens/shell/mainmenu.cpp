#include "shell/mainmenu.h"

#include "controls/buttonarray.h"
#include "controls/buttonlabel.h"
#include "controls/controls.h"
#include "controls/pictureview.h"
#include "frame/appstate.h"
#include "frame/readaloud.h"
#include "frame/screenhost.h"
#include "frame/screens.h"
#include "frame/services.h"
#include "look/fonts.h"
#include "look/palette.h"
#include "shell/closingscreen.h"
#include "shell/topichub.h"
#include "texts/publisher.h"
#include "viewers/guideviewer.h"
#include "viewers/notesviewer.h"
#include "viewers/viewerpages.h"
#include "worksheets/cataloguescreen.h"
#include "worksheets/wizardscreen.h"
#include "worksheets/worksheetindex.h"

#include <QLabel>
#include <QPointer>
#include <QRadioButton>

#include <algorithm>
#include <utility>

namespace {

struct EntryDesign
{
    int index;
    QString caption;
    QRectF twips;
    QColor back;
    QString family;
    double points;
};

const QString notAvailable = QStringLiteral("Topic not available");

QList<EntryDesign> entryDesigns()
{
    using namespace colours;
    const QString tahoma = fonts::tahoma;
    QList<EntryDesign> designs = {
        {3, QStringLiteral("Tomas Verrin"), {120, 4200, 3195, 375}, blue, tahoma, 12},
        {12, publisher::webAddress, {7005, 8040, 3315, 375}, black, fonts::arial, 12},
        {16, QStringLiteral("Exit"), {10560, 7920, 1245, 495}, black, tahoma, 18},
        {17, QStringLiteral("Multiple Choice Wizard"), {7005, 5760, 4635, 495}, navy, tahoma, 18},
        {18, QStringLiteral("Worksheet Catalogue"), {7005, 6600, 4635, 495}, navy, tahoma, 18},
        {19, QStringLiteral("Acknowledgments"), {120, 7440, 3075, 495}, navy, tahoma, 14.25},
        {20, QStringLiteral("Teacher's Guide"), {120, 1080, 3075, 495}, navy, tahoma, 14.25},
    };
    // Further inventors' topics that this edition does not carry.
    struct Slot
    {
        int index;
        double left, top;
    };
    const Slot unavailable[] = {{0, 120, 2040},  {1, 120, 2760},   {2, 120, 3480},  {4, 120, 4920},
                                {5, 120, 5640},  {6, 3420, 2040},  {7, 3420, 2760}, {8, 3420, 3480},
                                {9, 3420, 4200}, {10, 3420, 4920}, {11, 3420, 5640}};
    for (const Slot &slot : unavailable) {
        const QRectF place(slot.left, slot.top, 3195, 375);
        const double points = slot.index == 0 ? 11.25 : 12;
        designs.append({slot.index, notAvailable, place, blue, tahoma, points});
    }
    // Created in reading order, so the keyboard visits them as the eye does.
    std::sort(designs.begin(), designs.end(), [](const EntryDesign &a, const EntryDesign &b) {
        return std::make_pair(a.twips.y(), a.twips.x()) < std::make_pair(b.twips.y(), b.twips.x());
    });
    return designs;
}

bool isInventorEntry(int index)
{
    return index >= 0 && index <= 11;
}

} // namespace

const QString MainMenu::inventorPicturePath = QStringLiteral("Images\\hadleysm.jpg");
const QString MainMenu::heading = publisher::programName;

MainMenu::MainMenu(ScreenHost &host) : Screen(host, QStringLiteral("intro0"))
{
    using namespace controls;
    buildEntries();
    const QFont optionFont = fonts::screenFont(fonts::tahoma, 9.75, true);
    m_heading = textLabel(client(), QStringLiteral("Label1"), heading, {0, 120, 12000, 900},
                          fonts::screenFont(fonts::tahoma, 32.25, true), colours::commandText);
    textLabel(client(), QStringLiteral("Label3"), publisher::menuFooter, {120, 8220, 4320, 315},
              fonts::screenFont(fonts::tahoma, 9.75), colours::commandText);

    m_frame = new FrameBox(client(), QStringLiteral("Frame1"), {6780, 1080, 5055, 3975});
    m_inventorPicture = new PictureView(m_frame, QStringLiteral("Image1"), {120, 240, 4800, 3600});

    m_logo = new PictureView(client(), QStringLiteral("Image2"), {4920, 6240, 1500, 2085});
    m_logo->setClickable(true);
    m_logo->setToolTip(publisher::webAddress);
    connect(m_logo, &PictureView::clicked, this, &MainMenu::openWebSite);

    m_soundOn = optionButton(client(), QStringLiteral("Option1"), QStringLiteral("Sound On"),
                             {10440, 120, 1455, 255}, optionFont, colours::commandText);
    m_soundOff = optionButton(client(), QStringLiteral("Option2"), QStringLiteral("Sound Off"),
                              {10440, 480, 1455, 255}, optionFont, colours::commandText);
    connect(m_soundOn, &QRadioButton::clicked, this, &MainMenu::turnSoundOn);
    connect(m_soundOff, &QRadioButton::clicked, this,
            [this] { this->host().readAloud().turnOff(); });

    m_indexTimer.setInterval(1);
    m_indexTimer.setSingleShot(true);
    connect(&m_indexTimer, &QTimer::timeout, this, &MainMenu::loadWorksheetIndex);
}

void MainMenu::buildEntries()
{
    m_entries = new ButtonArray(client(), QStringLiteral("Label2"));
    for (const EntryDesign &design : entryDesigns()) {
        ButtonArray::Look look;
        look.back = design.back;
        look.font = fonts::screenFont(design.family, design.points, true);
        look.opaque = !isInventorEntry(design.index);
        ButtonLabel *label = m_entries->add(design.index, design.caption, design.twips, look);
        if (design.caption == notAvailable)
            label->setEnabled(false);
    }
    connect(m_entries, &ButtonArray::clicked, this, &MainMenu::entryClicked);
    setSpokenHeading(QStringLiteral("Main Menu"));
    setEscapeCommand(m_entries->at(ExitEntry));
}

void MainMenu::load()
{
    setupScreen();
    setBackColour(colours::black);
    m_inventorPicture->loadPicture(inventorPicturePath);
    m_logo->loadPicture(QStringLiteral("Images\\logo2.jpg"));
    for (QWidget *w : std::initializer_list<QWidget *>{m_soundOn, m_soundOff, m_frame})
        controls::setBackColour(w, colours::black);
    if (!host().state().classroom.isTeacher())
        controls::markForTeachers(m_entries->at(WizardEntry));
    // The option shown is the setting, which lasts until it is changed or the program ends.
    (host().readAloud().isOn() ? m_soundOn : m_soundOff)->setChecked(true);
    m_indexTimer.start();
}

void MainMenu::turnSoundOn()
{
    // Where nothing can speak the program stays silent, and the switch shows it, also
    // behind the message that says so.
    m_soundOff->setChecked(true);
    const QPointer<QRadioButton> soundOff = m_soundOff;
    if (host().readAloud().turnOn([soundOff] {
            if (soundOff)
                soundOff->setChecked(true);
        }))
        m_soundOn->setChecked(true);
}

void MainMenu::entryClicked(int index)
{
    Screens &screens = host().screens();
    switch (index) {
    case TopicEntry:
        screens.show<TopicHub>();
        break;
    case WebSiteEntry:
        openWebSite();
        break;
    case ExitEntry:
        screens.touch<ClosingScreen>()->setCancelCaption(QStringLiteral("Cancel"));
        screens.show<ClosingScreen>();
        screens.unload(this);
        break;
    case WizardEntry:
        screens.show<WizardScreen>();
        break;
    case CatalogueEntry:
        screens.show<CatalogueScreen>();
        screens.unload(this);
        break;
    case AcknowledgementsEntry:
        screens.touch<NotesViewer>()->showAcknowledgements();
        screens.show<NotesViewer>();
        break;
    case GuideEntry:
        openGuide();
        break;
    default:
        break;
    }
}

void MainMenu::openGuide()
{
    Screens &screens = host().screens();
    screens.touch<GuideViewer>()->showFirstPage();
    screens.show<GuideViewer>();
}

void MainMenu::openWebSite()
{
    host().services().webLink->open(publisher::webSite);
}

void MainMenu::loadWorksheetIndex()
{
    host().state().worksheetIndex = WorksheetIndexFile().load();
}
