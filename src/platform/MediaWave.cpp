#include "platform/MediaWave.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <vector>

#include "platform/MediaCommands.h"

namespace pekuru {

namespace {

constexpr int kFormatPcm = 1;
constexpr int kFormatMsAdpcm = 2;
constexpr int kFormatFloat = 3;
constexpr int kFormatImaAdpcm = 0x11;
constexpr int kFormatGsm610 = 0x31;
constexpr int kFormatExtensible = 0xFFFE;
constexpr int kMaxChannels = 8;
constexpr int kMinRate = 1000;
constexpr int kMaxRate = 192000;
constexpr sf_count_t kReadFrames = 4096;  // frames decoded per call

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

// The chunks as the program checks them itself before libsndfile decodes: its errors do not tell a
// broken file (MediaNotWave) from one in a coding it cannot decode (MediaUnsupportedWave), and it
// decodes a partial last block as if it were whole, which a child hears as a crack.
struct Layout {
    int tag = 0;  // the coding; for the extensible header, its sub-format's
    int channels = 0;
    std::uint32_t rate = 0;
    int blockAlign = 0;
    int bits = 0;
    std::int64_t dataBytes = 0;    // the bytes of the data chunk that the file holds
    std::int64_t blockFrames = 0;  // frames a block decodes to, where the fmt chunk says; 0: not said
    std::int64_t factFrames = -1;  // frames the encoder wrote, from the fact chunk; -1: none
};

QString shapeProblem(int channels, std::int64_t rate) {
    if (channels < 1 || channels > kMaxChannels)
        return QStringLiteral("チャンネル数 %1 (channel count %1)").arg(channels);
    if (rate < kMinRate || rate > kMaxRate)
        return QStringLiteral("標本化周波数 %1 Hz (sample rate %1 Hz)").arg(rate);
    return QString();
}

WaveReading readLayout(const QByteArray& bytes, Layout& layout) {
    const char* b = bytes.constData();
    const std::int64_t size = bytes.size();
    const bool rf64 = size >= 4 && std::memcmp(b, "RF64", 4) == 0;
    if (size < 12 || (std::memcmp(b, "RIFF", 4) != 0 && !rf64) || std::memcmp(b + 8, "WAVE", 4) != 0)
        return refuse(MediaNotWave, QStringLiteral("RIFF/WAVE の見出しがありません (no RIFF/WAVE header)"));

    const char* fmt = nullptr;
    std::uint32_t fmtSize = 0;
    bool dataSeen = false;
    bool dataBeforeFmt = false;
    std::int64_t dataStart = 0;
    std::int64_t dataDeclared = 0;
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
        } else if (std::memcmp(id, "data", 4) == 0 && !dataSeen) {
            dataSeen = true;
            dataBeforeFmt = !fmt;
            dataStart = body;
            dataDeclared = length;
        } else if (std::memcmp(id, "fact", 4) == 0 && layout.factFrames < 0 && length >= 4 &&
                   available >= 4) {
            const std::uint32_t frames = u32(b + body);
            if (frames != 0xFFFFFFFF) layout.factFrames = frames;  // RF64 keeps the count in ds64
        }
        pos = body + length + (length & 1);  // chunks are padded to an even length
    }
    if (!fmt) return refuse(MediaNotWave, QStringLiteral("fmt チャンクがありません (no fmt chunk)"));
    if (!dataSeen) return refuse(MediaNotWave, QStringLiteral("data チャンクがありません (no data chunk)"));
    if (dataBeforeFmt)
        return refuse(
            MediaNotWave,
            QStringLiteral("data チャンクが fmt チャンクの前にあります (data chunk before the fmt chunk)"));

    layout.tag = u16(fmt);
    layout.channels = u16(fmt + 2);
    layout.rate = u32(fmt + 4);
    layout.blockAlign = u16(fmt + 12);
    layout.bits = u16(fmt + 14);
    if (layout.tag == kFormatExtensible) {
        if (fmtSize < 40)
            return refuse(MediaNotWave,
                          QStringLiteral("拡張 fmt チャンクが短すぎます (extensible fmt chunk too short)"));
        layout.tag = u16(fmt + 24);  // the first two bytes of the sub-format GUID carry the plain tag
    }
    // The ADPCM codings and GSM 6.10 give the frames of a block after the fmt chunk's common part.
    if ((layout.tag == kFormatMsAdpcm || layout.tag == kFormatImaAdpcm || layout.tag == kFormatGsm610) &&
        fmtSize >= 20)
        layout.blockFrames = u16(fmt + 18);
    const QString shape = shapeProblem(layout.channels, layout.rate);
    if (!shape.isEmpty()) return refuse(MediaUnsupportedWave, shape);
    // Samples of 12 or 20 bits sit in whole bytes; a block of any other size belies the header.
    if ((layout.tag == kFormatPcm || layout.tag == kFormatFloat) &&
        layout.blockAlign != layout.channels * ((layout.bits + 7) / 8))
        return refuse(
            MediaNotWave,
            QStringLiteral(
                "ブロックの大きさ %1 が %2 チャンネル × %3 ビットと合いません (block align mismatch)")
                .arg(layout.blockAlign)
                .arg(layout.channels)
                .arg(layout.bits));

    // RF64 writes 0xFFFFFFFF as the data chunk's length and the real one in ds64.
    layout.dataBytes = std::min(rf64 ? size : dataDeclared, size - dataStart);
    return WaveReading();
}

// The file in memory, as libsndfile reads it.
struct View {
    const QByteArray* bytes = nullptr;
    sf_count_t pos = 0;
};

sf_count_t viewLength(void* v) { return static_cast<View*>(v)->bytes->size(); }

sf_count_t viewSeek(sf_count_t offset, int whence, void* v) {
    auto* view = static_cast<View*>(v);
    const sf_count_t base = whence == SEEK_CUR ? view->pos : whence == SEEK_END ? view->bytes->size() : 0;
    if (base + offset < 0) return -1;
    view->pos = base + offset;
    return view->pos;
}

sf_count_t viewRead(void* out, sf_count_t count, void* v) {
    auto* view = static_cast<View*>(v);
    const sf_count_t size = view->bytes->size();
    if (count <= 0 || view->pos >= size) return 0;
    const sf_count_t n = std::min(count, size - view->pos);
    std::memcpy(out, view->bytes->constData() + view->pos, size_t(n));
    view->pos += n;
    return n;
}

sf_count_t viewWrite(const void*, sf_count_t, void*) { return 0; }

sf_count_t viewTell(void* v) { return static_cast<View*>(v)->pos; }

struct CloseSndfile {
    void operator()(SNDFILE* f) const { sf_close(f); }
};

WaveSound::Sample sampleFor(int subtype) {
    switch (subtype) {
        case SF_FORMAT_PCM_U8:
            return WaveSound::Sample::UInt8;
        case SF_FORMAT_PCM_24:
        case SF_FORMAT_PCM_32:
            return WaveSound::Sample::Int32;
        case SF_FORMAT_FLOAT:
        case SF_FORMAT_DOUBLE:
            return WaveSound::Sample::Float;
        default:  // 16-bit PCM and every compressed coding, none finer than 16 bits
            return WaveSound::Sample::Int16;
    }
}

// Decodes up to `frames` frames into `out`, in the coding of `sample`; returns how many it did.
sf_count_t decode(SNDFILE* file, WaveSound::Sample sample, int channels, char* out, sf_count_t frames) {
    switch (sample) {
        case WaveSound::Sample::UInt8: {
            // libsndfile gives 8-bit samples as (u - 128) << 8: the byte comes back exactly.
            std::vector<short> s(size_t(frames * channels));
            const sf_count_t n = sf_readf_short(file, s.data(), frames);
            for (sf_count_t i = 0; i < n * channels; ++i) out[i] = char((s[size_t(i)] >> 8) + 128);
            return n;
        }
        case WaveSound::Sample::Int16:
            return sf_readf_short(file, reinterpret_cast<short*>(out), frames);
        case WaveSound::Sample::Int32:
            return sf_readf_int(file, reinterpret_cast<int*>(out), frames);
        case WaveSound::Sample::Float: {
            auto* f = reinterpret_cast<float*>(out);
            const sf_count_t n = sf_readf_float(file, f, frames);
            // No output wants NaN, nor more than full scale.
            for (sf_count_t i = 0; i < n * channels; ++i)
                f[i] = std::isnan(f[i]) ? 0.0f : std::clamp(f[i], -1.0f, 1.0f);
            return n;
        }
    }
    return 0;
}

QString tooLong(std::int64_t maxSoundBytes) {
    return QStringLiteral("長すぎます (more than %1 bytes of decoded sound)").arg(maxSoundBytes);
}

}  // namespace

WaveReading readWave(const QByteArray& bytes, std::int64_t maxSoundBytes) {
    Layout layout;
    if (WaveReading r = readLayout(bytes, layout); r.result != MediaOk) return r;

    View view;
    view.bytes = &bytes;
    SF_VIRTUAL_IO io{viewLength, viewSeek, viewRead, viewWrite, viewTell};
    SF_INFO info{};
    const std::unique_ptr<SNDFILE, CloseSndfile> file(sf_open_virtual(&io, SFM_READ, &info, &view));
    if (!file) {
        return refuse(MediaUnsupportedWave,
                      QStringLiteral("形式 0x%1 (%2 ビット) を読み解けません (cannot decode format 0x%1, "
                                     "%2-bit: %3)")
                          .arg(layout.tag, 4, 16, QLatin1Char('0'))
                          .arg(layout.bits)
                          .arg(QString::fromUtf8(sf_strerror(nullptr))));
    }
    const int container = info.format & SF_FORMAT_TYPEMASK;
    if (container != SF_FORMAT_WAV && container != SF_FORMAT_WAVEX && container != SF_FORMAT_RF64)
        return refuse(MediaNotWave, QStringLiteral("WAVE ではありません (not read as a wave file)"));
    if (const QString shape = shapeProblem(info.channels, info.samplerate); !shape.isEmpty())
        return refuse(MediaUnsupportedWave, shape);

    WaveReading r;
    WaveSound& s = r.sound;
    s.channels = info.channels;
    s.sampleRate = info.samplerate;
    s.sample = sampleFor(info.format & SF_FORMAT_SUBMASK);
    const std::int64_t frameBytes = s.bytesPerFrame();
    const std::int64_t maxFrames = maxSoundBytes / frameBytes;
    // A compressed coding fills its last block with padding; the fact chunk counts the real frames
    // (a count of 0 is a writer that never went back to fill it in).
    std::int64_t end = std::numeric_limits<std::int64_t>::max();
    if (layout.tag != kFormatPcm && layout.tag != kFormatFloat && layout.factFrames > 0)
        end = layout.factFrames;
    // Whole blocks only: libsndfile decodes a block cut short by the end of the file, and counts an
    // odd-sized data chunk with its pad byte, which makes one more block of GSM 6.10 (65 bytes).
    if (layout.blockFrames > 0 && layout.blockAlign > 0)
        end = std::min(end, layout.dataBytes / layout.blockAlign * layout.blockFrames);
    if (std::min<std::int64_t>(info.frames, end) > maxFrames)
        return refuse(MediaUnsupportedWave, tooLong(maxSoundBytes));
    // One frame past the limit is read to tell a sound of exactly the limit from a longer one.
    const std::int64_t last = std::min(end, maxFrames + 1);
    s.frames.reserve(qsizetype(std::clamp<std::int64_t>(info.frames, 0, last) * frameBytes));
    std::int64_t frames = 0;
    while (frames < last) {
        const sf_count_t want = std::min<std::int64_t>(kReadFrames, last - frames);
        s.frames.resize(qsizetype((frames + want) * frameBytes));
        const sf_count_t got =
            decode(file.get(), s.sample, s.channels, s.frames.data() + frames * frameBytes, want);
        frames += std::max<sf_count_t>(got, 0);
        if (got < want) break;
    }
    if (frames > maxFrames) return refuse(MediaUnsupportedWave, tooLong(maxSoundBytes));
    s.frames.resize(qsizetype(frames * frameBytes));
    return r;
}

}  // namespace pekuru
