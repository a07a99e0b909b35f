#pragma once

#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>

#include "shell/AppContext.h"
#include "shell/ScreenKit.h"

namespace pekuru {

// Creates screens when they are shown and deletes them when they are unloaded. Each screen is a
// top-level window made by a factory registered for its name.
class ScreenManager : public Navigator {
  public:
    using Factory = std::function<QWidget*(AppContext&)>;
    ScreenManager() = default;
    ScreenManager(const ScreenManager&) = delete;
    ScreenManager& operator=(const ScreenManager&) = delete;
    // Screens still loaded at the end go with the manager.
    virtual ~ScreenManager();

    void setContext(AppContext* context) { context_ = context; }
    void registerScreen(Screen screen, Factory factory) { factories_[screen] = std::move(factory); }

    // Takes a screen that was made and loaded outside (the first one, whose load may refuse).
    void adopt(Screen screen, QWidget* widget) { loaded_[screen] = widget; }
    // Makes the screen if it is not loaded yet, without showing it.
    QWidget* load(Screen screen) override;
    void show(Screen screen) override;
    // Hides the screen at once and deletes it once control is back in the event loop at the
    // level the unload came from: a screen unloaded from inside one of its own handlers (the drill
    // screen, at the end of its pause) lives until that handler has returned.
    void unload(Screen screen) override;
    void yieldToEvents() override;
    void waitForEvents(int milliseconds) override;

    // Deletes every loaded screen at once (at the end of the run).
    void deleteAll();

    // The screen if it is loaded, else null.
    QWidget* loaded(Screen screen) const;

  private:
    AppContext* context_ = nullptr;
    std::map<Screen, Factory> factories_;
    std::map<Screen, QPointer<QWidget>> loaded_;
};

// A plain window with a caption, for screens that later work fills in.
QWidget* makeBareScreen(AppContext& context, const QString& objectName, const QString& caption);

}  // namespace pekuru
