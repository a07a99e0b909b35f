#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "platform/MediaCommands.h"

namespace pekuru {

// The sound output, loaded when the first sound is played rather than at start-up. Qt Multimedia
// and the sound libraries below it (PulseAudio, codecs: some thirty shared libraries) cost about
// as much start-up time as the whole of a bare Qt window, and a child is waiting for the name list.
// The real output (AudioOutputMediaCommands) lives in the module pekuru-sound.so; this class finds
// it in `moduleFolders`, in order (the program's are HostFolders::soundModuleFolders), and hands
// every command on to it. When the module cannot be loaded, every command fails with
// MediaNoOutputDevice and errorText names the module and the cause.
class LazyMediaCommands final : public MediaCommands {
  public:
    explicit LazyMediaCommands(QStringList moduleFolders);
    ~LazyMediaCommands() override;

    int send(const QString& command) override;
    QString errorText(int code) override;

    static constexpr const char* kModuleName = "pekuru-sound.so";
    // The module's one entry point: makes the real output (the caller owns it).
    static constexpr const char* kFactoryName = "pekuru_make_media_commands";

  private:
    bool load();

    QStringList folders_;
    bool tried_ = false;
    void* handle_ = nullptr;
    std::unique_ptr<MediaCommands> real_;
    QString loadProblem_;
};

}  // namespace pekuru
