// A castle with towers, a moat and a garden, and a friendly dragon flying by.

#include <QPainterPath>
#include <utility>

#include "Canvas.h"
#include "Motifs.h"
#include "Scenes.h"

namespace pekuru::pictures {

void castle(QPainter& p, Dice& dice) {
    diagonalSky(p, QRectF(0, 0, 600, 420), QColor(255, 150, 190), QColor(255, 235, 150));
    sunWithFace(p, {45, 40}, 28, 10);
    cloud(p, {120, 85}, 0.6, QColor(255, 250, 255));
    // A friendly little dragon flying by.
    const QPointF dragon(60, 200);
    polygon(p,
            {{dragon.x() - 4, dragon.y() - 8},
             {dragon.x() - 30, dragon.y() - 44},
             {dragon.x() + 14, dragon.y() - 12}},
            QColor(120, 220, 140), ink(1.5));
    QPainterPath tail;
    tail.moveTo(dragon.x() - 22, dragon.y() + 4);
    tail.quadTo(dragon.x() - 45, dragon.y() + 20, dragon.x() - 52, dragon.y() + 2);
    p.setPen(ink(6, QColor(60, 170, 90)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tail);
    polygon(p, starShape({dragon.x() - 53, dragon.y()}, 7, 3, 3, -90), QColor(255, 120, 60));
    oval(p, dragon, 28, 15, shaded(dragon, 26, QColor(70, 190, 100)), ink(1.5));
    for (int k = 0; k < 3; ++k)
        polygon(p,
                {{dragon.x() - 14 + k * 12, dragon.y() - 13},
                 {dragon.x() - 8 + k * 12, dragon.y() - 22},
                 {dragon.x() - 2 + k * 12, dragon.y() - 13}},
                QColor(255, 200, 60));
    disk(p, {dragon.x() + 32, dragon.y() - 12}, 13, QColor(80, 200, 110), ink(1.5));
    disk(p, {dragon.x() + 35, dragon.y() - 15}, 2.5, kInk);
    oval(p, {dragon.x() + 44, dragon.y() - 8}, 5, 3, QColor(255, 160, 170));
    polygon(p,
            {{dragon.x() + 46, dragon.y() - 10},
             {dragon.x() + 60, dragon.y() - 16},
             {dragon.x() + 58, dragon.y() - 4}},
            QColor(255, 150, 40, 200));
    oval(p, {dragon.x() + 18, dragon.y() + 2}, 12, 7, QColor(230, 250, 200));
    cloud(p, {470, 230}, 0.5, QColor(255, 245, 250));
    for (QPointF b : {QPointF(420, 60), QPointF(445, 48), QPointF(190, 120)}) bird(p, b, 0.9);
    // Balloons on strings.
    for (int i = 0; i < 5; ++i) {
        const QPointF c(510 + (i % 3) * 28 - (i / 3) * 10, 80 + (i / 3) * 34 + (i % 2) * 8);
        line(p, {c.x(), c.y() + 20}, {540, 200}, ink(1.2));
        oval(p, c, 16, 20, shaded(c, 18, hsv(i * 72, 210, 255)), ink(1.2));
    }
    polygon(p, {{0, 440}, {0, 330}, {140, 300}, {300, 350}, {460, 305}, {600, 330}, {600, 440}},
            linear({0, 300}, {600, 440}, {{0, QColor(140, 220, 100)}, {1, QColor(70, 170, 70)}}));
    for (double x : {40.0, 95.0})
        leafyTree(p, {x, 370.0 - (int(x) % 3) * 4}, 0.45, QColor(40, 150, 70), QColor(255, 140, 40), dice);
    leafyTree(p, {522, 368}, 0.45, QColor(255, 160, 200), QColor(255, 255, 255), dice);
    pine(p, {575, 372}, 0.55, QColor(30, 120, 70), false);
    // Towers and walls.
    const auto stones = [&](const QRectF& r) {
        box(p, r, linear(r.topLeft(), r.topRight(), {{0, QColor(230, 225, 240)}, {1, QColor(180, 175, 200)}}),
            ink(2));
        for (double y = r.top() + 14; y < r.bottom(); y += 16) {
            line(p, {r.left(), y}, {r.right(), y}, ink(1, QColor(150, 145, 170)));
            for (double x = r.left() + (int((y - r.top()) / 16) % 2 ? 10 : 22); x < r.right(); x += 26)
                line(p, {x, y - 16}, {x, y}, ink(1, QColor(150, 145, 170)));
        }
    };
    const auto battlements = [&](double left, double right, double y) {
        for (double x = left; x < right - 8; x += 20)
            box(p, QRectF(x, y - 14, 12, 14), QColor(210, 205, 225), ink(1.5));
    };
    const auto cone = [&](double left, double right, double y, double height, const QColor& c,
                          const QColor& flag) {
        const double mid = (left + right) / 2;
        line(p, {mid, y - height}, {mid, y - height - 34}, ink(2));
        polygon(p, {{mid, y - height - 34}, {mid + 30, y - height - 26}, {mid, y - height - 18}}, flag,
                ink(1));
        polygon(p, {{left - 10, y}, {mid, y - height}, {right + 10, y}},
                linear({left, 0}, {right, 0}, {{0, c.lighter(130)}, {1, c.darker(120)}}), ink(2));
    };
    stones(QRectF(180, 220, 240, 210));
    battlements(180, 420, 220);
    stones(QRectF(120, 160, 70, 270));
    stones(QRectF(410, 180, 70, 250));
    stones(QRectF(258, 120, 84, 110));
    cone(120, 190, 160, 90, QColor(70, 110, 230), QColor(255, 220, 40));
    cone(410, 480, 180, 80, QColor(170, 80, 210), QColor(60, 210, 120));
    cone(258, 342, 120, 95, QColor(235, 60, 70), QColor(60, 170, 255));
    const auto arched = [&](QRectF r, const QColor& glass) {
        QPainterPath w;
        w.moveTo(r.left(), r.bottom());
        w.lineTo(r.left(), r.top() + r.width() / 2);
        w.arcTo(QRectF(r.left(), r.top(), r.width(), r.width()), 180, -180);
        w.lineTo(r.right(), r.bottom());
        w.closeSubpath();
        p.setPen(ink(2));
        p.setBrush(glass);
        p.drawPath(w);
    };
    arched(QRectF(140, 200, 30, 44), QColor(255, 230, 90));
    arched(QRectF(140, 300, 30, 44), QColor(120, 200, 255));
    arched(QRectF(430, 220, 30, 44), QColor(255, 170, 80));
    arched(QRectF(430, 320, 30, 44), QColor(255, 230, 90));
    disk(p, {300, 170}, 22, QColor(120, 200, 255), ink(3, QColor(255, 215, 60)));
    for (int i = 0; i < 6; ++i)
        line(p, {300, 170}, polar({300, 170}, 22, i * 60), ink(2, QColor(255, 215, 60)));
    arched(QRectF(205, 260, 34, 50), QColor(255, 210, 120));
    arched(QRectF(361, 260, 34, 50), QColor(150, 230, 160));
    arched(QRectF(255, 330, 90, 100), QColor(90, 60, 50));
    for (int i = 0; i < 5; ++i)
        line(p, {265.0 + i * 17.5, 345}, {265.0 + i * 17.5, 430}, ink(2, QColor(60, 40, 30)));
    // Banner string across the gate.
    QPainterPath sag;
    sag.moveTo(190, 240);
    sag.quadTo(300, 290, 410, 240);
    p.setPen(ink(1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(sag);
    for (int i = 1; i < 10; ++i) {
        const QPointF at = sag.pointAtPercent(i / 10.0);
        polygon(p, {at, {at.x() + 12, at.y()}, {at.x() + 6, at.y() + 14}}, hsv(i * 40, 200, 255));
    }
    // Moat and drawbridge.
    box(p, QRectF(0, 430, 600, 48),
        linear({0, 430}, {600, 478}, {{0, QColor(90, 190, 240)}, {1, QColor(40, 110, 200)}}));
    scatterMarks(p, dice, QRectF(0, 435, 600, 40), 25, QColor(255, 255, 255, 170), 0);
    // Something different on each stretch of the moat, and on each tower's foot.
    for (QPointF d : {QPointF(45, 452), QPointF(80, 458)}) {
        oval(p, d, 13, 7, shaded(d, 12, QColor(255, 220, 40)), ink(1.2));
        disk(p, {d.x() + 9, d.y() - 8}, 6, QColor(255, 225, 50), ink(1.2));
        polygon(p, {{d.x() + 14, d.y() - 9}, {d.x() + 21, d.y() - 7}, {d.x() + 14, d.y() - 5}},
                QColor(255, 130, 20));
    }
    p.setPen(ink(1.5, QColor(20, 100, 40)));
    p.setBrush(QColor(60, 170, 70));
    p.drawPie(QRectF(150, 448, 44, 20), 30 * 16, 320 * 16);
    flower(p, {168, 452}, 10, QColor(255, 150, 200), QColor(255, 230, 80), 6);
    fish(p, {440, 445}, 34, QColor(255, 130, 30), Qt::white, false, 1);
    for (int i = 0; i < 5; ++i) disk(p, polar({440, 468}, 14, 200 + i * 35), 3, QColor(255, 255, 255, 220));
    polygon(p, {{515, 450}, {575, 450}, {565, 466}, {525, 466}}, QColor(150, 90, 200), ink(1.5));
    disk(p, {545, 440}, 8, QColor(255, 220, 180), ink(1.2));
    line(p, {530, 436}, {570, 462}, ink(2.5, QColor(160, 110, 60)));
    QPainterPath smallDoor;
    smallDoor.moveTo(140, 430);
    smallDoor.lineTo(140, 405);
    smallDoor.arcTo(QRectF(140, 395, 26, 22), 180, -180);
    smallDoor.lineTo(166, 430);
    p.setPen(ink(1.5));
    p.setBrush(QColor(150, 90, 50));
    p.drawPath(smallDoor);
    QPainterPath shield;
    shield.moveTo(428, 388);
    shield.lineTo(462, 388);
    shield.lineTo(462, 404);
    shield.quadTo(462, 420, 445, 428);
    shield.quadTo(428, 420, 428, 404);
    shield.closeSubpath();
    p.setBrush(QColor(220, 40, 60));
    p.drawPath(shield);
    star(p, {445, 405}, 9, QColor(255, 220, 40));
    polygon(p, {{255, 430}, {345, 430}, {360, 485}, {240, 485}}, QColor(170, 110, 60), ink(2));
    for (int i = 1; i < 6; ++i)
        line(p, {255.0 - i * 2.5, 430.0 + i * 9}, {345.0 + i * 2.5, 430.0 + i * 9},
             ink(1, QColor(110, 70, 30)));
    line(p, {258, 340}, {245, 482}, ink(1.5, QColor(80, 80, 90)));
    line(p, {342, 340}, {355, 482}, ink(1.5, QColor(80, 80, 90)));
    // Garden in front: path, mushrooms, flowers and a frog.
    box(p, QRectF(0, 478, 600, 122),
        linear({0, 478}, {600, 600}, {{0, QColor(130, 210, 90)}, {1, QColor(60, 160, 60)}}));
    polygon(p, {{240, 485}, {360, 485}, {420, 600}, {180, 600}}, QColor(240, 215, 160));
    for (int i = 0; i < 7; ++i)
        oval(p, {300.0 + (i % 2 ? 18 : -18), 500.0 + i * 15}, 14 + i * 2, 5 + i, QColor(200, 190, 170),
             ink(1, QColor(150, 140, 120)));
    scatterMarks(p, dice, QRectF(0, 485, 600, 115), 70, QColor(30, 120, 40), 1);
    for (auto [c, r] :
         {std::pair{QPointF(70, 560), 26.0}, {QPointF(130, 585), 16.0}, {QPointF(470, 585), 20.0}}) {
        box(p, QRectF(c.x() - r * 0.3, c.y(), r * 0.6, r * 0.8), QColor(255, 245, 225), ink(1.2));
        QPainterPath capShape;
        capShape.moveTo(c.x() - r, c.y() + 2);
        capShape.arcTo(QRectF(c.x() - r, c.y() - r * 0.8, 2 * r, r * 1.6), 180, -180);
        capShape.closeSubpath();
        p.setPen(ink(1.5));
        p.setBrush(shaded(c, r, QColor(230, 40, 40)));
        p.drawPath(capShape);
        for (int k = 0; k < 3; ++k)
            disk(p, {c.x() - r * 0.5 + k * r * 0.5, c.y() - r * 0.35 - (k % 2) * r * 0.2}, r * 0.13,
                 Qt::white);
    }
    for (int i = 0; i < 14; ++i) {
        const double x = 15 + i * 43 + dice.real(-8, 8);
        if (x > 170 && x < 430) continue;
        stemmedFlower(p, {x, 520 + dice.real(-8, 10)}, 20, dice.real(8, 11), hsv(i * 53 + 10, 170, 255),
                      QColor(255, 240, 100), dice.real(0, 60));
    }
    const QPointF frog(545, 525);
    oval(p, frog, 26, 18, shaded(frog, 24, QColor(90, 200, 70)), ink(1.5));
    for (int side : {-1, 1}) {
        disk(p, {frog.x() + side * 12, frog.y() - 16}, 8, QColor(90, 200, 70), ink(1.5));
        disk(p, {frog.x() + side * 12, frog.y() - 16}, 4, Qt::white);
        disk(p, {frog.x() + side * 12, frog.y() - 16}, 2, kInk);
    }
    p.setPen(ink(1.5));
    p.drawArc(QRectF(frog.x() - 10, frog.y() - 6, 20, 10), 200 * 16, 140 * 16);
}

}  // namespace pekuru::pictures
