// The level table of the program and the hub entry.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "shell/LevelSetup.h"

using namespace pekuru;

namespace {

struct RecordingNavigator : Navigator {
    std::vector<Screen> shown;
    int yields = 0;
    int yieldsBeforeShow = -1;
    void show(Screen s) override {
        if (yieldsBeforeShow < 0) yieldsBeforeShow = yields;
        shown.push_back(s);
    }
    void unload(Screen) override {}
    void yieldToEvents() override { ++yields; }
};

}  // namespace

TEST(LevelSetup, NamesThreeLevelsAndOpensTheHub) {
    auto g = std::make_unique<hensuu1>();
    RecordingNavigator nav;
    レベル名設定(*g, nav);
    EXPECT_EQ(g->LevelCount, 3);
    EXPECT_EQ(g->MaxLevel, 3);
    EXPECT_EQ(g->LevelName[1], QStringLiteral("レベル1"));  // half-width 1
    EXPECT_EQ(g->LevelName[2], QStringLiteral("レベル２"));
    EXPECT_EQ(g->LevelName[3], QStringLiteral("レベル３"));
    for (int level = 0; level <= kMaxLevelIndex; ++level) {
        EXPECT_EQ(g->LevelTimed[level], (level >= 1 && level <= 3) ? 1 : 0) << level;
        if (level == 0 || level > 3) {
            EXPECT_TRUE(g->LevelName[level].isEmpty()) << level;
        }
    }
    EXPECT_EQ(nav.shown, std::vector<Screen>{Screen::seisekitime1});
}

TEST(LevelSetup, DrillStartClearsTheLastDrillsFlagsThenYieldsThenShowsTheDrill) {
    auto g = std::make_unique<hensuu1>();
    g->SyuuryouFlag = 1;
    g->KirokuChuu = 1;
    g->SeikaiSuu = 5;
    g->JikanGire = 1;  // as after a time-over
    g->KirokuTime = 99999;
    RecordingNavigator nav;
    ドリル開始(*g, nav);
    EXPECT_EQ(g->SyuuryouFlag, 0);
    EXPECT_EQ(g->KirokuChuu, 0);
    EXPECT_EQ(g->SeikaiSuu, 0);
    EXPECT_EQ(g->JikanGire, 0);
    EXPECT_EQ(g->KirokuTime, 99999);  // not ours to clear
    EXPECT_EQ(nav.yieldsBeforeShow, 1);
    EXPECT_EQ(nav.shown, std::vector<Screen>{Screen::MainFrm});
}

TEST(LevelSetup, TheTitleAndPrinting) {
    auto g = std::make_unique<hensuu1>();
    プログラム名設定(*g);
    EXPECT_EQ(g->ProgTitle, QStringLiteral("ペクル"));
    EXPECT_EQ(g->ProgTitle.size(), 3);
    EXPECT_EQ(g->PrintOK, 1);
}
