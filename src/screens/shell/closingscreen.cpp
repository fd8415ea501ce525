#include "shell/closingscreen.h"

#include "controls/controls.h"
#include "controls/pictureview.h"
#include "frame/backdrop.h"
#include "frame/screenhost.h"
#include "frame/screens.h"
#include "frame/services.h"
#include "look/fonts.h"
#include "look/palette.h"
#include "look/twips.h"
#include "shell/mainmenu.h"
#include "texts/publisher.h"

#include <QPushButton>

namespace {
const QString picturePath = QStringLiteral("Images\\hadleysm.jpg");
}

ClosingScreen::ClosingScreen(ScreenHost &host) : Screen(host, QStringLiteral("Titlefrm"))
{
    using namespace controls;
    auto *frame = new FrameBox(client(), QStringLiteral("Frame1"), {0, -90, 5480, 6660});
    textLabel(frame, QStringLiteral("Label4"), QStringLiteral("Zorvanel"), {60, 180, 5355, 1425},
              fonts::screenFont(fonts::timesNewRoman, 32.25, true), colours::black);
    m_picture = new PictureView(frame, QStringLiteral("Picture1"), {300, 1680, 4800, 3600});
    textLabel(frame, QStringLiteral("Label1"), publisher::creditLine, {360, 5400, 4695, 495},
              fonts::screenFont(fonts::timesNewRoman, 18), colours::black);
    m_cancelButton = pushButton(frame, QStringLiteral("Command1"), QStringLiteral("Cancel"),
                                {1320, 6000, 1335, 375}, colours::lightGrey);
    m_exitButton = pushButton(frame, QStringLiteral("Command2"), QStringLiteral("Exit"),
                              {2760, 6000, 1335, 375}, colours::lightGrey);
    textLabel(frame, QStringLiteral("Label2"), publisher::notice, {0, 6420, 5415, 255},
              fonts::screenFont(fonts::arial, 8.25), colours::blue);

    connect(m_cancelButton, &QPushButton::clicked, this, &ClosingScreen::cancel);
    // Escape never ends the program: it goes back, as Cancel does.
    setEscapeCommand(m_cancelButton);
    setSpokenHeading(QStringLiteral("Exit"));
    connect(m_exitButton, &QPushButton::clicked, this, [this] { this->host().services().quit(0); });
}

void ClosingScreen::load()
{
    setIcon(host().applicationIcon());
    setCaption(QStringLiteral(" "));
    setBackColour(colours::lightGrey);
    setClientSizeTwips(QSizeF(5460, 6570));
    centreOnDisplay();
    host().backdrop().showOnDisplay();
    if (!m_picture->loadPicture(picturePath)) {
        // As the screen always has: take the common frame and try the picture once more.
        // A second failure leaves the picture box empty.
        setupScreen();
        m_picture->loadPicture(picturePath);
    }
}

void ClosingScreen::setCancelCaption(const QString &caption)
{
    m_cancelButton->setText(caption);
}

void ClosingScreen::cancel()
{
    Screens &screens = host().screens();
    screens.show<MainMenu>();
    screens.unload(this);
}
