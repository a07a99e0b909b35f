#pragma once

#include "platform/Clock.h"

namespace pekuru {

// Waits while the screens stay responsive: pending events run during the wait.
class Waiter {
  public:
    virtual ~Waiter() = default;
    virtual void wait(double seconds) = 0;
};

// Polls the clock's tick count and yields to pending events until the time has passed. The tick
// count is compared by difference, so its wrap at 2^32 neither stretches nor cuts the wait.
class EventLoopWaiter final : public Waiter {
  public:
    explicit EventLoopWaiter(const Clock& clock) : clock_(clock) {}
    void wait(double seconds) override;

  private:
    const Clock& clock_;
};

}  // namespace pekuru
