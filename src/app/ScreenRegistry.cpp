#include "app/ScreenRegistry.h"

#include "drill/MainFrm.h"
#include "records/FrmSyuuryou.h"
#include "roster/namesel.h"
#include "shell/BASEFRM.h"

namespace pekuru {

void registerScreens(ScreenManager& screens) {
    screens.registerScreen(Screen::namesel, [](AppContext& c) -> QWidget* {
        auto* w = new namesel(c);
        w->load();
        return w;
    });
    screens.registerScreen(Screen::seisekitime1, [](AppContext& c) {
        return makeBareScreen(c, QStringLiteral("seisekitime1"), QStringLiteral("成績"));
    });
    screens.registerScreen(Screen::MainFrm, [](AppContext& c) -> QWidget* { return new MainFrm(c); });
    screens.registerScreen(Screen::BASEFRM, [](AppContext& c) -> QWidget* { return new BASEFRM(c); });
    screens.registerScreen(Screen::FrmSyuuryou, [](AppContext& c) -> QWidget* { return new FrmSyuuryou(c); });
}

}  // namespace pekuru
