#include "records/Results.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/ProgramError.h"
#include "platform/RecordFile.h"
#include "records/RecordFormat.h"

namespace pekuru {

namespace {

constexpr Long kCountedBelow = 6000;  // times from here on are not counted as attempts
constexpr double kNotFoundWaitSeconds = 5;
constexpr int kNotFoundTries = 4;

[[noreturn]] void endWith(const QString& text) {
    throw ProgramExit(QString(), text, ProgramExit::Icon::Critical);
}

QString hostError(const RecordFile& f) {
    return QStringLiteral("%1 (%2)").arg(f.errorText()).arg(f.errorNumber());
}

// The value of the first three characters of t's decimal text ("1234" counts as 123, "-123" as
// -12), worked out on the digits: this runs for every loaded record, and going through the text
// cost more than all the rest of the reload.
double firstThreeCharacters(Long t) {
    const bool negative = t < 0;
    std::int64_t digits = negative ? -std::int64_t(t) : std::int64_t(t);
    const std::int64_t below = negative ? 100 : 1000;  // the minus sign is one of the three
    while (digits >= below) digits /= 10;
    return negative ? -double(digits) : double(digits);
}

Long addChecked(Long a, Long b, const QString& what) {
    Long r;
    if (__builtin_add_overflow(a, b, &r)) {
        throw ProgramError(ProgramError::Overflow,
                           QStringLiteral("%1 の合計が大きすぎて数えられません。").arg(what));
    }
    return r;
}

}  // namespace

QString sharedResultPath(const hensuu1& g) { return g.DataFolder + QStringLiteral("成績累積データ.dat"); }
QString homeResultPath(const hensuu1& g) {
    return g.KyoutuuFolder + QStringLiteral("成績累積データ家庭用.dat");
}

Results::Results(hensuu1& g, const Clock& clock, Waiter& waiter) : g_(g), clock_(clock), waiter_(waiter) {
    g_.RuikeiKaisuu.fill(0);
    g_.KikanKaisuuA.fill(0);
    g_.KikanKaisuuB.fill(0);
    g_.HonjituKaisuu.fill(0);
    g_.RuikeiPoint.fill(0);
    g_.KikanPointA.fill(0);
    g_.KikanPointB.fill(0);
    g_.HonjituPoint.fill(0);
    // No best time yet for anyone (student 0 and level 0 stay 0).
    g_.JikoBest.fill(kNoTime);
    g_.JikoBest.fillColumn(0, 0);
    for (int l = 1; l <= kMaxLevelIndex; ++l) g_.JikoBest(0, l) = 0;
    g_.LevelBest.fill(0);
}

void Results::Seisekikiroku(int level) {
    const int s = g_.SeitoBangou, l = g_.LevelNo;
    g_.KiteiClearFlag =
        (g_.RuikeiKaisuu(s, l) >= g_.HituyouKaisuu2[l] && g_.RuikeiPoint(s, l) >= g_.HituyouKaisuu[l]) ? 1
                                                                                                       : 0;
    if (g_.JikoBest(s, level) > g_.KirokuTime) {
        g_.JikoBestFlag = 1;
        g_.JikoBest(s, level) = g_.KirokuTime;
        if (s >= 1 && !isTouched_[std::size_t(s)]) {
            isTouched_[std::size_t(s)] = true;
            touched_.push_back(Integer(s));
        }
    }
    成績ランダムファイル記録();
    if (g_.LevelBest[level] > g_.KirokuTime) {
        g_.LevelBest[level] = g_.KirokuTime;
        g_.SaikouFlag = 1;
    }
}

void Results::appendRecord(const QString& path, const QByteArray& record, int recordLength,
                           const QString& procedure) {
    RecordFile file;
    if (file.open(path) != RecordFile::Status::Ok)
        endWith(QStringLiteral("%1\n%2\n『%3』を開けません。").arg(procedure, hostError(file), path));
    for (;;) {
        const RecordFile::Status s = file.tryLock();
        if (s == RecordFile::Status::Ok) break;
        if (s != RecordFile::Status::Busy)
            endWith(
                QStringLiteral("%1\n%2\n『%3』をロックできません。").arg(procedure, hostError(file), path));
        waiter_.wait(1.0);  // another copy is appending; the screens stay responsive meanwhile
    }
    // Just after the last whole record: a torn record left by a crashed copy is overwritten.
    const std::int64_t length = file.length();
    if (length < 0)
        endWith(QStringLiteral("%1\n%2\n『%3』の長さが分かりません。").arg(procedure, hostError(file), path));
    const std::int64_t offset = (length / recordLength) * recordLength;
    if (file.writeAt(offset, record) != RecordFile::Status::Ok)
        endWith(QStringLiteral("%1\n%2\n『%3』に書き込めません。").arg(procedure, hostError(file), path));
    file.unlock();
    file.close();
}

void Results::成績ランダムファイル記録() {
    SeisekiRec r;
    r.hiduke = dateValue(clock_.today());
    r.jikoku = timeOfDayValue(clock_.secondsSinceMidnight());
    r.bangou = g_.SeitoBangou;
    r.level = g_.LevelNo;
    r.time = g_.KirokuTime;
    r.code = g_.KyousituCode;
    appendRecord(sharedResultPath(g_), encode(r), kSeisekiRecLength,
                 QStringLiteral("成績ランダムファイル記録"));

    // Students 4900 to 5000 are kept out of the home-use file.
    if (g_.MeiboMode == 1 && (g_.SeitoBangou < 4900 || g_.SeitoBangou > 5000)) {
        KateiRec h;
        QString folder = g_.DataFolder;
        folder.chop(1);  // drop the trailing separator, then take the last component
        h.folderName = folder.mid(folder.lastIndexOf(QLatin1Char('/')) + 1) + QLatin1Char('\\');
        h.hiduke = dateValue(clock_.today());
        h.jikoku = timeOfDayValue(clock_.secondsSinceMidnight());
        h.bangou = g_.SeitoBangou;
        h.level = g_.LevelNo;
        h.time = g_.KirokuTime;
        h.code = g_.KyousituCode;
        appendRecord(homeResultPath(g_), encode(h), kKateiRecLength,
                     QStringLiteral("成績ランダムファイル記録"));
    }
}

void Results::resetTouchedRows() {
    for (const Integer s : touched_) {
        for (int l = 1; l <= kMaxLevelIndex; ++l) {
            g_.RuikeiKaisuu(s, l) = 0;
            g_.KikanKaisuuA(s, l) = 0;
            g_.KikanKaisuuB(s, l) = 0;
            g_.HonjituKaisuu(s, l) = 0;
            g_.RuikeiPoint(s, l) = 0;
            g_.KikanPointA(s, l) = 0;
            g_.KikanPointB(s, l) = 0;
            g_.HonjituPoint(s, l) = 0;
            g_.JikoBest(s, l) = kNoTime;
        }
        isTouched_[std::size_t(s)] = false;
    }
    touched_.clear();
}

void Results::成績ランダムファイル表示() {
    g_.RetryCount = 0;
    const QString path = sharedResultPath(g_);
    RecordFile file;
    for (;;) {
        const RecordFile::Status s = file.open(path);
        if (s == RecordFile::Status::Ok) break;
        if (s != RecordFile::Status::NotFound)
            endWith(QStringLiteral("成績ランダムファイル表示\n%1\n『%2』を開けません。")
                        .arg(hostError(file), path));
        // The shared folder may be a network share that is coming back: try a few times.
        waiter_.wait(kNotFoundWaitSeconds);
        ++g_.RetryCount;
        if (g_.RetryCount >= kNotFoundTries)
            endWith(QStringLiteral("ファイルがありません\n1 %1\n『%2』").arg(hostError(file), path));
    }
    const std::int64_t length = file.length();
    const std::int64_t n = length < 0 ? 0 : length / kSeisekiRecLength;
    const std::int64_t first = n > kMaxRecordSlots ? n - kMaxRecordSlots + 1 : 1;
    const QByteArray bytes =
        file.readAt((first - 1) * kSeisekiRecLength, (n - first + 1) * kSeisekiRecLength);
    file.close();
    const std::int64_t got = bytes.size() / kSeisekiRecLength;

    int k = 0;
    for (std::int64_t i = 0; i < got; ++i) {
        const SeisekiRec r = decodeSeisekiRec(bytes.constData() + i * kSeisekiRecLength);
        ++k;
        g_.RecHiduke[k] = r.hiduke;
        g_.RecJikoku[k] = r.jikoku;
        g_.RecBangou[k] = r.bangou;
        g_.RecLevel[k] = r.level;
        g_.RecTime[k] = r.time;
        if (r.bangou < 0 || r.bangou > kMaxStudent || r.level < 0 || r.level > kMaxLevelIndex) {
            const QDate d = dateFromValue(r.hiduke);
            const int secs =
                std::isfinite(r.jikoku) ? int(std::clamp(r.jikoku, 0.0, 1.0) * 86400.0 + 0.5) : 0;
            endWith(
                QStringLiteral(
                    "成績ランダムファイル表示 添字が範囲の外です (%1)\n"
                    "/date%2/i=%3/time=%4/name=/Bangou=%5/level=%6/time=%7 line 4\n"
                    "『%8』の %9 番目の記録の生徒番号 (0 から 5000) かレベル (0 から 35) が範囲の外です。")
                    .arg(ProgramError::SubscriptOutOfRange)
                    .arg(d.isValid() ? d.toString(QStringLiteral("yyyy/MM/dd")) : QStringLiteral("?"))
                    .arg(k)
                    .arg(QStringLiteral("%1:%2:%3")
                             .arg(secs / 3600, 2, 10, QLatin1Char('0'))
                             .arg(secs / 60 % 60, 2, 10, QLatin1Char('0'))
                             .arg(secs % 60, 2, 10, QLatin1Char('0')))
                    .arg(r.bangou)
                    .arg(r.level)
                    .arg(r.time)
                    .arg(path)
                    .arg(first + i));
        }
        Long& best = g_.JikoBest(r.bangou, r.level);
        if (best > r.time) best = r.time;
        if (r.bangou >= 1 && !isTouched_[std::size_t(r.bangou)]) {
            isTouched_[std::size_t(r.bangou)] = true;
            touched_.push_back(r.bangou);
        }
        // A negative date, student 0 or level 0 frees the slot for the next record.
        if (r.hiduke < 0 || r.bangou == 0 || r.level < 1) --k;
    }
    g_.RecordSuu = k;

    // Only students with records can hold a best; the others are at "none".
    for (int l = 1; l <= kMaxLevelIndex; ++l) {
        Long best = kNoTime;
        for (const Integer s : touched_) best = std::min(best, g_.JikoBest(s, l));
        g_.LevelBest[l] = best;
    }
}

double Results::periodDays(const Table1D<Variant>& column, int level, int columnNumber) const {
    const auto days = column[level].toNumber();
    if (!days) {
        throw ProgramError(
            ProgramError::TypeMismatch,
            QStringLiteral("『%1タイム回数データ.txt』のレベル %2 の %3 番目の値「%4」は日数ではありません。")
                .arg(g_.DataFolder)
                .arg(level)
                .arg(columnNumber)
                .arg(column[level].toText()));
    }
    return *days;
}

namespace {

// The points before the factor, kept as a real number until the caller has checked its range.
double unweightedPoints(Long t, Long G) {
    double points;
    if (t <= G) {
        if (G == 0) {
            points = 5;  // a target of 0 met exactly: the points of a time equal to the target
        } else {
            const double x = firstThreeCharacters(t);
            const double ratio = (double(G) - x) / double(G);
            points = std::floor(ratio * ratio * ratio * 50.0 + 5.0);
        }
    } else if (double(t) < 2.0 * double(G)) {
        points = 4;
    } else if (double(t) < 10.0 * double(G)) {
        points = 1;
    } else {
        points = 0;
    }
    if (t >= 99998) points = 0;
    return points;
}

}  // namespace

Long basePoints(Long t, Long G) {
    // Only a target time far out of the table's sense can leave the 32-bit range.
    const double points = unweightedPoints(t, G);
    constexpr double low = std::numeric_limits<Long>::min(), high = std::numeric_limits<Long>::max();
    return Long(std::clamp(points, low, high));
}

Long Results::KeisanPoint(Long t, int level) const {
    const double points = unweightedPoints(t, g_.GoukakuTime[level]);
    const double scaled = std::floor(points * double(g_.LevelPoint[level]));
    if (!(std::fabs(scaled) <= double(std::numeric_limits<Long>::max()))) {
        throw ProgramError(
            ProgramError::Overflow,
            QStringLiteral("レベル %1 のポイント (%2 点 × 倍率 %3) が大きすぎます。タイム回数データ.txt の 5 "
                           "番目の値を確かめてください。")
                .arg(level)
                .arg(points)
                .arg(double(g_.LevelPoint[level])));
    }
    return Long(scaled);
}

void Results::回数求() {
    resetTouchedRows();
    成績ランダムファイル表示();
    const double today = dateValue(clock_.today());
    // Period lengths are read once per level that has records.
    double periodA[kMaxLevelIndex + 1], periodB[kMaxLevelIndex + 1];
    bool periodKnown[kMaxLevelIndex + 1] = {};
    for (int k = 1; k <= g_.RecordSuu; ++k) {
        const int s = g_.RecBangou[k], l = g_.RecLevel[k];
        const Long t = g_.RecTime[k];
        if (l < 1 || l > kMaxLevelIndex) continue;
        if (!periodKnown[l]) {
            periodA[l] = periodDays(g_.LevelValue8, l, 8);
            periodB[l] = periodDays(g_.LevelValue9, l, 9);
            periodKnown[l] = true;
        }
        const bool counted = t < kCountedBelow;
        if (counted) ++g_.RuikeiKaisuu(s, l);
        const Long p = KeisanPoint(t, l);
        const double date = g_.RecHiduke[k];
        if (date > today - periodA[l]) {
            if (counted) ++g_.KikanKaisuuA(s, l);
            g_.KikanPointA(s, l) = addChecked(g_.KikanPointA(s, l), p, QStringLiteral("期間Aのポイント"));
        }
        if (date > today - periodB[l]) {
            if (counted) ++g_.KikanKaisuuB(s, l);
            g_.KikanPointB(s, l) = addChecked(g_.KikanPointB(s, l), p, QStringLiteral("期間Bのポイント"));
        }
        g_.RuikeiPoint(s, l) = addChecked(g_.RuikeiPoint(s, l), p, QStringLiteral("ポイント"));
        if (std::floor(date) == today) {
            if (counted) g_.HonjituKaisuu(s, l) += 1;
            g_.HonjituPoint(s, l) = addChecked(g_.HonjituPoint(s, l), p, QStringLiteral("今日のポイント"));
        }
    }
}

}  // namespace pekuru
