// Any bytes as タイム回数データ.txt.
#include <memory>

#include "FuzzSupport.h"
#include "platform/ProgramError.h"
#include "shell/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pekuru;
    static auto g = std::make_unique<hensuu1>();
    const QString folder = fuzz::writeScratch(QStringLiteral("タイム回数データ.txt"), data, size);
    try {
        readLevelTable(*g, folder + QStringLiteral("タイム回数データ.txt"));
    } catch (const ProgramExit&) {
    }
    return 0;
}
