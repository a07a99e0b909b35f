#pragma once

#include <QWidget>
#include <vector>

#include "shell/AppContext.h"

class QButtonGroup;
class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QScrollArea;

namespace pekuru {

class DayChart;
enum class LineMark;

// The records hub: one row per level with its start button, goal, the student's figures and a
// ranking list of the roster; from here a level starts or the student goes back to the names.
// The texts and lists come from Ranking; this class places them and forwards the events.
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
    void buildChoices();
    void buildLevelRows();
    QFrame* buildWaitPanel(const QString& name);
    void layoutControls();
    void layoutRow(int level, int width, int height, double sx, double sy, double u);

    void chooseView(int listMode);
    void chooseOrder(int option);
    void rebuildLists();
    void fillRankingLists();
    void fillTodaysAttempts();
    void fillAllAttempts();
    void fillStudentTable();
    void fillChart();
    void clearLists(bool rankingHeaders);
    void addLine(int level, const QString& text, LineMark mark);
    void fitListFont(QListWidget* list);
    enum class Legend { None, Times, Points, StudentTimes };
    void showLegend(Legend legend);
    void showViewControls();
    void setFocusOrder();
    void setListsVisible(bool visible);
    void showWait(QFrame* panel, int steps);
    void stepWait(QFrame* panel);
    void hideWait(QFrame* panel);
    bool handleKey(const QString& text);

    AppContext& ctx_;
    bool activating_ = false;
    bool activatedOnce_ = false;
    bool leftForOwnWindow_ = false;
    bool leaving_ = false;  // a level is starting or the names are showing: no second start

    // Header.
    QLabel *Label11 = nullptr, *Label12 = nullptr, *Label13 = nullptr, *Label17 = nullptr, *Label18 = nullptr;
    QPushButton* Command1 = nullptr;
    std::vector<QPushButton*> Command24;  // element 1: "印刷"

    // View and list choices.
    QFrame* choicePanel_ = nullptr;
    std::vector<QRadioButton*> Option1;  // elements 1, 2, 3 (every attempt)
    // Elements 1 (time lists), 2 (points lists), 3 (one student's times), 4 (the chart).
    std::vector<QRadioButton*> Option2;
    QButtonGroup *orderGroup_ = nullptr, *viewGroup_ = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* filterCaption_ = nullptr;
    QComboBox* Combo1 = nullptr;
    std::vector<QLabel*> legend_;  // elements 1..3: what the colours and marks of the lines mean
    QLabel* chartLevelCaption_ = nullptr;
    QComboBox* chartLevel_ = nullptr;
    DayChart* chart_ = nullptr;

    // Level rows, elements 1..LevelCount.
    QScrollArea* levelArea_ = nullptr;
    QWidget* levelPanel_ = nullptr;
    std::vector<QFrame*> rowPanels_;
    std::vector<QLabel*> levelTitles_;
    std::vector<QPushButton*> Command4;
    std::vector<QLabel*> Label7, Label8, Label9, Label10, Label14, Label15;
    std::vector<QLabel*> todayCaptions_, allCaptions_;
    std::vector<QListWidget*> List5;

    // Wait panels: Picture2 while the screen activates or leaves, Picture6 while lists are rebuilt.
    QFrame *Picture2 = nullptr, *Picture6 = nullptr;
};

}  // namespace pekuru
