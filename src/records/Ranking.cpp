#include "records/Ranking.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/ProgramError.h"
#include "records/Points.h"
#include "records/ResultFile.h"
#include "records/Results.h"
#include "shell/Grades.h"

namespace pekuru {

namespace {

const QString kChosenMark = QStringLiteral("●");
const QChar kFullWidthBlank(0x3000);
constexpr int kNameWidth = 5;
constexpr Long kNoTimeRelevant = 90000;  // from here on a time is shown as time-over

// Single-precision values print with at most 7 significant digits: 1.5 stays "1.5", 1.1 is not
// "1.10000002384".
QString singleText(Single value) { return QString::number(double(value), 'g', 7); }

QString trimBlanksRight(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' ')) --end;
    return text.left(end);
}

QString trimBlanks(const QString& text) {
    const QString right = trimBlanksRight(text);
    qsizetype start = 0;
    while (start < right.size() && right.at(start) == QLatin1Char(' ')) ++start;
    return right.mid(start);
}

// Numbers are right-aligned in their width but never cut: a cut number would show a wrong figure.
QString rightAligned(const QString& text, int width) { return text.rightJustified(width, QLatin1Char(' ')); }
QString rightAligned(Long value, int width) { return rightAligned(QString::number(value), width); }

int studentAt(const hensuu1& g, int row) {
    const auto n = g.BangouList[std::size_t(row)].toNumber();
    return n ? int(*n) : 0;
}

int gradeOf(const hensuu1& g, int student) { return gradeIndex(g.Nendo, g.BangouUmare[student]); }

// Ascending keys that order the rows by `primary` descending, then `secondary` descending. The
// keys 1000000 − primary × 1000 − secondary do the same while secondary stays below 1000 and the
// product fits 32 bits; beyond that they would mix the two figures up (1000 points today would
// count as one more point in all). Numbering the distinct pairs in that order keeps every key
// comparison, and so キー順並べ替え's placing of equal keys, while the figures may be any size.
std::vector<Long> pairKeys(const std::vector<std::pair<Long, Long>>& pairs) {
    const auto before = [](const std::pair<Long, Long>& a, const std::pair<Long, Long>& b) {
        return a.first != b.first ? a.first > b.first : a.second > b.second;
    };
    std::vector<std::pair<Long, Long>> distinct(pairs.begin() + 1, pairs.end());
    std::sort(distinct.begin(), distinct.end(), before);
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    std::vector<Long> keys(pairs.size(), 0);
    for (std::size_t r = 1; r < pairs.size(); ++r)
        keys[r] =
            Long(std::lower_bound(distinct.begin(), distinct.end(), pairs[r], before) - distinct.begin()) + 1;
    return keys;
}

}  // namespace

double titlePointSize(const QString& title) { return title.size() > 9 ? 20 : 24; }

QString studentText(const RosterTable& g) {
    return g.SeitoGakunen + QLatin1Char(' ') + g.SeitoNamae.trimmed();
}

QString classroomText(const hensuu1& g) {
    return g.KyoutuuName + QLatin1Char(':') + QString::number(g.SeitoBangou);
}

int minutesSince(double secondsSinceMidnight, Long since) {
    double d = std::floor(secondsSinceMidnight) - double(since);
    if (d < 0) d += 86400;  // the name was chosen before midnight
    return int(d) / 60;
}

QString minutesText(int minutes) { return QStringLiteral("起動後%1分").arg(minutes); }

Integer todaysAttempts(const hensuu1& g, int student) {
    double sum = 0;
    for (int l = 1; l <= kMaxLevelIndex; ++l) sum += double(g.HonjituKaisuu(student, l));
    return Integer(std::clamp(std::nearbyint(sum), 0.0, 32767.0));
}

QString todaysAttemptsText(Integer count) { return QStringLiteral("本日総回数＝%1回").arg(count); }

QString startCaption(int level) { return QStringLiteral("ｽﾀｰﾄ(&%1)").arg(level); }

QString goalText(const LevelTable& g, int level) {
    const QString target = QStringLiteral("目標=%1秒").arg(g.GoukakuTime[level]);
    if (g.HituyouKaisuu[level] == 9999) return target + QStringLiteral(" --------");
    return target + QStringLiteral(" %1回/%2点(×%3)")
                        .arg(g.HituyouKaisuu2[level])
                        .arg(g.HituyouKaisuu[level])
                        .arg(singleText(g.LevelPoint[level]));
}

QString periodText(const hensuu1& g, int student, int level) {
    return QStringLiteral("最近%1日=%2回 / %3点")
        .arg(g.LevelValue8[level].toText())
        .arg(g.KikanKaisuuA(student, level))
        .arg(g.KikanPointA(student, level));
}

QString todayFigures(const Statistics& g, int student, int level) {
    const Single count = g.HonjituKaisuu(student, level);
    if (count == 0) return QStringLiteral("-----");
    return QStringLiteral("%1回/%2点").arg(singleText(count)).arg(g.HonjituPoint(student, level));
}

QString allFigures(const Statistics& g, int student, int level) {
    if (g.RuikeiKaisuu(student, level) == 0) return QStringLiteral("------");
    return QStringLiteral("%1回/%2点").arg(g.RuikeiKaisuu(student, level)).arg(g.RuikeiPoint(student, level));
}

Integer maxLevelClear(const hensuu1& g, int student) {
    const int last = g.MaxLevel;
    return (g.KikanPointA(student, last) >= g.HituyouKaisuu[last] &&
            g.KikanKaisuuA(student, last) >= g.HituyouKaisuu2[last])
               ? 1
               : 0;
}

LineMark timeMark(const LevelTable& g, int level, Long time) {
    if (time <= g.GoukakuTime[level]) return LineMark::WithinGoal;
    if (time > g.SeigenTime[level]) return LineMark::OverLimit;
    return LineMark::None;
}

LineMark pointsMark(const LevelTable& g, int level, Long points) {
    const Long goal = g.HituyouKaisuu[level];
    if (goal <= 0 || goal == 9999) return LineMark::None;  // 9999: the level sets no points goal
    if (points >= goal) return LineMark::GoalReached;
    // Half of an odd goal is not a whole number: 15 of 31 is not half yet, 16 is.
    if (2 * std::int64_t(points) >= std::int64_t(goal)) return LineMark::HalfwayToGoal;
    return LineMark::None;
}

std::optional<RankingOrder> rankingOrder(int listMode, int pointOrder) {
    if (listMode == 1) return RankingOrder::BestTime;
    if (listMode == 2 && pointOrder == 1) return RankingOrder::AllPoints;
    if (listMode == 2 && pointOrder == 2) return RankingOrder::TodayPoints;
    return std::nullopt;
}

std::vector<RankedStudent> rankStudents(const hensuu1& g, int level, RankingOrder order) {
    const int n = std::clamp(int(g.MeiboKazu), 0, int(g.BangouList.size()) - 1);
    if (n <= 0) return {};
    std::vector<int> students(std::size_t(n) + 1, 0);
    for (int r = 1; r <= n; ++r) students[std::size_t(r)] = studentAt(g, r);

    std::vector<Long> keys(std::size_t(n) + 1, 0);
    if (order == RankingOrder::BestTime) {
        for (int r = 1; r <= n; ++r) keys[std::size_t(r)] = g.JikoBest(students[std::size_t(r)], level);
    } else {
        std::vector<std::pair<Long, Long>> pairs(std::size_t(n) + 1);
        for (int r = 1; r <= n; ++r) {
            const int s = students[std::size_t(r)];
            const Long all = g.RuikeiPoint(s, level), today = g.HonjituPoint(s, level);
            pairs[std::size_t(r)] =
                order == RankingOrder::AllPoints ? std::pair(all, today) : std::pair(today, all);
        }
        keys = pairKeys(pairs);
    }
    キー順並べ替え(n, keys, students);

    const auto compared = [&](int r) -> Long {
        const int s = students[std::size_t(r)];
        switch (order) {
            case RankingOrder::BestTime:
                return keys[std::size_t(r)];
            case RankingOrder::AllPoints:
                return g.RuikeiPoint(s, level);
            case RankingOrder::TodayPoints:
                return g.HonjituPoint(s, level);
        }
        return 0;
    };
    std::vector<RankedStudent> ranked;
    ranked.reserve(std::size_t(n));
    for (int r = 1; r <= n; ++r) {
        RankedStudent row;
        row.student = students[std::size_t(r)];
        row.rank = (r > 1 && compared(r) == compared(r - 1)) ? ranked.back().rank : r;
        row.hasTime = order != RankingOrder::BestTime || keys[std::size_t(r)] < kNoTime;
        ranked.push_back(row);
    }
    return ranked;
}

std::vector<RankingLine> rankingLines(const hensuu1& g, int level, RankingOrder order,
                                      const QString& filter) {
    std::vector<RankingLine> lines;
    for (const RankedStudent& row : rankStudents(g, level, order)) {
        const int s = row.student;
        if (!GakunenFilterMatch(filter, gradeOf(g, s))) continue;
        RankingLine line;
        line.student = s;
        line.chosen = s == g.SeitoBangou;
        const QString rank = row.hasTime ? rightAligned(row.rank, 2) : QStringLiteral("--");
        line.text = rank + gradeOrChosenMark(g, s) + listName(trimBlanksRight(g.BangouNamae[s]));
        if (order == RankingOrder::BestTime) {
            if (row.hasTime) line.mark = timeMark(g, level, g.JikoBest(s, level));
            line.text += (row.hasTime ? rightAligned(g.JikoBest(s, level), 6) : QStringLiteral("------")) +
                         QLatin1Char(' ') + (line.chosen ? kChosenMark : QString(kFullWidthBlank));
        } else {
            line.mark = pointsMark(g, level, g.RuikeiPoint(s, level));
            line.text += rightAligned(g.HonjituPoint(s, level), 3) + QLatin1Char('/') +
                         rightAligned(g.RuikeiPoint(s, level), 5);
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<SeisekiRec> readNewestRecords(const QString& path, int count, Waiter& waiter) {
    const ResultFile::Reading r = ResultFile(path, kSeisekiRecLength).newest(count, waiter);
    if (!r.ok() && r.failedAt == ResultFile::Step::Open)
        throw ProgramError(
            ProgramError::PathFileAccess,
            QStringLiteral("成績ファイル『%1』を開けません: %2 (%3)").arg(path, r.error).arg(r.errorNumber));
    if (!r.ok())
        throw ProgramError(ProgramError::DeviceIo,
                           QStringLiteral("成績ファイル『%1』を読み切れません: %2 (%3)。"
                                          "新しい記録 %4 件 (%5 バイト) を読むはずでした。")
                               .arg(path, r.error)
                               .arg(r.errorNumber)
                               .arg(r.records)
                               .arg(r.records * kSeisekiRecLength));
    std::vector<SeisekiRec> records;
    records.reserve(std::size_t(r.records));
    for (qsizetype at = 0; at + kSeisekiRecLength <= r.bytes.size(); at += kSeisekiRecLength)
        records.push_back(decodeSeisekiRec(r.bytes.constData() + at));
    return records;
}

bool listedRecord(const hensuu1& g, const SeisekiRec& r) {
    // A level without a row on this screen, or a number outside the roster's range, has no list
    // to go into.
    return !skippedByTheProgram(r.hiduke, r.bangou, r.level) && r.bangou >= 1 && r.bangou <= kMaxStudent &&
           r.level >= 1 && r.level <= g.LevelCount;
}

QString attemptText(const hensuu1& g, const SeisekiRec& r) {
    const int s = r.bangou, level = r.level;
    const QString mark = gradeOrChosenMark(g, s);
    const QString who = mark + listName(trimBlanks(g.BangouNamae[s])) + mark;
    if (r.time < kNoTimeRelevant)
        return rightAligned(QStringLiteral("%1秒").arg(r.time), 5) + QLatin1Char(' ') + clockText(r.jikoku) +
               who +
               QString::number(pointsWithFactor(
                   pointsBeforeFactor(r.time, g.GoukakuTime[level], TimeReading::FirstThreeCharacters), 1,
                   level));
    return QStringLiteral("　　× ") + clockText(r.jikoku) + who;
}

std::vector<AttemptLine> todaysAttemptLines(const hensuu1& g, const std::vector<SeisekiRec>& records,
                                            QDate today, const QString& filter) {
    const double todayValue = dateValue(today);
    std::vector<AttemptLine> lines;
    for (const SeisekiRec& r : records) {
        if (!listedRecord(g, r)) continue;
        if (!(std::floor(r.hiduke) == todayValue)) continue;
        if (!GakunenFilterMatch(filter, gradeOf(g, r.bangou))) continue;
        AttemptLine line;
        line.level = r.level;
        line.chosen = r.bangou == g.SeitoBangou;
        line.text = attemptText(g, r);
        line.mark = timeMark(g, r.level, r.time);
        lines.push_back(std::move(line));
    }
    return lines;
}

QString listName(const QString& name) { return name.leftJustified(kNameWidth, kFullWidthBlank, true); }

QString gradeOrChosenMark(const hensuu1& g, int student) {
    if (student == g.SeitoBangou) return kChosenMark;
    return GakunenMark(Variant::number(gradeOf(g, student)));
}

QString clockText(double timeOfDay) {
    const double day = std::isfinite(timeOfDay) ? timeOfDay - std::floor(timeOfDay) : 0;
    const int seconds = std::min(int(std::lround(day * 86400.0)), 86399);
    return QStringLiteral("%1:%2")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace pekuru
