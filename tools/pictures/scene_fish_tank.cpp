// A fish tank: fish of every colour, seaweed, a castle, a jellyfish, an octopus and a turtle.

#include <QPainterPath>
#include <cmath>
#include <tuple>
#include <utility>

#include "Canvas.h"
#include "Motifs.h"
#include "Scenes.h"

namespace pekuru::pictures {

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

}  // namespace pekuru::pictures
