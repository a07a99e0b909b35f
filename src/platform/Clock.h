#pragma once

#include <QDate>
#include <cstdint>

namespace pekuru {

// The one source of time. Screens and logic ask it; tests hand in a FakeClock and move it on.
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

// A clock that moves only when told to.
class FakeClock final : public Clock {
  public:
    explicit FakeClock(QDate today = QDate(2024, 4, 1), double seconds = 9 * 3600.0,
                       std::uint32_t tick = 1000)
        : today_(today), seconds_(seconds), tick_(tick) {}

    double secondsSinceMidnight() const override { return seconds_; }
    QDate today() const override { return today_; }
    std::uint32_t tickCount() const override { return tick_; }

    void setToday(QDate d) { today_ = d; }
    void setSeconds(double s) { seconds_ = s; }
    void setTick(std::uint32_t t) { tick_ = t; }
    // Moves time on by `ms` milliseconds: the tick count, the seconds and, past midnight, the date.
    void advanceMs(std::int64_t ms);

  private:
    QDate today_;
    double seconds_;
    std::uint32_t tick_;
};

}  // namespace pekuru
