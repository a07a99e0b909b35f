// Any bytes as 生徒用名簿.txt, read by the roster load.
#include <memory>

#include "FuzzSupport.h"
#include "platform/Clock.h"
#include "platform/ProgramError.h"
#include "roster/Roster.h"
#include "support/Fakes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pekuru;
    static auto g = std::make_unique<hensuu1>();
    static FakeClock clock(QDate(2024, 5, 1));
    g->KyoutuuFolder = fuzz::writeScratch(QStringLiteral("生徒用名簿.txt"), data, size);
    g->NendoTuki = Variant::number(4);
    g->MeiboOption = Variant::number(size % 2);
    try {
        (void)loadRoster(*g, clock);
    } catch (const ProgramExit&) {
    }
    return 0;
}
