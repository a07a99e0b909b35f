// A farm: a barn and silo, a tractor, a scarecrow, and a cow, a pig, sheep and hens.

#include <QPainterPath>
#include <utility>

#include "Canvas.h"
#include "Motifs.h"
#include "Scenes.h"

namespace pekuru::pictures {

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

}  // namespace pekuru::pictures
