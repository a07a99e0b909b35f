#include "drill/DrillCycle.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/ProgramError.h"

namespace pekuru {

namespace {
constexpr float kDay = 86400.0f;
// A bar for a level without a limit value still needs a span: five times the target, at least
// ten minutes.
constexpr Long kNoLimitSpanMin = 600;
}  // namespace

float DrillCycle::secondsSince(float now, float from) {
    float d = now - from;
    while (d < -kDay / 2) d += kDay;  // the clock passed midnight
    return d;
}

void DrillCycle::setClock(bool running) {
    clockRunning_ = running;
    host_.setClockRunning(running);
}

int DrillCycle::minutesSinceNameConfirmed() const {
    const float now = float(clock_.secondsSinceMidnight());
    const double d = std::floor(double(secondsSince(now, float(g_.KaisiTime))));
    return int(d) / 60;
}

void DrillCycle::初期設定() {
    flow_.drillBegun();
    g_.SyuuryouFlag = 0;
    g_.KirokuChuu = 0;
    const int l = g_.LevelNo;
    const std::int64_t barMax = std::int64_t(g_.SeigenTime[l]) * 5;
    if (barMax > std::numeric_limits<Long>::max()) {
        throw ProgramError(
            ProgramError::Overflow,
            QStringLiteral("レベル %1 の制限時間 %2 秒の 5 倍が大きすぎます。").arg(l).arg(g_.SeigenTime[l]));
    }
    g_.BarMax = Long(barMax);
    strip_ = StatusStrip();
    strip_.elapsedSeconds = QStringLiteral("0");
    strip_.noLimit = g_.BarMax <= 0;
    const double span =
        strip_.noLimit ? double(std::max<Long>(kNoLimitSpanMin, g_.GoukakuTime[l] * 5)) : double(g_.BarMax);
    strip_.target = std::clamp(double(g_.GoukakuTime[l]) / span, 0.0, 1.0);
    strip_.limit = std::clamp(double(g_.SeigenTime[l]) / span, 0.0, 1.0);
    strip_.elapsed = 0;

    strip_.titlePointSize = g_.ProgTitle.size() > 9 ? 14.0 : 16.8;
    strip_.title = g_.ProgTitle;
    strip_.studentName = g_.SeitoNamae.trimmed();
    strip_.levelName = g_.LevelName[l];
    g_.GoukeiKaisuu = 0;
    for (int i = 1; i <= 15; ++i)
        g_.GoukeiKaisuu =
            Integer(std::nearbyint(float(g_.GoukeiKaisuu) + g_.HonjituKaisuu(g_.SeitoBangou, i)));
    strip_.classroomText = g_.KyoutuuName;
    strip_.minutesSinceConfirmed = QString::number(minutesSinceNameConfirmed());
    strip_.attemptToday = QString::number(g_.GoukeiKaisuu + 1);
    strip_.levelAttemptToday = QString::number(double(g_.HonjituKaisuu(g_.SeitoBangou, l) + 1.0f));
    host_.stripChanged();
}

void DrillCycle::スタート() {
    g_.StartTime = float(clock_.secondsSinceMidnight());
    setClock(true);
}

void DrillCycle::tick() {
    const int l = g_.LevelNo;
    const float now = float(clock_.secondsSinceMidnight());
    g_.KeikaTime = Long(std::nearbyint(secondsSince(now, g_.StartTime)));  // halves to even
    const Long t = g_.KeikaTime;
    // Red squares: one a second over the ten seconds up to the target, then again up to the limit.
    if (g_.GoukakuTime[l] >= t) {
        const std::int64_t n = std::int64_t(t) - g_.GoukakuTime[l] + 9;
        for (std::int64_t i = 0; i <= n && i <= 9; ++i) strip_.squareHidden[std::size_t(30 + i)] = true;
    }
    if (g_.SeigenTime[l] >= t) {
        for (int i = 0; i <= 9; ++i)
            if (std::int64_t(g_.SeigenTime[l]) - i == t) strip_.squareHidden[std::size_t(39 - i)] = true;
    }
    strip_.elapsedSeconds = QString::number(t);
    host_.stripChanged();
    host_.yieldToEvents();
    if (strip_.noLimit) {
        const double span = double(std::max<Long>(kNoLimitSpanMin, g_.GoukakuTime[l] * 5));
        strip_.elapsed = std::clamp(double(t) / span, 0.0, 1.0);
        host_.stripChanged();
        return;
    }
    if (t < g_.BarMax) {
        strip_.elapsed = std::max(0.0, double(t) / double(g_.BarMax));
        host_.stripChanged();
        return;
    }
    strip_.elapsed = 1.0;
    host_.stripChanged();
    if (g_.KirokuChuu == 0 && g_.SyuuryouFlag == 0) {
        g_.JikanGire = 1;
        setClock(false);
        成績記録終了();
    }
    host_.yieldToEvents();
}

void DrillCycle::minuteTick() {
    strip_.minutesSinceConfirmed = QString::number(minutesSinceNameConfirmed());
    host_.stripChanged();
}

void DrillCycle::allPicturesSolved() {
    setClock(false);
    g_.SyuuryouFlag = 1;
    成績記録終了();
}

void DrillCycle::成績記録終了() {
    host_.yieldToEvents();
    if (g_.KirokuChuu == 1) return;
    g_.KirokuChuu = 1;
    host_.showNotice(g_.JikanGire == 1);
    host_.yieldToEvents();
    setClock(false);
    Attempt attempt;
    attempt.SeitoBangou = g_.SeitoBangou;
    attempt.LevelNo = g_.LevelNo;
    attempt.JikanGire = g_.JikanGire != 0;
    attempt.KirokuTime = attempt.JikanGire ? kNoTime : g_.KeikaTime;
    flow_.drillEnded(attempt);
    host_.yieldToEvents();
    待機後終了画面(1.0);
}

void DrillCycle::待機後終了画面(double seconds) {
    const int step = 10;
    long count = 0;
    std::uint32_t last = clock_.tickCount();
    for (;;) {
        const std::uint32_t now = clock_.tickCount();
        // The difference of the wrapping counter: neither its sign change nor its wrap disturbs it.
        std::int64_t diff = std::int32_t(now - last);
        if (diff > step) {
            ++count;
            if (double(count) * step / 1000.0 >= seconds) {
                flow_.finishDue();
                return;
            }
            last = now - std::uint32_t(diff - step);  // the excess of a late poll carries over
            diff -= step;                             // the time since the new `last`
        }
        // The next step is counted once more than a step has passed since `last`.
        host_.waitForEvents(int(std::clamp<std::int64_t>(step + 1 - diff, 1, step + 1)));
    }
}

}  // namespace pekuru
