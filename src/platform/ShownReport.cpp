#include "platform/ShownReport.h"

#include <QEvent>
#include <QWindow>
#include <cstdio>

#include "platform/ProcessClock.h"

namespace pekuru {

namespace {

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
    std::fprintf(stderr, "PEKURU_SHOWN %.1f %.3f\n", millisecondsSinceProcessStart(),
                 wallClockMilliseconds());
    std::fflush(stderr);
}

}  // namespace pekuru
