#include "frame/desktopspeech.h"

#include <QLocale>
#include <QTextToSpeech>

namespace {

const QString serviceEngine = QStringLiteral("speechd");

// British English where the service offers it, else any English, else English as asked.
QLocale englishVoice(const QList<QLocale> &offered)
{
    const QLocale british(QLocale::English, QLocale::UnitedKingdom);
    if (offered.contains(british))
        return british;
    for (const QLocale &locale : offered)
        if (locale.language() == QLocale::English)
            return locale;
    return british;
}

} // namespace

DesktopSpeech::DesktopSpeech() = default;
DesktopSpeech::~DesktopSpeech() = default;

bool DesktopSpeech::available()
{
    if (!m_tried) {
        m_tried = true;
        if (QTextToSpeech::availableEngines().contains(serviceEngine)) {
            m_engine = std::make_unique<QTextToSpeech>(serviceEngine);
            // Only a service out of reach is fatal; the engine also reports an error when
            // the desktop's language has no voice, which the English voice set here mends.
            if (m_engine->errorReason() == QTextToSpeech::ErrorReason::Initialization)
                m_engine.reset();
            else
                m_engine->setLocale(englishVoice(m_engine->availableLocales()));
        }
    }
    return m_engine != nullptr;
}

void DesktopSpeech::say(const QString &text)
{
    if (!available())
        return;
    // The service would queue the text behind what it is saying; a new page must not wait.
    m_engine->stop();
    m_engine->say(text);
}

void DesktopSpeech::stop()
{
    if (m_engine)
        m_engine->stop();
}
