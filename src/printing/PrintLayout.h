#pragma once

#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <vector>

#include "shell/GlobalState.h"

namespace pekuru {

// Page coordinates run from 0 to 10000 across the page on both axes.
constexpr double kPageUnits = 10000;
// A4 in twips (1/1440 inch), the unit in which line heights and the measuring width are given.
constexpr double kA4ShortTwips = 11906;
constexpr double kA4LongTwips = 16838;

// The page the table is laid out on and where it goes.
struct PageSetup {
    bool portrait = true;    // "縦横" ticked
    bool toPrinter = false;  // "印刷" ticked
    double factor() const { return portrait ? 0.63 : 0.8; }
    double lineUnit() const { return toPrinter ? 6 : 1; }
    double pageWidthTwips() const { return portrait ? kA4ShortTwips : kA4LongTwips; }
    double pageHeightTwips() const { return portrait ? kA4LongTwips : kA4ShortTwips; }
};

// Row tops: y(r) = 1000 + 10000 × (r − 1) × 0.9 / rows, for the heading row 0 and rows 1..rows.
double rowTop(int r, int rows);
// Vertical rules at 10000 × the column edges, rounded.
std::vector<int> verticalRules(const PrintTable& g);

// How a cell's text breaks into lines in the chosen font, at `pointSize`, within `widthTwips`.
QStringList breakLines(const QString& text, const QFont& font, double pointSize, double widthTwips);

// The largest size from `startSize` down, one point at a time, at which the text fits its row:
// (lines + 1) × 25 × size twips below the row's height. Never below 1: a text that fits at no size
// is drawn at size 1 as it is.
struct FittedCell {
    double pointSize = 1;
    QStringList lines;
    bool fits = true;
};
FittedCell fitCell(const QString& text, const QFont& font, int startSize, double widthTwips,
                   double rowHeightTwips);

// One drawing of the whole table: the texts and rules in page coordinates, ready to paint on any
// target whose rectangle is mapped onto 0..10000.
struct LaidOutText {
    double x = 0, y = 0;   // page units, top left of the line
    double pointSize = 0;  // the size as fitted (the drawing scales it for the target)
    QString text;
};
struct LaidOutRule {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double thickness = 1;
};
struct LaidOutPage {
    std::vector<LaidOutText> texts;
    std::vector<LaidOutRule> rules;
};
LaidOutPage layoutTable(const PrintTable& g, const PageSetup& page, const QFont& font);

// Paints the page on a target whose drawable area is `area` (device units).
void paintPage(QPainter& painter, const QRectF& area, const LaidOutPage& page, const PageSetup& setup,
               const QFont& font);

}  // namespace pekuru
