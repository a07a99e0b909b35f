// The drill screen's ways of moving tiles: drag and drop, click and click, the keyboard and a
// finger, each sent as the platform's own events, must all make the same swaps under the same rules.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointingDevice>
#include <QTest>
#include <vector>

#include "DrillVisit.h"
#include "support/Accessibility.h"

using namespace pekuru;
using test::Visit;

namespace {

enum class Method { Drag, Click, Keys, Touch };
const Method kAllMethods[] = {Method::Drag, Method::Click, Method::Keys, Method::Touch};

const char* nameOf(Method m) {
    switch (m) {
        case Method::Drag:
            return "drag";
        case Method::Click:
            return "click";
        case Method::Keys:
            return "keys";
        case Method::Touch:
            return "touch";
    }
    return "";
}

QPointingDevice* touchScreen() {
    static QPointingDevice* device = QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen);
    return device;
}

struct Board : Visit {
    MainFrm* w = nullptr;
    explicit Board(int level) : Visit(level) { w = openActive(); }
    QWidget* panel() { return find<QWidget>(w, QStringLiteral("PicClipBasePic")); }
    QPushButton* button(const char* name) { return find<QPushButton>(w, QString::fromLatin1(name)); }
    void start() { click(w, QStringLiteral("PicClipCnd1_2")); }
    std::vector<int> pieces() {
        std::vector<int> out;
        for (int k = 1; k <= w->puzzle().board().tileCount(); ++k)
            out.push_back(w->puzzle().board().pieceAt(k));
        return out;
    }
    // A key as the keyboard sends it: to the control that has focus, or to the screen.
    void key(Qt::Key k) {
        QWidget* target = w->focusWidget() ? w->focusWidget() : w;
        QTest::keyClick(target, k);
    }
    int focusedTile() {
        auto* t = qobject_cast<TileWidget*>(w->focusWidget());
        return t ? t->index() : 0;
    }
    // Arrow keys from wherever the keyboard frame is to tile k.
    void arrowTo(int k) {
        if (focusedTile() == 0) key(Qt::Key_Right);  // brings the frame back to the grid
        const int n = w->puzzle().board().cols();
        const int from = focusedTile();
        ASSERT_NE(from, 0);
        const int dr = (k - 1) / n - (from - 1) / n, dc = (k - 1) % n - (from - 1) % n;
        for (int i = 0; i < std::abs(dr); ++i) key(dr > 0 ? Qt::Key_Down : Qt::Key_Up);
        for (int i = 0; i < std::abs(dc); ++i) key(dc > 0 ? Qt::Key_Right : Qt::Key_Left);
        ASSERT_EQ(focusedTile(), k);
    }
    QPoint centre(int k) { return tile(w, k)->geometry().center(); }
    void touchPress(int k) { QTest::touchEvent(panel(), touchScreen()).press(0, centre(k), panel()); }
    void touchMove(QPoint p) { QTest::touchEvent(panel(), touchScreen()).move(0, p, panel()); }
    void touchRelease(QPoint p) { QTest::touchEvent(panel(), touchScreen()).release(0, p, panel()); }
    // One tap: a press and release that do not move.
    void tapBy(Method m, int k) {
        switch (m) {
            case Method::Click:
                QTest::mouseClick(tile(w, k), Qt::LeftButton);
                break;
            case Method::Keys:
                arrowTo(k);
                key(Qt::Key_Space);
                break;
            case Method::Touch:
                touchPress(k);
                touchRelease(centre(k));
                break;
            case Method::Drag:
                break;
        }
    }
    void swapBy(Method m, int from, int to) {
        switch (m) {
            case Method::Drag:
                dragTile(w, from, to);
                break;
            case Method::Touch:
                touchPress(from);
                touchMove((centre(from) + centre(to)) / 2);
                touchMove(centre(to));
                touchRelease(centre(to));
                break;
            default:
                tapBy(m, from);
                tapBy(m, to);
        }
    }
    // A wrong O.K. so that the result shows and drags are refused.
    void checkWrongly() {
        if (w->puzzle().board().isWhole()) dragTile(w, 1, 2);
        click(w, QStringLiteral("PicClipCnd1_3"));
        ASSERT_TRUE(w->puzzle().dragLocked());
    }
};

// Posts a key press to the screen when the watched widget is shown.
struct KeyOnShow : QObject {
    QWidget* screen;
    Qt::Key key;
    bool posted = false;
    KeyOnShow(QWidget* s, Qt::Key k) : screen(s), key(k) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show && !posted) {
            posted = true;
            QCoreApplication::postEvent(screen, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
        }
        return false;
    }
};

}  // namespace

TEST(DrillScreenInput, EveryMethodMakesTheSameSwapsAndMovesAsDragging) {
    const std::pair<int, int> swaps[] = {{3, 16}, {16, 2}, {7, 8}, {1, 13}};
    std::vector<int> expected;
    for (Method m : kAllMethods) {
        SCOPED_TRACE(nameOf(m));
        Board s(2);  // the same seed: the same shuffle every time
        s.start();
        for (auto [from, to] : swaps) s.swapBy(m, from, to);
        if (m == Method::Drag) expected = s.pieces();
        EXPECT_EQ(s.pieces(), expected);
        EXPECT_EQ(s.w->puzzle().moveCount(), 4);
        EXPECT_EQ(s.find<QLabel>(s.w, QStringLiteral("Label2"))->text(), QStringLiteral("4"));
        EXPECT_EQ(s.w->puzzle().pickedTile(), 0);
    }
}

TEST(DrillScreenInput, AFirstTapHighlightsTheTileAndASecondTapOnItPutsItBack) {
    for (Method m : {Method::Click, Method::Keys, Method::Touch}) {
        SCOPED_TRACE(nameOf(m));
        Board s(1);
        s.start();
        s.checkWrongly();
        s.click(s.w, QStringLiteral("Command1"));
        const std::vector<int> before = s.pieces();
        const int moves = s.w->puzzle().moveCount();
        ASSERT_TRUE(s.find<QLabel>(s.w, QStringLiteral("Label3"))->isVisibleTo(s.w));
        s.tapBy(m, 5);
        EXPECT_EQ(s.w->puzzle().pickedTile(), 5);
        EXPECT_TRUE(s.tile(s.w, 5)->isPicked());
        EXPECT_FALSE(s.tile(s.w, 4)->isPicked());
        EXPECT_EQ(s.tile(s.w, 5)->accessibleDescription(), QStringLiteral("選択中"));
        // Picking up is a mouse-down: the count of mistakes goes, as it does when a drag starts.
        EXPECT_FALSE(s.find<QLabel>(s.w, QStringLiteral("Label3"))->isVisibleTo(s.w));
        s.tapBy(m, 5);
        EXPECT_EQ(s.w->puzzle().pickedTile(), 0);
        EXPECT_FALSE(s.tile(s.w, 5)->isPicked());
        EXPECT_TRUE(s.tile(s.w, 5)->accessibleDescription().isEmpty());
        EXPECT_EQ(s.w->puzzle().moveCount(), moves);
        EXPECT_EQ(s.pieces(), before);
    }
}

TEST(DrillScreenInput, WhileAWrongCheckShowsEveryMethodIsRefusedAndContinueLetsThemAgain) {
    for (Method m : kAllMethods) {
        SCOPED_TRACE(nameOf(m));
        Board s(1);
        s.start();
        s.checkWrongly();
        const std::vector<int> before = s.pieces();
        const int moves = s.w->puzzle().moveCount();
        s.swapBy(m, 1, 2);
        EXPECT_EQ(s.pieces(), before);
        EXPECT_EQ(s.w->puzzle().moveCount(), moves);
        EXPECT_EQ(s.w->puzzle().pickedTile(), 0);
        for (int k = 1; k <= 9; ++k) EXPECT_FALSE(s.tile(s.w, k)->isPicked()) << k;
        s.click(s.w, QStringLiteral("Command1"));
        s.swapBy(m, 1, 2);
        EXPECT_EQ(s.w->puzzle().moveCount(), moves + 1);
        EXPECT_EQ(s.pieces()[0], before[1]);
    }
}

TEST(DrillScreenInput, ATileLeftInHandIsPutBackByEveryButtonAndByANewPicture) {
    struct Case {
        const char* button;
        TilePuzzle::Phase after;
    };
    for (Case c : {Case{"PicClipCnd1_3", TilePuzzle::Phase::Checked},
                   Case{"PicClipCnd1_4", TilePuzzle::Phase::Memorise}}) {
        SCOPED_TRACE(c.button);
        Board s(1);
        s.start();
        if (s.w->puzzle().board().isWhole()) s.dragTile(s.w, 1, 2);
        const int moves = s.w->puzzle().moveCount();
        s.tapBy(Method::Click, 4);
        ASSERT_EQ(s.w->puzzle().pickedTile(), 4);
        s.click(s.w, QString::fromLatin1(c.button));
        EXPECT_EQ(s.w->puzzle().phase(), c.after);
        EXPECT_EQ(s.w->puzzle().pickedTile(), 0);
        EXPECT_FALSE(s.tile(s.w, 4)->isPicked());
        EXPECT_EQ(s.w->puzzle().moveCount(), moves);
    }
    // Solved with a tile still in hand: the next picture starts with nothing picked.
    Board s(1);
    s.start();
    s.solve(s.w);
    s.tapBy(Method::Click, 9);
    s.click(s.w, QStringLiteral("PicClipCnd1_3"));
    EXPECT_EQ(s.find<QLabel>(s.w, QStringLiteral("sLabel9"))->text(), QStringLiteral("4"));
    s.start();
    EXPECT_EQ(s.w->puzzle().pickedTile(), 0);
    for (int k = 1; k <= 9; ++k) EXPECT_FALSE(s.tile(s.w, k)->isPicked()) << k;
}

TEST(DrillScreenInput, AFingerDragShowsThePieceUnderTheFingerAndDropsTheTileInHand) {
    Board s(1);
    s.start();
    s.tapBy(Method::Click, 7);  // picked with the mouse, then a finger drags another tile
    const std::vector<int> before = s.pieces();
    s.touchPress(2);
    s.touchMove(s.centre(6));
    QLabel* piece = s.tile(s.w, 2)->fingerPiece();
    ASSERT_NE(piece, nullptr);
    EXPECT_TRUE(piece->isVisibleTo(s.w));
    EXPECT_TRUE(piece->geometry().contains(s.centre(6)));
    EXPECT_EQ(s.w->puzzle().pickedTile(), 0);  // a drag puts the picked tile back
    s.touchRelease(s.centre(6));
    EXPECT_EQ(s.tile(s.w, 2)->fingerPiece(), nullptr);
    EXPECT_EQ(s.pieces()[1], before[5]);
    EXPECT_EQ(s.pieces()[5], before[1]);
    EXPECT_EQ(s.pieces()[6], before[6]);
    EXPECT_EQ(s.w->puzzle().moveCount(), 1);
    // Lifted off the tiles: nothing happens.
    s.touchPress(1);
    s.touchMove(QPoint(s.panel()->width() - 2, s.panel()->height() - 2));
    s.touchRelease(QPoint(s.panel()->width() - 2, s.panel()->height() - 2));
    EXPECT_EQ(s.w->puzzle().moveCount(), 1);
}

TEST(DrillScreenInput, AMousePressThatMovesOnIsADragAndNotATap) {
    Board s(1);
    s.start();
    s.tapBy(Method::Click, 7);
    ASSERT_EQ(s.w->puzzle().pickedTile(), 7);
    const std::vector<int> before = s.pieces();
    TileWidget* from = s.tile(s.w, 2);
    QTest::mousePress(from, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(from, QPoint(5 + 4 * QApplication::startDragDistance(), 5));
    // The drag started (here it is dropped nowhere) and put the picked tile back; the release
    // that ends it is no tap.
    EXPECT_EQ(s.w->puzzle().pickedTile(), 0);
    QTest::mouseRelease(from, Qt::LeftButton, {}, QPoint(5 + 4 * QApplication::startDragDistance(), 5));
    EXPECT_EQ(s.w->puzzle().pickedTile(), 0);
    EXPECT_EQ(s.pieces(), before);
    EXPECT_EQ(s.w->puzzle().moveCount(), 0);
}

TEST(DrillScreenInput, ButtonKeysDoWhatTheirButtonsDoAndNothingWhenTheButtonIsHidden) {
    // The same presses by click and by key, in an order that tries each key where its button is
    // hidden: T and O before スタート, S and T while arranging, S, O and G while the result shows.
    struct Step {
        Qt::Key key;
        const char* button;  // null: the key's button is hidden now
    };
    const Step steps[] = {{Qt::Key_T, nullptr},         {Qt::Key_O, nullptr},    {Qt::Key_G, nullptr},
                          {Qt::Key_S, "PicClipCnd1_2"}, {Qt::Key_S, nullptr},    {Qt::Key_T, nullptr},
                          {Qt::Key_O, "PicClipCnd1_3"}, {Qt::Key_S, nullptr},    {Qt::Key_O, nullptr},
                          {Qt::Key_G, nullptr},         {Qt::Key_T, "Command1"}, {Qt::Key_G, "PicClipCnd1_4"},
                          {Qt::Key_S, "PicClipCnd1_2"}};
    Board byKey(1), byClick(1);
    for (const Step& st : steps) {
        SCOPED_TRACE(QKeySequence(st.key).toString().toStdString());
        const auto phase = byKey.w->puzzle().phase();
        byKey.key(st.key);
        if (st.button) {
            byClick.click(byClick.w, QString::fromLatin1(st.button));
        } else {
            EXPECT_EQ(byKey.w->puzzle().phase(), phase);
        }
        EXPECT_EQ(byKey.w->puzzle().phase(), byClick.w->puzzle().phase());
        EXPECT_EQ(byKey.pieces(), byClick.pieces());
        EXPECT_FLOAT_EQ(byKey.g->StartTime, byClick.g->StartTime);
        EXPECT_EQ(byKey.cues.played, byClick.cues.played);
    }
    EXPECT_FLOAT_EQ(byKey.g->StartTime, byClick.g->StartTime);
    EXPECT_EQ(byKey.cues.count(u"間違い"), 1);
}

TEST(DrillScreenInput, KeysDoNothingWhileAStepYieldsOrTheDrillEnds) {
    // A second O.K. by key while the first one's mistake cue is being answered: one penalty only.
    Board s(1);
    s.start();
    if (s.w->puzzle().board().isWhole()) s.dragTile(s.w, 1, 2);
    const float start = s.g->StartTime;
    QCoreApplication::postEvent(s.w, new QKeyEvent(QEvent::KeyPress, Qt::Key_O, Qt::NoModifier));
    s.click(s.w, QStringLiteral("PicClipCnd1_3"));
    EXPECT_FLOAT_EQ(s.g->StartTime, start - 10);
    EXPECT_EQ(s.cues.count(u"間違い"), 1);

    // ギブアップ by key while time-over is being recorded (it arrives once the notice shows): the
    // drill just ends.
    Board t(1);
    t.start();
    const float begun = t.g->StartTime;
    KeyOnShow giveUp(t.w, Qt::Key_G);
    t.find<QWidget>(t.w, QStringLiteral("sPicture2"))->installEventFilter(&giveUp);
    t.clock.advanceMs(1000 * 5 * 120);
    t.w->cycle().tick();
    EXPECT_TRUE(giveUp.posted);
    EXPECT_EQ(t.g->JikanGire, 1);
    EXPECT_FLOAT_EQ(t.g->StartTime, begun);
    EXPECT_EQ(t.finishShown(), 1);
}

TEST(DrillScreenInput, ArrowKeysMoveTheFrameOverTheGridAndStopAtItsEdges) {
    struct Case {
        int from;
        std::vector<Qt::Key> keys;
        int to;
    };
    const Case cases[] = {
        {1, {Qt::Key_Left}, 1},
        {1, {Qt::Key_Up}, 1},
        {1, {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right}, 3},
        {1, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down}, 7},
        {9, {Qt::Key_Right, Qt::Key_Down}, 9},
        {5, {Qt::Key_Up, Qt::Key_Left}, 1},
        {5, {Qt::Key_Down, Qt::Key_Right, Qt::Key_Up}, 6},
    };
    Board s(1);
    s.start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from);
        s.arrowTo(c.from);
        for (Qt::Key k : c.keys) s.key(k);
        EXPECT_EQ(s.focusedTile(), c.to);
    }
    // Moving the frame moves no piece.
    EXPECT_EQ(s.w->puzzle().moveCount(), 0);
    EXPECT_EQ(s.w->puzzle().pickedTile(), 0);
}
