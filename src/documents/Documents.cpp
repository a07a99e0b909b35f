#include "documents/Documents.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "records/DayChartDrawing.h"
#include "shell/FontFaces.h"

namespace pekuru {

namespace {

// Sizes are in tenths of a millimetre: 35 is about a 10-point letter. The face has no bold of its
// own; a made-up bold smears small letters in the preview, so only large ones are made bold.
QFont paperFont(double size, bool bold = false) {
    QFont f(kGothicFace);
    f.setPixelSize(std::max(1, int(std::lround(size))));
    f.setBold(bold && size >= 60);
    return f;
}

const QColor kInk(0x1f, 0x2d, 0x2d);
const QColor kSoft(0x5f, 0x6f, 0x6f);
const QColor kGreen(0x2f, 0x9e, 0x44);
const QColor kGold(0xc9, 0x9a, 0x2e);
const QColor kLine(0xc8, 0xd4, 0xd4);

// Text in a box, shrunk until it fits on one line.
void fittedText(QPainter& p, const QRectF& box, const QString& text, double size, bool bold = false,
                Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    QFont f = paperFont(size, bold);
    while (size > 8 && QFontMetricsF(f).horizontalAdvance(text) > box.width()) {
        size *= 0.92;
        f = paperFont(size, bold);
    }
    p.setFont(f);
    p.drawText(box, int(align), text);
}

// A green "クリア" badge with a star.
void clearedBadge(QPainter& p, const QRectF& box) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawRoundedRect(box, box.height() / 2, box.height() / 2);
    p.setPen(Qt::white);
    fittedText(p, box, QStringLiteral("★ クリア"), box.height() * 0.62, true, Qt::AlignCenter);
    p.restore();
}

QString bestText(const LevelReport& l) {
    if (!l.best) return QStringLiteral("まだありません");
    if (!l.bestDay.isValid()) return QStringLiteral("%1秒").arg(*l.best);
    return QStringLiteral("%1秒 (%2)").arg(*l.best).arg(japaneseDate(l.bestDay));
}

}  // namespace

QString japaneseDate(QDate date) {
    return QStringLiteral("%1年%2月%3日").arg(date.year()).arg(date.month()).arg(date.day());
}

PaperDocument reportDocument(const StudentReport& report, const QString& programTitle) {
    PaperDocument d;
    d.orientation = QPageLayout::Portrait;
    d.pages = 1;
    d.draw = [report, programTitle](QPainter& p, int) {
        p.setRenderHint(QPainter::Antialiasing);
        const double m = 130, width = 2100 - 2 * m;
        p.setPen(kInk);
        fittedText(p, QRectF(m, m, width, 110), QStringLiteral("%1　成績表").arg(programTitle), 90, true);
        const QString who = report.grade.isEmpty()
                                ? report.name + QStringLiteral(" さん")
                                : QStringLiteral("%1　%2 さん").arg(report.grade, report.name);
        fittedText(p, QRectF(m, m + 130, width, 90), who, 70, true);
        p.setPen(kSoft);
        fittedText(p, QRectF(m, m + 230, width, 60),
                   QStringLiteral("%1　　%2").arg(report.classroom, japaneseDate(report.date)), 42);
        p.setPen(QPen(kGold, 6));
        p.drawLine(QPointF(m, m + 310), QPointF(m + width, m + 310));

        const int n = std::max<int>(1, int(report.levels.size()));
        const double top = m + 350, bottom = 2970 - m - 60;
        const double block = (bottom - top) / n;
        for (int i = 0; i < int(report.levels.size()); ++i) {
            const LevelReport& l = report.levels[std::size_t(i)];
            const double y = top + block * i;
            p.setPen(kInk);
            fittedText(p, QRectF(m, y, 420, 80), l.name, 64, true);
            if (l.cleared) clearedBadge(p, QRectF(m + 430, y + 10, 240, 60));
            const double textWidth = 700;
            const QString rows[][2] = {
                {QStringLiteral("目標"), l.goal.mid(l.goal.indexOf(QLatin1Char('=')) + 1)},
                {QStringLiteral("今日"), l.today},
                {QStringLiteral("最近"), l.period.mid(2)},
                {QStringLiteral("今まで"), l.all},
                {QStringLiteral("自己ベスト"), bestText(l)}};
            const double rowHeight = std::min(90.0, (block - 130) / 5);
            for (int r = 0; r < 5; ++r) {
                const double ry = y + 100 + rowHeight * r;
                p.setPen(kSoft);
                fittedText(p, QRectF(m, ry, 200, rowHeight), rows[r][0], 36);
                p.setPen(kInk);
                fittedText(p, QRectF(m + 200, ry, textWidth - 200, rowHeight), rows[r][1], 40, r == 4);
            }
            const QRectF chart(m + textWidth + 30, y + 10, width - textWidth - 30, block - 50);
            // The chart is drawn for a screen; at 2.5 times its size its words read well on paper.
            constexpr double kChartScale = 2.5;
            p.save();
            p.scale(kChartScale, kChartScale);
            paintDayChart(p, QRectF(chart.topLeft() / kChartScale, chart.size() / kChartScale), l.name,
                          l.days, l.goalTime);
            p.restore();
            p.setPen(QPen(kLine, 3));
            if (i + 1 < n) p.drawLine(QPointF(m, y + block - 20), QPointF(m + width, y + block - 20));
        }
        p.setPen(kSoft);
        fittedText(
            p, QRectF(m, 2970 - m - 50, width, 50),
            QStringLiteral(
                "グラフ: 線は一日でいちばん速いタイム (下ほど速い)、点線は目標、ぼうはその日のポイント"),
            30);
    };
    return d;
}

PaperDocument rosterDocument(const std::vector<RosterReportLine>& lines,
                             const std::vector<QString>& levelNames, const QString& classroom, QDate date,
                             const QString& programTitle) {
    PaperDocument d;
    d.orientation = QPageLayout::Portrait;
    d.pages = std::max<int>(1, int((lines.size() + kRosterLinesPerPage - 1) / kRosterLinesPerPage));
    d.draw = [lines, levelNames, classroom, date, programTitle, pages = d.pages](QPainter& p, int page) {
        p.setRenderHint(QPainter::Antialiasing);
        const double m = 130, width = 2100 - 2 * m;
        p.setPen(kInk);
        fittedText(p, QRectF(m, m, width, 100), QStringLiteral("%1　成績一覧").arg(programTitle), 80, true);
        p.setPen(kSoft);
        QString sub = QStringLiteral("%1　　%2").arg(classroom, japaneseDate(date));
        if (pages > 1) sub += QStringLiteral("　　%1 / %2 ページ").arg(page + 1).arg(pages);
        fittedText(p, QRectF(m, m + 110, width, 60), sub, 40);
        // Columns: name, grade, level, attempts, best, points, cleared.
        const double x[] = {m, m + 520, m + 680, m + 940, m + 1140, m + 1400, m + 1620, m + width};
        const QString heads[] = {QStringLiteral("名前"),       QStringLiteral("学年"),
                                 QStringLiteral("レベル"),     QStringLiteral("回数"),
                                 QStringLiteral("自己ベスト"), QStringLiteral("ポイント"),
                                 QStringLiteral("クリア")};
        const double rowHeight = (2970 - m - 60 - (m + 200)) / (kRosterLinesPerPage + 1);
        double y = m + 200;
        p.setPen(kInk);
        for (int c = 0; c < 7; ++c)
            fittedText(p, QRectF(x[c] + 10, y, x[c + 1] - x[c] - 20, rowHeight), heads[c], 34, true,
                       c == 6   ? Qt::AlignCenter
                       : c >= 3 ? Qt::AlignRight | Qt::AlignVCenter
                                : Qt::AlignLeft | Qt::AlignVCenter);
        p.setPen(QPen(kInk, 4));
        p.drawLine(QPointF(m, y + rowHeight), QPointF(m + width, y + rowHeight));
        y += rowHeight;
        const std::size_t first = std::size_t(page) * kRosterLinesPerPage;
        for (std::size_t i = first; i < lines.size() && i < first + kRosterLinesPerPage; ++i) {
            const RosterReportLine& r = lines[i];
            const bool newStudent = i == first || lines[i - 1].student != r.student;
            if (newStudent && i != first) {
                p.setPen(QPen(kLine, 3));
                p.drawLine(QPointF(m, y), QPointF(m + width, y));
            }
            const QString level = r.level >= 1 && std::size_t(r.level) <= levelNames.size()
                                      ? levelNames[std::size_t(r.level - 1)]
                                      : QString::number(r.level);
            const QString cells[] = {newStudent ? r.name : QString(),
                                     newStudent ? r.grade : QString(),
                                     level,
                                     QStringLiteral("%1回").arg(r.attempts),
                                     r.best ? QStringLiteral("%1秒").arg(*r.best) : QStringLiteral("－"),
                                     QStringLiteral("%1点").arg(r.points),
                                     r.cleared ? QStringLiteral("★") : QString()};
            for (int c = 0; c < 7; ++c) {
                p.setPen(c == 6 ? kGreen : kInk);
                fittedText(p, QRectF(x[c] + 10, y, x[c + 1] - x[c] - 20, rowHeight), cells[c], 34,
                           c == 0 || c == 6,
                           c >= 3 ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
            }
            y += rowHeight;
        }
    };
    return d;
}

namespace {

// A gold medal on a red and blue ribbon, with a star: drawn, not loaded.
void medal(QPainter& p, const QPointF& centre, double r) {
    p.save();
    p.setPen(Qt::NoPen);
    const double w = r * 0.55;
    QPolygonF left, right;
    left << centre + QPointF(-w * 1.6, -r * 2.3) << centre + QPointF(-w * 0.6, -r * 2.3)
         << centre + QPointF(w * 0.3, -r * 0.6) << centre + QPointF(-w * 0.5, -r * 0.4);
    right << centre + QPointF(w * 1.6, -r * 2.3) << centre + QPointF(w * 0.6, -r * 2.3)
          << centre + QPointF(-w * 0.3, -r * 0.6) << centre + QPointF(w * 0.5, -r * 0.4);
    p.setBrush(QColor(0xd6, 0x33, 0x3a));
    p.drawPolygon(left);
    p.setBrush(QColor(0x1c, 0x6d, 0xd0));
    p.drawPolygon(right);
    QRadialGradient gold(centre - QPointF(r * 0.3, r * 0.3), r * 1.3);
    gold.setColorAt(0, QColor(0xff, 0xf1, 0x9a));
    gold.setColorAt(0.6, QColor(0xf2, 0xc1, 0x2e));
    gold.setColorAt(1, QColor(0xb8, 0x86, 0x0b));
    p.setBrush(gold);
    p.setPen(QPen(QColor(0xa0, 0x70, 0x08), r * 0.06));
    p.drawEllipse(centre, r, r);
    p.setPen(QPen(QColor(0xfa, 0xe0, 0x7a), r * 0.04));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, r * 0.8, r * 0.8);
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double k = i % 2 == 0 ? r * 0.6 : r * 0.25;
        star << centre + QPointF(std::cos(a) * k, std::sin(a) * k);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xff, 0xff, 220));
    p.drawPolygon(star);
    p.restore();
}

// A puzzle piece, for the corners.
void piece(QPainter& p, const QPointF& at, double s, const QColor& colour) {
    QPainterPath path;
    path.moveTo(at);
    path.lineTo(at + QPointF(s * 0.38, 0));
    path.arcTo(QRectF(at + QPointF(s * 0.38, -s * 0.16), QSizeF(s * 0.24, s * 0.3)), 180, -180);
    path.lineTo(at + QPointF(s, 0));
    path.lineTo(at + QPointF(s, s * 0.38));
    path.arcTo(QRectF(at + QPointF(s - s * 0.14, s * 0.38), QSizeF(s * 0.3, s * 0.24)), 90, -180);
    path.lineTo(at + QPointF(s, s));
    path.lineTo(at + QPointF(0, s));
    path.closeSubpath();
    p.save();
    p.setPen(QPen(colour.darker(140), s * 0.04));
    p.setBrush(colour);
    p.drawPath(path);
    p.restore();
}

}  // namespace

PaperDocument certificateDocument(const CertificateText& text) {
    PaperDocument d;
    d.orientation = QPageLayout::Landscape;
    d.pages = 1;
    d.draw = [text](QPainter& p, int) {
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF paper(0, 0, 2970, 2100);
        p.fillRect(paper, QColor(0xff, 0xfd, 0xf4));
        // The border: a broad gold frame, a thin one inside it, a piece of a puzzle in each corner.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kGold, 40));
        p.drawRect(paper.adjusted(110, 110, -110, -110));
        p.setPen(QPen(kGold.darker(120), 8));
        p.drawRect(paper.adjusted(170, 170, -170, -170));
        const QColor corners[] = {QColor(0xff, 0x6b, 0x6b), QColor(0x51, 0xcf, 0x66),
                                  QColor(0x33, 0x9a, 0xf0), QColor(0xff, 0xd4, 0x3b)};
        const double s = 150;
        piece(p, QPointF(200, 200), s, corners[0]);
        piece(p, QPointF(2970 - 200 - s, 200), s, corners[1]);
        piece(p, QPointF(200, 2100 - 200 - s), s, corners[2]);
        piece(p, QPointF(2970 - 200 - s, 2100 - 200 - s), s, corners[3]);

        p.setPen(kInk);
        fittedText(p, QRectF(400, 260, 2170, 300), QStringLiteral("賞　状"), 250, true, Qt::AlignCenter);
        fittedText(p, QRectF(700, 640, 1570, 170), text.name + QStringLiteral("　さん"), 130, true,
                   Qt::AlignCenter);
        p.setPen(QPen(kInk, 5));
        p.drawLine(QPointF(800, 820), QPointF(2170, 820));

        medal(p, QPointF(560, 1330), 230);

        p.setPen(kInk);
        const QString lines[] = {
            QStringLiteral("あなたは %1 の「%2」を").arg(text.programTitle, text.levelName),
            QStringLiteral("みごとに クリアしました。"),
            text.time ? QStringLiteral("タイム %1秒　ポイント %2点").arg(*text.time).arg(text.points)
            : text.best ? QStringLiteral("自己ベスト %1秒").arg(*text.best)
                        : QString(),
            QStringLiteral("よく がんばりました。これからも がんばってね。"),
        };
        for (int i = 0; i < 4; ++i)
            fittedText(p, QRectF(900, 950 + i * 150, 1750, 130), lines[i], 88, i == 2);
        p.setPen(kSoft);
        fittedText(p, QRectF(900, 1600, 1750, 90), japaneseDate(text.date), 64);
        fittedText(p, QRectF(900, 1700, 1750, 90), text.classroom, 64, true);
    };
    return d;
}

}  // namespace pekuru
