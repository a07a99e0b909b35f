#pragma once

#include <QWidget>
#include <vector>

#include "records/DayChartDrawing.h"

namespace pekuru {

// The day chart on the screen (records/DayChartDrawing.h draws it), with its summary for screen
// readers.
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
