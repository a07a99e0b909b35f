#pragma once

#include "shell/GlobalState.h"
#include "shell/Navigator.h"

namespace pekuru {

// The program's identity: its title and that printing is offered. Run once at start-up.
void プログラム名設定(hensuu1& g);

// After a name is confirmed, before the records hub comes up: the level range and names.
void レベル名設定(hensuu1& g);

// Before the drill screen comes up: clears the flags of the previous drill and lets pending
// events run.
void ドリル開始(hensuu1& g, EventPump& events);

}  // namespace pekuru
