#pragma once

#include <QString>
#include <vector>

#include "platform/Clock.h"
#include "platform/Waiter.h"
#include "shell/GlobalState.h"

namespace pekuru {

QString sharedResultPath(const hensuu1& g);  // DataFolder & "成績累積データ.dat"
QString homeResultPath(const hensuu1& g);    // KyoutuuFolder & "成績累積データ家庭用.dat"

// The shared result file and the statistics recomputed from it. Every file step that finds the
// file locked by another copy waits one second (the screens stay responsive) and tries again;
// other failures end the program with a diagnostic message.
class Results {
  public:
    // Made once for the run: every count and point starts at 0 and every best at "none".
    Results(hensuu1& g, const Clock& clock, Waiter& waiter);

    // Records the current attempt (SeitoBangou, LevelNo, KirokuTime) and sets the finish screen's
    // flags and the in-memory bests.
    void Seisekikiroku(int level);
    // Appends the attempt to the shared file and, for home-use students, to the home-use file.
    void 成績ランダムファイル記録();
    // Reloads the newest records and recomputes every statistics table and best time.
    void 回数求();
    // Loads the newest 20000 records into the slots and computes JikoBest and LevelBest.
    void 成績ランダムファイル表示();

    // Points of one attempt of time t on a level.
    Long KeisanPoint(Long t, int level) const;

  private:
    void appendRecord(const QString& path, const QByteArray& record, int recordLength,
                      const QString& procedure);
    void resetTouchedRows();
    double periodDays(const Table1D<Variant>& column, int level, int columnNumber) const;

    hensuu1& g_;
    const Clock& clock_;
    Waiter& waiter_;
    // Students whose rows hold figures from the last load: only they need clearing next time.
    std::vector<Integer> touched_;
    std::vector<bool> isTouched_ = std::vector<bool>(kMaxStudent + 1, false);
};

// Points of one attempt of time t against the target time G, before the level's factor.
Long basePoints(Long t, Long G);

// Sorts entries 1..n of `keys` ascending and moves `values` along: a top-down merge sort in which
// equal keys end with the entry of the right half first.
template <typename Value>
void キー順並べ替え(int n, std::vector<Long>& keys, std::vector<Value>& values);

}  // namespace pekuru

#include "records/KeySort.inl"
