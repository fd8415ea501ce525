#include "testservices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TestProgram::TestProgram() : m_previousDir(QDir::currentPath())
{
    QDir::setCurrent(m_dir.path());
    Services services;
    auto webLink = std::make_unique<RecordingWebLink>();
    auto dialogs = std::make_unique<ScriptedDialogs>();
    m_webLink = webLink.get();
    m_dialogs = dialogs.get();
    services.webLink = std::move(webLink);
    services.dialogs = std::move(dialogs);
    services.quit = [this](int status) { quits.append(status); };
    m_context = std::make_unique<AppContext>(std::move(services));
}

TestProgram::~TestProgram()
{
    m_context.reset();
    QDir::setCurrent(m_previousDir);
}

void TestProgram::writeFile(const QString &relativePath, const QByteArray &bytes)
{
    const QString path = m_dir.filePath(relativePath);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}
