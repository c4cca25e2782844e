#include "app/ProcessStartClock.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <ctime>
#include <unistd.h>

qint64 ProcessStartClock::elapsedMilliseconds()
{
    // Field 22 of /proc/self/stat is the start time in clock ticks since boot;
    // the fields are counted after the command name, which may hold spaces.
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    const qsizetype nameEnd = line.lastIndexOf(')');
    if (nameEnd < 0)
        return -1;
    const QList<QByteArray> fields = line.mid(nameEnd + 2).split(' ');
    constexpr int startTimeAfterName = 22 - 3; // fields 1 and 2 precede the remainder
    if (fields.size() <= startTimeAfterName)
        return -1;
    bool ok = false;
    const qint64 startTicks = fields.at(startTimeAfterName).toLongLong(&ok);
    const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    timespec now {};
    if (!ok || ticksPerSecond <= 0 || clock_gettime(CLOCK_BOOTTIME, &now) != 0)
        return -1;
    const qint64 nowMs = qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
    return nowMs - startTicks * 1000 / ticksPerSecond;
}
