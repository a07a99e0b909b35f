// The demo classroom's puzzle pictures: the tool that draws them and the copies kept in data/sample.
// A child must be able to tell every tile of a 5 × 5 cut apart, so a picture with two tiles that look
// alike (a flat sky, an empty lawn) fails here.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <cstdlib>
#include <memory>

#include "tilepuzzle/PictureList.h"

namespace {

const QString kTool = QStringLiteral(PEKURU_MAKE_PICTURES);
const QString kSampleFolder = QString::fromUtf8(PEKURU_SAMPLE_PICTURES);

// Mean absolute difference per colour channel (0–255) between two equally sized regions.
double meanDifference(const QImage& first, const QRect& a, const QImage& second, const QRect& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb* rowA = reinterpret_cast<const QRgb*>(first.constScanLine(a.top() + y)) + a.left();
        const QRgb* rowB = reinterpret_cast<const QRgb*>(second.constScanLine(b.top() + y)) + b.left();
        for (int x = 0; x < a.width(); ++x) {
            sum += std::abs(qRed(rowA[x]) - qRed(rowB[x])) + std::abs(qGreen(rowA[x]) - qGreen(rowB[x])) +
                   std::abs(qBlue(rowA[x]) - qBlue(rowB[x]));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

// Standard deviation of each colour channel inside a tile, averaged over the channels: near 0 for a
// flat patch or a gentle gradient, whatever its colour.
double tileSpread(const QImage& image, const QRect& r) {
    double sum[3] = {}, squares[3] = {};
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = r.left(); x <= r.right(); ++x) {
            const int v[3] = {qRed(row[x]), qGreen(row[x]), qBlue(row[x])};
            for (int c = 0; c < 3; ++c) {
                sum[c] += v[c];
                squares[c] += double(v[c]) * v[c];
            }
        }
    }
    const double n = double(r.width()) * r.height();
    double spread = 0;
    for (int c = 0; c < 3; ++c) {
        const double mean = sum[c] / n;
        spread += std::sqrt(std::max(0.0, squares[c] / n - mean * mean));
    }
    return spread / 3;
}

struct CutReport {
    double closest = 1e9;  // the smallest difference between two tiles
    QString closestPair;
    double flattest = 1e9;  // the smallest spread inside one tile
    QString flattestTile;
};

// Cuts as the puzzle does (width / cols by height / rows) and compares every pair of tiles.
CutReport examineCut(const QImage& picture, int n) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const int tw = image.width() / n, th = image.height() / n;
    std::vector<QRect> tiles;
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) tiles.emplace_back(c * tw, r * th, tw, th);
    const auto name = [n](std::size_t k) {
        return QStringLiteral("row %1 column %2").arg(k / n + 1).arg(k % n + 1);
    };
    CutReport report;
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        const double spread = tileSpread(image, tiles[i]);
        if (spread < report.flattest) {
            report.flattest = spread;
            report.flattestTile = name(i);
        }
        for (std::size_t j = i + 1; j < tiles.size(); ++j) {
            const double d = meanDifference(image, tiles[i], image, tiles[j]);
            if (d < report.closest) {
                report.closest = d;
                report.closestPair = name(i) + QStringLiteral(" and ") + name(j);
            }
        }
    }
    return report;
}

bool isBitmapName(const QString& name) { return name.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive); }
bool isJpegName(const QString& name) { return name.endsWith(QStringLiteral(".jpg"), Qt::CaseInsensitive); }

class PictureAssets : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        out_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(out_->isValid());
        QProcess tool;
        tool.start(kTool, {out_->filePath(QStringLiteral("picture"))});
        ASSERT_TRUE(tool.waitForFinished(120000)) << tool.errorString().toStdString();
        toolExit_ = tool.exitCode();
        toolErrors_ = QString::fromLocal8Bit(tool.readAllStandardError());
    }
    static void TearDownTestSuite() { out_.reset(); }

    static QString drawnFolder() { return out_->filePath(QStringLiteral("picture")); }
    static QStringList filesIn(const QString& folder) {
        return QDir(folder).entryList(QDir::Files, QDir::Name);
    }

    static inline std::unique_ptr<QTemporaryDir> out_;
    static inline int toolExit_ = -1;
    static inline QString toolErrors_;
};

TEST_F(PictureAssets, ToolDrawsAtLeastTwelveBitmapAndJpegPictures) {
    ASSERT_EQ(toolExit_, 0) << toolErrors_.toStdString();
    const QStringList names = filesIn(drawnFolder());
    EXPECT_GE(names.size(), 12);
    int bitmaps = 0, jpegs = 0;
    for (const QString& name : names) {
        bitmaps += isBitmapName(name);
        jpegs += isJpegName(name);
    }
    EXPECT_GE(bitmaps, 6);
    EXPECT_GE(jpegs, 6);
    EXPECT_EQ(bitmaps + jpegs, names.size()) << "only pictures belong in the picture folder";
}

TEST_F(PictureAssets, PuzzleListsAndUsesEveryPicture) {
    // The names must survive both the case-insensitive listing and the case-sensitive name test.
    for (const QString& folder : {drawnFolder(), kSampleFolder}) {
        const QStringList onDisk = filesIn(folder);
        ASSERT_FALSE(onDisk.isEmpty()) << folder.toStdString();
        QStringList used = pekuru::usablePictures(pekuru::絵ファイル一覧(folder));
        used.sort();
        QStringList expected = onDisk;
        expected.sort();
        EXPECT_EQ(used, expected) << folder.toStdString();
    }
}

TEST_F(PictureAssets, FilesAreTwentyFourBitBitmapsAndBaselineJpegs) {
    for (const QString& folder : {drawnFolder(), kSampleFolder}) {
        for (const QString& name : filesIn(folder)) {
            QFile file(QDir(folder).filePath(name));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
            const QByteArray head = file.read(64);
            SCOPED_TRACE(name.toStdString());
            if (isBitmapName(name)) {
                ASSERT_GE(head.size(), 30);
                EXPECT_EQ(head.left(2), QByteArray("BM"));
                EXPECT_EQ(quint8(head[14]), 40) << "a plain BITMAPINFOHEADER";
                EXPECT_EQ(quint8(head[28]) | (quint8(head[29]) << 8), 24) << "24 bits per pixel";
                const quint32 declared = quint8(head[2]) | (quint8(head[3]) << 8) | (quint8(head[4]) << 16) |
                                         (quint32(quint8(head[5])) << 24);
                EXPECT_EQ(declared, quint32(file.size()));
            } else {
                ASSERT_GE(head.size(), 4);
                EXPECT_EQ(quint8(head[0]), 0xFF);
                EXPECT_EQ(quint8(head[1]), 0xD8);
            }
        }
    }
}

TEST_F(PictureAssets, PicturesAreSquareAndTheFolderStaysSmall) {
    for (const QString& folder : {drawnFolder(), kSampleFolder}) {
        qint64 total = 0;
        for (const QString& name : filesIn(folder)) {
            const QString path = QDir(folder).filePath(name);
            total += QFileInfo(path).size();
            const QImage image(path);
            ASSERT_FALSE(image.isNull()) << name.toStdString();
            EXPECT_EQ(image.width(), image.height()) << name.toStdString();
            EXPECT_GE(image.width(), 400) << name.toStdString();
            EXPECT_LE(image.width(), 640) << name.toStdString();
            EXPECT_EQ(image.width() % 60, 0)
                << name.toStdString() << ": 3, 4 and 5 columns should cut evenly";
        }
        EXPECT_LT(total, 8 * 1024 * 1024) << folder.toStdString();
    }
}

TEST_F(PictureAssets, EveryTileOfEveryCutCanBeToldApart) {
    // Thresholds found by measuring: the first drafts of the snow and space scenes, with bare snow and
    // empty starry sky, had tiles only 9.4 and 11.0 apart; the finished scenes stay above 19 apart and
    // above 15 in spread at every grid size.
    constexpr double kMinDifference = 15.0;
    constexpr double kMinSpread = 12.0;
    for (const QString& folder : {drawnFolder(), kSampleFolder}) {
        for (const QString& name : filesIn(folder)) {
            const QImage image(QDir(folder).filePath(name));
            ASSERT_FALSE(image.isNull()) << name.toStdString();
            for (int n : {3, 4, 5}) {
                const CutReport report = examineCut(image, n);
                EXPECT_GT(report.closest, kMinDifference)
                    << name.toStdString() << " cut " << n << "×" << n << ": "
                    << report.closestPair.toStdString() << " look alike";
                EXPECT_GT(report.flattest, kMinSpread)
                    << name.toStdString() << " cut " << n << "×" << n << ": "
                    << report.flattestTile.toStdString() << " is flat";
            }
        }
    }
}

TEST(PictureCheck, CatchesAFlatPicture) {
    // The check itself: a sky gradient with one sun must fail, a busy picture must pass.
    QImage sky(500, 500, QImage::Format_RGB32);
    for (int y = 0; y < 500; ++y)
        for (int x = 0; x < 500; ++x) sky.setPixel(x, y, qRgb(80 + y / 10, 160 + y / 8, 255));
    for (int y = 40; y < 120; ++y)
        for (int x = 40; x < 120; ++x) sky.setPixel(x, y, qRgb(255, 220, 40));
    const CutReport flat = examineCut(sky, 5);
    EXPECT_LT(flat.closest, 15.0);
    EXPECT_LT(flat.flattest, 12.0);

    QImage busy(500, 500, QImage::Format_RGB32);
    for (int y = 0; y < 500; ++y)
        for (int x = 0; x < 500; ++x)
            busy.setPixel(
                x, y,
                qRgb((x * 7 + y * 3) % 256, (x * y / 50) % 256, ((x / 100) * 60 + (y / 100) * 37 + x) % 256));
    const CutReport varied = examineCut(busy, 5);
    EXPECT_GT(varied.closest, 15.0);
    EXPECT_GT(varied.flattest, 12.0);
}

TEST_F(PictureAssets, DemoClassroomHoldsWhatTheToolDraws) {
    // The committed pictures must be the tool's current output (rerun the tool after changing a scene).
    // Differences are allowed for another compiler (the scenes' random placement and curves are
    // computed in floating point, which clang and GCC round a little differently) or another build
    // of Qt's rasteriser or JPEG library; a scene that was really changed differs far more.
    const QStringList drawn = filesIn(drawnFolder());
    ASSERT_EQ(filesIn(kSampleFolder), drawn);
    for (const QString& name : drawn) {
        const QImage fresh = QImage(QDir(drawnFolder()).filePath(name)).convertToFormat(QImage::Format_RGB32);
        const QImage kept = QImage(QDir(kSampleFolder).filePath(name)).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(fresh.size(), kept.size()) << name.toStdString();
        const double d = meanDifference(fresh, fresh.rect(), kept, kept.rect());
        EXPECT_LT(d, 15.0) << name.toStdString() << " in data/sample is out of date";
    }
}

TEST_F(PictureAssets, ToolRefusesAMissingFolderArgument) {
    QProcess tool;
    tool.start(kTool, {});
    ASSERT_TRUE(tool.waitForFinished(30000));
    EXPECT_EQ(tool.exitCode(), 2);
    EXPECT_TRUE(QString::fromLocal8Bit(tool.readAllStandardError()).contains(QStringLiteral("usage")));
}

}  // namespace
