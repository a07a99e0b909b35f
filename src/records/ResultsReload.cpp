// The reload of the statistics (回数求): the newest records into the slots, then every count,
// points sum and best time, in one pass over the read buffer. The common record goes through a
// tight loop; the rest (a new student or level, a time the level's points table does not hold,
// points below 0, a sum near the 32-bit limit) one at a time, with every sum checked in the
// order the procedure adds them.
#include "records/Results.h"

#include <QFileInfo>
#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

#include "platform/ProgramError.h"
#include "records/Points.h"
#include "records/RecordFormat.h"
#include "records/ResultFile.h"

namespace pekuru {

namespace {

constexpr Long kCountedBelow = 6000;  // times from here on are not counted as attempts
constexpr double kNotFoundWaitSeconds = 5;
constexpr int kNotFoundTries = 4;

[[noreturn]] void sumTooLarge(const char* what) {
    throw ProgramError(ProgramError::Overflow,
                       QStringLiteral("%1 の合計が大きすぎて数えられません。").arg(QString::fromUtf8(what)));
}

constexpr std::int64_t kMaxSum = std::numeric_limits<Long>::max();
constexpr std::int64_t kMinSum = std::numeric_limits<Long>::min();

// Adds p to a sum that must stay in the 32-bit range; false (and the sum unchanged) past it.
bool addWithin(std::int64_t& sum, Long p) {
    const std::int64_t s = sum + p;
    if (s > kMaxSum || s < kMinSum) return false;
    sum = s;
    return true;
}

// A per-student table for the reload's loops: whole rows, each taken once per student rather than
// entry by entry. They index it only with students and levels the loader has checked.
template <typename T>
struct Cells {
    explicit Cells(Table2D<T>& table) : table(&table) {}
    T* row(std::size_t s) const { return table->row(int(s)); }
    T& operator()(std::size_t s, std::size_t l) const { return row(s)[l]; }
    Table2D<T>* table;
};

// The loader's diagnostic for a record whose student or level no table has room for.
[[noreturn]] void recordOutOfRange(const SeisekiNumbers& r, int slot, std::int64_t recordNumber,
                                   const QString& path) {
    const QDate d = dateFromValue(r.hiduke);
    const int secs = std::isfinite(r.jikoku) ? int(std::clamp(r.jikoku, 0.0, 1.0) * 86400.0 + 0.5) : 0;
    endWithResultFileDiagnostic(
        QStringLiteral("成績ランダムファイル表示 添字が範囲の外です (%1)\n"
                       "/date%2/i=%3/time=%4/name=/Bangou=%5/level=%6/time=%7 line 4\n"
                       "『%8』の %9 番目の記録の生徒番号 (0 から 5000) かレベル (0 から 35) が範囲の外です。")
            .arg(ProgramError::SubscriptOutOfRange)
            .arg(d.isValid() ? d.toString(QStringLiteral("yyyy/MM/dd")) : QStringLiteral("?"))
            .arg(slot)
            .arg(QStringLiteral("%1:%2:%3")
                     .arg(secs / 3600, 2, 10, QLatin1Char('0'))
                     .arg(secs / 60 % 60, 2, 10, QLatin1Char('0'))
                     .arg(secs % 60, 2, 10, QLatin1Char('0')))
            .arg(r.bangou)
            .arg(r.level)
            .arg(r.time)
            .arg(path)
            .arg(recordNumber));
}

}  // namespace
// Remembers a student whose rows now hold figures, so that the next reload clears them.
void Results::touch(int student) {
    if (student >= 1 && touchedAt_[std::size_t(student)] < 0) {
        touchedAt_[std::size_t(student)] = Integer(touched_.size());
        touched_.push_back(Integer(student));
        bestRows_[std::size_t(student)] = g_.JikoBest.row(student);
    }
}

void Results::resetTouchedRows() {
    // Counts and points are only where the last reload put them; a best may be on any level.
    int levels[kMaxLevelIndex];
    int levelCount = 0;
    for (int l = 1; l <= kMaxLevelIndex; ++l)
        if (levelsWithFigures_ >> l & 1) levels[levelCount++] = l;
    const auto clear = [&](auto& table, auto value) {
        const Cells cells(table);
        for (const Integer s : touched_) {
            auto* row = cells.row(std::size_t(s));
            for (int j = 0; j < levelCount; ++j) row[levels[j]] = value;
        }
    };
    clear(g_.RuikeiKaisuu, Integer(0));
    clear(g_.KikanKaisuuA, Integer(0));
    clear(g_.KikanKaisuuB, Integer(0));
    clear(g_.HonjituKaisuu, Single(0));
    clear(g_.RuikeiPoint, Long(0));
    clear(g_.KikanPointA, Long(0));
    clear(g_.KikanPointB, Long(0));
    clear(g_.HonjituPoint, Long(0));
    levelsWithFigures_ = 0;
    const Cells best(g_.JikoBest);
    for (const Integer s : touched_) std::fill_n(best.row(std::size_t(s)) + 1, kMaxLevelIndex, kNoTime);
    for (const Integer s : touched_) {
        touchedAt_[std::size_t(s)] = -1;
        bestRows_[std::size_t(s)] = nullptr;
    }
    touched_.clear();
}

QByteArray Results::readNewest(std::int64_t& first, QString& path) {
    g_.RetryCount = 0;
    path = sharedResultPath(g_);
    const ResultFile file(path, kSeisekiRecLength);
    ResultFile::Reading r;
    for (;;) {
        r = file.newest(kMaxRecordSlots, waiter_);
        if (r.ok() || r.failedAt != ResultFile::Step::Open) break;
        if (r.status != RecordFile::Status::NotFound)
            endWithResultFileDiagnostic(QStringLiteral("成績ランダムファイル表示\n%1\n『%2』を開けません。")
                                            .arg(r.hostError(), path));
        // The shared folder may be a network share that is coming back: try a few times.
        waiter_.wait(kNotFoundWaitSeconds);
        ++g_.RetryCount;
        if (g_.RetryCount >= kNotFoundTries)
            endWithResultFileDiagnostic(
                QStringLiteral("ファイルがありません\n1 %1\n『%2』").arg(r.hostError(), path));
    }
    if (!r.ok())
        endWithResultFileDiagnostic(QStringLiteral("成績ランダムファイル表示\n%1\n『%2』を読み切れません。"
                                                   "新しい記録 %3 件 (%4 バイト) を読むはずでした。")
                                        .arg(r.hostError(), path)
                                        .arg(r.records)
                                        .arg(r.records * kSeisekiRecLength));
    first = r.first;
    return std::move(r.bytes);
}

// Slot k of the loaded records (bounds checked).
void Results::putSlot(int k, const SeisekiNumbers& r) {
    g_.RecHiduke[k] = r.hiduke;
    g_.RecJikoku[k] = r.jikoku;
    g_.RecBangou[k] = r.bangou;
    g_.RecLevel[k] = r.level;
    g_.RecTime[k] = r.time;
}

void Results::loadSlots(const QByteArray& bytes, std::int64_t first, const QString& path) {
    const int got = int(bytes.size() / kSeisekiRecLength);  // at most kMaxRecordSlots
    int k = 0;
    for (int i = 0; i < got; ++i) {
        const SeisekiNumbers r = decodeSeisekiNumbers(bytes.constData() + std::size_t(i) * kSeisekiRecLength);
        ++k;
        putSlot(k, r);
        if (r.bangou < 0 || r.bangou > kMaxStudent || r.level < 0 || r.level > kMaxLevelIndex)
            recordOutOfRange(r, k, first + i, path);
        Long& best = g_.JikoBest(r.bangou, r.level);
        if (best > r.time) best = r.time;
        touch(r.bangou);
        // A skipped record frees its slot for the next record (its level is 0 or more by now).
        if (skippedByTheProgram(r.hiduke, r.bangou, r.level)) --k;
    }
    g_.RecordSuu = k;
}

void Results::findLevelBests() {
    // Only students with records can hold a best; the others are at "none".
    const Cells best(g_.JikoBest);
    Long levelBest[kMaxLevelIndex + 1];
    std::fill_n(levelBest, kMaxLevelIndex + 1, kNoTime);
    for (const Integer s : touched_) {
        const Long* row = best.row(std::size_t(s));
        for (int l = 1; l <= kMaxLevelIndex; ++l) levelBest[l] = std::min(levelBest[l], row[l]);
    }
    for (int l = 1; l <= kMaxLevelIndex; ++l) g_.LevelBest[l] = levelBest[l];
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

// Times up to ten times the target: past that only a time-over's points could differ from a slow
// time's 0, and they do not. Capped so that a level with a very long target stays small.
constexpr Long kPointsTableLength = 1 << 16;

const Results::LevelPoints& Results::pointsOfLevel(int level) {
    LevelPoints& p = points_[std::size_t(level)];
    const Long target = g_.GoukakuTime[level];
    const Single factor = g_.LevelPoint[level];
    const std::uint32_t factorBits = std::bit_cast<std::uint32_t>(factor);
    if (p.ready && p.target == target && p.factorBits == factorBits) return p;
    p.ready = true;
    p.target = target;
    p.factorBits = factorBits;
    const std::int64_t upTo =
        target < 0 ? -1 : std::min<std::int64_t>(10 * std::int64_t(target), kPointsTableLength - 1);
    p.byTime.resize(std::size_t(upTo + 1));
    p.slowerAreZero = target >= 0 && 10 * std::int64_t(target) < kPointsTableLength;
    for (Long t = 0; t <= upTo; ++t) {
        // The same steps as KeisanPoint, so a looked-up value is that value bit for bit.
        const double scaled =
            std::floor(pointsBeforeFactor(t, target, TimeReading::FirstThreeCharacters) * double(factor));
        // Out of range or below 0 (a negative factor): KeisanPoint and the checked sums handle
        // such a level, record by record.
        if (!(scaled >= 0 && scaled <= double(std::numeric_limits<Long>::max()))) {
            p.byTime.clear();
            p.slowerAreZero = false;
            break;
        }
        p.byTime[std::size_t(t)] = Long(scaled);
    }
    return p;
}

void Results::learnLevel(LevelRules& rule, int level, double today) {
    rule.fromA = today - periodDays(g_.LevelValue8, level, 8);
    rule.fromB = today - periodDays(g_.LevelValue9, level, 9);
    const LevelPoints& p = pointsOfLevel(level);
    rule.points = p.byTime.data();
    rule.pointsKnown = std::uint32_t(p.byTime.size());
    rule.slowerAreZero = p.slowerAreZero;
    rule.known = true;
}

int Results::loadAndAddUp(const char* records, int i, int count, int& slot, Slots slots,
                          Long* const* bestRows, const Integer* sumRowOf, LevelSums* sums,
                          const LevelRules* rules, double today, double tomorrow) {
    constexpr std::size_t kRowLength = kMaxLevelIndex + 1;
    int k = slot;
    for (; i < count; ++i) {
        const SeisekiNumbers r = decodeSeisekiNumbers(records + std::size_t(i) * kSeisekiRecLength);
        // Out of range, student 0 or a student not yet listed: for the caller.
        if (std::uint16_t(r.bangou) > kMaxStudent || std::uint16_t(r.level) > kMaxLevelIndex) break;
        const Integer sumRow = sumRowOf[r.bangou];
        if (sumRow < 0) break;
        // A record the program passes over frees its slot for the next record and counts nothing
        // (student 0 never has a sum row: the caller takes its records).
        const bool kept = !skippedByTheProgram(r.hiduke, r.bangou, r.level);
        const LevelRules& rule = rules[r.level];
        Long p = 0;
        if (kept) {
            if (std::uint32_t(r.time) < rule.pointsKnown)
                p = rule.points[r.time];
            else if (r.time >= 0 && rule.slowerAreZero)
                p = 0;
            else
                break;  // a level met for the first time, or a time its table does not hold
        }
        ++k;
        slots.hiduke[k] = r.hiduke;
        slots.jikoku[k] = r.jikoku;
        slots.bangou[k] = r.bangou;
        slots.level[k] = r.level;
        slots.time[k] = r.time;
        Long& best = bestRows[r.bangou][r.level];  // every listed student's row is in bestRows
        best = std::min(best, r.time);
        if (!kept) {
            --k;
            continue;
        }
        // Every sum is added to on every record, with 0 where the record does not count: the same
        // sums, without a branch on each record's date.
        LevelSums& sum = sums[std::size_t(sumRow) * kRowLength + std::size_t(r.level)];
        if (sum.ruikeiPoint + p > kMaxSum) {
            // Every other sum is part of this one and points here are never below 0: only this
            // one can leave the 32-bit range first. The caller says which sum the procedure
            // would have found too large.
            --k;
            break;
        }
        const Integer counted = r.time < kCountedBelow;
        const bool inA = r.hiduke > rule.fromA, inB = r.hiduke > rule.fromB;
        const bool isToday = r.hiduke >= today && r.hiduke < tomorrow;
        sum.ruikeiKaisuu += counted;
        sum.kikanKaisuuA += Integer(counted & inA);
        sum.kikanKaisuuB += Integer(counted & inB);
        sum.honjituKaisuu += Integer(counted & isToday);
        sum.ruikeiPoint += p;
        sum.kikanPointA += inA ? p : 0;
        sum.kikanPointB += inB ? p : 0;
        sum.honjituPoint += isToday ? p : 0;
    }
    slot = k;
    return i;
}

void Results::failAfterLoading(const ProgramError& error, const QByteArray& bytes, std::int64_t first,
                               const QString& path) {
    // The loader reads every record before anything is added up: a record it refuses, anywhere in
    // the file, is the failure to report.
    resetTouchedRows();
    loadSlots(bytes, first, path);
    throw error;
}

void Results::reload(const QByteArray& bytes, std::int64_t first, const QString& path) {
    const double today = dateValue(clock_.today());
    const double tomorrow = today + 1;  // "dated today" is today <= date < tomorrow
    constexpr std::size_t kRowLength = kMaxLevelIndex + 1;
    const int got = int(bytes.size() / kSeisekiRecLength);  // at most kMaxRecordSlots
    // Slots 1..got exist in every slot table (checked here, once); the loop fills them unchecked.
    const Slots slots{&g_.RecHiduke[got] - got, &g_.RecJikoku[got] - got, &g_.RecBangou[got] - got,
                      &g_.RecLevel[got] - got, &g_.RecTime[got] - got};
    Q_ASSERT(std::size_t(g_.JikoBest.maxB()) + 1 == kRowLength);  // the loop's unchecked steps rely on it
    LevelRules rules[kMaxLevelIndex + 1];
    sums_.clear();
    int k = 0;
    for (int i = 0; (i = loadAndAddUp(bytes.constData(), i, got, k, slots, bestRows_.data(),
                                      touchedAt_.data(), sums_.data(), rules, today, tomorrow)) < got;) {
        const SeisekiNumbers r = decodeSeisekiNumbers(bytes.constData() + std::size_t(i) * kSeisekiRecLength);
        if (r.bangou < 0 || r.bangou > kMaxStudent || r.level < 0 || r.level > kMaxLevelIndex)
            recordOutOfRange(r, k + 1, first + i, path);  // the loader's failure comes before any other
        if (r.bangou == 0) {
            // Its best is kept like any other; its slot goes to the next record.
            putSlot(k + 1, r);
            g_.JikoBest(0, r.level) = std::min(g_.JikoBest(0, r.level), r.time);
            ++i;
            continue;
        }
        if (touchedAt_[std::size_t(r.bangou)] < 0) {
            touch(r.bangou);
            sums_.resize(touched_.size() * kRowLength);
            continue;  // the loop takes the record now
        }
        LevelRules& rule = rules[r.level];
        Long p = 0;
        try {
            if (!rule.known) {
                learnLevel(rule, r.level, today);
                continue;
            }
            // A time the level's table does not hold, points below 0, or a sum near the limit.
            p = KeisanPoint(r.time, r.level);
        } catch (const ProgramError& e) {
            failAfterLoading(e, bytes, first, path);
        }
        LevelSums& sum =
            sums_[std::size_t(touchedAt_[std::size_t(r.bangou)]) * kRowLength + std::size_t(r.level)];
        const bool counted = r.time < kCountedBelow;
        ++k;
        putSlot(k, r);
        g_.JikoBest(r.bangou, r.level) = std::min(g_.JikoBest(r.bangou, r.level), r.time);
        // The sums in the procedure's order, each kept in the 32-bit range.
        const char* tooLarge = nullptr;
        if (r.hiduke > rule.fromA) {
            sum.kikanKaisuuA = Integer(sum.kikanKaisuuA + counted);
            if (!addWithin(sum.kikanPointA, p)) tooLarge = "期間Aのポイント";
        }
        if (!tooLarge && r.hiduke > rule.fromB) {
            sum.kikanKaisuuB = Integer(sum.kikanKaisuuB + counted);
            if (!addWithin(sum.kikanPointB, p)) tooLarge = "期間Bのポイント";
        }
        if (!tooLarge) {
            sum.ruikeiKaisuu = Integer(sum.ruikeiKaisuu + counted);
            if (!addWithin(sum.ruikeiPoint, p)) tooLarge = "ポイント";
        }
        if (!tooLarge && r.hiduke >= today && r.hiduke < tomorrow) {
            sum.honjituKaisuu = Integer(sum.honjituKaisuu + counted);
            if (!addWithin(sum.honjituPoint, p)) tooLarge = "今日のポイント";
        }
        if (tooLarge) {
            try {
                sumTooLarge(tooLarge);
            } catch (const ProgramError& e) {
                failAfterLoading(e, bytes, first, path);
            }
        }
        ++i;
    }
    g_.RecordSuu = k;
    findLevelBests();

    // Only the levels with records have figures; the rows of touched_ were cleared.
    int levels[kMaxLevelIndex];
    int levelCount = 0;
    for (int l = 1; l <= kMaxLevelIndex; ++l)
        if (rules[l].known) levels[levelCount++] = l;
    for (int j = 0; j < levelCount; ++j) levelsWithFigures_ |= std::uint64_t(1) << levels[j];
    const Cells ruikeiKaisuu(g_.RuikeiKaisuu), kikanKaisuuA(g_.KikanKaisuuA), kikanKaisuuB(g_.KikanKaisuuB);
    const Cells honjituKaisuu(g_.HonjituKaisuu);
    const Cells ruikeiPoint(g_.RuikeiPoint), kikanPointA(g_.KikanPointA), kikanPointB(g_.KikanPointB),
        honjituPoint(g_.HonjituPoint);
    for (std::size_t i = 0; i < touched_.size(); ++i) {
        const std::size_t s = std::size_t(touched_[i]);
        for (int j = 0; j < levelCount; ++j) {
            const std::size_t l = std::size_t(levels[j]);
            const LevelSums& sum = sums_[i * kRowLength + l];
            ruikeiKaisuu(s, l) = sum.ruikeiKaisuu;
            kikanKaisuuA(s, l) = sum.kikanKaisuuA;
            kikanKaisuuB(s, l) = sum.kikanKaisuuB;
            honjituKaisuu(s, l) = Single(sum.honjituKaisuu);  // whole counts: exact as the sum of ones
            ruikeiPoint(s, l) = Long(sum.ruikeiPoint);
            kikanPointA(s, l) = Long(sum.kikanPointA);
            kikanPointB(s, l) = Long(sum.kikanPointB);
            honjituPoint(s, l) = Long(sum.honjituPoint);
        }
    }
}

void Results::回数求() {
    resetTouchedRows();
    std::int64_t first;
    QString path;
    const QByteArray bytes = readNewest(first, path);
    reload(bytes, first, path);
}

}  // namespace pekuru
