#include <windows.h>

#include <cstdint>

#include "platform/ProcessClock.h"

namespace pekuru {

namespace {

// FILETIME counts 100-nanosecond steps since 1 January 1601 (UTC).
std::uint64_t steps(FILETIME t) { return (std::uint64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime; }
constexpr std::uint64_t kStepsFrom1601To1970 = 116444736000000000ull;
constexpr double kStepsPerMs = 10000.0;

std::uint64_t now() {
    FILETIME t{};
    GetSystemTimePreciseAsFileTime(&t);
    return steps(t);
}

}  // namespace

double millisecondsSinceProcessStart() {
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return -1;
    return double(now() - steps(created)) / kStepsPerMs;
}

double wallClockMilliseconds() { return double(now() - kStepsFrom1601To1970) / kStepsPerMs; }

}  // namespace pekuru
