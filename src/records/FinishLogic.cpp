#include "records/FinishLogic.h"

#include "records/Points.h"

#include <algorithm>
#include <cmath>

namespace pekuru {

DisplayPoints displayPoints(Long t, Long target, Single factor) {
    const double p = pointsBeforeFactor(t, target, TimeReading::Whole);
    DisplayPoints out;
    out.points = pointsWithFactor(p, 1);
    out.weighted = pointsWithFactor(p, factor);
    return out;
}

QString pointsLine(const DisplayPoints& p, Single factor) {
    return QStringLiteral("獲得ポイント：%1点×%2→%3点")
        .arg(p.points)
        .arg(QString::number(double(factor), 'g', 7))
        .arg(p.weighted);
}

QString resultLine(Long t) {
    if (t > 99997) return QStringLiteral("記録なし");
    return QStringLiteral("今の成績：%1秒").arg(t);
}

RecordMessage recordMessage(const LevelTable& g, const Attempt& attempt, const AttemptOutcome& outcome) {
    if (attempt.JikanGire) return {QStringLiteral("時間切れ"), RecordCue::None};
    if (outcome.JikoBestFlag == 1 && outcome.SaikouFlag != 1)
        return {QStringLiteral("新記録おめでとう"), RecordCue::PersonalBest};
    if (outcome.SaikouFlag == 1) return {QStringLiteral("！！！最高新記録！！！"), RecordCue::BestOfAll};
    if (attempt.KirokuTime <= g.SeigenTime[attempt.LevelNo]) return {QString(), RecordCue::Fail};
    return {};
}

bool levelCleared(const hensuu1& g, int level) { return levelCleared(g, g.SeitoBangou, level); }

bool levelCleared(const hensuu1& g, int s, int level) {
    return g.KikanPointA(s, level) >= g.HituyouKaisuu[level] &&
           g.KikanKaisuuA(s, level) >= g.HituyouKaisuu2[level];
}

bool anyLevelWithoutTarget(const LevelTable& g) {
    for (int l = 1; l <= kMaxLevelIndex; ++l)
        if (g.HituyouKaisuu2[l] == 9999) return true;
    return false;
}

bool periodGoalReached(const hensuu1& g, int level) {
    const int s = g.SeitoBangou;
    const double count = g.LevelValue6[level].toNumber().value_or(0);
    const double points = g.LevelValue7[level].toNumber().value_or(0);
    return (count != 0 && g.KikanKaisuuB(s, level) >= count) ||
           (points != 0 && g.KikanPointB(s, level) >= points);
}

}  // namespace pekuru
