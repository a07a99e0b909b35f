// The drill clock, the countdown squares, time-over and the end of the drill, on a fake clock.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "app/ScreenFlow.h"
#include "drill/DrillCycle.h"
#include "records/RecordFormat.h"
#include "records/Results.h"
#include "support/Fakes.h"
#include "support/TestSupport.h"

using namespace pekuru;

namespace {

struct NoWait : Waiter {
    void wait(double) override {}
};

struct Nav : Navigator {
    std::vector<std::pair<char, Screen>> log;  // 's' shown, 'u' unloaded
    std::function<void()> onYield;
    QWidget* load(Screen) override { return nullptr; }
    void show(Screen s) override { log.push_back({'s', s}); }
    void unload(Screen s) override { log.push_back({'u', s}); }
    void yieldToEvents() override {
        if (onYield) onYield();
    }
    int count(char what, Screen s) const {
        int n = 0;
        for (const auto& e : log) n += (e.first == what && e.second == s) ? 1 : 0;
        return n;
    }
};

struct Host : DrillHost {
    Nav* nav = nullptr;
    bool running = false;
    int notices = 0;
    bool timeOverNotice = false;
    int yields = 0;
    void yieldToEvents() override {
        ++yields;
        nav->yieldToEvents();
    }
    void setClockRunning(bool r) override { running = r; }
    void showNotice(bool timeOver) override {
        ++notices;
        timeOverNotice = timeOver;
    }
    void stripChanged() override {}
};

struct Drill {
    QTemporaryDir dir;
    std::unique_ptr<hensuu1> g = std::make_unique<hensuu1>();
    FakeClock clock{QDate(2024, 5, 10), 10 * 3600.0};
    NoWait wait;
    std::unique_ptr<Results> results;
    Nav nav;
    std::unique_ptr<ScreenFlow> flow;
    Host host;
    std::unique_ptr<DrillCycle> cycle;

    Drill(Long target, Long limit) {
        g->DataFolder = g->KyoutuuFolder = dir.path() + QStringLiteral("/");
        g->LevelNo = 1;
        g->SeitoBangou = 1;
        g->GoukakuTime[1] = target;
        g->SeigenTime[1] = limit;
        g->LevelPoint[1] = 1;
        g->ProgTitle = QStringLiteral("ペクル");
        g->LevelName[1] = QStringLiteral("レベル1");
        results = std::make_unique<Results>(*g, clock, wait);
        host.nav = &nav;
        flow = std::make_unique<ScreenFlow>(*g, nav, *results);
        cycle = std::make_unique<DrillCycle>(*g, clock, *flow, host);
        // Each poll of the one-second pause lets 3 ms pass unless a test says otherwise.
        nav.onYield = [this] { clock.advanceMs(3); };
        cycle->初期設定();
        cycle->スタート();
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
    EXPECT_EQ(d.cycle->strip().sLabel10, QStringLiteral("4"));
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
    EXPECT_EQ(d.flow->lastAttempt().KirokuTime, 99999);
    EXPECT_TRUE(d.flow->lastAttempt().JikanGire);
    ASSERT_EQ(d.records(), 1);
    EXPECT_EQ(d.recordedTime(1), 99999);
    EXPECT_EQ(d.cycle->strip().elapsed, 1.0);
    EXPECT_EQ(d.nav.count('s', Screen::BASEFRM), 1);
    EXPECT_EQ(d.nav.count('u', Screen::MainFrm), 1);
    EXPECT_EQ(d.nav.count('s', Screen::FrmSyuuryou), 1);
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
    d.nav.onYield = [&] {
        d.clock.advanceMs(3);
        if (reentered++ == 5) d.cycle->成績記録終了();  // e.g. from a tick arriving meanwhile
    };
    d.cycle->allPicturesSolved();
    EXPECT_EQ(d.records(), 1);
    EXPECT_EQ(d.host.notices, 1);
    EXPECT_EQ(d.nav.count('s', Screen::FrmSyuuryou), 1);
}

TEST(EndOfDrill, ThePauseCountsOneStepPerPollAndCarriesTheExcess) {
    // Polls 35 ms apart count one step each and carry 25 ms, so the pause takes 100 polls
    // (3.5 s) however late they come; polls 11 ms apart count one step each too.
    for (const int msPerPoll : {35, 11}) {
        Drill d(30, 60);
        int polls = 0;
        d.nav.onYield = [&] {
            d.clock.advanceMs(msPerPoll);
            ++polls;
        };
        d.cycle->待機後終了画面(1.0);
        EXPECT_EQ(d.nav.count('s', Screen::FrmSyuuryou), 1);
        EXPECT_EQ(polls, 100) << msPerPoll;
    }
    // Polls 3 ms apart: one second in all.
    Drill fast(30, 60);
    const std::uint32_t start = fast.clock.tickCount();
    fast.nav.onYield = [&] { fast.clock.advanceMs(3); };
    fast.cycle->待機後終了画面(1.0);
    const std::uint32_t spent = fast.clock.tickCount() - start;
    EXPECT_GE(spent, 1000u);
    EXPECT_LE(spent, 1100u);
}

TEST(EndOfDrill, TheTickCountsWrapNeitherStretchesNorCutsThePause) {
    for (std::uint32_t startTick : {0x7FFFFF00u, 0xFFFFFF00u}) {
        Drill d(30, 60);
        d.clock.setTick(startTick);
        d.nav.onYield = [&] { d.clock.advanceMs(3); };
        d.cycle->待機後終了画面(1.0);
        const std::uint32_t spent = d.clock.tickCount() - startTick;
        EXPECT_GE(spent, 1000u) << std::hex << startTick;
        EXPECT_LE(spent, 1100u) << std::hex << startTick;
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
    EXPECT_EQ(s.sLabel11, QStringLiteral("3"));
    EXPECT_EQ(s.sLabel12, QStringLiteral("6"));
    EXPECT_EQ(s.sLabel13, QStringLiteral("2"));
    EXPECT_EQ(s.sLabel7, QStringLiteral("はなこ"));
    EXPECT_EQ(s.sLabel2PointSize, 14.0);
    EXPECT_NEAR(s.target, 0.1, 1e-9);
    EXPECT_NEAR(s.limit, 0.2, 1e-9);
    EXPECT_EQ(d.nav.count('u', Screen::seisekitime1), 2);  // once per set-up
}
