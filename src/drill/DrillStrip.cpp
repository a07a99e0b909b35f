#include "drill/DrillStrip.h"

#include <QLabel>

#include "shell/ScreenKit.h"

namespace pekuru {

namespace {

const char* const kSquareColour[3] = {"#22b14c", "#ffd400", "#e8202a"};
const char* const kSquareColourName[3] = {"緑", "黄色", "赤"};

QFrame* makeShape(QWidget* parent, const QString& name, const QString& style) {
    auto* f = named(new QFrame(parent), name);
    f->setStyleSheet(style);
    return f;
}

}  // namespace

DrillStrip::DrillStrip(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("sPicture1"));
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral("#sPicture1 { background: #203a5c; } QLabel { color: white; }"));
    sLabel2 = makeLabel(this, QStringLiteral("sLabel2"));
    sLabel3 = makeLabel(this, QStringLiteral("sLabel3"), QStringLiteral("レベル"));
    sLabel4 = makeLabel(this, QStringLiteral("sLabel4"), QStringLiteral("残り"));
    sLabel5 = makeLabel(this, QStringLiteral("sLabel5"), QStringLiteral("タイム"));
    sLabel6 = makeLabel(this, QStringLiteral("sLabel6"), QStringLiteral("問"));
    sLabel7 = makeLabel(this, QStringLiteral("sLabel7"));
    sLabel8 = makeLabel(this, QStringLiteral("sLabel8"));
    sLabel9 = makeLabel(this, QStringLiteral("sLabel9"));
    sLabel10 = makeLabel(this, QStringLiteral("sLabel10"));
    sLabel11 = makeLabel(this, QStringLiteral("sLabel11"));
    sLabel12 = makeLabel(this, QStringLiteral("sLabel12"));
    sLabel13 = makeLabel(this, QStringLiteral("sLabel13"));
    sLabel14 = makeLabel(this, QStringLiteral("sLabel14"));
    const QString fixed[6] = {QStringLiteral("起動後"), QStringLiteral("分"),         QStringLiteral("本日"),
                              QStringLiteral("回目"),   QStringLiteral("このレベル"), QStringLiteral("回目")};
    for (int i = 0; i < 6; ++i) sLabel16[i] = makeLabel(this, QStringLiteral("sLabel16_%1").arg(i), fixed[i]);
    for (QLabel* l : {sLabel9, sLabel10, sLabel11, sLabel12, sLabel13})
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    sShape5 = makeShape(this, QStringLiteral("sShape5"),
                        QStringLiteral("background: #e9eef5; border: 2px solid white;"));
    sShape4 = makeShape(this, QStringLiteral("sShape4"), QStringLiteral("background: #f6b0b0;"));
    sShape3 = makeShape(this, QStringLiteral("sShape3"), QStringLiteral("background: #9fe0a6;"));
    sShape2 = makeShape(this, QStringLiteral("sShape2"), QStringLiteral("background: #3d7dd8;"));
    sShape7 = makeShape(this, QStringLiteral("sShape7"), QStringLiteral("background: white;"));
    describe(sShape5, QStringLiteral("経過時間"), QAccessible::ProgressBar);
    describe(sShape2, QStringLiteral("経過時間のバー"), QAccessible::Graphic);
    describe(sShape3, QStringLiteral("目標タイムまでのはんい"), QAccessible::Graphic);
    describe(sShape4, QStringLiteral("制限タイムまでのはんい"), QAccessible::Graphic);
    describe(sShape7, QStringLiteral("バーのはじまり"), QAccessible::Graphic);
    sPicture3.assign(40, nullptr);
    for (int i = 10; i <= 39; ++i) {
        QFrame* square = makeShape(this, QStringLiteral("sPicture3_%1").arg(i),
                                   QStringLiteral("background: %1; border: 1px solid #10243c;")
                                       .arg(QLatin1String(kSquareColour[(i - 10) / 10])));
        describe(square, QStringLiteral("残り時間のしるし %1").arg(i - 9), QAccessible::Indicator,
                 QString::fromUtf8(kSquareColourName[(i - 10) / 10]));
        sPicture3[std::size_t(i)] = square;
    }
}

void DrillStrip::layoutControls(int width, double u, double titlePoints) {
    const int w = width;
    const int line = int(30 * u);
    // Left: the title, then minutes, today's count and this level's count.
    sLabel2->setGeometry(int(10 * u), int(2 * u), int(220 * u), int(36 * u));
    setFittedSize(sLabel2, titlePoints * u, true);
    QLabel* row2[] = {sLabel16[0], sLabel13,    sLabel16[1], sLabel16[2], sLabel12,
                      sLabel16[3], sLabel16[4], sLabel11,    sLabel16[5]};
    const int widths[] = {58, 36, 26, 40, 32, 40, 84, 32, 40};
    int x = int(10 * u);
    for (int i = 0; i < 9; ++i) {
        row2[i]->setGeometry(x, int(40 * u), int(widths[i] * u), int(24 * u));
        setFittedSize(row2[i], 10.5 * u);
        x += int(widths[i] * u);
    }
    // Right: the classroom text and the name; below, level, remaining pictures and time.
    const int right = w - int(10 * u);
    sLabel7->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    sLabel7->setGeometry(right - int(260 * u), int(4 * u), int(260 * u), line);
    setFittedSize(sLabel7, 15 * u, true);
    sLabel14->setGeometry(right - int(560 * u), int(4 * u), int(290 * u), line);
    sLabel14->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setFittedSize(sLabel14, 11 * u);
    QLabel* row[] = {sLabel3, sLabel8, sLabel4, sLabel9, sLabel6, sLabel5, sLabel10};
    const int rw[] = {62, 100, 44, 40, 28, 62, 70};
    int total = 0;
    for (int v : rw) total += v;
    x = right - int(total * u);
    for (int i = 0; i < 7; ++i) {
        const bool figure = row[i] == sLabel10 || row[i] == sLabel9;
        row[i]->setGeometry(x, int(34 * u), int(rw[i] * u), line);
        setFittedSize(row[i], (figure ? 17 : 13) * u, figure);
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
}

void DrillStrip::display(const StatusStrip& s) {
    sLabel2->setText(s.title);
    sLabel7->setText(s.studentName);
    sLabel8->setText(s.levelName);
    if (!s.picturesLeft.isEmpty()) sLabel9->setText(s.picturesLeft);
    sLabel10->setText(s.elapsedSeconds);
    sLabel11->setText(s.levelAttemptToday);
    sLabel12->setText(s.attemptToday);
    sLabel13->setText(s.minutesSinceConfirmed);
    sLabel14->setText(s.classroomText);
    const QRect f = sShape5->geometry();
    sShape4->setGeometry(f.x(), f.y(), int(f.width() * s.limit), f.height());
    sShape3->setGeometry(f.x(), f.y(), int(f.width() * s.target), f.height());
    sShape2->setGeometry(f.x(), f.y() + f.height() / 4, int(f.width() * s.elapsed), f.height() / 2);
    sShape7->setGeometry(f.x(), f.y(), 0, f.height());
    for (int i = 10; i <= 39; ++i) sPicture3[std::size_t(i)]->setVisible(!s.squareHidden[std::size_t(i)]);
    for (QLabel* l : {sLabel2, sLabel7, sLabel8, sLabel9, sLabel10, sLabel11, sLabel12, sLabel13, sLabel14})
        refit(l);
}

void DrillStrip::setRemaining(int count) {
    sLabel9->setText(QString::number(count));
    refit(sLabel9);
}

void DrillStrip::nameFigures(const hensuu1& g) {
    renameAccessible(sLabel7, QStringLiteral("なまえ %1").arg(sLabel7->text()));
    renameAccessible(sLabel8, QStringLiteral("レベル %1").arg(sLabel8->text()));
    renameAccessible(sLabel9, QStringLiteral("残り %1問").arg(sLabel9->text()));
    renameAccessible(sLabel10, QStringLiteral("タイム %1秒").arg(sLabel10->text()));
    renameAccessible(sLabel11, QStringLiteral("このレベル %1回目").arg(sLabel11->text()));
    renameAccessible(sLabel12, QStringLiteral("本日 %1回目").arg(sLabel12->text()));
    renameAccessible(sLabel13, QStringLiteral("起動後 %1分").arg(sLabel13->text()));
    const int level = g.LevelNo;
    const QString bar = level >= 0 && level <= 35 ? QStringLiteral("%1秒 (目標 %2秒、制限 %3秒)")
                                                        .arg(sLabel10->text())
                                                        .arg(g.GoukakuTime[level])
                                                        .arg(g.SeigenTime[level])
                                                  : sLabel10->text();
    if (sShape5->accessibleDescription() != bar) sShape5->setAccessibleDescription(bar);
}

}  // namespace pekuru
