#include "documents/Report.h"

#include "records/FinishLogic.h"
#include "records/Ranking.h"
#include "shell/Grades.h"

namespace pekuru {

namespace {

QString gradeText(const hensuu1& g, int student) {
    return gradeLabel(gradeIndex(g.Nendo, g.BangouUmare[student])).value_or(QString());
}

std::optional<Long> bestOf(const hensuu1& g, int student, int level) {
    const Long best = g.JikoBest(student, level);
    if (best >= kNoTime || best < 0) return std::nullopt;
    return best;
}

}  // namespace

StudentReport studentReport(const hensuu1& g, const std::vector<SeisekiRec>& records, int student,
                            QDate today) {
    StudentReport r;
    r.student = student;
    r.name = g.BangouNamae[student].trimmed();
    if (r.name.isEmpty() && student == g.SeitoBangou) r.name = g.SeitoNamae.trimmed();
    r.grade = gradeText(g, student);
    r.classroom = g.KyoutuuName;
    r.date = today;
    const DayRange weeks{today.addDays(1 - kReportChartDays), today};
    for (int l = 1; l <= g.LevelCount && l <= kMaxLevelIndex; ++l) {
        LevelReport lr;
        lr.level = l;
        lr.name = g.LevelName[l];
        lr.goal = goalText(g, l);
        lr.today = todayFigures(g, student, l);
        lr.period = periodText(g, student, l);
        lr.all = allFigures(g, student, l);
        lr.best = bestOf(g, student, l);
        if (lr.best) {
            for (const SeisekiRec& rec : records)
                if (rec.bangou == student && rec.level == l && rec.time == *lr.best && rec.hiduke >= 0) {
                    const QDate day = dateFromValue(rec.hiduke);
                    if (!lr.bestDay.isValid() || day < lr.bestDay) lr.bestDay = day;
                }
        }
        lr.cleared = levelCleared(g, student, l);
        lr.goalTime = g.GoukakuTime[l];
        lr.days = daySeries(g, records, student, l, weeks);
        r.levels.push_back(std::move(lr));
    }
    return r;
}

std::vector<RosterReportLine> rosterReport(const hensuu1& g) {
    std::vector<RosterReportLine> out;
    for (std::size_t row = 1; row < g.BangouList.size(); ++row) {
        const auto number = g.BangouList[row].toNumber();
        if (!number) continue;
        const int s = int(*number);
        if (s < 1 || s > kMaxStudent) continue;
        for (int l = 1; l <= g.LevelCount && l <= kMaxLevelIndex; ++l) {
            RosterReportLine line;
            line.student = s;
            line.name = g.BangouNamae[s].trimmed();
            line.grade = gradeText(g, s);
            line.level = l;
            line.attempts = g.RuikeiKaisuu(s, l);
            line.best = bestOf(g, s, l);
            line.points = g.RuikeiPoint(s, l);
            line.cleared = levelCleared(g, s, l);
            out.push_back(line);
        }
    }
    return out;
}

}  // namespace pekuru
