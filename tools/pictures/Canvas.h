// The drawing primitives every scene is built from: a seeded source of numbers, the outline pen,
// gradients, and shapes filled and outlined in one call.
#pragma once

#include <QBrush>
#include <QColor>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <cstdint>
#include <initializer_list>
#include <random>
#include <utility>

namespace pekuru::pictures {

inline constexpr double kCanvas = 600.0;  // every scene draws on a 600 × 600 logical canvas

// A seeded source of numbers that gives the same sequence with every standard library
// (the engine's sequence is fixed by the C++ standard; the standard distributions are not).
class Dice {
  public:
    explicit Dice(std::uint32_t seed) : engine_(seed) {}
    double real(double lo, double hi) { return lo + (hi - lo) * (double(engine_()) / 4294967296.0); }
    int below(int n) { return int(engine_() % std::uint32_t(n)); }

  private:
    std::mt19937 engine_;
};

// Any hue, also below 0 or past 360.
QColor hsv(int h, int s, int v, int a = 255);

inline const QColor kInk(45, 40, 60);

// A round-jointed outline pen.
QPen ink(double width = 2.0, const QColor& colour = kInk);

QBrush linear(QPointF a, QPointF b, std::initializer_list<std::pair<double, QColor>> stops);

// A ball lit from the upper left.
QBrush shaded(QPointF c, double r, const QColor& base);

void oval(QPainter& p, QPointF c, double rx, double ry, const QBrush& brush, const QPen& pen = Qt::NoPen);
void disk(QPainter& p, QPointF c, double r, const QBrush& brush, const QPen& pen = Qt::NoPen);
void polygon(QPainter& p, const QPolygonF& poly, const QBrush& brush, const QPen& pen = Qt::NoPen);
void box(QPainter& p, const QRectF& r, const QBrush& brush, const QPen& pen = Qt::NoPen);
void line(QPainter& p, QPointF a, QPointF b, const QPen& pen);

// The point at a distance and an angle (degrees, clockwise on screen) from c.
QPointF polar(QPointF c, double r, double degrees);

QPolygonF starShape(QPointF c, double outer, double inner, int points, double turn = -90);
// A shaded five-pointed star.
void star(QPainter& p, QPointF c, double outer, const QColor& colour, double turn = -90);
// Eyes, cheeks and a smile on a round face of radius r.
void smile(QPainter& p, QPointF c, double r);

}  // namespace pekuru::pictures
