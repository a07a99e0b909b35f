// Bands of tulips fanning out below hills, with a balloon, birds, bees and butterflies.

#include <QPainterPath>
#include <algorithm>

#include "Canvas.h"
#include "Motifs.h"
#include "Scenes.h"

namespace pekuru::pictures {

namespace {

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

}  // namespace

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

}  // namespace pekuru::pictures
