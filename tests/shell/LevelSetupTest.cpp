// The level table of the program and the hub entry.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "shell/LevelSetup.h"

using namespace pekuru;

namespace {

struct CountingPump : EventPump {
    int yields = 0;
    void yieldToEvents() override { ++yields; }
    void waitForEvents(int) override { ADD_FAILURE() << "the start of a drill does not wait"; }
};

}  // namespace

// Which screens follow these steps is the flow's part (tests/app/FlowTest.cpp).
TEST(LevelSetup, NamesThreeLevels) {
    auto g = std::make_unique<hensuu1>();
    レベル名設定(*g);
    EXPECT_EQ(g->LevelCount, 3);
    EXPECT_EQ(g->MaxLevel, 3);
    EXPECT_EQ(g->LevelName[1], QStringLiteral("レベル1"));  // half-width 1
    EXPECT_EQ(g->LevelName[2], QStringLiteral("レベル２"));
    EXPECT_EQ(g->LevelName[3], QStringLiteral("レベル３"));
    for (int level = 0; level <= kMaxLevelIndex; ++level) {
        if (level == 0 || level > 3) {
            EXPECT_TRUE(g->LevelName[level].isEmpty()) << level;
        }
    }
}

TEST(LevelSetup, DrillStartClearsTheLastDrillsFlagsThenYields) {
    auto g = std::make_unique<hensuu1>();
    g->SyuuryouFlag = 1;
    g->KirokuChuu = 1;
    g->SeikaiSuu = 5;
    g->JikanGire = 1;  // as after a time-over
    g->LevelNo = 2;
    CountingPump pump;
    ドリル開始(*g, pump);
    EXPECT_EQ(g->SyuuryouFlag, 0);
    EXPECT_EQ(g->KirokuChuu, 0);
    EXPECT_EQ(g->SeikaiSuu, 0);
    EXPECT_EQ(g->JikanGire, 0);
    EXPECT_EQ(g->LevelNo, 2);  // not ours to clear
    EXPECT_EQ(pump.yields, 1);
}

TEST(LevelSetup, TheTitleAndPrinting) {
    auto g = std::make_unique<hensuu1>();
    プログラム名設定(*g);
    EXPECT_EQ(g->ProgTitle, QStringLiteral("ペクル"));
    EXPECT_EQ(g->ProgTitle.size(), 3);
    EXPECT_EQ(g->PrintOK, 1);
}
