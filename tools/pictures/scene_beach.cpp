// A beach: a lighthouse, a sailboat, a swimmer, a sandcastle, a kite and a crab.

#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "Canvas.h"
#include "Motifs.h"
#include "Scenes.h"

namespace pekuru::pictures {

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

}  // namespace pekuru::pictures
