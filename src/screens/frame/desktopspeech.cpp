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

DesktopSpeech::~DesktopSpeech()
{
    if (!m_home)
        return;
    // A reading must not outlive the program.
    QMetaObject::invokeMethod(
        m_home,
        [this] {
            stopOnThread();
            delete m_home;
        },
        Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

bool DesktopSpeech::available()
{
    if (m_tried)
        return m_engine != nullptr;
    m_tried = true;
    if (!QTextToSpeech::availableEngines().contains(serviceEngine))
        return false;
    m_thread.setObjectName(QStringLiteral("speech"));
    m_thread.start();
    m_home = new QObject;
    m_home->moveToThread(&m_thread);
    QMetaObject::invokeMethod(
        m_home,
        [this] {
            auto *engine = new QTextToSpeech(serviceEngine, m_home);
            // Only a service out of reach is fatal; the engine also reports an error when
            // the desktop's language has no voice, which the English voice set here mends.
            if (engine->errorReason() == QTextToSpeech::ErrorReason::Initialization) {
                delete engine;
                return;
            }
            engine->setLocale(englishVoice(engine->availableLocales()));
            QObject::connect(engine, &QTextToSpeech::stateChanged, m_home,
                             [this](QTextToSpeech::State state) {
                                 if (state == QTextToSpeech::Speaking)
                                     m_asked = false;
                             });
            m_engine = engine;
        },
        Qt::BlockingQueuedConnection);
    return m_engine != nullptr;
}

void DesktopSpeech::say(const QString &text)
{
    if (!available())
        return;
    QMetaObject::invokeMethod(m_home, [this, text] {
        // The service would queue the text behind what it is saying; a new page must not
        // wait for the old one.
        stopOnThread();
        m_engine->say(text);
        m_asked = true;
        if (m_sent)
            m_sent();
    });
}

void DesktopSpeech::stop()
{
    if (m_engine)
        QMetaObject::invokeMethod(m_home, [this] { stopOnThread(); });
}

void DesktopSpeech::stopOnThread()
{
    // The service's stop silences every program that speaks through it, a screen reader
    // too, so it is sent only while a reading of ours may still be under way: asked for and
    // not yet begun, or begun and not yet over.
    if (m_engine && (m_asked || m_engine->state() == QTextToSpeech::Speaking ||
                     m_engine->state() == QTextToSpeech::Paused)) {
        m_engine->stop();
        m_asked = false;
    }
}
