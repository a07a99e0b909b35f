#pragma once

// The one world the screen tests run in: the program put together by the same `Program` that
// main uses, with every real screen registered, over a clock that moves only when told to, seeded
// random numbers, message boxes that are only written down, waits that return at once and a screen
// manager that writes down what it shows and unloads. A fixture adds its classroom and puts bare
// stand-ins in place of the screens around the one it looks at.
#include <QDate>
#include <QTemporaryDir>
#include <QWidget>

#include "app/Program.h"
#include "platform/Random.h"
#include "support/Fakes.h"
#include "support/ScreenFakes.h"

namespace pekuru::test {

struct TestWorld {
    TestWorld(QDate today, double seconds, std::uint32_t seed) : clock(today, seconds), random(seed) {
        screens.clock = &clock;
        g->DataFolder = g->KyoutuuFolder = dir.path() + QStringLiteral("/");
    }
    // Every screen goes, the loaded ones and the unloaded ones still waiting to be deleted, before
    // the program whose context they point to.
    virtual ~TestWorld() {
        screens.deleteAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QTemporaryDir dir;  // the classroom's folder
    FakeClock clock;
    MersenneRandom random;
    RecordingMessageService messages;
    RecordingScreens screens;
    NoWait wait;
    Program program{clock, random, messages, screens, wait};
    hensuu1* g = &program.state();
    Results* results = &program.results();
    AppContext* ctx = &program.context();

    // A plain window, named after the screen, in place of one the test does not look at.
    void standIn(Screen s) {
        screens.registerScreen(s, [s](AppContext& c) { return makeBareScreen(c, screenName(s), {}); });
    }
    void standIn(std::initializer_list<Screen> list) {
        for (Screen s : list) standIn(s);
    }
    // Shows the screen and lets its activation run, as it does just after showing.
    QWidget* open(Screen s) {
        screens.show(s);
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
        return screens.loaded(s);
    }
};

}  // namespace pekuru::test
