#include "resident.h"

#include <QByteArray>
#include <QFile>

namespace {
long statusKilobytes(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').value(0).toLong();
    return -1;
}
} // namespace

long residentKilobytes()
{
    return statusKilobytes("VmRSS:");
}

long peakResidentKilobytes()
{
    return statusKilobytes("VmHWM:");
}

void resetPeakResident()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}
