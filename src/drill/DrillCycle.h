#pragma once

#include <QString>
#include <array>

#include "platform/Clock.h"
#include "shell/Flow.h"
#include "shell/GlobalState.h"

namespace pekuru {

// What the status strip of the drill screen shows.
struct StatusStrip {
    QString sLabel2;  // the title
    double sLabel2PointSize = 16.8;
    QString sLabel7;   // the student's name
    QString sLabel8;   // the level's name
    QString sLabel9;   // pictures still to solve
    QString sLabel10;  // elapsed seconds
    QString sLabel11;  // this level's attempt of today, counting this one
    QString sLabel12;  // today's attempt over all levels, counting this one
    QString sLabel13;  // minutes since the name was confirmed
    QString sLabel14;  // the classroom's text
    // The time bar, as fractions of its frame: elapsed, target and limit segments.
    double elapsed = 0;
    double target = 0;
    double limit = 0;
    // Squares 10..39 (green, yellow, red groups of ten); true once hidden.
    std::array<bool, 40> squareHidden{};
    bool noLimit = false;  // a level without a limit value: no time-over
};

// What the drill screen does for the cycle.
class DrillHost {
  public:
    virtual ~DrillHost() = default;
    virtual void yieldToEvents() = 0;
    virtual void setClockRunning(bool running) = 0;  // sTimer1
    virtual void showNotice(bool timeOver) = 0;      // the end-of-drill panel
    virtual void stripChanged() = 0;
};

// The drill screen's clock, status strip and end of drill, apart from the widgets.
class DrillCycle {
  public:
    DrillCycle(hensuu1& g, const Clock& clock, Flow& flow, DrillHost& host)
        : g_(g), clock_(clock), flow_(flow), host_(host) {}

    void 初期設定();
    void スタート();
    // sTimer1, every second while the clock runs.
    void tick();
    // sTimer2, every ten seconds.
    void minuteTick();
    // The end of the drill, by completion or time-over: hands the attempt to the flow, which
    // records it. A second call does nothing more.
    void 成績記録終了();
    // Waits `seconds` by the tick count while events run, then tells the flow that the finish
    // screen is due.
    void 待機後終了画面(double seconds);
    // The last picture is solved (called by the puzzle).
    void allPicturesSolved();

    const StatusStrip& strip() const { return strip_; }
    StatusStrip& strip() { return strip_; }
    bool clockRunning() const { return clockRunning_; }

    // Seconds from `from` to now on the seconds-since-midnight clock; a drill that runs across
    // midnight keeps counting instead of going negative.
    static float secondsSince(float now, float from);

  private:
    void setClock(bool running);
    int minutesSinceConfirmed() const;

    hensuu1& g_;
    const Clock& clock_;
    Flow& flow_;
    DrillHost& host_;
    StatusStrip strip_;
    bool clockRunning_ = false;
};

}  // namespace pekuru
