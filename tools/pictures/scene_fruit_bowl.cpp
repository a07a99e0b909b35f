// A bowl of fruit on a checked table cloth in front of a window.

#include <QPainterPath>
#include <cmath>

#include "Canvas.h"
#include "Motifs.h"
#include "Scenes.h"

namespace pekuru::pictures {

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

}  // namespace pekuru::pictures
