// A whole visit, headless, through the program's own screens on a copy of the demo classroom:
// pick a name, start level 1 from the hub, solve every picture, read the finish screen, go back
// to the hub and see the new figures.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "drill/DrillVisit.h"
#include "records/RecordFormat.h"
#include "shell/Settings.h"
#include "support/TestSupport.h"
#include "support/TestWorld.h"

using namespace pekuru;

namespace {

void settle() {
    for (int i = 0; i < 10; ++i) QCoreApplication::processEvents();
}

}  // namespace

TEST(Visit, PickANamePlayLevelOneAndSeeTheNewFigures) {
    test::TestWorld world(QDate::currentDate(), 10 * 3600.0, 21);
    test::copyFolder(QStringLiteral(PEKURU_SOURCE_DIR "/data/sample"), world.dir.path());
    const QString programFolder = world.dir.path() + QStringLiteral("/教室/ペクル");
    FakeClock& clock = world.clock;
    test::RecordingScreens& screens = world.screens;
    RecordingMessageService& messages = world.messages;
    test::RecordingCues cues;
    world.program.useCues(cues);
    world.program.load(normaliseProgramFolder(programFolder));
    hensuu1* g = world.g;

    // The name selection: choose the second student and confirm.
    screens.show(Screen::namesel);
    settle();
    QWidget* sel = screens.loaded(Screen::namesel);
    ASSERT_NE(sel, nullptr);
    auto* list = sel->findChild<QListWidget*>(QStringLiteral("List1"));
    ASSERT_NE(list, nullptr);
    ASSERT_GE(list->count(), 3);
    list->setCurrentRow(2);
    sel->findChild<QPushButton*>(QStringLiteral("Command14"))->click();
    settle();
    ASSERT_GT(g->SeitoBangou, 0);
    const int student = g->SeitoBangou;

    // The hub: level 1 by its start button.
    QWidget* hub = screens.loaded(Screen::seisekitime1);
    ASSERT_NE(hub, nullptr);
    settle();
    hub->findChild<QPushButton*>(QStringLiteral("Command4_1"))->click();
    settle();
    auto* drill = qobject_cast<MainFrm*>(screens.loaded(Screen::MainFrm));
    ASSERT_NE(drill, nullptr);
    settle();
    ASSERT_EQ(g->LevelNo, 1);

    test::playEveryPicture(drill, clock);
    settle();
    EXPECT_EQ(cues.played.count(QStringLiteral("正解")), 5);

    // The record and the finish screen.
    const QByteArray file = test::readBytes(sharedResultPath(*g));
    ASSERT_EQ(file.size(), kSeisekiRecLength);
    const SeisekiRec r = decodeSeisekiRec(file.constData());
    EXPECT_EQ(r.bangou, student);
    EXPECT_EQ(r.level, 1);
    EXPECT_EQ(r.time, 25);  // five pictures of four seconds' memorising and one of arranging
    QWidget* finish = screens.loaded(Screen::FrmSyuuryou);
    ASSERT_NE(finish, nullptr);
    settle();
    EXPECT_EQ(finish->findChild<QLabel*>(QStringLiteral("Label18"))->text(),
              QStringLiteral("今の成績：25秒"));
    EXPECT_EQ(finish->findChild<QLabel*>(QStringLiteral("Label20"))->text(),
              QStringLiteral("！！！最高新記録！！！"));
    EXPECT_TRUE(cues.played.contains(QStringLiteral("最高")));

    // Back to the hub: today's figures now count this attempt.
    auto* back = finish->findChild<QPushButton*>(QStringLiteral("Command4"));
    ASSERT_NE(back, nullptr);
    back->click();
    settle();
    hub = screens.loaded(Screen::seisekitime1);
    ASSERT_NE(hub, nullptr);
    settle();
    EXPECT_TRUE(
        hub->findChild<QLabel*>(QStringLiteral("Label14_1"))->text().startsWith(QStringLiteral("1回/")))
        << hub->findChild<QLabel*>(QStringLiteral("Label14_1"))->text().toStdString();
    EXPECT_EQ(g->RuikeiKaisuu(student, 1), 1);
    EXPECT_TRUE(messages.messages.empty());
}
