#pragma once

namespace pekuru {

// The screens of the program, by their names.
enum class Screen {
    namesel,
    FrmName2,
    seisekitime1,
    MainFrm,
    BASEFRM,
    FrmSyuuryou,
    FormPrint0,
    frmPrint,
    frmver
};

// Shows screens. Logic that ends in "show the next screen" calls this; the program's screen
// manager creates the screen when needed, tests record the request.
class Navigator {
  public:
    virtual ~Navigator() = default;
    virtual void show(Screen screen) = 0;
    virtual void unload(Screen screen) = 0;
    // Lets pending user-interface events run (timers, clicks, repaints).
    virtual void yieldToEvents() = 0;
};

}  // namespace pekuru
