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
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "drill/LevelSetup.h"
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

const QString kUiFont = QStringLiteral("IPAPGothic");
const QString kListFont = QStringLiteral("IPAGothic");  // monospaced: the list lines are laid out by width

// Design size: positions below are in this frame and scaled to the window.
constexpr double kDesignWidth = 1024, kDesignHeight = 768;
constexpr double kRowDesignHeight = 196;

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
    Option2.assign(3, nullptr);
    Option1.assign(3, nullptr);
    const QString views[] = {QString(), kTimeView, kPointsView};
    const QString orders[] = {QString(), kByAllAtStart, kByTodayAtStart};
    for (int k = 1; k <= 2; ++k) {
        Option2[std::size_t(k)] =
            named(new QRadioButton(views[k], choicePanel_), QStringLiteral("Option2_%1").arg(k));
        viewGroup_->addButton(Option2[std::size_t(k)], k);
        connect(Option2[std::size_t(k)], &QRadioButton::clicked, this, [this, k] { chooseView(k); });
        Option1[std::size_t(k)] =
            named(new QRadioButton(orders[k], choicePanel_), QStringLiteral("Option1_%1").arg(k));
        orderGroup_->addButton(Option1[std::size_t(k)], k);
        connect(Option1[std::size_t(k)], &QRadioButton::clicked, this, [this, k] { chooseOrder(k); });
    }
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
    connect(Combo1, &QComboBox::activated, this, [this] { rebuildLists(); });
}

void seisekitime1::buildLevelRows() {
    levelArea_ = named(new QScrollArea(this), QStringLiteral("levelArea"));
    levelArea_->setFrameShape(QFrame::NoFrame);
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
        List5[k] = named(new QListWidget(row), QStringLiteral("List5_%1").arg(i));
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
    Option1[1]->setText(listMode == 1 ? kBest : kSumAll);
    Option1[2]->setText(listMode == 1 ? kTodayOnly : kSumToday);
    // The lists follow the view at once, in the order that is chosen.
    rebuildLists();
}

void seisekitime1::chooseOrder(int option) {
    if (activating_) return;
    Command1->setEnabled(false);
    setListsVisible(false);
    showWait(Picture6, int(List5.size()) - 1);
    if (ListMode == 1 && option == 1) {
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
    chooseOrder(orderGroup_->checkedId() == 2 ? 2 : 1);
}

void seisekitime1::fillRankingLists() {
    const auto order = rankingOrder(ListMode, PointOrder);
    if (!order) return;
    const QString filter = Combo1->currentText();
    QFrame* wait = Picture2->isVisible() ? Picture2 : Picture6;
    for (std::size_t i = 1; i < List5.size(); ++i) {
        Label9[i]->setText(kToday);
        Label10[i]->setText(kAll);
        QListWidget* list = List5[i];
        list->clear();
        int chosenRow = -1;
        for (const RankingLine& line : rankingLines(ctx_.g, int(i), *order, filter)) {
            if (line.chosen) chosenRow = list->count();
            list->addItem(line.text);
        }
        if (chosenRow >= 0) {
            list->setCurrentRow(chosenRow);
            list->scrollToItem(list->item(chosenRow));
        }
        stepWait(wait);
    }
}

void seisekitime1::fillTodaysAttempts() {
    for (std::size_t i = 1; i < List5.size(); ++i) {
        Label9[i]->setText(kToday);
        Label10[i]->setText(kAll);
        List5[i]->clear();
    }
    const std::vector<SeisekiRec> records = readNewestRecords(sharedResultPath(ctx_.g), kTodaysRecordsRead);
    for (const AttemptLine& line :
         todaysAttemptLines(ctx_.g, records, ctx_.clock.today(), Combo1->currentText()))
        List5[std::size_t(line.level)]->addItem(line.text);
    for (std::size_t i = 1; i < List5.size(); ++i) {
        List5[i]->scrollToBottom();  // the newest attempts in view
        stepWait(Picture6);
    }
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

    choicePanel_->setGeometry(scaled(8, 92, 1008, 50, sx, sy));
    // Round marks a child can hit, growing with the text.
    choicePanel_->setStyleSheet(QStringLiteral("#choicePanel { background: #e6f4f2; border-radius: 10px; } "
                                               "QLabel, QRadioButton { color: #123c3c; } "
                                               "QRadioButton::indicator { width: %1px; height: %1px; }")
                                    .arg(int(18 * u)));
    const auto inPanel = [&](QWidget* w, double x, double wd) {
        w->setGeometry(scaled(x, 8, wd, 34, sx, sy));
    };
    for (std::size_t k = 1; k <= 2; ++k) {
        setFontSize(Option2[k], 14 * u, true);
        setFontSize(Option1[k], 14 * u);
    }
    inPanel(Option2[1], 12, 104);
    inPanel(Option2[2], 116, 124);
    inPanel(Option1[1], 256, 136);
    inPanel(Option1[2], 392, 136);
    setFontSize(Label5, 14 * u, true);
    inPanel(Label5, 534, 280);
    setFontSize(filterCaption_, 13 * u);
    inPanel(filterCaption_, 812, 48);
    setFontSize(Combo1, 13 * u);
    inPanel(Combo1, 864, 136);

    // The level rows share the rest of the height; many levels scroll.
    const QRect area = scaled(8, 150, 1008, 610, sx, sy);
    levelArea_->setGeometry(area);
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
    at(Command4[k], 12, 46, 162, 100);

    setFontSize(Label7[k], 13 * u);
    setFontSize(Label8[k], 13 * u);
    at(Label7[k], 188, 10, 316, 34);
    at(Label8[k], 188, 50, 316, 34);
    for (QLabel* l : {todayCaptions_[k], allCaptions_[k]}) setFontSize(l, 14 * u);
    for (QLabel* l : {Label14[k], Label15[k]}) setFontSize(l, 17 * u, true);
    at(todayCaptions_[k], 190, 96, 84, 38);
    at(Label14[k], 274, 96, 230, 38);
    at(allCaptions_[k], 190, 140, 84, 38);
    at(Label15[k], 274, 140, 230, 38);

    // The list fills the right part; its two headers stand over the points columns of a line
    // (today's points end 17 half-width places in, all points 23).
    QListWidget* list = List5[k];
    const int listX = int(518 * sx), listY = int(32 * sy);
    list->setGeometry(listX, listY, width - listX - int(10 * sx), height - listY - int(10 * sy));
    // As large as lets about six lines show and a line of today's attempts (up to 31 half-width
    // places) fit across.
    QFont lf(kListFont);
    lf.setPixelSize(std::max(8, std::min(int(list->height() / 6.2), 2 * list->width() / 31)));
    list->setFont(lf);
    const double half = QFontMetricsF(lf).horizontalAdvance(QLatin1Char(' '));
    const int textX = listX + list->frameWidth() + 2;
    for (QLabel* l : {Label9[k], Label10[k]}) setFontSize(l, 12 * u, true);
    const int headerH = listY - int(2 * sy);
    Label9[k]->setGeometry(textX, 0, int(17 * half), headerH);
    Label10[k]->setGeometry(textX + int(16 * half), 0, int(7 * half) + 1, headerH);
}

}  // namespace pekuru
