// Any bytes as the shared result file 成績累積データ.dat, reloaded with the statistics (回数求).
// A record out of range ends with the loader's diagnostic, which is fine; a crash, undefined
// behaviour, a hang or a slot that breaks the loader's rules is not.
#include <cstdlib>
#include <memory>

#include "FuzzSupport.h"
#include "platform/Clock.h"
#include "platform/ProgramError.h"
#include "records/RecordFormat.h"
#include "records/Results.h"
#include "support/Fakes.h"

namespace {

struct NoWait : pekuru::Waiter {
    void wait(double) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pekuru;
    static auto g = [] {
        auto state = std::make_unique<hensuu1>();
        const Long target[] = {0, 60, 90, 150};
        const float factor[] = {0, 1, 1.2f, 1.5f};
        for (int l = 1; l <= 3; ++l) {
            state->GoukakuTime[l] = target[l];
            state->LevelPoint[l] = factor[l];
            state->LevelValue8[l] = Variant::number(7);
            state->LevelValue9[l] = Variant::number(1);
        }
        return state;
    }();
    static FakeClock clock(QDate(2024, 5, 10));
    static NoWait waiter;
    static Results results(*g, clock, waiter);  // one for the run, as in the program

    g->DataFolder = g->KyoutuuFolder = fuzz::writeScratch(QStringLiteral("成績累積データ.dat"), data, size);
    try {
        results.回数求();
    } catch (const ProgramExit&) {
        return 0;
    }
    // Every filled slot passed the loader's rules, and there are no more slots than whole records.
    if (g->RecordSuu < 0 || std::size_t(g->RecordSuu) > size / kSeisekiRecLength) std::abort();
    for (int k = 1; k <= g->RecordSuu; ++k) {
        if (g->RecBangou[k] < 1 || g->RecLevel[k] < 1 || g->RecHiduke[k] < 0) std::abort();
    }
    return 0;
}
