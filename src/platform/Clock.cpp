#include "platform/Clock.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QTime>

namespace pekuru {

double SystemClock::secondsSinceMidnight() const {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

QDate SystemClock::today() const { return QDate::currentDate(); }

std::uint32_t SystemClock::tickCount() const {
    // Milliseconds of the monotonic clock, modulo 2^32 like the host's 32-bit tick counter.
    QElapsedTimer t;
    t.start();
    return std::uint32_t(t.msecsSinceReference());
}

}  // namespace pekuru
