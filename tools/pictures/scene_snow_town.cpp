// A snowy town at night under northern lights, with a skater, a snowman and a sleigh.

#include <QPainterPath>
#include <cmath>
#include <tuple>
#include <utility>

#include "Canvas.h"
#include "Motifs.h"
#include "Scenes.h"

namespace pekuru::pictures {

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

}  // namespace pekuru::pictures
