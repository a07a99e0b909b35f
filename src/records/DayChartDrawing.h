#pragma once

#include <QPainter>
#include <vector>

#include "records/HubViews.h"

namespace pekuru {

// The chart of one student's level day by day: the best time of each day as a line (lower is
// faster) against the target time as a dashed line, and the points of each day as bars below.
// Days without attempts leave a gap in the line and no bar. paintDayChart draws it into any area of
// any painter (the hub's chart on the screen, a printed page).
void paintDayChart(QPainter& p, const QRectF& area, const QString& levelName,
                   const std::vector<DayFigures>& days, Long goalTime);

}  // namespace pekuru
