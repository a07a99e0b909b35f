#pragma once

#include <QDate>
#include <cstdint>

namespace pekuru {

// The one source of time. Screens and logic ask it; tests hand in a fake clock and move it on.
class Clock {
  public:
    virtual ~Clock() = default;
    // Seconds since local midnight, with fractions.
    virtual double secondsSinceMidnight() const = 0;
    // Today's local date.
    virtual QDate today() const = 0;
    // A millisecond tick count that wraps at 2^32, like the host's tick counter.
    virtual std::uint32_t tickCount() const = 0;
};

class SystemClock final : public Clock {
  public:
    double secondsSinceMidnight() const override;
    QDate today() const override;
    std::uint32_t tickCount() const override;
};

}  // namespace pekuru
