#include "testservices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TestProgram::TestProgram()
{
    Services services;
    auto webLink = std::make_unique<RecordingWebLink>();
    auto dialogs = std::make_unique<ScriptedDialogs>();
    m_webLink = webLink.get();
    m_dialogs = dialogs.get();
    services.webLink = std::move(webLink);
    services.dialogs = std::move(dialogs);
    services.quit = [this](int status) { quits.append(status); };
    services.printer = [this] { return printer.device(); };
    services.chosenPrinter = [this]() -> std::unique_ptr<PrintDevice> {
        ++printDialogs;
        return printDialogCancelled ? nullptr : printer.device();
    };
    services.pdfFile = [this](const QString &path) {
        pdfPaths.append(path);
        return printer.device();
    };
    auto random = std::make_unique<ScriptedRandom>();
    m_random = random.get();
    services.random = std::move(random);
    auto embossers = std::make_unique<RecordingEmbossers>();
    m_embossers = embossers.get();
    services.embossers = std::move(embossers);
    auto speech = std::make_unique<RecordingSpeech>();
    m_speech = speech.get();
    services.speech = std::move(speech);
    m_context = std::make_unique<AppContext>(std::move(services));
}

TestProgram::~TestProgram()
{
    m_context.reset();
}

void TestProgram::writeFile(const QString &relativePath, const QByteArray &bytes)
{
    writeBytes(m_dir.path() + u'/' + relativePath, bytes);
}
