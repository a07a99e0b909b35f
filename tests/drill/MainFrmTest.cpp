// The drill screen, headless: a whole drill played through its widgets on a fake clock.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "DrillVisit.h"
#include "drill/MainFrm.h"
#include "platform/Waiter.h"
#include "records/RecordFormat.h"
#include "records/Results.h"
#include "shell/CuePlayer.h"
#include "shell/ScreenManager.h"
#include "support/ScreenFakes.h"
#include "support/TestSupport.h"
#include "tilepuzzle/PhotoImport.h"
#include "tilepuzzle/TileWidget.h"

using namespace pekuru;

using test::Visit;

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
    EXPECT_EQ(v.finishShown(), 1);
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
    // The tick at 1800 s = 5 × 360 (time-over) comes as the timer's do, through the event loop.
    // The flow unloads the drill screen at the end of the pause, inside that tick's handler: the
    // screen lives on until the handler has returned.
    QPointer<MainFrm> drill(w);
    int yieldsAfterUnload = 0;
    bool aliveThroughout = true;
    v.screens.onYield = [&] {
        if (v.screens.count(QStringLiteral("unload MainFrm")) == 0) return;
        ++yieldsAfterUnload;
        aliveThroughout = aliveThroughout && !drill.isNull();
    };
    QMetaObject::invokeMethod(
        w, [w] { w->cycle().tick(); }, Qt::QueuedConnection);
    QCoreApplication::processEvents();
    EXPECT_GT(yieldsAfterUnload, 0);
    EXPECT_TRUE(aliveThroughout);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(drill.isNull());
    EXPECT_EQ(v.g->JikanGire, 1);
    const QByteArray file = test::readBytes(sharedResultPath(*v.g));
    ASSERT_EQ(file.size(), kSeisekiRecLength);
    EXPECT_EQ(decodeSeisekiRec(file.constData()).time, 99999);
    EXPECT_EQ(v.finishShown(), 1);
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

TEST(DrillScreen, PhotosAddedByAFamilyArePlayed) {
    Visit v(3);
    // Only the family's two photos in the folder: level 3 plays both.
    QDir pictures(v.dir.filePath(QStringLiteral("picture")));
    for (const QString& f : pictures.entryList(QDir::Files)) pictures.remove(f);
    const QColor colours[] = {QColor(0xe0, 0x30, 0x30), QColor(0x30, 0x30, 0xe0)};
    for (int i = 0; i < 2; ++i) {
        QImage photo(640, 480, QImage::Format_RGB32);
        photo.fill(colours[i]);
        const PhotoAdded added = addPhoto(pictures.path(), photo, centredSquare(photo.size()),
                                          QStringLiteral("しゃしん%1.jpg").arg(i + 1));
        ASSERT_TRUE(added.ok()) << added.error.toStdString();
    }
    MainFrm* w = v.open();
    QStringList played;
    for (int picture = 1; picture <= 2; ++picture) {
        played << QFileInfo(w->puzzle().pictureFile()).fileName();
        EXPECT_EQ(w->puzzle().picture().size(), QSize(kPuzzlePictureSide, kPuzzlePictureSide));
        const QColor shown = w->puzzle().picture().pixelColor(300, 300);
        EXPECT_TRUE(shown.red() > 200 || shown.blue() > 200) << played.last().toStdString();
        v.click(w, QStringLiteral("PicClipCnd1_2"));
        v.solve(w);
        v.click(w, QStringLiteral("PicClipCnd1_3"));
    }
    played.sort();
    EXPECT_EQ(played, (QStringList{"しゃしん1.jpg", "しゃしん2.jpg"}));
    EXPECT_EQ(v.finishShown(), 1);
}
