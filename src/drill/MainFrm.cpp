#include "drill/MainFrm.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTimer>

#include "drill/DrillStrip.h"
#include "records/Results.h"
#include "shell/CuePlayer.h"
#include "shell/ScreenKit.h"
#include "tilepuzzle/KeyButton.h"
#include "tilepuzzle/TileWidget.h"

namespace pekuru {

MainFrm::MainFrm(AppContext& context, QWidget* parent) : QWidget(parent), ctx_(context) {
    setObjectName(QStringLiteral("MainFrm"));
    setWindowTitle(ctx_.g.ProgTitle);
    paintBackground(this, kBackdropColour);
    cycle_ = std::make_unique<DrillCycle>(ctx_.g, ctx_.clock, ctx_.flow, static_cast<DrillHost&>(*this));
    puzzle_ = std::make_unique<TilePuzzle>(ctx_.g, ctx_.random, static_cast<PuzzleHost&>(*this));

    sTimer1 = named(new QTimer(this), QStringLiteral("sTimer1"));
    sTimer1->setInterval(1000);
    connect(sTimer1, &QTimer::timeout, this, [this] { cycle_->tick(); });
    sTimer2 = named(new QTimer(this), QStringLiteral("sTimer2"));
    sTimer2->setInterval(10000);
    connect(sTimer2, &QTimer::timeout, this, [this] { cycle_->minuteTick(); });
    sTimer2->start();

    strip_ = new DrillStrip(this);
    buildPuzzlePanel();
    buildNotice();
    resize(1024, 768);
}

MainFrm::~MainFrm() = default;

void MainFrm::buildPuzzlePanel() {
    PicClipBasePic = named(new QWidget(this), QStringLiteral("PicClipBasePic"));
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
    sPicture2 = named(new QFrame(this), QStringLiteral("sPicture2"));
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
    const QString problem = puzzle_->levelSetup(ctx_.g.DataFolder, ctx_.g.LevelNo);
    strip_->setRemaining(ctx_.g.MondaiSuu);
    if (!problem.isEmpty()) {
        // Without enough pictures there is no drill: back to the records hub, nothing recorded.
        ctx_.messages.showMessage(MessageService::Icon::Warning, QStringLiteral("注意"), problem);
        ctx_.flow.drillRefused();
        return;
    }
    cycle_->スタート();
    // 問題作成表示
    if (ctx_.g.JikanGire == 1 || ctx_.g.SyuuryouFlag == 1) return;
    strip_->setRemaining(ctx_.g.MondaiSuu);
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

void MainFrm::layoutStrip() {
    const double u = unit();
    strip_->setGeometry(0, 0, width(), int(113 * u));
    strip_->layoutControls(width(), u, cycle_->strip().titlePointSize);
    stripChanged();
}

void MainFrm::layoutPuzzle() {
    const int top = strip_->height();
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
    setFittedSize(Label1, 15 * u, true);
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
    setFittedSize(Label3, 20 * u, true);
    y += int(60 * u);
    moveCaption_->setGeometry(cx, y, cw, int(26 * u));
    setFittedSize(moveCaption_, 11 * u);
    Label2->setGeometry(cx, y + int(26 * u), cw, int(40 * u));
    setFittedSize(Label2, 18 * u, true);
    if (!tiles_.empty()) renderTiles();
}

void MainFrm::stripChanged() {
    strip_->display(cycle_->strip());
    nameStatus();
}

void MainFrm::nameStatus() {
    strip_->nameFigures(ctx_.g);
    renameAccessible(Label2, QStringLiteral("入れかえた回数 %1回").arg(Label2->text()));
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
    strip_->setRemaining(puzzle_->remaining());
    for (QLabel* l : {Label1, Label2, Label3}) refit(l);
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

void MainFrm::yieldToEvents() { ctx_.events.yieldToEvents(); }

void MainFrm::waitForEvents(int milliseconds) { ctx_.events.waitForEvents(milliseconds); }

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
