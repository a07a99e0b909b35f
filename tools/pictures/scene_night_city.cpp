// A city at night: a sleepy moon, fireworks, lit windows, glowing signs and cars.

#include <QPainterPath>
#include <tuple>
#include <utility>

#include "Canvas.h"
#include "Motifs.h"
#include "Scenes.h"

namespace pekuru::pictures {

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

}  // namespace pekuru::pictures
