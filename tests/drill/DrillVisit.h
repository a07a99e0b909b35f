#pragma once

// A drill screen over a temporary data folder with a fake clock, seeded random numbers and
// recorded cues, and the ways a test works its tiles.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "drill/MainFrm.h"
#include "records/Results.h"
#include "shell/ScreenManager.h"
#include "support/Fakes.h"
#include "support/ScreenFakes.h"
#include "support/TestWorld.h"
#include "tilepuzzle/TileWidget.h"

namespace pekuru::test {

using Cues = RecordingCues;

inline void writePicture(const QString& path, int hue) {
    QImage img(300, 300, QImage::Format_RGB32);
    QPainter p(&img);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            p.fillRect(x * 30, y * 30, 30, 30, QColor::fromHsv((hue + x * 31 + y * 17) % 360, 180, 240));
    p.end();
    ASSERT_TRUE(img.save(path));
}

// A drop of tile `from` on tile `to` of the drill screen, as the platform delivers it after a drag.
inline void dragTile(MainFrm* w, int from, int to) {
    auto* source = w->findChild<TileWidget*>(QStringLiteral("PicClipImage1_%1").arg(from));
    auto* target = w->findChild<TileWidget*>(QStringLiteral("PicClipImage1_%1").arg(to));
    bool allowed = false;
    Q_EMIT source->pressed(from, &allowed);
    if (!allowed) return;
    Q_EMIT source->dragBegun(from);
    QMimeData mime;
    mime.setData(QString::fromLatin1(TileWidget::mimeType()), QByteArray::number(from));
    QDragEnterEvent enter(QPoint(5, 5), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
}

// Every tile of the picture on the board put in its place by drags.
inline void solvePicture(MainFrm* w) {
    const TileBoard& b = w->puzzle().board();
    for (int k = 1; k <= b.tileCount(); ++k) {
        for (int j = k + 1; j <= b.tileCount() && b.pieceAt(k) != k; ++j) {
            if (b.pieceAt(j) == k) dragTile(w, j, k);
        }
    }
}

// The five pictures of a drill, each memorised for four seconds, put right and checked a second
// later: 25 seconds on the clock.
inline void playEveryPicture(MainFrm* w, FakeClock& clock) {
    for (int picture = 1; picture <= 5; ++picture) {
        for (int s = 0; s < 4; ++s) {
            clock.advanceMs(1000);
            w->cycle().tick();
        }
        w->findChild<QPushButton*>(QStringLiteral("PicClipCnd1_2"))->click();
        solvePicture(w);
        clock.advanceMs(1000);
        w->cycle().tick();
        w->findChild<QPushButton*>(QStringLiteral("PicClipCnd1_3"))->click();
    }
}

struct Visit : TestWorld {
    Cues cues;

    explicit Visit(int level) : TestWorld(QDate(2024, 5, 10), 10 * 3600.0, 11) {
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
        program.useCues(cues);
        standIn({Screen::BASEFRM, Screen::seisekitime1, Screen::FrmSyuuryou});
    }
    int finishShown() const { return screens.count(QStringLiteral("show FrmSyuuryou")); }
    // The demo classroom's own pictures in place of the made-up ones (for pictures a person looks at).
    void useSamplePictures(const QString& folder) {
        QDir pictures(dir.filePath(QStringLiteral("picture")));
        for (const QString& f : pictures.entryList(QDir::Files)) pictures.remove(f);
        for (const QString& f : QDir(folder).entryList(QDir::Files))
            QFile::copy(folder + QLatin1Char('/') + f, pictures.filePath(f));
    }
    TileWidget* tile(MainFrm* w, int k) {
        return find<TileWidget>(w, QStringLiteral("PicClipImage1_%1").arg(k));
    }
    MainFrm* open() {
        screens.show(Screen::MainFrm);
        auto* w = qobject_cast<MainFrm*>(screens.loaded(Screen::MainFrm));
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();  // activation runs just after showing
        return w;
    }
    // Shown, laid out and the active window, as on a real desktop.
    MainFrm* openActive() {
        MainFrm* w = open();
        w->activateWindow();
        QApplication::setActiveWindow(w);
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
    void dragTile(MainFrm* w, int from, int to) { test::dragTile(w, from, to); }
    void solve(MainFrm* w) { solvePicture(w); }
    void secondsPass(MainFrm* w, int s) {
        for (int i = 0; i < s; ++i) {
            clock.advanceMs(1000);
            if (screens.loaded(Screen::MainFrm) == w && w->sTimer1->isActive()) w->cycle().tick();
        }
    }
};

}  // namespace pekuru::test
