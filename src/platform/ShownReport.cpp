#include "platform/ShownReport.h"

#include <unistd.h>
#include <QEvent>
#include <QFile>
#include <QWindow>
#include <cstdio>
#include <ctime>

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

enum class Wanted { Unknown, No, Yes, Done };
Wanted wanted = Wanted::Unknown;

}  // namespace

void reportFirstShown(QObject* receiver, QEvent* event) {
    if (wanted == Wanted::No || wanted == Wanted::Done) return;
    if (wanted == Wanted::Unknown)
        wanted = qEnvironmentVariableIntValue("PEKURU_REPORT_SHOWN") == 1 ? Wanted::Yes : Wanted::No;
    if (wanted != Wanted::Yes || event->type() != QEvent::Expose || !receiver->isWindowType()) return;
    auto* window = static_cast<QWindow*>(receiver);
    if (!window->isTopLevel() || !window->isExposed()) return;
    wanted = Wanted::Done;
    const double start = processStartMs();
    const double sinceStart = start < 0 ? -1 : clockMs(CLOCK_BOOTTIME) - start;
    std::fprintf(stderr, "PEKURU_SHOWN %.1f %.3f\n", sinceStart, clockMs(CLOCK_REALTIME));
    std::fflush(stderr);
}

}  // namespace pekuru
