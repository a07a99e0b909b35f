#include "drill/MainFrm.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTimer>

#include "records/Results.h"
#include "shell/CuePlayer.h"
#include "shell/ScreenScale.h"
#include "tilepuzzle/KeyButton.h"
#include "tilepuzzle/TileWidget.h"

namespace pekuru {

namespace {

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text = QString()) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QFrame* makeShape(QWidget* parent, const QString& name, const QString& style) {
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setStyleSheet(style);
    return f;
}

void setPointSize(QWidget* w, double points, bool bold = false) {
    QFont f = w->font();
    f.setPointSizeF(points);
    f.setBold(bold);
    w->setFont(f);
}

const char* const kSquareColour[3] = {"#22b14c", "#ffd400", "#e8202a"};
const char* const kSquareColourName[3] = {"緑", "黄色", "赤"};

// The largest size up to `points` at which `w`'s text fits its box on one line (or, for a label
// that wraps, within its box's height), so that no word is cut off at any window size.
void fitText(QWidget* w, const QString& text, double points, bool bold = false) {
    QFont f = w->font();
    f.setBold(bold);
    const auto* label = qobject_cast<QLabel*>(w);
    const bool wraps = label && label->wordWrap();
    const QRect box = label ? label->contentsRect() : w->rect();
    if (wraps) {
        // One line reads best: a little smaller on one line before breaking in mid-phrase.
        for (double pt = points; pt > points * 0.75; pt *= 0.94) {
            f.setPointSizeF(pt);
            const QFontMetrics fm(f);
            if (fm.horizontalAdvance(text) <= box.width() && fm.height() <= box.height()) {
                w->setFont(f);
                return;
            }
        }
    }
    for (double pt = points; pt > 5; pt *= 0.94) {
        f.setPointSizeF(pt);
        const QFontMetrics fm(f);
        const QSize need =
            wraps ? fm.boundingRect(QRect(0, 0, box.width(), 100000), Qt::TextWordWrap, text).size()
                  : QSize(fm.horizontalAdvance(text), fm.height());
        if (need.width() <= box.width() && need.height() <= box.height()) break;
    }
    w->setFont(f);
}

// Status shapes have no text of their own; a screen reader is told what each one is for.
constexpr const char* kRoleProperty = "pekuruAccessibleRole";

QAccessibleInterface* shapeAccessible(const QString&, QObject* object) {
    auto* w = qobject_cast<QWidget*>(object);
    if (!w) return nullptr;
    const QVariant role = w->property(kRoleProperty);
    if (!role.isValid()) return nullptr;
    return new QAccessibleWidget(w, QAccessible::Role(role.toInt()));
}

void describe(QWidget* w, const QString& name, QAccessible::Role role, const QString& description = {}) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(shapeAccessible);
        return true;
    }();
    (void)factoryInstalled;
    w->setProperty(kRoleProperty, int(role));
    w->setAccessibleName(name);
    if (!description.isEmpty()) w->setAccessibleDescription(description);
}

void nameLabel(QLabel* l, const QString& name) {
    if (l->accessibleName() != name) l->setAccessibleName(name);
}

}  // namespace

MainFrm::MainFrm(AppContext& context, QWidget* parent) : QWidget(parent), ctx_(context) {
    setObjectName(QStringLiteral("MainFrm"));
    setWindowTitle(ctx_.g.ProgTitle);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xf4, 0xf1, 0xe6));
    setPalette(pal);
    cycle_ = std::make_unique<DrillCycle>(ctx_.g, ctx_.clock, *ctx_.results, ctx_.nav,
                                          static_cast<DrillHost&>(*this));
    puzzle_ = std::make_unique<TilePuzzle>(ctx_.g, ctx_.random, static_cast<PuzzleHost&>(*this));

    sTimer1 = new QTimer(this);
    sTimer1->setObjectName(QStringLiteral("sTimer1"));
    sTimer1->setInterval(1000);
    connect(sTimer1, &QTimer::timeout, this, [this] { cycle_->tick(); });
    sTimer2 = new QTimer(this);
    sTimer2->setObjectName(QStringLiteral("sTimer2"));
    sTimer2->setInterval(10000);
    connect(sTimer2, &QTimer::timeout, this, [this] { cycle_->minuteTick(); });
    sTimer2->start();

    buildStrip();
    buildPuzzlePanel();
    buildNotice();
    resize(1024, 768);
}

MainFrm::~MainFrm() = default;

void MainFrm::buildStrip() {
    sPicture1 = new QFrame(this);
    sPicture1->setObjectName(QStringLiteral("sPicture1"));
    sPicture1->setAutoFillBackground(true);
    sPicture1->setStyleSheet(QStringLiteral("#sPicture1 { background: #203a5c; } QLabel { color: white; }"));
    sLabel2 = makeLabel(sPicture1, QStringLiteral("sLabel2"));
    sLabel3 = makeLabel(sPicture1, QStringLiteral("sLabel3"), QStringLiteral("レベル"));
    sLabel4 = makeLabel(sPicture1, QStringLiteral("sLabel4"), QStringLiteral("残り"));
    sLabel5 = makeLabel(sPicture1, QStringLiteral("sLabel5"), QStringLiteral("タイム"));
    sLabel6 = makeLabel(sPicture1, QStringLiteral("sLabel6"), QStringLiteral("問"));
    sLabel7 = makeLabel(sPicture1, QStringLiteral("sLabel7"));
    sLabel8 = makeLabel(sPicture1, QStringLiteral("sLabel8"));
    sLabel9 = makeLabel(sPicture1, QStringLiteral("sLabel9"));
    sLabel10 = makeLabel(sPicture1, QStringLiteral("sLabel10"));
    sLabel11 = makeLabel(sPicture1, QStringLiteral("sLabel11"));
    sLabel12 = makeLabel(sPicture1, QStringLiteral("sLabel12"));
    sLabel13 = makeLabel(sPicture1, QStringLiteral("sLabel13"));
    sLabel14 = makeLabel(sPicture1, QStringLiteral("sLabel14"));
    const QString fixed[6] = {QStringLiteral("起動後"), QStringLiteral("分"),         QStringLiteral("本日"),
                              QStringLiteral("回目"),   QStringLiteral("このレベル"), QStringLiteral("回目")};
    for (int i = 0; i < 6; ++i)
        sLabel16[i] = makeLabel(sPicture1, QStringLiteral("sLabel16_%1").arg(i), fixed[i]);
    for (QLabel* l : {sLabel9, sLabel10, sLabel11, sLabel12, sLabel13})
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    sShape5 = makeShape(sPicture1, QStringLiteral("sShape5"),
                        QStringLiteral("background: #e9eef5; border: 2px solid white;"));
    sShape4 = makeShape(sPicture1, QStringLiteral("sShape4"), QStringLiteral("background: #f6b0b0;"));
    sShape3 = makeShape(sPicture1, QStringLiteral("sShape3"), QStringLiteral("background: #9fe0a6;"));
    sShape2 = makeShape(sPicture1, QStringLiteral("sShape2"), QStringLiteral("background: #3d7dd8;"));
    sShape7 = makeShape(sPicture1, QStringLiteral("sShape7"), QStringLiteral("background: white;"));
    describe(sShape5, QStringLiteral("経過時間"), QAccessible::ProgressBar);
    describe(sShape2, QStringLiteral("経過時間のバー"), QAccessible::Graphic);
    describe(sShape3, QStringLiteral("目標タイムまでのはんい"), QAccessible::Graphic);
    describe(sShape4, QStringLiteral("制限タイムまでのはんい"), QAccessible::Graphic);
    describe(sShape7, QStringLiteral("バーのはじまり"), QAccessible::Graphic);
    sPicture3.assign(40, nullptr);
    for (int i = 10; i <= 39; ++i) {
        QFrame* square = makeShape(sPicture1, QStringLiteral("sPicture3_%1").arg(i),
                                   QStringLiteral("background: %1; border: 1px solid #10243c;")
                                       .arg(QLatin1String(kSquareColour[(i - 10) / 10])));
        describe(square, QStringLiteral("残り時間のしるし %1").arg(i - 9), QAccessible::Indicator,
                 QString::fromUtf8(kSquareColourName[(i - 10) / 10]));
        sPicture3[std::size_t(i)] = square;
    }
}

void MainFrm::buildPuzzlePanel() {
    PicClipBasePic = new QWidget(this);
    PicClipBasePic->setObjectName(QStringLiteral("PicClipBasePic"));
    const QString captions[5] = {QString(), QString(), QStringLiteral("スタート"), QStringLiteral("O.K."),
                                 QStringLiteral("ギブアップ（５０秒追加）")};
    const Qt::Key keys[3] = {startKey, okKey, giveUpKey};
    for (int i = 0; i < 5; ++i) {
        QPushButton* b;
        if (i >= 2) {
            // Elements 2 to 4 are the buttons a child presses, by mouse, finger or key.
            keyButtons_[i - 2] = new KeyButton(captions[i], keys[i - 2], PicClipBasePic);
            b = keyButtons_[i - 2];
            b->setFocusPolicy(Qt::StrongFocus);
            b->installEventFilter(this);
        } else {
            // Elements 0 and 1 are steps the program runs itself; they are never shown.
            b = new QPushButton(captions[i], PicClipBasePic);
            b->setFocusPolicy(Qt::NoFocus);
        }
        b->setObjectName(QStringLiteral("PicClipCnd1_%1").arg(i));
        b->setVisible(false);
        connect(b, &QPushButton::clicked, this, [this, i] { runStep([this, i] { puzzle_->click(i); }); });
        PicClipCnd1[i] = b;
    }
    PicClipCnd1[2]->setStyleSheet(
        QStringLiteral("QPushButton { background: #2f9e44; color: white; border-radius: 10px; }"));
    PicClipCnd1[3]->setStyleSheet(
        QStringLiteral("QPushButton { background: #1c6dd0; color: white; border-radius: 10px; }"));
    PicClipCnd1[4]->setStyleSheet(
        QStringLiteral("QPushButton { background: #e8e2d0; color: #5a4a2a; border-radius: 10px; }"));
    keyButtons_[3] = new KeyButton(QStringLiteral("続きをする"), continueKey, PicClipBasePic);
    Command1 = keyButtons_[3];
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setFocusPolicy(Qt::StrongFocus);
    Command1->installEventFilter(this);
    Command1->setStyleSheet(
        QStringLiteral("QPushButton { background: #f08c00; color: white; border-radius: 10px; }"));
    Command1->setVisible(false);
    connect(Command1, &QPushButton::clicked, this,
            [this] { runStep([this] { puzzle_->continueClicked(); }); });
    Label1 = makeLabel(PicClipBasePic, QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setStyleSheet(QStringLiteral("color: #203a5c;"));
    moveCaption_ = makeLabel(PicClipBasePic, QStringLiteral("moveCaption"), QStringLiteral("入れかえた回数"));
    Label2 = makeLabel(PicClipBasePic, QStringLiteral("Label2"), QStringLiteral("0"));
    Label3 = makeLabel(PicClipBasePic, QStringLiteral("Label3"));
    Label3->setStyleSheet(QStringLiteral("color: #d9480f;"));
    Label3->setVisible(false);
}

void MainFrm::buildNotice() {
    sPicture2 = new QFrame(this);
    sPicture2->setObjectName(QStringLiteral("sPicture2"));
    sPicture2->setStyleSheet(
        QStringLiteral("#sPicture2 { background: rgba(255,255,255,235); border: 3px solid #203a5c; }"));
    lblsss1 = makeLabel(sPicture2, QStringLiteral("lblsss1"), QStringLiteral("成績記録中"));
    lblsss2 = makeLabel(sPicture2, QStringLiteral("lblsss2"), QStringLiteral("時間切れ"));
    lblsss2->setStyleSheet(QStringLiteral("color: red;"));
    for (QLabel* l : {lblsss1, lblsss2}) {
        setPointSize(l, 36, true);
        l->setAlignment(Qt::AlignCenter);
    }
    sPicture2->setVisible(false);
}

void MainFrm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (activated_) return;
    activated_ = true;
    // Activation runs after the screen is up, so the set-up cycle sees it laid out.
    QTimer::singleShot(0, this, [this] { activate(); });
}

void MainFrm::activate() {
    cycle_->初期設定();
    const QString problem = puzzle_->levelSetup(ctx_.g.DataFolder);
    sLabel9->setText(QString::number(ctx_.g.MondaiSuu));
    if (!problem.isEmpty()) {
        // Without enough pictures there is no drill: back to the records hub, nothing recorded.
        ctx_.messages.showMessage(MessageService::Icon::Warning, QStringLiteral("注意"), problem);
        ctx_.nav.show(Screen::seisekitime1);
        ctx_.nav.unload(Screen::MainFrm);
        return;
    }
    cycle_->スタート();
    // 問題作成表示
    if (ctx_.g.JikanGire == 1 || ctx_.g.SyuuryouFlag == 1) return;
    sLabel9->setText(QString::number(ctx_.g.MondaiSuu));
    puzzle_->firstPicture();
}

void MainFrm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutStrip();
    layoutPuzzle();
    // The notice keeps its designed 640 × 480 share of a 1024 × 768 screen as the window grows.
    const double u = unit();
    sPicture2->setGeometry(0, 0, std::min(width(), int(640 * u)), std::min(height(), int(480 * u)));
    for (QLabel* l : {lblsss1, lblsss2}) {
        l->setGeometry(0, sPicture2->height() / 2 - int(45 * u), sPicture2->width(), int(90 * u));
        fitText(l, l->text(), 36 * u, true);
    }
}

double MainFrm::unit() const {
    // The drill's tiles and figures never shrink below their design size.
    return std::max(1.0, screenUnit(size()));
}

void MainFrm::setTextSize(QLabel* label, double points, bool bold) {
    label->setProperty("pekuruPoints", points);
    label->setProperty("pekuruBold", bold);
    fitLabel(label);
}

void MainFrm::fitLabel(QLabel* label) {
    const QVariant points = label->property("pekuruPoints");
    if (points.isValid())
        fitText(label, label->text(), points.toDouble(), label->property("pekuruBold").toBool());
}

void MainFrm::layoutStrip() {
    const int w = width();
    const double u = unit();
    const int h = int(113 * u);
    sPicture1->setGeometry(0, 0, w, h);
    const int line = int(30 * u);
    // Left: the title, then minutes, today's count and this level's count.
    sLabel2->setGeometry(int(10 * u), int(2 * u), int(220 * u), int(36 * u));
    setTextSize(sLabel2, cycle_->strip().sLabel2PointSize * u, true);
    QLabel* row2[] = {sLabel16[0], sLabel13,    sLabel16[1], sLabel16[2], sLabel12,
                      sLabel16[3], sLabel16[4], sLabel11,    sLabel16[5]};
    const int widths[] = {58, 36, 26, 40, 32, 40, 84, 32, 40};
    int x = int(10 * u);
    for (int i = 0; i < 9; ++i) {
        row2[i]->setGeometry(x, int(40 * u), int(widths[i] * u), int(24 * u));
        setTextSize(row2[i], 10.5 * u);
        x += int(widths[i] * u);
    }
    // Right: the classroom text and the name; below, level, remaining pictures and time.
    const int right = w - int(10 * u);
    sLabel7->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    sLabel7->setGeometry(right - int(260 * u), int(4 * u), int(260 * u), line);
    setTextSize(sLabel7, 15 * u, true);
    sLabel14->setGeometry(right - int(560 * u), int(4 * u), int(290 * u), line);
    sLabel14->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setTextSize(sLabel14, 11 * u);
    QLabel* row[] = {sLabel3, sLabel8, sLabel4, sLabel9, sLabel6, sLabel5, sLabel10};
    const int rw[] = {62, 100, 44, 40, 28, 62, 70};
    int total = 0;
    for (int v : rw) total += v;
    x = right - int(total * u);
    for (int i = 0; i < 7; ++i) {
        const bool figure = row[i] == sLabel10 || row[i] == sLabel9;
        row[i]->setGeometry(x, int(34 * u), int(rw[i] * u), line);
        setTextSize(row[i], (figure ? 17 : 13) * u, figure);
        x += int(rw[i] * u);
    }
    // The time bar and the squares across the strip.
    const int barLeft = int(10 * u), barWidth = w - int(20 * u);
    sShape5->setGeometry(barLeft, int(68 * u), barWidth, int(18 * u));
    const int gap = std::max(2, int(2 * u));
    const int squareW = std::max(4, (barWidth - 29 * gap) / 30);
    for (int i = 10; i <= 39; ++i) {
        QFrame* sq = sPicture3[std::size_t(i)];
        sq->setGeometry(barLeft + (i - 10) * (squareW + gap), int(92 * u), squareW, int(14 * u));
    }
    stripChanged();
}

void MainFrm::layoutPuzzle() {
    const int top = sPicture1->height();
    PicClipBasePic->setGeometry(0, top, width(), height() - top);
    const int pw = PicClipBasePic->width(), ph = PicClipBasePic->height();
    const double u = unit();
    const int margin = int(16 * u);
    // The grid is square and as large as fits beside the control column; on a wide window the
    // column stays a comfortable width and the two stand together in the middle.
    const int controlsWidth = int(300 * u);
    const int side = std::max(60, std::min(ph - 2 * margin, pw - controlsWidth - 3 * margin));
    const int cw = std::clamp(pw - side - 3 * margin, 120, int(420 * u));
    const int left = std::max(margin, (pw - side - cw - margin) / 2);
    const int n = puzzle_->board().cols();
    const double tile = n > 0 ? side / (n + 0.05 * (n - 1)) : side;
    for (std::size_t k = 1; k < tiles_.size(); ++k) {
        const int r = int((k - 1) / std::size_t(n)), c = int((k - 1) % std::size_t(n));
        const QRect g(left + int(1.05 * tile * c), margin + int(1.05 * tile * r), int(tile), int(tile));
        tiles_[k]->setGeometry(g);
        const int m = std::max(12, int(tile * 0.22));
        markers_[k]->setGeometry(g.center().x() - m / 2, g.center().y() - m / 2, m, m);
        markers_[k]->raise();
    }
    const int cx = left + side + margin;
    int y = margin;
    Label1->setGeometry(cx, y, cw, int(90 * u));
    setTextSize(Label1, 15 * u, true);
    y += int(100 * u);
    for (KeyButton* b : {keyButtons_[0], keyButtons_[1], keyButtons_[3]}) {
        b->setGeometry(cx, y, cw, int(64 * u));
        b->fitFont(20 * u, true);
    }
    y += int(80 * u);
    keyButtons_[2]->setGeometry(cx, y, cw, int(48 * u));
    keyButtons_[2]->fitFont(13 * u, false);
    y += int(70 * u);
    Label3->setGeometry(cx, y, cw, int(44 * u));
    setTextSize(Label3, 20 * u, true);
    y += int(60 * u);
    moveCaption_->setGeometry(cx, y, cw, int(26 * u));
    setTextSize(moveCaption_, 11 * u);
    Label2->setGeometry(cx, y + int(26 * u), cw, int(40 * u));
    setTextSize(Label2, 18 * u, true);
    if (!tiles_.empty()) renderTiles();
}

void MainFrm::stripChanged() {
    const StatusStrip& s = cycle_->strip();
    sLabel2->setText(s.sLabel2);
    sLabel7->setText(s.sLabel7);
    sLabel8->setText(s.sLabel8);
    if (!s.sLabel9.isEmpty()) sLabel9->setText(s.sLabel9);
    sLabel10->setText(s.sLabel10);
    sLabel11->setText(s.sLabel11);
    sLabel12->setText(s.sLabel12);
    sLabel13->setText(s.sLabel13);
    sLabel14->setText(s.sLabel14);
    const QRect f = sShape5->geometry();
    sShape4->setGeometry(f.x(), f.y(), int(f.width() * s.limit), f.height());
    sShape3->setGeometry(f.x(), f.y(), int(f.width() * s.target), f.height());
    sShape2->setGeometry(f.x(), f.y() + f.height() / 4, int(f.width() * s.elapsed), f.height() / 2);
    sShape7->setGeometry(f.x(), f.y(), 0, f.height());
    for (int i = 10; i <= 39; ++i) sPicture3[std::size_t(i)]->setVisible(!s.squareHidden[std::size_t(i)]);
    for (QLabel* l : {sLabel2, sLabel7, sLabel8, sLabel9, sLabel10, sLabel11, sLabel12, sLabel13, sLabel14})
        fitLabel(l);
    nameStatus();
}

// What a screen reader says for the figures: what each one counts, with its number and unit.
void MainFrm::nameStatus() {
    nameLabel(sLabel7, QStringLiteral("なまえ %1").arg(sLabel7->text()));
    nameLabel(sLabel8, QStringLiteral("レベル %1").arg(sLabel8->text()));
    nameLabel(sLabel9, QStringLiteral("残り %1問").arg(sLabel9->text()));
    nameLabel(sLabel10, QStringLiteral("タイム %1秒").arg(sLabel10->text()));
    nameLabel(sLabel11, QStringLiteral("このレベル %1回目").arg(sLabel11->text()));
    nameLabel(sLabel12, QStringLiteral("本日 %1回目").arg(sLabel12->text()));
    nameLabel(sLabel13, QStringLiteral("起動後 %1分").arg(sLabel13->text()));
    nameLabel(Label2, QStringLiteral("入れかえた回数 %1回").arg(Label2->text()));
    const int level = ctx_.g.LevelNo;
    const QString bar = level >= 0 && level <= 35 ? QStringLiteral("%1秒 (目標 %2秒、制限 %3秒)")
                                                        .arg(sLabel10->text())
                                                        .arg(ctx_.g.GoukakuTime[level])
                                                        .arg(ctx_.g.SeigenTime[level])
                                                  : sLabel10->text();
    if (sShape5->accessibleDescription() != bar) sShape5->setAccessibleDescription(bar);
}

void MainFrm::makePieces() {
    const int n = puzzle_->board().tileCount();
    pieces_.assign(std::size_t(n + 1), QPixmap());
    for (int p = 1; p <= n; ++p)
        pieces_[std::size_t(p)] = QPixmap::fromImage(puzzle_->picture().copy(puzzle_->pieceRect(p)));
    piecesOf_ = puzzle_->cutGeneration();
}

void MainFrm::renderTiles() {
    const int n = puzzle_->board().tileCount();
    for (int k = 1; k <= n && k < int(tiles_.size()); ++k) {
        const int piece = puzzle_->board().pieceAt(k);
        if (piece >= 1 && piece < int(pieces_.size()))
            tiles_[std::size_t(k)]->setPixmap(pieces_[std::size_t(piece)]);
    }
}

void MainFrm::makeTiles(int n) {
    for (TileWidget* t : tiles_) delete t;
    for (QLabel* m : markers_) delete m;
    tiles_.assign(std::size_t(n + 1), nullptr);
    markers_.assign(std::size_t(n + 1), nullptr);
    const int cols = std::max(1, puzzle_->board().cols());
    // Mouse, finger and keys all come to the same four puzzle events.
    for (int k = 1; k <= n; ++k) {
        auto* t = new TileWidget(k, PicClipBasePic);
        t->setPlace((k - 1) / cols + 1, (k - 1) % cols + 1);
        t->installEventFilter(this);
        connect(t, &TileWidget::pressed, this,
                [this](int tile, bool* allowed) { *allowed = !stepRunning_ && puzzle_->mouseDown(tile); });
        connect(t, &TileWidget::dragBegun, this, [this](int) { puzzle_->dragStarted(); });
        connect(t, &TileWidget::droppedOn, this,
                [this](int target, int) { runStep([this, target] { puzzle_->drop(target); }); });
        connect(t, &TileWidget::tapped, this,
                [this](int tile) { runStep([this, tile] { puzzle_->tap(tile); }); });
        connect(t, &TileWidget::moveFocusBy, this, &MainFrm::moveTileFocus);
        tiles_[std::size_t(k)] = t;
        auto* m = new QLabel(PicClipBasePic);
        m->setObjectName(QStringLiteral("Shape1_%1").arg(k));
        m->setStyleSheet(QStringLiteral("background: #ff2d55; border: 3px solid white; border-radius: 6px;"));
        m->setAttribute(Qt::WA_TransparentForMouseEvents);
        describe(m, QStringLiteral("正しい場所のしるし"), QAccessible::Graphic);
        markers_[std::size_t(k)] = m;
    }
    // Tab goes over the tiles row by row, then to the buttons beside them. The tiles are made
    // after the buttons, so they are put in just ahead of them, behind element 1 (never shown).
    // Qt orders only widgets that take focus, so these take it while the order is made.
    QWidget* previous = PicClipCnd1[1];
    previous->setFocusPolicy(Qt::StrongFocus);
    for (int k = 1; k <= n; ++k) {
        tiles_[std::size_t(k)]->setFocusPolicy(Qt::StrongFocus);
        setTabOrder(previous, tiles_[std::size_t(k)]);
        previous = tiles_[std::size_t(k)];
    }
    for (QWidget* b : {PicClipCnd1[2], PicClipCnd1[3], PicClipCnd1[4], static_cast<QPushButton*>(Command1)}) {
        setTabOrder(previous, b);
        previous = b;
    }
    PicClipCnd1[1]->setFocusPolicy(Qt::NoFocus);
    for (int k = 1; k <= n; ++k) tiles_[std::size_t(k)]->setFocusPolicy(Qt::NoFocus);
    keyboardTile_ = 1;
    layoutPuzzle();
}

void MainFrm::renderPuzzle() {
    const int n = puzzle_->board().tileCount();
    if (puzzle_->tilesShown() && int(tiles_.size()) != n + 1) makeTiles(n);
    if (puzzle_->tilesShown() && puzzle_->cutGeneration() != piecesOf_ && puzzle_->cutGeneration() > 0)
        makePieces();
    for (int k = 1; k < int(tiles_.size()); ++k) {
        TileWidget* t = tiles_[std::size_t(k)];
        t->setVisible(puzzle_->tilesShown());
        t->setActive(puzzle_->tilesEnabled());
        t->setPicked(puzzle_->pickedTile() == k);
        t->setFocusFrameShown(keyboardInUse_);
        markers_[std::size_t(k)]->setVisible(puzzle_->tilesShown() && puzzle_->markerShown(k));
        markers_[std::size_t(k)]->raise();
    }
    renderTiles();
    PicClipCnd1[2]->setVisible(puzzle_->startShown());
    PicClipCnd1[3]->setVisible(puzzle_->okShown());
    PicClipCnd1[4]->setVisible(puzzle_->giveUpShown());
    Command1->setVisible(puzzle_->continueShown());
    Label1->setText(puzzle_->label1());
    Label1->setVisible(puzzle_->label1Shown());
    Label3->setText(puzzle_->label3());
    Label3->setVisible(puzzle_->label3Shown());
    Label2->setText(QString::number(puzzle_->moveCount()));
    sLabel9->setText(QString::number(puzzle_->remaining()));
    for (QLabel* l : {Label1, Label2, Label3, sLabel9}) fitLabel(l);
    describeTiles();
    nameStatus();
    if (puzzle_->phase() != shownPhase_) {
        shownPhase_ = puzzle_->phase();
        placeFocus();
    }
}

void MainFrm::describeTiles() {
    for (int k = 1; k < int(tiles_.size()); ++k) {
        QStringList state;
        if (puzzle_->pickedTile() == k) state << QStringLiteral("選択中");
        if (puzzle_->tilesShown() && puzzle_->markerShown(k)) state << QStringLiteral("正しい場所");
        tiles_[std::size_t(k)]->setStateText(state.join(QStringLiteral("、")));
    }
}

// Each state has one obvious next thing to do; the keyboard starts there. The buttons that had
// focus may just have been hidden.
void MainFrm::placeFocus() {
    const Qt::FocusReason reason = keyboardInUse_ ? Qt::OtherFocusReason : Qt::MouseFocusReason;
    switch (puzzle_->phase()) {
        case TilePuzzle::Phase::Memorise:
            PicClipCnd1[2]->setFocus(reason);
            break;
        case TilePuzzle::Phase::Arrange:
            focusTile(keyboardTile_);
            break;
        case TilePuzzle::Phase::Checked:
            Command1->setFocus(reason);
            break;
        case TilePuzzle::Phase::None:
            break;
    }
}

void MainFrm::focusTile(int tile) {
    if (tile < 1 || tile >= int(tiles_.size()) || !tiles_[std::size_t(tile)]->isActive()) return;
    keyboardTile_ = tile;
    tiles_[std::size_t(tile)]->setFocus(keyboardInUse_ ? Qt::OtherFocusReason : Qt::MouseFocusReason);
}

// The arrow keys stop at the edges of the grid: a frame that jumps to the other side is easily lost.
void MainFrm::moveTileFocus(int tile, int rows, int cols) {
    const int n = puzzle_->board().cols();
    if (n < 1) return;
    const int r = (tile - 1) / n + rows, c = (tile - 1) % n + cols;
    if (r < 0 || r >= n || c < 0 || c >= n) return;
    focusTile(r * n + c + 1);
}

void MainFrm::runStep(const std::function<void()>& step) {
    if (stepRunning_) return;
    QScopedValueRollback<bool> running(stepRunning_, true);
    step();
}

bool MainFrm::drillEnding() const {
    return ctx_.g.KirokuChuu == 1 || ctx_.g.SyuuryouFlag == 1 || ctx_.g.JikanGire == 1 ||
           sPicture2->isVisible();
}

// A button's key does what clicking it does, and only when the button could be clicked.
bool MainFrm::pressButtonForKey(int key) {
    for (KeyButton* b : keyButtons_) {
        if (b->key() != key) continue;
        if (!drillEnding() && !stepRunning_ && b->isVisible() && b->isEnabled()) b->click();
        return true;
    }
    return false;
}

void MainFrm::keyPressEvent(QKeyEvent* event) {
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (plain && !event->isAutoRepeat() && pressButtonForKey(event->key())) {
        event->accept();
        return;
    }
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            // Focus is on no tile (the screen itself): the arrows bring the frame back to the grid.
            if (puzzle_->tilesEnabled() && !drillEnding()) {
                focusTile(keyboardTile_);
                event->accept();
                return;
            }
            break;
        default:
            break;
    }
    QWidget::keyPressEvent(event);
}

bool MainFrm::eventFilter(QObject* watched, QEvent* event) {
    bool changed = false;
    switch (event->type()) {
        case QEvent::KeyPress:
            changed = !keyboardInUse_;
            keyboardInUse_ = true;
            break;
        case QEvent::MouseButtonPress:
        case QEvent::TouchBegin:
            changed = keyboardInUse_;
            keyboardInUse_ = false;
            break;
        case QEvent::FocusIn:
            if (auto* t = qobject_cast<TileWidget*>(watched)) keyboardTile_ = t->index();
            break;
        default:
            break;
    }
    if (changed)
        for (TileWidget* t : tiles_)
            if (t) t->setFocusFrameShown(keyboardInUse_);
    return QWidget::eventFilter(watched, event);
}

void MainFrm::yieldToEvents() { ctx_.nav.yieldToEvents(); }

void MainFrm::setClockRunning(bool running) {
    if (running)
        sTimer1->start();
    else
        sTimer1->stop();
}

void MainFrm::showNotice(bool timeOver) {
    // Nothing on the puzzle can be touched while the result is being recorded.
    PicClipBasePic->setEnabled(false);
    sPicture2->setVisible(true);
    sPicture2->raise();
    lblsss1->setVisible(!timeOver);
    lblsss2->setVisible(timeOver);
}

void MainFrm::playCorrect() {
    if (ctx_.cues) ctx_.cues->正解音再生();
}

void MainFrm::playWrong() {
    if (ctx_.cues) ctx_.cues->間違い音再生();
}

void MainFrm::allPicturesSolved() { cycle_->allPicturesSolved(); }

void MainFrm::puzzleChanged() { renderPuzzle(); }

}  // namespace pekuru
