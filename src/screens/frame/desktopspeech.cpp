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

void DesktopSpeech::start(std::function<void()> unreachable)
{
    if (m_home)
        return;
    if (!QTextToSpeech::availableEngines().contains(serviceEngine)) {
        unreachable();
        return;
    }
    m_thread.setObjectName(QStringLiteral("speech"));
    m_thread.start();
    m_home = new QObject;
    m_home->moveToThread(&m_thread);
    QMetaObject::invokeMethod(m_home, [this, unreachable = std::move(unreachable)] {
        connectOnThread();
        if (!m_engine)
            QMetaObject::invokeMethod(&m_callerSide, unreachable);
    });
}

void DesktopSpeech::connectOnThread()
{
    auto *engine = new QTextToSpeech(serviceEngine, m_home);
    // Only a service out of reach is fatal; the engine also reports an error when the
    // desktop's language has no voice, which the English voice set here mends.
    if (engine->errorReason() == QTextToSpeech::ErrorReason::Initialization) {
        delete engine;
        return;
    }
    engine->setLocale(englishVoice(engine->availableLocales()));
    QObject::connect(engine, &QTextToSpeech::stateChanged, m_home,
                     [this](QTextToSpeech::State state) {
                         if (state == QTextToSpeech::Speaking)
                             m_asked = false;
                         if (m_watch.saying)
                             m_watch.saying(state == QTextToSpeech::Speaking);
                     });
    m_engine = engine;
}

void DesktopSpeech::say(const QString &text)
{
    if (!m_home)
        return;
    QMetaObject::invokeMethod(m_home, [this, text] {
        if (!m_engine)
            return;
        // The engine cuts off the service's reading itself once that has begun; one asked
        // for and not yet begun is ours to cut, or the service would queue the new text
        // behind it. One cut, not two: each waits for the service's answer.
        if (m_watch.sending)
            m_watch.sending();
        if (m_engine->state() == QTextToSpeech::Ready)
            stopOnThread();
        m_engine->say(text);
        m_asked = true;
        if (m_watch.taken)
            m_watch.taken();
    });
}

void DesktopSpeech::stop()
{
    if (m_home)
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
