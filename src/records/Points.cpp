#include "records/Points.h"

#include <QString>
#include <cmath>
#include <limits>

#include "platform/ProgramError.h"

namespace pekuru {

double firstThreeCharacters(Long t) {
    const bool negative = t < 0;
    std::int64_t digits = negative ? -std::int64_t(t) : std::int64_t(t);
    const std::int64_t below = negative ? 100 : 1000;  // the minus sign is one of the three
    while (digits >= below) digits /= 10;
    return negative ? -double(digits) : double(digits);
}

double pointsBeforeFactor(Long t, Long target, TimeReading reading) {
    const double G = double(target);
    double points;
    if (t <= target) {
        if (target == 0) {
            points = 5;  // a target of 0 met exactly: the points of a time equal to the target
        } else {
            const double x =
                reading == TimeReading::FirstThreeCharacters ? firstThreeCharacters(t) : double(t);
            const double ratio = (G - x) / G;
            points = std::floor(ratio * ratio * ratio * 50.0 + 5.0);
        }
    } else if (double(t) < 2.0 * G) {
        points = 4;
    } else if (double(t) < 10.0 * G) {
        points = 1;
    } else {
        points = 0;
    }
    if (t >= 99998) points = 0;
    return points;
}

Long pointsWithFactor(double before, Single factor, int level) {
    const double scaled = std::floor(before * double(factor));
    if (!(std::fabs(scaled) <= double(std::numeric_limits<Long>::max()))) {
        const QString which = level > 0 ? QStringLiteral("レベル %1 の").arg(level) : QString();
        throw ProgramError(
            ProgramError::Overflow,
            QStringLiteral("%1ポイント (%2 点 × 倍率 %3) が大きすぎます。タイム回数データ.txt の 5 "
                           "番目の値を確かめてください。")
                .arg(which)
                .arg(before)
                .arg(double(factor)));
    }
    return Long(scaled);
}

Long statisticsPoints(const LevelTable& g, Long t, int level) {
    return pointsWithFactor(pointsBeforeFactor(t, g.GoukakuTime[level], TimeReading::FirstThreeCharacters),
                            g.LevelPoint[level], level);
}

}  // namespace pekuru
