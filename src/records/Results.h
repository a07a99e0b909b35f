#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "platform/Clock.h"
#include "platform/Waiter.h"
#include "shell/Attempt.h"
#include "shell/GlobalState.h"

namespace pekuru {

struct SeisekiNumbers;
class ProgramError;

QString sharedResultPath(const hensuu1& g);  // DataFolder & "成績累積データ.dat"
QString homeResultPath(const hensuu1& g);    // KyoutuuFolder & "成績累積データ家庭用.dat"

// Ends the program with a diagnostic of the result files: `text` in a critical message box.
[[noreturn]] void endWithResultFileDiagnostic(const QString& text);

// The shared result file and the statistics recomputed from it. Every file step that finds the
// file locked by another copy waits one second (the screens stay responsive) and tries again;
// other failures end the program with a diagnostic message.
class Results {
  public:
    // Made once for the run: every count and point starts at 0 and every best at "none".
    Results(hensuu1& g, const Clock& clock, Waiter& waiter);

    // Records an attempt: appends it to the result files and updates the in-memory bests. The
    // outcome says what the finish screen announces.
    AttemptOutcome Seisekikiroku(const Attempt& attempt);
    // Appends the attempt to the shared file and, for home-use students, to the home-use file.
    void 成績ランダムファイル記録(const Attempt& attempt);
    // Reloads the newest records and recomputes every statistics table and best time.
    void 回数求();

    // Points of one attempt of time t on a level.
    Long KeisanPoint(Long t, int level) const;

  private:
    // The points of every time 0..byTime.size() - 1 on one level, worked out for the target time
    // and factor the level had then. Points depend on nothing else, so a reload looks them up and
    // works them out again only when the level table changed.
    struct LevelPoints {
        bool ready = false;
        Long target = 0;
        std::uint32_t factorBits = 0;  // the factor's bits: NaN and -0 compare as themselves
        std::vector<Long> byTime;      // empty when some time's points leave the 32-bit range
        bool slowerAreZero = false;    // every time after the last of byTime earns 0
    };
    // What a reload needs of one level, found at the level's first record.
    struct LevelRules {
        bool known = false;
        double fromA = 0;  // period A holds the dates after this one
        double fromB = 0;
        const Long* points = nullptr;
        std::uint32_t pointsKnown = 0;
        bool slowerAreZero = false;
    };
    // One student's figures on one level while a reload adds up the records: kept side by side
    // and copied to the tables once at the end.
    struct LevelSums {
        std::int64_t ruikeiPoint = 0;  // checked against the 32-bit range at the end
        std::int64_t kikanPointA = 0;
        std::int64_t kikanPointB = 0;
        std::int64_t honjituPoint = 0;
        Integer honjituKaisuu = 0;
        Integer ruikeiKaisuu = 0;
        Integer kikanKaisuuA = 0;
        Integer kikanKaisuuB = 0;
    };
    // The slot tables as plain arrays, slot k at [k].
    struct Slots {
        double* hiduke;
        double* jikoku;
        Integer* bangou;
        Integer* level;
        Long* time;
    };

    void appendRecord(const QString& path, const QByteArray& record, int recordLength,
                      const QString& procedure);
    void resetTouchedRows();
    void touch(int student);
    double periodDays(const Table1D<Variant>& column, int level, int columnNumber) const;
    const LevelPoints& pointsOfLevel(int level);
    void learnLevel(LevelRules& rule, int level, double today);

    // The newest records' bytes; `first` is the number of the first of them in the file.
    QByteArray readNewest(std::int64_t& first, QString& path);
    // The loader's steps as written, one checked step per record; then LevelBest from JikoBest.
    void putSlot(int k, const SeisekiNumbers& r);
    void loadSlots(const QByteArray& bytes, std::int64_t first, const QString& path);
    void findLevelBests();
    // Loads the slots and adds up the statistics in one pass.
    void reload(const QByteArray& bytes, std::int64_t first, const QString& path);
    // A failure met while adding up, reported after the loader has read every record (and
    // refused any it must refuse first).
    [[noreturn]] void failAfterLoading(const ProgramError& error, const QByteArray& bytes, std::int64_t first,
                                       const QString& path);
    // Its hot loop: runs on its own until a record needs more than the common case (a student or
    // a level met for the first time, a time the level's points table does not hold, a record
    // out of range) and returns where it stopped; the caller deals with that record.
    static int loadAndAddUp(const char* records, int i, int count, int& slot, Slots slots,
                            Long* const* bestRows, const Integer* sumRowOf, LevelSums* sums,
                            const LevelRules* rules, double today, double tomorrow);

    hensuu1& g_;
    const Clock& clock_;
    Waiter& waiter_;
    // Students whose rows hold figures from the last load: only they need clearing next time.
    std::vector<Integer> touched_;
    std::vector<Integer> touchedAt_ = std::vector<Integer>(kMaxStudent + 1, -1);  // place in touched_, or -1
    std::vector<Long*> bestRows_ = std::vector<Long*>(kMaxStudent + 1, nullptr);  // JikoBest rows of touched_
    std::array<LevelPoints, kMaxLevelIndex + 1> points_;
    std::uint64_t levelsWithFigures_ = 0;  // bit l: rows of touched_ may hold counts and points on level l
    std::vector<LevelSums> sums_;  // (i, l) at i × (kMaxLevelIndex + 1) + l for the student touched_[i]
};

// Sorts entries 1..n of `keys` ascending and moves `values` along: a top-down merge sort in which
// equal keys end with the entry of the right half first.
template <typename Value>
void キー順並べ替え(int n, std::vector<Long>& keys, std::vector<Value>& values);

}  // namespace pekuru

#include "records/KeySort.inl"
