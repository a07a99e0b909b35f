#include "app/ScreenRegistry.h"

#include "documents/FrmDocument.h"
#include "drill/MainFrm.h"
#include "help/FrmHelp.h"
#include "printing/FormPrint0.h"
#include "printing/frmPrint.h"
#include "records/FrmSyuuryou.h"
#include "records/seisekitime1.h"
#include "roster/FrmName2.h"
#include "roster/namesel.h"
#include "shell/BASEFRM.h"
#include "tilepuzzle/FrmPhotos.h"

namespace pekuru {

void registerScreens(ScreenManager& screens) {
    screens.registerScreen(Screen::namesel, [](AppContext& c) -> QWidget* {
        auto* w = new namesel(c);
        w->load();
        return w;
    });
    screens.registerScreen(Screen::FrmName2, [](AppContext& c) -> QWidget* { return new FrmName2(c); });
    screens.registerScreen(Screen::seisekitime1,
                           [](AppContext& c) -> QWidget* { return new seisekitime1(c); });
    screens.registerScreen(Screen::MainFrm, [](AppContext& c) -> QWidget* { return new MainFrm(c); });
    screens.registerScreen(Screen::BASEFRM, [](AppContext& c) -> QWidget* { return new BASEFRM(c); });
    screens.registerScreen(Screen::FormPrint0, [](AppContext& c) -> QWidget* { return new FormPrint0(c); });
    screens.registerScreen(Screen::frmPrint, [](AppContext& c) -> QWidget* { return new frmPrint(c); });
    screens.registerScreen(Screen::FrmSyuuryou, [](AppContext& c) -> QWidget* { return new FrmSyuuryou(c); });
    screens.registerScreen(Screen::FrmPhotos, [](AppContext& c) -> QWidget* { return new FrmPhotos(c); });
    screens.registerScreen(Screen::FrmHelp, [](AppContext& c) -> QWidget* { return new FrmHelp(c); });
    screens.registerScreen(Screen::FrmReport, [](AppContext& c) -> QWidget* {
        return new FrmDocument(c, FrmDocument::Kind::Report);
    });
    screens.registerScreen(Screen::FrmCertificate, [](AppContext& c) -> QWidget* {
        return new FrmDocument(c, FrmDocument::Kind::Certificate);
    });
}

}  // namespace pekuru
