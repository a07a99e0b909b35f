// The drill screen, headless: a whole drill played through its widgets on a fake clock.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "drill/MainFrm.h"
#include "platform/Waiter.h"
#include "records/RecordFormat.h"
#include "records/Results.h"
#include "shell/CuePlayer.h"
#include "shell/ScreenManager.h"
#include "support/ScreenFakes.h"
#include "support/TestSupport.h"
#include "tilepuzzle/TileWidget.h"

using namespace pekuru;

namespace {

using Cues = test::RecordingCues;
using Screens = test::YieldingScreens;
using test::NoWait;

void writePicture(const QString& path, int hue) {
    QImage img(300, 300, QImage::Format_RGB32);
    QPainter p(&img);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            p.fillRect(x * 30, y * 30, 30, 30, QColor::fromHsv((hue + x * 31 + y * 17) % 360, 180, 240));
    p.end();
    ASSERT_TRUE(img.save(path));
}

struct Visit {
    QTemporaryDir dir;
    std::unique_ptr<hensuu1> g = std::make_unique<hensuu1>();
    FakeClock clock{QDate(2024, 5, 10), 10 * 3600.0};
    MersenneRandom random{11};
    RecordingMessageService messages;
    Screens screens;
    NoWait wait;
    Cues cues;
    std::unique_ptr<Results> results;
    std::unique_ptr<AppContext> ctx;
    int finishShown = 0;

    explicit Visit(int level) {
        g->DataFolder = g->KyoutuuFolder = dir.path() + QStringLiteral("/");
        QDir().mkpath(dir.filePath(QStringLiteral("picture")));
        for (int i = 0; i < 5; ++i)
            writePicture(dir.filePath(QStringLiteral("picture/p%1.bmp").arg(i)), i * 70);
        g->ProgTitle = QStringLiteral("ペクル");
        g->LevelNo = Integer(level);
        g->SeitoBangou = 1;
        g->SeitoNamae = QStringLiteral("はなこ");
        for (int l = 1; l <= 3; ++l) {
            g->GoukakuTime[l] = 60 * l;
            g->SeigenTime[l] = 120 * l;
            g->LevelPoint[l] = 1;
            g->LevelName[l] = QStringLiteral("レベル%1").arg(l);
        }
        screens.clock = &clock;
        results = std::make_unique<Results>(*g, clock, wait);
        ctx = std::make_unique<AppContext>(
            AppContext{*g, clock, random, messages, screens, wait, results.get()});
        ctx->cues = &cues;
        screens.setContext(ctx.get());
        screens.registerScreen(Screen::MainFrm, [](AppContext& c) -> QWidget* { return new MainFrm(c); });
        screens.registerScreen(
            Screen::BASEFRM, [](AppContext& c) { return makeBareScreen(c, QStringLiteral("BASEFRM"), {}); });
        screens.registerScreen(Screen::seisekitime1, [](AppContext& c) {
            return makeBareScreen(c, QStringLiteral("seisekitime1"), {});
        });
        screens.registerScreen(Screen::FrmSyuuryou, [this](AppContext& c) {
            ++finishShown;
            return makeBareScreen(c, QStringLiteral("FrmSyuuryou"), {});
        });
    }
    MainFrm* open() {
        screens.show(Screen::MainFrm);
        auto* w = qobject_cast<MainFrm*>(screens.loaded(Screen::MainFrm));
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();  // activation runs just after showing
        return w;
    }
    template <typename T>
    T* find(MainFrm* w, const QString& name) {
        return w->findChild<T*>(name);
    }
    void click(MainFrm* w, const QString& name) {
        auto* b = find<QPushButton>(w, name);
        ASSERT_NE(b, nullptr) << name.toStdString();
        ASSERT_TRUE(b->isVisible()) << name.toStdString();
        b->click();
    }
    // A drop of tile `from` on tile `to`, as the platform delivers it after a drag.
    void dragTile(MainFrm* w, int from, int to) {
        auto* source = find<TileWidget>(w, QStringLiteral("PicClipImage1_%1").arg(from));
        auto* target = find<TileWidget>(w, QStringLiteral("PicClipImage1_%1").arg(to));
        bool allowed = false;
        Q_EMIT source->pressed(from, &allowed);
        if (!allowed) return;
        QMimeData mime;
        mime.setData(QString::fromLatin1(TileWidget::mimeType()), QByteArray::number(from));
        QDragEnterEvent enter(QPoint(5, 5), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
    }
    void solve(MainFrm* w) {
        const TileBoard& b = w->puzzle().board();
        for (int k = 1; k <= b.tileCount(); ++k) {
            for (int j = k + 1; j <= b.tileCount() && b.pieceAt(k) != k; ++j) {
                if (b.pieceAt(j) == k) dragTile(w, j, k);
            }
        }
    }
    void secondsPass(MainFrm* w, int s) {
        for (int i = 0; i < s; ++i) {
            clock.advanceMs(1000);
            if (w->sTimer1->isActive()) w->cycle().tick();
        }
    }
};

}  // namespace

TEST(DrillScreen, AWholeLevelOneDrillIsRecordedWithItsTimeAndPenalties) {
    Visit v(1);
    MainFrm* w = v.open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(v.find<QLabel>(w, QStringLiteral("sLabel2"))->text(), QStringLiteral("ペクル"));
    EXPECT_EQ(v.find<QLabel>(w, QStringLiteral("sLabel9"))->text(), QStringLiteral("5"));
    EXPECT_EQ(v.find<QLabel>(w, QStringLiteral("Label1"))->text(),
              QStringLiteral("覚えたらスタートを押しなさい"));
    EXPECT_TRUE(w->sTimer1->isActive());
    EXPECT_FALSE(v.find<TileWidget>(w, QStringLiteral("PicClipImage1_1"))->isActive());

    v.secondsPass(w, 5);
    v.click(w, QStringLiteral("PicClipCnd1_2"));  // スタート
    EXPECT_TRUE(v.find<TileWidget>(w, QStringLiteral("PicClipImage1_9"))->isActive());
    // One wrong check (10 s) before solving the first picture.
    if (w->puzzle().board().isWhole()) v.dragTile(w, 1, 2);
    v.click(w, QStringLiteral("PicClipCnd1_3"));
    EXPECT_EQ(v.cues.count(u"間違い"), 1);
    EXPECT_TRUE(v.find<QLabel>(w, QStringLiteral("Label3"))->text().endsWith(QStringLiteral("カ所まちがい")));
    const int moves = w->puzzle().moveCount();
    v.dragTile(w, 1, 2);  // refused while the result shows
    EXPECT_EQ(w->puzzle().moveCount(), moves);
    v.click(w, QStringLiteral("Command1"));  // 続きをする

    for (int picture = 1; picture <= 5; ++picture) {
        if (picture > 1) {
            v.secondsPass(w, 3);
            v.click(w, QStringLiteral("PicClipCnd1_2"));
        }
        v.secondsPass(w, 7);
        v.solve(w);
        ASSERT_TRUE(w->puzzle().board().isWhole());
        v.click(w, QStringLiteral("PicClipCnd1_3"));
        if (picture < 5) {
            EXPECT_EQ(v.find<QLabel>(w, QStringLiteral("sLabel9"))->text(), QString::number(5 - picture));
        }
    }
    EXPECT_EQ(v.cues.count(u"正解"), 5);
    EXPECT_EQ(v.g->SyuuryouFlag, 1);
    // 5 s + 7 + 4 × (3 + 7) = 52 s on the clock, plus the 10 s penalty.
    const QByteArray file = test::readBytes(sharedResultPath(*v.g));
    ASSERT_EQ(file.size(), kSeisekiRecLength);
    EXPECT_EQ(decodeSeisekiRec(file.constData()).time, 62);
    EXPECT_EQ(decodeSeisekiRec(file.constData()).level, 1);
    EXPECT_EQ(v.finishShown, 1);
    EXPECT_EQ(v.screens.loaded(Screen::MainFrm), nullptr);
}

TEST(DrillScreen, TimeOverShowsTheNoticeAndRecordsTheMarker) {
    Visit v(3);
    MainFrm* w = v.open();
    v.click(w, QStringLiteral("PicClipCnd1_2"));
    auto* notice = v.find<QLabel>(w, QStringLiteral("lblsss2"));
    v.clock.advanceMs(1000 * 1799);
    w->cycle().tick();  // 1799 s: still running
    EXPECT_EQ(v.g->JikanGire, 0);
    v.clock.advanceMs(1000);
    EXPECT_EQ(notice->text(), QStringLiteral("時間切れ"));
    w->cycle().tick();  // 1800 s = 5 × 360: time-over
    EXPECT_EQ(v.g->JikanGire, 1);
    const QByteArray file = test::readBytes(sharedResultPath(*v.g));
    ASSERT_EQ(file.size(), kSeisekiRecLength);
    EXPECT_EQ(decodeSeisekiRec(file.constData()).time, 99999);
    EXPECT_EQ(v.finishShown, 1);
}

TEST(DrillScreen, TooFewPicturesGoBackToTheHubWithoutARecord) {
    Visit v(1);
    QFile::remove(v.dir.filePath(QStringLiteral("picture/p4.bmp")));
    v.open();
    ASSERT_EQ(v.messages.messages.size(), 1u);
    EXPECT_TRUE(v.messages.messages[0].text.contains(QStringLiteral("絵のファイルが足りません")));
    EXPECT_NE(v.screens.loaded(Screen::seisekitime1), nullptr);
    EXPECT_EQ(v.screens.loaded(Screen::MainFrm), nullptr);
    EXPECT_EQ(test::readBytes(sharedResultPath(*v.g)).size(), 0);
}
