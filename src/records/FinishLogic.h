#pragma once

#include <QString>

#include "shell/Attempt.h"
#include "shell/GlobalState.h"

namespace pekuru {

// The points shown on the finish screen: the attempt's time itself against the target (not its
// first three digits, as the statistics take it), then weighted by the level's factor.
struct DisplayPoints {
    Long points = 0;    // p
    Long weighted = 0;  // q = Int(p × LevelPoint)
};
DisplayPoints displayPoints(Long t, Long target, Single factor);

// "獲得ポイント：11点×1.5→16点"
QString pointsLine(const DisplayPoints& p, Single factor);
// "今の成績：57秒", or "記録なし" after a time-over.
QString resultLine(Long t);

// Which message and fanfare an attempt earns: the first that holds.
enum class RecordCue { None, PersonalBest, BestOfAll, Fail };
struct RecordMessage {
    QString text;  // empty: the message stays hidden
    RecordCue cue = RecordCue::None;
};
RecordMessage recordMessage(const LevelTable& g, const Attempt& attempt, const AttemptOutcome& outcome);

// The level is cleared on the figures of period A (this attempt included).
bool levelCleared(const hensuu1& g, int level);
bool levelCleared(const hensuu1& g, int student, int level);
// Some level of the table has the special count threshold 9999.
bool anyLevelWithoutTarget(const LevelTable& g);
// The period-B goal of the level: enough attempts or enough points in period B.
bool periodGoalReached(const hensuu1& g, int level);

}  // namespace pekuru
