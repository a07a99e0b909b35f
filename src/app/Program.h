#pragma once

#include <QStringList>
#include <memory>

#include "app/ScreenFlow.h"
#include "records/Results.h"
#include "shell/AppContext.h"
#include "shell/ScreenManager.h"

namespace pekuru {

class CuePlayer;
class MediaCommands;
class SingleInstance;
class SoundCues;

// The program put together, in this one place: the shared state, the statistics, the screens and
// the context every screen is handed, over the services the caller gives. main gives the real
// ones; the benchmarks, the screenshot tool and the tests give a fake clock, recorded messages or
// written-down cues where they need them.
class Program {
  public:
    // Every screen of the program is registered with `screens` from the start.
    Program(Clock& clock, Random& random, MessageService& messages, ScreenManager& screens, Waiter& waiter);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    hensuu1& state() { return *state_; }
    AppContext& context() { return context_; }
    Results& results() { return results_; }
    ScreenManager& screens() { return screens_; }
    ScreenFlow& flow() { return flow_; }

    // The sound cues, played through `media` (main gives the host's, makeHostMediaCommands).
    SoundCues& playSoundsThrough(std::unique_ptr<MediaCommands> media);
    // Cues of the caller's own (a test writes them down).
    void useCues(CuePlayer& cues) { context_.cues = &cues; }
    // The name selection's load refuses a second copy of the program that this guards.
    void guardAgainstSecondCopies(SingleInstance& instance) { context_.instance = &instance; }

    // Reads the classroom's settings from its program folder.
    void load(const QString& programFolder);
    // Loads and shows the first screen, the name selection. False when its load refuses to run
    // (another copy of the program runs): nothing is shown then.
    bool start();

  private:
    std::unique_ptr<hensuu1> state_;
    ScreenManager& screens_;
    Results results_;
    ScreenFlow flow_;
    AppContext context_;
    std::unique_ptr<MediaCommands> media_;
    std::unique_ptr<SoundCues> sounds_;
};

}  // namespace pekuru
