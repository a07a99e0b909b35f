#include "records/DayChart.h"

#include <QPainter>
#include <algorithm>

#include "shell/ScreenKit.h"

namespace pekuru {

DayChart::DayChart(QWidget* parent) : QWidget(parent) {
    // Screen readers hear the chart as a chart, with its summary as the description.
    setAccessibleRole(this, QAccessible::Chart);
    setObjectName(QStringLiteral("chart"));
    setAutoFillBackground(false);
}

void DayChart::setContent(const QString& levelName, std::vector<DayFigures> days, Long goalTime) {
    levelName_ = levelName;
    days_ = std::move(days);
    goalTime_ = goalTime;
    setAccessibleName(QStringLiteral("%1 の タイムとポイントのグラフ").arg(levelName_));
    setAccessibleDescription(summary());
    update();
}

QString DayChart::summary() const {
    const auto last =
        std::find_if(days_.rbegin(), days_.rend(), [](const DayFigures& d) { return d.attempts > 0; });
    if (last == days_.rend()) return QStringLiteral("まだ 記録が ありません");
    QString text = QStringLiteral("さいごの日 %1: ").arg(last->day.toString(QStringLiteral("M/d")));
    text += last->bestTime ? QStringLiteral("いちばん速いタイム %1秒、").arg(*last->bestTime)
                           : QStringLiteral("時間切れ、");
    return text + QStringLiteral("%1点").arg(last->points);
}

void DayChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintDayChart(p, rect(), levelName_, days_, goalTime_);
}

}  // namespace pekuru
