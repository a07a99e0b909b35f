// Any bytes as 新音ファイル.txt: read the list, then play every cue from it. Each command must name
// exactly the listed file, quoted so that it parses back whole.
#include <cstdlib>
#include <memory>

#include "FuzzSupport.h"
#include "platform/MediaCommands.h"
#include "platform/ProgramError.h"
#include "shell/SoundCues.h"
#include "support/Fakes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pekuru;
    static auto g = std::make_unique<hensuu1>();
    g->OtoList.fill(QString());
    g->OtoErrorCount = 0;
    g->OtoFolder = fuzz::writeScratch(QStringLiteral("新音ファイル.txt"), data, size);
    try {
        音ファイル読込(*g);
    } catch (const ProgramExit&) {
        return 0;
    }
    ScriptedMediaCommands media;
    media.results = {MediaOk, MediaFileNotFound, MediaFileNotFound, MediaFileNotFound, MediaFileNotFound};
    MersenneRandom draws(static_cast<std::uint32_t>(size));
    SoundCues sounds(*g, media, draws);
    try {
        for (int round = 0; round < 3; ++round) {
            sounds.正解音再生();
            sounds.間違い音再生();
            sounds.自己最高音再生();
            sounds.不合格音再生();
            sounds.最高音再生();
            sounds.合格音再生();
        }
    } catch (const ProgramExit&) {
    }
    for (const QString& command : media.commands) {
        const ParsedMediaCommand p = parseMediaCommand(command);
        if (p.result != MediaOk || !p.path.startsWith(g->OtoFolder) ||
            !p.path.endsWith(QStringLiteral(".wav")))
            std::abort();
    }
    return 0;
}
