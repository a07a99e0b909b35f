#pragma once

#include <QString>
#include <array>

#include "platform/Clock.h"
#include "shell/Flow.h"
#include "shell/GlobalState.h"

namespace pekuru {

// What the status strip of the drill screen shows (MainFrm's labels sLabel2 to sLabel14).
struct StatusStrip {
    QString title;  // sLabel2
    double titlePointSize = 16.8;
    QString studentName;            // sLabel7
    QString levelName;              // sLabel8
    QString picturesLeft;           // sLabel9: pictures still to solve
    QString elapsedSeconds;         // sLabel10
    QString levelAttemptToday;      // sLabel11: this level's attempt of today, counting this one
    QString attemptToday;           // sLabel12: today's attempt over all levels, counting this one
    QString minutesSinceConfirmed;  // sLabel13: minutes since the name was confirmed
    QString classroomText;          // sLabel14
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
    // Lets events run as they come for at most `milliseconds`, sleeping while none come.
    virtual void waitForEvents(int milliseconds) = 0;
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
    // screen is due. Between polls the thread sleeps until the next 10 ms step is due or an event
    // comes, so the pause keeps the screens responsive without keeping a processor busy.
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
    int minutesSinceNameConfirmed() const;

    hensuu1& g_;
    const Clock& clock_;
    Flow& flow_;
    DrillHost& host_;
    StatusStrip strip_;
    bool clockRunning_ = false;
};

}  // namespace pekuru
