#include "app/appcontext.h"
#include "app/application.h"
#include "shell/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    prepareApplication();
    AppContext context(Services::real());
    startProgram(context);
    return QApplication::exec();
}
