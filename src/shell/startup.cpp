#include "shell/startup.h"

#include "app/appcontext.h"
#include "braille/cipherscreen.h"
#include "braille/timelinescreen.h"
#include "platform/contentpath.h"
#include "shell/closingscreen.h"
#include "shell/mainmenu.h"
#include "shell/topichub.h"
#include "viewers/guideviewer.h"
#include "viewers/notesviewer.h"
#include "worksheets/cataloguescreen.h"
#include "worksheets/wizardscreen.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

void tellWhenContentIsMissing(AppContext &context)
{
    // What a content folder holds, as the program reads it: the topic's questions and the
    // folders of pictures and pages.
    const QStringList contentEntries = {TopicHub::questionSetPath, QStringLiteral("Images"),
                                        QStringLiteral("wmf"), QStringLiteral("wmf2"),
                                        QStringLiteral("logo")};
    const bool found =
        std::all_of(contentEntries.begin(), contentEntries.end(), [](const QString &entry) {
            return QFileInfo::exists(resolveContentPath(entry));
        });
    if (found)
        return;
    context.services.dialogs->inform(
        QStringLiteral("Zorvanel's pictures, pages and questions were not found in the folder "
                       "it was started in:\n%1\n\nStart it with ./run.sh in the folder it was "
                       "built in, or with the command zorvanel once it is installed.")
            .arg(QDir::toNativeSeparators(QDir::currentPath())));
}

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
