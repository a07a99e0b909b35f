#pragma once

#include "shell/GlobalState.h"

namespace pekuru {

// One attempt at a level, as the drill hands it over when it ends.
struct Attempt {
    Integer SeitoBangou = 0;
    Integer LevelNo = 0;
    Long KirokuTime = kNoTime;  // the seconds it took; kNoTime after a time-over
    bool JikanGire = false;     // ended by the time limit
};

// What recording an attempt found, for the finish screen's message and fanfares.
struct AttemptOutcome {
    Integer JikoBestFlag = 0;    // a new personal best
    Integer SaikouFlag = 0;      // a new best of all students
    Integer KiteiClearFlag = 0;  // the level was already cleared over all time before this attempt
};

}  // namespace pekuru
