#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QString>
#include <memory>

#include "platform/MediaCommands.h"
#include "platform/MediaWave.h"

class QAudioSink;

namespace pekuru {

// Plays wave files to the system's default audio output with Qt Multimedia's QAudioSink.
//
// "play <file> wait" reads and checks the file, writes its samples to the output and returns only
// when they have been played. Meanwhile the calling thread does nothing else: no event is handled,
// so neither a click nor a key nor a timer runs until the sound has ended. A missing file, a file
// that is not a playable wave file, no output device and an output that fails each give their own
// result code; errorText names the file and the cause of the last failure.
class AudioOutputMediaCommands final : public MediaCommands {
  public:
    AudioOutputMediaCommands();
    ~AudioOutputMediaCommands() override;

    int send(const QString& command) override;
    QString errorText(int code) override;

    // Longest wave file taken, in bytes: cues are seconds long, not hours.
    static constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

  private:
    int play(const WaveSound& sound, const QString& path);
    int fail(int code, const QString& detail);
    QAudioSink* sinkFor(const QByteArray& deviceId, const QAudioFormat& format);

    std::unique_ptr<QAudioSink> sink_;
    QByteArray sinkDevice_;
    QAudioFormat sinkFormat_;
    int lastCode_ = MediaOk;
    QString lastDetail_;
};

}  // namespace pekuru
