// The drill screen at every window size a classroom has, and as a screen reader reads it.
// With PEKURU_SCREENSHOTS set to a folder, the sizes the README shows are saved there as well.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTest>
#include <vector>

#include "DrillVisit.h"
#include "support/Accessibility.h"
#include "support/TextFit.h"
#include "tilepuzzle/KeyButton.h"

using namespace pekuru;
using test::Visit;

namespace {

enum class State { Memorise, Arrange, Checked };
const char* nameOf(State s) {
    return s == State::Memorise ? "memorise" : s == State::Arrange ? "arrange" : "checked";
}

struct Drill : Visit {
    MainFrm* w = nullptr;
    explicit Drill(int level, bool samplePictures = false) : Visit(level) {
        g->KyoutuuName = QStringLiteral("ひまわり教室");
        g->SeitoNamae = QStringLiteral("さとう　たろう");
        g->KaisiTime = 10 * 3600 - 5 * 60;  // the name was chosen five minutes ago
        if (samplePictures) useSamplePictures(QStringLiteral(PEKURU_SAMPLE_PICTURES));
        w = openActive();
    }
    void bringTo(State s) {
        if (s == State::Memorise) return;
        click(w, QStringLiteral("PicClipCnd1_2"));
        secondsPass(w, 1);
        if (s == State::Checked) {
            if (w->puzzle().board().isWhole()) dragTile(w, 1, 2);
            click(w, QStringLiteral("PicClipCnd1_3"));
        }
    }
    void resize(int width, int height) {
        w->resize(width, height);
        QCoreApplication::processEvents();
    }
    QStringList tileNames() {
        QStringList out;
        for (int k = 1; k <= w->puzzle().board().tileCount(); ++k)
            out << QStringLiteral("PicClipImage1_%1").arg(k);
        return out;
    }
};

struct WindowSize {
    int width, height;
    bool screenshot;
};
const WindowSize kSizes[] = {
    {1024, 768, true}, {1280, 1024, false}, {1920, 1080, true}, {2560, 1080, false}, {3840, 2160, true}};

}  // namespace

TEST(DrillScreenLayout, TextsFitAndTheGridGrowsBesideItsButtonsAtEveryWindowSize) {
    const QString shots = qEnvironmentVariable("PEKURU_SCREENSHOTS");
    for (int level : {1, 3}) {
        for (State state : {State::Memorise, State::Arrange, State::Checked}) {
            Drill d(level, !shots.isEmpty());
            d.bringTo(state);
            if (!shots.isEmpty() && state == State::Arrange) {
                // The pictures show a tile in hand (clicked) and the keyboard's frame (one arrow).
                QTest::mouseClick(d.tile(d.w, 7), Qt::LeftButton);
                QTest::keyClick(d.w->focusWidget(), Qt::Key_Right);
            }
            int previousTile = 0;
            for (const WindowSize& size : kSizes) {
                SCOPED_TRACE(QStringLiteral("level %1, %2, %3×%4")
                                 .arg(level)
                                 .arg(QLatin1String(nameOf(state)))
                                 .arg(size.width)
                                 .arg(size.height)
                                 .toStdString());
                d.resize(size.width, size.height);
                EXPECT_EQ(test::clippedTexts(d.w), QStringList());
                // A key cap must leave the caption its room.
                for (auto* b : d.w->findChildren<KeyButton*>()) {
                    if (!b->isVisibleTo(d.w)) continue;
                    EXPECT_LE(QFontMetrics(b->font()).horizontalAdvance(b->text()), b->captionRoom())
                        << b->objectName().toStdString();
                }
                auto* panel = d.find<QWidget>(d.w, QStringLiteral("PicClipBasePic"));
                const QRect column = d.find<QLabel>(d.w, QStringLiteral("Label1"))->geometry();
                const int n = d.w->puzzle().board().tileCount();
                for (int k = 1; k <= n; ++k) {
                    const QRect t = d.tile(d.w, k)->geometry();
                    EXPECT_TRUE(panel->rect().contains(t)) << k;
                    EXPECT_LT(t.right(), column.left()) << k;
                }
                // The grid never shrinks as the window grows, and fills most of the height.
                const int side = d.tile(d.w, 1)->width();
                EXPECT_GE(side, previousTile);
                previousTile = side;
                EXPECT_GT(d.tile(d.w, n)->geometry().bottom(), panel->height() * 8 / 10);
                if (!shots.isEmpty() && level == 3 && size.screenshot) {
                    const QPixmap shot = d.w->grab();
                    const bool scaled = shot.devicePixelRatio() > 1;
                    const QString file = QStringLiteral("%1/MainFrm-%2-%3%4.png")
                                             .arg(shots, QLatin1String(nameOf(state)))
                                             .arg(shot.width())
                                             .arg(scaled ? QStringLiteral("-x2") : QString());
                    EXPECT_TRUE(shot.save(file)) << file.toStdString();
                    if (scaled) break;  // with a scale of 2 only the first size is shown
                }
            }
        }
    }
}

TEST(DrillScreenLayout, EveryControlHasANameInEveryStateAndTabFollowsTheScreen) {
    Drill d(1);
    const QStringList tiles = d.tileNames();
    struct Case {
        State state;
        QStringList order;
    };
    // Tab goes round from where each state puts the focus: スタート, the first tile, 続きをする.
    const Case cases[] = {
        {State::Memorise, {QStringLiteral("PicClipCnd1_2")}},
        {State::Arrange,
         tiles + QStringList{QStringLiteral("PicClipCnd1_3"), QStringLiteral("PicClipCnd1_4")}},
        {State::Checked, QStringList{QStringLiteral("Command1")} + tiles},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(nameOf(c.state));
        if (c.state != State::Memorise)
            d.bringTo(c.state == State::Arrange ? State::Arrange : State::Memorise);
        if (c.state == State::Checked) {
            if (d.w->puzzle().board().isWhole()) d.dragTile(d.w, 1, 2);
            d.click(d.w, QStringLiteral("PicClipCnd1_3"));
        }
        EXPECT_EQ(test::controlsWithoutName(d.w), QStringList());

        EXPECT_EQ(test::focusOrder(d.w), c.order);
    }
}

TEST(DrillScreenLayout, AScreenReaderHearsWhatEachPartIsFor) {
    Drill d(2);
    d.bringTo(State::Checked);
    for (int k = 1; k <= 16; ++k) {
        TileWidget* t = d.tile(d.w, k);
        EXPECT_EQ(test::accessibleName(t),
                  QStringLiteral("%1行目 %2列目のタイル").arg((k - 1) / 4 + 1).arg((k - 1) % 4 + 1));
        EXPECT_EQ(test::accessibleRole(t), QAccessible::Button);
        // After a check each tile says whether it is in its right place.
        const bool right = d.w->puzzle().board().pieceAt(k) == k;
        EXPECT_EQ(t->accessibleDescription().contains(QStringLiteral("正しい場所")), right) << k;
    }
    struct Named {
        const char* object;
        QString name;
        QAccessible::Role role;
    };
    const Named named[] = {
        {"Command1", QStringLiteral("続きをする"), QAccessible::Button},
        {"sShape5", QStringLiteral("経過時間"), QAccessible::ProgressBar},
        {"sPicture3_10", QStringLiteral("残り時間のしるし 1"), QAccessible::Indicator},
        {"sLabel10", QStringLiteral("タイム 1秒"), QAccessible::StaticText},
        {"sLabel9", QStringLiteral("残り 3問"), QAccessible::StaticText},
        {"Label2", QStringLiteral("入れかえた回数 %1回").arg(d.w->puzzle().moveCount()),
         QAccessible::StaticText},
    };
    for (const Named& n : named) {
        QWidget* w = d.find<QWidget>(d.w, QString::fromLatin1(n.object));
        ASSERT_NE(w, nullptr) << n.object;
        EXPECT_EQ(test::accessibleName(w), n.name) << n.object;
        EXPECT_EQ(test::accessibleRole(w), n.role) << n.object;
    }
    // The button's own caption stays its text; the key is told beside it.
    auto* ok = d.find<KeyButton>(d.w, QStringLiteral("PicClipCnd1_3"));
    EXPECT_EQ(ok->text(), QStringLiteral("O.K."));
    EXPECT_EQ(ok->accessibleDescription(), QStringLiteral("キーボードの O キーでも押せます"));
}
