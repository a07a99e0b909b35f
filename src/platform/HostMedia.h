#pragma once

#include <QString>
#include <memory>

#include "platform/MediaCommands.h"

namespace pekuru {

// The program's sound output on this host: on Linux the sound module beside the executable (or in
// lib/pekuru of its prefix), loaded with the first sound (LazyMediaCommands); on Windows the
// system's media control interface (WindowsMediaCommands).
std::unique_ptr<MediaCommands> makeHostMediaCommands(const QString& executableFolder);

}  // namespace pekuru
