#include "shell/startup.h"

#include "files/contentpath.h"
#include "frame/appcontext.h"
#include "frame/dialogs.h"
#include "quiz/topicquiz.h"
#include "shell/mainmenu.h"
#include "shell/menunavigation.h"
#include "shell/topichub.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

void tellWhenContentIsMissing(ScreenHost &host)
{
    // What a content folder holds, as the program reads it: the topic's questions and the
    // folders of pictures and pages.
    const QStringList contentEntries = {topicquiz::questionSetPath, QStringLiteral("Images"),
                                        QStringLiteral("wmf"), QStringLiteral("wmf2"),
                                        QStringLiteral("logo")};
    const bool found =
        std::all_of(contentEntries.begin(), contentEntries.end(), [](const QString &entry) {
            return QFileInfo::exists(resolveContentPath(entry));
        });
    if (found)
        return;
    host.dialogs().inform(
        QStringLiteral("Zorvanel's pictures, pages and questions were not found in the folder "
                       "it was started in:\n%1\n\nStart it with ./run.sh in the folder it was "
                       "built in, or with the command zorvanel once it is installed.")
            .arg(QDir::toNativeSeparators(QDir::currentPath())));
}

MainMenu *startProgram(AppContext &context)
{
    context.setNavigation(std::make_unique<MenuNavigation>(context));
    return context.screens().show<MainMenu>();
}
