#include <unistd.h>

#include <QFile>
#include <QList>
#include <ctime>

#include "platform/ProcessClock.h"

namespace pekuru {

namespace {

double clockMs(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1e6;
}

// The process's start in milliseconds of the boot-time clock (field 22 of /proc/self/stat, in
// clock ticks), or -1 where there is no /proc.
double processStartMs() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly)) return -1;
    const QByteArray line = stat.readAll();
    // The command name in parentheses may hold blanks; the fields after it are plain numbers.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 20) return -1;
    return fields[19].toDouble() * 1000.0 / double(sysconf(_SC_CLK_TCK));
}

}  // namespace

double millisecondsSinceProcessStart() {
    const double start = processStartMs();
    return start < 0 ? -1 : clockMs(CLOCK_BOOTTIME) - start;
}

double wallClockMilliseconds() { return clockMs(CLOCK_REALTIME); }

}  // namespace pekuru
