#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

#include "platform/Random.h"
#include "shell/GlobalState.h"
#include "tilepuzzle/TileBoard.h"

namespace pekuru {

// What the drill screen does for the puzzle.
class PuzzleHost {
  public:
    virtual ~PuzzleHost() = default;
    virtual void playCorrect() = 0;  // the correct-answer cue; returns when it has sounded
    virtual void playWrong() = 0;    // the mistake cue
    virtual void yieldToEvents() = 0;
    // The last picture is solved: stop the clock, mark the drill complete and end it.
    virtual void allPicturesSolved() = 0;
    // Something the screen shows has changed.
    virtual void puzzleChanged() = 0;
};

// The picture tile puzzle without its widgets: which picture, which piece on which tile, which
// buttons and texts are showing, and the rules that move between the three states.
class TilePuzzle {
  public:
    enum class Phase { None, Memorise, Arrange, Checked };
    enum Element { NewPicture = 0, Cut = 1, Start = 2, Check = 3, GiveUp = 4 };

    TilePuzzle(DrillState& g, Random& random, PuzzleHost& host) : g_(g), random_(random), host_(host) {}

    // Level set-up: the picture list, the grid and the pictures per drill for LevelNo. Returns an
    // empty text when the drill can run, else what stops it (too few pictures), for the user.
    QString levelSetup(const QString& dataFolder, int level);
    // The first picture, whole for memorising.
    void firstPicture();

    // The button array (elements 0 to 4) and "続きをする".
    void click(int element);
    void continueClicked();
    // Mouse-down on a tile: true when a drag may start from it.
    bool mouseDown(int tile);
    // The dragged tile dropped on tile `target`.
    void drop(int target);
    // A tile tapped, clicked or chosen with the keyboard: the first tap picks the tile up (a
    // mouse-down, so it is refused while a wrong O.K. shows), a tap on it again puts it back, a tap
    // on another tile drops the picked one there. Every swap thus goes through drop().
    void tap(int tile);
    // A drag has begun: a tile picked by tapping is put back, so only one tile is ever in hand.
    void dragStarted();
    // The tile picked by tapping, or 0.
    int pickedTile() const { return picked_; }

    // What the screen shows.
    Phase phase() const { return phase_; }
    const TileBoard& board() const { return board_; }
    const QImage& picture() const { return picture_; }
    const QString& pictureFile() const { return pictureFile_; }
    QRect pieceRect(int piece) const { return pieceRects_.at(std::size_t(piece)); }
    // Counts the cuts made: the pieces to show change exactly when it changes.
    int cutGeneration() const { return cutGeneration_; }
    bool markerShown(int tile) const { return markers_.at(std::size_t(tile)); }
    bool tilesShown() const { return tilesShown_; }
    bool tilesEnabled() const { return tilesEnabled_; }
    bool startShown() const { return startShown_; }
    bool okShown() const { return okShown_; }
    bool giveUpShown() const { return giveUpShown_; }
    bool continueShown() const { return continueShown_; }
    const QString& label1() const { return label1_; }
    bool label1Shown() const { return label1Shown_; }
    const QString& label3() const { return label3_; }
    bool label3Shown() const { return label3Shown_; }
    int moveCount() const { return moveCount_; }
    bool dragLocked() const { return dragLock_ == 1; }
    int dragFrom() const { return dragFrom_; }
    int remaining() const { return int(g_.MondaiSuu - g_.SeikaiSuu); }
    const QStringList& pictureFiles() const { return picFile_; }
    // Pictures shown so far in this drill, by list entry (from 1).
    bool pictureUsed(int entry) const { return picUsed_.at(std::size_t(entry)) == 1; }

    static QString memoriseText() { return QStringLiteral("覚えたらスタートを押しなさい"); }
    static QString arrangeText() { return QStringLiteral("正しく並べたら　O.K.を押しなさい"); }

  private:
    void newPicture();
    void cut();
    void start();
    void check();
    void giveUp();
    void hideMarkers();
    void dropPick();

    DrillState& g_;
    Random& random_;
    PuzzleHost& host_;

    QString pictureFolder_;
    QStringList picFile_;  // entries 1.. of the usable pictures (index 0 unused)
    std::vector<Integer> picUsed_;
    QImage picture_;
    QString pictureFile_;
    double cellWidth_ = 0;
    double cellHeight_ = 0;
    std::vector<QRect> pieceRects_;
    int cutGeneration_ = 0;
    TileBoard board_;
    std::vector<bool> markers_;
    Phase phase_ = Phase::None;
    bool tilesShown_ = false;
    bool tilesEnabled_ = false;
    bool startShown_ = true;
    bool okShown_ = false;
    bool giveUpShown_ = false;
    bool continueShown_ = false;
    QString label1_;
    bool label1Shown_ = true;
    QString label3_;
    bool label3Shown_ = false;
    int moveCount_ = 0;
    int dragFrom_ = 0;
    int dragLock_ = 0;
    int picked_ = 0;
};

}  // namespace pekuru
