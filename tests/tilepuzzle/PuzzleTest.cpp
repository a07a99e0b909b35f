// The picture tile puzzle's rules, driven without widgets and with seeded random numbers.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <memory>

#include "platform/ProgramError.h"
#include "support/TestSupport.h"
#include "tilepuzzle/PictureList.h"
#include "tilepuzzle/TilePuzzle.h"

using namespace pekuru;

namespace {

// Counts the random numbers drawn.
struct CountingRandom : Random {
    MersenneRandom inner{7};
    int draws = 0;
    float next() override {
        ++draws;
        return inner.next();
    }
};

struct Host : PuzzleHost {
    int correct = 0, wrong = 0, yields = 0, solved = 0, changes = 0;
    void playCorrect() override { ++correct; }
    void playWrong() override { ++wrong; }
    void yieldToEvents() override { ++yields; }
    void allPicturesSolved() override { ++solved; }
    void puzzleChanged() override { ++changes; }
};

// A picture whose every cell has its own colour.
void writePicture(const QString& path, int hue) {
    QImage img(120, 90, QImage::Format_RGB32);
    QPainter p(&img);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 12; ++x)
            p.fillRect(x * 10, y * 10, 10, 10, QColor::fromHsv((hue + x * 25 + y * 40) % 360, 200, 230));
    p.end();
    ASSERT_TRUE(img.save(path)) << path.toStdString();
}

struct Drill {
    QTemporaryDir dir;
    std::unique_ptr<hensuu1> g = std::make_unique<hensuu1>();
    CountingRandom random;
    Host host;
    TilePuzzle puzzle{*g, random, host};

    explicit Drill(int level, int pictures = 6) {
        g->DataFolder = dir.path() + QStringLiteral("/");
        QDir().mkpath(dir.filePath(QStringLiteral("picture")));
        for (int i = 0; i < pictures; ++i)
            writePicture(dir.filePath(QStringLiteral("picture/p%1.%2")
                                          .arg(i)
                                          .arg(i % 2 ? QStringLiteral("jpg") : QStringLiteral("bmp"))),
                         i * 50);
        g->LevelNo = Integer(level);
        g->StartTime = 1000;
    }
    QString setUp() { return puzzle.levelSetup(g->DataFolder, g->LevelNo); }
    // Puts every tile right by swapping, as a child would by dragging.
    void solve() {
        const int n = puzzle.board().tileCount();
        for (int k = 1; k <= n; ++k) {
            for (int j = k; j <= n; ++j) {
                if (puzzle.board().pieceAt(j) == k) {
                    ASSERT_TRUE(puzzle.mouseDown(j));
                    puzzle.drop(k);
                    break;
                }
            }
        }
        ASSERT_TRUE(puzzle.board().isWhole());
    }
};

}  // namespace

TEST(PictureListing, BitmapsFirstThenJpegsEachInNameOrderAndTheCaseSensitiveFilter) {
    QTemporaryDir dir;
    for (const char* name : {"c.jpg", "b.BMP", "a.bmp", "x.Bmp", "d.JPG", "e.png", "f.jpeg", "g.bmp.txt"})
        test::writeBytes(dir.filePath(QString::fromLatin1(name)), "x");
    const QStringList listed = 絵ファイル一覧(dir.path());
    EXPECT_EQ(listed, (QStringList{"a.bmp", "b.BMP", "x.Bmp", "c.jpg", "d.JPG"}));
    EXPECT_EQ(usablePictures(listed), (QStringList{"a.bmp", "b.BMP", "c.jpg", "d.JPG"}));
    EXPECT_TRUE(絵ファイル一覧(dir.filePath(QStringLiteral("missing"))).isEmpty());
}

TEST(PictureListing, HoldsAtMostAHundredNames) {
    QTemporaryDir dir;
    for (int i = 0; i < 105; ++i)
        test::writeBytes(dir.filePath(QStringLiteral("p%1.bmp").arg(i, 3, 10, QLatin1Char('0'))), "x");
    const QStringList listed = 絵ファイル一覧(dir.path());
    ASSERT_EQ(listed.size(), 100);
    EXPECT_EQ(listed.front(), QStringLiteral("p000.bmp"));
    EXPECT_EQ(listed.back(), QStringLiteral("p099.bmp"));
}

TEST(Puzzle, EachLevelHasItsGridPicturesAndShuffleLength) {
    struct Case {
        int level, size, pictures;
    };
    for (const Case c : {Case{1, 3, 5}, Case{2, 4, 3}, Case{3, 5, 2}}) {
        Drill d(c.level);
        ASSERT_TRUE(d.setUp().isEmpty());
        EXPECT_EQ(d.puzzle.board().rows(), c.size);
        EXPECT_EQ(d.puzzle.board().cols(), c.size);
        EXPECT_EQ(d.g->MondaiSuu, c.pictures);
        d.puzzle.firstPicture();
        const int before = d.random.draws;
        d.puzzle.click(TilePuzzle::Start);
        // 3 × N swaps, two numbers each: 27 swaps on level 1, 75 on level 3.
        EXPECT_EQ(d.random.draws - before, 2 * 3 * c.size * c.size) << c.level;
    }
}

TEST(Puzzle, TooFewPicturesAreToldInsteadOfDrawingForever) {
    Drill d(1, 4);  // level 1 needs five
    const QString problem = d.setUp();
    EXPECT_TRUE(problem.contains(QStringLiteral("5 枚以上"))) << problem.toStdString();
    EXPECT_TRUE(problem.contains(QStringLiteral("4 枚しか")));
    Drill none(3, 0);
    EXPECT_FALSE(none.setUp().isEmpty());
}

TEST(Puzzle, MemoriseArrangeAndCheckedStates) {
    Drill d(1);
    ASSERT_TRUE(d.setUp().isEmpty());
    d.puzzle.firstPicture();
    EXPECT_EQ(d.puzzle.phase(), TilePuzzle::Phase::Memorise);
    EXPECT_TRUE(d.puzzle.board().isWhole());
    EXPECT_TRUE(d.puzzle.startShown());
    EXPECT_FALSE(d.puzzle.okShown());
    EXPECT_FALSE(d.puzzle.tilesEnabled());
    EXPECT_FALSE(d.puzzle.mouseDown(1));  // tiles are off while memorising
    EXPECT_EQ(d.puzzle.label1(), QStringLiteral("覚えたらスタートを押しなさい"));
    // The piece rectangles cut the 120 × 90 picture in thirds.
    EXPECT_EQ(d.puzzle.pieceRect(5), QRect(40, 30, 40, 30));

    d.puzzle.click(TilePuzzle::Start);
    EXPECT_EQ(d.puzzle.phase(), TilePuzzle::Phase::Arrange);
    EXPECT_FALSE(d.puzzle.startShown());
    EXPECT_TRUE(d.puzzle.okShown());
    EXPECT_TRUE(d.puzzle.giveUpShown());
    EXPECT_EQ(d.puzzle.label1(), QStringLiteral("正しく並べたら　O.K.を押しなさい"));

    // A drop on itself counts a move and changes nothing.
    std::vector<int> before;
    for (int k = 1; k <= 9; ++k) before.push_back(d.puzzle.board().pieceAt(k));
    ASSERT_TRUE(d.puzzle.mouseDown(4));
    d.puzzle.drop(4);
    EXPECT_EQ(d.puzzle.moveCount(), 1);
    for (int k = 1; k <= 9; ++k) EXPECT_EQ(d.puzzle.board().pieceAt(k), before[std::size_t(k - 1)]);

    // Make sure something is misplaced, then check.
    if (d.puzzle.board().isWhole()) {
        d.puzzle.mouseDown(1);
        d.puzzle.drop(2);
    }
    const int wrongTiles = int(d.puzzle.board().misplaced().size());
    d.puzzle.click(TilePuzzle::Check);
    EXPECT_EQ(d.puzzle.phase(), TilePuzzle::Phase::Checked);
    EXPECT_EQ(d.host.wrong, 1);
    EXPECT_EQ(d.puzzle.label3(), QString::number(wrongTiles) + QStringLiteral("カ所まちがい"));
    EXPECT_TRUE(d.puzzle.label3Shown());
    EXPECT_TRUE(d.puzzle.continueShown());
    EXPECT_FALSE(d.puzzle.okShown());
    EXPECT_FALSE(d.puzzle.label1Shown());
    for (int k = 1; k <= 9; ++k) EXPECT_EQ(d.puzzle.markerShown(k), d.puzzle.board().pieceAt(k) == k) << k;
    const int moves = d.puzzle.moveCount();
    EXPECT_FALSE(d.puzzle.mouseDown(1));  // drags are refused while the result shows
    EXPECT_EQ(d.puzzle.moveCount(), moves);

    d.puzzle.continueClicked();
    EXPECT_EQ(d.puzzle.phase(), TilePuzzle::Phase::Arrange);
    EXPECT_TRUE(d.puzzle.label3Shown());  // stays until the next mouse-down
    for (int k = 1; k <= 9; ++k) EXPECT_FALSE(d.puzzle.markerShown(k));
    EXPECT_TRUE(d.puzzle.mouseDown(1));
    EXPECT_FALSE(d.puzzle.label3Shown());
}

TEST(Puzzle, PenaltiesAddUpToSeventySecondsAndGiveUpRestoresTheSamePicture) {
    Drill d(2);
    ASSERT_TRUE(d.setUp().isEmpty());
    d.puzzle.firstPicture();
    const QString picture = d.puzzle.pictureFile();
    for (int round = 0; round < 2; ++round) {
        d.puzzle.click(TilePuzzle::Start);
        if (d.puzzle.board().isWhole()) {
            d.puzzle.mouseDown(1);
            d.puzzle.drop(2);
        }
        d.puzzle.click(TilePuzzle::Check);
        d.puzzle.continueClicked();
        d.puzzle.click(TilePuzzle::GiveUp);
        if (round == 0) {
            EXPECT_EQ(d.puzzle.phase(), TilePuzzle::Phase::Memorise);
            EXPECT_TRUE(d.puzzle.board().isWhole());
            EXPECT_EQ(d.puzzle.pictureFile(), picture);
            EXPECT_EQ(d.puzzle.remaining(), 3);  // a give-up solves nothing
            EXPECT_FALSE(d.puzzle.tilesEnabled());
            EXPECT_EQ(d.g->StartTime, 1000.0f - 10 - 50);
        }
    }
    EXPECT_EQ(d.g->StartTime, 1000.0f - 2 * 60);
    EXPECT_EQ(d.g->SeikaiSuu, 0);
}

TEST(Puzzle, SolvingEveryPictureDrawsEachOnceThenEndsTheDrillOnce) {
    Drill d(1, 5);  // exactly five pictures for five questions
    ASSERT_TRUE(d.setUp().isEmpty());
    d.puzzle.firstPicture();
    QStringList seen{d.puzzle.pictureFile()};
    for (int i = 1; i <= 5; ++i) {
        d.puzzle.click(TilePuzzle::Start);
        d.solve();
        d.puzzle.click(TilePuzzle::Check);
        EXPECT_EQ(d.host.correct, i);
        EXPECT_EQ(d.g->SeikaiSuu, i);
        EXPECT_EQ(d.puzzle.remaining(), 5 - i);
        if (i < 5) {
            EXPECT_EQ(d.puzzle.phase(), TilePuzzle::Phase::Memorise);
            EXPECT_TRUE(d.puzzle.startShown());
            EXPECT_FALSE(d.puzzle.tilesEnabled());
            EXPECT_FALSE(seen.contains(d.puzzle.pictureFile())) << "picture repeated";
            seen << d.puzzle.pictureFile();
            EXPECT_EQ(d.host.solved, 0);
        }
    }
    EXPECT_EQ(d.host.solved, 1);
    EXPECT_EQ(seen.size(), 5);
    EXPECT_EQ(d.host.wrong, 0);
}

TEST(Puzzle, APictureThatCannotBeLoadedIsNamed) {
    Drill d(1, 0);
    for (int i = 0; i < 5; ++i)
        test::writeBytes(d.dir.filePath(QStringLiteral("picture/broken%1.bmp").arg(i)), "not a bitmap");
    ASSERT_TRUE(d.setUp().isEmpty());
    try {
        d.puzzle.firstPicture();
        FAIL() << "no error";
    } catch (const ProgramError& e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("picture/broken")))
            << e.description().toStdString();
    }
}

TEST(Puzzle, TapsPickUpPutBackAndSwapThroughTheDropRule) {
    // Each row: the taps on a level 1 board just shuffled, then the tile in hand and the moves.
    struct Case {
        std::vector<int> taps;
        int picked;
        int moves;
        std::vector<std::pair<int, int>> swapped;  // tiles whose pieces changed places
    };
    const Case cases[] = {
        {{4}, 4, 0, {}},
        {{4, 4}, 0, 0, {}},           // the same tile again puts it back: no move
        {{4, 9}, 0, 1, {{4, 9}}},     // one swap, counted as one drop
        {{4, 9, 9}, 9, 1, {{4, 9}}},  // then tile 9 is picked up
        {{1, 2, 2, 3}, 0, 2, {{1, 2}, {2, 3}}},
        {{0, 10}, 0, 0, {}},  // no such tiles
    };
    for (const Case& c : cases) {
        Drill d(1);
        ASSERT_TRUE(d.setUp().isEmpty());
        d.puzzle.firstPicture();
        d.puzzle.click(TilePuzzle::Start);
        TileBoard expected = d.puzzle.board();
        for (auto [a, b] : c.swapped) expected.swap(a, b);
        for (int t : c.taps) d.puzzle.tap(t);
        EXPECT_EQ(d.puzzle.pickedTile(), c.picked);
        EXPECT_EQ(d.puzzle.moveCount(), c.moves);
        for (int k = 1; k <= 9; ++k) EXPECT_EQ(d.puzzle.board().pieceAt(k), expected.pieceAt(k)) << k;
    }
}
