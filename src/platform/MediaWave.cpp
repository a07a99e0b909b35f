#include "platform/MediaWave.h"

#include <cstring>

#include "platform/MediaCommands.h"

namespace pekuru {

namespace {

constexpr int kFormatPcm = 1;
constexpr int kFormatFloat = 3;
constexpr int kFormatExtensible = 0xFFFE;
constexpr int kMaxChannels = 8;
constexpr int kMinRate = 1000;
constexpr int kMaxRate = 192000;

std::uint32_t u32(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 |
           std::uint32_t(b[3]) << 24;
}
std::uint16_t u16(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return std::uint16_t(b[0] | b[1] << 8);
}

WaveReading refuse(int result, const QString& problem) {
    WaveReading r;
    r.result = result;
    r.problem = problem;
    return r;
}

// 24-bit samples become 32-bit ones (the low byte zero), so every output can take them.
QByteArray widen24(const char* data, std::int64_t samples) {
    QByteArray out(qsizetype(samples * 4), '\0');
    char* o = out.data();
    for (std::int64_t i = 0; i < samples; ++i) {
        o[4 * i] = 0;
        std::memcpy(o + 4 * i + 1, data + 3 * i, 3);
    }
    return out;
}

QByteArray narrow64(const char* data, std::int64_t samples) {
    QByteArray out(qsizetype(samples * 4), '\0');
    for (std::int64_t i = 0; i < samples; ++i) {
        double d;
        std::memcpy(&d, data + 8 * i, 8);  // IEEE little-endian, as on every host we build for
        const float f = (d == d) ? float(d < -1.0 ? -1.0 : d > 1.0 ? 1.0 : d) : 0.0f;
        std::memcpy(out.data() + 4 * i, &f, 4);
    }
    return out;
}

}  // namespace

WaveReading readWave(const QByteArray& bytes) {
    const char* b = bytes.constData();
    const std::int64_t size = bytes.size();
    if (size < 12 || std::memcmp(b, "RIFF", 4) != 0 || std::memcmp(b + 8, "WAVE", 4) != 0)
        return refuse(MediaNotWave, QStringLiteral("RIFF/WAVE の見出しがありません (no RIFF/WAVE header)"));

    const char* fmt = nullptr;
    std::uint32_t fmtSize = 0;
    const char* data = nullptr;
    std::int64_t dataSize = 0;
    std::int64_t pos = 12;
    while (pos + 8 <= size) {
        const char* id = b + pos;
        const std::int64_t length = u32(b + pos + 4);
        const std::int64_t body = pos + 8;
        const std::int64_t available = size - body;
        if (std::memcmp(id, "fmt ", 4) == 0 && !fmt) {
            if (length < 16 || length > available)
                return refuse(MediaNotWave, QStringLiteral("fmt チャンクが短すぎます (fmt chunk too short)"));
            fmt = b + body;
            fmtSize = std::uint32_t(length);
        } else if (std::memcmp(id, "data", 4) == 0 && !data) {
            data = b + body;
            dataSize = length < available ? length : available;
        }
        pos = body + length + (length & 1);  // chunks are padded to an even length
    }
    if (!fmt) return refuse(MediaNotWave, QStringLiteral("fmt チャンクがありません (no fmt chunk)"));
    if (!data) return refuse(MediaNotWave, QStringLiteral("data チャンクがありません (no data chunk)"));

    int tag = u16(fmt);
    const int channels = u16(fmt + 2);
    const std::uint32_t rate = u32(fmt + 4);
    const int blockAlign = u16(fmt + 12);
    const int bits = u16(fmt + 14);
    if (tag == kFormatExtensible) {
        if (fmtSize < 40)
            return refuse(MediaNotWave,
                          QStringLiteral("拡張 fmt チャンクが短すぎます (extensible fmt chunk too short)"));
        tag = u16(fmt + 24);  // the first two bytes of the sub-format GUID carry the plain tag
    }
    if (tag != kFormatPcm && tag != kFormatFloat)
        return refuse(MediaUnsupportedWave,
                      QStringLiteral("圧縮された形式 %1 です (compressed format %1)").arg(tag));
    if (channels < 1 || channels > kMaxChannels)
        return refuse(MediaUnsupportedWave,
                      QStringLiteral("チャンネル数 %1 (channel count %1)").arg(channels));
    if (rate < std::uint32_t(kMinRate) || rate > std::uint32_t(kMaxRate))
        return refuse(MediaUnsupportedWave,
                      QStringLiteral("標本化周波数 %1 Hz (sample rate %1 Hz)").arg(rate));
    const bool pcmBits = tag == kFormatPcm && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
    const bool floatBits = tag == kFormatFloat && (bits == 32 || bits == 64);
    if (!pcmBits && !floatBits)
        return refuse(MediaUnsupportedWave, QStringLiteral("%1 ビットの標本 (%1-bit samples)").arg(bits));
    if (blockAlign != channels * bits / 8)
        return refuse(
            MediaNotWave,
            QStringLiteral(
                "ブロックの大きさ %1 が %2 チャンネル × %3 ビットと合いません (block align mismatch)")
                .arg(blockAlign)
                .arg(channels)
                .arg(bits));

    WaveReading r;
    WaveSound& s = r.sound;
    s.channels = channels;
    s.sampleRate = int(rate);
    const std::int64_t frames = dataSize / blockAlign;
    const std::int64_t samples = frames * channels;
    if (tag == kFormatFloat && bits == 64) {
        s.sample = WaveSound::Sample::Float;
        s.frames = narrow64(data, samples);
    } else if (bits == 24) {
        s.sample = WaveSound::Sample::Int32;
        s.frames = widen24(data, samples);
    } else {
        s.sample = tag == kFormatFloat ? WaveSound::Sample::Float
                   : bits == 8         ? WaveSound::Sample::UInt8
                   : bits == 16        ? WaveSound::Sample::Int16
                                       : WaveSound::Sample::Int32;
        s.frames = QByteArray(data, qsizetype(frames * blockAlign));
    }
    return r;
}

}  // namespace pekuru
