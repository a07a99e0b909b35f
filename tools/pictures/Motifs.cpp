#include "Motifs.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace pekuru::pictures {

void diagonalSky(QPainter& p, const QRectF& area, const QColor& from, const QColor& to) {
    box(p, area, linear(area.topLeft(), area.bottomRight(), {{0, from}, {1, to}}));
}

void cloud(QPainter& p, QPointF c, double s, const QColor& tint) {
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

void sunWithFace(QPainter& p, QPointF c, double r, int rays) {
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

void bird(QPainter& p, QPointF c, double s, const QColor& colour) {
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

void flower(QPainter& p, QPointF c, double r, const QColor& petal, const QColor& centre, int petals,
            double turn) {
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
                   double turn) {
    line(p, ground, {ground.x(), ground.y() - h}, ink(std::max(1.5, r * 0.18), QColor(50, 150, 50)));
    oval(p, {ground.x() + r * 0.45, ground.y() - h * 0.4}, r * 0.45, r * 0.2, QColor(70, 180, 60));
    flower(p, {ground.x(), ground.y() - h}, r, petal, centre, 5, turn);
}

void butterfly(QPainter& p, QPointF c, double s, const QColor& wing, const QColor& spot, double turn) {
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
}  // namespace pekuru::pictures
