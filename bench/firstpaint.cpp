#include "firstpaint.h"
#include "resident.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace {

class FirstPaintProbe : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // Report once the paint has been handled, not before it.
            QTimer::singleShot(0, [] {
                timespec now{};
                clock_gettime(CLOCK_REALTIME, &now);
                const long long ns = now.tv_sec * 1000000000LL + now.tv_nsec;
                std::printf("paint %lld rss %ld\n", ns, residentKilobytes());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};

} // namespace

void reportFirstPaint(QWidget *widget)
{
    widget->installEventFilter(new FirstPaintProbe(widget));
}
