#include "records/FrmSyuuryou.h"

#include <QEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>

#include "records/FinishLogic.h"
#include "records/Results.h"
#include "shell/CuePlayer.h"
#include "shell/ScreenKit.h"

namespace pekuru {

namespace {

QLabel* label(QWidget* parent, const QString& name, const QString& text = QString()) {
    QLabel* l = makeLabel(parent, name, text, Qt::AlignCenter);
    l->setFont(QFont(kGothicFace));
    return l;
}

}  // namespace

FrmSyuuryou::FrmSyuuryou(AppContext& context, QWidget* parent)
    : QWidget(parent),
      ctx_(context),
      activation_(
          this, [this] { activate(); }, ScreenActivation::Left::ForAnyWindow,
          ScreenActivation::Again::AtOnce) {
    setObjectName(QStringLiteral("FrmSyuuryou"));
    setWindowTitle(QStringLiteral("終了"));
    Label17 = label(this, QStringLiteral("Label17"));
    Label15 = label(this, QStringLiteral("Label15"));
    Label16 = label(this, QStringLiteral("Label16"));
    Label18 = label(this, QStringLiteral("Label18"));
    Label19 = label(this, QStringLiteral("Label19"));
    Label13 = label(this, QStringLiteral("Label13"));
    Label14 = label(this, QStringLiteral("Label14"));
    Label20 = label(this, QStringLiteral("Label20"));
    Label20->setStyleSheet(QStringLiteral("color: #d6336c;"));
    Label20->setVisible(false);
    Label2 = label(this, QStringLiteral("Label2"), QStringLiteral("このレベルクリア"));
    Label2->setStyleSheet(QStringLiteral("color: white; background: #2f9e44; border-radius: 12px;"));
    Label2->setVisible(false);
    Picture1 = named(new QFrame(this), QStringLiteral("Picture1"));
    Picture1->setAccessibleName(QStringLiteral("目標レベルクリア"));
    Picture1->setStyleSheet(
        QStringLiteral("#Picture1 { background: #fff3bf; border: 4px solid #f59f00; border-radius: 16px; }"));
    Label1 = label(Picture1, QStringLiteral("Label1"), QStringLiteral("目標レベルクリア。おめでとう！"));
    Label1->setStyleSheet(QStringLiteral("color: #d9480f;"));
    Picture1->setVisible(false);
    Command5 = named(new QPushButton(QStringLiteral("もう一度"), this), QStringLiteral("Command5"));
    Command4 = named(new QPushButton(QStringLiteral("メニューへ"), this), QStringLiteral("Command4"));
    // Offered beside the rest when the level is cleared: it takes nothing away from them.
    Command6 = named(new QPushButton(QStringLiteral("賞状を印刷"), this), QStringLiteral("Command6"));
    Command6->setVisible(false);
    Command6->setAutoDefault(true);
    Command6->setFont(QFont(kGothicFace));
    Command6->setAccessibleDescription(QStringLiteral("このレベルをクリアした賞状を見て、印刷します"));
    Command6->setStyleSheet(
        QStringLiteral("QPushButton { background: #fff3bf; color: #7a4b00; border: 3px solid #f59f00; "
                       "border-radius: 12px; }"));
    connect(Command6, &QPushButton::clicked, this, [this] { ctx_.flow.certificateChosen(); });
    for (QPushButton* b : {Command4, Command5}) {
        b->setVisible(false);
        b->setAutoDefault(true);  // Enter presses the button that has the focus, as Space does
        b->setFont(QFont(kGothicFace));
    }
    Command5->setStyleSheet(
        QStringLiteral("QPushButton { background: #2f9e44; color: white; border-radius: 12px; }"));
    Command4->setStyleSheet(
        QStringLiteral("QPushButton { background: #1c6dd0; color: white; border-radius: 12px; }"));
    Timer1 = named(new QTimer(this), QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &FrmSyuuryou::timer1Fired);

    connect(Command4, &QPushButton::clicked, this, [this] {
        Command4->setEnabled(false);
        ctx_.flow.menuChosen();
    });
    connect(Command5, &QPushButton::clicked, this, [this] {
        Command4->setEnabled(false);
        ctx_.flow.againChosen();
    });
    resize(1024, 768);
}

bool FrmSyuuryou::event(QEvent* event) {
    const QEvent::Type type = event->type();
    const bool handled = QWidget::event(event);  // a deferred delete ends this screen here
    if (type != QEvent::DeferredDelete) activation_.seen(type);
    return handled;
}

void FrmSyuuryou::yield() { ctx_.events.yieldToEvents(); }

void FrmSyuuryou::activate() {
    hensuu1& g = ctx_.g;
    const int level = attempt_.LevelNo, s = attempt_.SeitoBangou;
    activation_.ran();
    ctx_.results->回数求();
    NoTargetLevel = 0;
    cleared_ = levelCleared(g, level);
    if (cleared_) {
        Label2->setVisible(true);
        Command6->setVisible(true);
        if (level == g.MaxLevel) {
            if (anyLevelWithoutTarget(g)) NoTargetLevel = -1;
            if (NoTargetLevel != -1) Picture1->setVisible(true);
        }
    }
    yield();
    Timer1->start();

    const Long t = attempt_.KirokuTime;
    const DisplayPoints points = displayPoints(t, g.GoukakuTime[level], g.LevelPoint[level]);
    Label19->setText(pointsLine(points, g.LevelPoint[level]));
    Label18->setText(resultLine(t));
    Label17->setText(g.SeitoNamae.trimmed());
    Label15->setText(g.ProgTitle);
    Label16->setText(g.LevelName[level]);
    Label13->setText(QStringLiteral(" (このレベル　%1回目)").arg(double(g.HonjituKaisuu(s, level))));
    float today = 0;
    for (int l = 1; l <= kMaxLevelIndex; ++l) today += g.HonjituKaisuu(s, l);
    g.GoukeiKaisuu = Integer(std::nearbyint(today));
    Label14->setText(QStringLiteral("（%1回目)").arg(g.GoukeiKaisuu));

    yield();
    if (!messageShown_) {
        // A window activated again (after another window took the focus) must not sound twice.
        messageShown_ = true;
        const RecordMessage m = recordMessage(g, attempt_, outcome_);
        if (!m.text.isEmpty()) {
            Label20->setVisible(true);
            Label20->setText(m.text);
        }
        yield();
        if (ctx_.cues) {
            switch (m.cue) {
                case RecordCue::PersonalBest:
                    ctx_.cues->自己最高音再生();
                    break;
                case RecordCue::BestOfAll:
                    ctx_.cues->最高音再生();
                    break;
                case RecordCue::Fail:
                    ctx_.cues->不合格音再生();
                    break;
                case RecordCue::None:
                    break;
            }
        }
        yield();
        if (cleared_ && level == g.MaxLevel) {
            if (outcome_.KiteiClearFlag == 0 && ctx_.cues) ctx_.cues->合格音再生();
        } else {
            Picture1->setVisible(false);
        }
    } else if (!(cleared_ && level == g.MaxLevel)) {
        Picture1->setVisible(false);
    }
    outcome_.JikoBestFlag = 0;
    outcome_.SaikouFlag = 0;
    yield();
    ctx_.flow.finishShown();
}

void FrmSyuuryou::timer1Fired() {
    hensuu1& g = ctx_.g;
    const int level = attempt_.LevelNo;
    Picture1->setVisible(false);
    Command4->setVisible(true);
    yield();
    Command4->setFocus();
    Timer1->stop();
    const bool goal = periodGoalReached(g, level);
    if (goal && cleared_ && level != g.MaxLevel && g.MaxLevelClear == 0) {
        // The student should move on: only the way back to the hub is offered.
        Label2->setText(QStringLiteral("次のレベルへ進みましょう"));
        Label2->setVisible(true);
        Command5->setVisible(false);
        return;
    }
    if (goal && cleared_ && level == g.MaxLevel) {
        Label2->setText(QString());
        Label2->setVisible(false);
    }
    Command5->setVisible(true);
}

void FrmSyuuryou::paintEvent(QPaintEvent*) {
    // A bright background with a little confetti, drawn rather than loaded.
    QPainter p(this);
    const double u = screenUnit(size());
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(0xff, 0xf8, 0xe1));
    sky.setColorAt(1, QColor(0xd0, 0xeb, 0xff));
    p.fillRect(rect(), sky);
    QRandomGenerator confetti(20241208);
    const QColor colours[] = {QColor(0xff, 0x6b, 0x6b), QColor(0xff, 0xd4, 0x3b), QColor(0x51, 0xcf, 0x66),
                              QColor(0x33, 0x9a, 0xf0), QColor(0xcc, 0x5d, 0xe8)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 60; ++i) {
        p.setBrush(colours[i % 5]);
        const int x = int(confetti.bounded(width() + 1)), y = int(confetti.bounded(height() / 5 + 1));
        p.drawEllipse(QPointF(x, y), 5 * u, 5 * u);
        const int y2 = height() - int(confetti.bounded(height() / 6 + 1));
        p.drawRect(QRectF(x, y2, 8 * u, 8 * u));
    }
}

void FrmSyuuryou::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutControls();
}

void FrmSyuuryou::layoutControls() {
    const double u = screenUnit(size());
    const int w = width();
    auto row = [&](QLabel* l, int y, int h, double pt, bool bold) {
        setPointSize(l, pt * u, bold);
        l->setGeometry(0, int(y * u), w, int(h * u));
    };
    row(Label15, 20, 50, 26, true);
    row(Label17, 76, 44, 22, true);
    row(Label16, 124, 40, 18, false);
    row(Label18, 180, 70, 36, true);
    row(Label19, 256, 44, 20, false);
    row(Label20, 310, 64, 32, true);
    setPointSize(Label13, 16 * u);
    setPointSize(Label14, 16 * u);
    Label13->setGeometry(0, int(384 * u), w / 2, int(36 * u));
    Label13->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label14->setGeometry(w / 2, int(384 * u), w / 2, int(36 * u));
    Label14->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setPointSize(Label2, 20 * u, true);
    Label2->setGeometry(w / 2 - int(230 * u), int(432 * u), int(460 * u), int(54 * u));
    // The last-level panel stands where the buttons come half a second later, so that it never
    // covers the record message.
    Picture1->setGeometry(w / 2 - int(320 * u), int(500 * u), int(640 * u), int(120 * u));
    setPointSize(Label1, 26 * u, true);
    Label1->setGeometry(0, 0, Picture1->width(), Picture1->height());
    for (QPushButton* b : {Command5, Command4}) setPointSize(b, 22 * u, true);
    Command5->setGeometry(w / 2 - int(330 * u), int(520 * u), int(300 * u), int(80 * u));
    Command4->setGeometry(w / 2 + int(30 * u), int(520 * u), int(300 * u), int(80 * u));
    setPointSize(Command6, 18 * u, true);
    Command6->setGeometry(w / 2 - int(160 * u), int(640 * u), int(320 * u), int(60 * u));
}

}  // namespace pekuru
