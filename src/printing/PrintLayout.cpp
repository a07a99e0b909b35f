#include "printing/PrintLayout.h"

#include <QImage>
#include <QTextLayout>
#include <cmath>

namespace pekuru {

namespace {

// A paint device whose pixels are twips, so that text measured on it comes out in twips.
const QPaintDevice& twipDevice() {
    static QImage image = [] {
        QImage i(1, 1, QImage::Format_RGB32);
        i.setDotsPerMeterX(int(std::lround(1440 / 0.0254)));
        i.setDotsPerMeterY(int(std::lround(1440 / 0.0254)));
        return i;
    }();
    return image;
}

}  // namespace

double rowTop(int r, int rows) {
    const double q = 0.9 / rows;
    return kPageUnits * 0.1 + kPageUnits * (r - 1) * q;
}

std::vector<int> verticalRules(const PrintTable& g) {
    std::vector<int> xs;
    for (int c = 1; c <= g.PrintCols + 1 && c < int(g.PrintColX.size()); ++c)
        xs.push_back(int(std::lround(kPageUnits * g.PrintColX[std::size_t(c)])));
    return xs;
}

QStringList breakLines(const QString& text, const QFont& font, double pointSize, double widthTwips) {
    QStringList lines;
    if (text.isEmpty()) return lines;
    QFont f = font;
    f.setPointSizeF(pointSize);
    QTextLayout layout(text, f, const_cast<QPaintDevice*>(&twipDevice()));
    layout.beginLayout();
    for (;;) {
        QTextLine line = layout.createLine();
        if (!line.isValid()) break;
        line.setLineWidth(widthTwips);
        lines << text.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
    return lines;
}

FittedCell fitCell(const QString& text, const QFont& font, int startSize, double widthTwips,
                   double rowHeightTwips) {
    FittedCell cell;
    for (int size = startSize; size >= 1; --size) {
        cell.pointSize = size;
        cell.lines = breakLines(text, font, size, widthTwips);
        const double lineHeight = 25.0 * size;
        if ((cell.lines.size() + 1) * lineHeight < rowHeightTwips) {
            cell.fits = true;
            return cell;
        }
    }
    cell.fits = false;  // drawn at size 1 as it is
    return cell;
}

LaidOutPage layoutTable(const PrintTable& g, const PageSetup& page, const QFont& font) {
    LaidOutPage out;
    const int rows = g.PrintRows;
    if (rows <= 0 || g.PrintCols <= 0 || int(g.PrintColX.size()) < g.PrintCols + 2) return out;
    const int startSize = g.PrintFontSize == 0 ? 50 : g.PrintFontSize;
    const double q = 0.9 / rows;
    const double rowHeightTwips = q * page.pageHeightTwips();
    for (int r = 0; r <= rows; ++r) {
        const double y = rowTop(r, rows);
        for (int c = 1; c <= g.PrintCols; ++c) {
            const double left = g.PrintColX[std::size_t(c)] + 0.01;
            const double w = 0.95 * (g.PrintColX[std::size_t(c + 1)] - g.PrintColX[std::size_t(c)]);
            const FittedCell cell =
                fitCell(g.PrintCell(c, r), font, startSize, w * page.pageWidthTwips(), rowHeightTwips);
            const double lineHeight = 25.0 * cell.pointSize;
            for (int k = 0; k < cell.lines.size(); ++k) {
                out.texts.push_back({kPageUnits * left,
                                     y + kPageUnits * k * lineHeight / page.pageHeightTwips(), cell.pointSize,
                                     cell.lines[k]});
            }
        }
        out.rules.push_back({0, y - 100, kPageUnits, y - 100, 1});
    }
    const double closing = rowTop(rows + 1, rows) - 100;
    out.rules.push_back({0, closing, kPageUnits, closing, 1});
    for (const int x : verticalRules(g))
        out.rules.push_back({double(x), rowTop(0, rows) - 100, double(x), closing, 1});
    return out;
}

void paintPage(QPainter& painter, const QRectF& area, const LaidOutPage& page, const PageSetup& setup,
               const QFont& font) {
    auto map = [&](double x, double y) {
        return QPointF(area.left() + area.width() * x / kPageUnits,
                       area.top() + area.height() * y / kPageUnits);
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    QPen pen(Qt::black);
    pen.setWidthF(std::max(1.0, 0.6 * 1 * setup.lineUnit()));
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    for (const LaidOutRule& r : page.rules) painter.drawLine(map(r.x1, r.y1), map(r.x2, r.y2));
    painter.setPen(Qt::black);
    for (const LaidOutText& t : page.texts) {
        QFont f = font;
        // The drawn size is a little under the fitted one (0.89 on paper, 0.9 on the preview) and
        // follows the target's scale: a point is 20 twips of the page, whatever the device.
        const double scale = setup.toPrinter ? 0.89 : 0.9;
        f.setPixelSize(std::max(
            1, int(std::lround(scale * t.pointSize * 20.0 * area.height() / setup.pageHeightTwips()))));
        painter.setFont(f);
        const QFontMetricsF fm(f, painter.device());
        painter.drawText(map(t.x, t.y) + QPointF(0, fm.ascent()), t.text);
    }
    painter.restore();
}

}  // namespace pekuru
