// A house in its garden: a cat at the window, an apple tree, a dog house, flower beds.

#include <QPainterPath>

#include "Canvas.h"
#include "Motifs.h"
#include "Scenes.h"

namespace pekuru::pictures {

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

}  // namespace pekuru::pictures
