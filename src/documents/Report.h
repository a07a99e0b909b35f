#pragma once

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

#include "records/HubViews.h"
#include "records/RecordFormat.h"
#include "shell/GlobalState.h"

namespace pekuru {

// What the progress report to take home shows. Every figure is the hub's own: the statistics of
// the newest records (after 回数求) and, for the best's day and the chart, those same records.

constexpr int kReportChartDays = 28;  // the chart covers the last four weeks

struct LevelReport {
    int level = 0;
    QString name;
    QString goal;              // "目標=60秒 5回/100点(×1.5)"
    QString today;             // "2回/22点" or "-----"
    QString period;            // "最近7日=3回 / 33点"
    QString all;               // "9回/99点" or "------"
    std::optional<Long> best;  // the personal best, none before a first finished attempt
    QDate bestDay;             // the first day it was made (among the records read)
    bool cleared = false;      // the level's goal is met (the finish screen's rule)
    Long goalTime = 0;
    std::vector<DayFigures> days;  // the last four weeks, today last
};

struct StudentReport {
    int student = 0;
    QString name;       // without the padding blanks
    QString grade;      // "小３", or empty for a grown-up
    QString classroom;  // the common display text
    QDate date;
    std::vector<LevelReport> levels;
};

// The report of one student on levels 1..LevelCount.
StudentReport studentReport(const hensuu1& g, const std::vector<SeisekiRec>& records, int student,
                            QDate today);

// One line of the whole roster's page: a student on a level.
struct RosterReportLine {
    int student = 0;
    QString name;
    QString grade;
    int level = 0;
    int attempts = 0;          // counted attempts of all time
    std::optional<Long> best;  // personal best
    Long points = 0;           // points of all time
    bool cleared = false;
};
// Every listed student of the roster (in roster order) on every level.
std::vector<RosterReportLine> rosterReport(const hensuu1& g);

}  // namespace pekuru
