// The points rule "the first three characters of the time's decimal text", at every change in the
// number of digits and for the negative times a damaged file can hold (the sign is one of the three).
#include <gtest/gtest.h>

#include <memory>

#include "records/Results.h"
#include "support/Fakes.h"

using namespace pekuru;

namespace {

struct IdleWaiter : Waiter {
    void wait(double) override {}
};

}  // namespace

TEST(PointsDigits, TheFirstThreeCharactersOfTheTimeCount) {
    auto g = std::make_unique<hensuu1>();
    FakeClock clock;
    IdleWaiter waiter;
    Results results(*g, clock, waiter);
    struct Case {
        Long target;
        Long t;
        Long points;  // Int(((G − x) ÷ G)³ × 50 + 5) with x from the text of t
    };
    const Case cases[] = {
        {100, 99, 5},                // "99": two digits count whole
        {1000, 100, 41},             // "100"
        {1000, 999, 5},              // "999"
        {1000, 1000, 41},            // "100" of "1000", not 1000 itself
        {20000, 12345, 54},          // "123"
        {20000, 19999, 53},          // "199"
        {99997, 99997, 53},          // "999", the last time that still earns points
        {60, 0, 55},                 // "0"
        {60, -1, 57},                // "-1"
        {60, -5, 68},                // "-5"
        {60, -99, 935},              // "-99"
        {60, -100, 84},              // "-10"
        {60, -123, 91},              // "-12"
        {60, -2147483647 - 1, 128},  // "-21" of the smallest 32-bit time
    };
    int level = 1;
    for (const Case& c : cases) {
        g->GoukakuTime[level] = c.target;
        g->LevelPoint[level] = 1;
        EXPECT_EQ(results.KeisanPoint(c.t, level), c.points) << "t=" << c.t << " G=" << c.target;
        level = level % kMaxLevelIndex + 1;
    }
}
