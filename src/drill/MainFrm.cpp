#include "drill/MainFrm.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include "records/Results.h"
#include "shell/CuePlayer.h"
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
    sPicture3.assign(40, nullptr);
    for (int i = 10; i <= 39; ++i) {
        sPicture3[std::size_t(i)] = makeShape(sPicture1, QStringLiteral("sPicture3_%1").arg(i),
                                              QStringLiteral("background: %1; border: 1px solid #10243c;")
                                                  .arg(QLatin1String(kSquareColour[(i - 10) / 10])));
    }
}

void MainFrm::buildPuzzlePanel() {
    PicClipBasePic = new QWidget(this);
    PicClipBasePic->setObjectName(QStringLiteral("PicClipBasePic"));
    const QString captions[5] = {QString(), QString(), QStringLiteral("スタート"), QStringLiteral("O.K."),
                                 QStringLiteral("ギブアップ（５０秒追加）")};
    for (int i = 0; i < 5; ++i) {
        auto* b = new QPushButton(captions[i], PicClipBasePic);
        b->setObjectName(QStringLiteral("PicClipCnd1_%1").arg(i));
        b->setVisible(false);
        b->setFocusPolicy(Qt::StrongFocus);
        connect(b, &QPushButton::clicked, this, [this, i] { puzzle_->click(i); });
        PicClipCnd1[i] = b;
    }
    PicClipCnd1[2]->setStyleSheet(
        QStringLiteral("QPushButton { background: #2f9e44; color: white; border-radius: 10px; }"));
    PicClipCnd1[3]->setStyleSheet(
        QStringLiteral("QPushButton { background: #1c6dd0; color: white; border-radius: 10px; }"));
    PicClipCnd1[4]->setStyleSheet(
        QStringLiteral("QPushButton { background: #e8e2d0; color: #5a4a2a; border-radius: 10px; }"));
    Command1 = new QPushButton(QStringLiteral("続きをする"), PicClipBasePic);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setStyleSheet(
        QStringLiteral("QPushButton { background: #f08c00; color: white; border-radius: 10px; }"));
    Command1->setVisible(false);
    connect(Command1, &QPushButton::clicked, this, [this] { puzzle_->continueClicked(); });
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
    sPicture2->setGeometry(0, 0, std::min(width(), 640), std::min(height(), 480));
    lblsss1->setGeometry(0, sPicture2->height() / 2 - 40, sPicture2->width(), 80);
    lblsss2->setGeometry(lblsss1->geometry());
}

void MainFrm::layoutStrip() {
    const int w = width();
    const double u =
        std::max(1.0, std::min(w / 1024.0, height() / 768.0));  // scale from the 1024 × 768 design
    const int h = int(113 * u);
    sPicture1->setGeometry(0, 0, w, h);
    auto font = [u](QWidget* wd, double pt, bool bold = false) { setPointSize(wd, pt * u, bold); };
    const int line = int(30 * u);
    // Left: the title, then minutes, today's count and this level's count.
    font(sLabel2, cycle_->strip().sLabel2PointSize, true);
    sLabel2->setGeometry(int(10 * u), int(2 * u), int(220 * u), int(36 * u));
    QLabel* row2[] = {sLabel16[0], sLabel13,    sLabel16[1], sLabel16[2], sLabel12,
                      sLabel16[3], sLabel16[4], sLabel11,    sLabel16[5]};
    const int widths[] = {58, 36, 26, 40, 32, 40, 84, 32, 40};
    int x = int(10 * u);
    for (int i = 0; i < 9; ++i) {
        font(row2[i], 10.5);
        row2[i]->setGeometry(x, int(40 * u), int(widths[i] * u), int(22 * u));
        x += int(widths[i] * u);
    }
    // Right: the classroom text and the name; below, level, remaining pictures and time.
    const int right = w - int(10 * u);
    font(sLabel14, 11);
    font(sLabel7, 15, true);
    sLabel7->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    sLabel7->setGeometry(right - int(260 * u), int(4 * u), int(260 * u), line);
    sLabel14->setGeometry(right - int(560 * u), int(4 * u), int(290 * u), line);
    sLabel14->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QLabel* row[] = {sLabel3, sLabel8, sLabel4, sLabel9, sLabel6, sLabel5, sLabel10};
    const int rw[] = {62, 100, 44, 40, 28, 62, 70};
    int total = 0;
    for (int v : rw) total += v;
    x = right - int(total * u);
    for (int i = 0; i < 7; ++i) {
        font(row[i], (row[i] == sLabel10 || row[i] == sLabel9) ? 17 : 13,
             row[i] == sLabel10 || row[i] == sLabel9);
        row[i]->setGeometry(x, int(34 * u), int(rw[i] * u), line);
        x += int(rw[i] * u);
    }
    // The time bar and the squares across the strip.
    const int barLeft = int(10 * u), barWidth = w - int(20 * u);
    sShape5->setGeometry(barLeft, int(68 * u), barWidth, int(18 * u));
    const int squareW = std::max(4, (barWidth - 29 * 2) / 30);
    for (int i = 10; i <= 39; ++i) {
        QFrame* s = sPicture3[std::size_t(i)];
        s->setGeometry(barLeft + (i - 10) * (squareW + 2), int(92 * u), squareW, int(14 * u));
    }
    stripChanged();
}

void MainFrm::layoutPuzzle() {
    const int top = sPicture1->height();
    PicClipBasePic->setGeometry(0, top, width(), height() - top);
    const int pw = PicClipBasePic->width(), ph = PicClipBasePic->height();
    const double u = std::max(1.0, std::min(width() / 1024.0, height() / 768.0));
    const int margin = int(16 * u);
    // The grid is square and as large as fits beside the control column.
    const int controlsWidth = int(300 * u);
    const int side = std::max(60, std::min(ph - 2 * margin, pw - controlsWidth - 3 * margin));
    const int n = puzzle_->board().cols();
    const double tile = n > 0 ? side / (n + 0.05 * (n - 1)) : side;
    for (std::size_t k = 1; k < tiles_.size(); ++k) {
        const int r = int((k - 1) / std::size_t(n)), c = int((k - 1) % std::size_t(n));
        const QRect g(margin + int(1.05 * tile * c), margin + int(1.05 * tile * r), int(tile), int(tile));
        tiles_[k]->setGeometry(g);
        const int m = std::max(12, int(tile * 0.22));
        markers_[k]->setGeometry(g.center().x() - m / 2, g.center().y() - m / 2, m, m);
        markers_[k]->raise();
    }
    const int cx = margin * 2 + side, cw = std::max(120, pw - cx - margin);
    int y = margin;
    setPointSize(Label1, 15 * u, true);
    Label1->setGeometry(cx, y, cw, int(90 * u));
    y += int(100 * u);
    for (QPushButton* b : {PicClipCnd1[2], PicClipCnd1[3], Command1}) {
        setPointSize(b, 20 * u, true);
        b->setGeometry(cx, y, cw, int(64 * u));
    }
    y += int(80 * u);
    setPointSize(PicClipCnd1[4], 13 * u);
    PicClipCnd1[4]->setGeometry(cx, y, cw, int(48 * u));
    y += int(70 * u);
    setPointSize(Label3, 20 * u, true);
    Label3->setGeometry(cx, y, cw, int(44 * u));
    y += int(60 * u);
    setPointSize(moveCaption_, 11 * u);
    setPointSize(Label2, 18 * u, true);
    moveCaption_->setGeometry(cx, y, cw, int(24 * u));
    Label2->setGeometry(cx, y + int(24 * u), cw, int(36 * u));
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

void MainFrm::renderPuzzle() {
    const int n = puzzle_->board().tileCount();
    if (puzzle_->tilesShown() && int(tiles_.size()) != n + 1) {
        for (TileWidget* t : tiles_) delete t;
        for (QLabel* m : markers_) delete m;
        tiles_.assign(std::size_t(n + 1), nullptr);
        markers_.assign(std::size_t(n + 1), nullptr);
        for (int k = 1; k <= n; ++k) {
            auto* t = new TileWidget(k, PicClipBasePic);
            connect(t, &TileWidget::pressed, this,
                    [this](int tile, bool* allowed) { *allowed = puzzle_->mouseDown(tile); });
            connect(t, &TileWidget::droppedOn, this, [this](int target, int) { puzzle_->drop(target); });
            tiles_[std::size_t(k)] = t;
            auto* m = new QLabel(PicClipBasePic);
            m->setObjectName(QStringLiteral("Shape1_%1").arg(k));
            m->setStyleSheet(
                QStringLiteral("background: #ff2d55; border: 3px solid white; border-radius: 6px;"));
            m->setAttribute(Qt::WA_TransparentForMouseEvents);
            markers_[std::size_t(k)] = m;
        }
        layoutPuzzle();
    }
    if (puzzle_->tilesShown() && puzzle_->cutGeneration() != piecesOf_ && puzzle_->cutGeneration() > 0)
        makePieces();
    for (int k = 1; k < int(tiles_.size()); ++k) {
        tiles_[std::size_t(k)]->setVisible(puzzle_->tilesShown());
        tiles_[std::size_t(k)]->setActive(puzzle_->tilesEnabled());
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
