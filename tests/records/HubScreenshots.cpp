// Makes the pictures of the records hub for the README: four weeks of attempts of a classroom of
// four, each view at the given window size. Not a test: run by hand,
//   hub_screenshots OUTDIR WIDTH HEIGHT
// (with QT_SCALE_FACTOR=2 the window is drawn at twice the pixels).
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPixmap>
#include <QRadioButton>
#include <cstdio>

#include "HubFixture.h"

using namespace pekuru;
using namespace pekuru::test;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: hub_screenshots OUTDIR WIDTH HEIGHT\n");
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    const QSize size(std::atoi(argv[2]), std::atoi(argv[3]));
    QDir().mkpath(outDir);
    Hub h(weeksOfAttempts(kToday));
    // Goals that four weeks only partly reach, so that the pictures show every colour.
    for (int level = 1; level <= 3; ++level) {
        h.g->HituyouKaisuu[level] = 120 + 30 * level;
        h.g->SeigenTime[level] = 100 + 10 * level;
    }
    seisekitime1* w = h.open();
    w->resize(size);
    w->show();
    QCoreApplication::processEvents();
    const auto click = [&](const char* name) {
        w->findChild<QRadioButton*>(QString::fromLatin1(name))->click();
        QCoreApplication::processEvents();
    };
    struct Shot {
        const char *view, *order, *file;
    } shots[] = {
        {"Option2_2", "Option1_1", "hub-points"}, {"Option2_1", "Option1_1", "hub-best-times"},
        {"Option2_1", "Option1_2", "hub-today"},  {"Option2_1", "Option1_3", "hub-all-attempts"},
        {"Option2_3", nullptr, "hub-student"},    {"Option2_4", nullptr, "hub-chart"},
    };
    const double ratio = w->devicePixelRatioF();
    for (const Shot& s : shots) {
        click(s.view);
        if (s.order) click(s.order);
        const QString file = QStringLiteral("%1/%2-%3x%4.png")
                                 .arg(outDir, QString::fromLatin1(s.file))
                                 .arg(int(size.width() * ratio))
                                 .arg(int(size.height() * ratio));
        if (!w->grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", file.toLocal8Bit().constData());
            return 1;
        }
        std::printf("%s\n", file.toLocal8Bit().constData());
    }
    return 0;
}
