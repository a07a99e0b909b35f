#pragma once

// Stand-ins for the host services, for the tests (and the fuzz targets and benchmarks, which want
// a fixed date): a clock that moves only when told to, message boxes that are only written down,
// and sound commands that answer with scripted result codes.
#include <QDate>
#include <QString>
#include <cstdint>
#include <deque>
#include <vector>

#include "platform/Clock.h"
#include "platform/MediaCommands.h"
#include "platform/MessageService.h"
#include "platform/Waiter.h"

namespace pekuru {

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
    void advanceMs(std::int64_t ms) {
        tick_ = std::uint32_t(tick_ + std::uint64_t(ms));
        double s = seconds_ + double(ms) / 1000.0;
        while (s >= 86400.0) {
            s -= 86400.0;
            today_ = today_.addDays(1);
        }
        seconds_ = s;
    }

  private:
    QDate today_;
    double seconds_;
    std::uint32_t tick_;
};

namespace test {
// Waits that return at once, counted.
struct NoWait : Waiter {
    int calls = 0;
    void wait(double) override { ++calls; }
};
}  // namespace test

// Keeps every message for a test to read.
class RecordingMessageService : public MessageService {
  public:
    struct Message {
        Icon icon;
        QString title;
        QString text;
    };
    void showMessage(Icon icon, const QString& title, const QString& text) override {
        messages.push_back({icon, title, text});
    }
    std::vector<Message> messages;
};

// Keeps every command and answers with scripted result codes (0 once they run out).
class ScriptedMediaCommands final : public MediaCommands {
  public:
    int send(const QString& command) override {
        commands.push_back(command);
        if (results.empty()) return MediaOk;
        const int code = results.front();
        results.pop_front();
        return code;
    }
    QString errorText(int code) override { return mediaResultText(code); }

    std::vector<QString> commands;
    std::deque<int> results;
};

}  // namespace pekuru
