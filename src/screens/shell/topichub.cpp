#include "shell/topichub.h"

#include "braille/cipherscreen.h"
#include "braille/timelinescreen.h"
#include "controls/buttonarray.h"
#include "controls/buttonlabel.h"
#include "controls/controls.h"
#include "controls/pictureview.h"
#include "controls/place.h"
#include "files/contentpath.h"
#include "frame/dialogs.h"
#include "frame/screenhost.h"
#include "frame/screens.h"
#include "look/fonts.h"
#include "look/palette.h"
#include "look/twips.h"
#include "quiz/questionset.h"
#include "quiz/quizstart.h"
#include "quiz/topicquiz.h"
#include "shell/mainmenu.h"
#include "viewers/notesviewer.h"

namespace {

// Centred across the screen's outer width, as the pictures always have been.
void centreAcross(PictureView *view, double top)
{
    const QSizeF size = view->picture().sizeTwips();
    placeTwips(view, (Twips::screenWidth - size.width()) / 2, top, size.width(), size.height());
}

} // namespace

TopicHub::TopicHub(ScreenHost &host) : Screen(host, QStringLiteral("braille"))
{
    controls::textLabel(client(), QStringLiteral("Label1"), QStringLiteral("Tomas Verrin"),
                        {240, 0, 6120, 900}, fonts::screenFont(fonts::timesNewRoman, 27.75, true),
                        colours::commandText, Qt::AlignLeft | Qt::AlignVCenter);
    m_picture = new PictureView(client(), QStringLiteral("Image1"), {3900, 1200, 4200, 4200});
    m_cipherPicture =
        new PictureView(client(), QStringLiteral("Image2"), {3667.5, 5880, 4665, 1515});

    m_buttons = new ButtonArray(client(), QStringLiteral("Label3"));
    const ButtonArray::Look look = ButtonArray::commandLook();
    // Created in reading order, so the keyboard visits them as the eye does.
    m_buttons->add(KeyFactsActivity, QStringLiteral("Key Facts"), {6360, 120, 1995, 495}, look);
    m_buttons->add(NotesActivity, QStringLiteral("Teacher's Notes"), {8640, 120, 3195, 495}, look);
    m_buttons->add(QuizActivity, QStringLiteral("Multiple Choice"), {120, 7920, 3195, 495}, look);
    m_buttons->add(CipherActivity, QStringLiteral("Braille Cipher"), {3600, 7920, 3195, 495}, look);
    m_buttons->add(TimelineActivity, QStringLiteral("Braille Timeline"), {7080, 7920, 3195, 495},
                   look);
    m_buttons->add(ExitHub, QStringLiteral("Exit"), {10560, 7920, 1245, 495}, look);
    setSpokenHeading(QStringLiteral("Tomas Verrin"));
    setEscapeCommand(m_buttons->at(ExitHub));
    connect(m_buttons, &ButtonArray::clicked, this, &TopicHub::clicked);
}

void TopicHub::load()
{
    setupScreen();
    setBackColour(colours::frame);
    m_picture->loadPicture(QStringLiteral("Images\\braille2.jpg"));
    m_cipherPicture->loadPicture(QStringLiteral("Images\\braillecipher.jpg"));
    centreAcross(m_picture, 1200);
    centreAcross(m_cipherPicture, 5880);
}

void TopicHub::clicked(int index)
{
    switch (index) {
    case QuizActivity:
        openQuiz();
        break;
    case CipherActivity:
        openCipher();
        break;
    case ExitHub:
        exitHub();
        break;
    case TimelineActivity:
        host().screens().show<TimelineScreen>();
        break;
    case KeyFactsActivity:
        openNotes(3, QStringLiteral("key braille"), m_buttons->at(KeyFactsActivity)->text());
        break;
    case NotesActivity:
        openNotes(2, QStringLiteral("braille"), m_buttons->at(NotesActivity)->text());
        break;
    default:
        break;
    }
}

void TopicHub::openQuiz()
{
    // Read afresh every time, so an edited file takes effect at the next quiz; a file that
    // cannot be read whole opens nothing.
    QuizRequest request;
    if (!readQuestionSetFile(topicquiz::questionSetPath, request.set)) {
        host().dialogs().inform(
            QStringLiteral("The quiz could not be opened: the file \"%1\" is missing or "
                           "incomplete.")
                .arg(shownContentPath(topicquiz::questionSetPath)));
        return;
    }
    request.heading = QStringLiteral("Zorvanel");
    request.picturePath = QStringLiteral("images\\braillesm.jpg");
    startQuiz(host(), request);
}

void TopicHub::openCipher()
{
    Screens &screens = host().screens();
    // Its load gives it the common caption; the activity's own name goes on afterwards.
    screens.touch<CipherScreen>()->setCaption(m_buttons->at(CipherActivity)->text());
    screens.show<CipherScreen>();
}

void TopicHub::openNotes(int pageCount, const QString &pageSet, const QString &heading)
{
    Screens &screens = host().screens();
    screens.touch<NotesViewer>()->showPages(pageSet, pageCount, heading);
    screens.show<NotesViewer>();
}

void TopicHub::exitHub()
{
    Screens &screens = host().screens();
    screens.show<MainMenu>();
    screens.unload(this);
}
