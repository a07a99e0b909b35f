#include "records/HubViewPanel.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <algorithm>

#include "records/DayChart.h"
#include "records/HubLevelRow.h"
#include "records/HubViews.h"
#include "records/Ranking.h"
#include "records/Results.h"
#include "shell/Grades.h"
#include "shell/ScreenKit.h"

namespace pekuru {

namespace {

const QString kTimeView = QStringLiteral("タイム");
const QString kPointsView = QStringLiteral("ポイント");
const QString kStudentView = QStringLiteral("個人別"), kChartView = QStringLiteral("グラフ");
const QString kFilterCaption = QStringLiteral("学年");
const QString kByAllAtStart = QStringLiteral("累計順"), kByTodayAtStart = QStringLiteral("本日順");
const QString kBest = QStringLiteral("BEST表示"), kTodayOnly = QStringLiteral("本日のみ");
const QString kSumAll = QStringLiteral("合計累計"), kSumToday = QStringLiteral("合計本日");
const QString kEvery = QStringLiteral("すべて");
const QString kChartLevel = QStringLiteral("レベル");

// What the colours of the lines mean, each with its mark so that colour is never the only sign.
const QString kWithinGoalLegend = QStringLiteral("◎ 目標タイム以内");
const QString kOverLimitLegend = QStringLiteral("▲ 制限タイムより おそい");
const QString kGoalReachedLegend = QStringLiteral("◎ 目標の点に とどいた");
const QString kHalfwayLegend = QStringLiteral("○ 目標の点の半分を こえた");
const QString kBestLegend = QStringLiteral("★ 自己ベスト");

constexpr int kChartDays = 28;  // four weeks: progress shows, each day keeps a readable width

}  // namespace

HubViewPanel::HubViewPanel(AppContext& context, QWidget* parent) : QFrame(parent), ctx_(context) {
    setObjectName(QStringLiteral("choicePanel"));
    viewGroup_ = new QButtonGroup(this);
    orderGroup_ = new QButtonGroup(this);
    Option2.assign(5, nullptr);
    Option1.assign(4, nullptr);
    const QString views[] = {QString(), kTimeView, kPointsView, kStudentView, kChartView};
    const QString orders[] = {QString(), kByAllAtStart, kByTodayAtStart, kEvery};
    for (int k = 1; k <= 4; ++k) {
        Option2[std::size_t(k)] =
            named(new QRadioButton(views[k], this), QStringLiteral("Option2_%1").arg(k));
        viewGroup_->addButton(Option2[std::size_t(k)], k);
        connect(Option2[std::size_t(k)], &QRadioButton::clicked, this, [this, k] { Q_EMIT viewChosen(k); });
    }
    for (int k = 1; k <= 3; ++k) {
        Option1[std::size_t(k)] =
            named(new QRadioButton(orders[k], this), QStringLiteral("Option1_%1").arg(k));
        orderGroup_->addButton(Option1[std::size_t(k)], k);
        connect(Option1[std::size_t(k)], &QRadioButton::clicked, this, [this, k] { Q_EMIT orderChosen(k); });
    }
    legend_.assign(4, nullptr);
    for (int k = 1; k <= 3; ++k) {
        legend_[std::size_t(k)] =
            makeLabel(this, QStringLiteral("legend_%1").arg(k), QString(), Qt::AlignCenter);
        legend_[std::size_t(k)]->setVisible(false);
    }
    chartLevelCaption_ =
        makeLabel(this, QStringLiteral("chartLevelCaption"), kChartLevel, Qt::AlignRight | Qt::AlignVCenter);
    chartLevel_ = named(new QComboBox(this), QStringLiteral("chartLevel"));
    chartLevel_->setAccessibleName(QStringLiteral("グラフに出すレベル"));
    const hensuu1& g = ctx_.g;
    for (int i = 1; i <= std::clamp(int(g.LevelCount), 0, kMaxLevelIndex); ++i)
        chartLevel_->addItem(
            g.LevelName[i].trimmed().isEmpty() ? QStringLiteral("レベル%1").arg(i) : g.LevelName[i].trimmed(),
            i);
    connect(chartLevel_, &QComboBox::activated, this, [this] { fillChart(); });
    chartLevelCaption_->setVisible(false);
    chartLevel_->setVisible(false);
    Label5 = makeLabel(this, QStringLiteral("Label5"));
    filterCaption_ =
        makeLabel(this, QStringLiteral("filterCaption"), kFilterCaption, Qt::AlignRight | Qt::AlignVCenter);

    Combo1 = named(new QComboBox(this), QStringLiteral("Combo1"));
    Combo1->addItems(gradeFilterTexts());
    // The filter chosen on the name selection; a text that is none of the twelve ("家族", say)
    // stays what it is, so that GakunenFilterMatch decides about it.
    const QString start = g.GakunenFilter.isEmpty() ? gradeFilterTexts().front() : g.GakunenFilter;
    if (Combo1->findText(start) < 0) Combo1->addItem(start);
    Combo1->setCurrentIndex(Combo1->findText(start));
    Combo1->setAccessibleName(QStringLiteral("リストに出す学年"));
    connect(Combo1, &QComboBox::activated, this, [this] { Q_EMIT filterChosen(); });
}

void HubViewPanel::fillInto(std::vector<HubLevelRow*> rows, DayChart* chart) {
    rows_ = std::move(rows);
    chart_ = chart;
}

void HubViewPanel::captionOrdersAtStart() {
    Option1[1]->setText(kByAllAtStart);
    Option1[2]->setText(kByTodayAtStart);
}

void HubViewPanel::captionOrdersFor(int listMode) {
    Option1[1]->setText(listMode == 1 ? kBest : kSumAll);
    Option1[2]->setText(listMode == 1 ? kTodayOnly : kSumToday);
}

void HubViewPanel::showControlsFor(int listMode) {
    const bool lists = listMode <= 2, chart = listMode == 4;
    for (std::size_t k = 1; k <= 3; ++k) Option1[k]->setVisible(lists);
    chartLevelCaption_->setVisible(chart);
    chartLevel_->setVisible(chart);
}

void HubViewPanel::checkStartingChoice() {
    Option2[2]->setChecked(true);  // the view handler runs only on a click, so this changes nothing else
    Option1[1]->setChecked(true);
}

int HubViewPanel::checkedOrder() const { return orderGroup_->checkedId(); }

void HubViewPanel::setTitle(const QString& title) { Label5->setText(title); }

std::vector<QWidget*> HubViewPanel::focusChain() const {
    std::vector<QWidget*> chain;
    for (std::size_t k = 1; k <= 4; ++k) chain.push_back(Option2[k]);
    chain.push_back(Combo1);
    for (std::size_t k = 1; k <= 3; ++k) chain.push_back(Option1[k]);
    chain.push_back(chartLevel_);
    return chain;
}

void HubViewPanel::layoutControls(double sx, double sy, double u) {
    // Round marks a child can hit, growing with the text.
    setStyleSheet(QStringLiteral("#choicePanel { background: #e6f4f2; border-radius: 10px; } "
                                 "QLabel, QRadioButton { color: #123c3c; } "
                                 "QRadioButton::indicator { width: %1px; height: %1px; }")
                      .arg(int(18 * u)));
    // Two lines: the views, the list's title and the grade filter; then the orders (or the chart's
    // level) and what the colours mean.
    const auto inPanel = [&](QWidget* w, double x, double y, double wd) {
        w->setGeometry(scaledRect(x, y, wd, 34, sx, sy));
    };
    for (std::size_t k = 1; k <= 4; ++k) setGothic(Option2[k], 14 * u, true);
    for (std::size_t k = 1; k <= 3; ++k) setGothic(Option1[k], 14 * u);
    inPanel(Option2[1], 12, 6, 100);
    inPanel(Option2[2], 112, 6, 118);
    inPanel(Option2[3], 232, 6, 100);
    inPanel(Option2[4], 334, 6, 96);
    setGothic(Label5, 14 * u, true);
    inPanel(Label5, 440, 6, 368);
    setGothic(filterCaption_, 13 * u);
    inPanel(filterCaption_, 812, 6, 48);
    setGothic(Combo1, 13 * u);
    inPanel(Combo1, 864, 6, 136);
    inPanel(Option1[1], 12, 50, 132);
    inPanel(Option1[2], 146, 50, 132);
    inPanel(Option1[3], 280, 50, 104);
    setGothic(chartLevelCaption_, 13 * u);
    inPanel(chartLevelCaption_, 12, 50, 70);
    setGothic(chartLevel_, 13 * u);
    inPanel(chartLevel_, 88, 50, 220);
    for (std::size_t k = 1; k <= 3; ++k) setGothic(legend_[k], 12 * u, true);
    inPanel(legend_[1], 392, 50, 190);
    inPanel(legend_[2], 588, 50, 240);
    inPanel(legend_[3], 834, 50, 164);
}

void HubViewPanel::clearLists(bool rankingHeaders) {
    for (std::size_t i = 1; i < rows_.size(); ++i) rows_[i]->clearLines(rankingHeaders);
}

void HubViewPanel::fitLists(const std::function<void()>& step) {
    for (std::size_t i = 1; i < rows_.size(); ++i) {
        rows_[i]->fitListFont();
        rows_[i]->list()->scrollToBottom();  // the newest attempts in view
        step();
    }
}

void HubViewPanel::fillRankingLists(RankingOrder order, const std::function<void()>& step) {
    const QString filter = Combo1->currentText();
    clearLists(true);
    showLegend(order == RankingOrder::BestTime ? Legend::Times : Legend::Points);
    for (std::size_t i = 1; i < rows_.size(); ++i) {
        QListWidget* list = rows_[i]->list();
        int chosenRow = -1;
        for (const RankingLine& line : rankingLines(ctx_.g, int(i), order, filter)) {
            if (line.chosen) chosenRow = list->count();
            rows_[i]->addLine(line.text, line.mark);
        }
        rows_[i]->fitListFont();
        if (chosenRow >= 0) {
            list->setCurrentRow(chosenRow);
            list->scrollToItem(list->item(chosenRow));
        }
        step();
    }
}

void HubViewPanel::fillTodaysAttempts(const std::function<void()>& step) {
    clearLists(true);
    showLegend(Legend::Times);
    const std::vector<SeisekiRec> records =
        readNewestRecords(sharedResultPath(ctx_.g), kTodaysRecordsRead, ctx_.waiter);
    for (const AttemptLine& line :
         todaysAttemptLines(ctx_.g, records, ctx_.clock.today(), Combo1->currentText()))
        rows_[std::size_t(line.level)]->addLine(line.text, line.mark);
    fitLists(step);
}

void HubViewPanel::fillAllAttempts(const std::function<void()>& step) {
    clearLists(false);
    showLegend(Legend::Times);
    const std::vector<SeisekiRec> records =
        readNewestRecords(sharedResultPath(ctx_.g), kViewRecordsRead, ctx_.waiter);
    for (const AttemptLine& line : allAttemptLines(ctx_.g, records, Combo1->currentText()))
        rows_[std::size_t(line.level)]->addLine(line.text, line.mark);
    fitLists(step);
}

void HubViewPanel::fillStudentTable(const std::function<void()>& step) {
    clearLists(false);
    showLegend(Legend::StudentTimes);
    const std::vector<SeisekiRec> records =
        readNewestRecords(sharedResultPath(ctx_.g), kViewRecordsRead, ctx_.waiter);
    for (const AttemptLine& line : studentAttemptLines(ctx_.g, records, ctx_.g.SeitoBangou))
        rows_[std::size_t(line.level)]->addLine(line.text, line.mark);
    for (std::size_t i = 1; i < rows_.size(); ++i)
        if (rows_[i]->list()->count() == 0)
            rows_[i]->list()->addItem(QStringLiteral("まだ 記録が ありません"));
    fitLists(step);
}

void HubViewPanel::fillChart() {
    showLegend(Legend::None);
    const int level = chartLevel_->currentData().isValid() ? chartLevel_->currentData().toInt() : 1;
    if (level < 1 || level >= int(rows_.size())) return;
    const std::vector<SeisekiRec> records =
        readNewestRecords(sharedResultPath(ctx_.g), kViewRecordsRead, ctx_.waiter);
    const int s = ctx_.g.SeitoBangou;
    std::vector<DayFigures> days;
    if (const auto range = chartDays(records, s, level, ctx_.clock.today(), kChartDays))
        days = daySeries(ctx_.g, records, s, level, *range);
    chart_->setContent(chartLevel_->currentText(), std::move(days), ctx_.g.GoukakuTime[level]);
}

void HubViewPanel::showLegend(Legend legend) {
    QString texts[4];
    LineMark marks[4] = {LineMark::None, LineMark::None, LineMark::None, LineMark::None};
    if (legend == Legend::Times || legend == Legend::StudentTimes) {
        texts[1] = kWithinGoalLegend, marks[1] = LineMark::WithinGoal;
        texts[2] = kOverLimitLegend, marks[2] = LineMark::OverLimit;
        if (legend == Legend::StudentTimes) texts[3] = kBestLegend;
    } else if (legend == Legend::Points) {
        texts[1] = kGoalReachedLegend, marks[1] = LineMark::GoalReached;
        texts[2] = kHalfwayLegend, marks[2] = LineMark::HalfwayToGoal;
    }
    for (std::size_t k = 1; k <= 3; ++k) {
        const MarkLook look = lookOf(marks[k]);
        legend_[k]->setText(texts[k]);
        legend_[k]->setStyleSheet(
            QStringLiteral("background: %1; color: #1f2d2d; border-radius: 6px;")
                .arg(marks[k] == LineMark::None ? QStringLiteral("transparent") : look.background.name()));
        legend_[k]->setVisible(!texts[k].isEmpty());
    }
}

}  // namespace pekuru
