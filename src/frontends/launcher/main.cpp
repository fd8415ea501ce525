// The installed command: prepares the working folder, then becomes the program inside it.

#include "launcher/workingfolder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QTextStream>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

// Paths of the installed program and content, from the folder that holds this command.
QString installed(const char *fromBin)
{
    const QString self = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    return QDir::cleanPath(QFileInfo(self).absolutePath() + u'/' + QString::fromUtf8(fromBin));
}

// A box needs a display; on a terminal, or on a platform without a screen, the line on
// stderr is all there is.
bool canShowBox()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.startsWith("offscreen") || platform.startsWith("minimal"))
        return false;
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

int report(int argc, char **argv, const QString &problem)
{
    QTextStream(stderr) << "zorvanel: " << problem << Qt::endl;
    if (canShowBox()) {
        QApplication app(argc, argv);
        QMessageBox::critical(nullptr, QStringLiteral("Zorvanel"), problem);
    }
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString workDir = workingfolder::runFolder(environment);
    const workingfolder::Preparation prepared = workingfolder::prepare(
        installed(ZORVANEL_CONTENT_FROM_BIN), workDir, workingfolder::location(environment));
    for (const QString &note : prepared.notes)
        QTextStream(stderr) << "zorvanel: " << note << Qt::endl;
    if (!prepared.ok)
        return report(argc, argv, prepared.problem);

    const QByteArray program = QFile::encodeName(installed(ZORVANEL_PROGRAM_FROM_BIN));
    // The program works inside its folder; files named on the command line are the
    // caller's, relative to where the command was given.
    qputenv("ZORVANEL_STARTED_IN", QFile::encodeName(QDir::currentPath()));
    if (!QDir::setCurrent(workDir))
        return report(argc, argv,
                      QStringLiteral("Zorvanel cannot open the folder for its worksheets, %1.")
                          .arg(QDir::toNativeSeparators(workDir)));
    argv[0] = const_cast<char *>("zorvanel");
    execv(program.constData(), argv);
    return report(
        argc, argv,
        QStringLiteral("Zorvanel cannot start %1: %2.")
            .arg(QFile::decodeName(program), QString::fromLocal8Bit(std::strerror(errno))));
}
