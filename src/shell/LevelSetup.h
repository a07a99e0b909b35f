#pragma once

#include "shell/GlobalState.h"
#include "shell/Navigator.h"

namespace pekuru {

// The program's identity: its title and that printing is offered. Run once at start-up.
void プログラム名設定(hensuu1& g);

// After a name is confirmed: the level range and names, then the records hub.
void レベル名設定(hensuu1& g, Navigator& nav);

// The hub entry: clears the flags of the previous drill and shows the drill screen.
void ドリル開始(hensuu1& g, Navigator& nav);

}  // namespace pekuru
