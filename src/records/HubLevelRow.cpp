#include "records/HubLevelRow.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <algorithm>
#include <iterator>

#include "records/Ranking.h"
#include "shell/ScreenKit.h"

namespace pekuru {

namespace {

const QString kToday = QStringLiteral("今日");
const QString kAll = QStringLiteral("今まで");

// The mark drawn as the line's icon: every line has one (blank when unmarked) so that the columns
// of all lines start at the same place.
QIcon markIcon(LineMark mark, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    const MarkLook look = lookOf(mark);
    if (!look.glyph.isEmpty()) {
        QPainter p(&pixmap);
        QFont f(kMonoGothicFace);
        f.setPixelSize(std::max(6, int(size * 0.9)));
        f.setBold(true);
        p.setFont(f);
        p.setPen(look.glyphColour);
        p.drawText(pixmap.rect(), Qt::AlignCenter, look.glyph);
    }
    return QIcon(pixmap);
}

}  // namespace

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

HubLevelRow::HubLevelRow(const hensuu1& g, int level, QWidget* parent) : QFrame(parent), level_(level) {
    const int i = level;
    setObjectName(QStringLiteral("levelRow_%1").arg(i));
    setStyleSheet(QStringLiteral(
                      "#levelRow_%1 { background: #fffdf5; border-radius: 12px; } QLabel { color: #1f2d2d; }")
                      .arg(i));
    levelTitle_ = makeLabel(this, QStringLiteral("levelTitle_%1").arg(i), g.LevelName[i]);
    levelTitle_->setStyleSheet(QStringLiteral("color: #0b5c5c;"));
    Command4 = named(new QPushButton(startCaption(i), this), QStringLiteral("Command4_%1").arg(i));
    Command4->setEnabled(false);
    Command4->setStyleSheet(
        QStringLiteral("QPushButton { background: #2f9e44; color: white; border-radius: 12px; } "
                       "QPushButton:disabled { background: #9cc7a6; }"));
    Label7 = makeLabel(this, QStringLiteral("Label7_%1").arg(i), goalText(g, i));
    Label8 = makeLabel(this, QStringLiteral("Label8_%1").arg(i), periodText(g, g.SeitoBangou, i));
    for (QLabel* l : {Label7, Label8})
        l->setStyleSheet(
            QStringLiteral("background: #e0e0e0; color: #1f2d2d; padding-left: 6px; border-radius: 4px;"));
    todayCaption_ = makeLabel(this, QStringLiteral("todayCaption_%1").arg(i), kToday);
    allCaption_ = makeLabel(this, QStringLiteral("allCaption_%1").arg(i), kAll);
    Label14 = makeLabel(this, QStringLiteral("Label14_%1").arg(i));
    Label15 = makeLabel(this, QStringLiteral("Label15_%1").arg(i));
    Label9 = makeLabel(this, QStringLiteral("Label9_%1").arg(i), kToday, Qt::AlignRight | Qt::AlignBottom);
    Label10 = makeLabel(this, QStringLiteral("Label10_%1").arg(i), kAll, Qt::AlignRight | Qt::AlignBottom);
    Command4->setAccessibleName(QStringLiteral("%1 をスタート (%2)").arg(g.LevelName[i].trimmed()).arg(i));
    List5 = named(new QListWidget(this), QStringLiteral("List5_%1").arg(i));
    List5->setAccessibleName(QStringLiteral("%1 の成績リスト").arg(g.LevelName[i].trimmed()));
    List5->setSelectionMode(QAbstractItemView::SingleSelection);
    List5->setStyleSheet(
        QStringLiteral("QListWidget { background: white; color: #111; border: 1px solid #9bb; } "
                       "QListWidget::item:selected { background: #ffe066; color: #111; }"));
}

void HubLevelRow::showFigures(const hensuu1& g, int student) {
    Label8->setText(periodText(g, student, level_));
    Label15->setText(allFigures(g, student, level_));
    Label14->setText(todayFigures(g, student, level_));
}

void HubLevelRow::clearLines(bool rankingHeaders) {
    Label9->setText(rankingHeaders ? kToday : QString());
    Label10->setText(rankingHeaders ? kAll : QString());
    List5->clear();
}

void HubLevelRow::addLine(const QString& text, LineMark mark) {
    auto* item = new QListWidgetItem(text);
    const MarkLook look = lookOf(mark);
    if (mark != LineMark::None) {
        item->setBackground(look.background);
        item->setToolTip(look.words);
        item->setData(Qt::AccessibleTextRole,
                      text + QStringLiteral("（") + look.words + QStringLiteral("）"));
    }
    item->setData(Qt::UserRole, int(mark));
    List5->addItem(item);
}

void HubLevelRow::fitListFont() {
    QListWidget* list = List5;
    QFont reference(kMonoGothicFace);
    reference.setPixelSize(100);
    const QFontMetricsF fm(reference);
    double widest = fm.horizontalAdvance(QString(22, QLatin1Char(' ')));
    for (int r = 0; r < list->count(); ++r)
        widest = std::max(widest, fm.horizontalAdvance(list->item(r)->text()));
    const int scrollBar = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    const double across = list->width() - 2 * list->frameWidth() - scrollBar - 12;
    const int pixels = std::max(8, int(std::min(list->height() / 6.2, across / (widest / 100.0 + 1.15))));
    QFont font(kMonoGothicFace);
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

void HubLevelRow::layoutControls(int width, int height, double sx, double sy, double u) {
    const auto at = [&](QWidget* w, double x, double y, double wd, double h) {
        w->setGeometry(scaledRect(x, y, wd, h, sx, sy));
    };
    setGothic(levelTitle_, 16 * u, true);
    at(levelTitle_, 14, 8, 160, 32);
    setGothic(Command4, 22 * u, true);
    at(Command4, 12, 44, 162, 96);

    setGothic(Label7, 13 * u);
    setGothic(Label8, 13 * u);
    at(Label7, 188, 10, 316, 34);
    at(Label8, 188, 50, 316, 34);
    for (QLabel* l : {todayCaption_, allCaption_}) setGothic(l, 14 * u);
    for (QLabel* l : {Label14, Label15}) setGothic(l, 17 * u, true);
    at(todayCaption_, 190, 94, 84, 38);
    at(Label14, 274, 94, 230, 38);
    at(allCaption_, 190, 136, 84, 38);
    at(Label15, 274, 136, 230, 38);

    // The list fills the right part; its two headers stand over the points columns of a line
    // (today's points end 17 half-width places in, all points 23).
    const int listX = int(518 * sx), listY = int(32 * sy);
    List5->setGeometry(listX, listY, width - listX - int(10 * sx), height - listY - int(10 * sy));
    fitListFont();
    const double half = QFontMetricsF(List5->font()).horizontalAdvance(QLatin1Char(' '));
    const int textX = listX + List5->frameWidth() + 2 + List5->iconSize().width() + 4;
    for (QLabel* l : {Label9, Label10}) setGothic(l, 12 * u, true);
    const int headerH = listY - int(2 * sy);
    Label9->setGeometry(textX, 0, int(17 * half), headerH);
    Label10->setGeometry(textX + int(16 * half), 0, int(7 * half) + 1, headerH);
}

}  // namespace pekuru
