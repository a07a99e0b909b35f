#pragma once

#include <QPainter>
#include <QWidget>
#include <vector>

#include "records/HubViews.h"

namespace pekuru {

// The chart of one student's level day by day: the best time of each day as a line (lower is
// faster) against the target time as a dashed line, and the points of each day as bars below.
// Days without attempts leave a gap in the line and no bar. paintDayChart draws it into any area of
// any painter (the screen, a printed page).
void paintDayChart(QPainter& p, const QRectF& area, const QString& levelName,
                   const std::vector<DayFigures>& days, Long goalTime);

class DayChart : public QWidget {
    Q_OBJECT
  public:
    explicit DayChart(QWidget* parent = nullptr);

    void setContent(const QString& levelName, std::vector<DayFigures> days, Long goalTime);
    const std::vector<DayFigures>& days() const { return days_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString summary() const;

    QString levelName_;
    std::vector<DayFigures> days_;
    Long goalTime_ = 0;
};

}  // namespace pekuru
