// A whole visit under a real X server (run by with-xvfb.sh on the xcb platform): every click and
// every drag is real pointer input sent through the XTest extension, so the tiles move by Qt's own
// drag and drop loop (QDrag::exec with XDND), exactly as under a child's mouse. The events are
// queued at the server and the test pumps Qt's event loop until what it waits for has happened,
// with a generous deadline and no fixed sleeps; a drag that does not land fails the test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWindow>
#include <functional>
#include <memory>

#include "RealPointer.h"
#include "app/Program.h"
#include "drill/MainFrm.h"
#include "records/RecordFormat.h"
#include "records/Results.h"
#include "shell/Settings.h"
#include "support/Fakes.h"
#include "support/ScreenFakes.h"
#include "support/TestSupport.h"
#include "support/TestWorld.h"
#include "tilepuzzle/TileWidget.h"

using namespace pekuru;

namespace {

// Pumps the event loop until `done` holds or 30 seconds have gone.
bool waitFor(const std::function<bool()>& done) {
    QDeadlineTimer deadline(30000);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    }
    return true;
}

bool shownOnScreen(QWidget* w) {
    return w && w->isVisible() && w->window()->windowHandle() && w->window()->windowHandle()->isExposed();
}

QPoint centre(QWidget* w) { return w->mapToGlobal(w->rect().center()); }

// What a real click there would hit: the X server's window stacking decides, not Qt's.
QString under(QPoint p) {
    QWidget* w = QApplication::widgetAt(p);
    return w ? w->window()->objectName() + QLatin1Char('/') + w->objectName() : QStringLiteral("nothing");
}

// Waits until `w` is shown, enabled and on top at its centre (a screen just shown may still lie
// under the one it replaces), then clicks it. False when that never happens.
[[nodiscard]] bool clickOn(RealPointer& pointer, QWidget* w) {
    if (!w) return false;
    const bool ready =
        waitFor([&] { return shownOnScreen(w) && w->isEnabled() && QApplication::widgetAt(centre(w)) == w; });
    if (!ready) {
        ADD_FAILURE() << w->objectName().toStdString()
                      << " never came to the top; under its centre: " << under(centre(w)).toStdString();
        return false;
    }
    pointer.click(centre(w));
    return true;
}

// Counts the drops that Qt's drag and drop delivers to the tiles.
struct DropCounter : QObject {
    int drops = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Drop) ++drops;
        return false;
    }
};

}  // namespace

TEST(XVisit, RealClicksAndDragsThroughAWholeVisit) {
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "run this test through with-xvfb.sh";
    RealPointer pointer;
    ASSERT_TRUE(pointer.usable()) << "no X server with the XTest extension on DISPLAY";

    test::TestWorld world(QDate::currentDate(), 10 * 3600.0, 7);
    test::copyFolder(QStringLiteral(PEKURU_SOURCE_DIR "/data/sample"), world.dir.path());
    FakeClock& clock = world.clock;
    RecordingMessageService& messages = world.messages;
    test::RecordingScreens& screens = world.screens;
    test::RecordingCues cues;
    world.program.useCues(cues);
    world.program.load(normaliseProgramFolder(world.dir.path() + QStringLiteral("/教室/ペクル")));
    hensuu1* g = world.g;

    // The name selection: click the second student's line, then O.K.
    screens.show(Screen::namesel);
    QWidget* sel = screens.loaded(Screen::namesel);
    ASSERT_TRUE(waitFor([&] { return shownOnScreen(sel); }));
    auto* list = sel->findChild<QListWidget*>(QStringLiteral("List1"));
    auto* chosen = sel->findChild<QLabel*>(QStringLiteral("Label1"));
    ASSERT_GE(list->count(), 3);
    ASSERT_TRUE(waitFor([&] { return QApplication::widgetAt(centre(list)) == list->viewport(); }))
        << "under the name list: " << under(centre(list)).toStdString();
    pointer.click(list->viewport()->mapToGlobal(list->visualItemRect(list->item(2)).center()));
    ASSERT_TRUE(waitFor([&] { return list->currentRow() == 2; })) << "the click on the name did not land";
    EXPECT_NE(chosen->text(), QStringLiteral("名前を選びなさい"));
    ASSERT_TRUE(clickOn(pointer, sel->findChild<QPushButton*>(QStringLiteral("Command14"))));
    ASSERT_TRUE(waitFor([&] { return shownOnScreen(screens.loaded(Screen::seisekitime1)); }));
    const int student = g->SeitoBangou;
    ASSERT_GT(student, 0);

    // The hub: level 1 by its start button.
    ASSERT_TRUE(
        clickOn(pointer,
                screens.loaded(Screen::seisekitime1)->findChild<QPushButton*>(QStringLiteral("Command4_1"))));
    ASSERT_TRUE(waitFor([&] { return shownOnScreen(screens.loaded(Screen::MainFrm)); }));
    auto* drill = qobject_cast<MainFrm*>(screens.loaded(Screen::MainFrm));
    ASSERT_EQ(g->LevelNo, 1);
    const TilePuzzle& puzzle = drill->puzzle();
    const TileBoard& board = puzzle.board();

    DropCounter counter;
    for (int k = 1; k <= board.tileCount(); ++k) {
        drill->findChild<TileWidget*>(QStringLiteral("PicClipImage1_%1").arg(k))
            ->installEventFilter(&counter);
    }
    int drags = 0;
    for (int picture = 1; picture <= 5; ++picture) {
        SCOPED_TRACE(picture);
        clock.advanceMs(4000);  // four seconds of memorising
        drill->cycle().tick();
        ASSERT_TRUE(clickOn(pointer, drill->findChild<QPushButton*>(QStringLiteral("PicClipCnd1_2"))));
        ASSERT_TRUE(waitFor([&] {
            return puzzle.phase() == TilePuzzle::Phase::Arrange && puzzle.tilesEnabled();
        })) << "スタート did not shuffle the tiles";
        for (int k = 1; k <= board.tileCount(); ++k) {
            if (board.pieceAt(k) == k) continue;
            int j = k + 1;
            while (board.pieceAt(j) != k) ++j;
            auto* source = drill->findChild<TileWidget*>(QStringLiteral("PicClipImage1_%1").arg(j));
            auto* target = drill->findChild<TileWidget*>(QStringLiteral("PicClipImage1_%1").arg(k));
            const int moves = puzzle.moveCount();
            ASSERT_TRUE(waitFor([&] {
                return QApplication::widgetAt(centre(source)) == source &&
                       QApplication::widgetAt(centre(target)) == target;
            })) << "tiles "
                << j << " and " << k << " are not on top: " << under(centre(source)).toStdString();
            pointer.drag(centre(source), centre(target));
            ++drags;
            ASSERT_TRUE(waitFor([&] { return board.pieceAt(k) == k && counter.drops == drags; }))
                << "the drag from tile " << j << " to tile " << k
                << " did not land (drops seen: " << counter.drops << " of " << drags << ")";
            EXPECT_EQ(puzzle.moveCount(), moves + 1);
            EXPECT_EQ(board.pieceAt(j) == k, false);
        }
        clock.advanceMs(1000);
        drill->cycle().tick();
        const int solved = int(g->SeikaiSuu);
        ASSERT_TRUE(clickOn(pointer, drill->findChild<QPushButton*>(QStringLiteral("PicClipCnd1_3"))));
        ASSERT_TRUE(waitFor([&] {
            return int(g->SeikaiSuu) == solved + 1 || screens.loaded(Screen::FrmSyuuryou) != nullptr;
        })) << "O.K. did not take the solved picture";
    }
    EXPECT_GT(drags, 0);
    EXPECT_EQ(cues.count(u"正解"), 5);

    // The finish screen and the record.
    ASSERT_TRUE(waitFor([&] { return shownOnScreen(screens.loaded(Screen::FrmSyuuryou)); }));
    QWidget* finish = screens.loaded(Screen::FrmSyuuryou);
    const QByteArray file = test::readBytes(sharedResultPath(*g));
    ASSERT_EQ(file.size(), kSeisekiRecLength);
    const SeisekiRec r = decodeSeisekiRec(file.constData());
    EXPECT_EQ(r.bangou, student);
    EXPECT_EQ(r.level, 1);
    EXPECT_EQ(r.time, 25);
    auto* time = finish->findChild<QLabel*>(QStringLiteral("Label18"));
    ASSERT_TRUE(waitFor([&] { return time->text() == QStringLiteral("今の成績：25秒"); }))
        << time->text().toStdString();
    EXPECT_EQ(finish->findChild<QLabel*>(QStringLiteral("Label20"))->text(),
              QStringLiteral("！！！最高新記録！！！"));

    // メニューへ: back to the hub, which counts today's attempt.
    ASSERT_TRUE(clickOn(pointer, finish->findChild<QPushButton*>(QStringLiteral("Command4"))));
    ASSERT_TRUE(waitFor([&] { return shownOnScreen(screens.loaded(Screen::seisekitime1)); }));
    auto* today = screens.loaded(Screen::seisekitime1)->findChild<QLabel*>(QStringLiteral("Label14_1"));
    ASSERT_TRUE(waitFor([&] { return today->text().startsWith(QStringLiteral("1回/")); }))
        << today->text().toStdString();
    EXPECT_TRUE(messages.messages.empty());
}

// The platform comes from the environment (xcb, set by with-xvfb.sh), not the headless default.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
