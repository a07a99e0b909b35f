#pragma once

#include <QPixmap>
#include <QWidget>
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

class TileWidget;

// The drill screen: the status strip with the clock and time bar across the top, the picture
// tile puzzle below. Its handlers forward to DrillCycle and TilePuzzle and redraw from them.
class MainFrm : public QWidget, private DrillHost, private PuzzleHost {
    Q_OBJECT
  public:
    explicit MainFrm(AppContext& context, QWidget* parent = nullptr);
    ~MainFrm() override;

    DrillCycle& cycle() { return *cycle_; }
    TilePuzzle& puzzle() { return *puzzle_; }
    QTimer* sTimer1 = nullptr;
    QTimer* sTimer2 = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void activate();
    void buildStrip();
    void buildPuzzlePanel();
    void buildNotice();
    void layoutStrip();
    void layoutPuzzle();
    void renderPuzzle();
    void renderTiles();
    void makePieces();

    // DrillHost
    void yieldToEvents() override;
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

    // Status strip.
    QFrame* sPicture1 = nullptr;
    QLabel *sLabel2 = nullptr, *sLabel3 = nullptr, *sLabel4 = nullptr, *sLabel5 = nullptr, *sLabel6 = nullptr;
    QLabel *sLabel7 = nullptr, *sLabel8 = nullptr, *sLabel9 = nullptr, *sLabel10 = nullptr,
           *sLabel11 = nullptr;
    QLabel *sLabel12 = nullptr, *sLabel13 = nullptr, *sLabel14 = nullptr;
    QLabel* sLabel16[6] = {};
    QFrame *sShape5 = nullptr, *sShape2 = nullptr, *sShape3 = nullptr, *sShape4 = nullptr, *sShape7 = nullptr;
    std::vector<QFrame*> sPicture3;  // entries 10..39

    // Puzzle panel.
    QWidget* PicClipBasePic = nullptr;
    std::vector<TileWidget*> tiles_;  // entries 1..N
    std::vector<QLabel*> markers_;    // Shape1, entries 1..N
    std::vector<QPixmap> pieces_;     // the picture cut into pieces, entries 1..N
    int piecesOf_ = -1;               // the cut the pieces were made from
    QPushButton* PicClipCnd1[5] = {};
    QPushButton* Command1 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *moveCaption_ = nullptr;

    // End-of-drill notice.
    QFrame* sPicture2 = nullptr;
    QLabel *lblsss1 = nullptr, *lblsss2 = nullptr;
};

}  // namespace pekuru
