#pragma once

// Stand-ins for the parts of the program around a screen: sound cues that are only written down,
// waits that return at once, and the program's screen manager writing down what it shows and
// unloads while a little fake time passes on each yield.
#include <QCoreApplication>
#include <QStringList>
#include <functional>

#include "platform/Clock.h"
#include "platform/Waiter.h"
#include "shell/CuePlayer.h"
#include "shell/ScreenManager.h"
#include "support/Fakes.h"

namespace pekuru::test {

struct RecordingCues : CuePlayer {
    QStringList played;
    int count(const char16_t* cue) const { return int(played.count(QString::fromUtf16(cue))); }
    void 正解音再生() override { played << QStringLiteral("正解"); }
    void 間違い音再生() override { played << QStringLiteral("間違い"); }
    void 自己最高音再生() override { played << QStringLiteral("自己最高"); }
    void 不合格音再生() override { played << QStringLiteral("不合格"); }
    void 最高音再生() override { played << QStringLiteral("最高"); }
    void 合格音再生() override { played << QStringLiteral("合格"); }
};

// Every screen of the program, in the order of their names.
inline const std::vector<Screen>& allScreens() {
    static const std::vector<Screen> all = {
        Screen::namesel,     Screen::FrmName2,       Screen::seisekitime1, Screen::MainFrm, Screen::BASEFRM,
        Screen::FrmSyuuryou, Screen::FormPrint0,     Screen::frmPrint,     Screen::frmver,  Screen::FrmPhotos,
        Screen::FrmReport,   Screen::FrmCertificate, Screen::FrmHelp};
    return all;
}
inline QString screenName(Screen s) {
    static const char* const names[] = {
        "namesel",  "FrmName2", "seisekitime1", "MainFrm",   "BASEFRM",        "FrmSyuuryou", "FormPrint0",
        "frmPrint", "frmver",   "FrmPhotos",    "FrmReport", "FrmCertificate", "FrmHelp"};
    return QString::fromLatin1(names[int(s)]);
}

// The program's screen manager, writing down every screen it is asked to show or unload ("show
// MainFrm", "unload seisekitime1"). Time passes on the fake clock while events run: 4 ms on each
// yield, as on a busy machine, and the whole of each wait for events. `onYield` runs on each of
// them: what a tick or a click arriving meanwhile would do.
struct RecordingScreens : ScreenManager {
    FakeClock* clock = nullptr;
    QStringList log;
    int yields = 0;
    int waitedMs = 0;
    std::function<void()> onYield;

    void show(Screen s) override {
        log << QStringLiteral("show ") + screenName(s);
        ScreenManager::show(s);
    }
    void unload(Screen s) override {
        log << QStringLiteral("unload ") + screenName(s);
        ScreenManager::unload(s);
    }
    void yieldToEvents() override { letTimePass(4); }
    void waitForEvents(int milliseconds) override {
        waitedMs += milliseconds;
        letTimePass(milliseconds);
    }
    int count(const QString& entry) const { return int(log.count(entry)); }
    // The program's windows on the screen now.
    QStringList visible() const {
        QStringList out;
        for (Screen s : allScreens())
            if (QWidget* w = loaded(s); w && w->isVisible()) out << screenName(s);
        return out;
    }

  private:
    void letTimePass(int milliseconds) {
        ++yields;
        if (clock) clock->advanceMs(milliseconds);
        if (onYield) onYield();
        QCoreApplication::processEvents();
    }
};

}  // namespace pekuru::test
