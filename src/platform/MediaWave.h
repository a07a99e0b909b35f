#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace pekuru {

// Decoded sample frames of a wave file, ready for an audio output.
struct WaveSound {
    // The coding of `frames`: 8-bit unsigned, 16-bit and 32-bit signed, 32-bit float, all
    // little-endian and interleaved. 24-bit files are widened to 32 bits, 64-bit float narrowed
    // (float samples are clipped to -1…1); compressed codings (ADPCM, μ-law, A-law, GSM 6.10…)
    // are decoded to 16 bits.
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

// Decoded sound taken at most, in bytes: 4-bit ADPCM in a file of the largest size taken (64 MiB)
// makes 256 MiB of 16-bit samples. A cue is seconds long; more only exhausts memory.
constexpr std::int64_t kMaxSoundBytes = 256 * 1024 * 1024;

// Reads a RIFF/WAVE (or RF64) file held in memory, 1 to 8 channels at 1000 to 192000 Hz, in any
// coding that libsndfile decodes there: PCM of 8 to 32 bits, IEEE float of 32 or 64 bits, IMA and
// Microsoft ADPCM, μ-law, A-law, GSM 6.10 and others, plain or in the extensible header. The fmt
// chunk must come before the data chunk; other chunks are skipped. A data chunk cut short by the
// end of the file plays what is there in whole blocks (whole frames, for PCM), and a compressed
// sound ends where its fact chunk says, not with the padding of its last block. A file whose
// decoded samples would exceed maxSoundBytes is refused (MediaUnsupportedWave).
WaveReading readWave(const QByteArray& bytes, std::int64_t maxSoundBytes = kMaxSoundBytes);

}  // namespace pekuru
