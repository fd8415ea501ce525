#include "shell/startup.h"

#include "app/appcontext.h"
#include "braille/cipherscreen.h"
#include "braille/timelinescreen.h"
#include "shell/closingscreen.h"
#include "shell/mainmenu.h"
#include "shell/topichub.h"
#include "viewers/guideviewer.h"
#include "viewers/notesviewer.h"
#include "worksheets/cataloguescreen.h"
#include "worksheets/wizardscreen.h"

MainMenu *startProgram(AppContext &context)
{
    Screens &screens = context.screens();
    screens.declare<MainMenu>(QStringLiteral("intro0"));
    screens.declare<ClosingScreen>(QStringLiteral("Titlefrm"));
    screens.declare<TopicHub>(QStringLiteral("braille"));
    screens.declare<CipherScreen>(QStringLiteral("braillelab"));
    screens.declare<TimelineScreen>(QStringLiteral("brailleord"));
    screens.declare<WizardScreen>(QStringLiteral("wizard"));
    screens.declare<CatalogueScreen>(QStringLiteral("worksheets"));
    screens.declare<GuideViewer>(QStringLiteral("guide"));
    screens.declare<NotesViewer>(QStringLiteral("teacher"));
    return screens.show<MainMenu>();
}
