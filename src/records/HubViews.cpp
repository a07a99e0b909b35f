#include "records/HubViews.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "records/Points.h"
#include "records/Results.h"
#include "shell/Grades.h"

namespace pekuru {

namespace {

constexpr Long kTimeOverFrom = 90000;  // the lists show times from here on as time-over

QString dayText(double dateValue) {
    const QDate d = dateFromValue(dateValue);
    return d.isValid() ? d.toString(QStringLiteral("MM/dd")) : QStringLiteral("--/--");
}

bool ofStudentAndLevel(const SeisekiRec& r, int student, int level) {
    return r.bangou == student && r.level == level && r.hiduke >= 0;
}

}  // namespace

std::vector<AttemptLine> allAttemptLines(const hensuu1& g, const std::vector<SeisekiRec>& records,
                                         const QString& filter) {
    std::vector<AttemptLine> lines;
    for (const SeisekiRec& r : records) {
        if (!listedRecord(g, r)) continue;
        if (!GakunenFilterMatch(filter, gradeIndex(g.Nendo, g.BangouUmare[r.bangou]))) continue;
        AttemptLine line;
        line.level = r.level;
        line.chosen = r.bangou == g.SeitoBangou;
        line.text = dayText(r.hiduke) + QLatin1Char(' ') + attemptText(g, r);
        line.mark = timeMark(g, r.level, r.time);
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<AttemptLine> studentAttemptLines(const hensuu1& g, const std::vector<SeisekiRec>& records,
                                             int student) {
    // The best time per level over these records, to mark its first attempt.
    std::vector<Long> best(std::size_t(kMaxLevelIndex) + 1, kTimeOverFrom);
    for (const SeisekiRec& r : records)
        if (listedRecord(g, r) && r.bangou == student)
            best[std::size_t(r.level)] = std::min(best[std::size_t(r.level)], Long(r.time));
    std::vector<bool> bestMarked(std::size_t(kMaxLevelIndex) + 1, false);

    std::vector<AttemptLine> lines;
    for (const SeisekiRec& r : records) {
        if (!listedRecord(g, r) || r.bangou != student) continue;
        const std::size_t l = std::size_t(r.level);
        AttemptLine line;
        line.level = r.level;
        line.chosen = true;
        line.mark = timeMark(g, r.level, r.time);
        const QString time = r.time < kTimeOverFrom
                                 ? QStringLiteral("%1秒").arg(r.time).rightJustified(5, QLatin1Char(' '))
                                 : QStringLiteral("　　×");
        line.text = dayText(r.hiduke) + QLatin1Char(' ') + clockText(r.jikoku) + QLatin1Char(' ') + time +
                    QStringLiteral("%1点").arg(statisticsPoints(g, r.time, r.level), 4);
        if (r.time == best[l] && !bestMarked[l]) {
            bestMarked[l] = true;
            line.text += QStringLiteral(" ★");
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::optional<DayRange> chartDays(const std::vector<SeisekiRec>& records, int student, int level, QDate today,
                                  int maxDays) {
    if (maxDays < 1) return std::nullopt;
    const QDate windowStart = today.addDays(-(maxDays - 1));
    QDate lastBefore;  // the last day of attempts before the window
    bool inWindow = false;
    for (const SeisekiRec& r : records) {
        if (!ofStudentAndLevel(r, student, level)) continue;
        const QDate d = dateFromValue(r.hiduke);
        if (!d.isValid()) continue;
        if (d >= windowStart && d <= today)
            inWindow = true;
        else if (d < windowStart && (!lastBefore.isValid() || d > lastBefore))
            lastBefore = d;
    }
    if (inWindow) return DayRange{windowStart, today};
    if (lastBefore.isValid()) return DayRange{lastBefore.addDays(-(maxDays - 1)), lastBefore};
    return std::nullopt;
}

std::vector<DayFigures> daySeries(const hensuu1& g, const std::vector<SeisekiRec>& records, int student,
                                  int level, DayRange range) {
    const qint64 n = range.first.daysTo(range.last) + 1;
    if (n <= 0) return {};
    std::vector<DayFigures> days(static_cast<std::size_t>(n));
    for (qint64 i = 0; i < n; ++i) days[std::size_t(i)].day = range.first.addDays(i);
    for (const SeisekiRec& r : records) {
        if (!ofStudentAndLevel(r, student, level)) continue;
        const QDate d = dateFromValue(r.hiduke);
        if (!d.isValid() || d < range.first || d > range.last) continue;
        DayFigures& day = days[std::size_t(range.first.daysTo(d))];
        ++day.attempts;
        // Summed in 64 bits and held at the 32-bit top: a table with an absurd factor must not wrap.
        day.points = Long(std::min<std::int64_t>(
            std::int64_t(day.points) + statisticsPoints(g, r.time, level), std::numeric_limits<Long>::max()));
        if (r.time < kTimeOverFrom && (!day.bestTime || r.time < *day.bestTime)) day.bestTime = r.time;
    }
    return days;
}

}  // namespace pekuru
