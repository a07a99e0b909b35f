#pragma once

namespace pekuru {

// The two times the start-up report gives (ShownReport): how long this process has run, in
// milliseconds (-1 where the host cannot tell), and the wall clock in milliseconds since 1970 UTC,
// both with fractions.
double millisecondsSinceProcessStart();
double wallClockMilliseconds();

}  // namespace pekuru
