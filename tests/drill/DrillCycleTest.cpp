// The drill clock, the countdown squares, time-over and the end of the drill, on a fake clock.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTimer>
#include <functional>
#include <iostream>
#include <memory>

#include "drill/DrillCycle.h"
#include "records/RecordFormat.h"
#include "records/Results.h"
#include "support/Fakes.h"
#include "support/ProcessCpu.h"
#include "support/TestSupport.h"
#include "support/TestWorld.h"

using namespace pekuru;

namespace {

// The drill screen's part, written down: the clock's state and the notices shown. Events run
// through the world's recording screens.
struct Host : DrillHost {
    test::RecordingScreens* screens = nullptr;
    bool running = false;
    int notices = 0;
    bool timeOverNotice = false;
    void yieldToEvents() override { screens->yieldToEvents(); }
    void waitForEvents(int milliseconds) override { screens->waitForEvents(milliseconds); }
    void setClockRunning(bool r) override { running = r; }
    void showNotice(bool timeOver) override {
        ++notices;
        timeOverNotice = timeOver;
    }
    void stripChanged() override {}
};

// The drill's cycle in the program's world, the screens around it plain stand-ins.
struct Drill : test::TestWorld {
    Host host;
    std::unique_ptr<DrillCycle> cycle;

    Drill(Long target, Long limit) : TestWorld(QDate(2024, 5, 10), 10 * 3600.0, 1) {
        for (Screen s : test::allScreens()) standIn(s);
        g->LevelNo = 1;
        g->SeitoBangou = 1;
        g->GoukakuTime[1] = target;
        g->SeigenTime[1] = limit;
        g->LevelPoint[1] = 1;
        g->ProgTitle = QStringLiteral("ペクル");
        g->LevelName[1] = QStringLiteral("レベル1");
        host.screens = &screens;
        cycle = std::make_unique<DrillCycle>(*g, clock, program.flow(), host);
        cycle->初期設定();
        cycle->スタート();
    }
    ~Drill() override { cycle.reset(); }
    // Polls that come `ms` apart, whatever the pause asks for; `also` runs on each.
    void pollsEvery(int ms, std::function<void()> also = {}) {
        screens.clock = nullptr;
        screens.onYield = [this, ms, also] {
            clock.advanceMs(ms);
            if (also) also();
        };
    }
    // The tick of the clock at `seconds` after the start.
    void tickAt(double seconds) {
        clock.setSeconds(double(g->StartTime) + seconds);
        cycle->tick();
    }
    std::vector<int> hidden() const {
        std::vector<int> out;
        for (int i = 10; i <= 39; ++i)
            if (cycle->strip().squareHidden[std::size_t(i)]) out.push_back(i);
        return out;
    }
    int records() const { return int(test::readBytes(sharedResultPath(*g)).size() / kSeisekiRecLength); }
    Long recordedTime(int n) const {
        return decodeSeisekiRec(test::readBytes(sharedResultPath(*g)).constData() +
                                (n - 1) * kSeisekiRecLength)
            .time;
    }
};

}  // namespace

TEST(DrillClock, RedSquaresGoOneASecondUpToTheTarget) {
    Drill d(20, 1000);
    d.tickAt(10);
    EXPECT_TRUE(d.hidden().empty());
    d.tickAt(11);
    EXPECT_EQ(d.hidden(), std::vector<int>{30});
    d.tickAt(15);
    EXPECT_EQ(d.hidden(), (std::vector<int>{30, 31, 32, 33, 34}));
    d.tickAt(20);
    EXPECT_EQ(d.hidden().size(), 10u);
    EXPECT_EQ(d.hidden().front(), 30);
    EXPECT_EQ(d.hidden().back(), 39);
}

TEST(DrillClock, AndAgainUpToTheLimitLeavingASkippedSecondsSquare) {
    Drill d(200, 60);  // a target beyond the limit keeps the first rule out of the way
    d.tickAt(50);
    EXPECT_TRUE(d.hidden().empty());
    d.tickAt(51);
    EXPECT_EQ(d.hidden(), std::vector<int>{30});
    d.tickAt(52);
    d.tickAt(54);  // 53 skipped, e.g. by a penalty
    EXPECT_EQ(d.hidden(), (std::vector<int>{30, 31, 33}));
    d.tickAt(60);
    EXPECT_EQ(d.hidden(), (std::vector<int>{30, 31, 33, 39}));
}

TEST(DrillClock, ElapsedTimeRoundsHalvesToEvenAndKeepsCountingPastMidnight) {
    Drill d(60, 120);
    d.tickAt(2.5);
    EXPECT_EQ(d.g->KeikaTime, 2);
    d.tickAt(3.5);
    EXPECT_EQ(d.g->KeikaTime, 4);
    EXPECT_EQ(d.cycle->strip().elapsedSeconds, QStringLiteral("4"));
    EXPECT_NEAR(d.cycle->strip().elapsed, 4.0 / 600, 1e-9);
    // Started ten seconds before midnight, ticking twenty seconds later.
    d.g->StartTime = 86390;
    d.clock.setSeconds(10);
    d.cycle->tick();
    EXPECT_EQ(d.g->KeikaTime, 20);
    EXPECT_EQ(DrillCycle::secondsSince(5, 86395), 10.0f);
}

TEST(DrillClock, TimeOverComesAtFiveTimesTheLimitAndRecords99999) {
    Drill d(30, 60);
    EXPECT_EQ(d.g->BarMax, 300);
    d.tickAt(60);
    d.tickAt(299);
    EXPECT_EQ(d.g->JikanGire, 0);
    EXPECT_EQ(d.records(), 0);
    d.tickAt(300);
    EXPECT_EQ(d.g->JikanGire, 1);
    EXPECT_FALSE(d.host.running);
    EXPECT_TRUE(d.host.timeOverNotice);
    EXPECT_EQ(d.program.flow().lastAttempt().KirokuTime, 99999);
    EXPECT_TRUE(d.program.flow().lastAttempt().JikanGire);
    ASSERT_EQ(d.records(), 1);
    EXPECT_EQ(d.recordedTime(1), 99999);
    EXPECT_EQ(d.cycle->strip().elapsed, 1.0);
    EXPECT_EQ(d.screens.count("show BASEFRM"), 1);
    EXPECT_EQ(d.screens.count("unload MainFrm"), 1);
    EXPECT_EQ(d.screens.count("show FrmSyuuryou"), 1);
    // A late tick still at the cut-off starts no second ending.
    d.tickAt(301);
    EXPECT_EQ(d.records(), 1);
    EXPECT_EQ(d.host.notices, 1);
}

TEST(DrillClock, APenaltyJustBeforeTheCutOffEndsTheDrillOnTheNextTick) {
    Drill d(30, 60);
    d.tickAt(290);
    d.g->StartTime -= 10;  // a wrong check
    d.clock.setSeconds(double(d.g->StartTime) + 10 + 291);
    d.cycle->tick();
    EXPECT_EQ(d.g->KeikaTime, 301);
    EXPECT_EQ(d.g->JikanGire, 1);
}

TEST(EndOfDrill, CompletionRecordsTheTimeOfTheLastTickAndOnlyOneEndingRuns) {
    Drill d(30, 60);
    d.tickAt(83);
    d.clock.advanceMs(700);  // completion 0.7 s after that tick
    d.cycle->allPicturesSolved();
    EXPECT_EQ(d.g->SyuuryouFlag, 1);
    EXPECT_FALSE(d.host.timeOverNotice);
    ASSERT_EQ(d.records(), 1);
    EXPECT_EQ(d.recordedTime(1), 83);
    // A tick at the cut-off in the same second finds the drill over.
    d.tickAt(300);
    EXPECT_EQ(d.g->JikanGire, 0);
    EXPECT_EQ(d.records(), 1);
}

TEST(EndOfDrill, ASecondCallDuringThePauseChangesNothing) {
    Drill d(30, 60);
    d.tickAt(40);
    int reentered = 0;
    d.pollsEvery(3, [&] {
        if (reentered++ == 5) d.cycle->成績記録終了();  // e.g. from a tick arriving meanwhile
    });
    d.cycle->allPicturesSolved();
    EXPECT_EQ(d.records(), 1);
    EXPECT_EQ(d.host.notices, 1);
    EXPECT_EQ(d.screens.count("show FrmSyuuryou"), 1);
}

TEST(EndOfDrill, ThePauseCountsOneStepPerPollAndCarriesTheExcess) {
    // Polls 35 ms apart count one step each and carry 25 ms, so the pause takes 100 polls
    // (3.5 s) however late they come; polls 11 ms apart count one step each too; polls 3 ms apart
    // take one second in all.
    struct Case {
        int msPerPoll;
        int polls;  // -1: not counted
        std::uint32_t minSpent, maxSpent;
    } cases[] = {{35, 100, 3500, 3500}, {11, 100, 1100, 1100}, {3, -1, 1000, 1100}};
    for (const Case& c : cases) {
        Drill d(30, 60);
        int polls = 0;
        d.pollsEvery(c.msPerPoll, [&] { ++polls; });
        const std::uint32_t start = d.clock.tickCount();
        d.cycle->待機後終了画面(1.0);
        const std::uint32_t spent = d.clock.tickCount() - start;
        EXPECT_EQ(d.screens.count("show FrmSyuuryou"), 1) << c.msPerPoll;
        if (c.polls >= 0) {
            EXPECT_EQ(polls, c.polls) << c.msPerPoll;
        }
        EXPECT_GE(spent, c.minSpent) << c.msPerPoll;
        EXPECT_LE(spent, c.maxSpent) << c.msPerPoll;
    }
}

TEST(EndOfDrill, ThePauseSleepsUntilTheNextStepIsDue) {
    // Left to itself the pause asks to sleep until its next 10 ms step: about a hundred polls for
    // the second, each waiting for events rather than asking again at once, and across both of the
    // tick count's wraps.
    for (std::uint32_t startTick : {1000u, 0x7FFFFF00u, 0xFFFFFF00u}) {
        Drill d(30, 60);
        d.clock.setTick(startTick);
        const int yieldsBefore = d.screens.yields, waitedBefore = d.screens.waitedMs;
        d.cycle->待機後終了画面(1.0);
        const std::uint32_t spent = d.clock.tickCount() - startTick;
        EXPECT_GE(spent, 1000u) << std::hex << startTick;
        EXPECT_LE(spent, 1011u) << std::hex << startTick;
        EXPECT_LE(d.screens.yields - yieldsBefore, 101) << std::hex << startTick;
        EXPECT_EQ(d.screens.waitedMs - waitedBefore, int(spent)) << std::hex << startTick;
        EXPECT_EQ(d.screens.count("show FrmSyuuryou"), 1);
    }
}

TEST(DrillClock, ALevelWithoutALimitNeverTimesOut) {
    Drill d(60, 0);
    EXPECT_TRUE(d.cycle->strip().noLimit);
    d.tickAt(5000);
    EXPECT_EQ(d.g->JikanGire, 0);
    EXPECT_EQ(d.cycle->strip().elapsed, 1.0);
    EXPECT_EQ(d.records(), 0);
}

TEST(DrillSetUp, StatusTextsCountThisAttempt) {
    Drill d(30, 60);
    d.g->HonjituKaisuu(1, 1) = 2;
    d.g->HonjituKaisuu(1, 2) = 3;
    d.g->SeitoNamae = QStringLiteral("  はなこ    ");
    d.g->KaisiTime = Long(d.clock.secondsSinceMidnight()) - 125;
    d.g->ProgTitle = QStringLiteral("とてもながいなまえのドリル");
    d.cycle->初期設定();
    const StatusStrip& s = d.cycle->strip();
    EXPECT_EQ(s.levelAttemptToday, QStringLiteral("3"));
    EXPECT_EQ(s.attemptToday, QStringLiteral("6"));
    EXPECT_EQ(s.minutesSinceConfirmed, QStringLiteral("2"));
    EXPECT_EQ(s.studentName, QStringLiteral("はなこ"));
    EXPECT_EQ(s.titlePointSize, 14.0);
    EXPECT_NEAR(s.target, 0.1, 1e-9);
    EXPECT_NEAR(s.limit, 0.2, 1e-9);
    EXPECT_EQ(d.screens.count("unload seisekitime1"), 2);  // once per set-up
}

TEST(EndOfDrill, ThePauseOnTheRealClockWaitsWithoutKeepingTheProcessorBusy) {
    // The one-second pause as the program runs it: the system's tick count and the screen
    // manager's own wait for events. A second ending and a clock tick arrive in the middle of it,
    // as a late timer would deliver them; they change nothing.
    Drill d(30, 60);
    SystemClock clock;
    struct RealWaits : Host {
        test::RecordingScreens* manager = nullptr;
        void waitForEvents(int milliseconds) override { manager->ScreenManager::waitForEvents(milliseconds); }
    } host;
    host.screens = host.manager = &d.screens;
    d.g->KirokuChuu = 0;
    DrillCycle cycle(*d.g, clock, d.program.flow(), host);
    bool interrupted = false;
    QTimer::singleShot(300, [&] {
        cycle.成績記録終了();
        cycle.tick();
        interrupted = true;
    });
    QElapsedTimer wall;
    wall.start();
    const double cpuBefore = test::processCpuSeconds();
    cycle.allPicturesSolved();
    const double cpu = test::processCpuSeconds() - cpuBefore;
    const qint64 ms = wall.elapsed();
    std::cout << "the pause: " << ms << " ms, " << int(cpu * 1000) << " ms of processor time\n";
    EXPECT_TRUE(interrupted);
    EXPECT_GE(ms, 1000);
    ASSERT_GE(cpuBefore, 0.0);
    EXPECT_LT(cpu, 0.25) << "a pause of one second that keeps a processor busy";
    EXPECT_EQ(d.records(), 1);
    EXPECT_EQ(d.screens.count("show FrmSyuuryou"), 1);
    EXPECT_EQ(d.screens.count("show BASEFRM"), 1);
    EXPECT_EQ(host.notices, 1);
}
