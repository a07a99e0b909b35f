#include "platform/MediaAudioOutput.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QThread>
#include <cmath>

namespace pekuru {

namespace {

constexpr int kPollMs = 5;      // how often the output's buffer is looked at while a sound plays
constexpr int kStallMs = 3000;  // an output that takes nothing for this long has stopped

QAudioFormat::SampleFormat qtSample(WaveSound::Sample s) {
    switch (s) {
        case WaveSound::Sample::UInt8:
            return QAudioFormat::UInt8;
        case WaveSound::Sample::Int16:
            return QAudioFormat::Int16;
        case WaveSound::Sample::Int32:
            return QAudioFormat::Int32;
        case WaveSound::Sample::Float:
            return QAudioFormat::Float;
    }
    return QAudioFormat::Unknown;
}

QString qtErrorName(QAudio::Error e) {
    switch (e) {
        case QAudio::NoError:
            return QStringLiteral("NoError");
        case QAudio::OpenError:
            return QStringLiteral("OpenError");
        case QAudio::IOError:
            return QStringLiteral("IOError");
        case QAudio::UnderrunError:
            return QStringLiteral("UnderrunError");
        case QAudio::FatalError:
            return QStringLiteral("FatalError");
    }
    return QStringLiteral("error %1").arg(int(e));
}

bool isFatal(QAudio::Error e) {
    return e == QAudio::OpenError || e == QAudio::IOError || e == QAudio::FatalError;
}

}  // namespace

AudioOutputMediaCommands::AudioOutputMediaCommands() = default;

AudioOutputMediaCommands::~AudioOutputMediaCommands() {
    if (sink_) sink_->stop();
}

int AudioOutputMediaCommands::fail(int code, const QString& detail) {
    lastCode_ = code;
    lastDetail_ = detail;
    return code;
}

QString AudioOutputMediaCommands::errorText(int code) {
    QString text = mediaResultText(code);
    if (code == lastCode_ && !lastDetail_.isEmpty()) text += QLatin1Char(' ') + lastDetail_;
    return text;
}

int AudioOutputMediaCommands::send(const QString& command) {
    lastCode_ = MediaOk;
    lastDetail_.clear();
    const ParsedMediaCommand parsed = parseMediaCommand(command);
    if (parsed.result != MediaOk) return fail(parsed.result, parsed.problem);

    // The file is checked before the output is touched, so that a bad file is named as such even
    // on a computer without sound.
    const QString named = QStringLiteral("『%1』").arg(parsed.path);
    const QFileInfo info(parsed.path);
    if (!info.exists() || info.isDir()) return fail(MediaFileNotFound, named);
    if (info.size() > kMaxFileBytes)
        return fail(MediaUnsupportedWave,
                    named + QStringLiteral(": 大きすぎます (larger than %1 bytes)").arg(kMaxFileBytes));
    QFile file(parsed.path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(MediaFileUnreadable, named + QStringLiteral(" (%1)").arg(file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fail(MediaFileUnreadable, named + QStringLiteral(" (%1)").arg(file.errorString()));
    file.close();

    const WaveReading wave = readWave(bytes);
    if (wave.result != MediaOk) return fail(wave.result, named + QStringLiteral(": ") + wave.problem);
    return play(wave.sound, named);
}

QAudioSink* AudioOutputMediaCommands::sinkFor(const QByteArray& deviceId, const QAudioFormat& format) {
    if (sink_ && sinkDevice_ == deviceId && sinkFormat_ == format) return sink_.get();
    if (sink_) {
        // Deleting a sink lets Qt handle pending events, which must not happen inside a command;
        // the old one goes when the event loop next runs.
        sink_->stop();
        sink_.release()->deleteLater();
    }
    const QList<QAudioDevice> outputs = QMediaDevices::audioOutputs();
    QAudioDevice device = QMediaDevices::defaultAudioOutput();
    for (const QAudioDevice& d : outputs) {
        if (d.id() == deviceId) device = d;
    }
    sink_ = std::make_unique<QAudioSink>(device, format);
    sinkDevice_ = deviceId;
    sinkFormat_ = format;
    return sink_.get();
}

int AudioOutputMediaCommands::play(const WaveSound& sound, const QString& named) {
    if (sound.frames.isEmpty()) return MediaOk;  // an empty data chunk: nothing to hear, nothing wrong

    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        return fail(MediaNoOutputDevice,
                    QStringLiteral(
                        "既定の出力が見つかりません (no default audio output; is a sound server running?)"));
    }
    QAudioFormat format;
    format.setSampleRate(sound.sampleRate);
    format.setChannelCount(sound.channels);
    format.setSampleFormat(qtSample(sound.sample));
    if (!device.isFormatSupported(format)) {
        return fail(MediaUnsupportedWave,
                    named + QStringLiteral(
                                ": %1 Hz, %2 チャンネルは「%3」で鳴らせません (not supported by the output)")
                                .arg(sound.sampleRate)
                                .arg(sound.channels)
                                .arg(device.description()));
    }

    QAudioSink* sink = sinkFor(device.id(), format);
    QIODevice* out = sink->start();
    if (!out || isFatal(sink->error())) {
        const QString why = qtErrorName(sink->error());
        sink->stop();
        return fail(MediaOutputFailed,
                    named + QStringLiteral(": 「%1」を開けません (%2)").arg(device.description(), why));
    }

    // Silence after the sound: the output starts only once its buffer has filled, and it must
    // have taken every sample of the sound before we stop it.
    const int frameBytes = sound.bytesPerFrame();
    const qint64 soundBytes = sound.frames.size();
    qint64 padBytes = qMax<qint64>(sink->bufferSize(), qint64(sound.sampleRate) * frameBytes / 10);
    padBytes += frameBytes - padBytes % frameBytes;
    QByteArray samples = sound.frames;
    samples.append(qsizetype(padBytes), sound.sample == WaveSound::Sample::UInt8 ? char(0x80) : char(0));
    const qint64 durationMs = qint64(std::ceil(sound.seconds() * 1000.0));

    // Feed the output from this thread without handling any event: the caller stands still, as
    // it would on a blocking call, until the output has played the sound's last sample.
    QElapsedTimer clock;
    clock.start();
    qint64 written = 0;
    qint64 lastConsumed = -1;
    qint64 lastProgressMs = 0;
    for (;;) {
        const qint64 free = sink->bytesFree();
        bool wrote = false;
        if (written < samples.size() && free >= frameBytes) {
            qint64 chunk = qMin(free, samples.size() - written);
            chunk -= chunk % frameBytes;
            const qint64 n = out->write(samples.constData() + written, chunk);
            if (n < 0) break;
            written += n;
            wrote = n > 0;
        }
        if (isFatal(sink->error()) || free < 0) {
            const QString why = qtErrorName(sink->error());
            sink->stop();
            return fail(MediaOutputFailed,
                        named + QStringLiteral(": 再生中に出力が止まりました (%1)").arg(why));
        }
        const qint64 queued = qMax<qint64>(0, sink->bufferSize() - sink->bytesFree());
        const qint64 consumed = written - queued;
        const qint64 now = clock.elapsed();
        if (consumed >= soundBytes && now >= durationMs) break;
        if (consumed != lastConsumed) {
            lastConsumed = consumed;
            lastProgressMs = now;
        } else if (consumed < soundBytes && now - lastProgressMs > kStallMs) {
            sink->stop();
            return fail(MediaOutputFailed,
                        named + QStringLiteral(
                                    ": 出力が %1 秒間 音を受け取りません (the output stopped taking samples)")
                                    .arg(kStallMs / 1000));
        }
        if (!wrote) QThread::msleep(kPollMs);
    }
    sink->stop();
    if (written < soundBytes)
        return fail(MediaOutputFailed, named + QStringLiteral(": 書き込めません (write failed)"));
    return MediaOk;
}

}  // namespace pekuru
