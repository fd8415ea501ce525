#include "frame/readaloud.h"

#include "desktop/speech.h"
#include "frame/dialogs.h"

#include <utility>

ReadAloud::ReadAloud(Speech *speech, Dialogs &dialogs) : m_speech(speech), m_dialogs(dialogs) {}

bool ReadAloud::turnOn(std::function<void()> silenced)
{
    if (m_unreachable)
        return false;
    m_on = true;
    m_silenced = std::move(silenced);
    if (!m_speech)
        cannotSpeak();
    else if (!m_started) {
        m_started = true;
        m_speech->start([this] { cannotSpeak(); });
    }
    return m_on;
}

void ReadAloud::cannotSpeak()
{
    m_unreachable = true;
    m_on = false;
    m_owner = nullptr;
    if (const auto silenced = std::exchange(m_silenced, {}))
        silenced();
    m_dialogs.inform(QStringLiteral("Reading aloud needs the speech service; ask your "
                                    "technician to install speech-dispatcher."));
}

void ReadAloud::turnOff()
{
    if (m_on && m_owner)
        m_speech->stop();
    m_on = false;
    m_owner = nullptr;
    m_silenced = {};
}

void ReadAloud::read(const QObject *owner, const QString &text)
{
    if (!m_on || text.isEmpty())
        return;
    m_owner = owner;
    m_speech->say(text);
}

void ReadAloud::stopFor(const QObject *owner)
{
    if (!m_on || !owner || owner != m_owner)
        return;
    m_owner = nullptr;
    m_speech->stop();
}
