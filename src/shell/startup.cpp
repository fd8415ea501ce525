#include "shell/startup.h"

#include "app/appcontext.h"
#include "shell/closingscreen.h"
#include "shell/mainmenu.h"
#include "shell/topichub.h"

MainMenu *startProgram(AppContext &context)
{
    Screens &screens = context.screens();
    screens.declare<MainMenu>(QStringLiteral("intro0"));
    screens.declare<ClosingScreen>(QStringLiteral("Titlefrm"));
    screens.declare<TopicHub>(QStringLiteral("braille"));
    return screens.show<MainMenu>();
}
