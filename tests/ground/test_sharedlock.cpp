#include "files/sharedlock.h"
#include "testfiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QtTest>

#include <atomic>
#include <thread>

namespace {

const QString guarded = QStringLiteral("track.txt");
const QString lock = SharedLock::lockPath(guarded);

// Short times, so that a test can wait out a stale lock.
SharedLockTiming quick(int waitMs = 5000)
{
    return SharedLockTiming{waitMs, 100, 400, 20};
}

// Another copy holds the lock for holdMs on a thread of its own, then releases it.
class OtherCopy
{
public:
    explicit OtherCopy(int holdMs)
        : m_thread([this, holdMs] {
              SharedLock lock(guarded, quick());
              m_held = lock.acquire() == SharedLock::Outcome::Held;
              m_ready = true;
              QThread::msleep(holdMs);
          })
    {
        while (!m_ready)
            QThread::msleep(1);
    }
    ~OtherCopy() { m_thread.join(); }
    bool held() const { return m_held; }

private:
    std::atomic<bool> m_ready{false};
    std::atomic<bool> m_held{false};
    std::thread m_thread;
};

QStringList leftOver()
{
    return QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

} // namespace

class SharedLockTest final : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.renew()); }

    void staleLockIsTakenOverAfterTheStaleTime_data()
    {
        QTest::addColumn<bool>("oldLockFile");
        QTest::newRow("hold of a copy that died") << false;
        QTest::newRow("lock file of an older version") << true;
    }

    void staleLockIsTakenOverAfterTheStaleTime()
    {
        QFETCH(bool, oldLockFile);
        QVERIFY(oldLockFile ? writeBytes(lock, "12345\nzorvanel\n")
                            : QDir().mkpath(lock + "/5eed"));
        QElapsedTimer timer;
        timer.start();
        {
            SharedLock taker(guarded, quick());
            QCOMPARE(taker.acquire(), SharedLock::Outcome::Held);
            QVERIFY2(timer.elapsed() >= quick().staleMs,
                     qPrintable(QString::number(timer.elapsed())));
        }
        QCOMPARE(leftOver(), QStringList());
    }

    void twoCopiesJudgingOneHoldStaleTakeTurns()
    {
        QVERIFY(QDir().mkpath(lock + "/5eed"));
        std::atomic<int> inside{0};
        std::atomic<int> overlaps{0};
        std::atomic<int> turns{0};
        const auto copy = [&] {
            for (int round = 0; round < 3; ++round) {
                SharedLock lock(guarded, quick());
                if (lock.acquire() != SharedLock::Outcome::Held)
                    return;
                overlaps += inside++ > 0;
                QThread::msleep(30);
                --inside;
                ++turns;
            }
        };
        std::thread first(copy), second(copy);
        first.join();
        second.join();
        QCOMPARE(overlaps.load(), 0);
        QCOMPARE(turns.load(), 6);
        QCOMPARE(leftOver(), QStringList());
    }

    void liveOwnerIsWaitedForAndBusyAfterTheWait()
    {
        const int holdMs = quick().staleMs * 3 / 4;
        QElapsedTimer timer;
        timer.start();
        {
            OtherCopy owner(holdMs);
            QVERIFY(owner.held());
            SharedLock impatient(guarded, quick(holdMs / 3));
            QCOMPARE(impatient.acquire(), SharedLock::Outcome::Busy);
            SharedLock patient(guarded, quick());
            QCOMPARE(patient.acquire(), SharedLock::Outcome::Held);
            QVERIFY2(timer.elapsed() >= holdMs, "a live lock was taken over");
        }
        QCOMPARE(leftOver(), QStringList());
    }

    void folderThatTakesNothingIsReported()
    {
        SharedLock lock(QStringLiteral("missing/track.txt"), quick());
        QCOMPARE(lock.acquire(), SharedLock::Outcome::Unwritable);
        QCOMPARE(leftOver(), QStringList());
    }

private:
    WorkingFolder m_dir;
};

int runSharedLockTest(int argc, char **argv)
{
    SharedLockTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_sharedlock.moc"
