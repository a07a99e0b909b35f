#pragma once

#include <functional>

#include "records/Results.h"
#include "shell/Flow.h"
#include "shell/Navigator.h"

namespace pekuru {

// The one place that knows which screen follows which. Each event of a screen becomes the steps
// of its transition: which screens come up, which go, and what runs in between (the level names,
// the start of a drill, the recording of an attempt).
class ScreenFlow : public Flow {
  public:
    ScreenFlow(hensuu1& g, Navigator& screens, Results& results)
        : g_(g), screens_(screens), results_(results) {}

    // What 終了 ends: the application's event loop, unless a test wants to see it instead.
    void onLeave(std::function<void()> leave) { leave_ = std::move(leave); }

    void namesShown() override;
    void nameConfirmed() override;
    void rosterEditChosen() override;
    void leaveChosen() override;
    void rosterEditEnded() override;
    void hubShown() override;
    void levelChosen() override;
    void hubLeft() override;
    void printingChosen() override;
    void drillBegun() override;
    void drillRefused() override;
    void drillEnded(const Attempt& attempt) override;
    void finishDue() override;
    void finishShown() override;
    void menuChosen() override;
    void againChosen() override;
    void previewChosen() override;
    void printingClosed() override;
    void previewClosed() override;
    void reportChosen() override;
    void photosChosen() override;
    void certificateChosen() override;
    void reportClosed() override;
    void certificateClosed() override;
    void photosClosed() override;
    void helpChosen() override;
    void helpClosed() override;

    // The attempt last recorded and what recording it found.
    const Attempt& lastAttempt() const { return attempt_; }
    const AttemptOutcome& lastOutcome() const { return outcome_; }

  private:
    void startDrill();

    hensuu1& g_;
    Navigator& screens_;
    Results& results_;
    std::function<void()> leave_;
    Attempt attempt_;
    AttemptOutcome outcome_;
};

}  // namespace pekuru
