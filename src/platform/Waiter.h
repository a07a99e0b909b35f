#pragma once

#include "platform/Clock.h"

namespace pekuru {

// Waits while the screens stay responsive: pending events run during the wait.
class Waiter {
  public:
    virtual ~Waiter() = default;
    virtual void wait(double seconds) = 0;
};

// Lets events run as they come, for at most `milliseconds`: the thread sleeps until an event or
// the time limit wakes it, so a wait costs no processor time of its own. Returns at once for 0.
void runEventsFor(int milliseconds);

// Waits on the clock's tick count while events run, sleeping between them (runEventsFor). The tick
// count is compared by difference, so its wrap at 2^32 neither stretches nor cuts the wait.
class EventLoopWaiter final : public Waiter {
  public:
    explicit EventLoopWaiter(const Clock& clock) : clock_(clock) {}
    void wait(double seconds) override;

  private:
    const Clock& clock_;
};

}  // namespace pekuru
