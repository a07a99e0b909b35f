#pragma once

// The one world the screen tests run in: the program put together by the same `Program` that
// main uses, over a clock that moves only when told to, seeded random numbers, message boxes that
// are only written down, waits that return at once, and a screen manager of the test's choosing.
// A fixture adds its classroom and registers the screens it looks at (and bare stand-ins for the
// screens around them).
#include <QDate>
#include <QTemporaryDir>

#include "app/Program.h"
#include "platform/Random.h"
#include "support/Fakes.h"
#include "support/ScreenFakes.h"

namespace pekuru::test {

template <typename Screens = YieldingScreens>
struct TestWorld {
    TestWorld(QDate today, double seconds, std::uint32_t seed) : clock(today, seconds), random(seed) {
        if constexpr (requires { screens.clock; }) screens.clock = &clock;
        g->DataFolder = g->KyoutuuFolder = dir.path() + QStringLiteral("/");
    }
    virtual ~TestWorld() = default;

    QTemporaryDir dir;  // the classroom's folder
    FakeClock clock;
    MersenneRandom random;
    RecordingMessageService messages;
    Screens screens;
    NoWait wait;
    Program program{clock, random, messages, screens, wait};
    hensuu1* g = &program.state();
    Results* results = &program.results();
    AppContext* ctx = &program.context();

    // A plain window in place of a screen the test does not look at.
    void standIn(Screen s, const QString& name) {
        screens.registerScreen(s, [name](AppContext& c) { return makeBareScreen(c, name, {}); });
    }
};

}  // namespace pekuru::test
