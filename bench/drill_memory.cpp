// bench-drill-memory --folder DIR: the program's own screens and services, put together exactly as
// main.cpp does (real clock, the sound output loaded on the first sound, the screen manager), driven to a
// level 3 drill: it picks the first student, starts level 3 from the records hub, lets the picture be
// memorised for a second, presses スタート (the 5 × 5 tiles are cut and shuffled) and lets the drill run for
// two more seconds. Then it writes "PEKURU_DRILL_READY" to standard error and goes on running, so that the
// measurement reads its peak memory (VmHWM) from outside, as it does for the other programs.
#include <QDeadlineTimer>
#include <QListWidget>
#include <QPushButton>
#include <cstdio>
#include <functional>
#include <memory>

#include "app/Program.h"
#include "drill/MainFrm.h"
#include "platform/LazyMediaCommands.h"
#include "platform/PekuruApplication.h"
#include "platform/SingleInstance.h"
#include "platform/Waiter.h"
#include "platform/WidgetMessageService.h"
#include "shell/ScreenManager.h"
#include "shell/Settings.h"
#include "shell/SoundCues.h"
#include "shell/Startup.h"

using namespace pekuru;

namespace {

bool pumpUntil(const std::function<bool()>& done, int ms) {
    QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    }
    return true;
}

void pumpFor(int ms) {
    pumpUntil([] { return false; }, ms);
}

int fail(const char* what) {
    std::fprintf(stderr, "bench-drill-memory: %s\n", what);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    PekuruApplication app(argc, argv);
    const CommandLine cl =
        parseCommandLine(PekuruApplication::arguments(), PekuruApplication::applicationDirPath());
    if (!cl.error.isEmpty() || !cl.folderGiven) return fail("usage: bench-drill-memory --folder DIR");
    StderrMessageService messages;
    app.setMessageService(&messages);

    SystemClock clock;
    MersenneRandom random;
    ScreenManager screens;
    SingleInstance instance(cl.programFolder);
    EventLoopWaiter waiter(clock);
    Program program(clock, random, messages, screens, waiter);
    program.guardAgainstSecondCopies(instance);
    SoundCues& sounds = program.playSoundsThrough(
        std::make_unique<LazyMediaCommands>(QStringList{QStringLiteral(PEKURU_SOUND_MODULE_DIR)}));
    hensuu1* state = &program.state();

    bool ok = false;
    app.runGuarded([&] {
        program.load(cl.programFolder);
        ok = program.start();
    });
    if (!ok) return fail("the name selection did not load");

    QWidget* sel = screens.loaded(Screen::namesel);
    pumpFor(300);
    sel->findChild<QListWidget*>(QStringLiteral("List1"))->setCurrentRow(1);
    sel->findChild<QPushButton*>(QStringLiteral("Command14"))->click();
    if (!pumpUntil([&] { return screens.loaded(Screen::seisekitime1) != nullptr; }, 20000))
        return fail("the records hub did not open");
    pumpFor(300);
    screens.loaded(Screen::seisekitime1)->findChild<QPushButton*>(QStringLiteral("Command4_3"))->click();
    if (!pumpUntil([&] { return screens.loaded(Screen::MainFrm) != nullptr; }, 20000))
        return fail("the level 3 drill did not open");
    auto* drill = qobject_cast<MainFrm*>(screens.loaded(Screen::MainFrm));
    pumpFor(1000);
    drill->findChild<QPushButton*>(QStringLiteral("PicClipCnd1_2"))->click();
    if (!pumpUntil([&] { return drill->puzzle().phase() == TilePuzzle::Phase::Arrange; }, 20000))
        return fail("スタート did not shuffle the tiles");
    if (state->LevelNo != 3 || drill->puzzle().board().tileCount() != 25)
        return fail("not a 5 × 5 level 3 drill");
    // The correct-answer cue, as after the first solved picture: the sound output is loaded now.
    sounds.正解音再生();
    pumpFor(2000);
    std::fprintf(stderr, "PEKURU_DRILL_READY\n");
    std::fflush(stderr);
    return app.exec();
}
