#pragma once

class QWidget;

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
    frmver,
    FrmPhotos,
    FrmReport,
    FrmCertificate,
    FrmHelp
};

// Lets user-interface events run (timers, clicks, repaints) while a screen works.
class EventPump {
  public:
    virtual ~EventPump() = default;
    // Runs the events that are pending and returns.
    virtual void yieldToEvents() = 0;
    // Runs events as they come for at most `milliseconds`, sleeping while none come: the way to
    // wait without keeping the processor busy.
    virtual void waitForEvents(int milliseconds) = 0;
};

// Shows and unloads screens. Only the program's flow calls it; the screen manager creates a
// screen when it is first shown.
class Navigator : public EventPump {
  public:
    // Makes the screen if it is not loaded yet, without showing it (null if none is made).
    virtual QWidget* load(Screen screen) = 0;
    virtual void show(Screen screen) = 0;
    virtual void unload(Screen screen) = 0;
};

}  // namespace pekuru
