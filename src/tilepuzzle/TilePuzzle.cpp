#include "tilepuzzle/TilePuzzle.h"

#include <QFileInfo>
#include <QImageReader>
#include <cmath>

#include "platform/ProgramError.h"
#include "tilepuzzle/PictureList.h"

namespace pekuru {

namespace {

struct LevelGrid {
    int size;
    int pictures;
};

// Level 1: 3 × 3 tiles, five pictures; level 2: 4 × 4, three; level 3: 5 × 5, two.
LevelGrid gridOf(int level) {
    switch (level) {
        case 1:
            return {3, 5};
        case 2:
            return {4, 3};
        case 3:
            return {5, 2};
        default:
            throw ProgramError(
                ProgramError::SubscriptOutOfRange,
                QStringLiteral("レベル %1 の絵合わせはありません (レベルは 1 から 3 です)。").arg(level));
    }
}

int roundToInt16(double v) { return int(std::nearbyint(v)); }

}  // namespace

QString TilePuzzle::levelSetup(const QString& dataFolder, int level) {
    pictureFolder_ = dataFolder + QStringLiteral("picture/");
    const QStringList usable = usablePictures(絵ファイル一覧(pictureFolder_));
    picFile_ = QStringList{QString()} + usable;
    picUsed_.assign(std::size_t(picFile_.size()), 0);
    const LevelGrid grid = gridOf(level);
    board_.setGrid(grid.size, grid.size);
    markers_.assign(std::size_t(board_.tileCount() + 1), false);
    g_.MondaiSuu = Integer(grid.pictures);
    if (usable.size() < grid.pictures) {
        return QStringLiteral(
                   "絵のファイルが足りません。\n『%1』に、ファイル名が .bmp か .jpg で終わる絵が %2 "
                   "枚以上必要ですが、%3 枚しかありません。\n先生に知らせてください。")
            .arg(pictureFolder_)
            .arg(grid.pictures)
            .arg(usable.size());
    }
    return {};
}

void TilePuzzle::firstPicture() {
    click(NewPicture);
    click(Cut);
    click(Cut);  // the second cut repeats the first
}

void TilePuzzle::click(int element) {
    label3Shown_ = false;
    // Every button moves the puzzle on (a new picture, a shuffle, a check): a tile left in hand
    // would be a swap the child no longer expects.
    dropPick();
    switch (element) {
        case NewPicture:
            newPicture();
            break;
        case Cut:
            cut();
            break;
        case Start:
            start();
            break;
        case Check:
            check();
            break;
        case GiveUp:
            giveUp();
            break;
        default:
            break;
    }
    host_.puzzleChanged();
}

void TilePuzzle::newPicture() {
    const int count = int(picFile_.size()) - 1;
    bool anyFree = false;
    for (int i = 1; i <= count; ++i) anyFree = anyFree || picUsed_[std::size_t(i)] != 1;
    if (!anyFree) {
        throw ProgramError(
            ProgramError::SubscriptOutOfRange,
            QStringLiteral("このドリルで見せていない絵が『%1』に残っていません。").arg(pictureFolder_));
    }
    int pick;
    do {
        pick = 1 + random_.below(count);
    } while (picUsed_[std::size_t(pick)] == 1);
    picUsed_[std::size_t(pick)] = 1;

    pictureFile_ = pictureFolder_ + picFile_[pick];
    QImageReader reader(pictureFile_);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull() || image.width() < board_.cols() || image.height() < board_.rows()) {
        throw ProgramError(ProgramError::BadFileName,
                           QStringLiteral("絵のファイル『%1』を読み込めません (%2)。")
                               .arg(pictureFile_, reader.errorString()));
    }
    picture_ = std::move(image);
    pieceRects_.clear();  // not cut yet
    cellHeight_ = double(picture_.height()) / board_.rows();
    cellWidth_ = double(picture_.width()) / board_.cols();
    tilesShown_ = true;
    hideMarkers();
}

void TilePuzzle::cut() {
    const int n = board_.tileCount();
    pieceRects_.assign(std::size_t(n + 1), QRect());
    for (int r = 1; r <= board_.rows(); ++r) {
        for (int c = 1; c <= board_.cols(); ++c) {
            const int k = (r - 1) * board_.cols() + c;
            pieceRects_[std::size_t(k)] =
                QRect(roundToInt16((c - 1) * cellWidth_), roundToInt16((r - 1) * cellHeight_),
                      roundToInt16(cellWidth_), roundToInt16(cellHeight_));
        }
    }
    ++cutGeneration_;
    board_.restore();
    label1_ = memoriseText();
    phase_ = Phase::Memorise;
}

void TilePuzzle::start() {
    board_.shuffle(random_);
    label1_ = arrangeText();
    startShown_ = false;
    okShown_ = true;
    giveUpShown_ = true;
    tilesEnabled_ = true;
    phase_ = Phase::Arrange;
}

void TilePuzzle::check() {
    const int n = board_.tileCount();
    int misplaced = 0;
    for (int k = 1; k <= n; ++k) {
        if (board_.pieceAt(k) != k)
            ++misplaced;
        else
            markers_[std::size_t(k)] = true;
    }
    if (misplaced == 0) {
        host_.puzzleChanged();  // the markers show while the chime sounds
        host_.playCorrect();
        g_.SeikaiSuu += 1;
        if (g_.SeikaiSuu < g_.MondaiSuu) {
            tilesShown_ = false;
            hideMarkers();
            startShown_ = true;
            okShown_ = false;
            giveUpShown_ = false;
            tilesEnabled_ = false;
            newPicture();
            cut();
        } else {
            host_.yieldToEvents();
            host_.allPicturesSolved();
        }
        return;
    }
    host_.playWrong();
    host_.yieldToEvents();
    g_.StartTime = g_.StartTime - 10;
    label3_ = QString::number(misplaced) + QStringLiteral("カ所まちがい");
    label3Shown_ = true;
    continueShown_ = true;
    okShown_ = false;
    giveUpShown_ = false;
    label1Shown_ = false;
    dragLock_ = 1;
    phase_ = Phase::Checked;
}

void TilePuzzle::giveUp() {
    tilesEnabled_ = false;
    startShown_ = true;
    okShown_ = false;
    giveUpShown_ = false;
    g_.StartTime = g_.StartTime - 50;
    cut();
}

void TilePuzzle::continueClicked() {
    dropPick();
    dragLock_ = 0;
    hideMarkers();
    label1Shown_ = true;
    okShown_ = true;
    giveUpShown_ = true;
    continueShown_ = false;
    phase_ = Phase::Arrange;
    host_.puzzleChanged();
}

bool TilePuzzle::mouseDown(int tile) {
    if (dragLock_ == 1 || !tilesEnabled_) return false;
    dragFrom_ = tile;
    label3Shown_ = false;
    host_.puzzleChanged();
    return true;
}

void TilePuzzle::drop(int target) {
    if (dragFrom_ < 1 || dragFrom_ > board_.tileCount() || target < 1 || target > board_.tileCount()) return;
    ++moveCount_;
    board_.swap(target, dragFrom_);
    host_.puzzleChanged();
}

void TilePuzzle::tap(int tile) {
    if (tile < 1 || tile > board_.tileCount()) return;
    if (dragLock_ == 1 || !tilesEnabled_) {
        picked_ = 0;  // refused, as a drag would be
        return;
    }
    if (picked_ == 0) {
        if (mouseDown(tile)) {
            picked_ = tile;
            host_.puzzleChanged();
        }
        return;
    }
    const int from = picked_;
    picked_ = 0;
    if (from == tile) {
        host_.puzzleChanged();
        return;
    }
    dragFrom_ = from;
    drop(tile);
}

void TilePuzzle::dragStarted() {
    if (picked_ == 0) return;
    picked_ = 0;
    host_.puzzleChanged();
}

void TilePuzzle::dropPick() { picked_ = 0; }

void TilePuzzle::hideMarkers() { std::fill(markers_.begin(), markers_.end(), false); }

}  // namespace pekuru
