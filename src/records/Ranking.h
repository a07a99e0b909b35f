#pragma once

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

#include "records/RecordFormat.h"
#include "shell/GlobalState.h"

namespace pekuru {

class Waiter;

// The texts of the records hub, apart from its widgets: the header, the level rows, the ranking
// lists and today's attempts lists.

constexpr int kTodaysRecordsRead = 1000;  // today's attempts are looked for in the newest records only

// The header, each text with the hub's label that shows it.
double titlePointSize(const QString& title);  // the title's size (Label11): 20 past 9 characters, else 24
QString studentText(const RosterTable& g);    // the grade and name (Label12): "小４ さとう　たろう"
QString classroomText(const hensuu1& g);  // the classroom and student number (Label13): "ひまわり教室:2"
int minutesSince(double secondsSinceMidnight, Long since);  // whole minutes, across midnight too
QString minutesText(int minutes);  // the minutes since the name was chosen (Label17): "起動後12分"
Integer todaysAttempts(const hensuu1& g,
                       int student);        // GoukeiKaisuu: today's counted attempts on all levels
QString todaysAttemptsText(Integer count);  // today's attempts on all levels (Label18): "本日総回数＝4回"

// Level rows: the start button's caption (Command4), the goal (Label7), the recent days' figures
// (Label8), today's (Label14) and all (Label15).
QString startCaption(int level);                                    // "ｽﾀｰﾄ(&2)"
QString goalText(const LevelTable& g, int level);                   // "目標=60秒 5回/100点(×1.5)"
QString periodText(const hensuu1& g, int student, int level);       // "最近7日=3回 / 33点"
QString todayFigures(const Statistics& g, int student, int level);  // "2回/22点" or "-----"
QString allFigures(const Statistics& g, int student, int level);    // "9回/99点" or "------"
// MaxLevelClear: the last level's period-A goal is reached (points and attempts).
Integer maxLevelClear(const hensuu1& g, int student);

// How a list line stands against its level's thresholds, shown as a colour and a mark (never by
// colour alone). Time lines: at or under the target time GoukakuTime, or over the limit SeigenTime
// (a time-over too). Points lines: the points threshold HituyouKaisuu reached, or half of it.
enum class LineMark { None, WithinGoal, OverLimit, GoalReached, HalfwayToGoal };
LineMark timeMark(const LevelTable& g, int level, Long time);
LineMark pointsMark(const LevelTable& g, int level, Long points);

// The order of a ranking list: ListMode 1 (best times), or ListMode 2 with PointOrder 1 or 2.
enum class RankingOrder { BestTime, AllPoints, TodayPoints };
std::optional<RankingOrder> rankingOrder(int listMode, int pointOrder);

// One roster row in ranked order, before the grade filter.
struct RankedStudent {
    int student = 0;
    int rank = 0;         // competition ranking: 1, 2, 2, 4
    bool hasTime = true;  // BestTime only: false when the student has no time on the level
};
// The roster rows shown by the name selection (BangouList 1..MeiboKazu), sorted with キー順並べ替え.
std::vector<RankedStudent> rankStudents(const hensuu1& g, int level, RankingOrder order);

// One line of a ranking list.
struct RankingLine {
    int student = 0;
    QString text;
    bool chosen = false;  // the chosen student's own line, the one to select
    LineMark mark = LineMark::None;
};
// The lines of a level's ranking list (List5): ranked, then narrowed by the grade filter, in
// fixed-width layout.
std::vector<RankingLine> rankingLines(const hensuu1& g, int level, RankingOrder order, const QString& filter);

// The newest `count` whole records of the shared result file, oldest first. A missing file is
// created empty; a folder that cannot be reached ends the program with the run-time error report.
// A read that another copy's append bars (Windows) waits through `waiter` and is read again.
std::vector<SeisekiRec> readNewestRecords(const QString& path, int count, Waiter& waiter);

// One line of today's attempts lists.
struct AttemptLine {
    int level = 0;
    QString text;
    bool chosen = false;
    LineMark mark = LineMark::None;
};
// Whether a record belongs in an attempts list of this screen: a student of the roster's range on a
// level that has a row here, on a date that is not negative.
bool listedRecord(const hensuu1& g, const SeisekiRec& r);
// The line of one attempt in today's layout, without the date: "  57秒 09:05●さとう　た●11".
QString attemptText(const hensuu1& g, const SeisekiRec& r);
// Today's attempts among `records` (file order kept) that pass the grade filter, for levels
// 1..LevelCount: "  57秒 09:05●さとう　た●11", or "　　× 09:05●さとう　た●" after a time-over.
std::vector<AttemptLine> todaysAttemptLines(const hensuu1& g, const std::vector<SeisekiRec>& records,
                                            QDate today, const QString& filter);

// Parts of the fixed-width layout, shared by both kinds of list.
QString listName(const QString& name);  // padded with full-width blanks and cut to 5 characters
QString gradeOrChosenMark(const hensuu1& g, int student);  // "●" for the chosen student, else the grade mark
QString clockText(double timeOfDay);                       // "09:05" from a time-of-day value

}  // namespace pekuru
