#pragma once

#include <QWidget>
#include <vector>

#include "shell/AppContext.h"
#include "shell/ScreenKit.h"

class QLabel;
class QPushButton;
class QScrollArea;

namespace pekuru {

class DayChart;
class HubLevelRow;
class HubViewPanel;

// The records hub: one row per level with its start button, goal, the student's figures and a
// ranking list of the roster; from here a level starts or the student goes back to the names.
// The texts and lists come from Ranking; the rows and the view choices are parts of their own
// (HubLevelRow, HubViewPanel); this class places them, switches the views and forwards the events.
class seisekitime1 : public QWidget {
    Q_OBJECT
  public:
    explicit seisekitime1(AppContext& context, QWidget* parent = nullptr);

    // Form values.
    int KeyReady = 0;    // 1 while key presses are taken
    int ListMode = 2;    // 1: time lists, 2: points lists, 3: one student's times, 4: the chart
    int PointOrder = 1;  // 1: by all points, 2: by today's points

    // Activation: statistics, header, rows and lists, then keys are taken.
    void activate();
    // Starts level i, as its button and its key do.
    void startLevel(int level);
    // "戻る(0)": back to the name selection.
    void goBack();

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void buildHeader();
    void buildLevelRows();
    void layoutControls();

    void chooseView(int listMode);
    void showViewControls();
    void chooseOrder(int option);
    void rebuildLists();
    void fillRankingLists();
    void setFocusOrder();
    void setListsVisible(bool visible);
    bool handleKey(const QString& text);

    AppContext& ctx_;
    bool activating_ = false;
    bool leaving_ = false;  // a level is starting or the names are showing: no second start
    // Again when the screen comes back after another window of this program was in front, as
    // coming back from the print screen does.
    ScreenActivation activation_;

    // Header.
    QLabel *Label11 = nullptr, *Label12 = nullptr, *Label13 = nullptr, *Label17 = nullptr, *Label18 = nullptr;
    QPushButton* Command1 = nullptr;
    std::vector<QPushButton*> Command24;  // element 1: "印刷"

    HubViewPanel* views_ = nullptr;
    DayChart* chart_ = nullptr;

    // Level rows, elements 1..LevelCount.
    QScrollArea* levelArea_ = nullptr;
    QWidget* levelPanel_ = nullptr;
    std::vector<HubLevelRow*> rows_;

    // Wait panels: Picture2 while the screen activates or leaves, Picture6 while lists are rebuilt.
    WaitPanel *Picture2 = nullptr, *Picture6 = nullptr;
};

}  // namespace pekuru
