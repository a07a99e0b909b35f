// Pictures of the screens for the README: each screen over a copy of a classroom folder, filled as
// after a few days of use, drawn at the window size asked for and saved as PNG files.
//
//   pekuru-grab-screens --folder <program folder> --out <folder> --size 1920x1080 [--suffix 1920]
//
// The classroom folder is changed (a result file is written into it): give it a copy. Run it under
// a display (xvfb-run) so that the fonts are those of a real session; QT_SCALE_FACTOR applies. The
// guide's window shows the guide the classroom copy holds in help/ (scripts/refresh-guide-pictures.sh
// puts it there).
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QRadioButton>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "app/Program.h"
#include "documents/FrmDocument.h"
#include "help/FrmHelp.h"
#include "platform/Waiter.h"
#include "printing/FormPrint0.h"
#include "printing/frmPrint.h"
#include "records/FrmSyuuryou.h"
#include "records/RecordFormat.h"
#include "records/Results.h"
#include "roster/FrmName2.h"
#include "roster/NameList.h"
#include "roster/frmver.h"
#include "roster/namesel.h"
#include "shell/BASEFRM.h"
#include "shell/LevelSetup.h"
#include "shell/ScreenManager.h"
#include "shell/Settings.h"
#include "tilepuzzle/FrmPhotos.h"

using namespace pekuru;

namespace {

// Screens that are not drawn here (the hub, the drill) are asked for and quietly left out.
struct OnlyRegistered : ScreenManager {
    void show(Screen s) override {
        if (s == Screen::seisekitime1 || s == Screen::MainFrm) return;
        ScreenManager::show(s);
    }
};

struct NoWait : Waiter {
    void wait(double) override {}
};

// A few days of attempts by the demo classroom's pupils 2 and 3.
void writeResults(const hensuu1& g, const QDate& today) {
    QByteArray file;
    const int plan[][4] = {{2, 1, 0, 38},   {2, 1, 0, 31}, {2, 2, 0, 95},  {2, 1, -1, 44}, {2, 1, -3, 57},
                           {2, 2, -2, 120}, {3, 1, 0, 52}, {3, 1, -1, 61}, {3, 1, -3, 70}, {1, 3, -1, 150}};
    for (const auto& p : plan) {
        SeisekiRec r;
        r.bangou = std::int16_t(p[0]);
        r.level = std::int16_t(p[1]);
        r.hiduke = dateValue(today.addDays(p[2]));
        r.jikoku = timeOfDayValue(10 * 3600);
        r.time = p[3];
        file += encode(r);
    }
    QFile f(sharedResultPath(g));
    if (!f.open(QIODevice::WriteOnly) || f.write(file) != file.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(f.fileName()));
}

bool save(QWidget* w, const QString& path) {
    QApplication::processEvents();
    const QPixmap shot = w->grab();
    if (!shot.save(path)) {
        std::fprintf(stderr, "cannot save %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s %dx%d\n", qPrintable(path), shot.width(), shot.height());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser cl;
    cl.addOption({QStringLiteral("folder"), QStringLiteral("program folder"), QStringLiteral("path")});
    cl.addOption({QStringLiteral("out"), QStringLiteral("output folder"), QStringLiteral("path")});
    cl.addOption({QStringLiteral("size"), QStringLiteral("window size WxH"), QStringLiteral("size")});
    cl.addOption({QStringLiteral("suffix"), QStringLiteral("file name suffix"), QStringLiteral("text")});
    cl.process(app);
    const QStringList wh = cl.value(QStringLiteral("size")).split(QLatin1Char('x'));
    if (!cl.isSet(QStringLiteral("folder")) || !cl.isSet(QStringLiteral("out")) || wh.size() != 2) {
        std::fputs("usage: pekuru-grab-screens --folder F --out D --size WxH [--suffix N]\n", stderr);
        return 2;
    }
    const QSize size(wh[0].toInt(), wh[1].toInt());
    const QString suffix = cl.isSet(QStringLiteral("suffix")) ? cl.value(QStringLiteral("suffix")) : wh[0];
    const QDir out(cl.value(QStringLiteral("out")));

    SystemClock clock;
    MersenneRandom random{7};
    StderrMessageService messages;
    OnlyRegistered screens;
    NoWait wait;
    Program program(clock, random, messages, screens, wait);
    program.load(cl.value(QStringLiteral("folder")));
    hensuu1* g = &program.state();
    AppContext& ctx = program.context();
    Results& results = program.results();
    プログラム名設定(*g);
    writeResults(*g, clock.today());

    bool ok = true;
    auto shoot = [&](QWidget* w, const QString& name) {
        w->resize(size);
        w->show();
        ok = save(w, out.filePath(QStringLiteral("%1-%2.png").arg(name, suffix))) && ok;
    };

    {
        namesel w(ctx);
        w.load();
        shoot(&w, QStringLiteral("namesel"));
        // The about box over the name selection, as a click on the title opens it.
        frmver box(g->ProgTitle, &w);
        box.show();
        box.move(w.geometry().center() - box.rect().center());
        QApplication::processEvents();
        ok = save(&box, out.filePath(QStringLiteral("frmver-%1.png").arg(suffix))) && ok;
        // A pupil chosen: the name shows under the list.
        auto* list = w.findChild<QListWidget*>(QStringLiteral("List1"));
        if (list && list->count() > 2) list->setCurrentRow(2);
        ok = save(&w, out.filePath(QStringLiteral("namesel-chosen-%1.png").arg(suffix))) && ok;
    }
    {
        FrmName2 w(ctx);
        shoot(&w, QStringLiteral("FrmName2"));
    }
    {
        // The finish screen after a personal best on level 1 by pupil 2, the fifth attempt in a week:
        // the level is cleared, and a certificate is offered.
        名前確定(*g, clock, QStringLiteral("2"));
        レベル名設定(*g);
        g->LevelNo = 1;
        g->JikanGire = 0;
        results.回数求();
        const Attempt attempt{g->SeitoBangou, 1, 29, false};
        const AttemptOutcome outcome = results.Seisekikiroku(attempt);
        FrmSyuuryou w(ctx);
        w.setAttempt(attempt, outcome);
        w.resize(size);
        w.show();
        w.activate();
        w.timer1Fired();
        ok = save(&w, out.filePath(QStringLiteral("FrmSyuuryou-%1.png").arg(suffix))) && ok;
    }
    {
        // A question sheet with two characters of each idiom hidden.
        FormPrint0 w(ctx);
        if (auto* two = w.findChild<QRadioButton*>(QStringLiteral("Option1_3"))) two->click();
        shoot(&w, QStringLiteral("FormPrint0"));
        frmPrint p(ctx);
        shoot(&p, QStringLiteral("frmPrint"));
    }
    {
        BASEFRM w(ctx);
        shoot(&w, QStringLiteral("BASEFRM"));
    }
    {
        // The photos screen with one of the classroom's own pictures as the photo being cut.
        FrmPhotos w(ctx);
        const QStringList pictures =
            QDir(w.pictureFolder()).entryList({QStringLiteral("*.jpg")}, QDir::Files);
        if (!pictures.isEmpty()) {
            // A wide copy, as a photo from a camera is.
            QImage wide(QDir(w.pictureFolder()).filePath(pictures.first()));
            wide = wide.scaled(wide.width() * 3 / 2, wide.height(), Qt::IgnoreAspectRatio,
                               Qt::SmoothTransformation);
            const QString photo = QDir::temp().filePath(QStringLiteral("こうえん.jpg"));
            wide.save(photo);
            w.takePhotos({photo});
            QFile::remove(photo);
        }
        shoot(&w, QStringLiteral("FrmPhotos"));
    }
    {
        // The guide, at the page for children (the classroom folder given holds it in help/).
        FrmHelp w(ctx);
        w.open(QStringLiteral("child.html"));
        shoot(&w, QStringLiteral("FrmHelp"));
    }
    {
        // Pupil 2's progress report, and a certificate for level 1.
        results.回数求();
        FrmDocument report(ctx, FrmDocument::Kind::Report);
        shoot(&report, QStringLiteral("FrmReport"));
        FrmDocument certificate(ctx, FrmDocument::Kind::Certificate);
        certificate.setAttempt(Attempt{g->SeitoBangou, 1, 29, false});
        shoot(&certificate, QStringLiteral("FrmCertificate"));
    }
    return ok ? 0 : 1;
}
