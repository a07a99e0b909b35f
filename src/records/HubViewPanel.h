#pragma once

#include <QFrame>
#include <functional>
#include <vector>

#include "shell/AppContext.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QRadioButton;

namespace pekuru {

class DayChart;
class HubLevelRow;
enum class RankingOrder;

// The records hub's choice of what its lists show, and the filling of the lists: the views (time
// lists, points lists, one student's times, the chart), the orders, the grade filter, the list's
// title and what the colours and marks of the lines mean.
class HubViewPanel : public QFrame {
    Q_OBJECT
  public:
    HubViewPanel(AppContext& context, QWidget* parent);
    // What the views fill: the level rows, elements 1..LevelCount (element 0 unused), and the chart.
    void fillInto(std::vector<HubLevelRow*> rows, DayChart* chart);

    // Captions of the first two orders: those of the points lists when the screen comes up; after
    // a view is chosen, those of the time lists (ListMode 1) or the points lists (2).
    void captionOrdersAtStart();
    void captionOrdersFor(int listMode);
    // The orders for the lists, the chart's level for the chart.
    void showControlsFor(int listMode);
    // Marks the points lists by all points as chosen, as the screen comes up.
    void checkStartingChoice();
    int checkedOrder() const;
    void setTitle(const QString& title);
    // The choices in their Tab order: views, grade filter, orders, chart level.
    std::vector<QWidget*> focusChain() const;
    void layoutControls(double sx, double sy, double u);

    // The lists of each view; `step` moves the wait panel on after each level.
    void fillRankingLists(RankingOrder order, const std::function<void()>& step);
    void fillTodaysAttempts(const std::function<void()>& step);
    void fillAllAttempts(const std::function<void()>& step);
    void fillStudentTable(const std::function<void()>& step);
    void fillChart();

  Q_SIGNALS:
    void viewChosen(int listMode);
    void orderChosen(int option);
    void filterChosen();

  private:
    enum class Legend { None, Times, Points, StudentTimes };
    void showLegend(Legend legend);
    void clearLists(bool rankingHeaders);
    // Fits each list's font and brings its newest lines into view.
    void fitLists(const std::function<void()>& step);

    AppContext& ctx_;
    std::vector<HubLevelRow*> rows_;
    DayChart* chart_ = nullptr;
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
};

}  // namespace pekuru
