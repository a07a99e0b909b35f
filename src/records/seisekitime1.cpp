#include "records/seisekitime1.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

#include "records/DayChart.h"
#include "records/HubLevelRow.h"
#include "records/HubViewPanel.h"
#include "records/Ranking.h"
#include "records/Results.h"
#include "shell/Grades.h"

namespace pekuru {

namespace {

// The program's own words on this screen.
const QString kBack = QStringLiteral("戻る(0)");
const QString kPrint = QStringLiteral("印刷");
const QString kBestTitle = QStringLiteral("ベスト成績"), kTodayTitle = QStringLiteral("本日の成績");
const QString kPointsByAll = QStringLiteral("獲得ポイント（今まで順位）");
const QString kPointsByToday = QStringLiteral("獲得ポイント（今日の順位）");
const QString kEveryTitle = QStringLiteral("全成績");
const QString kStudentTitle = QStringLiteral("%1さんのタイム");
const QString kChartTitle = QStringLiteral("%1さんのグラフ");

// Design size: positions below are in this frame and scaled to the window.
constexpr double kDesignWidth = 1024, kDesignHeight = 768;
constexpr double kRowDesignHeight = 184;

}  // namespace

seisekitime1::seisekitime1(AppContext& context, QWidget* parent)
    : QWidget(parent),
      ctx_(context),
      activation_(
          this, [this] { activate(); }, ScreenActivation::Left::ForOwnWindow,
          ScreenActivation::Again::Deferred, [this] { return !activating_ && !leaving_; }) {
    setObjectName(QStringLiteral("seisekitime1"));
    setWindowTitle(ctx_.g.ProgTitle);
    setFont(QFont(kGothicFace));
    paintBackground(this, bgrColour(ctx_.g.HaikeiColor));

    buildHeader();
    views_ = new HubViewPanel(ctx_, this);
    connect(views_, &HubViewPanel::viewChosen, this, &seisekitime1::chooseView);
    connect(views_, &HubViewPanel::orderChosen, this, &seisekitime1::chooseOrder);
    connect(views_, &HubViewPanel::filterChosen, this, &seisekitime1::rebuildLists);
    buildLevelRows();
    chart_ = new DayChart(this);
    chart_->setVisible(false);
    views_->fillInto(rows_, chart_);
    Picture6 = new WaitPanel(QStringLiteral("Picture6"), this);
    Picture2 = new WaitPanel(QStringLiteral("Picture2"), this);

    // Key preview: the form sees key presses before the control that has the focus.
    qApp->installEventFilter(this);
    resize(int(kDesignWidth), int(kDesignHeight));
}

void seisekitime1::buildHeader() {
    Label11 = makeLabel(this, QStringLiteral("Label11"));
    Label12 = makeLabel(this, QStringLiteral("Label12"));
    Label13 = makeLabel(this, QStringLiteral("Label13"));
    Label17 = makeLabel(this, QStringLiteral("Label17"), QString(), Qt::AlignRight | Qt::AlignVCenter);
    Label18 = makeLabel(this, QStringLiteral("Label18"), QString(), Qt::AlignRight | Qt::AlignVCenter);
    for (QLabel* l : {Label11, Label12, Label13, Label17, Label18})
        l->setStyleSheet(QStringLiteral("color: white;"));

    Command1 = named(new QPushButton(kBack, this), QStringLiteral("Command1"));
    Command1->setEnabled(false);
    Command1->setStyleSheet(
        QStringLiteral("QPushButton { background: #fff4e0; color: #5a3a00; border: 2px solid #c98a1a; "
                       "border-radius: 10px; } QPushButton:disabled { color: #a89a80; }"));
    connect(Command1, &QPushButton::clicked, this, &seisekitime1::goBack);

    // 1: the worksheets and 3: the photos (a teacher's), 2: the progress report (everyone's).
    Command24.assign(4, nullptr);
    const QString labels[] = {QString(), kPrint, QStringLiteral("成績表"), QStringLiteral("写真")};
    for (std::size_t i = 1; i < Command24.size(); ++i) {
        Command24[i] = named(new QPushButton(labels[i], this), QStringLiteral("Command24_%1").arg(i));
        Command24[i]->setVisible(i == 2);
        Command24[i]->setStyleSheet(
            QStringLiteral("QPushButton { background: #e7f0ff; color: #123c7a; border: 2px solid #3b6fc4; "
                           "border-radius: 10px; }"));
    }
    Command24[2]->setAccessibleDescription(QStringLiteral("この人の成績表を見て、印刷します"));
    Command24[3]->setAccessibleDescription(QStringLiteral("写真をパズルの絵にします"));
    connect(Command24[1], &QPushButton::clicked, this, [this] { ctx_.flow.printingChosen(); });
    connect(Command24[2], &QPushButton::clicked, this, [this] { ctx_.flow.reportChosen(); });
    connect(Command24[3], &QPushButton::clicked, this, [this] { ctx_.flow.photosChosen(); });
}

void seisekitime1::buildLevelRows() {
    levelArea_ = named(new QScrollArea(this), QStringLiteral("levelArea"));
    levelArea_->setFrameShape(QFrame::NoFrame);
    // Tab goes through the rows' own controls; the area scrolls to the one that has the focus.
    levelArea_->setFocusPolicy(Qt::NoFocus);
    levelArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    levelArea_->setStyleSheet(QStringLiteral("QScrollArea, #levelPanel { background: transparent; }"));
    levelPanel_ = named(new QWidget, QStringLiteral("levelPanel"));
    levelArea_->setWidget(levelPanel_);
    levelArea_->setWidgetResizable(false);

    const int n = std::clamp(int(ctx_.g.LevelCount), 0, kMaxLevelIndex);
    rows_.assign(std::size_t(n) + 1, nullptr);
    for (int i = 1; i <= n; ++i) {
        rows_[std::size_t(i)] = new HubLevelRow(ctx_.g, i, levelPanel_);
        connect(rows_[std::size_t(i)]->startButton(), &QPushButton::clicked, this,
                [this, i] { startLevel(i); });
    }
}

bool seisekitime1::event(QEvent* event) {
    const QEvent::Type type = event->type();
    const bool handled = QWidget::event(event);  // a deferred delete ends this screen here
    if (type != QEvent::DeferredDelete) activation_.seen(type);
    return handled;
}

void seisekitime1::activate() {
    if (activating_ || leaving_) return;
    activating_ = true;
    activation_.ran();
    hensuu1& g = ctx_.g;
    const int n = int(rows_.size()) - 1;
    const int s = g.SeitoBangou;
    QPointer<seisekitime1> self(this);

    Command24[1]->setVisible(isTeacherName(g.SeitoNamae));
    Command24[3]->setVisible(isTeacherName(g.SeitoNamae));
    Label17->setText(minutesText(minutesSince(ctx_.clock.secondsSinceMidnight(), g.KaisiTime)));
    KeyReady = 0;
    Command1->setEnabled(false);
    Picture2->start(n + 2, rect());
    ctx_.events.yieldToEvents();
    if (!self) return;

    views_->captionOrdersAtStart();
    ctx_.flow.hubShown();
    if (ctx_.results) ctx_.results->回数求();
    Picture2->step();

    g.GoukeiKaisuu = todaysAttempts(g, s);
    Label18->setText(todaysAttemptsText(g.GoukeiKaisuu));

    ListMode = 2;
    showViewControls();
    views_->checkStartingChoice();
    PointOrder = 1;
    views_->setTitle(kPointsByAll);
    fillRankingLists();
    Command1->setEnabled(true);
    setListsVisible(true);

    Label12->setText(studentText(g));
    Label13->setText(classroomText(g));
    Label11->setText(g.ProgTitle);
    layoutControls();  // the title's font size follows its length, the name's room the buttons beside it

    for (int i = 1; i <= n; ++i) {
        rows_[std::size_t(i)]->startButton()->setEnabled(true);
        rows_[std::size_t(i)]->showFigures(g, s);
    }
    g.MaxLevelClear = maxLevelClear(g, s);

    Picture2->finish();
    ctx_.events.yieldToEvents();
    if (!self) return;
    KeyReady = 1;
    activating_ = false;
}

void seisekitime1::startLevel(int level) {
    if (leaving_ || level < 1 || level >= int(rows_.size()) || level > ctx_.g.LevelCount) return;
    if (!rows_[std::size_t(level)]->startButton()->isEnabled()) return;
    // A second key or click while this one yields must not start another drill.
    leaving_ = true;
    Picture2->cover(rect());
    ctx_.g.LevelNo = Integer(level);
    QPointer<seisekitime1> self(this);
    ctx_.events.yieldToEvents();
    if (!self) return;
    KeyReady = 0;
    ctx_.flow.levelChosen();
}

void seisekitime1::goBack() {
    if (leaving_ || !Command1->isEnabled()) return;
    Command1->setEnabled(false);  // enabled again when the hub is activated again
    Picture2->cover(rect());
    ctx_.flow.hubLeft();
}

bool seisekitime1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* w = static_cast<QWidget*>(watched);
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool ours = w == this || isAncestorOf(w);
        if (ours && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
            handleKey(key->text()))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool seisekitime1::handleKey(const QString& text) {
    if (KeyReady == 0 || text.size() != 1) return false;
    const QChar c = text.at(0);
    if (c == QLatin1Char('0')) {
        if (Command1->isEnabled()) goBack();
        return true;
    }
    int level = 0;
    if (c >= QLatin1Char('1') && c <= QLatin1Char('9'))
        level = c.unicode() - '0';
    else if (c >= QLatin1Char('a') && c <= QLatin1Char('d'))
        level = 10 + (c.unicode() - 'a');  // "b" only counts past 10 levels
    else
        return false;
    startLevel(level);  // does nothing for a level this program does not have
    return true;
}

void seisekitime1::chooseView(int listMode) {
    if (activating_) return;
    ListMode = listMode;
    if (listMode <= 2) views_->captionOrdersFor(listMode);
    showViewControls();
    // The lists follow the view at once, in the order that is chosen.
    rebuildLists();
}

void seisekitime1::showViewControls() {
    const bool chart = ListMode == 4;
    views_->showControlsFor(ListMode);
    levelArea_->setVisible(!chart);
    chart_->setVisible(chart);
    if (chart) chart_->setGeometry(levelArea_->geometry());
    setFocusOrder();
}

void seisekitime1::chooseOrder(int option) {
    if (activating_) return;
    Command1->setEnabled(false);
    setListsVisible(false);
    Picture6->start(int(rows_.size()) - 1, levelArea_->geometry());
    const auto step = [this] { Picture6->step(); };
    const QString name = ctx_.g.SeitoNamae.trimmed();
    if (ListMode == 3) {
        views_->setTitle(kStudentTitle.arg(name));
        views_->fillStudentTable(step);
    } else if (ListMode == 4) {
        views_->setTitle(kChartTitle.arg(name));
        views_->fillChart();
    } else if (option == 3) {
        views_->setTitle(kEveryTitle);
        views_->fillAllAttempts(step);
    } else if (ListMode == 1 && option == 1) {
        views_->setTitle(kBestTitle);
        fillRankingLists();
    } else if (ListMode == 1) {
        views_->setTitle(kTodayTitle);
        views_->fillTodaysAttempts(step);
    } else {
        PointOrder = option;
        views_->setTitle(option == 1 ? kPointsByAll : kPointsByToday);
        fillRankingLists();
    }
    setListsVisible(true);
    Picture6->finish();
    Command1->setEnabled(true);
}

void seisekitime1::rebuildLists() {
    if (activating_) return;
    const int checked = views_->checkedOrder();
    chooseOrder(checked >= 1 && checked <= 3 ? checked : 1);
}

void seisekitime1::fillRankingLists() {
    const auto order = rankingOrder(ListMode, PointOrder);
    if (!order) return;
    WaitPanel* wait = Picture2->isVisible() ? Picture2 : Picture6;
    views_->fillRankingLists(*order, [wait] { wait->step(); });
}

void seisekitime1::setFocusOrder() {
    // Tab follows the screen: the header's buttons, the choices from left to right and top to
    // bottom, then each level row (its start button, then its list).
    std::vector<QWidget*> order = {Command24[3], Command24[1], Command24[2], Command1};
    for (QWidget* w : views_->focusChain()) order.push_back(w);
    for (std::size_t i = 1; i < rows_.size(); ++i) {
        order.push_back(rows_[i]->startButton());
        order.push_back(rows_[i]->list());
    }
    for (std::size_t k = 1; k < order.size(); ++k) setTabOrder(order[k - 1], order[k]);
}

void seisekitime1::setListsVisible(bool visible) {
    for (std::size_t i = 1; i < rows_.size(); ++i) rows_[i]->list()->setVisible(visible);
}

void seisekitime1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutControls();
}

void seisekitime1::layoutControls() {
    const double sx = width() / kDesignWidth, sy = height() / kDesignHeight;
    const double u = std::max(0.6, std::min(sx, sy));  // fonts grow with the smaller of the two scales

    setGothic(Label11, titlePointSize(Label11->text()) * u, true);
    Label11->setGeometry(scaledRect(16, 6, 170, 48, sx, sy));
    // A teacher has three buttons beside the name, everyone else one.
    const bool teacher = !Command24[3]->isHidden();
    Label12->setGeometry(scaledRect(190, 6, teacher ? 226 : 490, 48, sx, sy));
    fitText(Label12, Label12->text(), 20 * u, true);
    for (std::size_t i = 1; i < Command24.size(); ++i) setGothic(Command24[i], 14 * u, true);
    Command24[3]->setGeometry(scaledRect(422, 10, 120, 42, sx, sy));
    Command24[1]->setGeometry(scaledRect(556, 10, 120, 42, sx, sy));
    Command24[2]->setGeometry(scaledRect(690, 10, 120, 42, sx, sy));
    setGothic(Command1, 16 * u, true);
    Command1->setGeometry(scaledRect(824, 10, 184, 42, sx, sy));
    for (QLabel* l : {Label13, Label17, Label18}) setGothic(l, 13 * u);
    Label13->setGeometry(scaledRect(16, 58, 500, 28, sx, sy));
    Label17->setGeometry(scaledRect(530, 58, 200, 28, sx, sy));
    Label18->setGeometry(scaledRect(740, 58, 268, 28, sx, sy));

    views_->setGeometry(scaledRect(8, 92, 1008, 92, sx, sy));
    views_->layoutControls(sx, sy, u);

    // The level rows share the rest of the height; many levels scroll.
    const QRect area = scaledRect(8, 192, 1008, 568, sx, sy);
    levelArea_->setGeometry(area);
    chart_->setGeometry(area);
    const int n = int(rows_.size()) - 1;
    const int gap = int(8 * sy);
    const int fitted = n > 0 ? (area.height() - gap * (n - 1)) / n : 0;
    const int rowHeight = std::max(fitted, int(kRowDesignHeight * sy));
    const int total = n > 0 ? rowHeight * n + gap * (n - 1) : 0;
    const int scrollWidth = total > area.height() ? levelArea_->verticalScrollBar()->sizeHint().width() : 0;
    levelPanel_->resize(area.width() - scrollWidth, std::max(total, area.height()));
    for (int i = 1; i <= n; ++i) {
        HubLevelRow* row = rows_[std::size_t(i)];
        row->setGeometry(0, (i - 1) * (rowHeight + gap), levelPanel_->width(), rowHeight);
        row->layoutControls(levelPanel_->width(), rowHeight, sx, sy, u);
    }
    if (Picture2->isVisible()) Picture2->setGeometry(rect());
    if (Picture6->isVisible()) Picture6->setGeometry(area);
    for (WaitPanel* panel : {Picture2, Picture6}) panel->scale(sx, sy, u);
}

}  // namespace pekuru
