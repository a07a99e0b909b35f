// A rocket among planets, a comet, an astronaut, a UFO and a satellite.

#include <QPainterPath>
#include <QRadialGradient>
#include <tuple>
#include <utility>

#include "Canvas.h"
#include "Motifs.h"
#include "Scenes.h"

namespace pekuru::pictures {

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

}  // namespace pekuru::pictures
