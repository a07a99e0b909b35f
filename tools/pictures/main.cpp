// pekuru-make-pictures OUTDIR [--preview DIR]
//
// Draws the demo classroom's puzzle pictures with QPainter (the scenes are in scene_*.cpp);
// randomness comes from one fixed seed per scene, so the pictures come out the same on every run.
// With --preview the tool also writes, for looking at, a PNG of each picture as read back from
// disk, a shuffled 5 × 5 cut of it, and a contact sheet.

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QTextStream>
#include <cstdint>
#include <utility>
#include <vector>

#include "Canvas.h"
#include "Scenes.h"

namespace pekuru::pictures {
namespace {

struct Scene {
    const char* file;  // the extension's case is chosen on purpose: the puzzle accepts .bmp .BMP .jpg .JPG
    void (*draw)(QPainter&, Dice&);
    std::uint32_t seed;
};

const Scene kScenes[] = {
    {"rainbow_lake.bmp", rainbowLake, 101},
    {"house_garden.BMP", houseGarden, 102},
    {"rocket_space.bmp", rocketSpace, 103},
    {"train_bridge.BMP", trainBridge, 104},
    {"farm.bmp", farm, 105},
    {"toy_shelf.BMP", toyShelf, 106},
    {"fish_tank.jpg", fishTank, 107},
    {"night_city.JPG", nightCity, 108},
    {"fruit_bowl.jpg", fruitBowl, 109},
    {"flower_field.JPG", flowerField, 110},
    {"castle.jpg", castle, 111},
    {"beach.JPG", beach, 112},
    {"snow_town.jpg", snowTown, 113},
    {"balloons.JPG", balloons, 114},
};

constexpr int kBitmapSide = 480;  // bitmaps are stored raw: keep them smaller
constexpr int kJpegSide = 600;

bool isBitmap(const QString& file) { return file.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive); }

QImage render(const Scene& scene, int side) {
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / kCanvas, side / kCanvas);
    Dice dice(scene.seed);
    scene.draw(p, dice);
    p.end();
    return image;
}

// A shuffled 5 × 5 cut of the picture with gaps between the tiles, for judging by eye whether
// each tile can be told apart.
QImage shuffledCut(const QImage& picture, std::uint32_t seed) {
    constexpr int n = 5, gap = 6;
    const int tw = picture.width() / n, th = picture.height() / n;
    std::vector<int> order(n * n);
    for (int i = 0; i < n * n; ++i) order[std::size_t(i)] = i;
    Dice dice(seed);
    for (int i = n * n - 1; i > 0; --i)
        std::swap(order[std::size_t(i)], order[std::size_t(dice.below(i + 1))]);
    QImage sheet(n * (tw + gap) + gap, n * (th + gap) + gap, QImage::Format_RGB32);
    sheet.fill(QColor(60, 60, 60));
    QPainter p(&sheet);
    for (int slot = 0; slot < n * n; ++slot) {
        const int piece = order[std::size_t(slot)];
        p.drawImage(QPoint(gap + (slot % n) * (tw + gap), gap + (slot / n) * (th + gap)),
                    picture.copy((piece % n) * tw, (piece / n) * th, tw, th));
    }
    return sheet;
}

bool save(const QImage& image, const QString& path, QTextStream& err) {
    QImageWriter writer(path, isBitmap(path) ? "bmp" : "jpeg");
    if (!isBitmap(path)) writer.setQuality(90);
    if (!writer.write(image)) {
        err << "pekuru-make-pictures: cannot write " << path << ": " << writer.errorString() << "\n";
        return false;
    }
    return true;
}

}  // namespace
}  // namespace pekuru::pictures

int main(int argc, char** argv) {
    using namespace pekuru::pictures;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout), err(stderr);
    QStringList args = QCoreApplication::arguments().mid(1);
    QString previewDir;
    const qsizetype previewAt = args.indexOf(QStringLiteral("--preview"));
    if (previewAt >= 0 && previewAt + 1 < args.size()) {
        previewDir = args.at(previewAt + 1);
        args.remove(previewAt, 2);
    }
    if (args.size() != 1 || args.first().startsWith(QLatin1Char('-'))) {
        err << "usage: pekuru-make-pictures OUTDIR [--preview DIR]\n"
               "Draws the demo classroom's puzzle pictures (bitmaps and JPEG) into OUTDIR.\n";
        return 2;
    }
    const QDir outDir(args.first());
    if (!QDir().mkpath(outDir.path()) || (!previewDir.isEmpty() && !QDir().mkpath(previewDir))) {
        err << "pekuru-make-pictures: cannot create the output folder\n";
        return 1;
    }
    std::vector<QImage> shown;
    for (const Scene& scene : kScenes) {
        const QString name = QString::fromLatin1(scene.file);
        const QString path = outDir.filePath(name);
        if (!save(render(scene, isBitmap(name) ? kBitmapSide : kJpegSide), path, err)) return 1;
        out << name << " " << QFileInfo(path).size() << " bytes\n";
        if (!previewDir.isEmpty()) {
            const QImage stored(path);  // as the puzzle will see it, JPEG artefacts and all
            const QString base = QDir(previewDir).filePath(QFileInfo(name).completeBaseName());
            if (!stored.save(base + QStringLiteral(".png")) ||
                !shuffledCut(stored, scene.seed).save(base + QStringLiteral("_cut.png"))) {
                err << "pekuru-make-pictures: cannot write the preview of " << name << "\n";
                return 1;
            }
            shown.push_back(stored.scaledToWidth(200, Qt::SmoothTransformation));
        }
    }
    if (!previewDir.isEmpty()) {
        const int cols = 5, rows = (int(shown.size()) + cols - 1) / cols;
        QImage sheet(cols * 205 + 5, rows * 205 + 5, QImage::Format_RGB32);
        sheet.fill(QColor(60, 60, 60));
        QPainter p(&sheet);
        for (std::size_t i = 0; i < shown.size(); ++i)
            p.drawImage(QPoint(5 + int(i % cols) * 205, 5 + int(i / cols) * 205), shown[i]);
        p.end();
        sheet.save(QDir(previewDir).filePath(QStringLiteral("contact.png")));
    }
    return 0;
}
