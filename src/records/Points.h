#pragma once

#include "shell/GlobalState.h"

namespace pekuru {

// The points of one attempt, the one formula of the program. Against the level's target time G:
// 5 to 55 for a time within it (the faster, the more: Int(((G − t) / G)³ × 50 + 5)), 4 below twice
// the target, 1 below ten times, 0 from there on and for a time-over (99998 and up); then times the
// level's factor, rounded down.
//
// The statistics and the finish screen read the time t into that formula differently, and each
// keeps its reading: the statistics take the value of its first three decimal characters ("1234"
// counts as 123), the finish screen the time itself.
enum class TimeReading { FirstThreeCharacters, Whole };

// The points before the factor.
double pointsBeforeFactor(Long t, Long target, TimeReading reading);

// The points with the factor, rounded down. One rule for a sum past the 32-bit range, wherever
// points are worked out: a run-time error that names the level table's value to check (`level`,
// 0 when the caller has none to name).
Long pointsWithFactor(double before, Single factor, int level = 0);

// The statistics' points of an attempt (counts, sums, the hub's lists, the CSV export).
Long statisticsPoints(const LevelTable& g, Long t, int level);

// The value of the first three characters of t's decimal text ("1234" counts as 123, "-123" as
// -12), worked out on the digits: the reload runs it for every record.
double firstThreeCharacters(Long t);

}  // namespace pekuru
