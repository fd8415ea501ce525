#include "frame/readaloud.h"

#include "desktop/speech.h"
#include "frame/dialogs.h"

ReadAloud::ReadAloud(Speech *speech, Dialogs &dialogs) : m_speech(speech), m_dialogs(dialogs) {}

bool ReadAloud::turnOn()
{
    if (m_on)
        return true;
    if (!m_speech || !m_speech->available()) {
        if (!m_toldUnavailable) {
            m_toldUnavailable = true;
            m_dialogs.inform(QStringLiteral("Reading aloud needs the speech service; ask your "
                                            "technician to install speech-dispatcher."));
        }
        return false;
    }
    m_on = true;
    return true;
}

void ReadAloud::turnOff()
{
    if (m_on && m_owner)
        m_speech->stop();
    m_on = false;
    m_owner = nullptr;
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
