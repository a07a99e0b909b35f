#pragma once

#include "shell/ScreenManager.h"

namespace pekuru {

// Tells the screen manager how to make every screen of the program.
void registerScreens(ScreenManager& screens);

}  // namespace pekuru
