#pragma once

// Stand-ins for the parts of the program around a screen: sound cues that are only written down,
// waits that return at once, and the program's screen manager with a yield that lets a little fake
// time pass.
#include <QCoreApplication>
#include <QStringList>

#include "platform/Clock.h"
#include "platform/Waiter.h"
#include "shell/CuePlayer.h"
#include "shell/ScreenManager.h"
#include "support/Fakes.h"

namespace pekuru::test {

struct RecordingCues : CuePlayer {
    QStringList played;
    int count(const char16_t* cue) const { return int(played.count(QString::fromUtf16(cue))); }
    void 正解音再生() override { played << QStringLiteral("正解"); }
    void 間違い音再生() override { played << QStringLiteral("間違い"); }
    void 自己最高音再生() override { played << QStringLiteral("自己最高"); }
    void 不合格音再生() override { played << QStringLiteral("不合格"); }
    void 最高音再生() override { played << QStringLiteral("最高"); }
    void 合格音再生() override { played << QStringLiteral("合格"); }
};

struct NoWait : Waiter {
    void wait(double) override {}
};

// The program's screens; each yield moves the fake clock on by 4 ms, as a busy machine would.
struct YieldingScreens : ScreenManager {
    FakeClock* clock = nullptr;
    void yieldToEvents() override {
        if (clock) clock->advanceMs(4);
        QCoreApplication::processEvents();
    }
};

}  // namespace pekuru::test
