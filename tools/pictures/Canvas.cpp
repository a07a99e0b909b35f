#include "Canvas.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>
#include <cmath>

namespace pekuru::pictures {

QColor hsv(int h, int s, int v, int a) { return QColor::fromHsv(((h % 360) + 360) % 360, s, v, a); }

QPen ink(double width, const QColor& colour) {
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QBrush linear(QPointF a, QPointF b, std::initializer_list<std::pair<double, QColor>> stops) {
    QLinearGradient g(a, b);
    for (const auto& [at, colour] : stops) g.setColorAt(at, colour);
    return QBrush(g);
}

QBrush shaded(QPointF c, double r, const QColor& base) {
    QRadialGradient g(c, r * 1.15, QPointF(c.x() - r * 0.4, c.y() - r * 0.45));
    g.setColorAt(0.0, base.lighter(160));
    g.setColorAt(0.45, base);
    g.setColorAt(1.0, base.darker(140));
    return QBrush(g);
}

void oval(QPainter& p, QPointF c, double rx, double ry, const QBrush& brush, const QPen& pen) {
    p.setPen(pen);
    p.setBrush(brush);
    p.drawEllipse(c, rx, ry);
}

void disk(QPainter& p, QPointF c, double r, const QBrush& brush, const QPen& pen) {
    oval(p, c, r, r, brush, pen);
}

void polygon(QPainter& p, const QPolygonF& poly, const QBrush& brush, const QPen& pen) {
    p.setPen(pen);
    p.setBrush(brush);
    p.drawPolygon(poly);
}

void box(QPainter& p, const QRectF& r, const QBrush& brush, const QPen& pen) {
    p.setPen(pen);
    p.setBrush(brush);
    p.drawRect(r);
}

void line(QPainter& p, QPointF a, QPointF b, const QPen& pen) {
    p.setPen(pen);
    p.drawLine(a, b);
}

QPointF polar(QPointF c, double r, double degrees) {
    const double a = qDegreesToRadians(degrees);
    return {c.x() + r * std::cos(a), c.y() + r * std::sin(a)};
}

QPolygonF starShape(QPointF c, double outer, double inner, int points, double turn) {
    QPolygonF poly;
    for (int i = 0; i < points * 2; ++i) poly << polar(c, i % 2 ? inner : outer, turn + i * 180.0 / points);
    return poly;
}

void star(QPainter& p, QPointF c, double outer, const QColor& colour, double turn) {
    polygon(p, starShape(c, outer, outer * 0.45, 5, turn), shaded(c, outer, colour),
            ink(1.2, colour.darker(160)));
}

void smile(QPainter& p, QPointF c, double r) {
    disk(p, {c.x() - r * 0.35, c.y() - r * 0.15}, r * 0.11, kInk);
    disk(p, {c.x() + r * 0.35, c.y() - r * 0.15}, r * 0.11, kInk);
    disk(p, {c.x() - r * 0.55, c.y() + r * 0.18}, r * 0.13, QColor(255, 120, 140, 150));
    disk(p, {c.x() + r * 0.55, c.y() + r * 0.18}, r * 0.13, QColor(255, 120, 140, 150));
    p.setPen(ink(r * 0.08));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - r * 0.35, c.y() - r * 0.1, r * 0.7, r * 0.5), 200 * 16, 140 * 16);
}
}  // namespace pekuru::pictures
