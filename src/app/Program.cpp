#include "app/Program.h"

#include "app/ScreenRegistry.h"
#include "platform/MediaCommands.h"
#include "roster/namesel.h"
#include "shell/Settings.h"
#include "shell/SoundCues.h"

namespace pekuru {

Program::Program(Clock& clock, Random& random, MessageService& messages, ScreenManager& screens,
                 Waiter& waiter)
    : state_(std::make_unique<hensuu1>()),
      screens_(screens),
      results_(*state_, clock, waiter),
      flow_(*state_, screens, results_),
      context_{*state_, clock, random, messages, flow_, screens, waiter, &results_} {
    screens_.setContext(&context_);
    registerScreens(screens_);
}

// The screens go before the sounds, the statistics and the state they use.
Program::~Program() { screens_.deleteAll(); }

SoundCues& Program::playSoundsThrough(std::unique_ptr<MediaCommands> media) {
    sounds_.reset();  // it plays through the output it replaces
    media_ = std::move(media);
    sounds_ = std::make_unique<SoundCues>(*state_, *media_, context_.random);
    context_.cues = sounds_.get();
    return *sounds_;
}

void Program::load(const QString& programFolder) {
    state_->HaikeiColor = 0x808000;
    設定読込(*state_, programFolder);
}

bool Program::start() {
    // namesel's load runs the single-instance test before the screen becomes visible.
    auto* first = new namesel(context_);
    if (!first->load()) {
        delete first;
        return false;
    }
    screens_.adopt(Screen::namesel, first);
    screens_.show(Screen::namesel);
    return true;
}

}  // namespace pekuru
