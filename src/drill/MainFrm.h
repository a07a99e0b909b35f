#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "drill/DrillCycle.h"
#include "shell/AppContext.h"
#include "tilepuzzle/TilePuzzle.h"

class QLabel;
class QPushButton;
class QTimer;
class QFrame;

namespace pekuru {

class DrillStrip;
class TileWidget;
class KeyButton;

// The drill screen: the status strip with the clock and time bar across the top (DrillStrip), the
// picture tile puzzle below. Its handlers forward to DrillCycle and TilePuzzle and redraw from them.
class MainFrm : public QWidget, private DrillHost, private PuzzleHost {
    Q_OBJECT
  public:
    explicit MainFrm(AppContext& context, QWidget* parent = nullptr);
    ~MainFrm() override;

    DrillCycle& cycle() { return *cycle_; }
    TilePuzzle& puzzle() { return *puzzle_; }
    QTimer* sTimer1 = nullptr;
    QTimer* sTimer2 = nullptr;

    // The keys that press the puzzle's buttons, as painted on them.
    static constexpr Qt::Key startKey = Qt::Key_S;
    static constexpr Qt::Key okKey = Qt::Key_O;
    static constexpr Qt::Key giveUpKey = Qt::Key_G;
    static constexpr Qt::Key continueKey = Qt::Key_T;

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void activate();
    void buildPuzzlePanel();
    void buildNotice();
    double unit() const;
    void layoutStrip();
    void layoutPuzzle();
    void renderPuzzle();
    void renderTiles();
    void makePieces();
    void makeTiles(int n);
    void describeTiles();
    void placeFocus();
    void moveTileFocus(int tile, int rows, int cols);
    void focusTile(int tile);
    // Runs a puzzle step unless one is already under way (a step can yield to events while a
    // cue sounds; a second click or key then must not start another).
    void runStep(const std::function<void()>& step);
    bool pressButtonForKey(int key);
    bool drillEnding() const;
    void nameStatus();

    // DrillHost
    void yieldToEvents() override;
    void waitForEvents(int milliseconds) override;
    void setClockRunning(bool running) override;
    void showNotice(bool timeOver) override;
    void stripChanged() override;
    // PuzzleHost
    void playCorrect() override;
    void playWrong() override;
    void allPicturesSolved() override;
    void puzzleChanged() override;

    AppContext& ctx_;
    std::unique_ptr<DrillCycle> cycle_;
    std::unique_ptr<TilePuzzle> puzzle_;
    bool activated_ = false;

    DrillStrip* strip_ = nullptr;

    // Puzzle panel.
    QWidget* PicClipBasePic = nullptr;
    std::vector<TileWidget*> tiles_;  // entries 1..N
    std::vector<QLabel*> markers_;    // Shape1, entries 1..N
    std::vector<QPixmap> pieces_;     // the picture cut into pieces, entries 1..N
    int piecesOf_ = -1;               // the cut the pieces were made from
    QPushButton* PicClipCnd1[5] = {};
    KeyButton* keyButtons_[4] = {};  // スタート, O.K., ギブアップ, 続きをする
    QPushButton* Command1 = nullptr;
    bool stepRunning_ = false;
    bool keyboardInUse_ = false;  // the last input was a key: focus frames are shown
    int keyboardTile_ = 1;        // where the keyboard frame was last
    TilePuzzle::Phase shownPhase_ = TilePuzzle::Phase::None;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *moveCaption_ = nullptr;

    // End-of-drill notice.
    QFrame* sPicture2 = nullptr;
    QLabel *lblsss1 = nullptr, *lblsss2 = nullptr;
};

}  // namespace pekuru
