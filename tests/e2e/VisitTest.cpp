// A whole visit, headless, through the program's own screens on a copy of the demo classroom:
// pick a name, start level 1 from the hub, solve every picture, read the finish screen, go back
// to the hub and see the new figures.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

#include "app/Program.h"
#include "drill/MainFrm.h"
#include "platform/Waiter.h"
#include "records/RecordFormat.h"
#include "records/Results.h"
#include "shell/CuePlayer.h"
#include "shell/Settings.h"
#include "support/Fakes.h"
#include "support/ScreenFakes.h"
#include "support/TestSupport.h"
#include "tilepuzzle/TileWidget.h"

using namespace pekuru;

namespace {

using Cues = test::RecordingCues;
using Screens = test::YieldingScreens;
using test::NoWait;

void settle() {
    for (int i = 0; i < 10; ++i) QCoreApplication::processEvents();
}

}  // namespace

TEST(Visit, PickANamePlayLevelOneAndSeeTheNewFigures) {
    QTemporaryDir dir;
    test::copyFolder(QStringLiteral(PEKURU_SOURCE_DIR "/data/sample"), dir.path());
    const QString programFolder = dir.path() + QStringLiteral("/教室/ペクル");
    FakeClock clock(QDate::currentDate(), 10 * 3600.0);
    MersenneRandom random(21);
    RecordingMessageService messages;
    Screens screens;
    screens.clock = &clock;
    NoWait wait;
    Cues cues;
    Program program(clock, random, messages, screens, wait);
    program.useCues(cues);
    program.load(normaliseProgramFolder(programFolder));
    hensuu1* g = &program.state();

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

    // Five pictures, each memorised for a few seconds and put right by drags.
    for (int picture = 1; picture <= 5; ++picture) {
        for (int s = 0; s < 4; ++s) {
            clock.advanceMs(1000);
            drill->cycle().tick();
        }
        drill->findChild<QPushButton*>(QStringLiteral("PicClipCnd1_2"))->click();
        const TileBoard& board = drill->puzzle().board();
        for (int k = 1; k <= board.tileCount(); ++k) {
            for (int j = k + 1; j <= board.tileCount() && board.pieceAt(k) != k; ++j) {
                if (board.pieceAt(j) != k) continue;
                auto* source = drill->findChild<TileWidget*>(QStringLiteral("PicClipImage1_%1").arg(j));
                auto* target = drill->findChild<TileWidget*>(QStringLiteral("PicClipImage1_%1").arg(k));
                bool allowed = false;
                Q_EMIT source->pressed(j, &allowed);
                ASSERT_TRUE(allowed);
                QMimeData mime;
                mime.setData(QString::fromLatin1(TileWidget::mimeType()), QByteArray::number(j));
                QDragEnterEvent enter(QPoint(3, 3), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
                QCoreApplication::sendEvent(target, &enter);
                QDropEvent drop(QPointF(3, 3), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
                QCoreApplication::sendEvent(target, &drop);
            }
        }
        clock.advanceMs(1000);
        drill->cycle().tick();
        drill->findChild<QPushButton*>(QStringLiteral("PicClipCnd1_3"))->click();
    }
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
