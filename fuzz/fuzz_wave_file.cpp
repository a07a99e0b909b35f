// Any bytes as a wave file: read it, and what is read must be whole frames of the stated coding.
#include <cstdlib>

#include "platform/MediaCommands.h"
#include "platform/MediaWave.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pekuru;
    const WaveReading r = readWave(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (r.result == MediaOk) {
        const WaveSound& s = r.sound;
        if (s.channels < 1 || s.channels > 8 || s.sampleRate < 1000 || s.sampleRate > 192000) std::abort();
        if (s.frames.size() % s.bytesPerFrame() != 0) std::abort();
    } else if (r.problem.isEmpty()) {
        std::abort();
    }
    return 0;
}
