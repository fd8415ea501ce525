#include "classroom/classroom.h"
#include "commandline/commandline.h"
#include "desktop/account.h"
#include "frame/appcontext.h"
#include "frame/application.h"
#include "shell/startup.h"

#include <QApplication>
#include <QTextStream>
#include <QTimer>

namespace {
// On a terminal the program's own lines are the whole story; Qt's notes about the session
// (no runtime folder under cron, say) would read as errors.
void keepSerious(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        QTextStream(stderr) << message << Qt::endl;
}
} // namespace

int main(int argc, char *argv[])
{
    if (commandline::isRequested(argc, argv)) {
        // Reading, writing and printing to PDF need fonts but no display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(keepSerious);
        QGuiApplication app(argc, argv);
        QTextStream out(stdout);
        QTextStream err(stderr);
        return commandline::run(QGuiApplication::arguments(), out, err,
                                Classroom(ClassroomSettings::system(), Account::current()));
    }
    QApplication app(argc, argv);
    prepareApplication();
    AppContext context(Services::real());
    context.state().classroom = Classroom(ClassroomSettings::system(), Account::current());
    startProgram(context);
    // Once the menu is up, so that the program is seen to be running behind the message.
    QTimer::singleShot(0, [&context] { tellWhenContentIsMissing(context); });
    repeatFirstFocus(&context.backdrop());
    return QApplication::exec();
}
