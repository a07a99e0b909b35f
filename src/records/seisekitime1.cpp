#include "records/seisekitime1.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QFontMetricsF>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "drill/LevelSetup.h"
#include "records/DayChart.h"
#include "records/HubViews.h"
#include "records/Ranking.h"
#include "records/Results.h"
#include "roster/Roster.h"

namespace pekuru {

namespace {

// The program's own words on this screen.
const QString kBack = QStringLiteral("戻る(0)");
const QString kPrint = QStringLiteral("印刷");
const QString kTeacher = QStringLiteral("先生");
const QString kWaitText = QStringLiteral("Just a moment, please.");
const QString kToday = QStringLiteral("今日");
const QString kAll = QStringLiteral("今まで");
const QString kTimeView = QStringLiteral("タイム");
const QString kPointsView = QStringLiteral("ポイント");
const QString kFilterCaption = QStringLiteral("学年");
const QString kByAllAtStart = QStringLiteral("累計順"), kByTodayAtStart = QStringLiteral("本日順");
const QString kBest = QStringLiteral("BEST表示"), kTodayOnly = QStringLiteral("本日のみ");
const QString kSumAll = QStringLiteral("合計累計"), kSumToday = QStringLiteral("合計本日");
const QString kBestTitle = QStringLiteral("ベスト成績"), kTodayTitle = QStringLiteral("本日の成績");
const QString kPointsByAll = QStringLiteral("獲得ポイント（今まで順位）");
const QString kPointsByToday = QStringLiteral("獲得ポイント（今日の順位）");
const QString kEvery = QStringLiteral("すべて"), kEveryTitle = QStringLiteral("全成績");
const QString kStudentView = QStringLiteral("個人別"), kChartView = QStringLiteral("グラフ");
const QString kStudentTitle = QStringLiteral("%1さんのタイム");
const QString kChartTitle = QStringLiteral("%1さんのグラフ");
const QString kChartLevel = QStringLiteral("レベル");

// What the colours of the lines mean, each with its mark so that colour is never the only sign.
const QString kWithinGoalLegend = QStringLiteral("◎ 目標タイム以内");
const QString kOverLimitLegend = QStringLiteral("▲ 制限タイムより おそい");
const QString kGoalReachedLegend = QStringLiteral("◎ 目標の点に とどいた");
const QString kHalfwayLegend = QStringLiteral("○ 目標の点の半分を こえた");
const QString kBestLegend = QStringLiteral("★ 自己ベスト");

constexpr int kChartDays = 28;  // four weeks: progress shows, each day keeps a readable width

struct MarkLook {
    QColor background, glyphColour;
    QString glyph, words;
};
MarkLook lookOf(LineMark mark) {
    switch (mark) {
        case LineMark::WithinGoal:
            return {QColor(0xd3, 0xf9, 0xd8), QColor(0x1b, 0x7a, 0x35), QStringLiteral("◎"),
                    QStringLiteral("目標タイム以内")};
        case LineMark::OverLimit:
            return {QColor(0xe4, 0xe4, 0xe4), QColor(0xc9, 0x2a, 0x2a), QStringLiteral("▲"),
                    QStringLiteral("制限タイムより おそい")};
        case LineMark::GoalReached:
            return {QColor(0xd3, 0xf9, 0xd8), QColor(0x1b, 0x7a, 0x35), QStringLiteral("◎"),
                    QStringLiteral("目標の点に とどいた")};
        case LineMark::HalfwayToGoal:
            return {QColor(0xff, 0xf0, 0xb3), QColor(0xb3, 0x5c, 0x00), QStringLiteral("○"),
                    QStringLiteral("目標の点の半分を こえた")};
        case LineMark::None:
            break;
    }
    return {QColor(Qt::white), QColor(Qt::transparent), QString(), QString()};
}

// The mark drawn as the line's icon: every line has one (blank when unmarked) so that the columns
// of all lines start at the same place.
QIcon markIcon(LineMark mark, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    const MarkLook look = lookOf(mark);
    if (!look.glyph.isEmpty()) {
        QPainter p(&pixmap);
        QFont f(QStringLiteral("IPAGothic"));
        f.setPixelSize(std::max(6, int(size * 0.9)));
        f.setBold(true);
        p.setFont(f);
        p.setPen(look.glyphColour);
        p.drawText(pixmap.rect(), Qt::AlignCenter, look.glyph);
    }
    return QIcon(pixmap);
}

const QString kUiFont = QStringLiteral("IPAPGothic");
const QString kListFont = QStringLiteral("IPAGothic");  // monospaced: the list lines are laid out by width

// Design size: positions below are in this frame and scaled to the window.
constexpr double kDesignWidth = 1024, kDesignHeight = 768;
constexpr double kRowDesignHeight = 184;

// 0x00BBGGRR as the settings hold colours.
QColor fromBgr(Long value) { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }

template <typename T>
T* named(T* w, const QString& name) {
    w->setObjectName(name);
    return w;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text = QString()) {
    auto* l = named(new QLabel(text, parent), name);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return l;
}

void setFontSize(QWidget* w, double points, bool bold = false, const QString& family = kUiFont) {
    QFont f(family);
    f.setPointSizeF(std::max(6.0, points));
    f.setBold(bold);
    w->setFont(f);
}

QRect scaled(double x, double y, double w, double h, double sx, double sy) {
    return QRect(int(x * sx), int(y * sy), int(w * sx), int(h * sy));
}

}  // namespace

seisekitime1::seisekitime1(AppContext& context, QWidget* parent) : QWidget(parent), ctx_(context) {
    setObjectName(QStringLiteral("seisekitime1"));
    setWindowTitle(ctx_.g.ProgTitle);
    setFont(QFont(kUiFont));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, fromBgr(ctx_.g.HaikeiColor));
    setPalette(pal);

    buildHeader();
    buildChoices();
    buildLevelRows();
    chart_ = new DayChart(this);
    chart_->setVisible(false);
    Picture6 = buildWaitPanel(QStringLiteral("Picture6"));
    Picture2 = buildWaitPanel(QStringLiteral("Picture2"));

    // Key preview: the form sees key presses before the control that has the focus.
    qApp->installEventFilter(this);
    resize(int(kDesignWidth), int(kDesignHeight));
}

void seisekitime1::buildHeader() {
    Label11 = makeLabel(this, QStringLiteral("Label11"));
    Label12 = makeLabel(this, QStringLiteral("Label12"));
    Label13 = makeLabel(this, QStringLiteral("Label13"));
    Label17 = makeLabel(this, QStringLiteral("Label17"));
    Label18 = makeLabel(this, QStringLiteral("Label18"));
    for (QLabel* l : {Label11, Label12, Label13, Label17, Label18})
        l->setStyleSheet(QStringLiteral("color: white;"));
    Label17->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label18->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    Command1 = named(new QPushButton(kBack, this), QStringLiteral("Command1"));
    Command1->setEnabled(false);
    Command1->setStyleSheet(
        QStringLiteral("QPushButton { background: #fff4e0; color: #5a3a00; border: 2px solid #c98a1a; "
                       "border-radius: 10px; } QPushButton:disabled { color: #a89a80; }"));
    connect(Command1, &QPushButton::clicked, this, &seisekitime1::goBack);

    Command24.assign(2, nullptr);
    Command24[1] = named(new QPushButton(kPrint, this), QStringLiteral("Command24_1"));
    Command24[1]->setVisible(false);
    Command24[1]->setStyleSheet(
        QStringLiteral("QPushButton { background: #e7f0ff; color: #123c7a; border: 2px solid #3b6fc4; "
                       "border-radius: 10px; }"));
    connect(Command24[1], &QPushButton::clicked, this, [this] { ctx_.nav.show(Screen::FormPrint0); });
}

void seisekitime1::buildChoices() {
    choicePanel_ = named(new QFrame(this), QStringLiteral("choicePanel"));
    // The views offered here: time lists and points lists. The all-attempts list and the
    // per-student time table are not offered yet, so their choices are left out.
    viewGroup_ = new QButtonGroup(this);
    orderGroup_ = new QButtonGroup(this);
    Option2.assign(5, nullptr);
    Option1.assign(4, nullptr);
    const QString views[] = {QString(), kTimeView, kPointsView, kStudentView, kChartView};
    const QString orders[] = {QString(), kByAllAtStart, kByTodayAtStart, kEvery};
    for (int k = 1; k <= 4; ++k) {
        Option2[std::size_t(k)] =
            named(new QRadioButton(views[k], choicePanel_), QStringLiteral("Option2_%1").arg(k));
        viewGroup_->addButton(Option2[std::size_t(k)], k);
        connect(Option2[std::size_t(k)], &QRadioButton::clicked, this, [this, k] { chooseView(k); });
    }
    for (int k = 1; k <= 3; ++k) {
        Option1[std::size_t(k)] =
            named(new QRadioButton(orders[k], choicePanel_), QStringLiteral("Option1_%1").arg(k));
        orderGroup_->addButton(Option1[std::size_t(k)], k);
        connect(Option1[std::size_t(k)], &QRadioButton::clicked, this, [this, k] { chooseOrder(k); });
    }
    legend_.assign(4, nullptr);
    for (int k = 1; k <= 3; ++k) {
        legend_[std::size_t(k)] = makeLabel(choicePanel_, QStringLiteral("legend_%1").arg(k));
        legend_[std::size_t(k)]->setAlignment(Qt::AlignCenter);
        legend_[std::size_t(k)]->setVisible(false);
    }
    chartLevelCaption_ = makeLabel(choicePanel_, QStringLiteral("chartLevelCaption"), kChartLevel);
    chartLevelCaption_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    chartLevel_ = named(new QComboBox(choicePanel_), QStringLiteral("chartLevel"));
    chartLevel_->setAccessibleName(QStringLiteral("グラフに出すレベル"));
    for (int i = 1; i <= std::clamp(int(ctx_.g.LevelCount), 0, kMaxLevelIndex); ++i)
        chartLevel_->addItem(ctx_.g.LevelName[i].trimmed().isEmpty() ? QStringLiteral("レベル%1").arg(i)
                                                                     : ctx_.g.LevelName[i].trimmed(),
                             i);
    connect(chartLevel_, &QComboBox::activated, this, [this] { fillChart(); });
    chartLevelCaption_->setVisible(false);
    chartLevel_->setVisible(false);
    Label5 = makeLabel(choicePanel_, QStringLiteral("Label5"));
    filterCaption_ = makeLabel(choicePanel_, QStringLiteral("filterCaption"), kFilterCaption);
    filterCaption_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    Combo1 = named(new QComboBox(choicePanel_), QStringLiteral("Combo1"));
    Combo1->addItems(gradeFilterTexts());
    // The filter chosen on the name selection; a text that is none of the twelve ("家族", say)
    // stays what it is, so that GakunenFilterMatch decides about it.
    const QString start = ctx_.g.GakunenFilter.isEmpty() ? gradeFilterTexts().front() : ctx_.g.GakunenFilter;
    if (Combo1->findText(start) < 0) Combo1->addItem(start);
    Combo1->setCurrentIndex(Combo1->findText(start));
    Combo1->setAccessibleName(QStringLiteral("リストに出す学年"));
    connect(Combo1, &QComboBox::activated, this, [this] { rebuildLists(); });
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

    const hensuu1& g = ctx_.g;
    const int n = std::clamp(int(g.LevelCount), 0, kMaxLevelIndex);
    const std::size_t size = std::size_t(n) + 1;
    rowPanels_.assign(size, nullptr);
    levelTitles_.assign(size, nullptr);
    Command4.assign(size, nullptr);
    for (auto* v : {&Label7, &Label8, &Label9, &Label10, &Label14, &Label15, &todayCaptions_, &allCaptions_})
        v->assign(size, nullptr);
    List5.assign(size, nullptr);
    for (int i = 1; i <= n; ++i) {
        const std::size_t k = std::size_t(i);
        auto* row = named(new QFrame(levelPanel_), QStringLiteral("levelRow_%1").arg(i));
        row->setStyleSheet(
            QStringLiteral(
                "#levelRow_%1 { background: #fffdf5; border-radius: 12px; } QLabel { color: #1f2d2d; }")
                .arg(i));
        rowPanels_[k] = row;
        levelTitles_[k] = makeLabel(row, QStringLiteral("levelTitle_%1").arg(i), g.LevelName[i]);
        levelTitles_[k]->setStyleSheet(QStringLiteral("color: #0b5c5c;"));
        Command4[k] = named(new QPushButton(startCaption(i), row), QStringLiteral("Command4_%1").arg(i));
        Command4[k]->setEnabled(false);
        Command4[k]->setStyleSheet(
            QStringLiteral("QPushButton { background: #2f9e44; color: white; border-radius: 12px; } "
                           "QPushButton:disabled { background: #9cc7a6; }"));
        connect(Command4[k], &QPushButton::clicked, this, [this, i] { startLevel(i); });
        Label7[k] = makeLabel(row, QStringLiteral("Label7_%1").arg(i), goalText(g, i));
        Label8[k] = makeLabel(row, QStringLiteral("Label8_%1").arg(i), periodText(g, g.SeitoBangou, i));
        for (QLabel* l : {Label7[k], Label8[k]})
            l->setStyleSheet(QStringLiteral(
                "background: #e0e0e0; color: #1f2d2d; padding-left: 6px; border-radius: 4px;"));
        todayCaptions_[k] = makeLabel(row, QStringLiteral("todayCaption_%1").arg(i), kToday);
        allCaptions_[k] = makeLabel(row, QStringLiteral("allCaption_%1").arg(i), kAll);
        Label14[k] = makeLabel(row, QStringLiteral("Label14_%1").arg(i));
        Label15[k] = makeLabel(row, QStringLiteral("Label15_%1").arg(i));
        Label9[k] = makeLabel(row, QStringLiteral("Label9_%1").arg(i), kToday);
        Label10[k] = makeLabel(row, QStringLiteral("Label10_%1").arg(i), kAll);
        Label9[k]->setAlignment(Qt::AlignRight | Qt::AlignBottom);
        Label10[k]->setAlignment(Qt::AlignRight | Qt::AlignBottom);
        Command4[k]->setAccessibleName(
            QStringLiteral("%1 をスタート (%2)").arg(g.LevelName[i].trimmed()).arg(i));
        List5[k] = named(new QListWidget(row), QStringLiteral("List5_%1").arg(i));
        List5[k]->setAccessibleName(QStringLiteral("%1 の成績リスト").arg(g.LevelName[i].trimmed()));
        List5[k]->setSelectionMode(QAbstractItemView::SingleSelection);
        List5[k]->setStyleSheet(
            QStringLiteral("QListWidget { background: white; color: #111; border: 1px solid #9bb; } "
                           "QListWidget::item:selected { background: #ffe066; color: #111; }"));
    }
}

QFrame* seisekitime1::buildWaitPanel(const QString& name) {
    auto* panel = named(new QFrame(this), name);
    panel->setStyleSheet(QStringLiteral("#%1 { background: rgba(0, 96, 96, 225); }").arg(name));
    auto* layout = new QVBoxLayout(panel);
    layout->addStretch(1);
    auto* text = makeLabel(panel, name + QStringLiteral("Text"), kWaitText);
    text->setAlignment(Qt::AlignCenter);
    text->setStyleSheet(QStringLiteral("color: white;"));
    setFontSize(text, 24, true);
    layout->addWidget(text);
    auto* bar = named(new QProgressBar(panel), QStringLiteral("progressBar"));
    bar->setTextVisible(false);
    bar->setFixedHeight(22);
    layout->addWidget(bar, 0, Qt::AlignHCenter);
    bar->setFixedWidth(360);
    layout->addStretch(1);
    panel->setVisible(false);
    return panel;
}

bool seisekitime1::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    switch (event->type()) {
        case QEvent::Show:
            // The first activation runs as soon as the screen is up, whether or not the window
            // manager hands it the focus.
            if (!activatedOnce_)
                QTimer::singleShot(0, this, [this] {
                    if (!activatedOnce_) activate();
                });
            break;
        case QEvent::WindowDeactivate: {
            // Another screen of this program in front (not another program) makes the next
            // activation recompute, as coming back from the print screen does.
            const QWidget* front = QApplication::activeWindow();
            if (front && front != this) leftForOwnWindow_ = true;
            break;
        }
        case QEvent::WindowActivate:
            if (activatedOnce_ && leftForOwnWindow_ && !activating_ && !leaving_)
                QTimer::singleShot(0, this, [this] { activate(); });
            break;
        default:
            break;
    }
    return handled;
}

void seisekitime1::activate() {
    if (activating_ || leaving_) return;
    activating_ = true;
    activatedOnce_ = true;
    leftForOwnWindow_ = false;
    hensuu1& g = ctx_.g;
    const int n = int(Command4.size()) - 1;
    const int s = g.SeitoBangou;
    QPointer<seisekitime1> self(this);

    Command24[1]->setVisible(g.SeitoNamae.contains(kTeacher));
    Label17->setText(minutesText(minutesSince(ctx_.clock.secondsSinceMidnight(), g.KaisiTime)));
    KeyReady = 0;
    Command1->setEnabled(false);
    showWait(Picture2, n + 2);
    ctx_.nav.yieldToEvents();
    if (!self) return;

    Option1[1]->setText(kByAllAtStart);
    Option1[2]->setText(kByTodayAtStart);
    ctx_.nav.unload(Screen::namesel);
    if (ctx_.results) ctx_.results->回数求();
    stepWait(Picture2);

    g.GoukeiKaisuu = todaysAttempts(g, s);
    Label18->setText(todaysAttemptsText(g.GoukeiKaisuu));

    ListMode = 2;
    showViewControls();
    Option2[2]->setChecked(true);  // the view handler runs only on a click, so this changes nothing else
    Option1[1]->setChecked(true);
    PointOrder = 1;
    Label5->setText(kPointsByAll);
    fillRankingLists();
    Command1->setEnabled(true);
    setListsVisible(true);

    Label12->setText(studentText(g));
    Label13->setText(classroomText(g));
    Label11->setText(g.ProgTitle);
    layoutControls();  // the title's font size follows its length

    for (int i = 1; i <= n; ++i) {
        const std::size_t k = std::size_t(i);
        Command4[k]->setEnabled(true);
        Label8[k]->setText(periodText(g, s, i));
        Label15[k]->setText(allFigures(g, s, i));
        Label14[k]->setText(todayFigures(g, s, i));
    }
    g.MaxLevelClear = maxLevelClear(g, s);

    hideWait(Picture2);
    ctx_.nav.yieldToEvents();
    if (!self) return;
    KeyReady = 1;
    activating_ = false;
}

void seisekitime1::startLevel(int level) {
    if (leaving_ || level < 1 || level >= int(Command4.size()) || level > ctx_.g.LevelCount) return;
    if (!Command4[std::size_t(level)]->isEnabled()) return;
    // A second key or click while this one yields must not start another drill.
    leaving_ = true;
    Picture2->setGeometry(rect());
    Picture2->raise();
    Picture2->show();
    ctx_.g.LevelNo = Integer(level);
    QPointer<seisekitime1> self(this);
    ctx_.nav.yieldToEvents();
    if (!self) return;
    KeyReady = 0;
    ドリル開始(ctx_.g, ctx_.nav);
    ctx_.nav.unload(Screen::seisekitime1);
}

void seisekitime1::goBack() {
    if (leaving_ || !Command1->isEnabled()) return;
    Command1->setEnabled(false);  // enabled again when the hub is activated again
    Picture2->setGeometry(rect());
    Picture2->raise();
    Picture2->show();
    ctx_.nav.show(Screen::namesel);
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
    if (listMode <= 2) {
        Option1[1]->setText(listMode == 1 ? kBest : kSumAll);
        Option1[2]->setText(listMode == 1 ? kTodayOnly : kSumToday);
    }
    showViewControls();
    // The lists follow the view at once, in the order that is chosen.
    rebuildLists();
}

void seisekitime1::showViewControls() {
    const bool lists = ListMode <= 2, chart = ListMode == 4;
    for (std::size_t k = 1; k <= 3; ++k) Option1[k]->setVisible(lists);
    chartLevelCaption_->setVisible(chart);
    chartLevel_->setVisible(chart);
    levelArea_->setVisible(!chart);
    chart_->setVisible(chart);
    if (chart) chart_->setGeometry(levelArea_->geometry());
    setFocusOrder();
}

void seisekitime1::chooseOrder(int option) {
    if (activating_) return;
    Command1->setEnabled(false);
    setListsVisible(false);
    showWait(Picture6, int(List5.size()) - 1);
    const QString name = ctx_.g.SeitoNamae.trimmed();
    if (ListMode == 3) {
        Label5->setText(kStudentTitle.arg(name));
        fillStudentTable();
    } else if (ListMode == 4) {
        Label5->setText(kChartTitle.arg(name));
        fillChart();
    } else if (option == 3) {
        Label5->setText(kEveryTitle);
        fillAllAttempts();
    } else if (ListMode == 1 && option == 1) {
        Label5->setText(kBestTitle);
        fillRankingLists();
    } else if (ListMode == 1) {
        Label5->setText(kTodayTitle);
        fillTodaysAttempts();
    } else {
        PointOrder = option;
        Label5->setText(option == 1 ? kPointsByAll : kPointsByToday);
        fillRankingLists();
    }
    setListsVisible(true);
    hideWait(Picture6);
    Command1->setEnabled(true);
}

void seisekitime1::rebuildLists() {
    if (activating_) return;
    const int checked = orderGroup_->checkedId();
    chooseOrder(checked >= 1 && checked <= 3 ? checked : 1);
}

void seisekitime1::clearLists(bool rankingHeaders) {
    for (std::size_t i = 1; i < List5.size(); ++i) {
        // The two headers stand over the points columns of the ranking and today's lines; the
        // other lists carry their words in every line.
        Label9[i]->setText(rankingHeaders ? kToday : QString());
        Label10[i]->setText(rankingHeaders ? kAll : QString());
        List5[i]->clear();
    }
}

void seisekitime1::addLine(int level, const QString& text, LineMark mark) {
    QListWidget* list = List5[std::size_t(level)];
    auto* item = new QListWidgetItem(text);
    const MarkLook look = lookOf(mark);
    if (mark != LineMark::None) {
        item->setBackground(look.background);
        item->setToolTip(look.words);
        item->setData(Qt::AccessibleTextRole,
                      text + QStringLiteral("（") + look.words + QStringLiteral("）"));
    }
    item->setData(Qt::UserRole, int(mark));
    list->addItem(item);
}

void seisekitime1::fillRankingLists() {
    const auto order = rankingOrder(ListMode, PointOrder);
    if (!order) return;
    const QString filter = Combo1->currentText();
    QFrame* wait = Picture2->isVisible() ? Picture2 : Picture6;
    clearLists(true);
    showLegend(*order == RankingOrder::BestTime ? Legend::Times : Legend::Points);
    for (std::size_t i = 1; i < List5.size(); ++i) {
        QListWidget* list = List5[i];
        int chosenRow = -1;
        for (const RankingLine& line : rankingLines(ctx_.g, int(i), *order, filter)) {
            if (line.chosen) chosenRow = list->count();
            addLine(int(i), line.text, line.mark);
        }
        fitListFont(list);
        if (chosenRow >= 0) {
            list->setCurrentRow(chosenRow);
            list->scrollToItem(list->item(chosenRow));
        }
        stepWait(wait);
    }
}

void seisekitime1::fillTodaysAttempts() {
    clearLists(true);
    showLegend(Legend::Times);
    const std::vector<SeisekiRec> records = readNewestRecords(sharedResultPath(ctx_.g), kTodaysRecordsRead);
    for (const AttemptLine& line :
         todaysAttemptLines(ctx_.g, records, ctx_.clock.today(), Combo1->currentText()))
        addLine(line.level, line.text, line.mark);
    for (std::size_t i = 1; i < List5.size(); ++i) {
        fitListFont(List5[i]);
        List5[i]->scrollToBottom();  // the newest attempts in view
        stepWait(Picture6);
    }
}

void seisekitime1::fillAllAttempts() {
    clearLists(false);
    showLegend(Legend::Times);
    const std::vector<SeisekiRec> records = readNewestRecords(sharedResultPath(ctx_.g), kViewRecordsRead);
    for (const AttemptLine& line : allAttemptLines(ctx_.g, records, Combo1->currentText()))
        addLine(line.level, line.text, line.mark);
    for (std::size_t i = 1; i < List5.size(); ++i) {
        fitListFont(List5[i]);
        List5[i]->scrollToBottom();
        stepWait(Picture6);
    }
}

void seisekitime1::fillStudentTable() {
    clearLists(false);
    showLegend(Legend::StudentTimes);
    const std::vector<SeisekiRec> records = readNewestRecords(sharedResultPath(ctx_.g), kViewRecordsRead);
    for (const AttemptLine& line : studentAttemptLines(ctx_.g, records, ctx_.g.SeitoBangou))
        addLine(line.level, line.text, line.mark);
    for (std::size_t i = 1; i < List5.size(); ++i) {
        if (List5[i]->count() == 0) List5[i]->addItem(QStringLiteral("まだ 記録が ありません"));
        fitListFont(List5[i]);
        List5[i]->scrollToBottom();
        stepWait(Picture6);
    }
}

void seisekitime1::fillChart() {
    showLegend(Legend::None);
    const int level = chartLevel_->currentData().isValid() ? chartLevel_->currentData().toInt() : 1;
    if (level < 1 || level >= int(List5.size())) return;
    const std::vector<SeisekiRec> records = readNewestRecords(sharedResultPath(ctx_.g), kViewRecordsRead);
    const int s = ctx_.g.SeitoBangou;
    std::vector<DayFigures> days;
    if (const auto range = chartDays(records, s, level, ctx_.clock.today(), kChartDays))
        days = daySeries(ctx_.g, records, s, level, *range);
    chart_->setContent(chartLevel_->currentText(), std::move(days), ctx_.g.GoukakuTime[level]);
}

void seisekitime1::showLegend(Legend legend) {
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

void seisekitime1::fitListFont(QListWidget* list) {
    // As large as lets about six lines show and the widest line, after its mark, fit across.
    QFont reference(kListFont);
    reference.setPixelSize(100);
    const QFontMetricsF fm(reference);
    double widest = fm.horizontalAdvance(QString(22, QLatin1Char(' ')));
    for (int r = 0; r < list->count(); ++r)
        widest = std::max(widest, fm.horizontalAdvance(list->item(r)->text()));
    const int scrollBar = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    const double across = list->width() - 2 * list->frameWidth() - scrollBar - 12;
    const int pixels = std::max(8, int(std::min(list->height() / 6.2, across / (widest / 100.0 + 1.15))));
    QFont font(kListFont);
    font.setPixelSize(pixels);
    list->setFont(font);
    list->setIconSize(QSize(pixels, pixels));
    // One icon per mark: the list of every attempt holds thousands of lines.
    const LineMark kinds[] = {LineMark::None, LineMark::WithinGoal, LineMark::OverLimit,
                              LineMark::GoalReached, LineMark::HalfwayToGoal};
    QIcon icons[std::size(kinds)];
    for (std::size_t k = 0; k < std::size(kinds); ++k) icons[int(kinds[k])] = markIcon(kinds[k], pixels);
    for (int r = 0; r < list->count(); ++r) {
        QListWidgetItem* item = list->item(r);
        item->setFont(font);
        const int mark = item->data(Qt::UserRole).toInt();
        item->setIcon(icons[mark >= 0 && mark < int(std::size(kinds)) ? mark : 0]);
    }
}

void seisekitime1::setFocusOrder() {
    // Tab follows the screen: the header's buttons, the choices from left to right and top to
    // bottom, then each level row (its start button, then its list).
    std::vector<QWidget*> order = {Command24[1], Command1};
    for (std::size_t k = 1; k <= 4; ++k) order.push_back(Option2[k]);
    order.push_back(Combo1);
    for (std::size_t k = 1; k <= 3; ++k) order.push_back(Option1[k]);
    order.push_back(chartLevel_);
    for (std::size_t i = 1; i < List5.size(); ++i) {
        order.push_back(Command4[i]);
        order.push_back(List5[i]);
    }
    for (std::size_t k = 1; k < order.size(); ++k) setTabOrder(order[k - 1], order[k]);
}

void seisekitime1::setListsVisible(bool visible) {
    for (std::size_t i = 1; i < List5.size(); ++i) List5[i]->setVisible(visible);
}

void seisekitime1::showWait(QFrame* panel, int steps) {
    auto* bar = panel->findChild<QProgressBar*>(QStringLiteral("progressBar"));
    bar->setRange(0, std::max(1, steps));
    bar->setValue(0);
    panel->setGeometry(panel == Picture2 ? rect() : levelArea_->geometry());
    panel->raise();
    panel->show();
    panel->repaint();
}

void seisekitime1::stepWait(QFrame* panel) {
    if (!panel->isVisible()) return;
    auto* bar = panel->findChild<QProgressBar*>(QStringLiteral("progressBar"));
    bar->setValue(std::min(bar->maximum(), bar->value() + 1));
    bar->repaint();
}

void seisekitime1::hideWait(QFrame* panel) {
    auto* bar = panel->findChild<QProgressBar*>(QStringLiteral("progressBar"));
    bar->setValue(bar->maximum());
    panel->hide();
}

void seisekitime1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutControls();
}

void seisekitime1::layoutControls() {
    const double sx = width() / kDesignWidth, sy = height() / kDesignHeight;
    const double u = std::max(0.6, std::min(sx, sy));  // fonts grow with the smaller of the two scales

    setFontSize(Label11, titlePointSize(Label11->text()) * u, true);
    Label11->setGeometry(scaled(16, 6, 170, 48, sx, sy));
    setFontSize(Label12, 20 * u, true);
    Label12->setGeometry(scaled(190, 6, 490, 48, sx, sy));
    setFontSize(Command24[1], 14 * u, true);
    Command24[1]->setGeometry(scaled(690, 10, 120, 42, sx, sy));
    setFontSize(Command1, 16 * u, true);
    Command1->setGeometry(scaled(824, 10, 184, 42, sx, sy));
    for (QLabel* l : {Label13, Label17, Label18}) setFontSize(l, 13 * u);
    Label13->setGeometry(scaled(16, 58, 500, 28, sx, sy));
    Label17->setGeometry(scaled(530, 58, 200, 28, sx, sy));
    Label18->setGeometry(scaled(740, 58, 268, 28, sx, sy));

    choicePanel_->setGeometry(scaled(8, 92, 1008, 92, sx, sy));
    // Round marks a child can hit, growing with the text.
    choicePanel_->setStyleSheet(QStringLiteral("#choicePanel { background: #e6f4f2; border-radius: 10px; } "
                                               "QLabel, QRadioButton { color: #123c3c; } "
                                               "QRadioButton::indicator { width: %1px; height: %1px; }")
                                    .arg(int(18 * u)));
    // Two lines: the views, the list's title and the grade filter; then the orders (or the chart's
    // level) and what the colours mean.
    const auto inPanel = [&](QWidget* w, double x, double y, double wd) {
        w->setGeometry(scaled(x, y, wd, 34, sx, sy));
    };
    for (std::size_t k = 1; k <= 4; ++k) setFontSize(Option2[k], 14 * u, true);
    for (std::size_t k = 1; k <= 3; ++k) setFontSize(Option1[k], 14 * u);
    inPanel(Option2[1], 12, 6, 100);
    inPanel(Option2[2], 112, 6, 118);
    inPanel(Option2[3], 232, 6, 100);
    inPanel(Option2[4], 334, 6, 96);
    setFontSize(Label5, 14 * u, true);
    inPanel(Label5, 440, 6, 368);
    setFontSize(filterCaption_, 13 * u);
    inPanel(filterCaption_, 812, 6, 48);
    setFontSize(Combo1, 13 * u);
    inPanel(Combo1, 864, 6, 136);
    inPanel(Option1[1], 12, 50, 132);
    inPanel(Option1[2], 146, 50, 132);
    inPanel(Option1[3], 280, 50, 104);
    setFontSize(chartLevelCaption_, 13 * u);
    inPanel(chartLevelCaption_, 12, 50, 70);
    setFontSize(chartLevel_, 13 * u);
    inPanel(chartLevel_, 88, 50, 220);
    for (std::size_t k = 1; k <= 3; ++k) setFontSize(legend_[k], 12 * u, true);
    inPanel(legend_[1], 392, 50, 190);
    inPanel(legend_[2], 588, 50, 240);
    inPanel(legend_[3], 834, 50, 164);

    // The level rows share the rest of the height; many levels scroll.
    const QRect area = scaled(8, 192, 1008, 568, sx, sy);
    levelArea_->setGeometry(area);
    chart_->setGeometry(area);
    const int n = int(Command4.size()) - 1;
    const int gap = int(8 * sy);
    const int fitted = n > 0 ? (area.height() - gap * (n - 1)) / n : 0;
    const int rowHeight = std::max(fitted, int(kRowDesignHeight * sy));
    const int total = n > 0 ? rowHeight * n + gap * (n - 1) : 0;
    const int scrollWidth = total > area.height() ? levelArea_->verticalScrollBar()->sizeHint().width() : 0;
    levelPanel_->resize(area.width() - scrollWidth, std::max(total, area.height()));
    for (int i = 1; i <= n; ++i) {
        rowPanels_[std::size_t(i)]->setGeometry(0, (i - 1) * (rowHeight + gap), levelPanel_->width(),
                                                rowHeight);
        layoutRow(i, levelPanel_->width(), rowHeight, sx, sy, u);
    }
    for (QFrame* panel : {Picture2, Picture6}) {
        if (panel->isVisible()) panel->setGeometry(panel == Picture2 ? rect() : area);
        panel->findChild<QProgressBar*>(QStringLiteral("progressBar"))
            ->setFixedSize(int(360 * sx), int(22 * sy));
        setFontSize(panel->findChild<QLabel*>(panel->objectName() + QStringLiteral("Text")), 24 * u, true);
    }
}

void seisekitime1::layoutRow(int level, int width, int height, double sx, double sy, double u) {
    const std::size_t k = std::size_t(level);
    const auto at = [&](QWidget* w, double x, double y, double wd, double h) {
        w->setGeometry(scaled(x, y, wd, h, sx, sy));
    };
    setFontSize(levelTitles_[k], 16 * u, true);
    at(levelTitles_[k], 14, 8, 160, 32);
    setFontSize(Command4[k], 22 * u, true);
    at(Command4[k], 12, 44, 162, 96);

    setFontSize(Label7[k], 13 * u);
    setFontSize(Label8[k], 13 * u);
    at(Label7[k], 188, 10, 316, 34);
    at(Label8[k], 188, 50, 316, 34);
    for (QLabel* l : {todayCaptions_[k], allCaptions_[k]}) setFontSize(l, 14 * u);
    for (QLabel* l : {Label14[k], Label15[k]}) setFontSize(l, 17 * u, true);
    at(todayCaptions_[k], 190, 94, 84, 38);
    at(Label14[k], 274, 94, 230, 38);
    at(allCaptions_[k], 190, 136, 84, 38);
    at(Label15[k], 274, 136, 230, 38);

    // The list fills the right part; its two headers stand over the points columns of a line
    // (today's points end 17 half-width places in, all points 23).
    QListWidget* list = List5[k];
    const int listX = int(518 * sx), listY = int(32 * sy);
    list->setGeometry(listX, listY, width - listX - int(10 * sx), height - listY - int(10 * sy));
    fitListFont(list);
    const double half = QFontMetricsF(list->font()).horizontalAdvance(QLatin1Char(' '));
    const int textX = listX + list->frameWidth() + 2 + list->iconSize().width() + 4;
    for (QLabel* l : {Label9[k], Label10[k]}) setFontSize(l, 12 * u, true);
    const int headerH = listY - int(2 * sy);
    Label9[k]->setGeometry(textX, 0, int(17 * half), headerH);
    Label10[k]->setGeometry(textX + int(16 * half), 0, int(7 * half) + 1, headerH);
}

}  // namespace pekuru
