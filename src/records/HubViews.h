#pragma once

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

#include "records/Ranking.h"
#include "records/RecordFormat.h"
#include "shell/GlobalState.h"

namespace pekuru {

// The hub's further views, apart from their widgets: every attempt of the loaded range, one
// student's attempts per level, and that student's figures day by day for the chart.

// These views read the same newest records that the statistics are computed from, so that what
// they list agrees with the counts and points beside them.
constexpr int kViewRecordsRead = kMaxRecordSlots;

// "全成績": every attempt among `records` (file order kept) that passes the grade filter, for levels
// 1..LevelCount, in today's layout after the date: "05/10   57秒 09:05●さとう　た●11".
std::vector<AttemptLine> allAttemptLines(const hensuu1& g, const std::vector<SeisekiRec>& records,
                                         const QString& filter);

// "個人別": the attempts of one student per level, in file order: "05/10 09:05   57秒  11点", the
// first attempt of the student's best time on the level marked "★".
std::vector<AttemptLine> studentAttemptLines(const hensuu1& g, const std::vector<SeisekiRec>& records,
                                             int student);

// One day of the chart: the best time of the day (none when every attempt ended by time-over or
// there was none) and the points of all the day's attempts together.
struct DayFigures {
    QDate day;
    std::optional<Long> bestTime;
    Long points = 0;
    int attempts = 0;
};
struct DayRange {
    QDate first, last;
};
// The days the chart shows for a student and level: up to `maxDays` days ending today, or ending
// on the student's last day of attempts when none falls into those days; none without attempts.
std::optional<DayRange> chartDays(const std::vector<SeisekiRec>& records, int student, int level, QDate today,
                                  int maxDays);
// Every day of `range`, days without attempts included (as gaps in the line).
std::vector<DayFigures> daySeries(const hensuu1& g, const std::vector<SeisekiRec>& records, int student,
                                  int level, DayRange range);

}  // namespace pekuru
