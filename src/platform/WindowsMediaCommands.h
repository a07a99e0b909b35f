#pragma once

#include "platform/MediaCommands.h"

namespace pekuru {

// The media commands carried out by Windows' media control interface (winmm): a command goes to
// mciSendString as it is, but for the separators of its file, which MCI wants as "\"; its result
// is MCI's own error number (0 for success) and errorText is MCI's description of it, in the
// system's language. "play <file> wait" returns when the sound has ended.
class WindowsMediaCommands final : public MediaCommands {
  public:
    int send(const QString& command) override;
    QString errorText(int code) override;
};

}  // namespace pekuru
