// pekuru-make-pictures OUTDIR [--preview DIR]
//
// Draws the demo classroom's puzzle pictures. The puzzle cuts a picture into up to 5 × 5 tiles and
// the child has to tell every tile apart, so each scene is crowded with small, differently coloured
// things and has no large flat area. Backgrounds run diagonally so that even two patches of sky
// differ in tone. Repeated objects never sit at the spacing of a tile column (120, 150 or 200 on
// the 600 × 600 canvas), or two tiles could look alike.
//
// Everything is drawn here with QPainter; randomness comes from one fixed seed per scene, so the
// pictures come out the same on every run. With --preview the tool also writes, for looking at,
// a PNG of each picture as read back from disk, a shuffled 5 × 5 cut of it, and a contact sheet.

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <tuple>
#include <utility>
#include <vector>

namespace {

constexpr double kCanvas = 600.0;  // every scene draws on a 600 × 600 logical canvas

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

QColor hsv(int h, int s, int v, int a = 255) { return QColor::fromHsv(((h % 360) + 360) % 360, s, v, a); }

const QColor kInk(45, 40, 60);

QPen ink(double width = 2.0, const QColor& colour = kInk) {
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

// A ball lit from the upper left.
QBrush shaded(QPointF c, double r, const QColor& base) {
    QRadialGradient g(c, r * 1.15, QPointF(c.x() - r * 0.4, c.y() - r * 0.45));
    g.setColorAt(0.0, base.lighter(160));
    g.setColorAt(0.45, base);
    g.setColorAt(1.0, base.darker(140));
    return QBrush(g);
}

void oval(QPainter& p, QPointF c, double rx, double ry, const QBrush& brush, const QPen& pen = Qt::NoPen) {
    p.setPen(pen);
    p.setBrush(brush);
    p.drawEllipse(c, rx, ry);
}

void disk(QPainter& p, QPointF c, double r, const QBrush& brush, const QPen& pen = Qt::NoPen) {
    oval(p, c, r, r, brush, pen);
}

void polygon(QPainter& p, const QPolygonF& poly, const QBrush& brush, const QPen& pen = Qt::NoPen) {
    p.setPen(pen);
    p.setBrush(brush);
    p.drawPolygon(poly);
}

void box(QPainter& p, const QRectF& r, const QBrush& brush, const QPen& pen = Qt::NoPen) {
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

QPolygonF starShape(QPointF c, double outer, double inner, int points, double turn = -90) {
    QPolygonF poly;
    for (int i = 0; i < points * 2; ++i) poly << polar(c, i % 2 ? inner : outer, turn + i * 180.0 / points);
    return poly;
}

void star(QPainter& p, QPointF c, double outer, const QColor& colour, double turn = -90) {
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

// ---------------------------------------------------------------- common objects

void diagonalSky(QPainter& p, const QRectF& area, const QColor& from, const QColor& to) {
    box(p, area, linear(area.topLeft(), area.bottomRight(), {{0, from}, {1, to}}));
}

void cloud(QPainter& p, QPointF c, double s, const QColor& tint = QColor(255, 255, 255)) {
    static const double puffs[][3] = {{-62, 10, 26}, {-32, -10, 32}, {6, -22, 40},  {44, -8, 32},
                                      {70, 12, 22},  {2, 14, 30},    {-34, 16, 24}, {38, 16, 26}};
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (const auto& q : puffs)
        path.addEllipse(QPointF(c.x() + q[0] * s, c.y() + q[1] * s), q[2] * s, q[2] * s);
    path = path.simplified();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 140, 190, 90));
    p.drawPath(path.translated(0, 7 * s));
    p.setBrush(linear({0, c.y() - 60 * s}, {0, c.y() + 40 * s}, {{0, tint}, {1, tint.darker(112)}}));
    p.drawPath(path);
}

void sunWithFace(QPainter& p, QPointF c, double r, int rays = 12) {
    for (int i = 0; i < rays; ++i) {
        const double a = i * 360.0 / rays;
        const double reach = i % 2 ? 1.5 : 1.8;
        polygon(p, {polar(c, r * 1.1, a - 9), polar(c, r * reach, a), polar(c, r * 1.1, a + 9)},
                i % 2 ? QColor(255, 170, 30) : QColor(255, 215, 40));
    }
    QRadialGradient g(c, r);
    g.setColorAt(0, QColor(255, 250, 160));
    g.setColorAt(1, QColor(255, 180, 20));
    disk(p, c, r, g, ink(2, QColor(230, 130, 0)));
    smile(p, c, r);
}

void bird(QPainter& p, QPointF c, double s, const QColor& colour = kInk) {
    QPainterPath path;
    path.moveTo(c.x() - 13 * s, c.y() - 3 * s);
    path.quadTo(c.x() - 6 * s, c.y() - 10 * s, c.x(), c.y());
    path.quadTo(c.x() + 6 * s, c.y() - 10 * s, c.x() + 13 * s, c.y() - 3 * s);
    p.setPen(ink(2.6 * s, colour));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void leafyTree(QPainter& p, QPointF base, double s, const QColor& leaf, const QColor& fruit, Dice& dice) {
    polygon(p,
            {{base.x() - 14 * s, base.y()},
             {base.x() - 8 * s, base.y() - 80 * s},
             {base.x() + 8 * s, base.y() - 80 * s},
             {base.x() + 14 * s, base.y()}},
            QColor(140, 90, 50), ink(1.5, QColor(90, 55, 30)));
    const QPointF top(base.x(), base.y() - 110 * s);
    static const double puffs[][3] = {{0, -25, 42}, {-35, 0, 34}, {35, 0, 34}, {-15, 22, 32}, {20, 22, 32}};
    for (const auto& q : puffs) {
        const QPointF c(top.x() + q[0] * s, top.y() + q[1] * s);
        disk(p, c, q[2] * s, shaded(c, q[2] * s, leaf));
    }
    if (fruit.isValid()) {
        for (int i = 0; i < 7; ++i) {
            const QPointF c(top.x() + dice.real(-50, 50) * s, top.y() + dice.real(-45, 35) * s);
            disk(p, c, 7 * s, shaded(c, 7 * s, fruit));
        }
    }
}

void pine(QPainter& p, QPointF base, double s, const QColor& green, bool snow) {
    box(p, QRectF(base.x() - 7 * s, base.y() - 22 * s, 14 * s, 22 * s), QColor(120, 75, 40));
    for (int tier = 0; tier < 3; ++tier) {
        const double bottom = base.y() - 18 * s - tier * 32 * s;
        const double half = (48 - tier * 11) * s;
        const QPolygonF tri{
            {base.x() - half, bottom}, {base.x(), bottom - 58 * s}, {base.x() + half, bottom}};
        polygon(p, tri,
                linear({base.x() - half, 0}, {base.x() + half, 0},
                       {{0, green.lighter(125)}, {1, green.darker(130)}}));
        if (snow) {
            polygon(p,
                    {{base.x() - half * 0.45, bottom - 32 * s},
                     {base.x(), bottom - 58 * s},
                     {base.x() + half * 0.45, bottom - 32 * s},
                     {base.x() + half * 0.2, bottom - 27 * s},
                     {base.x(), bottom - 33 * s},
                     {base.x() - half * 0.25, bottom - 26 * s}},
                    QColor(250, 252, 255));
        }
    }
}

void flower(QPainter& p, QPointF c, double r, const QColor& petal, const QColor& centre, int petals = 5,
            double turn = 0) {
    p.save();
    p.translate(c);
    p.rotate(turn);
    p.setPen(ink(std::max(0.8, r * 0.06), petal.darker(150)));
    p.setBrush(petal);
    for (int i = 0; i < petals; ++i) {
        p.drawEllipse(QPointF(0, -r * 0.55), r * 0.36, r * 0.55);
        p.rotate(360.0 / petals);
    }
    p.restore();
    disk(p, c, r * 0.33, shaded(c, r * 0.33, centre));
}

void stemmedFlower(QPainter& p, QPointF ground, double h, double r, const QColor& petal, const QColor& centre,
                   double turn = 0) {
    line(p, ground, {ground.x(), ground.y() - h}, ink(std::max(1.5, r * 0.18), QColor(50, 150, 50)));
    oval(p, {ground.x() + r * 0.45, ground.y() - h * 0.4}, r * 0.45, r * 0.2, QColor(70, 180, 60));
    flower(p, {ground.x(), ground.y() - h}, r, petal, centre, 5, turn);
}

void tulip(QPainter& p, QPointF head, double s, const QColor& colour) {
    line(p, {head.x(), head.y() + 4 * s}, {head.x(), head.y() + 16 * s},
         ink(std::max(1.0, 1.6 * s), QColor(40, 140, 40)));
    QPainterPath cup;
    cup.moveTo(head.x() - 5 * s, head.y() - 5 * s);
    cup.lineTo(head.x() - 2.5 * s, head.y() - 2 * s);
    cup.lineTo(head.x(), head.y() - 6 * s);
    cup.lineTo(head.x() + 2.5 * s, head.y() - 2 * s);
    cup.lineTo(head.x() + 5 * s, head.y() - 5 * s);
    cup.quadTo(head.x() + 6 * s, head.y() + 5 * s, head.x(), head.y() + 5 * s);
    cup.quadTo(head.x() - 6 * s, head.y() + 5 * s, head.x() - 5 * s, head.y() - 5 * s);
    p.setPen(s > 2 ? ink(0.8, colour.darker(150)) : QPen(Qt::NoPen));
    p.setBrush(linear({head.x() - 5 * s, 0}, {head.x() + 5 * s, 0},
                      {{0, colour.lighter(130)}, {1, colour.darker(115)}}));
    p.drawPath(cup);
}

void butterfly(QPainter& p, QPointF c, double s, const QColor& wing, const QColor& spot, double turn = 0) {
    p.save();
    p.translate(c);
    p.rotate(turn);
    for (int side : {-1, 1}) {
        oval(p, {side * 16 * s, -10 * s}, 16 * s, 13 * s, shaded({side * 16 * s, -10 * s}, 16 * s, wing),
             ink(1.2 * s));
        oval(p, {side * 12 * s, 11 * s}, 11 * s, 9 * s,
             shaded({side * 12 * s, 11 * s}, 11 * s, wing.darker(115)), ink(1.2 * s));
        disk(p, {side * 17 * s, -11 * s}, 5 * s, spot);
        line(p, {side * 2 * s, -16 * s}, {side * 9 * s, -27 * s}, ink(1.4 * s));
        disk(p, {side * 9 * s, -27 * s}, 2.2 * s, kInk);
    }
    oval(p, {0, 0}, 3.5 * s, 17 * s, kInk);
    p.restore();
}

void bee(QPainter& p, QPointF c, double s) {
    oval(p, {c.x() - 4 * s, c.y() - 10 * s}, 7 * s, 9 * s, QColor(230, 245, 255, 210),
         ink(1, QColor(120, 140, 170)));
    oval(p, {c.x() + 5 * s, c.y() - 10 * s}, 7 * s, 9 * s, QColor(230, 245, 255, 210),
         ink(1, QColor(120, 140, 170)));
    p.save();
    QPainterPath body;
    body.addEllipse(c, 13 * s, 9 * s);
    p.setClipPath(body);
    box(p, QRectF(c.x() - 13 * s, c.y() - 9 * s, 26 * s, 18 * s), QColor(255, 205, 30));
    for (double x : {-6.0, 2.0}) box(p, QRectF(c.x() + x * s, c.y() - 9 * s, 4 * s, 18 * s), kInk);
    p.restore();
    oval(p, c, 13 * s, 9 * s, Qt::NoBrush, ink(1.2 * s));
    disk(p, {c.x() + 9 * s, c.y() - 2 * s}, 1.8 * s, kInk);
}

void songbird(QPainter& p, QPointF c, double s, const QColor& body, bool faceRight) {
    p.save();
    p.translate(c);
    if (!faceRight) p.scale(-1, 1);
    polygon(p, {{-14 * s, 0}, {-30 * s, -8 * s}, {-28 * s, 8 * s}}, body.darker(120), ink(1.2 * s));
    oval(p, {0, 0}, 17 * s, 12 * s, shaded({0, 0}, 16 * s, body), ink(1.2 * s));
    oval(p, {3 * s, 5 * s}, 10 * s, 6 * s, QColor(255, 170, 80));
    disk(p, {14 * s, -8 * s}, 9 * s, shaded({14 * s, -8 * s}, 9 * s, body), ink(1.2 * s));
    polygon(p, {{22 * s, -10 * s}, {31 * s, -7 * s}, {22 * s, -4 * s}}, QColor(255, 200, 40));
    disk(p, {17 * s, -10 * s}, 1.8 * s, kInk);
    polygon(p, {{-6 * s, -4 * s}, {4 * s, -26 * s}, {10 * s, -4 * s}}, body.lighter(120), ink(1.2 * s));
    p.restore();
}

void fish(QPainter& p, QPointF c, double len, const QColor& body, const QColor& stripe, bool faceRight,
          int stripes) {
    p.save();
    p.translate(c);
    if (!faceRight) p.scale(-1, 1);
    const QPen edge = ink(std::max(1.0, len * 0.025), body.darker(170));
    polygon(p, {{-len * 0.4, 0}, {-len * 0.72, -len * 0.3}, {-len * 0.62, 0}, {-len * 0.72, len * 0.3}},
            body.darker(115), edge);
    polygon(p, {{-len * 0.15, -len * 0.22}, {len * 0.02, -len * 0.42}, {len * 0.18, -len * 0.22}}, stripe,
            edge);
    QPainterPath shape;
    shape.addEllipse(QPointF(0, 0), len * 0.5, len * 0.28);
    p.setPen(edge);
    p.setBrush(shaded({0, 0}, len * 0.5, body));
    p.drawPath(shape);
    p.save();
    p.setClipPath(shape);
    for (int i = 0; i < stripes; ++i) {
        const double x = len * (0.2 - 0.25 * i);
        box(p, QRectF(x - len * 0.045, -len * 0.3, len * 0.09, len * 0.6), stripe);
    }
    p.restore();
    disk(p, {len * 0.27, -len * 0.06}, len * 0.075, Qt::white, ink(1, kInk));
    disk(p, {len * 0.29, -len * 0.06}, len * 0.038, kInk);
    p.setPen(ink(std::max(1.0, len * 0.02)));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(len * 0.34, len * 0.02, len * 0.1, len * 0.08), 180 * 16, 160 * 16);
    p.restore();
}

void paneWindow(QPainter& p, const QRectF& r, const QColor& glass, const QColor& frame) {
    box(p, r, linear(r.topLeft(), r.bottomRight(), {{0, glass.lighter(140)}, {1, glass}}), ink(3, frame));
    line(p, {r.center().x(), r.top()}, {r.center().x(), r.bottom()}, ink(3, frame));
    line(p, {r.left(), r.center().y()}, {r.right(), r.center().y()}, ink(3, frame));
    line(p, {r.left() + r.width() * 0.15, r.top() + r.height() * 0.35},
         {r.left() + r.width() * 0.35, r.top() + r.height() * 0.12}, ink(2, QColor(255, 255, 255, 170)));
}

void cottage(QPainter& p, const QRectF& body, const QColor& wall, const QColor& roof, const QColor& glass,
             bool snow) {
    const double w = body.width(), h = body.height();
    box(p, QRectF(body.right() - w * 0.3, body.top() - h * 0.55, w * 0.14, h * 0.45), QColor(150, 70, 50),
        ink(1.2));
    const QPolygonF roofShape{{body.left() - w * 0.12, body.top()},
                              {body.center().x(), body.top() - h * 0.6},
                              {body.right() + w * 0.12, body.top()}};
    polygon(
        p, roofShape,
        linear(roofShape[1], {roofShape[1].x(), body.top()}, {{0, roof.lighter(120)}, {1, roof.darker(120)}}),
        ink(1.5));
    if (snow) {
        QPainterPath cap;
        cap.moveTo(body.left() - w * 0.12, body.top() + 2);
        cap.lineTo(body.center().x(), body.top() - h * 0.62);
        cap.lineTo(body.right() + w * 0.12, body.top() + 2);
        for (int i = 6; i >= 0; --i) {
            const double x = body.right() + w * 0.12 - (w * 1.24) * (6 - i) / 6.0;
            cap.quadTo(x - w * 0.1, body.top() + h * (i % 2 ? 0.1 : 0.04), x - w * 0.2,
                       body.top() - h * 0.03);
        }
        cap.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 252, 255));
        p.save();
        p.setClipRect(QRectF(body.left() - w * 0.2, body.top() - h, w * 1.4, h * 1.12));
        p.drawPath(cap);
        p.restore();
    }
    box(p, body, linear(body.topLeft(), body.topRight(), {{0, wall.lighter(115)}, {1, wall.darker(115)}}),
        ink(1.5));
    const QRectF door(body.left() + w * 0.4, body.bottom() - h * 0.55, w * 0.22, h * 0.55);
    box(p, door, QColor(150, 90, 50), ink(1.2));
    disk(p, {door.right() - door.width() * 0.22, door.center().y()}, std::max(1.5, w * 0.02),
         QColor(255, 210, 60));
    paneWindow(p, QRectF(body.left() + w * 0.1, body.top() + h * 0.2, w * 0.22, h * 0.28), glass,
               QColor(250, 250, 240));
    paneWindow(p, QRectF(body.right() - w * 0.32, body.top() + h * 0.2, w * 0.22, h * 0.28), glass,
               QColor(250, 250, 240));
}

void beachBall(QPainter& p, QPointF c, double r, double turn) {
    static const QColor parts[] = {QColor(240, 50, 50),  QColor(255, 255, 255), QColor(40, 110, 230),
                                   QColor(255, 210, 30), QColor(255, 255, 255), QColor(40, 180, 80)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        p.setBrush(parts[i]);
        p.drawPie(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), int((turn + i * 60) * 16), 60 * 16);
    }
    QRadialGradient g(c, r, QPointF(c.x() - r * 0.4, c.y() - r * 0.4));
    g.setColorAt(0, QColor(255, 255, 255, 120));
    g.setColorAt(0.5, QColor(255, 255, 255, 0));
    g.setColorAt(1, QColor(0, 0, 40, 90));
    disk(p, c, r, g, ink(1.5));
    disk(p, c, r * 0.15, Qt::white, ink(1));
}

// Ripples, sparkles and grass tufts: a scatter of small marks so that no area of a scene is flat.
void scatterMarks(QPainter& p, Dice& dice, const QRectF& area, int count, const QColor& colour, int kind) {
    for (int i = 0; i < count; ++i) {
        const QPointF c(dice.real(area.left(), area.right()), dice.real(area.top(), area.bottom()));
        const double s = dice.real(0.6, 1.4);
        switch (kind) {
            case 0:  // ripple
                p.setPen(ink(2 * s, colour));
                p.setBrush(Qt::NoBrush);
                p.drawArc(QRectF(c.x() - 14 * s, c.y() - 3 * s, 28 * s, 8 * s), 20 * 16, 140 * 16);
                break;
            case 1:  // grass tuft
                for (int b = -1; b <= 1; ++b)
                    line(p, c, {c.x() + b * 5 * s, c.y() - (10 - std::abs(b) * 3) * s}, ink(1.6 * s, colour));
                break;
            default:  // dot
                disk(p, c, 2.2 * s, colour);
                break;
        }
    }
}

// ---------------------------------------------------------------- the scenes

void rainbowLake(QPainter& p, Dice& dice) {
    diagonalSky(p, QRectF(0, 0, 600, 370), QColor(40, 150, 245), QColor(200, 240, 255));
    sunWithFace(p, {88, 88}, 46);
    static const QColor bands[] = {QColor(235, 40, 50), QColor(255, 140, 20), QColor(255, 225, 30),
                                   QColor(60, 190, 70), QColor(40, 140, 240), QColor(90, 70, 200),
                                   QColor(170, 80, 210)};
    auto rainbow = [&](int alpha) {
        for (int i = 0; i < 7; ++i) {
            const double r = 290 - i * 15;
            QColor c = bands[i];
            c.setAlpha(alpha);
            QPen pen(c, 15.5, Qt::SolidLine, Qt::FlatCap);
            p.setPen(pen);
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(330 - r, 400 - r, 2 * r, 2 * r), 0, 180 * 16);
        }
    };
    p.save();
    p.setClipRect(QRectF(0, 0, 600, 360));
    rainbow(230);
    p.restore();
    cloud(p, {470, 70}, 0.85);
    cloud(p, {250, 40}, 0.55, QColor(255, 245, 250));
    for (QPointF b : {QPointF(385, 150), QPointF(415, 132), QPointF(200, 175), QPointF(545, 205)})
        bird(p, b, 1.0);
    auto mountains = [&](double alpha) {
        p.setOpacity(alpha);
        const QPolygonF far{{0, 360},   {0, 280},   {90, 215},  {170, 270}, {260, 205},
                            {350, 280}, {430, 235}, {520, 275}, {600, 220}, {600, 360}};
        polygon(p, far, linear({0, 200}, {0, 360}, {{0, QColor(150, 120, 210)}, {1, QColor(90, 80, 170)}}));
        for (QPointF peak : {QPointF(90, 215), QPointF(260, 205), QPointF(430, 235), QPointF(600, 220)})
            polygon(p,
                    {peak,
                     {peak.x() - 28, peak.y() + 22},
                     {peak.x() - 10, peak.y() + 16},
                     {peak.x() + 4, peak.y() + 26},
                     {peak.x() + 26, peak.y() + 20}},
                    Qt::white);
        const QPolygonF near{{0, 360},   {0, 320},   {140, 295}, {230, 330},
                             {380, 300}, {470, 325}, {600, 300}, {600, 360}};
        polygon(p, near, linear({0, 290}, {600, 360}, {{0, QColor(110, 210, 80)}, {1, QColor(40, 150, 60)}}));
        p.setOpacity(1);
    };
    mountains(1);
    cloud(p, {40, 300}, 0.6);
    cloud(p, {585, 290}, 0.55);
    // Along the shore: each stretch has its own tree or building.
    pine(p, {30, 338}, 0.38, QColor(30, 120, 60), false);
    leafyTree(p, {150, 330}, 0.32, QColor(240, 140, 40), QColor(), dice);
    cottage(p, QRectF(222, 318, 44, 30), QColor(255, 240, 200), QColor(220, 60, 60), QColor(120, 190, 255),
            false);
    pine(p, {345, 340}, 0.3, QColor(40, 140, 70), false);
    pine(p, {372, 334}, 0.42, QColor(20, 100, 60), false);
    leafyTree(p, {500, 336}, 0.34, QColor(60, 170, 60), QColor(230, 40, 40), dice);
    // The lake mirrors the scene above it, fainter.
    box(p, QRectF(0, 360, 600, 240),
        linear({0, 360}, {600, 600}, {{0, QColor(80, 190, 240)}, {1, QColor(20, 80, 170)}}));
    p.save();
    p.setClipRect(QRectF(0, 360, 600, 240));
    p.translate(0, 720);
    p.scale(1, -1);
    rainbow(55);
    mountains(0.3);
    p.restore();
    scatterMarks(p, dice, QRectF(0, 370, 600, 230), 70, QColor(255, 255, 255, 150), 0);
    // Sailboat.
    polygon(p, {{370, 440}, {480, 440}, {465, 462}, {385, 462}}, QColor(220, 50, 50), ink(2));
    line(p, {425, 440}, {425, 355}, ink(3, QColor(110, 70, 40)));
    polygon(p, {{428, 362}, {428, 434}, {478, 434}},
            linear({428, 360}, {478, 434}, {{0, Qt::white}, {1, QColor(255, 230, 120)}}), ink(1.5));
    polygon(p, {{422, 372}, {422, 434}, {382, 434}}, QColor(90, 200, 255), ink(1.5));
    polygon(p, {{425, 355}, {447, 361}, {425, 367}}, QColor(255, 210, 0));
    // Ducks.
    for (auto [c, s] :
         {std::pair{QPointF(190, 440), 1.0}, {QPointF(150, 535), 0.6}, {QPointF(205, 562), 0.55}}) {
        oval(p, c, 24 * s, 13 * s, shaded(c, 24 * s, QColor(255, 220, 40)), ink(1.5));
        const QPointF head(c.x() + 16 * s, c.y() - 16 * s);
        disk(p, head, 10 * s, shaded(head, 10 * s, QColor(255, 225, 50)), ink(1.5));
        polygon(p,
                {{head.x() + 8 * s, head.y()},
                 {head.x() + 19 * s, head.y() + 3 * s},
                 {head.x() + 8 * s, head.y() + 6 * s}},
                QColor(255, 130, 20));
        disk(p, {head.x() + 3 * s, head.y() - 3 * s}, 2 * s, kInk);
    }
    // Lily pads with pink blossoms.
    for (auto [c, r] :
         {std::pair{QPointF(60, 425), 28.0}, {QPointF(545, 450), 30.0}, {QPointF(530, 560), 22.0}}) {
        p.setPen(ink(1.5, QColor(20, 100, 40)));
        p.setBrush(shaded(c, r, QColor(60, 170, 70)));
        p.drawPie(QRectF(c.x() - r, c.y() - r * 0.5, 2 * r, r), 30 * 16, 320 * 16);
        flower(p, {c.x() - r * 0.2, c.y() - r * 0.2}, r * 0.5, QColor(255, 150, 200), QColor(255, 230, 80), 6,
               r);
    }
    // A frog on the right lily pad, a swan in the middle and a turtle swimming.
    const QPointF frog(548, 436);
    oval(p, frog, 16, 11, shaded(frog, 15, QColor(90, 200, 70)), ink(1.2));
    for (int side : {-1, 1}) {
        disk(p, {frog.x() + side * 7, frog.y() - 10}, 5, QColor(90, 200, 70), ink(1.2));
        disk(p, {frog.x() + side * 7, frog.y() - 10}, 2, kInk);
    }
    const QPointF swan(300, 428);
    oval(p, swan, 34, 16, shaded(swan, 32, QColor(255, 255, 255)), ink(1.5, QColor(120, 130, 160)));
    polygon(p,
            {{swan.x() - 34, swan.y() - 4}, {swan.x() - 46, swan.y() - 16}, {swan.x() - 22, swan.y() - 12}},
            Qt::white, ink(1.2, QColor(120, 130, 160)));
    QPainterPath neck;
    neck.moveTo(swan.x() + 20, swan.y() - 6);
    neck.cubicTo(swan.x() + 36, swan.y() - 20, swan.x() + 14, swan.y() - 36, swan.x() + 26, swan.y() - 48);
    p.setPen(QPen(QColor(120, 130, 160), 10, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(neck);
    p.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(neck);
    disk(p, {swan.x() + 28, swan.y() - 50}, 7, Qt::white, ink(1.2, QColor(120, 130, 160)));
    polygon(p,
            {{swan.x() + 33, swan.y() - 53}, {swan.x() + 45, swan.y() - 48}, {swan.x() + 33, swan.y() - 46}},
            QColor(255, 140, 30));
    disk(p, {swan.x() + 29, swan.y() - 52}, 1.6, kInk);
    const QPointF turtle(430, 545);
    for (QPointF f : {QPointF(410, 530), QPointF(450, 530), QPointF(410, 562), QPointF(450, 562)})
        oval(p, f, 9, 5, QColor(150, 210, 110), ink(1));
    disk(p, {turtle.x() + 32, turtle.y() - 4}, 10, QColor(150, 210, 110), ink(1.2));
    disk(p, {turtle.x() + 35, turtle.y() - 7}, 2, kInk);
    oval(p, turtle, 28, 18, shaded(turtle, 26, QColor(70, 150, 60)), ink(1.5));
    for (int i = 0; i < 3; ++i)
        polygon(p, starShape({turtle.x() - 14 + i * 14, turtle.y()}, 6, 5, 6, 0), QColor(50, 110, 45));
    // A jumping fish with its splash.
    fish(p, {310, 520}, 60, QColor(255, 130, 30), QColor(255, 240, 200), true, 2);
    for (int i = 0; i < 7; ++i) disk(p, polar({300, 560}, 22, 200 + i * 22), 4, QColor(255, 255, 255, 200));
    // Reedy bank and stones.
    polygon(p, {{0, 500}, {70, 520}, {150, 575}, {185, 600}, {0, 600}},
            linear({0, 500}, {180, 600}, {{0, QColor(120, 200, 70)}, {1, QColor(60, 150, 50)}}));
    for (int i = 0; i < 6; ++i) {
        const double x = 12 + i * 23, y = 530 + i * 10;
        line(p, {x, y + 40}, {x + 4, y - 35}, ink(2.5, QColor(60, 120, 40)));
        oval(p, {x + 4, y - 28}, 4, 11, QColor(130, 80, 40));
    }
    stemmedFlower(p, {40, 585}, 26, 11, QColor(255, 90, 120), QColor(255, 230, 70));
    stemmedFlower(p, {110, 592}, 20, 9, QColor(170, 110, 255), QColor(255, 240, 120), 20);
    for (auto [c, r] : {std::pair{QPointF(585, 595), 28.0}, {QPointF(345, 600), 14.0}})
        oval(p, c, r * 1.3, r, shaded(c, r, QColor(160, 150, 150)), ink(1.5, QColor(90, 90, 100)));
}

void houseGarden(QPainter& p, Dice& dice) {
    diagonalSky(p, QRectF(0, 0, 600, 330), QColor(90, 190, 255), QColor(210, 245, 255));
    static const QColor bow[] = {QColor(235, 40, 50), QColor(255, 140, 20), QColor(255, 225, 30),
                                 QColor(60, 190, 70), QColor(40, 140, 240), QColor(140, 80, 210)};
    for (int i = 0; i < 6; ++i) {
        const double r = 190 - i * 11;
        p.setPen(QPen(bow[i], 11, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(-40 - r, 250 - r, 2 * r, 2 * r), 0, 90 * 16);
    }
    sunWithFace(p, {525, 78}, 44);
    cloud(p, {120, 70}, 0.8);
    cloud(p, {330, 45}, 0.5);
    for (QPointF b : {QPointF(240, 110), QPointF(268, 96), QPointF(440, 160)}) bird(p, b, 0.9);
    polygon(p, {{0, 330}, {0, 265}, {150, 235}, {300, 280}, {470, 230}, {600, 270}, {600, 330}},
            linear({0, 230}, {600, 330}, {{0, QColor(140, 215, 110)}, {1, QColor(80, 170, 80)}}));
    box(p, QRectF(0, 320, 600, 280),
        linear({0, 320}, {600, 600}, {{0, QColor(120, 210, 90)}, {1, QColor(50, 160, 70)}}));
    scatterMarks(p, dice, QRectF(0, 330, 600, 270), 120, QColor(30, 120, 40), 1);
    // House.
    box(p, QRectF(365, 108, 32, 70), QColor(170, 80, 60), ink(1.5));
    for (int i = 0; i < 4; ++i)
        disk(p, {388.0 + i * 10, 92.0 - i * 17}, 10 + i * 4, QColor(235, 235, 245, 220));
    const QPolygonF roof{{148, 212}, {300, 95}, {452, 212}};
    polygon(p, roof, linear({300, 95}, {300, 212}, {{0, QColor(250, 90, 70)}, {1, QColor(190, 40, 40)}}),
            ink(2));
    p.save();
    QPainterPath roofPath;
    roofPath.addPolygon(roof);
    p.setClipPath(roofPath);
    for (int row = 0; row < 6; ++row) {
        const double y = 110 + row * 18;
        p.setPen(ink(1.5, QColor(150, 30, 30)));
        p.setBrush(Qt::NoBrush);
        for (double x = 140 + (row % 2) * 12; x < 460; x += 24)
            p.drawArc(QRectF(x, y, 24, 16), 180 * 16, 180 * 16);
    }
    p.restore();
    disk(p, {300, 165}, 20, QColor(120, 200, 255), ink(3, Qt::white));
    box(p, QRectF(170, 210, 260, 222),
        linear({170, 0}, {430, 0}, {{0, QColor(255, 230, 120)}, {1, QColor(245, 190, 70)}}), ink(2));
    paneWindow(p, QRectF(195, 232, 70, 58), QColor(110, 180, 255), Qt::white);
    paneWindow(p, QRectF(335, 232, 70, 58), QColor(110, 180, 255), Qt::white);
    polygon(p, {{195, 232}, {222, 232}, {198, 288}}, QColor(255, 120, 170), ink(1));
    polygon(p, {{405, 232}, {378, 232}, {402, 288}}, QColor(120, 220, 120), ink(1));
    paneWindow(p, QRectF(195, 330, 70, 58), QColor(140, 200, 255), Qt::white);
    box(p, QRectF(190, 388, 80, 14), QColor(160, 100, 60), ink(1.2));
    for (int i = 0; i < 4; ++i)
        flower(p, {202.0 + i * 19, 385}, 9, hsv(i * 80, 200, 255), QColor(255, 240, 100));
    QPainterPath door;
    door.moveTo(270, 432);
    door.lineTo(270, 345);
    door.arcTo(QRectF(270, 318, 60, 54), 180, -180);
    door.lineTo(330, 432);
    p.setPen(ink(2));
    p.setBrush(linear({270, 0}, {330, 0}, {{0, QColor(80, 140, 230)}, {1, QColor(40, 90, 190)}}));
    p.drawPath(door);
    disk(p, {320, 392}, 4, QColor(255, 210, 40), ink(1));
    disk(p, {300, 348}, 9, QColor(255, 240, 150), ink(1.5));
    paneWindow(p, QRectF(335, 330, 70, 58), QColor(255, 220, 150), Qt::white);
    // A cat sits in the lower right window.
    disk(p, {370, 372}, 14, QColor(90, 90, 100));
    polygon(p, {{358, 364}, {360, 346}, {370, 358}}, QColor(90, 90, 100));
    polygon(p, {{382, 364}, {380, 346}, {370, 358}}, QColor(90, 90, 100));
    disk(p, {365, 368}, 2.5, QColor(255, 230, 60));
    disk(p, {375, 368}, 2.5, QColor(255, 230, 60));
    // Apple tree with a bird house on the left, dog house and mailbox on the right.
    leafyTree(p, {72, 455}, 1.25, QColor(60, 175, 60), QColor(230, 40, 40), dice);
    box(p, QRectF(60, 300, 26, 24), QColor(250, 160, 60), ink(1.2));
    polygon(p, {{55, 300}, {73, 286}, {91, 300}}, QColor(120, 80, 200), ink(1.2));
    disk(p, {73, 312}, 5, kInk);
    box(p, QRectF(478, 370, 90, 70), QColor(240, 140, 60), ink(1.5));
    polygon(p, {{470, 372}, {523, 330}, {576, 372}}, QColor(60, 130, 220), ink(1.5));
    QPainterPath hole;
    hole.addEllipse(QRectF(505, 392, 36, 48));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 40, 30));
    p.drawPath(hole);
    disk(p, {523, 420}, 14, QColor(230, 190, 130), ink(1.2));
    oval(p, {510, 418}, 5, 10, QColor(150, 100, 60));
    oval(p, {536, 418}, 5, 10, QColor(150, 100, 60));
    disk(p, {518, 417}, 2, kInk);
    disk(p, {528, 417}, 2, kInk);
    disk(p, {523, 425}, 3, kInk);
    // Fence with a gap at the path.
    for (double x = 8; x < 600; x += 27 + (int(x) % 3) * 2) {
        if (x > 245 && x < 350) continue;
        polygon(p, {{x, 478}, {x, 446}, {x + 8, 438}, {x + 16, 446}, {x + 16, 478}}, QColor(255, 255, 250),
                ink(1.2, QColor(150, 150, 160)));
    }
    box(p, QRectF(0, 452, 250, 6), QColor(235, 235, 240));
    box(p, QRectF(350, 452, 250, 6), QColor(235, 235, 240));
    // Stone path widening towards the front.
    polygon(p, {{275, 432}, {325, 432}, {370, 600}, {230, 600}}, QColor(235, 210, 160));
    for (int i = 0; i < 9; ++i) {
        const double t = i / 8.0;
        oval(p, {300 + (i % 2 ? 14 : -14) * (1 + t), 445 + t * 140}, 10 + 12 * t, 5 + 6 * t,
             QColor(170, 165, 160), ink(1, QColor(120, 120, 120)));
    }
    box(p, QRectF(545, 470, 10, 70), QColor(120, 80, 50));
    box(p, QRectF(528, 445, 44, 30), QColor(40, 120, 230), ink(1.5));
    polygon(p, {{568, 450}, {568, 425}, {584, 430}, {568, 436}}, QColor(240, 40, 40));
    // Flower beds along the front.
    for (int i = 0; i < 22; ++i) {
        const double x = 15 + i * 26.7 + dice.real(-6, 6);
        if (x > 215 && x < 385) continue;
        const double y = 520 + dice.real(-20, 65);
        stemmedFlower(p, {x, y + 26}, 26, dice.real(9, 14), hsv(i * 47, 190, 255), QColor(255, 230, 80),
                      dice.real(0, 70));
    }
    songbird(p, {548, 198}, 1.0, QColor(240, 70, 80), false);
    butterfly(p, {150, 370}, 0.9, QColor(255, 150, 40), QColor(255, 240, 120), -15);
    butterfly(p, {455, 290}, 0.8, QColor(180, 110, 255), QColor(255, 200, 250), 20);
    beachBall(p, {420, 545}, 24, 10);
    // A snail in the lower left corner.
    oval(p, {45, 590}, 26, 7, QColor(200, 190, 150));
    disk(p, {48, 575}, 16, shaded({48, 575}, 16, QColor(220, 130, 60)), ink(1.5));
    p.setPen(ink(2, QColor(140, 70, 30)));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(40, 567, 16, 16), 0, 300 * 16);
    line(p, {68, 588}, {74, 572}, ink(1.5));
    disk(p, {74, 572}, 2.5, kInk);
}

void fishTank(QPainter& p, Dice& dice) {
    diagonalSky(p, QRectF(0, 0, 600, 600), QColor(110, 225, 245), QColor(10, 60, 160));
    for (int i = 0; i < 5; ++i) {
        const double x = 40 + i * 133;
        polygon(p, {{x, 0}, {x + 45, 0}, {x + 150, 520}, {x + 70, 520}},
                linear({x, 0}, {x, 520}, {{0, QColor(255, 255, 255, 70)}, {1, QColor(255, 255, 255, 0)}}));
    }
    QPainterPath surface;
    surface.moveTo(0, 0);
    for (int x = 0; x <= 600; x += 10) surface.lineTo(x, 24 + 6 * std::sin(x / 23.0));
    surface.lineTo(600, 0);
    p.setPen(ink(2.5, QColor(255, 255, 255, 200)));
    p.setBrush(QColor(200, 245, 255, 160));
    p.drawPath(surface);
    // A toy duck bobbing on the surface.
    oval(p, {555, 26}, 26, 13, shaded({555, 26}, 24, QColor(255, 220, 40)), ink(1.5));
    disk(p, {570, 6}, 11, shaded({570, 6}, 11, QColor(255, 225, 50)), ink(1.5));
    polygon(p, {{579, 4}, {592, 8}, {579, 12}}, QColor(255, 120, 20), ink(1));
    disk(p, {572, 2}, 2.2, kInk);
    // Sand with coloured pebbles.
    QPainterPath sand;
    sand.moveTo(0, 600);
    for (int x = 0; x <= 600; x += 10) sand.lineTo(x, 505 + 14 * std::sin(x / 55.0) + 6 * std::sin(x / 17.0));
    sand.lineTo(600, 600);
    p.setPen(Qt::NoPen);
    p.setBrush(linear({0, 490}, {600, 600}, {{0, QColor(250, 225, 150)}, {1, QColor(220, 170, 90)}}));
    p.drawPath(sand);
    for (int i = 0; i < 70; ++i) {
        const QPointF c(dice.real(0, 600), dice.real(530, 600));
        const double r = dice.real(3, 8);
        oval(p, c, r * 1.3, r, shaded(c, r, hsv(dice.below(360), 120, 230)));
    }
    // Seaweed.
    for (auto [x, h, hue] : {std::tuple{30.0, 330.0, 110},
                             {75.0, 230.0, 140},
                             {285.0, 160.0, 95},
                             {575.0, 300.0, 125},
                             {545.0, 190.0, 150}}) {
        QPainterPath weed;
        weed.moveTo(x, 540);
        for (double y = 540; y > 540 - h; y -= 12) weed.lineTo(x + 12 * std::sin((540 - y) / 25.0 + x), y);
        p.setPen(ink(9, hsv(hue, 200, 170)));
        p.setBrush(Qt::NoBrush);
        p.drawPath(weed);
    }
    // Castle.
    box(p, QRectF(420, 400, 110, 120), QColor(170, 160, 190), ink(2));
    for (double x : {410.0, 505.0}) {
        box(p, QRectF(x, 365, 35, 155), QColor(190, 180, 210), ink(2));
        polygon(p, {{x - 4, 365}, {x + 17.5, 330}, {x + 39, 365}}, QColor(250, 110, 150), ink(2));
    }
    QPainterPath gate;
    gate.moveTo(455, 520);
    gate.lineTo(455, 470);
    gate.arcTo(QRectF(455, 455, 40, 30), 180, -180);
    gate.lineTo(495, 520);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 70));
    p.drawPath(gate);
    for (double x : {420.0, 515.0}) disk(p, {x + 7, 400}, 6, QColor(40, 40, 70));
    // Coral and a treasure chest.
    for (int i = 0; i < 6; ++i) {
        const double a = -150 + i * 24;
        line(p, {200, 540}, polar({200, 540}, 45 + (i % 3) * 12, a), ink(9, QColor(255, 110, 140)));
        disk(p, polar({200, 540}, 45 + (i % 3) * 12, a), 7, QColor(255, 150, 170));
    }
    box(p, QRectF(60, 520, 80, 45), QColor(160, 100, 40), ink(2));
    polygon(p, {{60, 520}, {70, 490}, {150, 490}, {140, 520}}, QColor(190, 120, 50), ink(2));
    for (int i = 0; i < 8; ++i)
        disk(p, {75.0 + i * 8, 516.0 - (i % 3) * 4}, 6, shaded({75.0 + i * 8, 516}, 6, QColor(255, 210, 40)));
    box(p, QRectF(94, 530, 12, 14), QColor(255, 220, 60), ink(1));
    for (int i = 0; i < 14; ++i) {
        const QPointF c(100 + 12 * std::sin(i * 1.3), 470 - i * 32);
        disk(p, c, 4 + i * 0.6, QColor(255, 255, 255, 70), ink(1.5, QColor(255, 255, 255, 200)));
    }
    // Fish of every colour, each in its own part of the tank.
    struct F {
        double x, y, len;
        QColor body, stripe;
        bool right;
        int stripes;
    };
    const F school[] = {{130, 100, 90, QColor(255, 120, 20), Qt::white, true, 3},
                        {340, 80, 70, QColor(255, 225, 30), QColor(255, 120, 0), false, 1},
                        {505, 150, 95, QColor(40, 90, 230), QColor(255, 220, 40), false, 1},
                        {230, 230, 80, QColor(170, 80, 220), QColor(255, 180, 240), true, 2},
                        {420, 265, 75, QColor(235, 40, 60), QColor(255, 230, 230), false, 2},
                        {95, 320, 70, QColor(60, 200, 110), QColor(20, 100, 60), true, 3},
                        {300, 360, 110, QColor(255, 140, 190), QColor(255, 255, 255), true, 2},
                        {180, 430, 55, QColor(255, 200, 40), kInk, false, 3},
                        {350, 470, 60, QColor(30, 200, 220), QColor(20, 80, 140), true, 1}};
    for (const F& f : school) fish(p, {f.x, f.y}, f.len, f.body, f.stripe, f.right, f.stripes);
    for (int i = 0; i < 6; ++i)
        fish(p, {470.0 + (i % 3) * 38 + (i / 3) * 18, 380.0 + (i / 3) * 32}, 26, QColor(200, 215, 230),
             QColor(120, 140, 170), false, 0);
    // Jellyfish.
    QPainterPath bell;
    bell.moveTo(540, 270);
    bell.arcTo(QRectF(505, 240, 70, 60), 0, 180);
    bell.closeSubpath();
    p.setPen(ink(2, QColor(200, 120, 220)));
    p.setBrush(QColor(240, 170, 255, 200));
    p.drawPath(bell.translated(0, 0));
    for (int i = 0; i < 5; ++i) {
        QPainterPath t;
        const double x = 512 + i * 14;
        t.moveTo(x, 270);
        t.cubicTo(x - 8, 290, x + 8, 305, x, 325);
        p.setPen(ink(2, QColor(240, 170, 255)));
        p.setBrush(Qt::NoBrush);
        p.drawPath(t);
    }
    smile(p, {540, 258}, 16);
    star(p, {330, 565}, 22, QColor(255, 120, 60), -70);
    // Seahorse.
    QPainterPath horse;
    horse.moveTo(52, 140);
    horse.cubicTo(78, 158, 74, 192, 58, 205);
    horse.cubicTo(44, 216, 50, 232, 62, 226);
    p.setPen(QPen(QColor(255, 170, 40), 15, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(horse);
    p.setPen(QPen(QColor(230, 120, 20), 3, Qt::DotLine, Qt::RoundCap));
    p.drawPath(horse);
    disk(p, {50, 132}, 13, shaded({50, 132}, 13, QColor(255, 180, 50)), ink(1.5, QColor(200, 110, 20)));
    polygon(p, {{40, 128}, {22, 132}, {22, 140}, {42, 138}}, QColor(255, 170, 40),
            ink(1.2, QColor(200, 110, 20)));
    polygon(p, {{72, 168}, {88, 158}, {86, 182}}, QColor(255, 230, 120), ink(1, QColor(200, 110, 20)));
    disk(p, {50, 129}, 3.5, Qt::white);
    disk(p, {49, 129}, 2, kInk);
    // Octopus.
    const QPointF octo(300, 150);
    for (int i = 0; i < 6; ++i) {
        QPainterPath arm;
        const double x = octo.x() - 25 + i * 10;
        arm.moveTo(x, octo.y() + 10);
        arm.cubicTo(x + (i - 2.5) * 8, octo.y() + 35, x + (i % 2 ? 14 : -14), octo.y() + 45,
                    x + (i - 2.5) * 12, octo.y() + 62);
        p.setPen(QPen(QColor(240, 90, 120), 8, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(arm);
    }
    oval(p, {octo.x(), octo.y() - 6}, 30, 28, shaded({octo.x(), octo.y() - 6}, 30, QColor(250, 110, 140)),
         ink(1.5, QColor(170, 50, 80)));
    for (auto [c, r] : {std::pair{QPointF(288, 135), 4.0}, {QPointF(312, 130), 3.0}})
        disk(p, c, r, QColor(255, 190, 210));
    smile(p, {octo.x(), octo.y() - 2}, 18);
    // Crab.
    oval(p, {480, 572}, 24, 15, shaded({480, 572}, 24, QColor(230, 50, 40)), ink(1.5));
    for (int side : {-1, 1}) {
        disk(p, {480.0 + side * 32, 552}, 9, QColor(230, 50, 40), ink(1.5));
        for (int l = 0; l < 3; ++l)
            line(p, {480.0 + side * 18, 576.0 + l * 4}, {480.0 + side * 34, 586.0 + l * 5},
                 ink(3, QColor(200, 40, 30)));
        line(p, {480.0 + side * 7, 560}, {480.0 + side * 9, 548}, ink(2));
        disk(p, {480.0 + side * 9, 547}, 4, Qt::white, ink(1));
    }
    // Turtle.
    oval(p, {395, 175}, 38, 24, shaded({395, 175}, 38, QColor(90, 170, 70)), ink(2));
    for (int i = 0; i < 3; ++i) polygon(p, starShape({375.0 + i * 20, 172}, 9, 7, 6, 0), QColor(60, 130, 50));
    disk(p, {440, 168}, 12, QColor(150, 210, 110), ink(1.5));
    disk(p, {445, 164}, 2.5, kInk);
    for (QPointF f : {QPointF(370, 197), QPointF(420, 197), QPointF(372, 154), QPointF(418, 154)})
        oval(p, f, 10, 5, QColor(150, 210, 110), ink(1));
}

void nightCity(QPainter& p, Dice& dice) {
    box(p, QRectF(0, 0, 600, 470),
        linear({0, 0}, {200, 470},
               {{0, QColor(10, 15, 60)}, {0.6, QColor(60, 30, 120)}, {1, QColor(190, 80, 140)}}));
    for (int i = 0; i < 110; ++i) {
        const QPointF c(dice.real(0, 600), dice.real(0, 330));
        disk(p, c, dice.real(0.8, 2.4), hsv(40 + dice.below(200), 40, 255));
    }
    for (QPointF c :
         {QPointF(250, 40), QPointF(575, 75), QPointF(40, 210), QPointF(160, 150), QPointF(430, 40)})
        star(p, c, 9, QColor(255, 240, 120));
    // Crescent moon with a sleepy face.
    QPainterPath moon;
    moon.addEllipse(QPointF(95, 85), 52, 52);
    QPainterPath bite;
    bite.addEllipse(QPointF(125, 65), 48, 48);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 160, 60));
    p.drawEllipse(QPointF(95, 85), 66, 66);
    p.setBrush(shaded({80, 90}, 52, QColor(255, 230, 110)));
    p.drawPath(moon.subtracted(bite));
    p.setPen(ink(2.5));
    p.drawArc(QRectF(60, 88, 14, 8), 180 * 16, 180 * 16);
    // A shooting star and an aeroplane with its lights.
    polygon(p, {{260, 0}, {175, 52}, {183, 62}},
            linear({260, 0}, {180, 58}, {{0, QColor(255, 255, 200, 0)}, {1, QColor(255, 255, 220, 230)}}));
    star(p, {178, 58}, 10, QColor(255, 250, 170));
    p.save();
    p.translate(545, 32);
    p.rotate(-10);
    oval(p, {0, 0}, 34, 7, QColor(220, 225, 240), ink(1.2));
    polygon(p, {{-4, 0}, {-14, -20}, {-4, -20}, {12, 0}}, QColor(190, 195, 220), ink(1.2));
    polygon(p, {{-4, 2}, {-14, 20}, {-4, 20}, {12, 2}}, QColor(190, 195, 220), ink(1.2));
    polygon(p, {{-30, 0}, {-38, -14}, {-28, -3}}, QColor(60, 140, 240), ink(1));
    disk(p, {-14, -20}, 3, QColor(255, 60, 60));
    disk(p, {-14, 20}, 3, QColor(60, 255, 120));
    for (int i = 0; i < 5; ++i) disk(p, {2.0 + i * 6, -1}, 1.8, QColor(255, 230, 120));
    p.restore();
    // Fireworks.
    for (auto [c, r, hue] : {std::tuple{QPointF(330, 95), 62.0, 0},
                             {QPointF(505, 175), 55.0, 130},
                             {QPointF(220, 215), 44.0, 300},
                             {QPointF(450, 60), 30.0, 50}}) {
        for (int i = 0; i < 18; ++i) {
            const double a = i * 20.0;
            const QColor c1 = hsv(hue + (i % 3) * 25, 200, 255);
            line(p, polar(c, r * 0.25, a), polar(c, r, a), ink(2.5, c1));
            disk(p, polar(c, r * 1.1, a), 3.5, c1.lighter(130));
        }
        disk(p, c, 6, hsv(hue, 60, 255));
    }
    // Skyline: every building its own height, colour and window pattern.
    struct B {
        double x, w, top;
    };
    const B blocks[] = {{0, 72, 300},   {66, 58, 245},  {118, 84, 330}, {196, 52, 205}, {240, 96, 290},
                        {330, 60, 350}, {382, 78, 160}, {455, 66, 280}, {515, 85, 225}};
    int hues[] = {230, 260, 200, 280, 215, 250, 190, 270, 240};
    int n = 0;
    for (const B& b : blocks) {
        const QColor wall = hsv(hues[n], 120, 90 + (n % 3) * 25);
        box(p, QRectF(b.x, b.top, b.w, 470 - b.top),
            linear({b.x, 0}, {b.x + b.w, 0}, {{0, wall.lighter(130)}, {1, wall}}),
            ink(1.5, QColor(20, 20, 40)));
        const double ww = 9 + (n % 3) * 3, wh = 11 + (n % 2) * 5;
        for (double y = b.top + 12; y < 450; y += wh + 9) {
            for (double x = b.x + 7; x + ww < b.x + b.w - 4; x += ww + 7) {
                const int roll = dice.below(10);
                const QColor lit = roll < 4   ? QColor(255, 220, 90)
                                   : roll < 6 ? QColor(255, 160, 70)
                                   : roll < 7 ? QColor(140, 220, 255)
                                              : QColor(30, 30, 70);
                box(p, QRectF(x, y, ww, wh), lit);
            }
        }
        ++n;
    }
    // Tower with a blinking light, a dome and antennas.
    polygon(p, {{400, 160}, {421, 40}, {440, 160}}, QColor(240, 80, 60), ink(1.5, QColor(120, 30, 30)));
    for (int i = 0; i < 4; ++i) box(p, QRectF(404 + i * 3, 70 + i * 22, 34 - i * 6, 5), Qt::white);
    disk(p, {421, 36}, 7, QColor(255, 60, 60), ink(1, QColor(255, 200, 200)));
    p.setPen(ink(2, QColor(20, 20, 40)));
    p.setBrush(QColor(120, 200, 190));
    p.drawChord(QRectF(242, 262, 92, 56), 0, 180 * 16);
    line(p, {88, 245}, {88, 200}, ink(2.5, QColor(200, 200, 220)));
    disk(p, {88, 198}, 4, QColor(80, 255, 120));
    line(p, {540, 225}, {540, 190}, ink(2.5, QColor(200, 200, 220)));
    box(p, QRectF(150, 300, 26, 30), QColor(150, 100, 80), ink(1.2));
    // Glowing signs make each building its own.
    const auto sign = [&](const QRectF& r, const QColor& glow) {
        QRectF halo = r.adjusted(-6, -6, 6, 6);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(glow.red(), glow.green(), glow.blue(), 70));
        p.drawRoundedRect(halo, 8, 8);
        p.setPen(ink(2.5, glow));
        p.setBrush(QColor(30, 20, 50));
        p.drawRoundedRect(r, 5, 5);
    };
    sign(QRectF(8, 322, 56, 40), QColor(255, 90, 150));
    QPainterPath heart;
    heart.moveTo(36, 356);
    heart.cubicTo(14, 340, 24, 322, 36, 335);
    heart.cubicTo(48, 322, 58, 340, 36, 356);
    p.setPen(ink(2, QColor(255, 160, 200)));
    p.setBrush(QColor(255, 80, 140));
    p.drawPath(heart);
    sign(QRectF(128, 344, 64, 40), QColor(255, 230, 80));
    star(p, {160, 364}, 15, QColor(255, 220, 60));
    sign(QRectF(462, 300, 52, 52), QColor(90, 230, 255));
    line(p, {478, 340}, {478, 312}, ink(3, QColor(150, 240, 255)));
    line(p, {500, 334}, {500, 306}, ink(3, QColor(150, 240, 255)));
    line(p, {478, 312}, {500, 306}, ink(4, QColor(150, 240, 255)));
    disk(p, {474, 340}, 5, QColor(150, 240, 255));
    disk(p, {496, 334}, 5, QColor(150, 240, 255));
    sign(QRectF(527, 238, 62, 54), QColor(255, 170, 60));
    disk(p, {558, 268}, 17, QColor(255, 200, 120), ink(1.5, QColor(255, 150, 40)));
    polygon(p, {{544, 258}, {546, 242}, {556, 253}}, QColor(255, 200, 120));
    polygon(p, {{572, 258}, {570, 242}, {560, 253}}, QColor(255, 200, 120));
    smile(p, {558, 270}, 14);
    // A clock on the tall building, a cat on a roof.
    disk(p, {355, 375}, 18, QColor(255, 250, 230), ink(2.5, QColor(255, 200, 60)));
    line(p, {355, 375}, {355, 362}, ink(2.5));
    line(p, {355, 375}, {364, 379}, ink(2));
    oval(p, {222, 198}, 12, 9, QColor(30, 25, 40));
    disk(p, {232, 188}, 7, QColor(30, 25, 40));
    polygon(p, {{227, 184}, {228, 176}, {233, 182}}, QColor(30, 25, 40));
    polygon(p, {{236, 184}, {238, 176}, {240, 184}}, QColor(30, 25, 40));
    disk(p, {230, 188}, 1.6, QColor(255, 230, 60));
    disk(p, {235, 188}, 1.6, QColor(255, 230, 60));
    line(p, {211, 200}, {202, 186}, ink(2.5, QColor(30, 25, 40)));
    // Road with cars and street lamps.
    box(p, QRectF(0, 470, 600, 130),
        linear({0, 470}, {600, 600}, {{0, QColor(70, 70, 90)}, {1, QColor(40, 40, 55)}}));
    box(p, QRectF(0, 470, 600, 16), QColor(150, 150, 170));
    for (double x = 10; x < 600; x += 70 + (int(x) % 4) * 6)
        box(p, QRectF(x, 540, 36, 6), QColor(255, 220, 60));
    for (auto [x, hue] : {std::pair{45.0, 50}, {205.0, 190}, {340.0, 320}, {565.0, 90}}) {
        disk(p, {x, 440}, 26, hsv(hue, 150, 255, 60));
        line(p, {x, 486}, {x, 440}, ink(4, QColor(90, 90, 110)));
        disk(p, {x, 440}, 8, hsv(hue, 90, 255));
    }
    struct Car {
        double x, y, w;
        QColor colour;
        bool right;
    };
    const Car cars[] = {{30, 505, 110, QColor(230, 50, 50), true},
                        {230, 560, 120, QColor(40, 120, 240), false},
                        {400, 500, 95, QColor(255, 200, 20), true},
                        {470, 565, 125, QColor(60, 190, 90), false}};
    for (const Car& c : cars) {
        const double dir = c.right ? 1 : -1, front = c.right ? c.x + c.w : c.x;
        polygon(p, {{front, c.y - 6}, {front + dir * 90, c.y - 20}, {front + dir * 90, c.y + 14}},
                linear({front, 0}, {front + dir * 90, 0},
                       {{0, QColor(255, 245, 150, 200)}, {1, QColor(255, 245, 150, 20)}}));
        QPainterPath body;
        body.addRoundedRect(QRectF(c.x, c.y - 14, c.w, 26), 8, 8);
        body.addRoundedRect(QRectF(c.x + c.w * 0.22, c.y - 32, c.w * 0.5, 22), 8, 8);
        p.setPen(ink(1.5));
        p.setBrush(shaded({c.x + c.w / 2, c.y - 10}, c.w / 2, c.colour));
        p.drawPath(body.simplified());
        box(p, QRectF(c.x + c.w * 0.27, c.y - 28, c.w * 0.18, 14), QColor(180, 230, 255));
        box(p, QRectF(c.x + c.w * 0.49, c.y - 28, c.w * 0.18, 14), QColor(180, 230, 255));
        disk(p, {front - dir * 5, c.y - 4}, 5, QColor(255, 255, 180));
        disk(p, {c.right ? c.x + 4 : c.x + c.w - 4, c.y - 4}, 4, QColor(255, 40, 40));
        for (double wx : {c.x + c.w * 0.22, c.x + c.w * 0.78})
            disk(p, {wx, c.y + 12}, 11, QColor(30, 30, 30), ink(3, QColor(180, 180, 190)));
    }
}

void fruitBowl(QPainter& p, Dice& dice) {
    box(p, QRectF(0, 0, 600, 440),
        linear({0, 0}, {600, 440}, {{0, QColor(255, 220, 180)}, {1, QColor(255, 245, 190)}}));
    for (double x = 0; x < 600; x += 25 + (int(x) % 5) * 4)
        box(p, QRectF(x, 0, 8, 440), QColor(255, 180, 150, 70));
    for (int i = 0; i < 45; ++i)
        flower(p, {dice.real(0, 600), dice.real(0, 430)}, 6, QColor(255, 160, 170, 160),
               QColor(255, 255, 210, 180), 5);
    // Window with curtains.
    diagonalSky(p, QRectF(40, 40, 160, 180), QColor(100, 200, 255), QColor(220, 250, 255));
    sunWithFace(p, {160, 85}, 20, 10);
    cloud(p, {90, 150}, 0.45);
    paneWindow(p, QRectF(40, 40, 160, 180), QColor(0, 0, 0, 0), QColor(250, 250, 250));
    for (int side : {0, 1}) {
        const double x = side ? 175 : 22;
        polygon(p, {{x, 30}, {x + 45, 30}, {x + (side ? 28 : 15), 235}, {x + (side ? 40 : 5), 235}},
                QColor(230, 60, 80), ink(1.5));
        for (int k = 0; k < 6; ++k) disk(p, {x + 22 + (k % 2) * 6 - side * 2, 52.0 + k * 32}, 4, Qt::white);
    }
    box(p, QRectF(15, 24, 220, 10), QColor(150, 90, 40));
    // A child's drawing pinned to the wall.
    p.save();
    p.translate(70, 320);
    p.rotate(-6);
    box(p, QRectF(-48, -42, 96, 80), Qt::white, ink(1.2, QColor(180, 180, 190)));
    box(p, QRectF(-30, -4, 34, 28), QColor(120, 170, 255), ink(1.5, QColor(40, 80, 200)));
    polygon(p, {{-36, -4}, {-13, -24}, {10, -4}}, QColor(255, 90, 90), ink(1.5, QColor(200, 40, 40)));
    disk(p, {28, -22}, 10, QColor(255, 200, 40));
    line(p, {-44, 30}, {44, 30}, ink(3, QColor(80, 200, 80)));
    disk(p, {0, -40}, 4, QColor(230, 40, 40));
    p.restore();
    // Framed picture and wall clock.
    box(p, QRectF(262, 44, 130, 100), QColor(200, 140, 60), ink(2));
    diagonalSky(p, QRectF(274, 56, 106, 76), QColor(150, 220, 255), QColor(255, 240, 200));
    polygon(p, {{274, 132}, {310, 80}, {340, 115}, {360, 92}, {380, 132}}, QColor(90, 170, 90));
    polygon(p, {{302, 92}, {310, 80}, {318, 92}}, Qt::white);
    disk(p, {485, 110}, 62, QColor(60, 140, 220), ink(2));
    disk(p, {485, 110}, 50, Qt::white, ink(1.5));
    for (int h = 0; h < 12; ++h)
        disk(p, polar({485, 110}, 42, h * 30), h % 3 ? 3 : 5,
             h % 3 ? QColor(120, 120, 140) : QColor(230, 60, 60));
    line(p, {485, 110}, polar({485, 110}, 26, -150), ink(5));
    line(p, {485, 110}, polar({485, 110}, 38, -30), ink(3));
    disk(p, {485, 110}, 5, QColor(230, 60, 60));
    // A potted plant on a little shelf.
    box(p, QRectF(450, 300, 130, 10), QColor(150, 90, 40));
    polygon(p, {{490, 300}, {482, 267}, {548, 267}, {540, 300}}, QColor(230, 120, 60), ink(1.5));
    for (int i = 0; i < 7; ++i)
        oval(p, polar({515, 252}, 22, -160 + i * 23), 8, 16, QColor(60, 170, 70),
             ink(1, QColor(30, 110, 40)));
    // Checked table cloth.
    box(p, QRectF(0, 440, 600, 160), QColor(255, 250, 245));
    for (double y = 440; y < 600; y += 46) box(p, QRectF(0, y, 600, 23), QColor(235, 70, 70, 150));
    for (double x = 0; x < 600; x += 46) box(p, QRectF(x, 440, 23, 160), QColor(235, 70, 70, 150));
    box(p, QRectF(0, 440, 600, 160),
        linear({0, 440}, {600, 600}, {{0, QColor(255, 255, 255, 0)}, {1, QColor(80, 0, 40, 80)}}));
    // Fruit piled high in the bowl: a pineapple at the back, then pear, bananas, grapes, apples, orange.
    const QPointF pine(300, 335);
    for (int i = 0; i < 7; ++i) {
        QPainterPath leaf;
        const double a = -150 + i * 20;
        const QPointF tip = polar({pine.x(), pine.y() - 60}, 70 - std::abs(i - 3) * 10, a);
        leaf.moveTo(pine.x() - 8, pine.y() - 55);
        leaf.quadTo(tip, QPointF(pine.x() + 8, pine.y() - 55));
        p.setPen(ink(1.2, QColor(30, 110, 40)));
        p.setBrush(hsv(110 + i * 4, 180, 180 - (i % 2) * 30));
        p.drawPath(leaf);
    }
    QPainterPath pineBody;
    pineBody.addEllipse(pine, 44, 64);
    p.setPen(ink(2, QColor(170, 110, 20)));
    p.setBrush(shaded(pine, 50, QColor(240, 180, 40)));
    p.drawPath(pineBody);
    p.save();
    p.setClipPath(pineBody);
    for (int k = -6; k <= 6; ++k) {
        line(p, {pine.x() + k * 16 - 70, pine.y() - 70}, {pine.x() + k * 16 + 70, pine.y() + 70},
             ink(1.5, QColor(180, 110, 20)));
        line(p, {pine.x() + k * 16 + 70, pine.y() - 70}, {pine.x() + k * 16 - 70, pine.y() + 70},
             ink(1.5, QColor(180, 110, 20)));
    }
    p.restore();
    QPainterPath pear;
    pear.moveTo(205, 300);
    pear.cubicTo(228, 300, 222, 335, 240, 355);
    pear.cubicTo(262, 385, 232, 410, 205, 405);
    pear.cubicTo(178, 410, 150, 385, 170, 355);
    pear.cubicTo(188, 335, 182, 300, 205, 300);
    p.setPen(ink(1.5, QColor(170, 150, 30)));
    p.setBrush(shaded({200, 365}, 50, QColor(230, 220, 70)));
    p.drawPath(pear);
    line(p, {205, 300}, {210, 282}, ink(3, QColor(110, 70, 30)));
    for (int i = 0; i < 16; ++i) {
        const QPointF c(392 + (i % 4) * 16 - (i / 4) * 3, 360 + (i / 4) * 17 + (i % 2) * 3);
        disk(p, c, 11, shaded(c, 11, QColor(130, 60, 170)), ink(1, QColor(80, 30, 110)));
    }
    line(p, {420, 352}, {428, 330}, ink(3, QColor(110, 80, 40)));
    oval(p, {442, 336}, 15, 7, QColor(80, 170, 60));
    const auto banana = [&](double dx, double dy) {
        QPainterPath b;
        b.moveTo(140 + dx, 395 + dy);
        b.cubicTo(165 + dx, 445 + dy, 250 + dx, 440 + dy, 285 + dx, 385 + dy);
        b.cubicTo(250 + dx, 420 + dy, 180 + dx, 420 + dy, 140 + dx, 395 + dy);
        p.setPen(ink(2, QColor(180, 140, 0)));
        p.setBrush(linear({140, 380}, {285, 440}, {{0, QColor(255, 240, 80)}, {1, QColor(240, 200, 20)}}));
        p.drawPath(b);
        disk(p, {285 + dx, 385 + dy}, 3, QColor(110, 80, 30));
    };
    banana(0, -22);
    banana(8, -6);
    const auto apple = [&](QPointF c, double r, const QColor& colour) {
        disk(p, c, r, shaded(c, r, colour), ink(1.5, colour.darker(160)));
        line(p, {c.x(), c.y() - r * 0.8}, {c.x() + r * 0.15, c.y() - r * 1.25}, ink(3, QColor(110, 70, 30)));
        oval(p, {c.x() + r * 0.35, c.y() - r * 1.1}, r * 0.3, r * 0.14, QColor(70, 170, 60));
    };
    apple({235, 428}, 40, QColor(230, 30, 40));
    apple({378, 430}, 38, QColor(140, 210, 50));
    disk(p, {306, 428}, 36, shaded({306, 428}, 36, QColor(255, 150, 20)), ink(1.5, QColor(200, 100, 0)));
    for (int i = 0; i < 12; ++i)
        disk(p, {306 + dice.real(-22, 22), 428 + dice.real(-22, 22)}, 1.3, QColor(220, 120, 10));
    disk(p, {313, 397}, 4, QColor(80, 140, 40));
    // Bowl in front of the fruit.
    QPainterPath bowl;
    bowl.moveTo(130, 452);
    bowl.cubicTo(140, 560, 460, 560, 470, 452);
    bowl.closeSubpath();
    p.setPen(ink(2.5, QColor(20, 60, 140)));
    p.setBrush(linear({130, 0}, {470, 0},
                      {{0, QColor(80, 150, 240)}, {0.5, QColor(120, 190, 255)}, {1, QColor(40, 100, 200)}}));
    p.drawPath(bowl);
    oval(p, {300, 452}, 170, 14, QColor(60, 120, 220), ink(2, QColor(20, 60, 140)));
    for (int i = 0; i < 9; ++i)
        star(p, {180.0 + i * 30, 482.0 + std::abs(i - 4) * -2}, 8, hsv(40 + i * 40, 160, 255));
    oval(p, {300, 542}, 60, 10, QColor(40, 90, 180), ink(1.5, QColor(20, 60, 140)));
    for (auto c : {QPointF(150, 468), QPointF(172, 480)}) {
        line(p, c, {175, 440}, ink(2, QColor(80, 130, 40)));
        disk(p, c, 12, shaded(c, 12, QColor(200, 20, 40)), ink(1, QColor(120, 10, 20)));
    }
    // Watermelon slice in the front left corner.
    QPainterPath melon;
    melon.moveTo(10, 500);
    melon.arcTo(QRectF(10, 440, 130, 120), 180, 180);
    melon.closeSubpath();
    p.setPen(ink(2, QColor(30, 110, 40)));
    p.setBrush(QColor(60, 170, 60));
    p.drawPath(melon);
    QPainterPath flesh;
    flesh.moveTo(20, 500);
    flesh.arcTo(QRectF(20, 450, 110, 100), 180, 180);
    flesh.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 80, 100));
    p.drawPath(flesh);
    for (int i = 0; i < 6; ++i) oval(p, {38.0 + i * 15, 512.0 + (i % 2) * 10}, 3, 5, kInk);
    // Strawberries, cherries, a glass of juice, a cup and a lemon on the cloth.
    for (auto c : {QPointF(180, 565), QPointF(222, 580), QPointF(262, 568)}) {
        QPainterPath berry;
        berry.moveTo(c.x() - 14, c.y() - 8);
        berry.cubicTo(c.x() - 16, c.y() + 10, c.x() - 4, c.y() + 20, c.x(), c.y() + 22);
        berry.cubicTo(c.x() + 4, c.y() + 20, c.x() + 16, c.y() + 10, c.x() + 14, c.y() - 8);
        berry.closeSubpath();
        p.setPen(ink(1.5, QColor(160, 20, 30)));
        p.setBrush(shaded(c, 18, QColor(240, 40, 50)));
        p.drawPath(berry);
        for (int k = 0; k < 6; ++k)
            disk(p, {c.x() - 7 + (k % 3) * 7, c.y() + (k / 3) * 8}, 1.3, QColor(255, 240, 120));
        polygon(p, starShape({c.x(), c.y() - 9}, 11, 4, 5, -90), QColor(60, 160, 50));
    }
    for (auto c : {QPointF(345, 575), QPointF(372, 586)}) {
        line(p, c, {362, 540}, ink(2, QColor(80, 130, 40)));
        disk(p, c, 11, shaded(c, 11, QColor(200, 20, 40)), ink(1, QColor(120, 10, 20)));
    }
    box(p, QRectF(420, 520, 42, 66),
        linear({0, 525}, {0, 586}, {{0, QColor(255, 190, 60)}, {1, QColor(255, 140, 20)}}),
        ink(2, QColor(150, 150, 170)));
    line(p, {450, 540}, {472, 492}, ink(4, QColor(60, 200, 230)));
    oval(p, {441, 522}, 21, 5, QColor(255, 220, 130), ink(1.5, QColor(150, 150, 170)));
    disk(p, {462, 524}, 9, QColor(255, 230, 80), ink(1, QColor(200, 160, 0)));
    box(p, QRectF(500, 462, 55, 48), QColor(255, 255, 255), ink(2, QColor(80, 130, 200)));
    p.setPen(ink(4, QColor(80, 130, 200)));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(540, 470, 30, 28), -90 * 16, 180 * 16);
    disk(p, {527, 486}, 10, QColor(255, 120, 160));
    for (int i = 0; i < 3; ++i) {
        QPainterPath steam;
        steam.moveTo(512 + i * 14, 455);
        steam.cubicTo(504 + i * 14, 442, 520 + i * 14, 435, 512 + i * 14, 420);
        p.drawPath(steam);
    }
    oval(p, {540, 560}, 40, 28, shaded({540, 560}, 30, QColor(255, 235, 50)), ink(1.5, QColor(200, 170, 0)));
    disk(p, {579, 560}, 5, QColor(240, 215, 40));
}

void rocketSpace(QPainter& p, Dice& dice) {
    box(p, QRectF(0, 0, 600, 600),
        linear({0, 0}, {600, 600},
               {{0, QColor(20, 10, 70)}, {0.5, QColor(60, 20, 120)}, {1, QColor(10, 40, 110)}}));
    for (auto [c, r, colour] : {std::tuple{QPointF(150, 250), 200.0, QColor(255, 80, 180, 70)},
                                {QPointF(470, 450), 180.0, QColor(60, 220, 255, 60)},
                                {QPointF(380, 80), 150.0, QColor(180, 120, 255, 70)}}) {
        QRadialGradient g(c, r);
        g.setColorAt(0, colour);
        g.setColorAt(1, QColor(0, 0, 0, 0));
        disk(p, c, r, g);
    }
    for (int i = 0; i < 150; ++i)
        disk(p, {dice.real(0, 600), dice.real(0, 600)}, dice.real(0.7, 2.3), hsv(dice.below(360), 50, 255));
    for (QPointF c : {QPointF(205, 28), QPointF(580, 235), QPointF(30, 420), QPointF(250, 470),
                      QPointF(365, 590), QPointF(110, 150)})
        star(p, c, 11, QColor(255, 235, 110));
    // Comet.
    polygon(p, {{-10, 0}, {82, 52}, {72, 66}},
            linear({0, 0}, {80, 60}, {{0, QColor(120, 220, 255, 0)}, {1, QColor(200, 250, 255, 230)}}));
    disk(p, {78, 60}, 11, shaded({78, 60}, 11, QColor(210, 250, 255)));
    // A smiling star, a spiral galaxy and a small purple planet.
    polygon(p, starShape({300, 58}, 30, 14, 5), shaded({300, 58}, 30, QColor(255, 220, 60)),
            ink(1.5, QColor(200, 140, 0)));
    smile(p, {300, 62}, 13);
    for (int arm = 0; arm < 2; ++arm) {
        for (int i = 0; i < 26; ++i) {
            const double a = arm * 180 + i * 16.0, r = 4 + i * 1.6;
            disk(p, polar({250, 195}, r, a), 3.2 - i * 0.08, hsv(190 + i * 5, 80, 255, 220 - i * 6));
        }
    }
    disk(p, {250, 195}, 7, QColor(255, 250, 220));
    disk(p, {170, 200}, 22, shaded({170, 200}, 22, QColor(170, 90, 230)), ink(1.5, QColor(100, 40, 150)));
    for (auto [c, r] : {std::pair{QPointF(162, 192), 5.0}, {QPointF(178, 210), 4.0}})
        disk(p, c, r, QColor(210, 150, 255));
    // An astronaut waving.
    const QPointF suit(62, 230);
    box(p, QRectF(suit.x() - 24, suit.y() - 10, 14, 36), QColor(200, 205, 220), ink(1.5));
    oval(p, {suit.x() + 24, suit.y() - 16}, 8, 16, QColor(245, 245, 250), ink(1.5));
    oval(p, {suit.x() - 18, suit.y() + 24}, 8, 15, QColor(245, 245, 250), ink(1.5));
    oval(p, {suit.x() - 6, suit.y() + 48}, 8, 15, QColor(245, 245, 250), ink(1.5));
    oval(p, {suit.x() + 12, suit.y() + 46}, 8, 15, QColor(245, 245, 250), ink(1.5));
    oval(p, {suit.x() + 2, suit.y() + 20}, 22, 26, QColor(250, 250, 255), ink(1.5));
    box(p, QRectF(suit.x() - 8, suit.y() + 12, 20, 12), QColor(230, 60, 60), ink(1));
    disk(p, {suit.x() + 2, suit.y() - 16}, 20, QColor(250, 250, 255), ink(1.5));
    disk(p, {suit.x() + 2, suit.y() - 16}, 14,
         linear({suit.x() - 12, suit.y() - 30}, {suit.x() + 16, suit.y()},
                {{0, QColor(120, 200, 255)}, {1, QColor(255, 190, 120)}}));
    smile(p, {suit.x() + 2, suit.y() - 15}, 10);
    // An asteroid with craters.
    QPainterPath rock;
    rock.moveTo(25, 315);
    rock.cubicTo(35, 285, 80, 290, 90, 310);
    rock.cubicTo(102, 335, 80, 360, 55, 352);
    rock.cubicTo(30, 350, 15, 335, 25, 315);
    p.setPen(ink(1.5, QColor(80, 60, 50)));
    p.setBrush(shaded({55, 320}, 40, QColor(170, 130, 100)));
    p.drawPath(rock);
    for (auto [c, r] : {std::pair{QPointF(45, 315), 7.0}, {QPointF(70, 335), 9.0}, {QPointF(72, 308), 4.0}})
        disk(p, c, r, QColor(130, 95, 75));
    // Moon.
    disk(p, {160, 95}, 38, shaded({160, 95}, 38, QColor(210, 210, 220)), ink(1.5, QColor(140, 140, 160)));
    for (auto [c, r] : {std::pair{QPointF(148, 84), 8.0},
                        {QPointF(175, 108), 10.0},
                        {QPointF(150, 115), 5.0},
                        {QPointF(178, 78), 5.0}})
        disk(p, c, r, QColor(170, 170, 185));
    // Ringed planet.
    p.save();
    p.translate(475, 140);
    p.rotate(-18);
    const auto ring = [&] {
        p.setPen(QPen(QColor(255, 220, 150), 13));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(0, 0), 120, 28);
        p.setPen(QPen(QColor(230, 150, 90), 4));
        p.drawEllipse(QPointF(0, 0), 104, 22);
    };
    ring();
    QPainterPath planet;
    planet.addEllipse(QPointF(0, 0), 68, 68);
    p.setPen(Qt::NoPen);
    p.setBrush(shaded({0, 0}, 68, QColor(255, 160, 70)));
    p.drawPath(planet);
    p.save();
    p.setClipPath(planet);
    for (int i = 0; i < 5; ++i)
        box(p, QRectF(-70, -55 + i * 26, 140, 9 + (i % 2) * 5), QColor(220, 90, 60, 150));
    p.restore();
    p.setClipRect(QRectF(-140, 0, 280, 60));
    ring();
    p.restore();
    // Earth.
    QPainterPath earth;
    earth.addEllipse(QPointF(95, 510), 115, 115);
    QRadialGradient glow(QPointF(95, 510), 135);
    glow.setColorAt(0.8, QColor(120, 200, 255, 120));
    glow.setColorAt(1, QColor(120, 200, 255, 0));
    disk(p, {95, 510}, 135, glow);
    p.setPen(Qt::NoPen);
    p.setBrush(shaded({95, 510}, 115, QColor(40, 120, 230)));
    p.drawPath(earth);
    p.save();
    p.setClipPath(earth);
    for (auto [c, rx, ry] : {std::tuple{QPointF(60, 450), 45.0, 30.0},
                             {QPointF(120, 520), 38.0, 52.0},
                             {QPointF(30, 560), 30.0, 25.0},
                             {QPointF(170, 445), 25.0, 15.0}}) {
        oval(p, c, rx, ry, QColor(70, 190, 80));
        oval(p, {c.x() + rx * 0.4, c.y() + ry * 0.3}, rx * 0.5, ry * 0.5, QColor(120, 200, 80));
    }
    for (int i = 0; i < 5; ++i)
        oval(p, {30.0 + i * 40, 470.0 + (i % 3) * 40}, 30, 6, QColor(255, 255, 255, 200));
    p.restore();
    // Red planet, visited by a UFO.
    disk(p, {430, 428}, 42, shaded({430, 428}, 42, QColor(230, 80, 60)), ink(1.5, QColor(150, 40, 30)));
    for (auto [c, r] :
         {std::pair{QPointF(418, 416), 8.0}, {QPointF(445, 443), 11.0}, {QPointF(420, 453), 5.0}})
        disk(p, c, r, QColor(190, 60, 45));
    polygon(p, {{505, 312}, {525, 312}, {470, 395}, {425, 380}},
            linear({515, 312}, {447, 390}, {{0, QColor(255, 250, 150, 220)}, {1, QColor(255, 240, 90, 60)}}));
    // A crystal floating by.
    const QPointF gem(165, 295);
    polygon(p,
            {{gem.x() - 22, gem.y() - 6},
             {gem.x() - 10, gem.y() - 22},
             {gem.x() + 10, gem.y() - 22},
             {gem.x() + 22, gem.y() - 6},
             {gem.x(), gem.y() + 26}},
            QColor(90, 230, 220), ink(1.5, QColor(20, 120, 130)));
    polygon(p, {{gem.x() - 22, gem.y() - 6}, {gem.x() + 22, gem.y() - 6}, {gem.x(), gem.y() + 26}},
            QColor(40, 190, 200), ink(1, QColor(20, 120, 130)));
    polygon(p, {{gem.x() - 10, gem.y() - 22}, {gem.x() - 4, gem.y() - 6}, {gem.x() - 22, gem.y() - 6}},
            QColor(200, 255, 250));
    oval(p, {515, 285}, 22, 20, QColor(150, 240, 255, 220), ink(1.5));
    disk(p, {515, 286}, 9, QColor(120, 230, 90));
    disk(p, {512, 284}, 2, kInk);
    disk(p, {519, 284}, 2, kInk);
    oval(p, {515, 305}, 55, 15,
         linear({460, 0}, {570, 0}, {{0, QColor(210, 210, 230)}, {1, QColor(120, 120, 150)}}), ink(1.5));
    for (int i = 0; i < 5; ++i) disk(p, {481.0 + i * 17, 307}, 4, hsv(i * 70, 200, 255));
    // A small green planet with a flag, a blue planet with a ring and three tumbling rocks.
    disk(p, {555, 420}, 24, shaded({555, 420}, 24, QColor(80, 200, 110)), ink(1.5, QColor(30, 110, 60)));
    line(p, {560, 397}, {566, 365}, ink(2));
    polygon(p, {{566, 365}, {590, 372}, {564, 380}}, QColor(255, 90, 160));
    disk(p, {560, 560}, 32, shaded({560, 560}, 32, QColor(70, 150, 255)), ink(1.5, QColor(30, 70, 160)));
    p.setPen(QPen(QColor(180, 240, 255), 5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(510, 548, 100, 24), 180 * 16, 180 * 16);
    for (auto [c, r, hue] : {std::tuple{QPointF(405, 530), 14.0, 30},
                             {QPointF(440, 565), 10.0, 20},
                             {QPointF(465, 520), 7.0, 40}}) {
        oval(p, c, r * 1.2, r, shaded(c, r, hsv(hue, 80, 170)), ink(1.2, QColor(80, 60, 50)));
        disk(p, {c.x() - r * 0.3, c.y() - r * 0.2}, r * 0.3, hsv(hue, 90, 130));
    }
    // Satellite.
    p.save();
    p.translate(330, 545);
    p.rotate(25);
    for (int side : {-1, 1}) {
        box(p, QRectF(side > 0 ? 20 : -70, -12, 50, 24), QColor(50, 90, 200),
            ink(1.5, QColor(200, 200, 220)));
        for (int k = 1; k < 4; ++k)
            line(p, {(side > 0 ? 20.0 : -70.0) + k * 12.5, -12}, {(side > 0 ? 20.0 : -70.0) + k * 12.5, 12},
                 ink(1, QColor(200, 200, 220)));
    }
    box(p, QRectF(-20, -18, 40, 36), QColor(240, 190, 60), ink(1.5));
    line(p, {0, -18}, {0, -40}, ink(2, QColor(220, 220, 230)));
    disk(p, {0, -42}, 5, QColor(255, 80, 80));
    p.restore();
    // Rocket, flying up and to the right, with its trail.
    for (int i = 0; i < 8; ++i)
        disk(p, {250.0 - i * 22, 430.0 + i * 18}, 12 - i, QColor(255, 200, 120, 150 - i * 15));
    p.save();
    p.translate(315, 320);
    p.rotate(40);
    QPainterPath flame;
    flame.moveTo(-24, 80);
    flame.quadTo(-10, 140, 0, 175);
    flame.quadTo(10, 140, 24, 80);
    p.setPen(Qt::NoPen);
    p.setBrush(linear({0, 80}, {0, 175},
                      {{0, QColor(255, 250, 150)}, {0.5, QColor(255, 150, 30)}, {1, QColor(240, 50, 30)}}));
    p.drawPath(flame);
    for (int side : {-1, 1})
        polygon(p, {{side * 30.0, 20}, {side * 66.0, 95}, {side * 30.0, 80}}, QColor(230, 50, 60), ink(2));
    QPainterPath body;
    body.moveTo(0, -115);
    body.cubicTo(48, -70, 40, 40, 32, 88);
    body.lineTo(-32, 88);
    body.cubicTo(-40, 40, -48, -70, 0, -115);
    p.setPen(ink(2.5));
    p.setBrush(linear({-40, 0}, {40, 0}, {{0, QColor(255, 255, 255)}, {1, QColor(170, 180, 200)}}));
    p.drawPath(body);
    p.save();
    p.setClipPath(body);
    box(p, QRectF(-50, -120, 100, 62), QColor(230, 50, 60));
    box(p, QRectF(-50, 45, 100, 14), QColor(40, 120, 230));
    p.restore();
    p.setPen(ink(2.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    disk(p, {0, -15}, 24, QColor(150, 150, 170), ink(2));
    disk(p, {0, -15}, 18,
         linear({-18, -33}, {18, 3}, {{0, QColor(150, 220, 255)}, {1, QColor(40, 100, 200)}}));
    disk(p, {0, -13}, 11, QColor(255, 220, 180));
    smile(p, {0, -13}, 11);
    box(p, QRectF(-22, 88, 44, 12), QColor(90, 90, 110), ink(1.5));
    p.restore();
}

void flowerField(QPainter& p, Dice& dice) {
    diagonalSky(p, QRectF(0, 0, 600, 310), QColor(70, 170, 255), QColor(230, 245, 255));
    sunWithFace(p, {90, 80}, 42);
    cloud(p, {300, 60}, 0.75);
    cloud(p, {560, 190}, 0.5);
    // Hot-air balloon.
    QPainterPath envelope;
    envelope.moveTo(468, 150);
    envelope.cubicTo(420, 120, 420, 40, 470, 40);
    envelope.cubicTo(520, 40, 520, 120, 472, 150);
    envelope.closeSubpath();
    p.save();
    p.setClipPath(envelope);
    for (int i = 0; i < 6; ++i) box(p, QRectF(425 + i * 15, 30, 15, 130), hsv(i * 60, 200, 255));
    p.restore();
    p.setPen(ink(2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(envelope);
    line(p, {462, 148}, {462, 168}, ink(1.2));
    line(p, {478, 148}, {478, 168}, ink(1.2));
    box(p, QRectF(458, 166, 24, 14), QColor(170, 110, 50), ink(1.2));
    for (QPointF b : {QPointF(200, 130), QPointF(225, 120), QPointF(300, 175)}) bird(p, b, 0.8);
    songbird(p, {400, 190}, 1.0, QColor(60, 140, 240), true);
    songbird(p, {560, 110}, 0.8, QColor(240, 80, 90), false);
    cloud(p, {240, 205}, 0.35);
    // Hills, a windmill and a farmhouse far away.
    polygon(p, {{0, 320}, {0, 250}, {120, 215}, {260, 255}, {380, 225}, {520, 250}, {600, 230}, {600, 320}},
            QColor(120, 200, 120));
    polygon(p, {{0, 320}, {0, 285}, {200, 262}, {330, 290}, {480, 268}, {600, 290}, {600, 320}},
            QColor(80, 175, 80));
    polygon(p, {{108, 290}, {118, 210}, {138, 210}, {148, 290}}, QColor(245, 240, 230), ink(1.5));
    polygon(p, {{112, 214}, {128, 190}, {144, 214}}, QColor(220, 60, 60), ink(1.5));
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(128, 205);
        p.rotate(20 + i * 90);
        box(p, QRectF(-6, -70, 12, 64), QColor(255, 250, 240), ink(1.2));
        for (int k = 1; k < 4; ++k)
            line(p, {-6, -70.0 + k * 16}, {6, -70.0 + k * 16}, ink(1, QColor(150, 120, 100)));
        p.restore();
    }
    disk(p, {128, 205}, 5, QColor(150, 90, 40));
    cottage(p, QRectF(405, 250, 50, 34), QColor(255, 230, 150), QColor(200, 70, 60), QColor(120, 190, 255),
            false);
    for (double x : {300.0, 350.0, 520.0, 565.0})
        leafyTree(p, {x, 290.0 - (int(x) % 5) * 2}, 0.28, QColor(40, 140, 60), QColor(), dice);
    // Bands of tulips fanning out from a point beyond the hills.
    const QPointF vanish(300, 200);
    static const QColor colours[] = {QColor(235, 40, 60),  QColor(255, 215, 30), QColor(255, 120, 190),
                                     QColor(150, 80, 220), QColor(255, 140, 30), QColor(255, 255, 255),
                                     QColor(60, 120, 240), QColor(255, 80, 120), QColor(250, 240, 90),
                                     QColor(200, 60, 200), QColor(255, 170, 60), QColor(240, 50, 50)};
    const double top = 305;
    const auto xAt = [&](double bottomX, double y) {
        return vanish.x() + (bottomX - vanish.x()) * (y - vanish.y()) / (600 - vanish.y());
    };
    box(p, QRectF(0, top, 600, 300), QColor(70, 150, 60));
    for (int band = 0; band < 12; ++band) {
        const double x0 = -700 + band * 165, x1 = x0 + 135;
        const QColor colour = colours[band];
        polygon(p, {{xAt(x0, top), top}, {xAt(x1, top), top}, {x1, 600}, {x0, 600}}, colour.darker(125));
        for (double y = top + 2; y < 612;) {
            const double s = 0.5 + 3.2 * (y - top) / 300;
            const double left = xAt(x0, y), right = xAt(x1, y);
            for (double x = left + 4 * s; x < right - 3 * s; x += 11 * s) {
                if (x < -10 || x > 610) continue;
                tulip(p, {x + dice.real(-2, 2) * s, y + dice.real(-1.5, 1.5) * s}, s,
                      hsv(colour.hsvHue() + dice.below(16) - 8, colour.hsvSaturation(), colour.value()));
            }
            y += 7 * s;
        }
    }
    butterfly(p, {150, 340}, 1.0, QColor(255, 200, 40), QColor(255, 100, 40), -20);
    butterfly(p, {455, 395}, 1.1, QColor(80, 200, 255), QColor(255, 255, 255), 15);
    butterfly(p, {300, 470}, 0.8, QColor(255, 120, 200), QColor(255, 255, 150), 5);
    bee(p, {225, 415}, 1.2);
    bee(p, {540, 330}, 1.0);
    // A big daisy with a ladybird in the front right, a rabbit in the front left.
    stemmedFlower(p, {530, 610}, 70, 38, Qt::white, QColor(255, 200, 30), 10);
    oval(p, {530, 540}, 9, 7, QColor(230, 30, 30), ink(1.2));
    disk(p, {537, 538}, 4, kInk);
    disk(p, {527, 537}, 1.8, kInk);
    const QPointF rabbit(80, 545);
    oval(p, {rabbit.x() - 10, rabbit.y() - 48}, 8, 26, QColor(250, 250, 250), ink(1.5));
    oval(p, {rabbit.x() + 12, rabbit.y() - 48}, 8, 26, QColor(250, 250, 250), ink(1.5));
    oval(p, {rabbit.x() - 10, rabbit.y() - 48}, 4, 18, QColor(255, 180, 200));
    oval(p, {rabbit.x() + 12, rabbit.y() - 48}, 4, 18, QColor(255, 180, 200));
    oval(p, {rabbit.x(), rabbit.y() + 30}, 34, 30, QColor(250, 250, 250), ink(1.5));
    disk(p, rabbit, 25, QColor(255, 255, 255), ink(1.5));
    smile(p, rabbit, 25);
}

void trainBridge(QPainter& p, Dice& dice) {
    diagonalSky(p, QRectF(0, 0, 600, 330), QColor(255, 190, 120), QColor(130, 210, 255));
    sunWithFace(p, {80, 75}, 40);
    cloud(p, {250, 90}, 0.55);
    cloud(p, {555, 60}, 0.45, QColor(255, 240, 240));
    for (QPointF b : {QPointF(170, 40), QPointF(195, 28), QPointF(360, 170)}) bird(p, b, 0.9);
    polygon(p,
            {{0, 330},
             {0, 200},
             {80, 150},
             {180, 215},
             {280, 160},
             {400, 230},
             {500, 175},
             {600, 210},
             {600, 330}},
            linear({0, 150}, {0, 330}, {{0, QColor(120, 110, 190)}, {1, QColor(150, 150, 220)}}));
    for (QPointF pk : {QPointF(80, 150), QPointF(280, 160), QPointF(500, 175)})
        polygon(p,
                {pk,
                 {pk.x() - 25, pk.y() + 20},
                 {pk.x() - 6, pk.y() + 14},
                 {pk.x() + 8, pk.y() + 24},
                 {pk.x() + 24, pk.y() + 18}},
                Qt::white);
    polygon(p, {{0, 440}, {0, 265}, {130, 245}, {260, 285}, {400, 255}, {520, 280}, {600, 260}, {600, 440}},
            linear({0, 240}, {600, 440}, {{0, QColor(150, 220, 90)}, {1, QColor(60, 160, 70)}}));
    static const QColor leaves[] = {QColor(40, 150, 60), QColor(90, 180, 50), QColor(30, 120, 80),
                                    QColor(220, 160, 40)};
    int k = 0;
    for (double x : {25.0, 108.0, 232.0, 318.0, 455.0, 578.0}) {
        leafyTree(p, {x, 290.0 - (k % 3) * 6}, 0.35 + (k % 2) * 0.1, leaves[k % 4],
                  k % 3 == 0 ? QColor(255, 80, 60) : QColor(), dice);
        ++k;
    }
    // River.
    box(p, QRectF(0, 430, 600, 170),
        linear({0, 430}, {600, 600}, {{0, QColor(90, 200, 240)}, {1, QColor(30, 90, 180)}}));
    scatterMarks(p, dice, QRectF(0, 440, 600, 160), 55, QColor(255, 255, 255, 150), 0);
    // Stone bridge: pillars every 160 so that no two tiles show the same arch.
    box(p, QRectF(0, 368, 600, 24), QColor(160, 110, 80), ink(1.5));
    for (double x = 0; x < 600; x += 34) line(p, {x, 368}, {x, 392}, ink(1, QColor(110, 70, 50)));
    QPainterPath wall;
    wall.addRect(QRectF(0, 392, 600, 78));
    for (double x : {10.0, 170.0, 330.0, 490.0}) {
        QPainterPath opening;
        opening.addEllipse(QRectF(x - 55, 420, 110, 110));
        opening.addRect(QRectF(x - 55, 475, 110, 10));
        wall = wall.subtracted(opening);
    }
    p.setPen(ink(1.5, QColor(110, 70, 50)));
    p.setBrush(linear({0, 392}, {600, 470}, {{0, QColor(195, 140, 100)}, {1, QColor(160, 110, 80)}}));
    p.drawPath(wall);
    p.save();
    p.setClipPath(wall);
    for (double y = 408; y < 470; y += 14)
        for (double x = (int(y) / 14 % 2) * 15; x < 600; x += 30)
            line(p, {x, y}, {x, y + 14}, ink(1, QColor(120, 80, 55)));
    for (double y = 408; y < 470; y += 14) line(p, {0, y}, {600, y}, ink(1, QColor(120, 80, 55)));
    p.restore();
    p.setPen(ink(1.5, QColor(110, 70, 50)));
    p.setBrush(QColor(180, 130, 95));
    p.drawRect(QRectF(0, 392, 600, 16));
    // Each arch has its own sign above it, and ivy hangs in different places.
    star(p, {10, 428}, 12, QColor(255, 220, 40));
    disk(p, {170, 428}, 10, QColor(80, 160, 255), ink(1.5));
    polygon(p, {{330, 416}, {342, 438}, {318, 438}}, QColor(255, 110, 170), ink(1.5));
    box(p, QRectF(481, 419, 18, 18), QColor(120, 220, 90), ink(1.5));
    for (auto [x, len] : {std::pair{95.0, 40.0}, {262.0, 28.0}, {420.0, 50.0}, {575.0, 22.0}}) {
        for (int k = 0; k < int(len / 8); ++k)
            oval(p, {x + (k % 2) * 5, 410.0 + k * 8}, 5, 4, QColor(50, 150, 60));
    }
    // Boat and fish in the river.
    polygon(p, {{60, 520}, {170, 520}, {150, 545}, {80, 545}}, QColor(250, 200, 40), ink(2));
    line(p, {115, 520}, {115, 470}, ink(2.5, QColor(110, 70, 40)));
    polygon(p, {{118, 474}, {118, 515}, {155, 515}}, QColor(255, 90, 90), ink(1.5));
    fish(p, {300, 560}, 48, QColor(255, 120, 40), Qt::white, false, 2);
    fish(p, {470, 500}, 40, QColor(120, 220, 90), QColor(40, 120, 50), true, 1);
    for (auto [c, r] :
         {std::pair{QPointF(560, 590), 26.0}, {QPointF(25, 595), 20.0}, {QPointF(395, 590), 14.0}})
        oval(p, c, r * 1.3, r, shaded(c, r, QColor(150, 140, 140)), ink(1.5, QColor(90, 90, 100)));
    for (QPointF c : {QPointF(220, 500), QPointF(245, 515)}) {
        oval(p, c, 14, 8, shaded(c, 14, QColor(255, 255, 255)), ink(1.2));
        disk(p, {c.x() + 10, c.y() - 9}, 6, QColor(40, 150, 80), ink(1.2));
        polygon(p, {{c.x() + 15, c.y() - 9}, {c.x() + 22, c.y() - 7}, {c.x() + 15, c.y() - 5}},
                QColor(255, 170, 30));
    }
    // A canoe passing under an arch and a heron in the shallows.
    QPainterPath canoe;
    canoe.moveTo(130, 470);
    canoe.quadTo(170, 490, 215, 470);
    canoe.lineTo(130, 470);
    p.setPen(ink(1.5));
    p.setBrush(QColor(230, 70, 50));
    p.drawPath(canoe);
    disk(p, {172, 452}, 8, QColor(255, 220, 180), ink(1.2));
    box(p, QRectF(164, 458, 16, 14), QColor(60, 200, 230), ink(1));
    line(p, {150, 445}, {200, 478}, ink(3, QColor(160, 110, 60)));
    line(p, {40, 475}, {36, 448}, ink(2, QColor(90, 90, 110)));
    line(p, {48, 475}, {44, 448}, ink(2, QColor(90, 90, 110)));
    oval(p, {44, 440}, 16, 10, QColor(200, 210, 230), ink(1.2));
    line(p, {54, 436}, {58, 418}, ink(4, QColor(200, 210, 230)));
    disk(p, {60, 416}, 5, QColor(200, 210, 230), ink(1));
    polygon(p, {{64, 414}, {78, 418}, {64, 419}}, QColor(255, 190, 40));
    // Lily pads with a frog, and geese flying in a V.
    for (auto [c, r] : {std::pair{QPointF(420, 560), 22.0}, {QPointF(360, 520), 14.0}}) {
        p.setPen(ink(1.5, QColor(20, 100, 40)));
        p.setBrush(shaded(c, r, QColor(60, 170, 70)));
        p.drawPie(QRectF(c.x() - r, c.y() - r * 0.5, 2 * r, r), 30 * 16, 320 * 16);
    }
    oval(p, {420, 552}, 13, 9, shaded({420, 552}, 12, QColor(90, 200, 70)), ink(1.2));
    for (int side : {-1, 1}) {
        disk(p, {420.0 + side * 6, 543}, 4, QColor(90, 200, 70), ink(1));
        disk(p, {420.0 + side * 6, 543}, 1.6, kInk);
    }
    for (int i = 0; i < 5; ++i) {
        const QPointF g(420 + (i - 2) * 20, 40 + std::abs(i - 2) * 14);
        bird(p, g, 1.1, QColor(60, 60, 80));
        disk(p, g, 2.5, QColor(60, 60, 80));
    }
    // The train: engine on the right, three cars, passengers at the windows.
    for (int i = 0; i < 6; ++i)
        disk(p, {520.0 - i * 38, 235.0 - i * 26 + (i % 2) * 8}, 16 + i * 6,
             QColor(255, 255, 255, 235 - i * 20), ink(1, QColor(200, 200, 220)));
    const double rail = 368;
    box(p, QRectF(440, 295, 110, 55),
        linear({0, 295}, {0, 350}, {{0, QColor(70, 190, 90)}, {1, QColor(30, 130, 60)}}), ink(2));
    box(p, QRectF(440, 258, 50, 40), QColor(40, 150, 70), ink(2));
    box(p, QRectF(434, 250, 62, 10), QColor(220, 50, 50), ink(1.5));
    paneWindow(p, QRectF(450, 266, 30, 24), QColor(150, 220, 255), Qt::white);
    disk(p, {465, 280}, 7, QColor(255, 220, 180));
    box(p, QRectF(515, 262, 18, 34), QColor(60, 60, 70), ink(1.5));
    box(p, QRectF(510, 256, 28, 8), QColor(220, 50, 50), ink(1.2));
    disk(p, {553, 320}, 10, QColor(255, 240, 120), ink(1.5));
    polygon(p, {{550, 342}, {572, 362}, {550, 362}}, QColor(220, 50, 50), ink(1.5));
    for (double x : {455.0, 490.0, 528.0}) disk(p, {x, 356}, x < 480 ? 14 : 11, QColor(220, 50, 50), ink(2));
    struct Car {
        double x;
        QColor colour;
        QColor face;
    };
    const Car cars[] = {{305, QColor(255, 150, 30), QColor(255, 220, 180)},
                        {170, QColor(60, 130, 240), QColor(240, 200, 160)},
                        {35, QColor(255, 210, 40), QColor(255, 225, 190)}};
    for (const Car& c : cars) {
        line(p, {c.x + 120, 340}, {c.x + 135, 340}, ink(4));
        QPainterPath roof;
        roof.addRoundedRect(QRectF(c.x - 4, 272, 128, 12), 5, 5);
        box(p, QRectF(c.x, 282, 120, 68),
            linear({0, 282}, {0, 350}, {{0, c.colour.lighter(120)}, {1, c.colour.darker(115)}}), ink(2));
        p.setPen(ink(1.5));
        p.setBrush(c.colour.darker(140));
        p.drawPath(roof);
        for (int w = 0; w < 3; ++w) {
            const QRectF win(c.x + 10 + w * 37, 292, 26, 26);
            paneWindow(p, win, QColor(190, 235, 255), Qt::white);
            if ((w + int(c.x)) % 2 == 0) {
                disk(p, {win.center().x(), win.center().y() + 4}, 9, c.face);
                smile(p, {win.center().x(), win.center().y() + 4}, 9);
            }
        }
        for (double x : {c.x + 22, c.x + 98}) disk(p, {x, 356}, 11, QColor(60, 60, 70), ink(2));
    }
    box(p, QRectF(0, rail - 4, 600, 5), QColor(90, 90, 100));
}

void castle(QPainter& p, Dice& dice) {
    diagonalSky(p, QRectF(0, 0, 600, 420), QColor(255, 150, 190), QColor(255, 235, 150));
    sunWithFace(p, {45, 40}, 28, 10);
    cloud(p, {120, 85}, 0.6, QColor(255, 250, 255));
    // A friendly little dragon flying by.
    const QPointF dragon(60, 200);
    polygon(p,
            {{dragon.x() - 4, dragon.y() - 8},
             {dragon.x() - 30, dragon.y() - 44},
             {dragon.x() + 14, dragon.y() - 12}},
            QColor(120, 220, 140), ink(1.5));
    QPainterPath tail;
    tail.moveTo(dragon.x() - 22, dragon.y() + 4);
    tail.quadTo(dragon.x() - 45, dragon.y() + 20, dragon.x() - 52, dragon.y() + 2);
    p.setPen(ink(6, QColor(60, 170, 90)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tail);
    polygon(p, starShape({dragon.x() - 53, dragon.y()}, 7, 3, 3, -90), QColor(255, 120, 60));
    oval(p, dragon, 28, 15, shaded(dragon, 26, QColor(70, 190, 100)), ink(1.5));
    for (int k = 0; k < 3; ++k)
        polygon(p,
                {{dragon.x() - 14 + k * 12, dragon.y() - 13},
                 {dragon.x() - 8 + k * 12, dragon.y() - 22},
                 {dragon.x() - 2 + k * 12, dragon.y() - 13}},
                QColor(255, 200, 60));
    disk(p, {dragon.x() + 32, dragon.y() - 12}, 13, QColor(80, 200, 110), ink(1.5));
    disk(p, {dragon.x() + 35, dragon.y() - 15}, 2.5, kInk);
    oval(p, {dragon.x() + 44, dragon.y() - 8}, 5, 3, QColor(255, 160, 170));
    polygon(p,
            {{dragon.x() + 46, dragon.y() - 10},
             {dragon.x() + 60, dragon.y() - 16},
             {dragon.x() + 58, dragon.y() - 4}},
            QColor(255, 150, 40, 200));
    oval(p, {dragon.x() + 18, dragon.y() + 2}, 12, 7, QColor(230, 250, 200));
    cloud(p, {470, 230}, 0.5, QColor(255, 245, 250));
    for (QPointF b : {QPointF(420, 60), QPointF(445, 48), QPointF(190, 120)}) bird(p, b, 0.9);
    // Balloons on strings.
    for (int i = 0; i < 5; ++i) {
        const QPointF c(510 + (i % 3) * 28 - (i / 3) * 10, 80 + (i / 3) * 34 + (i % 2) * 8);
        line(p, {c.x(), c.y() + 20}, {540, 200}, ink(1.2));
        oval(p, c, 16, 20, shaded(c, 18, hsv(i * 72, 210, 255)), ink(1.2));
    }
    polygon(p, {{0, 440}, {0, 330}, {140, 300}, {300, 350}, {460, 305}, {600, 330}, {600, 440}},
            linear({0, 300}, {600, 440}, {{0, QColor(140, 220, 100)}, {1, QColor(70, 170, 70)}}));
    for (double x : {40.0, 95.0})
        leafyTree(p, {x, 370.0 - (int(x) % 3) * 4}, 0.45, QColor(40, 150, 70), QColor(255, 140, 40), dice);
    leafyTree(p, {522, 368}, 0.45, QColor(255, 160, 200), QColor(255, 255, 255), dice);
    pine(p, {575, 372}, 0.55, QColor(30, 120, 70), false);
    // Towers and walls.
    const auto stones = [&](const QRectF& r) {
        box(p, r, linear(r.topLeft(), r.topRight(), {{0, QColor(230, 225, 240)}, {1, QColor(180, 175, 200)}}),
            ink(2));
        for (double y = r.top() + 14; y < r.bottom(); y += 16) {
            line(p, {r.left(), y}, {r.right(), y}, ink(1, QColor(150, 145, 170)));
            for (double x = r.left() + (int((y - r.top()) / 16) % 2 ? 10 : 22); x < r.right(); x += 26)
                line(p, {x, y - 16}, {x, y}, ink(1, QColor(150, 145, 170)));
        }
    };
    const auto battlements = [&](double left, double right, double y) {
        for (double x = left; x < right - 8; x += 20)
            box(p, QRectF(x, y - 14, 12, 14), QColor(210, 205, 225), ink(1.5));
    };
    const auto cone = [&](double left, double right, double y, double height, const QColor& c,
                          const QColor& flag) {
        const double mid = (left + right) / 2;
        line(p, {mid, y - height}, {mid, y - height - 34}, ink(2));
        polygon(p, {{mid, y - height - 34}, {mid + 30, y - height - 26}, {mid, y - height - 18}}, flag,
                ink(1));
        polygon(p, {{left - 10, y}, {mid, y - height}, {right + 10, y}},
                linear({left, 0}, {right, 0}, {{0, c.lighter(130)}, {1, c.darker(120)}}), ink(2));
    };
    stones(QRectF(180, 220, 240, 210));
    battlements(180, 420, 220);
    stones(QRectF(120, 160, 70, 270));
    stones(QRectF(410, 180, 70, 250));
    stones(QRectF(258, 120, 84, 110));
    cone(120, 190, 160, 90, QColor(70, 110, 230), QColor(255, 220, 40));
    cone(410, 480, 180, 80, QColor(170, 80, 210), QColor(60, 210, 120));
    cone(258, 342, 120, 95, QColor(235, 60, 70), QColor(60, 170, 255));
    const auto arched = [&](QRectF r, const QColor& glass) {
        QPainterPath w;
        w.moveTo(r.left(), r.bottom());
        w.lineTo(r.left(), r.top() + r.width() / 2);
        w.arcTo(QRectF(r.left(), r.top(), r.width(), r.width()), 180, -180);
        w.lineTo(r.right(), r.bottom());
        w.closeSubpath();
        p.setPen(ink(2));
        p.setBrush(glass);
        p.drawPath(w);
    };
    arched(QRectF(140, 200, 30, 44), QColor(255, 230, 90));
    arched(QRectF(140, 300, 30, 44), QColor(120, 200, 255));
    arched(QRectF(430, 220, 30, 44), QColor(255, 170, 80));
    arched(QRectF(430, 320, 30, 44), QColor(255, 230, 90));
    disk(p, {300, 170}, 22, QColor(120, 200, 255), ink(3, QColor(255, 215, 60)));
    for (int i = 0; i < 6; ++i)
        line(p, {300, 170}, polar({300, 170}, 22, i * 60), ink(2, QColor(255, 215, 60)));
    arched(QRectF(205, 260, 34, 50), QColor(255, 210, 120));
    arched(QRectF(361, 260, 34, 50), QColor(150, 230, 160));
    arched(QRectF(255, 330, 90, 100), QColor(90, 60, 50));
    for (int i = 0; i < 5; ++i)
        line(p, {265.0 + i * 17.5, 345}, {265.0 + i * 17.5, 430}, ink(2, QColor(60, 40, 30)));
    // Banner string across the gate.
    QPainterPath sag;
    sag.moveTo(190, 240);
    sag.quadTo(300, 290, 410, 240);
    p.setPen(ink(1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(sag);
    for (int i = 1; i < 10; ++i) {
        const QPointF at = sag.pointAtPercent(i / 10.0);
        polygon(p, {at, {at.x() + 12, at.y()}, {at.x() + 6, at.y() + 14}}, hsv(i * 40, 200, 255));
    }
    // Moat and drawbridge.
    box(p, QRectF(0, 430, 600, 48),
        linear({0, 430}, {600, 478}, {{0, QColor(90, 190, 240)}, {1, QColor(40, 110, 200)}}));
    scatterMarks(p, dice, QRectF(0, 435, 600, 40), 25, QColor(255, 255, 255, 170), 0);
    // Something different on each stretch of the moat, and on each tower's foot.
    for (QPointF d : {QPointF(45, 452), QPointF(80, 458)}) {
        oval(p, d, 13, 7, shaded(d, 12, QColor(255, 220, 40)), ink(1.2));
        disk(p, {d.x() + 9, d.y() - 8}, 6, QColor(255, 225, 50), ink(1.2));
        polygon(p, {{d.x() + 14, d.y() - 9}, {d.x() + 21, d.y() - 7}, {d.x() + 14, d.y() - 5}},
                QColor(255, 130, 20));
    }
    p.setPen(ink(1.5, QColor(20, 100, 40)));
    p.setBrush(QColor(60, 170, 70));
    p.drawPie(QRectF(150, 448, 44, 20), 30 * 16, 320 * 16);
    flower(p, {168, 452}, 10, QColor(255, 150, 200), QColor(255, 230, 80), 6);
    fish(p, {440, 445}, 34, QColor(255, 130, 30), Qt::white, false, 1);
    for (int i = 0; i < 5; ++i) disk(p, polar({440, 468}, 14, 200 + i * 35), 3, QColor(255, 255, 255, 220));
    polygon(p, {{515, 450}, {575, 450}, {565, 466}, {525, 466}}, QColor(150, 90, 200), ink(1.5));
    disk(p, {545, 440}, 8, QColor(255, 220, 180), ink(1.2));
    line(p, {530, 436}, {570, 462}, ink(2.5, QColor(160, 110, 60)));
    QPainterPath smallDoor;
    smallDoor.moveTo(140, 430);
    smallDoor.lineTo(140, 405);
    smallDoor.arcTo(QRectF(140, 395, 26, 22), 180, -180);
    smallDoor.lineTo(166, 430);
    p.setPen(ink(1.5));
    p.setBrush(QColor(150, 90, 50));
    p.drawPath(smallDoor);
    QPainterPath shield;
    shield.moveTo(428, 388);
    shield.lineTo(462, 388);
    shield.lineTo(462, 404);
    shield.quadTo(462, 420, 445, 428);
    shield.quadTo(428, 420, 428, 404);
    shield.closeSubpath();
    p.setBrush(QColor(220, 40, 60));
    p.drawPath(shield);
    star(p, {445, 405}, 9, QColor(255, 220, 40));
    polygon(p, {{255, 430}, {345, 430}, {360, 485}, {240, 485}}, QColor(170, 110, 60), ink(2));
    for (int i = 1; i < 6; ++i)
        line(p, {255.0 - i * 2.5, 430.0 + i * 9}, {345.0 + i * 2.5, 430.0 + i * 9},
             ink(1, QColor(110, 70, 30)));
    line(p, {258, 340}, {245, 482}, ink(1.5, QColor(80, 80, 90)));
    line(p, {342, 340}, {355, 482}, ink(1.5, QColor(80, 80, 90)));
    // Garden in front: path, mushrooms, flowers and a frog.
    box(p, QRectF(0, 478, 600, 122),
        linear({0, 478}, {600, 600}, {{0, QColor(130, 210, 90)}, {1, QColor(60, 160, 60)}}));
    polygon(p, {{240, 485}, {360, 485}, {420, 600}, {180, 600}}, QColor(240, 215, 160));
    for (int i = 0; i < 7; ++i)
        oval(p, {300.0 + (i % 2 ? 18 : -18), 500.0 + i * 15}, 14 + i * 2, 5 + i, QColor(200, 190, 170),
             ink(1, QColor(150, 140, 120)));
    scatterMarks(p, dice, QRectF(0, 485, 600, 115), 70, QColor(30, 120, 40), 1);
    for (auto [c, r] :
         {std::pair{QPointF(70, 560), 26.0}, {QPointF(130, 585), 16.0}, {QPointF(470, 585), 20.0}}) {
        box(p, QRectF(c.x() - r * 0.3, c.y(), r * 0.6, r * 0.8), QColor(255, 245, 225), ink(1.2));
        QPainterPath capShape;
        capShape.moveTo(c.x() - r, c.y() + 2);
        capShape.arcTo(QRectF(c.x() - r, c.y() - r * 0.8, 2 * r, r * 1.6), 180, -180);
        capShape.closeSubpath();
        p.setPen(ink(1.5));
        p.setBrush(shaded(c, r, QColor(230, 40, 40)));
        p.drawPath(capShape);
        for (int k = 0; k < 3; ++k)
            disk(p, {c.x() - r * 0.5 + k * r * 0.5, c.y() - r * 0.35 - (k % 2) * r * 0.2}, r * 0.13,
                 Qt::white);
    }
    for (int i = 0; i < 14; ++i) {
        const double x = 15 + i * 43 + dice.real(-8, 8);
        if (x > 170 && x < 430) continue;
        stemmedFlower(p, {x, 520 + dice.real(-8, 10)}, 20, dice.real(8, 11), hsv(i * 53 + 10, 170, 255),
                      QColor(255, 240, 100), dice.real(0, 60));
    }
    const QPointF frog(545, 525);
    oval(p, frog, 26, 18, shaded(frog, 24, QColor(90, 200, 70)), ink(1.5));
    for (int side : {-1, 1}) {
        disk(p, {frog.x() + side * 12, frog.y() - 16}, 8, QColor(90, 200, 70), ink(1.5));
        disk(p, {frog.x() + side * 12, frog.y() - 16}, 4, Qt::white);
        disk(p, {frog.x() + side * 12, frog.y() - 16}, 2, kInk);
    }
    p.setPen(ink(1.5));
    p.drawArc(QRectF(frog.x() - 10, frog.y() - 6, 20, 10), 200 * 16, 140 * 16);
}

void farm(QPainter& p, Dice& dice) {
    diagonalSky(p, QRectF(0, 0, 600, 280), QColor(90, 180, 255), QColor(220, 245, 255));
    sunWithFace(p, {300, 70}, 40);
    cloud(p, {100, 60}, 0.65);
    cloud(p, {430, 52}, 0.6);
    for (QPointF b :
         {QPointF(40, 150), QPointF(66, 138), QPointF(88, 156), QPointF(200, 150), QPointF(420, 130)})
        bird(p, b, 0.9);
    // A kite over the field.
    polygon(p, {{190, 40}, {215, 70}, {190, 110}, {165, 70}}, QColor(255, 90, 90), ink(1.5));
    polygon(p, {{190, 40}, {215, 70}, {165, 70}}, QColor(255, 220, 60));
    QPainterPath kiteTail;
    kiteTail.moveTo(190, 110);
    kiteTail.cubicTo(175, 130, 205, 140, 185, 165);
    p.setPen(ink(1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(kiteTail);
    for (int k = 0; k < 3; ++k)
        polygon(p, starShape(kiteTail.pointAtPercent(0.3 + k * 0.3), 6, 2, 4, 0),
                hsv(k * 110 + 200, 220, 255));
    // Striped fields on the hill behind.
    polygon(p, {{0, 300}, {0, 225}, {200, 195}, {420, 230}, {600, 200}, {600, 300}}, QColor(120, 190, 80));
    for (int i = 0; i < 9; ++i) {
        const double x = -150 + i * 95;
        polygon(p, {{x + 140, 200}, {x + 180, 200}, {x + 90, 300}, {x + 40, 300}},
                i % 2 ? QColor(250, 210, 80) : QColor(90, 170, 60));
    }
    box(p, QRectF(0, 290, 600, 310),
        linear({0, 290}, {600, 600}, {{0, QColor(140, 215, 90)}, {1, QColor(70, 170, 70)}}));
    scatterMarks(p, dice, QRectF(0, 300, 600, 300), 110, QColor(40, 130, 40), 1);
    // Tractor on the field.
    box(p, QRectF(130, 230, 60, 30), QColor(40, 170, 70), ink(1.5));
    box(p, QRectF(160, 205, 30, 28), QColor(40, 150, 60), ink(1.5));
    box(p, QRectF(165, 210, 20, 14), QColor(170, 230, 255));
    line(p, {140, 230}, {140, 210}, ink(3, QColor(80, 80, 80)));
    disk(p, {178, 262}, 17, QColor(50, 50, 50), ink(2));
    disk(p, {178, 262}, 7, QColor(255, 200, 40));
    disk(p, {138, 268}, 10, QColor(50, 50, 50), ink(2));
    disk(p, {138, 268}, 4, QColor(255, 200, 40));
    // Barn and silo.
    box(p, QRectF(538, 135, 54, 225),
        linear({538, 0}, {592, 0}, {{0, QColor(220, 220, 230)}, {1, QColor(150, 150, 170)}}), ink(2));
    p.setPen(ink(2));
    p.setBrush(QColor(120, 170, 230));
    p.drawChord(QRectF(538, 110, 54, 50), 0, 180 * 16);
    for (double y = 170; y < 360; y += 38) line(p, {538, y}, {592, y}, ink(1.2, QColor(120, 120, 140)));
    polygon(p, {{350, 360}, {350, 230}, {390, 170}, {490, 170}, {530, 230}, {530, 360}},
            linear({350, 0}, {530, 0}, {{0, QColor(230, 60, 50)}, {1, QColor(180, 30, 30)}}), ink(2));
    polygon(p, {{342, 232}, {388, 162}, {492, 162}, {538, 232}}, Qt::NoBrush, ink(6, Qt::white));
    box(p, QRectF(400, 270, 80, 90), QColor(200, 40, 40), ink(4, Qt::white));
    line(p, {400, 270}, {480, 360}, ink(4, Qt::white));
    line(p, {480, 270}, {400, 360}, ink(4, Qt::white));
    box(p, QRectF(420, 195, 40, 36), QColor(255, 220, 110), ink(4, Qt::white));
    for (int i = 0; i < 5; ++i)
        line(p, {424.0 + i * 8, 231}, {428.0 + i * 7, 212}, ink(2, QColor(200, 150, 40)));
    // A scarecrow in the field and an apple tree behind the fence.
    line(p, {290, 300}, {290, 205}, ink(5, QColor(130, 90, 50)));
    line(p, {255, 235}, {325, 235}, ink(5, QColor(130, 90, 50)));
    polygon(p, {{272, 228}, {308, 228}, {312, 275}, {268, 275}}, QColor(60, 120, 220), ink(1.5));
    for (int k = 0; k < 3; ++k) box(p, QRectF(272, 240.0 + k * 12, 36, 5), QColor(230, 60, 60));
    disk(p, {290, 212}, 14, QColor(250, 230, 170), ink(1.5));
    smile(p, {290, 214}, 12);
    polygon(p, {{268, 204}, {312, 204}, {296, 186}, {284, 186}}, QColor(240, 200, 60), ink(1.5));
    box(p, QRectF(262, 202, 56, 5), QColor(240, 200, 60), ink(1));
    for (int side : {-1, 1})
        polygon(p, {{290.0 + side * 35, 230}, {290.0 + side * 45, 226}, {290.0 + side * 44, 240}},
                QColor(250, 220, 90));
    leafyTree(p, {45, 335}, 0.6, QColor(60, 170, 60), QColor(230, 40, 40), dice);
    // A weathervane with a cockerel on the silo.
    line(p, {565, 112}, {565, 40}, ink(2.5, QColor(80, 80, 90)));
    line(p, {545, 70}, {585, 70}, ink(2, QColor(80, 80, 90)));
    polygon(p, {{545, 70}, {552, 66}, {552, 74}}, QColor(80, 80, 90));
    QPainterPath cock;
    cock.moveTo(550, 48);
    cock.quadTo(552, 30, 568, 36);
    cock.lineTo(574, 28);
    cock.lineTo(578, 38);
    cock.quadTo(590, 44, 582, 56);
    cock.lineTo(556, 56);
    cock.closeSubpath();
    p.setPen(ink(1.5));
    p.setBrush(QColor(255, 190, 40));
    p.drawPath(cock);
    polygon(p, {{550, 48}, {538, 40}, {542, 54}}, QColor(230, 60, 40), ink(1));
    // Fence with irregular posts.
    for (double x = 0; x < 340; x += 37 + (int(x) % 4) * 3)
        box(p, QRectF(x, 330, 10, 52), QColor(180, 120, 70), ink(1, QColor(110, 70, 40)));
    box(p, QRectF(0, 340, 340, 7), QColor(200, 140, 80));
    box(p, QRectF(0, 360, 340, 7), QColor(200, 140, 80));
    // Hay bales.
    for (auto [c, r] : {std::pair{QPointF(560, 390), 24.0}, {QPointF(585, 412), 18.0}}) {
        disk(p, c, r, shaded(c, r, QColor(240, 200, 80)), ink(1.5, QColor(180, 140, 40)));
        p.setPen(ink(1.5, QColor(190, 150, 50)));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(c.x() - r * 0.6, c.y() - r * 0.6, r * 1.2, r * 1.2), 0, 270 * 16);
    }
    // Cow.
    const QPointF cow(150, 415);
    for (double dx : {-40.0, -22.0, 22.0, 40.0})
        box(p, QRectF(cow.x() + dx - 6, cow.y() + 20, 12, 40), QColor(250, 250, 250), ink(1.5));
    QPainterPath cowBody;
    cowBody.addEllipse(cow, 62, 36);
    p.setPen(ink(2));
    p.setBrush(QColor(255, 255, 255));
    p.drawPath(cowBody);
    p.save();
    p.setClipPath(cowBody);
    for (auto [c, r] : {std::pair{QPointF(130, 400), 18.0},
                        {QPointF(175, 425), 22.0},
                        {QPointF(105, 440), 13.0},
                        {QPointF(190, 392), 11.0}})
        oval(p, c, r * 1.2, r, kInk);
    p.restore();
    oval(p, {cow.x() + 4, cow.y() + 34}, 14, 8, QColor(255, 170, 190));
    line(p, {cow.x() - 60, cow.y() - 5}, {cow.x() - 76, cow.y() + 30}, ink(3));
    disk(p, {cow.x() - 76, cow.y() + 32}, 6, kInk);
    const QPointF head(cow.x() + 70, cow.y() - 30);
    polygon(p,
            {{head.x() - 14, head.y() - 20}, {head.x() - 22, head.y() - 36}, {head.x() - 6, head.y() - 24}},
            QColor(255, 230, 150), ink(1.2));
    polygon(p,
            {{head.x() + 14, head.y() - 20}, {head.x() + 22, head.y() - 36}, {head.x() + 6, head.y() - 24}},
            QColor(255, 230, 150), ink(1.2));
    oval(p, head, 26, 24, Qt::white, ink(2));
    oval(p, {head.x(), head.y() + 14}, 20, 13, QColor(255, 180, 190), ink(1.5));
    disk(p, {head.x() - 7, head.y() + 14}, 3, kInk);
    disk(p, {head.x() + 7, head.y() + 14}, 3, kInk);
    disk(p, {head.x() - 9, head.y() - 6}, 3.5, kInk);
    disk(p, {head.x() + 9, head.y() - 6}, 3.5, kInk);
    // Pig.
    const QPointF pig(330, 500);
    for (double dx : {-26.0, -10.0, 14.0, 28.0})
        box(p, QRectF(pig.x() + dx - 5, pig.y() + 16, 10, 24), QColor(255, 170, 190), ink(1.2));
    oval(p, pig, 48, 32, shaded(pig, 46, QColor(255, 170, 190)), ink(2));
    p.setPen(ink(2.5, QColor(230, 120, 150)));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(pig.x() - 60, pig.y() - 16, 14, 14), 0, 300 * 16);
    const QPointF snout(pig.x() + 48, pig.y() - 10);
    disk(p, {snout.x() - 8, snout.y()}, 24, QColor(255, 180, 200), ink(2));
    polygon(
        p,
        {{snout.x() - 24, snout.y() - 16}, {snout.x() - 20, snout.y() - 36}, {snout.x() - 8, snout.y() - 22}},
        QColor(255, 150, 180), ink(1.2));
    oval(p, {snout.x() + 10, snout.y() + 4}, 10, 8, QColor(255, 140, 170), ink(1.5));
    disk(p, {snout.x() + 7, snout.y() + 4}, 2, kInk);
    disk(p, {snout.x() + 13, snout.y() + 4}, 2, kInk);
    disk(p, {snout.x() - 10, snout.y() - 8}, 3, kInk);
    // Sheep.
    const QPointF sheep(490, 480);
    for (double dx : {-22.0, -8.0, 10.0, 24.0})
        box(p, QRectF(sheep.x() + dx - 4, sheep.y() + 14, 8, 28), QColor(70, 70, 80));
    for (int i = 0; i < 12; ++i)
        disk(p, polar(sheep, 30, i * 30) + QPointF(0, 0), 16, QColor(250, 250, 245),
             ink(1.2, QColor(190, 190, 200)));
    disk(p, sheep, 30, QColor(250, 250, 245));
    oval(p, {sheep.x() - 44, sheep.y() - 14}, 14, 18, QColor(80, 80, 90), ink(1.5));
    disk(p, {sheep.x() - 48, sheep.y() - 18}, 3, Qt::white);
    disk(p, {sheep.x() - 40, sheep.y() - 18}, 3, Qt::white);
    // Hen and chicks.
    const QPointF hen(90, 545);
    oval(p, hen, 26, 20, shaded(hen, 24, QColor(255, 250, 240)), ink(1.5));
    disk(p, {hen.x() + 20, hen.y() - 22}, 12, QColor(255, 250, 240), ink(1.5));
    polygon(p, starShape({hen.x() + 20, hen.y() - 36}, 8, 4, 3, -90), QColor(230, 40, 40));
    polygon(p, {{hen.x() + 30, hen.y() - 24}, {hen.x() + 42, hen.y() - 20}, {hen.x() + 30, hen.y() - 17}},
            QColor(255, 160, 30));
    disk(p, {hen.x() + 23, hen.y() - 25}, 2.5, kInk);
    for (double dx : {-6.0, 8.0})
        line(p, {hen.x() + dx, hen.y() + 18}, {hen.x() + dx, hen.y() + 32}, ink(2.5, QColor(255, 160, 30)));
    for (QPointF c : {QPointF(160, 570), QPointF(190, 585), QPointF(215, 565)}) {
        disk(p, c, 10, shaded(c, 10, QColor(255, 225, 40)), ink(1.2));
        polygon(p, {{c.x() + 9, c.y() - 2}, {c.x() + 15, c.y()}, {c.x() + 9, c.y() + 2}},
                QColor(255, 140, 20));
        disk(p, {c.x() + 4, c.y() - 3}, 1.6, kInk);
    }
    // A wheelbarrow of pumpkins and a ladybird on a leaf.
    polygon(p, {{230, 548}, {300, 548}, {290, 580}, {240, 580}}, QColor(120, 160, 220), ink(1.5));
    for (auto [c, r] :
         {std::pair{QPointF(248, 540), 13.0}, {QPointF(272, 536), 15.0}, {QPointF(292, 542), 11.0}}) {
        oval(p, c, r * 1.2, r, shaded(c, r, QColor(255, 140, 30)), ink(1.2, QColor(180, 80, 10)));
        line(p, {c.x(), c.y() - r}, {c.x() + 2, c.y() - r - 6}, ink(2.5, QColor(60, 120, 40)));
    }
    disk(p, {262, 588}, 9, QColor(60, 60, 70), ink(1.5));
    line(p, {300, 556}, {330, 570}, ink(3, QColor(130, 90, 50)));
    oval(p, {215, 470}, 16, 8, QColor(70, 180, 60), ink(1, QColor(30, 110, 40)));
    oval(p, {215, 466}, 7, 6, QColor(230, 30, 30), ink(1));
    disk(p, {213, 465}, 1.5, kInk);
    disk(p, {218, 468}, 1.5, kInk);
    // Pond with a duck.
    oval(p, {480, 575}, 90, 28,
         linear({390, 550}, {570, 600}, {{0, QColor(110, 200, 250)}, {1, QColor(40, 120, 210)}}),
         ink(2, QColor(60, 130, 80)));
    oval(p, {460, 572}, 16, 9, QColor(255, 255, 255), ink(1.2));
    disk(p, {472, 560}, 7, QColor(40, 150, 80), ink(1.2));
    polygon(p, {{478, 559}, {486, 561}, {478, 563}}, QColor(255, 170, 30));
    for (int i = 0; i < 9; ++i) {
        const double x = 250 + i * 37 + dice.real(-6, 6);
        if (x > 370 && x < 430) continue;
        stemmedFlower(p, {x, 595}, 18, 8, hsv(i * 61 + 20, 180, 255), QColor(255, 235, 90), dice.real(0, 60));
    }
    stemmedFlower(p, {30, 430}, 20, 9, QColor(255, 110, 160), QColor(255, 240, 100));
    stemmedFlower(p, {275, 400}, 18, 8, QColor(130, 120, 255), QColor(255, 240, 100));
}

void beach(QPainter& p, Dice& dice) {
    diagonalSky(p, QRectF(0, 0, 600, 240), QColor(60, 170, 250), QColor(210, 245, 255));
    sunWithFace(p, {510, 75}, 42);
    cloud(p, {130, 70}, 0.7);
    cloud(p, {330, 120}, 0.45);
    for (QPointF b : {QPointF(250, 60), QPointF(276, 48), QPointF(400, 170)})
        bird(p, b, 1.0, QColor(70, 70, 90));
    box(p, QRectF(0, 230, 600, 170),
        linear({0, 230}, {600, 400},
               {{0, QColor(30, 110, 210)}, {0.6, QColor(40, 170, 220)}, {1, QColor(90, 220, 220)}}));
    scatterMarks(p, dice, QRectF(0, 240, 600, 150), 60, QColor(255, 255, 255, 160), 0);
    // A lighthouse on a rock and a big seagull.
    oval(p, {45, 238}, 42, 14, shaded({45, 238}, 40, QColor(140, 130, 130)), ink(1.5));
    polygon(p, {{30, 232}, {36, 150}, {54, 150}, {60, 232}}, Qt::white, ink(1.5));
    p.save();
    QPainterPath tower;
    tower.addPolygon(QPolygonF{{30, 232}, {36, 150}, {54, 150}, {60, 232}});
    p.setClipPath(tower);
    for (double y : {160.0, 196.0}) box(p, QRectF(20, y, 50, 18), QColor(235, 50, 50));
    p.restore();
    box(p, QRectF(34, 132, 22, 18), QColor(255, 230, 90), ink(1.5));
    polygon(p, {{30, 132}, {45, 116}, {60, 132}}, QColor(235, 50, 50), ink(1.5));
    polygon(p, {{56, 136}, {110, 122}, {110, 150}}, QColor(255, 250, 170, 130));
    const QPointF gull(322, 190);
    QPainterPath wings;
    wings.moveTo(gull.x() - 40, gull.y() - 8);
    wings.quadTo(gull.x() - 20, gull.y() - 26, gull.x(), gull.y());
    wings.quadTo(gull.x() + 20, gull.y() - 26, gull.x() + 40, gull.y() - 8);
    wings.quadTo(gull.x() + 20, gull.y() - 12, gull.x(), gull.y() + 6);
    wings.quadTo(gull.x() - 20, gull.y() - 12, gull.x() - 40, gull.y() - 8);
    p.setPen(ink(1.5, QColor(90, 100, 120)));
    p.setBrush(QColor(250, 250, 255));
    p.drawPath(wings);
    oval(p, {gull.x(), gull.y() + 2}, 9, 6, Qt::white, ink(1.2, QColor(90, 100, 120)));
    polygon(p, {{gull.x() + 7, gull.y() + 2}, {gull.x() + 16, gull.y() + 4}, {gull.x() + 7, gull.y() + 6}},
            QColor(255, 170, 30));
    // Island with palm tree.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 210, 140));
    p.drawChord(QRectF(400, 230, 150, 36), 0, 180 * 16);
    QPainterPath trunk;
    trunk.moveTo(470, 250);
    trunk.quadTo(470, 200, 490, 170);
    p.setPen(ink(7, QColor(140, 90, 50)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(trunk);
    for (int i = 0; i < 6; ++i) {
        QPainterPath leaf;
        const QPointF end = polar({490, 170}, 46, -170 + i * 45);
        leaf.moveTo(490, 170);
        leaf.quadTo(QPointF((490 + end.x()) / 2, std::min(170.0, end.y()) - 18), end);
        p.setPen(ink(6, QColor(40, 160, 60)));
        p.drawPath(leaf);
    }
    for (int i = 0; i < 3; ++i) disk(p, {484.0 + i * 7, 176}, 5, QColor(130, 80, 40));
    // Sailboat and dolphin.
    polygon(p, {{90, 300}, {190, 300}, {175, 320}, {105, 320}}, QColor(255, 255, 255), ink(2));
    line(p, {140, 300}, {140, 215}, ink(3, QColor(110, 70, 40)));
    polygon(p, {{143, 220}, {143, 295}, {195, 295}}, QColor(255, 90, 60), ink(1.5));
    polygon(p, {{137, 230}, {137, 295}, {100, 295}}, QColor(255, 220, 60), ink(1.5));
    QPainterPath dolphin;
    dolphin.moveTo(280, 300);
    dolphin.cubicTo(300, 250, 360, 240, 385, 280);
    dolphin.cubicTo(360, 265, 320, 270, 300, 305);
    dolphin.closeSubpath();
    p.setPen(ink(2));
    p.setBrush(linear({280, 250}, {385, 300}, {{0, QColor(120, 160, 220)}, {1, QColor(70, 100, 170)}}));
    p.drawPath(dolphin);
    polygon(p, {{330, 257}, {338, 236}, {348, 256}}, QColor(90, 120, 190), ink(1.5));
    disk(p, {365, 265}, 3, kInk);
    for (int i = 0; i < 6; ++i) disk(p, polar({290, 310}, 16, 190 + i * 30), 4, QColor(255, 255, 255, 210));
    // A swimmer in a rubber ring and a buoy.
    disk(p, {450, 312}, 14, QColor(255, 220, 180), ink(1.2));
    smile(p, {450, 312}, 14);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 40, 30));
    p.drawPie(QRectF(436, 298, 28, 22), 0, 180 * 16);
    p.setPen(QPen(QColor(255, 120, 190), 12));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(450, 334), 30, 10);
    p.setPen(QPen(QColor(255, 255, 255), 12, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(QRectF(420, 324, 60, 20), 60 * 16, 40 * 16);
    p.drawArc(QRectF(420, 324, 60, 20), 240 * 16, 40 * 16);
    polygon(p, {{548, 300}, {556, 265}, {564, 300}}, QColor(240, 50, 50), ink(1.5));
    box(p, QRectF(551, 276, 10, 8), Qt::white);
    oval(p, {556, 302}, 16, 6, QColor(240, 50, 50), ink(1.5));
    disk(p, {556, 262}, 4, QColor(255, 240, 120));
    // Foam line and sand.
    QPainterPath sand;
    sand.moveTo(0, 600);
    for (int x = 0; x <= 600; x += 10) sand.lineTo(x, 385 + 12 * std::sin(x / 40.0) + 6 * std::sin(x / 13.0));
    sand.lineTo(600, 600);
    p.setPen(ink(9, QColor(255, 255, 255, 230)));
    p.setBrush(linear({0, 380}, {600, 600}, {{0, QColor(255, 235, 170)}, {1, QColor(240, 190, 110)}}));
    p.drawPath(sand);
    scatterMarks(p, dice, QRectF(0, 420, 600, 180), 90, QColor(200, 150, 80), 2);
    // Towel and a striped umbrella.
    polygon(p, {{95, 520}, {285, 500}, {315, 570}, {115, 595}}, QColor(60, 120, 230));
    for (int i = 0; i < 4; ++i) {
        const double t = i / 4.0 + 0.06;
        polygon(p,
                {{95 + 190 * t, 520 - 20 * t},
                 {95 + 190 * (t + 0.12), 520 - 20 * (t + 0.12)},
                 {115 + 200 * (t + 0.12), 595 - 25 * (t + 0.12)},
                 {115 + 200 * t, 595 - 25 * t}},
                QColor(255, 230, 60));
    }
    line(p, {200, 545}, {200, 335}, ink(4, QColor(120, 80, 50)));
    QPainterPath canopy;
    canopy.moveTo(95, 395);
    canopy.arcTo(QRectF(95, 330, 210, 130), 180, -180);
    for (int k = 5; k >= 0; --k) canopy.quadTo(95 + k * 35 + 17.5, 410, 95 + k * 35, 395);
    canopy.closeSubpath();
    p.save();
    p.setClipPath(canopy);
    box(p, QRectF(90, 320, 220, 100), Qt::white);
    for (int k = 0; k < 6; k += 2) {
        const double x0 = 95.0 + k * 35, x1 = x0 + 35;
        polygon(p, {{200, 320}, {200 + (x0 - 200) * 4, 720}, {200 + (x1 - 200) * 4, 720}},
                QColor(240, 50, 60));
    }
    p.restore();
    p.setPen(ink(1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(canopy);
    disk(p, {200, 330}, 5, QColor(255, 210, 40), ink(1));
    // A kite flying over the sea.
    polygon(p, {{215, 120}, {240, 150}, {215, 195}, {190, 150}}, QColor(150, 80, 230), ink(1.5));
    polygon(p, {{215, 120}, {240, 150}, {215, 150}}, QColor(255, 200, 40));
    polygon(p, {{215, 150}, {190, 150}, {215, 195}}, QColor(60, 200, 120));
    QPainterPath tail;
    tail.moveTo(215, 195);
    tail.cubicTo(200, 215, 235, 225, 215, 245);
    p.setPen(ink(1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tail);
    for (int k = 0; k < 3; ++k)
        polygon(p, starShape(tail.pointAtPercent(0.3 + k * 0.3), 6, 2, 4, 0), hsv(k * 100, 220, 255));
    // Sandcastle with a flag, bucket and spade.
    const QColor sandy(225, 180, 100);
    box(p, QRectF(370, 450, 110, 60), sandy, ink(1.5, QColor(170, 120, 60)));
    for (double x : {360.0, 455.0}) {
        box(p, QRectF(x, 420, 35, 90), sandy.lighter(108), ink(1.5, QColor(170, 120, 60)));
        for (int k = 0; k < 3; ++k)
            box(p, QRectF(x + k * 13, 412, 9, 9), sandy.lighter(108), ink(1.2, QColor(170, 120, 60)));
    }
    QPainterPath door;
    door.addEllipse(QRectF(410, 475, 30, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 100, 50));
    p.drawPath(door.intersected([] {
        QPainterPath r;
        r.addRect(QRectF(400, 470, 50, 40));
        return r;
    }()));
    line(p, {377, 412}, {377, 375}, ink(2));
    polygon(p, {{377, 375}, {400, 382}, {377, 390}}, QColor(255, 60, 120));
    polygon(p, {{510, 520}, {560, 520}, {552, 575}, {518, 575}}, QColor(60, 200, 120), ink(1.5));
    p.setPen(ink(2.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(512, 498, 46, 46), 0, 180 * 16);
    line(p, {575, 585}, {590, 520}, ink(3, QColor(230, 60, 60)));
    oval(p, {591, 512}, 7, 12, QColor(255, 140, 40), ink(1.2));
    beachBall(p, {270, 452}, 26, 30);
    // Crab, starfish, shells.
    const QPointF crab(45, 470);
    oval(p, crab, 22, 14, shaded(crab, 22, QColor(235, 70, 40)), ink(1.5));
    for (int side : {-1, 1}) {
        disk(p, {crab.x() + side * 28, crab.y() - 16}, 8, QColor(235, 70, 40), ink(1.2));
        for (int l = 0; l < 3; ++l)
            line(p, {crab.x() + side * 16, crab.y() + 4 + l * 4},
                 {crab.x() + side * 30, crab.y() + 12 + l * 5}, ink(2.5, QColor(200, 50, 30)));
        disk(p, {crab.x() + side * 7, crab.y() - 16}, 4, Qt::white, ink(1));
    }
    star(p, {340, 565}, 20, QColor(255, 110, 80), -80);
    star(p, {560, 440}, 14, QColor(255, 190, 40), -100);
    for (QPointF c : {QPointF(240, 430), QPointF(440, 570), QPointF(20, 560)}) {
        p.setPen(ink(1.5, QColor(200, 120, 140)));
        p.setBrush(QColor(255, 200, 210));
        p.drawPie(QRectF(c.x() - 14, c.y() - 12, 28, 28), 0, 180 * 16);
        for (int k = 0; k < 4; ++k)
            line(p, {c.x(), c.y() + 2}, polar({c.x(), c.y() + 2}, 13, -170 + k * 50),
                 ink(1, QColor(200, 120, 140)));
    }
}

void snowTown(QPainter& p, Dice& dice) {
    box(p, QRectF(0, 0, 600, 360),
        linear({0, 0}, {300, 360},
               {{0, QColor(20, 30, 90)}, {0.7, QColor(70, 60, 150)}, {1, QColor(140, 110, 190)}}));
    for (int i = 0; i < 60; ++i)
        disk(p, {dice.real(0, 600), dice.real(0, 240)}, dice.real(0.8, 2), QColor(255, 255, 230));
    // Northern lights: three ribbons that rise and fall differently across the sky.
    for (auto [y, hue, amp] : {std::tuple{70.0, 140, 30.0}, {115.0, 175, 24.0}, {160.0, 300, 20.0}}) {
        QPainterPath ribbon;
        ribbon.moveTo(0, y);
        for (int x = 0; x <= 600; x += 15) ribbon.lineTo(x, y + amp * std::sin(x / 70.0 + y));
        for (int x = 600; x >= 0; x -= 15) ribbon.lineTo(x, y + 40 + amp * std::sin(x / 70.0 + y) * 0.7);
        ribbon.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(linear({0, y - amp}, {600, y + 50},
                          {{0, hsv(hue, 200, 255, 170)}, {1, hsv(hue + 40, 150, 255, 40)}}));
        p.drawPath(ribbon);
    }
    // A shooting star, the Big Dipper, an aeroplane, a bright star and the moon along the top.
    polygon(p, {{0, 15}, {95, 66}, {88, 78}},
            linear({0, 15}, {95, 72}, {{0, QColor(255, 255, 200, 0)}, {1, QColor(255, 255, 220, 230)}}));
    star(p, {95, 72}, 13, QColor(255, 245, 150), -60);
    const QPointF dipper[] = {{140, 40}, {170, 52}, {196, 60}, {222, 76}, {228, 108}, {262, 112}, {266, 80}};
    for (int i = 0; i + 1 < 7; ++i) line(p, dipper[i], dipper[i + 1], ink(1.2, QColor(200, 210, 255, 160)));
    line(p, dipper[3], dipper[6], ink(1.2, QColor(200, 210, 255, 160)));
    for (QPointF c : dipper) star(p, c, 6, QColor(255, 250, 200));
    p.save();
    p.translate(345, 40);
    p.rotate(-8);
    oval(p, {0, 0}, 32, 7, QColor(230, 230, 245), ink(1.2));
    polygon(p, {{-4, 0}, {-16, -22}, {-6, -22}, {10, 0}}, QColor(200, 200, 225), ink(1.2));
    polygon(p, {{-4, 2}, {-14, 20}, {-4, 20}, {10, 2}}, QColor(200, 200, 225), ink(1.2));
    polygon(p, {{-28, 0}, {-36, -14}, {-26, -4}}, QColor(230, 60, 60), ink(1));
    disk(p, {-16, -22}, 3, QColor(255, 60, 60));
    disk(p, {-14, 20}, 3, QColor(60, 255, 120));
    for (int i = 0; i < 4; ++i) disk(p, {6.0 + i * 6, -1}, 1.8, QColor(255, 230, 120));
    p.restore();
    star(p, {440, 55}, 16, QColor(255, 230, 120));
    disk(p, {530, 62}, 36, shaded({530, 62}, 36, QColor(255, 245, 200)));
    smile(p, {530, 62}, 30);
    // A reindeer pulling a red sleigh across the sky.
    QPainterPath sleigh;
    sleigh.moveTo(62, 196);
    sleigh.lineTo(104, 196);
    sleigh.quadTo(112, 176, 100, 172);
    sleigh.lineTo(70, 184);
    sleigh.closeSubpath();
    p.setPen(ink(1.5));
    p.setBrush(QColor(230, 40, 50));
    p.drawPath(sleigh);
    p.setPen(ink(2, QColor(255, 210, 60)));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(56, 194, 56, 10), 180 * 16, 180 * 16);
    box(p, QRectF(78, 168, 18, 16), QColor(60, 160, 80), ink(1));
    line(p, {62, 190}, {40, 184}, ink(1.2, QColor(255, 230, 150)));
    oval(p, {30, 182}, 15, 7, QColor(170, 110, 60), ink(1.2));
    for (double dx : {-10.0, -4.0, 6.0, 12.0})
        line(p, {30 + dx, 186}, {26 + dx * 1.3, 196}, ink(2, QColor(150, 95, 50)));
    disk(p, {16, 174}, 6, QColor(170, 110, 60), ink(1.2));
    disk(p, {11, 175}, 2.5, QColor(255, 50, 50));
    line(p, {18, 169}, {22, 158}, ink(1.5, QColor(120, 80, 40)));
    line(p, {20, 163}, {27, 160}, ink(1.5, QColor(120, 80, 40)));
    // Mountains with a cable car running from a peak to the right.
    polygon(p,
            {{0, 360},
             {0, 250},
             {110, 190},
             {200, 250},
             {330, 175},
             {450, 250},
             {540, 205},
             {600, 230},
             {600, 360}},
            linear({0, 180}, {600, 360}, {{0, QColor(220, 230, 255)}, {1, QColor(150, 170, 220)}}));
    for (QPointF pk : {QPointF(110, 190), QPointF(330, 175), QPointF(540, 205)})
        polygon(p, {pk, {pk.x() - 22, pk.y() + 14}, {pk.x() + 22, pk.y() + 14}}, QColor(120, 140, 200, 120));
    line(p, {338, 180}, {600, 135}, ink(1.5, QColor(60, 60, 80)));
    for (auto [x, colour] : {std::pair{430.0, QColor(230, 50, 60)}, {540.0, QColor(255, 200, 40)}}) {
        const double y = 180 - (x - 338) * 45 / 262;
        line(p, {x, y}, {x, y + 14}, ink(1.5, QColor(60, 60, 80)));
        box(p, QRectF(x - 15, y + 14, 30, 24), colour, ink(1.5));
        box(p, QRectF(x - 10, y + 18, 20, 9), QColor(255, 240, 170));
    }
    box(p, QRectF(320, 170, 24, 18), QColor(150, 90, 60), ink(1.2));
    // Snowy ground with soft drifts.
    box(p, QRectF(0, 340, 600, 260),
        linear({0, 340}, {600, 600}, {{0, QColor(235, 242, 255)}, {1, QColor(180, 200, 235)}}));
    for (int i = 0; i < 14; ++i)
        oval(p, {dice.real(0, 600), dice.real(380, 600)}, dice.real(30, 70), dice.real(6, 12),
             QColor(200, 215, 245, 140));
    // Houses, each a different colour, windows lit.
    cottage(p, QRectF(30, 280, 110, 80), QColor(240, 90, 80), QColor(120, 60, 50), QColor(255, 220, 100),
            true);
    cottage(p, QRectF(190, 300, 90, 65), QColor(255, 210, 80), QColor(80, 90, 160), QColor(255, 180, 80),
            true);
    cottage(p, QRectF(330, 270, 120, 90), QColor(90, 170, 230), QColor(150, 60, 90), QColor(255, 230, 120),
            true);
    cottage(p, QRectF(500, 300, 80, 60), QColor(120, 200, 120), QColor(170, 80, 50), QColor(255, 200, 90),
            true);
    for (auto [x, s] : {std::pair{160.0, 0.6}, {300.0, 0.5}, {470.0, 0.7}})
        pine(p, {x, 372}, s, QColor(30, 120, 80), true);
    // A decorated tree at the right edge.
    pine(p, {575, 380}, 0.75, QColor(20, 140, 70), false);
    for (int i = 0; i < 9; ++i) disk(p, {552.0 + (i * 17) % 46, 300.0 + i * 8}, 4, hsv(i * 45, 220, 255));
    star(p, {575, 290}, 10, QColor(255, 220, 40));
    // Frozen pond with a skater.
    oval(p, {430, 470}, 115, 32,
         linear({315, 440}, {545, 500}, {{0, QColor(170, 230, 255)}, {1, QColor(110, 170, 230)}}),
         ink(2, QColor(150, 170, 210)));
    for (int i = 0; i < 4; ++i)
        line(p, {360.0 + i * 40, 460.0 + (i % 2) * 12}, {385.0 + i * 40, 468.0 + (i % 2) * 10},
             ink(1.5, QColor(255, 255, 255)));
    const QPointF skater(470, 440);
    disk(p, {skater.x(), skater.y() - 30}, 10, QColor(255, 220, 180), ink(1.2));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 60, 150));
    p.drawPie(QRectF(skater.x() - 12, skater.y() - 48, 24, 24), 0, 180 * 16);
    polygon(p,
            {{skater.x() - 12, skater.y() - 20},
             {skater.x() + 12, skater.y() - 20},
             {skater.x() + 18, skater.y() + 5},
             {skater.x() - 18, skater.y() + 5}},
            QColor(140, 80, 220), ink(1.2));
    line(p, {skater.x() - 6, skater.y() + 5}, {skater.x() - 10, skater.y() + 25}, ink(3));
    line(p, {skater.x() + 6, skater.y() + 5}, {skater.x() + 22, skater.y() + 18}, ink(3));
    line(p, {skater.x() - 12, skater.y() - 15}, {skater.x() - 32, skater.y() - 28},
         ink(3, QColor(140, 80, 220)));
    line(p, {skater.x() + 12, skater.y() - 15}, {skater.x() + 32, skater.y() - 8},
         ink(3, QColor(140, 80, 220)));
    // Street lamp with a bench.
    disk(p, {268, 392}, 30, QColor(255, 230, 140, 90));
    line(p, {268, 480}, {268, 392}, ink(5, QColor(60, 60, 80)));
    box(p, QRectF(258, 380, 20, 16), QColor(255, 235, 150), ink(1.5, QColor(60, 60, 80)));
    box(p, QRectF(285, 452, 50, 7), QColor(170, 110, 60), ink(1));
    box(p, QRectF(285, 438, 50, 6), QColor(170, 110, 60), ink(1));
    box(p, QRectF(285, 446, 50, 5), QColor(250, 252, 255));
    for (double x : {290.0, 328.0}) line(p, {x, 459}, {x, 474}, ink(2.5, QColor(60, 60, 80)));
    // A dog in a red collar.
    const QPointF dog(40, 440);
    oval(p, dog, 30, 18, shaded(dog, 28, QColor(200, 140, 80)), ink(1.5));
    for (double dx : {-20.0, -8.0, 10.0, 22.0})
        box(p, QRectF(dog.x() + dx - 4, dog.y() + 10, 8, 22), QColor(190, 130, 70), ink(1));
    line(p, {dog.x() - 28, dog.y() - 6}, {dog.x() - 42, dog.y() - 22}, ink(4, QColor(190, 130, 70)));
    disk(p, {dog.x() + 30, dog.y() - 18}, 16, QColor(210, 150, 90), ink(1.5));
    oval(p, {dog.x() + 22, dog.y() - 22}, 6, 12, QColor(140, 90, 50));
    disk(p, {dog.x() + 35, dog.y() - 22}, 2.5, kInk);
    disk(p, {dog.x() + 45, dog.y() - 14}, 3.5, kInk);
    box(p, QRectF(dog.x() + 18, dog.y() - 6, 20, 5), QColor(230, 40, 50));
    // Snowman.
    const QPointF snowman(160, 470);
    disk(p, {snowman.x(), snowman.y() + 40}, 55,
         shaded({snowman.x(), snowman.y() + 40}, 55, QColor(250, 252, 255)), ink(1.5, QColor(170, 180, 210)));
    disk(p, {snowman.x(), snowman.y() - 35}, 38,
         shaded({snowman.x(), snowman.y() - 35}, 38, QColor(250, 252, 255)), ink(1.5, QColor(170, 180, 210)));
    box(p, QRectF(snowman.x() - 28, snowman.y() - 102, 56, 38), QColor(40, 40, 60));
    box(p, QRectF(snowman.x() - 40, snowman.y() - 68, 80, 8), QColor(40, 40, 60));
    box(p, QRectF(snowman.x() - 28, snowman.y() - 76, 56, 8), QColor(230, 50, 60));
    disk(p, {snowman.x() - 12, snowman.y() - 45}, 4, kInk);
    disk(p, {snowman.x() + 12, snowman.y() - 45}, 4, kInk);
    polygon(p,
            {{snowman.x(), snowman.y() - 38},
             {snowman.x() + 32, snowman.y() - 32},
             {snowman.x(), snowman.y() - 28}},
            QColor(255, 140, 30));
    p.setPen(ink(2.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(snowman.x() - 14, snowman.y() - 32, 28, 16), 200 * 16, 140 * 16);
    box(p, QRectF(snowman.x() - 40, snowman.y() - 6, 80, 14), QColor(230, 50, 60), ink(1.2));
    polygon(p,
            {{snowman.x() + 18, snowman.y() + 6},
             {snowman.x() + 34, snowman.y() + 6},
             {snowman.x() + 40, snowman.y() + 40},
             {snowman.x() + 24, snowman.y() + 40}},
            QColor(230, 50, 60), ink(1.2));
    for (int i = 0; i < 3; ++i)
        disk(p, {snowman.x(), snowman.y() + 25.0 + i * 20}, 5, hsv(i * 110 + 200, 200, 230));
    line(p, {snowman.x() - 50, snowman.y() + 10}, {snowman.x() - 70, snowman.y() - 6},
         ink(4, QColor(120, 80, 50)));
    line(p, {snowman.x() + 50, snowman.y() + 10}, {snowman.x() + 95, snowman.y() - 20},
         ink(4, QColor(120, 80, 50)));
    // Presents in the lower left corner.
    for (auto [r, hue] : {std::pair{QRectF(12, 520, 52, 46), 0},
                          {QRectF(34, 490, 34, 30), 200},
                          {QRectF(66, 540, 30, 30), 100}}) {
        box(p, r, shaded(r.center(), r.width() * 0.6, hsv(hue, 200, 240)), ink(1.5));
        box(p, QRectF(r.center().x() - 3, r.top(), 6, r.height()), QColor(255, 230, 80));
        box(p, QRectF(r.left(), r.center().y() - 3, r.width(), 6), QColor(255, 230, 80));
    }
    // A pile of snowballs and blue mittens.
    for (auto [c, r] : {std::pair{QPointF(248, 575), 16.0},
                        {QPointF(282, 575), 16.0},
                        {QPointF(316, 575), 16.0},
                        {QPointF(265, 548), 15.0},
                        {QPointF(299, 548), 15.0},
                        {QPointF(282, 522), 14.0}})
        disk(p, c, r, shaded(c, r, QColor(245, 248, 255)), ink(1.2, QColor(160, 175, 210)));
    for (QPointF c : {QPointF(252, 500), QPointF(320, 510)}) {
        oval(p, c, 10, 14, QColor(60, 160, 240), ink(1.2));
        oval(p, {c.x() - 10, c.y() - 4}, 5, 7, QColor(60, 160, 240), ink(1.2));
        box(p, QRectF(c.x() - 10, c.y() + 10, 20, 5), Qt::white);
    }
    // Sled.
    box(p, QRectF(360, 540, 100, 20), QColor(220, 50, 50), ink(1.5));
    for (int i = 0; i < 4; ++i) box(p, QRectF(366.0 + i * 24, 544, 14, 12), QColor(250, 200, 60));
    p.setPen(ink(4, QColor(90, 90, 110)));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(350, 557, 130, 20), 180 * 16, 160 * 16);
    line(p, {460, 548}, {490, 525}, ink(2, QColor(160, 110, 60)));
    // A white rabbit and its footprints.
    const QPointF rabbit(548, 548);
    for (int i = 0; i < 5; ++i)
        oval(p, {500.0 - i * 4 + (i % 2) * 10, 596.0 - i * 2}, 4, 6, QColor(150, 170, 215));
    oval(p, {rabbit.x() - 8, rabbit.y() - 40}, 6, 18, QColor(255, 255, 255), ink(1.2));
    oval(p, {rabbit.x() + 8, rabbit.y() - 40}, 6, 18, QColor(255, 255, 255), ink(1.2));
    oval(p, {rabbit.x() - 8, rabbit.y() - 40}, 3, 12, QColor(255, 180, 200));
    oval(p, {rabbit.x() + 8, rabbit.y() - 40}, 3, 12, QColor(255, 180, 200));
    oval(p, {rabbit.x(), rabbit.y() + 20}, 26, 22, QColor(255, 255, 255), ink(1.2));
    disk(p, rabbit, 18, QColor(255, 255, 255), ink(1.2));
    smile(p, rabbit, 18);
    // Snowflakes of many sizes.
    for (int i = 0; i < 45; ++i) {
        const QPointF c(dice.real(0, 600), dice.real(0, 600));
        const double r = dice.real(3, 8);
        for (int k = 0; k < 3; ++k)
            line(p, polar(c, r, k * 60), polar(c, r, k * 60 + 180), ink(1.5, QColor(255, 255, 255, 230)));
    }
}

void toyShelf(QPainter& p, Dice& dice) {
    box(p, QRectF(0, 0, 600, 600),
        linear({0, 0}, {600, 600}, {{0, QColor(190, 240, 220)}, {1, QColor(220, 200, 255)}}));
    for (int i = 0; i < 50; ++i)
        star(p, {dice.real(0, 600), dice.real(0, 560)}, dice.real(4, 8), hsv(dice.below(360), 90, 255),
             dice.real(0, 70));
    // Shelf boards and sides.
    const QColor wood(200, 140, 80);
    for (double y : {190.0, 380.0, 555.0})
        box(p, QRectF(20, y, 560, 18),
            linear({0, y}, {0, y + 18}, {{0, wood.lighter(115)}, {1, wood.darker(120)}}),
            ink(1.5, QColor(120, 80, 40)));
    box(p, QRectF(0, 0, 22, 600), wood.darker(110), ink(1.5, QColor(120, 80, 40)));
    box(p, QRectF(578, 0, 22, 600), wood.darker(110), ink(1.5, QColor(120, 80, 40)));
    box(p, QRectF(0, 573, 600, 27), QColor(160, 100, 60));
    // Top shelf: teddy bear, books, rubber duck, robot.
    const QPointF bear(105, 120);
    for (int side : {-1, 1}) {
        disk(p, {bear.x() + side * 26, bear.y() - 52}, 14, QColor(180, 120, 70), ink(1.5));
        disk(p, {bear.x() + side * 26, bear.y() - 52}, 7, QColor(240, 190, 150));
        disk(p, {bear.x() + side * 36, bear.y() + 30}, 14, QColor(170, 110, 60), ink(1.5));
        disk(p, {bear.x() + side * 22, bear.y() + 58}, 15, QColor(170, 110, 60), ink(1.5));
    }
    oval(p, {bear.x(), bear.y() + 36}, 32, 30, shaded({bear.x(), bear.y() + 36}, 32, QColor(180, 120, 70)),
         ink(1.5));
    oval(p, {bear.x(), bear.y() + 40}, 18, 17, QColor(240, 190, 150));
    disk(p, {bear.x(), bear.y() - 28}, 32, shaded({bear.x(), bear.y() - 28}, 32, QColor(190, 130, 80)),
         ink(1.5));
    oval(p, {bear.x(), bear.y() - 18}, 14, 10, QColor(240, 200, 160));
    disk(p, {bear.x(), bear.y() - 22}, 4, kInk);
    disk(p, {bear.x() - 12, bear.y() - 36}, 3.5, kInk);
    disk(p, {bear.x() + 12, bear.y() - 36}, 3.5, kInk);
    polygon(p, {{bear.x(), bear.y() + 4}, {bear.x() - 18, bear.y() - 6}, {bear.x() - 18, bear.y() + 14}},
            QColor(230, 40, 60), ink(1));
    polygon(p, {{bear.x(), bear.y() + 4}, {bear.x() + 18, bear.y() - 6}, {bear.x() + 18, bear.y() + 14}},
            QColor(230, 40, 60), ink(1));
    double bx = 185;
    for (int i = 0; i < 7; ++i) {
        const double w = 14 + (i * 7) % 12, h = 110 + (i * 23) % 45;
        const QRectF book(bx, 190 - h, w, h);
        box(p, book,
            linear(book.topLeft(), book.topRight(), {{0, hsv(i * 51, 170, 240)}, {1, hsv(i * 51, 190, 190)}}),
            ink(1.2));
        box(p, QRectF(bx, 190 - h + 14, w, 6), hsv(i * 51 + 180, 120, 255));
        bx += w + 1;
    }
    p.save();
    p.translate(bx + 20, 190);
    p.rotate(16);
    box(p, QRectF(-12, -120, 22, 120), QColor(255, 200, 50), ink(1.2));
    p.restore();
    const QPointF duck(395, 150);
    oval(p, duck, 36, 24, shaded(duck, 34, QColor(255, 220, 40)), ink(1.5));
    disk(p, {duck.x() + 22, duck.y() - 34}, 20,
         shaded({duck.x() + 22, duck.y() - 34}, 20, QColor(255, 225, 50)), ink(1.5));
    polygon(p,
            {{duck.x() + 38, duck.y() - 34}, {duck.x() + 58, duck.y() - 28}, {duck.x() + 38, duck.y() - 24}},
            QColor(255, 120, 20), ink(1));
    disk(p, {duck.x() + 28, duck.y() - 40}, 3.5, kInk);
    oval(p, {duck.x() - 10, duck.y() - 4}, 16, 9, QColor(255, 200, 30), ink(1));
    const QPointF robot(505, 120);
    line(p, {robot.x(), robot.y() - 62}, {robot.x(), robot.y() - 80}, ink(2.5));
    disk(p, {robot.x(), robot.y() - 82}, 6, QColor(240, 50, 50));
    box(p, QRectF(robot.x() - 28, robot.y() - 62, 56, 42), QColor(180, 190, 210), ink(2));
    disk(p, {robot.x() - 12, robot.y() - 44}, 7, QColor(80, 230, 255), ink(1.5));
    disk(p, {robot.x() + 12, robot.y() - 44}, 7, QColor(80, 230, 255), ink(1.5));
    for (int k = 0; k < 4; ++k) box(p, QRectF(robot.x() - 14 + k * 8, robot.y() - 31, 5, 7), kInk);
    box(p, QRectF(robot.x() - 34, robot.y() - 16, 68, 56), QColor(90, 140, 230), ink(2));
    for (int k = 0; k < 3; ++k) disk(p, {robot.x() - 14 + k * 14, robot.y() + 6}, 5, hsv(k * 120, 220, 255));
    box(p, QRectF(robot.x() - 18, robot.y() + 20, 36, 10), QColor(255, 220, 60), ink(1));
    for (int side : {-1, 1}) {
        box(p, QRectF(robot.x() + side * 44 - 7, robot.y() - 12, 14, 40), QColor(180, 190, 210), ink(1.5));
        box(p, QRectF(robot.x() + side * 18 - 8, robot.y() + 40, 16, 30), QColor(150, 160, 190), ink(1.5));
    }
    // Middle shelf: car, xylophone, spinning top, stacking rings.
    const QPointF car(110, 350);
    QPainterPath carBody;
    carBody.addRoundedRect(QRectF(car.x() - 70, car.y() - 24, 140, 30), 10, 10);
    carBody.addRoundedRect(QRectF(car.x() - 40, car.y() - 52, 80, 34), 12, 12);
    p.setPen(ink(2));
    p.setBrush(shaded(car, 70, QColor(235, 50, 50)));
    p.drawPath(carBody.simplified());
    box(p, QRectF(car.x() - 32, car.y() - 46, 28, 22), QColor(180, 230, 255), ink(1.2));
    box(p, QRectF(car.x() + 4, car.y() - 46, 28, 22), QColor(180, 230, 255), ink(1.2));
    disk(p, {car.x() + 62, car.y() - 12}, 6, QColor(255, 240, 120));
    for (double dx : {-42.0, 42.0}) {
        disk(p, {car.x() + dx, car.y() + 10}, 16, QColor(50, 50, 60), ink(2));
        disk(p, {car.x() + dx, car.y() + 10}, 6, QColor(220, 220, 230));
    }
    box(p, QRectF(215, 350, 160, 14), QColor(150, 100, 60), ink(1.5));
    for (int i = 0; i < 8; ++i) {
        const double h = 90 - i * 8;
        const QRectF bar(222 + i * 19, 350 - h / 2 - 10, 15, h);
        box(p, bar,
            linear(bar.topLeft(), bar.topRight(), {{0, hsv(i * 42, 200, 255)}, {1, hsv(i * 42, 220, 210)}}),
            ink(1.2));
        disk(p, {bar.center().x(), bar.top() + 6}, 2.5, QColor(230, 230, 230));
    }
    line(p, {240, 260}, {300, 300}, ink(3, QColor(160, 110, 60)));
    disk(p, {238, 258}, 8, QColor(240, 60, 60), ink(1.2));
    const QPointF top(420, 320);
    QPainterPath spinner;
    spinner.moveTo(top.x(), top.y() + 58);
    spinner.lineTo(top.x() - 42, top.y() - 2);
    spinner.quadTo(top.x(), top.y() - 40, top.x() + 42, top.y() - 2);
    spinner.closeSubpath();
    p.setPen(ink(2));
    p.setBrush(QColor(255, 210, 40));
    p.drawPath(spinner);
    p.save();
    p.setClipPath(spinner);
    for (int k = 0; k < 3; ++k)
        box(p, QRectF(top.x() - 45, top.y() - 10 + k * 20, 90, 9), hsv(k * 120 + 200, 200, 240));
    p.restore();
    box(p, QRectF(top.x() - 4, top.y() - 46, 8, 24), QColor(150, 100, 60), ink(1));
    const QPointF rings(522, 372);
    box(p, QRectF(rings.x() - 4, rings.y() - 130, 8, 120), QColor(200, 150, 90), ink(1));
    for (int k = 0; k < 5; ++k) {
        const double rx = 42 - k * 6;
        oval(p, {rings.x(), rings.y() - 14 - k * 22}, rx, 12,
             shaded({rings.x(), rings.y() - 14 - k * 22}, rx, hsv(k * 60, 210, 250)), ink(1.5));
    }
    disk(p, {rings.x(), rings.y() - 134}, 10, QColor(240, 60, 150), ink(1.5));
    // Bottom shelf: building blocks, drum, ball.
    static const QColor blockColours[] = {QColor(240, 70, 70),  QColor(60, 140, 240), QColor(255, 200, 40),
                                          QColor(70, 200, 110), QColor(200, 90, 230), QColor(255, 140, 40)};
    struct Block {
        double x, y;
        int colour, shape;
    };
    const Block blocks[] = {{40, 500, 0, 0}, {98, 500, 1, 1},  {156, 500, 2, 2},
                            {69, 445, 3, 3}, {127, 445, 4, 0}, {98, 390, 5, 1}};
    for (const Block& b : blocks) {
        const QColor c = blockColours[b.colour];
        const QRectF face(b.x, b.y, 52, 52);
        box(p, face, shaded(face.center(), 40, c), ink(2));
        const QPointF m = face.center();
        if (b.shape == 0)
            star(p, m, 17, Qt::white);
        else if (b.shape == 1)
            disk(p, m, 14, Qt::white, ink(1.2));
        else if (b.shape == 2)
            polygon(p, {{m.x(), m.y() - 16}, {m.x() + 16, m.y() + 12}, {m.x() - 16, m.y() + 12}}, Qt::white,
                    ink(1.2));
        else {
            QPainterPath heart;
            heart.moveTo(m.x(), m.y() + 14);
            heart.cubicTo(m.x() - 24, m.y() - 2, m.x() - 10, m.y() - 22, m.x(), m.y() - 8);
            heart.cubicTo(m.x() + 10, m.y() - 22, m.x() + 24, m.y() - 2, m.x(), m.y() + 14);
            p.setPen(ink(1.2));
            p.setBrush(Qt::white);
            p.drawPath(heart);
        }
    }
    const QPointF drum(330, 500);
    box(p, QRectF(drum.x() - 60, drum.y() - 30, 120, 70),
        linear({drum.x() - 60, 0}, {drum.x() + 60, 0}, {{0, QColor(240, 70, 70)}, {1, QColor(180, 30, 40)}}));
    for (int k = 0; k < 6; ++k) {
        line(p, {drum.x() - 60 + k * 20, drum.y() - 26}, {drum.x() - 50 + k * 20, drum.y() + 36},
             ink(2, Qt::white));
        line(p, {drum.x() - 40 + k * 20, drum.y() - 26}, {drum.x() - 50 + k * 20, drum.y() + 36},
             ink(2, Qt::white));
    }
    oval(p, {drum.x(), drum.y() + 40}, 60, 14, QColor(180, 30, 40), ink(2));
    oval(p, {drum.x(), drum.y() - 30}, 60, 14, QColor(250, 245, 230), ink(2.5, QColor(255, 200, 40)));
    line(p, {drum.x() - 30, drum.y() - 32}, {drum.x() - 80, drum.y() - 90}, ink(4, QColor(170, 120, 60)));
    line(p, {drum.x() + 20, drum.y() - 32}, {drum.x() + 60, drum.y() - 100}, ink(4, QColor(170, 120, 60)));
    disk(p, {drum.x() - 80, drum.y() - 90}, 7, QColor(255, 230, 180));
    disk(p, {drum.x() + 60, drum.y() - 100}, 7, QColor(255, 230, 180));
    beachBall(p, {490, 505}, 46, 15);
    butterfly(p, {470, 255}, 0.7, QColor(255, 150, 60), QColor(255, 240, 150), 25);
    // Rug on the floor.
    for (int k = 0; k < 4; ++k) oval(p, {300, 600}, 220 - k * 45, 24 - k * 5, hsv(180 + k * 50, 120, 250));
}

void balloons(QPainter& p, Dice& dice) {
    box(p, QRectF(0, 0, 600, 400),
        linear({0, 0}, {150, 400},
               {{0, QColor(50, 130, 240)}, {0.55, QColor(140, 205, 255)}, {1, QColor(255, 205, 150)}}));
    QRadialGradient dawn(QPointF(440, 330), 90);
    dawn.setColorAt(0, QColor(255, 240, 160, 220));
    dawn.setColorAt(1, QColor(255, 200, 120, 0));
    disk(p, {440, 330}, 90, dawn);
    disk(p, {440, 330}, 34, shaded({440, 330}, 34, QColor(255, 200, 60)));
    cloud(p, {300, 322}, 0.6, QColor(255, 240, 235));
    cloud(p, {55, 235}, 0.5, QColor(255, 245, 240));
    cloud(p, {560, 180}, 0.35, QColor(255, 250, 250));
    for (QPointF b : {QPointF(360, 40), QPointF(385, 30), QPointF(560, 250)}) bird(p, b, 0.8);
    // Mountains and a patchwork valley with a winding river and a village.
    polygon(p,
            {{0, 400},
             {0, 340},
             {90, 300},
             {200, 350},
             {320, 290},
             {440, 345},
             {540, 305},
             {600, 330},
             {600, 400}},
            QColor(130, 120, 200));
    for (QPointF pk : {QPointF(90, 300), QPointF(320, 290), QPointF(540, 305)})
        polygon(p,
                {pk,
                 {pk.x() - 20, pk.y() + 11},
                 {pk.x() - 6, pk.y() + 8},
                 {pk.x() + 4, pk.y() + 13},
                 {pk.x() + 20, pk.y() + 11}},
                Qt::white);
    static const QColor crops[] = {QColor(250, 220, 50),  QColor(120, 200, 70),  QColor(60, 150, 60),
                                   QColor(180, 120, 70),  QColor(170, 130, 220), QColor(250, 150, 50),
                                   QColor(170, 225, 110), QColor(220, 180, 90)};
    const double rows[] = {370, 400, 440, 495, 560, 640};
    for (int r = 0; r + 1 < 6; ++r) {
        // Shared field edges, each leaning a little, so that neighbouring fields meet without gaps.
        std::vector<std::pair<double, double>> edges;  // x at the top and at the bottom of the row
        for (double x = -dice.real(20, 80); x < 700;) {
            const double lean = dice.real(-0.25, 0.25) * (rows[r + 1] - rows[r]);
            edges.push_back({x + lean, x - lean});
            x += dice.real(70, 130) * (0.6 + r * 0.25);
        }
        for (std::size_t k = 0; k + 1 < edges.size(); ++k) {
            const QPolygonF field{{edges[k].first, rows[r]},
                                  {edges[k + 1].first, rows[r]},
                                  {edges[k + 1].second, rows[r + 1]},
                                  {edges[k].second, rows[r + 1]}};
            const QColor crop = crops[dice.below(8)];
            polygon(p, field, crop, ink(1.5, QColor(90, 120, 60)));
            QPainterPath clip;
            clip.addPolygon(field);
            p.save();
            p.setClipPath(clip);
            const double turn = dice.real(-60, 60), gap = dice.real(6, 12) * (0.7 + r * 0.2);
            const QPointF mid = field.boundingRect().center();
            p.translate(mid);
            p.rotate(turn);
            for (double d = -200; d < 200; d += gap) line(p, {-200, d}, {200, d}, ink(1.5, crop.darker(125)));
            p.restore();
        }
    }
    QPainterPath river;
    river.moveTo(330, 370);
    river.cubicTo(250, 420, 420, 470, 300, 520);
    river.cubicTo(200, 560, 260, 590, 230, 610);
    p.setPen(QPen(QColor(70, 160, 230), 22, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(river);
    p.setPen(QPen(QColor(140, 210, 255), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(river);
    // A road to the village, with a red bus on it.
    QPainterPath road;
    road.moveTo(600, 470);
    road.cubicTo(520, 480, 470, 520, 430, 600);
    p.setPen(QPen(QColor(120, 110, 110), 12, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(road);
    box(p, QRectF(548, 466, 30, 13), QColor(230, 50, 50), ink(1.2));
    box(p, QRectF(552, 469, 22, 5), QColor(200, 235, 255));
    static const QColor walls[] = {QColor(255, 230, 150), QColor(255, 255, 255), QColor(255, 190, 170),
                                   QColor(200, 230, 255)};
    const QRectF village[] = {{375, 500, 40, 28}, {432, 492, 30, 24}, {478, 505, 46, 30}, {540, 500, 34, 26},
                              {400, 555, 44, 30}, {468, 560, 32, 26}, {520, 552, 50, 34}};
    for (int i = 0; i < 7; ++i)
        cottage(p, village[i], walls[i % 4], hsv(i * 50, 180, 200), QColor(120, 190, 255), false);
    for (double x : {40.0, 110.0, 170.0})
        pine(p, {x, 580.0 - (int(x) % 3) * 20}, 0.45, QColor(40, 130, 70), false);
    // A windmill on the left hill and a pond with ducks.
    oval(p, {85, 470}, 45, 16,
         linear({40, 460}, {130, 486}, {{0, QColor(120, 200, 250)}, {1, QColor(50, 120, 210)}}),
         ink(1.5, QColor(60, 110, 60)));
    for (QPointF d : {QPointF(70, 468), QPointF(100, 474)}) {
        oval(p, d, 7, 4, Qt::white);
        disk(p, {d.x() + 5, d.y() - 4}, 3, QColor(40, 150, 80));
    }
    polygon(p, {{200, 440}, {206, 395}, {218, 395}, {224, 440}}, QColor(245, 240, 230), ink(1.2));
    for (int i = 0; i < 4; ++i)
        line(p, {212, 398}, polar({212, 398}, 30, 30 + i * 90), ink(4, QColor(200, 60, 60)));
    // Hot-air balloons: each its own size, stripes and colours.
    struct Balloon {
        double x, y, r;
        int hue, stripes;
    };
    const Balloon fleet[] = {{300, 190, 80, 0, 8},   {110, 110, 52, 200, 6}, {480, 105, 60, 50, 7},
                             {505, 315, 38, 280, 5}, {150, 320, 34, 120, 6}, {250, 45, 24, 320, 4},
                             {580, 25, 18, 170, 4}};
    for (const Balloon& b : fleet) {
        QPainterPath env;
        env.moveTo(b.x - b.r * 0.3, b.y + b.r * 1.15);
        env.cubicTo(b.x - b.r * 1.35, b.y + b.r * 0.3, b.x - b.r * 1.2, b.y - b.r * 1.05, b.x,
                    b.y - b.r * 1.05);
        env.cubicTo(b.x + b.r * 1.2, b.y - b.r * 1.05, b.x + b.r * 1.35, b.y + b.r * 0.3, b.x + b.r * 0.3,
                    b.y + b.r * 1.15);
        env.closeSubpath();
        p.save();
        p.setClipPath(env);
        const double w = 2.4 * b.r / b.stripes;
        for (int s = 0; s < b.stripes; ++s)
            box(p, QRectF(b.x - 1.2 * b.r + s * w, b.y - 1.2 * b.r, w, 2.6 * b.r),
                s % 2 ? hsv(b.hue + 150, 190, 255) : hsv(b.hue + s * 15, 220, 250));
        box(p, QRectF(b.x - 1.3 * b.r, b.y - b.r * 0.1, 2.6 * b.r, b.r * 0.22), hsv(b.hue + 180, 200, 240));
        QRadialGradient light(QPointF(b.x - b.r * 0.4, b.y - b.r * 0.4), b.r * 1.6);
        light.setColorAt(0, QColor(255, 255, 255, 90));
        light.setColorAt(1, QColor(0, 0, 50, 70));
        box(p, QRectF(b.x - 1.4 * b.r, b.y - 1.2 * b.r, 2.8 * b.r, 2.6 * b.r), light);
        p.restore();
        p.setPen(ink(std::max(1.0, b.r * 0.03)));
        p.setBrush(Qt::NoBrush);
        p.drawPath(env);
        const double basketTop = b.y + b.r * 1.45;
        line(p, {b.x - b.r * 0.3, b.y + b.r * 1.15}, {b.x - b.r * 0.2, basketTop},
             ink(std::max(0.8, b.r * 0.025)));
        line(p, {b.x + b.r * 0.3, b.y + b.r * 1.15}, {b.x + b.r * 0.2, basketTop},
             ink(std::max(0.8, b.r * 0.025)));
        box(p, QRectF(b.x - b.r * 0.22, basketTop, b.r * 0.44, b.r * 0.3), QColor(170, 110, 50),
            ink(std::max(0.8, b.r * 0.025)));
        if (b.r > 45) {
            disk(p, {b.x - b.r * 0.08, basketTop - b.r * 0.05}, b.r * 0.09, QColor(255, 220, 180));
            disk(p, {b.x + b.r * 0.1, basketTop - b.r * 0.05}, b.r * 0.09, QColor(240, 190, 150));
        }
    }
}

// ---------------------------------------------------------------- output

struct Scene {
    const char* file;  // the extension's case is chosen on purpose: the puzzle accepts .bmp .BMP .jpg .JPG
    void (*draw)(QPainter&, Dice&);
    std::uint32_t seed;
};

const Scene kScenes[] = {
    {"rainbow_lake.bmp", rainbowLake, 101},
    {"house_garden.BMP", houseGarden, 102},
    {"rocket_space.bmp", rocketSpace, 103},
    {"train_bridge.BMP", trainBridge, 104},
    {"farm.bmp", farm, 105},
    {"toy_shelf.BMP", toyShelf, 106},
    {"fish_tank.jpg", fishTank, 107},
    {"night_city.JPG", nightCity, 108},
    {"fruit_bowl.jpg", fruitBowl, 109},
    {"flower_field.JPG", flowerField, 110},
    {"castle.jpg", castle, 111},
    {"beach.JPG", beach, 112},
    {"snow_town.jpg", snowTown, 113},
    {"balloons.JPG", balloons, 114},
};

constexpr int kBitmapSide = 480;  // bitmaps are stored raw: keep them smaller
constexpr int kJpegSide = 600;

bool isBitmap(const QString& file) { return file.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive); }

QImage render(const Scene& scene, int side) {
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / kCanvas, side / kCanvas);
    Dice dice(scene.seed);
    scene.draw(p, dice);
    p.end();
    return image;
}

// A shuffled 5 × 5 cut of the picture with gaps between the tiles, for judging by eye whether
// each tile can be told apart.
QImage shuffledCut(const QImage& picture, std::uint32_t seed) {
    constexpr int n = 5, gap = 6;
    const int tw = picture.width() / n, th = picture.height() / n;
    std::vector<int> order(n * n);
    for (int i = 0; i < n * n; ++i) order[std::size_t(i)] = i;
    Dice dice(seed);
    for (int i = n * n - 1; i > 0; --i)
        std::swap(order[std::size_t(i)], order[std::size_t(dice.below(i + 1))]);
    QImage sheet(n * (tw + gap) + gap, n * (th + gap) + gap, QImage::Format_RGB32);
    sheet.fill(QColor(60, 60, 60));
    QPainter p(&sheet);
    for (int slot = 0; slot < n * n; ++slot) {
        const int piece = order[std::size_t(slot)];
        p.drawImage(QPoint(gap + (slot % n) * (tw + gap), gap + (slot / n) * (th + gap)),
                    picture.copy((piece % n) * tw, (piece / n) * th, tw, th));
    }
    return sheet;
}

bool save(const QImage& image, const QString& path, QTextStream& err) {
    QImageWriter writer(path, isBitmap(path) ? "bmp" : "jpeg");
    if (!isBitmap(path)) writer.setQuality(90);
    if (!writer.write(image)) {
        err << "pekuru-make-pictures: cannot write " << path << ": " << writer.errorString() << "\n";
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout), err(stderr);
    QStringList args = QCoreApplication::arguments().mid(1);
    QString previewDir;
    const qsizetype previewAt = args.indexOf(QStringLiteral("--preview"));
    if (previewAt >= 0 && previewAt + 1 < args.size()) {
        previewDir = args.at(previewAt + 1);
        args.remove(previewAt, 2);
    }
    if (args.size() != 1 || args.first().startsWith(QLatin1Char('-'))) {
        err << "usage: pekuru-make-pictures OUTDIR [--preview DIR]\n"
               "Draws the demo classroom's puzzle pictures (bitmaps and JPEG) into OUTDIR.\n";
        return 2;
    }
    const QDir outDir(args.first());
    if (!QDir().mkpath(outDir.path()) || (!previewDir.isEmpty() && !QDir().mkpath(previewDir))) {
        err << "pekuru-make-pictures: cannot create the output folder\n";
        return 1;
    }
    std::vector<QImage> shown;
    for (const Scene& scene : kScenes) {
        const QString name = QString::fromLatin1(scene.file);
        const QString path = outDir.filePath(name);
        if (!save(render(scene, isBitmap(name) ? kBitmapSide : kJpegSide), path, err)) return 1;
        out << name << " " << QFileInfo(path).size() << " bytes\n";
        if (!previewDir.isEmpty()) {
            const QImage stored(path);  // as the puzzle will see it, JPEG artefacts and all
            const QString base = QDir(previewDir).filePath(QFileInfo(name).completeBaseName());
            if (!stored.save(base + QStringLiteral(".png")) ||
                !shuffledCut(stored, scene.seed).save(base + QStringLiteral("_cut.png"))) {
                err << "pekuru-make-pictures: cannot write the preview of " << name << "\n";
                return 1;
            }
            shown.push_back(stored.scaledToWidth(200, Qt::SmoothTransformation));
        }
    }
    if (!previewDir.isEmpty()) {
        const int cols = 5, rows = (int(shown.size()) + cols - 1) / cols;
        QImage sheet(cols * 205 + 5, rows * 205 + 5, QImage::Format_RGB32);
        sheet.fill(QColor(60, 60, 60));
        QPainter p(&sheet);
        for (std::size_t i = 0; i < shown.size(); ++i)
            p.drawImage(QPoint(5 + int(i % cols) * 205, 5 + int(i / cols) * 205), shown[i]);
        p.end();
        sheet.save(QDir(previewDir).filePath(QStringLiteral("contact.png")));
    }
    return 0;
}
