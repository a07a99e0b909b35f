#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace pekuru {

// Decoded sample frames of a wave file, ready for an audio output.
struct WaveSound {
    // The coding of `frames`: 8-bit unsigned, 16-bit and 32-bit signed, 32-bit float, all
    // little-endian and interleaved. 24-bit files are widened to 32 bits, 64-bit float narrowed.
    enum class Sample { UInt8, Int16, Int32, Float };

    int channels = 0;
    int sampleRate = 0;
    Sample sample = Sample::Int16;
    QByteArray frames;

    int bytesPerSample() const { return sample == Sample::UInt8 ? 1 : sample == Sample::Int16 ? 2 : 4; }
    int bytesPerFrame() const { return bytesPerSample() * channels; }
    std::int64_t frameCount() const { return channels > 0 ? frames.size() / bytesPerFrame() : 0; }
    double seconds() const { return sampleRate > 0 ? double(frameCount()) / sampleRate : 0.0; }
};

// The outcome of reading a wave file: result is a MediaResult (MediaOk, MediaNotWave or
// MediaUnsupportedWave) and problem says what is wrong.
struct WaveReading {
    int result = 0;
    QString problem;
    WaveSound sound;
};

// Reads a RIFF/WAVE file held in memory: uncompressed PCM of 8, 16, 24 or 32 bits, or IEEE float
// of 32 or 64 bits, plain or in the extensible header, 1 to 8 channels. Unknown chunks are skipped;
// a data chunk cut short by the end of the file plays what is there (in whole frames).
WaveReading readWave(const QByteArray& bytes);

}  // namespace pekuru
