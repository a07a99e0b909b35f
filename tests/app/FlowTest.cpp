// The flow of screens: for every event a screen raises, the screens that come and go, in order,
// and what runs in between.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "app/ScreenFlow.h"
#include "records/RecordFormat.h"
#include "support/Fakes.h"
#include "support/ScreenFakes.h"
#include "support/TestSupport.h"

using namespace pekuru;

namespace {

QString name(Screen s) {
    static const char* const names[] = {
        "namesel",  "FrmName2", "seisekitime1", "MainFrm",   "BASEFRM",        "FrmSyuuryou", "FormPrint0",
        "frmPrint", "frmver",   "FrmPhotos",    "FrmReport", "FrmCertificate", "FrmHelp"};
    return QString::fromLatin1(names[int(s)]);
}

struct Log : Navigator {
    QStringList steps;
    QWidget* load(Screen s) override {
        steps << QStringLiteral("load ") + name(s);
        return nullptr;
    }
    void show(Screen s) override { steps << QStringLiteral("show ") + name(s); }
    void unload(Screen s) override { steps << QStringLiteral("unload ") + name(s); }
    void yieldToEvents() override { steps << QStringLiteral("yield"); }
};

struct World {
    QTemporaryDir dir;
    std::unique_ptr<hensuu1> g = std::make_unique<hensuu1>();
    FakeClock clock{QDate(2024, 5, 10), 10 * 3600.0};
    test::NoWait wait;
    Results results{*g, clock, wait};
    Log log;
    ScreenFlow flow{*g, log, results};
    int left = 0;
    World() {
        g->DataFolder = g->KyoutuuFolder = dir.path() + QStringLiteral("/");
        flow.onLeave([this] { ++left; });
    }
};

}  // namespace

TEST(Flow, EveryEventShowsAndUnloadsItsScreensInOrder) {
    struct Case {
        const char* event;
        std::function<void(Flow&)> raise;
        QStringList steps;
    };
    const Case cases[] = {
        {"namesShown", [](Flow& f) { f.namesShown(); }, {"unload seisekitime1"}},
        {"nameConfirmed", [](Flow& f) { f.nameConfirmed(); }, {"show seisekitime1"}},
        {"rosterEditChosen", [](Flow& f) { f.rosterEditChosen(); }, {"show FrmName2", "unload namesel"}},
        {"rosterEditEnded", [](Flow& f) { f.rosterEditEnded(); }, {"show namesel", "unload FrmName2"}},
        {"leaveChosen", [](Flow& f) { f.leaveChosen(); }, {}},
        {"hubShown", [](Flow& f) { f.hubShown(); }, {"unload namesel"}},
        {"levelChosen", [](Flow& f) { f.levelChosen(); }, {"yield", "show MainFrm", "unload seisekitime1"}},
        {"hubLeft", [](Flow& f) { f.hubLeft(); }, {"show namesel"}},
        {"printingChosen", [](Flow& f) { f.printingChosen(); }, {"show FormPrint0"}},
        {"drillBegun", [](Flow& f) { f.drillBegun(); }, {"unload seisekitime1", "unload BASEFRM"}},
        {"drillRefused", [](Flow& f) { f.drillRefused(); }, {"show seisekitime1", "unload MainFrm"}},
        {"drillEnded",
         [](Flow& f) {
             f.drillEnded(Attempt{1, 1, 42, false});
         },
         {"show BASEFRM"}},
        {"finishDue",
         [](Flow& f) { f.finishDue(); },
         {"unload MainFrm", "load FrmSyuuryou", "show FrmSyuuryou"}},
        {"finishShown", [](Flow& f) { f.finishShown(); }, {"unload BASEFRM"}},
        {"menuChosen", [](Flow& f) { f.menuChosen(); }, {"show seisekitime1", "unload FrmSyuuryou"}},
        {"againChosen",
         [](Flow& f) { f.againChosen(); },
         {"show BASEFRM", "unload FrmSyuuryou", "yield", "show MainFrm"}},
        {"previewChosen", [](Flow& f) { f.previewChosen(); }, {"show frmPrint"}},
        {"printingClosed", [](Flow& f) { f.printingClosed(); }, {"unload FormPrint0"}},
        {"previewClosed", [](Flow& f) { f.previewClosed(); }, {"unload frmPrint"}},
        {"reportChosen", [](Flow& f) { f.reportChosen(); }, {"show FrmReport"}},
        {"reportClosed", [](Flow& f) { f.reportClosed(); }, {"unload FrmReport"}},
        {"certificateChosen",
         [](Flow& f) { f.certificateChosen(); },
         {"load FrmCertificate", "show FrmCertificate"}},
        {"certificateClosed", [](Flow& f) { f.certificateClosed(); }, {"unload FrmCertificate"}},
        {"photosChosen", [](Flow& f) { f.photosChosen(); }, {"show FrmPhotos"}},
        {"photosClosed", [](Flow& f) { f.photosClosed(); }, {"unload FrmPhotos"}},
        {"helpChosen", [](Flow& f) { f.helpChosen(); }, {"show FrmHelp"}},
        {"helpClosed", [](Flow& f) { f.helpClosed(); }, {"unload FrmHelp"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.event);
        World w;
        c.raise(w.flow);
        EXPECT_EQ(w.log.steps, c.steps);
        EXPECT_EQ(w.left, QLatin1String(c.event) == QLatin1String("leaveChosen") ? 1 : 0);
    }
}

TEST(Flow, AConfirmedNameNamesTheLevelsBeforeTheHubComesUp) {
    World w;
    w.flow.nameConfirmed();
    EXPECT_EQ(w.g->LevelCount, 3);
    EXPECT_EQ(w.g->LevelName[2], QStringLiteral("レベル２"));
}

TEST(Flow, AStartedLevelBeginsWithTheLastDrillsFlagsCleared) {
    for (const bool again : {false, true}) {
        World w;
        w.g->SyuuryouFlag = w.g->KirokuChuu = w.g->JikanGire = 1;
        w.g->SeikaiSuu = 5;
        again ? w.flow.againChosen() : w.flow.levelChosen();
        EXPECT_EQ(w.g->SyuuryouFlag + w.g->KirokuChuu + w.g->JikanGire + w.g->SeikaiSuu, 0) << again;
    }
}

TEST(Flow, TheEndedDrillIsRecordedOnceAndItsOutcomeKeptForTheFinishScreen) {
    World w;
    w.results.回数求();  // as the hub does before any drill
    w.flow.drillEnded(Attempt{7, 2, 42, false});
    const QByteArray file = test::readBytes(sharedResultPath(*w.g));
    ASSERT_EQ(file.size(), kSeisekiRecLength);
    const SeisekiRec r = decodeSeisekiRec(file.constData());
    EXPECT_EQ(r.bangou, 7);
    EXPECT_EQ(r.level, 2);
    EXPECT_EQ(r.time, 42);
    EXPECT_EQ(w.flow.lastAttempt().KirokuTime, 42);
    EXPECT_EQ(w.flow.lastOutcome().JikoBestFlag, 1);  // the first attempt ever is a best
    EXPECT_EQ(w.flow.lastOutcome().SaikouFlag, 1);

    // A time-over is recorded as such and is never a best.
    w.flow.drillEnded(Attempt{7, 2, kNoTime, true});
    EXPECT_EQ(test::readBytes(sharedResultPath(*w.g)).size(), 2 * kSeisekiRecLength);
    EXPECT_EQ(w.flow.lastOutcome().JikoBestFlag, 0);
    EXPECT_EQ(w.flow.lastOutcome().SaikouFlag, 0);
}
