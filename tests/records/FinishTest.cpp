// The finish screen: the lines it shows, the message and fanfare it picks, and its follow-up.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "platform/Waiter.h"
#include "records/FinishLogic.h"
#include "records/FrmSyuuryou.h"
#include "records/RecordFormat.h"
#include "records/Results.h"
#include "shell/CuePlayer.h"
#include "shell/ScreenManager.h"
#include "shell/ScreenScale.h"
#include "support/Accessibility.h"
#include "support/Fakes.h"
#include "support/ScreenFakes.h"
#include "support/TestSupport.h"
#include "support/TestWorld.h"
#include "support/TextFit.h"

using namespace pekuru;

namespace {

using Cues = test::RecordingCues;

SeisekiRec rec(double day, int student, int level, Long time) {
    SeisekiRec r;
    r.hiduke = day;
    r.bangou = Integer(student);
    r.level = Integer(level);
    r.time = time;
    return r;
}

struct Finish : test::TestWorld {
    Cues cues;
    AttemptOutcome outcome;
    std::unique_ptr<FrmSyuuryou> screen;

    Finish() : TestWorld(QDate(2024, 5, 10), 9 * 3600.0, 1) {
        g->ProgTitle = QStringLiteral("ペクル");
        g->SeitoBangou = 1;
        g->SeitoNamae = QStringLiteral(" はなこ  ");
        g->LevelCount = g->MaxLevel = 3;
        for (int l = 1; l <= 3; ++l) {
            g->GoukakuTime[l] = 60;
            g->SeigenTime[l] = 120;
            g->HituyouKaisuu[l] = 30;
            g->HituyouKaisuu2[l] = 2;
            g->LevelPoint[l] = 1.5f;
            g->LevelValue8[l] = Variant::number(7);
            g->LevelValue9[l] = Variant::number(1);
            g->LevelName[l] = QStringLiteral("レベル%1").arg(l);
        }
        program.useCues(cues);
        standIn({Screen::BASEFRM, Screen::MainFrm, Screen::seisekitime1, Screen::FrmCertificate});
    }
    ~Finish() override { screen.reset(); }
    // Records earlier attempts, then this one through the real recording step.
    void attempt(int level, Long time, const std::vector<SeisekiRec>& earlier = {}, bool timeOver = false) {
        QByteArray b;
        for (const SeisekiRec& r : earlier) b += encode(r);
        test::writeBytes(sharedResultPath(*g), b);
        results->回数求();
        g->LevelNo = Integer(level);
        g->JikanGire = timeOver ? 1 : 0;
        Attempt a;
        a.SeitoBangou = g->SeitoBangou;
        a.LevelNo = Integer(level);
        a.KirokuTime = timeOver ? 99999 : time;
        a.JikanGire = timeOver;
        outcome = results->Seisekikiroku(a);
        screen = std::make_unique<FrmSyuuryou>(*ctx);
        screen->setAttempt(a, outcome);
        screen->activate();
    }
    QString text(const char* name) const {
        return screen->findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    bool shown(const char* name) const {
        return !screen->findChild<QWidget*>(QString::fromLatin1(name))->isHidden();
    }
    double today() const { return dateValue(clock.today()); }
};

}  // namespace

TEST(FinishLines, PointsFromTheTimeItselfAndTheFactor) {
    EXPECT_EQ(pointsLine(displayPoints(30, 60, 1.5f), 1.5f), QStringLiteral("獲得ポイント：11点×1.5→16点"));
    EXPECT_EQ(pointsLine(displayPoints(99999, 60, 1.5f), 1.5f), QStringLiteral("獲得ポイント：0点×1.5→0点"));
    EXPECT_EQ(displayPoints(60, 60, 1).points, 5);
    EXPECT_EQ(displayPoints(119, 60, 1).points, 4);
    EXPECT_EQ(displayPoints(599, 60, 1).points, 1);
    EXPECT_EQ(displayPoints(600, 60, 1).points, 0);
    EXPECT_EQ(displayPoints(0, 0, 1).points, 5);  // no division by a target of 0
    // The whole time counts here, not its first three digits: 1234 of 2000.
    EXPECT_EQ(displayPoints(1234, 2000, 1).points, Long(std::floor(std::pow(766.0 / 2000, 3) * 50 + 5)));
    EXPECT_EQ(pointsLine(displayPoints(45, 90, 1.2f), 1.2f), QStringLiteral("獲得ポイント：11点×1.2→13点"));
    EXPECT_EQ(resultLine(57), QStringLiteral("今の成績：57秒"));
    EXPECT_EQ(resultLine(99998), QStringLiteral("記録なし"));
}

TEST(FinishScreen, AFirstAttemptEverIsTheBestOfAll) {
    Finish f;
    f.attempt(1, 30);
    EXPECT_EQ(f.text("Label20"), QStringLiteral("！！！最高新記録！！！"));
    EXPECT_TRUE(f.shown("Label20"));
    EXPECT_EQ(f.cues.played, QStringList{QStringLiteral("最高")});
    EXPECT_EQ(f.text("Label18"), QStringLiteral("今の成績：30秒"));
    EXPECT_EQ(f.text("Label19"), QStringLiteral("獲得ポイント：11点×1.5→16点"));
    EXPECT_EQ(f.text("Label17"), QStringLiteral("はなこ"));
    EXPECT_EQ(f.text("Label16"), QStringLiteral("レベル1"));
    EXPECT_EQ(f.text("Label13"), QStringLiteral(" (このレベル　1回目)"));
    EXPECT_EQ(f.text("Label14"), QStringLiteral("（1回目)"));
    EXPECT_EQ(f.outcome.SaikouFlag, 1);
    EXPECT_EQ(f.outcome.JikoBestFlag, 1);
    // Activated again (the window lost and regained the focus): no second fanfare.
    f.screen->activate();
    EXPECT_EQ(f.cues.played.size(), 1);
    EXPECT_EQ(f.text("Label20"), QStringLiteral("！！！最高新記録！！！"));
}

TEST(FinishScreen, APersonalBestBehindAnotherStudentsBest) {
    Finish f;
    f.attempt(1, 40, {rec(f.today() - 1, 1, 1, 50), rec(f.today() - 1, 2, 1, 20)});
    EXPECT_EQ(f.text("Label20"), QStringLiteral("新記録おめでとう"));
    EXPECT_EQ(f.cues.played, QStringList{QStringLiteral("自己最高")});
}

TEST(FinishScreen, NoBestWithinTheLimitSoundsTheFailCueAndBeyondItNothing) {
    Finish within;
    within.attempt(1, 100, {rec(within.today(), 1, 1, 50)});
    EXPECT_FALSE(within.shown("Label20"));
    EXPECT_EQ(within.cues.played, QStringList{QStringLiteral("不合格")});
    EXPECT_EQ(within.text("Label13"), QStringLiteral(" (このレベル　2回目)"));

    Finish beyond;
    beyond.attempt(1, 121, {rec(beyond.today(), 1, 1, 50)});
    EXPECT_FALSE(beyond.shown("Label20"));
    EXPECT_TRUE(beyond.cues.played.empty());
}

TEST(FinishScreen, TimeOverShowsNoRecordAndPlaysNothing) {
    Finish f;
    f.attempt(2, 0, {}, true);
    EXPECT_EQ(f.text("Label18"), QStringLiteral("記録なし"));
    EXPECT_EQ(f.text("Label19"), QStringLiteral("獲得ポイント：0点×1.5→0点"));
    EXPECT_EQ(f.text("Label20"), QStringLiteral("時間切れ"));
    EXPECT_TRUE(f.cues.played.empty());
}

TEST(FinishScreen, TheLastLevelClearedForTheFirstTime) {
    for (const bool someLevelWithoutTarget : {false, true}) {
        Finish f;
        if (someLevelWithoutTarget) f.g->HituyouKaisuu2[7] = 9999;
        // One earlier attempt of 16 points; this one brings period A to 2 attempts and 32 points.
        f.attempt(3, 30, {rec(f.today() - 2, 1, 3, 30)});
        EXPECT_TRUE(f.shown("Label2")) << someLevelWithoutTarget;
        EXPECT_EQ(f.shown("Picture1"), !someLevelWithoutTarget);
        EXPECT_EQ(f.cues.played.back(), QStringLiteral("合格"));
        f.screen->timer1Fired();
        EXPECT_FALSE(f.shown("Picture1"));
        EXPECT_TRUE(f.shown("Command4"));
        EXPECT_TRUE(f.shown("Command5"));
    }
}

TEST(FinishScreen, AClearedLevelWithItsDailyGoalReachedSendsTheStudentOn) {
    Finish f;
    f.g->LevelValue6[1] = Variant::number(2);  // two attempts a day
    f.attempt(1, 30, {rec(f.today(), 1, 1, 30)});
    EXPECT_TRUE(f.shown("Label2"));
    EXPECT_FALSE(f.shown("Command5"));
    f.screen->timer1Fired();
    EXPECT_EQ(f.text("Label2"), QStringLiteral("次のレベルへ進みましょう"));
    EXPECT_FALSE(f.shown("Command5"));
    EXPECT_TRUE(f.shown("Command4"));

    // The same on the last level: the notice goes and "もう一度" stays.
    Finish last;
    last.g->LevelValue6[3] = Variant::number(2);
    last.attempt(3, 30, {rec(last.today(), 1, 3, 30)});
    last.screen->timer1Fired();
    EXPECT_FALSE(last.shown("Label2"));
    EXPECT_TRUE(last.shown("Command5"));
}

TEST(FinishScreen, TheButtonsGoBackOrStartTheSameLevelAgain) {
    Finish f;
    f.attempt(2, 30);
    f.screen->timer1Fired();
    f.g->SyuuryouFlag = 1;
    f.screen->findChild<QPushButton*>(QStringLiteral("Command5"))->click();
    EXPECT_EQ(f.g->SyuuryouFlag, 0);  // the hub entry cleared the last drill's flags
    EXPECT_EQ(f.screens.log,
              QStringList({"unload BASEFRM", "show BASEFRM", "unload FrmSyuuryou", "show MainFrm"}));
    EXPECT_FALSE(f.screen->findChild<QPushButton*>(QStringLiteral("Command4"))->isEnabled());

    Finish back;
    back.attempt(2, 30);
    back.screen->timer1Fired();
    back.screen->findChild<QPushButton*>(QStringLiteral("Command4"))->click();
    EXPECT_EQ(back.screens.log, QStringList({"unload BASEFRM", "show seisekitime1", "unload FrmSyuuryou"}));
}

TEST(FinishScreen, TheCertificateIsOfferedExactlyWhenTheLevelIsCleared) {
    struct Case {
        const char* what;
        int level;
        Long time;
        bool timeOver;
        bool earlier;  // one earlier attempt of 30 s today (16 points)
        bool cleared;
    };
    // Period A asks for 2 attempts and 30 points.
    const Case cases[] = {
        {"the first attempt", 1, 30, false, false, false}, {"a second good one", 1, 30, false, true, true},
        {"a slow second one", 1, 119, false, true, false}, {"a time-over after one", 1, 0, true, true, false},
        {"the last level", 3, 30, false, true, true},
    };
    for (const Case& c : cases) {
        Finish f;
        std::vector<SeisekiRec> earlier;
        if (c.earlier) earlier.push_back(rec(f.today(), 1, c.level, 30));
        f.attempt(c.level, c.time, earlier, c.timeOver);
        EXPECT_EQ(f.shown("Command6"), c.cleared) << c.what;
        EXPECT_EQ(f.shown("Command6"), f.shown("Label2")) << c.what;  // beside the cleared notice, always
        EXPECT_TRUE(f.screen->Timer1->isActive()) << c.what;          // the follow-up is not held up
        f.screen->timer1Fired();
        EXPECT_TRUE(f.shown("Command4")) << c.what;
        if (c.cleared) {
            f.screen->findChild<QPushButton*>(QStringLiteral("Command6"))->click();
            EXPECT_EQ(f.screens.log.back(), QStringLiteral("show FrmCertificate")) << c.what;
        }
    }
}

// ---- Every window size, and what a screen reader and the keyboard find ----

namespace {

const QSize kWindowSizes[] = {{1024, 768}, {1366, 768}, {1920, 1080}, {3840, 2160}};

// The visible parts of the screen that must not lie over one another.
QStringList overlapping(QWidget* screen) {
    QStringList out;
    QList<QWidget*> parts;
    for (QWidget* w : screen->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->isVisibleTo(screen)) parts << w;
    for (qsizetype i = 0; i < parts.size(); ++i)
        for (qsizetype j = i + 1; j < parts.size(); ++j)
            if (parts[i]->geometry().intersects(parts[j]->geometry()))
                out << parts[i]->objectName() + QStringLiteral("/") + parts[j]->objectName();
    return out;
}

}  // namespace

TEST(ScreenSizes, TheFinishScreenFitsItsLongestWordsAtEverySize) {
    // The fullest moments: a best of all with the last-level panel up, then the call to move on.
    struct Moment {
        const char* what;
        std::function<void(Finish&)> reach;
    };
    const Moment moments[] = {
        {"last level cleared, best of all",
         [](Finish& f) { f.attempt(3, 30, {rec(f.today() - 2, 1, 3, 30)}); }},
        {"sent on to the next level",
         [](Finish& f) {
             f.g->LevelValue6[1] = Variant::number(2);
             f.attempt(1, 30, {rec(f.today(), 1, 1, 30)});
         }},
    };
    for (const Moment& m : moments)
        for (const QSize size : kWindowSizes) {
            SCOPED_TRACE(std::string(m.what) + " " + std::to_string(size.width()));
            Finish f;
            m.reach(f);
            f.screen->resize(size);
            f.screen->show();
            QCoreApplication::processEvents();
            EXPECT_EQ(test::clippedTexts(f.screen.get()), QStringList());
            EXPECT_EQ(overlapping(f.screen.get()), QStringList());
            f.screen->timer1Fired();
            EXPECT_EQ(test::clippedTexts(f.screen.get()), QStringList());
            EXPECT_EQ(overlapping(f.screen.get()), QStringList());
            // The time just made is the largest line and grows with the window.
            EXPECT_NEAR(f.screen->findChild<QLabel*>(QStringLiteral("Label18"))->font().pointSizeF(),
                        36 * screenUnit(size), 0.01);
        }
}

TEST(ScreenReading, TheFinishScreenIsNamedAndItsButtonsTakeTabAndEnter) {
    Finish f;
    f.attempt(2, 30);
    f.screen->show();
    f.screen->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.screen.get()));
    f.screen->timer1Fired();
    EXPECT_EQ(test::controlsWithoutName(f.screen.get()), QStringList());
    // "メニューへ" has the focus; Tab goes on to "もう一度" (left of it) and back.
    EXPECT_EQ(test::focusOrder(f.screen.get()), QStringList({"Command4", "Command5"}));
    auto* menu = f.screen->findChild<QPushButton*>(QStringLiteral("Command4"));
    EXPECT_EQ(test::accessibleRole(menu), QAccessible::Button);
    EXPECT_EQ(test::accessibleName(menu), QStringLiteral("メニューへ"));
    menu->setFocus();
    QTest::keyClick(menu, Qt::Key_Return);
    EXPECT_EQ(f.screens.log, QStringList({"unload BASEFRM", "show seisekitime1", "unload FrmSyuuryou"}));
}
