// The program's own start-up, up to the main menu's first paint.
#include "firstpaint.h"
#include "frame/appcontext.h"
#include "frame/application.h"
#include "shell/mainmenu.h"
#include "shell/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    prepareApplication();
    AppContext context(Services::real());
    reportFirstPaint(startProgram(context));
    return QApplication::exec();
}
