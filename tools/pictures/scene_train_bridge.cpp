// A train crossing a stone bridge over a river with boats, a heron and geese.

#include <QPainterPath>
#include <cmath>
#include <utility>

#include "Canvas.h"
#include "Motifs.h"
#include "Scenes.h"

namespace pekuru::pictures {

void trainBridge(QPainter& p, Dice& dice) {
    diagonalSky(p, QRectF(0, 0, 600, 330), QColor(255, 190, 120), QColor(130, 210, 255));
    sunWithFace(p, {80, 75}, 40);
    cloud(p, {250, 90}, 0.55);
    cloud(p, {555, 60}, 0.45, QColor(255, 240, 240));
    for (QPointF b : {QPointF(170, 40), QPointF(195, 28), QPointF(360, 170)}) bird(p, b, 0.9);
    polygon(p,
            {{0, 330},
             {0, 200},
             {80, 150},
             {180, 215},
             {280, 160},
             {400, 230},
             {500, 175},
             {600, 210},
             {600, 330}},
            linear({0, 150}, {0, 330}, {{0, QColor(120, 110, 190)}, {1, QColor(150, 150, 220)}}));
    for (QPointF pk : {QPointF(80, 150), QPointF(280, 160), QPointF(500, 175)})
        polygon(p,
                {pk,
                 {pk.x() - 25, pk.y() + 20},
                 {pk.x() - 6, pk.y() + 14},
                 {pk.x() + 8, pk.y() + 24},
                 {pk.x() + 24, pk.y() + 18}},
                Qt::white);
    polygon(p, {{0, 440}, {0, 265}, {130, 245}, {260, 285}, {400, 255}, {520, 280}, {600, 260}, {600, 440}},
            linear({0, 240}, {600, 440}, {{0, QColor(150, 220, 90)}, {1, QColor(60, 160, 70)}}));
    static const QColor leaves[] = {QColor(40, 150, 60), QColor(90, 180, 50), QColor(30, 120, 80),
                                    QColor(220, 160, 40)};
    int k = 0;
    for (double x : {25.0, 108.0, 232.0, 318.0, 455.0, 578.0}) {
        leafyTree(p, {x, 290.0 - (k % 3) * 6}, 0.35 + (k % 2) * 0.1, leaves[k % 4],
                  k % 3 == 0 ? QColor(255, 80, 60) : QColor(), dice);
        ++k;
    }
    // River.
    box(p, QRectF(0, 430, 600, 170),
        linear({0, 430}, {600, 600}, {{0, QColor(90, 200, 240)}, {1, QColor(30, 90, 180)}}));
    scatterMarks(p, dice, QRectF(0, 440, 600, 160), 55, QColor(255, 255, 255, 150), 0);
    // Stone bridge: pillars every 160 so that no two tiles show the same arch.
    box(p, QRectF(0, 368, 600, 24), QColor(160, 110, 80), ink(1.5));
    for (double x = 0; x < 600; x += 34) line(p, {x, 368}, {x, 392}, ink(1, QColor(110, 70, 50)));
    QPainterPath wall;
    wall.addRect(QRectF(0, 392, 600, 78));
    for (double x : {10.0, 170.0, 330.0, 490.0}) {
        QPainterPath opening;
        opening.addEllipse(QRectF(x - 55, 420, 110, 110));
        opening.addRect(QRectF(x - 55, 475, 110, 10));
        wall = wall.subtracted(opening);
    }
    p.setPen(ink(1.5, QColor(110, 70, 50)));
    p.setBrush(linear({0, 392}, {600, 470}, {{0, QColor(195, 140, 100)}, {1, QColor(160, 110, 80)}}));
    p.drawPath(wall);
    p.save();
    p.setClipPath(wall);
    for (double y = 408; y < 470; y += 14)
        for (double x = (int(y) / 14 % 2) * 15; x < 600; x += 30)
            line(p, {x, y}, {x, y + 14}, ink(1, QColor(120, 80, 55)));
    for (double y = 408; y < 470; y += 14) line(p, {0, y}, {600, y}, ink(1, QColor(120, 80, 55)));
    p.restore();
    p.setPen(ink(1.5, QColor(110, 70, 50)));
    p.setBrush(QColor(180, 130, 95));
    p.drawRect(QRectF(0, 392, 600, 16));
    // Each arch has its own sign above it, and ivy hangs in different places.
    star(p, {10, 428}, 12, QColor(255, 220, 40));
    disk(p, {170, 428}, 10, QColor(80, 160, 255), ink(1.5));
    polygon(p, {{330, 416}, {342, 438}, {318, 438}}, QColor(255, 110, 170), ink(1.5));
    box(p, QRectF(481, 419, 18, 18), QColor(120, 220, 90), ink(1.5));
    for (auto [x, len] : {std::pair{95.0, 40.0}, {262.0, 28.0}, {420.0, 50.0}, {575.0, 22.0}}) {
        for (int k = 0; k < int(len / 8); ++k)
            oval(p, {x + (k % 2) * 5, 410.0 + k * 8}, 5, 4, QColor(50, 150, 60));
    }
    // Boat and fish in the river.
    polygon(p, {{60, 520}, {170, 520}, {150, 545}, {80, 545}}, QColor(250, 200, 40), ink(2));
    line(p, {115, 520}, {115, 470}, ink(2.5, QColor(110, 70, 40)));
    polygon(p, {{118, 474}, {118, 515}, {155, 515}}, QColor(255, 90, 90), ink(1.5));
    fish(p, {300, 560}, 48, QColor(255, 120, 40), Qt::white, false, 2);
    fish(p, {470, 500}, 40, QColor(120, 220, 90), QColor(40, 120, 50), true, 1);
    for (auto [c, r] :
         {std::pair{QPointF(560, 590), 26.0}, {QPointF(25, 595), 20.0}, {QPointF(395, 590), 14.0}})
        oval(p, c, r * 1.3, r, shaded(c, r, QColor(150, 140, 140)), ink(1.5, QColor(90, 90, 100)));
    for (QPointF c : {QPointF(220, 500), QPointF(245, 515)}) {
        oval(p, c, 14, 8, shaded(c, 14, QColor(255, 255, 255)), ink(1.2));
        disk(p, {c.x() + 10, c.y() - 9}, 6, QColor(40, 150, 80), ink(1.2));
        polygon(p, {{c.x() + 15, c.y() - 9}, {c.x() + 22, c.y() - 7}, {c.x() + 15, c.y() - 5}},
                QColor(255, 170, 30));
    }
    // A canoe passing under an arch and a heron in the shallows.
    QPainterPath canoe;
    canoe.moveTo(130, 470);
    canoe.quadTo(170, 490, 215, 470);
    canoe.lineTo(130, 470);
    p.setPen(ink(1.5));
    p.setBrush(QColor(230, 70, 50));
    p.drawPath(canoe);
    disk(p, {172, 452}, 8, QColor(255, 220, 180), ink(1.2));
    box(p, QRectF(164, 458, 16, 14), QColor(60, 200, 230), ink(1));
    line(p, {150, 445}, {200, 478}, ink(3, QColor(160, 110, 60)));
    line(p, {40, 475}, {36, 448}, ink(2, QColor(90, 90, 110)));
    line(p, {48, 475}, {44, 448}, ink(2, QColor(90, 90, 110)));
    oval(p, {44, 440}, 16, 10, QColor(200, 210, 230), ink(1.2));
    line(p, {54, 436}, {58, 418}, ink(4, QColor(200, 210, 230)));
    disk(p, {60, 416}, 5, QColor(200, 210, 230), ink(1));
    polygon(p, {{64, 414}, {78, 418}, {64, 419}}, QColor(255, 190, 40));
    // Lily pads with a frog, and geese flying in a V.
    for (auto [c, r] : {std::pair{QPointF(420, 560), 22.0}, {QPointF(360, 520), 14.0}}) {
        p.setPen(ink(1.5, QColor(20, 100, 40)));
        p.setBrush(shaded(c, r, QColor(60, 170, 70)));
        p.drawPie(QRectF(c.x() - r, c.y() - r * 0.5, 2 * r, r), 30 * 16, 320 * 16);
    }
    oval(p, {420, 552}, 13, 9, shaded({420, 552}, 12, QColor(90, 200, 70)), ink(1.2));
    for (int side : {-1, 1}) {
        disk(p, {420.0 + side * 6, 543}, 4, QColor(90, 200, 70), ink(1));
        disk(p, {420.0 + side * 6, 543}, 1.6, kInk);
    }
    for (int i = 0; i < 5; ++i) {
        const QPointF g(420 + (i - 2) * 20, 40 + std::abs(i - 2) * 14);
        bird(p, g, 1.1, QColor(60, 60, 80));
        disk(p, g, 2.5, QColor(60, 60, 80));
    }
    // The train: engine on the right, three cars, passengers at the windows.
    for (int i = 0; i < 6; ++i)
        disk(p, {520.0 - i * 38, 235.0 - i * 26 + (i % 2) * 8}, 16 + i * 6,
             QColor(255, 255, 255, 235 - i * 20), ink(1, QColor(200, 200, 220)));
    const double rail = 368;
    box(p, QRectF(440, 295, 110, 55),
        linear({0, 295}, {0, 350}, {{0, QColor(70, 190, 90)}, {1, QColor(30, 130, 60)}}), ink(2));
    box(p, QRectF(440, 258, 50, 40), QColor(40, 150, 70), ink(2));
    box(p, QRectF(434, 250, 62, 10), QColor(220, 50, 50), ink(1.5));
    paneWindow(p, QRectF(450, 266, 30, 24), QColor(150, 220, 255), Qt::white);
    disk(p, {465, 280}, 7, QColor(255, 220, 180));
    box(p, QRectF(515, 262, 18, 34), QColor(60, 60, 70), ink(1.5));
    box(p, QRectF(510, 256, 28, 8), QColor(220, 50, 50), ink(1.2));
    disk(p, {553, 320}, 10, QColor(255, 240, 120), ink(1.5));
    polygon(p, {{550, 342}, {572, 362}, {550, 362}}, QColor(220, 50, 50), ink(1.5));
    for (double x : {455.0, 490.0, 528.0}) disk(p, {x, 356}, x < 480 ? 14 : 11, QColor(220, 50, 50), ink(2));
    struct Car {
        double x;
        QColor colour;
        QColor face;
    };
    const Car cars[] = {{305, QColor(255, 150, 30), QColor(255, 220, 180)},
                        {170, QColor(60, 130, 240), QColor(240, 200, 160)},
                        {35, QColor(255, 210, 40), QColor(255, 225, 190)}};
    for (const Car& c : cars) {
        line(p, {c.x + 120, 340}, {c.x + 135, 340}, ink(4));
        QPainterPath roof;
        roof.addRoundedRect(QRectF(c.x - 4, 272, 128, 12), 5, 5);
        box(p, QRectF(c.x, 282, 120, 68),
            linear({0, 282}, {0, 350}, {{0, c.colour.lighter(120)}, {1, c.colour.darker(115)}}), ink(2));
        p.setPen(ink(1.5));
        p.setBrush(c.colour.darker(140));
        p.drawPath(roof);
        for (int w = 0; w < 3; ++w) {
            const QRectF win(c.x + 10 + w * 37, 292, 26, 26);
            paneWindow(p, win, QColor(190, 235, 255), Qt::white);
            if ((w + int(c.x)) % 2 == 0) {
                disk(p, {win.center().x(), win.center().y() + 4}, 9, c.face);
                smile(p, {win.center().x(), win.center().y() + 4}, 9);
            }
        }
        for (double x : {c.x + 22, c.x + 98}) disk(p, {x, 356}, 11, QColor(60, 60, 70), ink(2));
    }
    box(p, QRectF(0, rail - 4, 600, 5), QColor(90, 90, 100));
}

}  // namespace pekuru::pictures
