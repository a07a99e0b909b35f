#include "records/DayChartDrawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "shell/FontFaces.h"

namespace pekuru {

namespace {

const QColor kTimeColour(0x1c, 0x64, 0xc8), kGoalColour(0x2f, 0x9e, 0x44), kBarColour(0xf0, 0x8c, 0x00);
const QColor kInk(0x1f, 0x2d, 0x2d), kGrid(0xd8, 0xe2, 0xe2);

// A round step for axis labels: 1, 2 or 5 times a power of ten, giving about `count` steps.
double niceStep(double range, int count) {
    const double raw = std::max(range / std::max(1, count), 1e-9);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (raw <= m * power) return m * power;
    return 10 * power;
}

QFont sized(double pixels, bool bold = false) {
    QFont f(kGothicFace);
    f.setPixelSize(std::max(9, int(pixels)));
    f.setBold(bold);
    return f;
}

}  // namespace

void paintDayChart(QPainter& p, const QRectF& area, const QString& levelName_,
                   const std::vector<DayFigures>& days_, Long goalTime_) {
    p.save();
    p.translate(area.topLeft());
    // Every way out of the drawing leaves the painter as it was handed over.
    struct Restore {
        QPainter& p;
        ~Restore() { p.restore(); }
    } restore{p};
    const double width = area.width(), height = area.height();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(0, 0, width, height);
    p.fillRect(all, Qt::white);
    p.setPen(QPen(QColor(0x9b, 0xbb, 0xbb), 1));
    p.drawRect(all.adjusted(0.5, 0.5, -0.5, -0.5));

    const double u = std::max(11.0, std::min(width / 55.0, height / 26.0));  // text size, pixels
    const QFont label = sized(u), title = sized(u * 1.15, true), small = sized(u * 0.9);
    const bool anyAttempt =
        std::any_of(days_.begin(), days_.end(), [](const DayFigures& d) { return d.attempts > 0; });
    if (!anyAttempt) {
        p.setFont(title);
        p.setPen(kInk);
        p.drawText(all, Qt::AlignCenter, QStringLiteral("%1 の記録は まだ ありません").arg(levelName_));
        return;
    }

    const QFontMetricsF fm(label);
    const double margin = u * 0.8;
    const double axisWidth = fm.horizontalAdvance(QStringLiteral("00000")) + margin;
    const double left = margin + axisWidth,
                 right = width - margin - fm.horizontalAdvance(QStringLiteral("目標 000秒"));
    const double dayLabelHeight = fm.height() * 1.4;
    const double usable = height - 2 * margin - dayLabelHeight;
    const QRectF timeArea(left, margin + fm.height() * 1.6, right - left, usable * 0.58 - fm.height() * 1.6);
    const QRectF pointArea(left, timeArea.bottom() + fm.height() * 2.4, right - left,
                           margin + usable - timeArea.bottom() - fm.height() * 2.4);
    const int n = int(days_.size());
    const double slot = timeArea.width() / std::max(1, n);
    const auto xAt = [&](int i) { return left + slot * (i + 0.5); };

    // Titles of the two parts.
    p.setFont(title);
    p.setPen(kTimeColour);
    p.drawText(QPointF(left, margin + fm.ascent()), QStringLiteral("タイム（秒）　下にいくほど 速い"));
    p.setPen(kBarColour.darker(130));
    p.drawText(QPointF(left, timeArea.bottom() + fm.height() * 1.9), QStringLiteral("ポイント（点）"));

    // A scale's grid lines, each with its value at the left.
    const auto gridLines = [&](double top, double step, const auto& y) {
        p.setFont(label);
        for (double v = 0; v <= top + 1e-9; v += step) {
            p.setPen(QPen(kGrid, 1));
            p.drawLine(QPointF(left, y(v)), QPointF(right, y(v)));
            p.setPen(kInk);
            p.drawText(QRectF(margin, y(v) - fm.height() / 2, axisWidth - margin * 0.5, fm.height()),
                       Qt::AlignRight | Qt::AlignVCenter, QString::number(v, 'g', 6));
        }
    };
    // Time axis from 0 to a little above the slowest day and the target.
    Long maxTime = goalTime_;
    for (const DayFigures& d : days_)
        if (d.bestTime) maxTime = std::max(maxTime, *d.bestTime);
    const double timeStep = niceStep(double(std::max<Long>(maxTime, 1)), 4);
    const double timeTop = std::ceil(double(std::max<Long>(maxTime, 1)) * 1.08 / timeStep) * timeStep;
    const auto yTime = [&](double t) { return timeArea.bottom() - timeArea.height() * t / timeTop; };
    gridLines(timeTop, timeStep, yTime);
    if (goalTime_ > 0) {
        p.setPen(QPen(kGoalColour, std::max(2.0, u / 6), Qt::DashLine));
        p.drawLine(QPointF(left, yTime(double(goalTime_))), QPointF(right, yTime(double(goalTime_))));
        p.setPen(kGoalColour.darker(120));
        p.setFont(sized(u, true));
        p.drawText(QPointF(right + margin * 0.4, yTime(double(goalTime_)) + fm.ascent() / 2),
                   QStringLiteral("目標 %1秒").arg(goalTime_));
    }
    // The line: consecutive days with a time are joined; a day without one breaks it.
    p.setPen(QPen(kTimeColour, std::max(2.5, u / 4.5), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (int i = 1; i < n; ++i)
        if (days_[std::size_t(i - 1)].bestTime && days_[std::size_t(i)].bestTime)
            p.drawLine(QPointF(xAt(i - 1), yTime(double(*days_[std::size_t(i - 1)].bestTime))),
                       QPointF(xAt(i), yTime(double(*days_[std::size_t(i)].bestTime))));
    const double dot = std::max(4.0, u / 2.6);
    p.setFont(small);
    for (int i = 0; i < n; ++i) {
        const DayFigures& d = days_[std::size_t(i)];
        if (d.bestTime) {
            p.setPen(QPen(Qt::white, 2));
            p.setBrush(kTimeColour);
            p.drawEllipse(QPointF(xAt(i), yTime(double(*d.bestTime))), dot, dot);
        } else if (d.attempts > 0) {
            p.setPen(QPen(QColor(0xc9, 0x2a, 0x2a), 3));  // time-over only: a cross on the top line
            const QPointF c(xAt(i), timeArea.top() + dot);
            p.drawLine(c + QPointF(-dot, -dot), c + QPointF(dot, dot));
            p.drawLine(c + QPointF(-dot, dot), c + QPointF(dot, -dot));
        }
    }
    p.setBrush(Qt::NoBrush);

    // Bars of the points of each day.
    Long maxPoints = 1;
    for (const DayFigures& d : days_) maxPoints = std::max(maxPoints, d.points);
    const double pointStep = niceStep(double(maxPoints), 3);
    const double pointTop = std::ceil(double(maxPoints) * 1.15 / pointStep) * pointStep;
    const auto yPoint = [&](double v) { return pointArea.bottom() - pointArea.height() * v / pointTop; };
    gridLines(pointTop, pointStep, yPoint);
    const QFontMetricsF sm(small);
    const bool roomForValues = slot >= sm.horizontalAdvance(QStringLiteral("000")) * 1.05;
    for (int i = 0; i < n; ++i) {
        const DayFigures& d = days_[std::size_t(i)];
        if (d.points <= 0) continue;
        const QRectF bar(xAt(i) - slot * 0.34, yPoint(double(d.points)), slot * 0.68,
                         pointArea.bottom() - yPoint(double(d.points)));
        p.fillRect(bar, kBarColour);
        if (roomForValues) {
            p.setFont(small);
            p.setPen(kInk);
            p.drawText(QRectF(xAt(i) - slot / 2, bar.top() - sm.height(), slot, sm.height()), Qt::AlignCenter,
                       QString::number(d.points));
        }
    }

    // Day labels, as many as fit without touching.
    p.setFont(label);
    p.setPen(kInk);
    const double labelWidth = fm.horizontalAdvance(QStringLiteral("00/00")) * 1.3;
    const int every = std::max(1, int(std::ceil(labelWidth / slot)));
    for (int i = n - 1; i >= 0; i -= every)  // from the newest day, so today always has its label
        p.drawText(
            QRectF(xAt(i) - labelWidth / 2, pointArea.bottom() + fm.height() * 0.3, labelWidth, fm.height()),
            Qt::AlignCenter, days_[std::size_t(i)].day.toString(QStringLiteral("M/d")));
}

}  // namespace pekuru
