#include "shell/LevelSetup.h"

namespace pekuru {

void プログラム名設定(hensuu1& g) {
    g.PrintOK = 1;
    g.ProgTitle = QStringLiteral("ペクル");
}

void レベル名設定(hensuu1& g) {
    g.LevelCount = 3;
    g.MaxLevel = g.LevelCount;
    // Level 1 is written with a half-width digit, levels 2 and 3 with full-width ones.
    static const QString names[] = {QStringLiteral("レベル1"), QStringLiteral("レベル２"),
                                    QStringLiteral("レベル３")};
    for (int level = 1; level <= 3; ++level) {
        g.LevelName[level] = names[level - 1];
    }
}

void ドリル開始(hensuu1& g, EventPump& events) {
    g.SyuuryouFlag = 0;
    g.KirokuChuu = 0;
    g.SeikaiSuu = 0;
    g.JikanGire = 0;
    events.yieldToEvents();
}

}  // namespace pekuru
