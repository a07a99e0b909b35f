#pragma once

#include "platform/Clock.h"
#include "platform/MessageService.h"
#include "platform/Random.h"
#include "shell/Flow.h"
#include "shell/GlobalState.h"
#include "shell/Navigator.h"

namespace pekuru {

class SingleInstance;
class CuePlayer;
class Results;
class Waiter;

// What every screen is handed: the shared state and the host services. Made once in main (or in a
// test, with fakes) and passed by reference; nothing here is global.
struct AppContext {
    hensuu1& g;
    Clock& clock;
    Random& random;
    MessageService& messages;
    Flow& flow;         // told what the user did; it decides which screen follows
    EventPump& events;  // lets pending events run
    Waiter& waiter;
    Results* results = nullptr;          // the shared result file and its statistics
    SingleInstance* instance = nullptr;  // the single-instance test of namesel
    CuePlayer* cues = nullptr;           // the sound cues; none in most tests
};

}  // namespace pekuru
