// A rainbow over a lake, with boats, ducks, lily pads and a shore of trees and houses.

#include <QPainterPath>
#include <utility>

#include "Canvas.h"
#include "Motifs.h"
#include "Scenes.h"

namespace pekuru::pictures {

void rainbowLake(QPainter& p, Dice& dice) {
    diagonalSky(p, QRectF(0, 0, 600, 370), QColor(40, 150, 245), QColor(200, 240, 255));
    sunWithFace(p, {88, 88}, 46);
    static const QColor bands[] = {QColor(235, 40, 50), QColor(255, 140, 20), QColor(255, 225, 30),
                                   QColor(60, 190, 70), QColor(40, 140, 240), QColor(90, 70, 200),
                                   QColor(170, 80, 210)};
    auto rainbow = [&](int alpha) {
        for (int i = 0; i < 7; ++i) {
            const double r = 290 - i * 15;
            QColor c = bands[i];
            c.setAlpha(alpha);
            QPen pen(c, 15.5, Qt::SolidLine, Qt::FlatCap);
            p.setPen(pen);
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(330 - r, 400 - r, 2 * r, 2 * r), 0, 180 * 16);
        }
    };
    p.save();
    p.setClipRect(QRectF(0, 0, 600, 360));
    rainbow(230);
    p.restore();
    cloud(p, {470, 70}, 0.85);
    cloud(p, {250, 40}, 0.55, QColor(255, 245, 250));
    for (QPointF b : {QPointF(385, 150), QPointF(415, 132), QPointF(200, 175), QPointF(545, 205)})
        bird(p, b, 1.0);
    auto mountains = [&](double alpha) {
        p.setOpacity(alpha);
        const QPolygonF far{{0, 360},   {0, 280},   {90, 215},  {170, 270}, {260, 205},
                            {350, 280}, {430, 235}, {520, 275}, {600, 220}, {600, 360}};
        polygon(p, far, linear({0, 200}, {0, 360}, {{0, QColor(150, 120, 210)}, {1, QColor(90, 80, 170)}}));
        for (QPointF peak : {QPointF(90, 215), QPointF(260, 205), QPointF(430, 235), QPointF(600, 220)})
            polygon(p,
                    {peak,
                     {peak.x() - 28, peak.y() + 22},
                     {peak.x() - 10, peak.y() + 16},
                     {peak.x() + 4, peak.y() + 26},
                     {peak.x() + 26, peak.y() + 20}},
                    Qt::white);
        const QPolygonF near{{0, 360},   {0, 320},   {140, 295}, {230, 330},
                             {380, 300}, {470, 325}, {600, 300}, {600, 360}};
        polygon(p, near, linear({0, 290}, {600, 360}, {{0, QColor(110, 210, 80)}, {1, QColor(40, 150, 60)}}));
        p.setOpacity(1);
    };
    mountains(1);
    cloud(p, {40, 300}, 0.6);
    cloud(p, {585, 290}, 0.55);
    // Along the shore: each stretch has its own tree or building.
    pine(p, {30, 338}, 0.38, QColor(30, 120, 60), false);
    leafyTree(p, {150, 330}, 0.32, QColor(240, 140, 40), QColor(), dice);
    cottage(p, QRectF(222, 318, 44, 30), QColor(255, 240, 200), QColor(220, 60, 60), QColor(120, 190, 255),
            false);
    pine(p, {345, 340}, 0.3, QColor(40, 140, 70), false);
    pine(p, {372, 334}, 0.42, QColor(20, 100, 60), false);
    leafyTree(p, {500, 336}, 0.34, QColor(60, 170, 60), QColor(230, 40, 40), dice);
    // The lake mirrors the scene above it, fainter.
    box(p, QRectF(0, 360, 600, 240),
        linear({0, 360}, {600, 600}, {{0, QColor(80, 190, 240)}, {1, QColor(20, 80, 170)}}));
    p.save();
    p.setClipRect(QRectF(0, 360, 600, 240));
    p.translate(0, 720);
    p.scale(1, -1);
    rainbow(55);
    mountains(0.3);
    p.restore();
    scatterMarks(p, dice, QRectF(0, 370, 600, 230), 70, QColor(255, 255, 255, 150), 0);
    // Sailboat.
    polygon(p, {{370, 440}, {480, 440}, {465, 462}, {385, 462}}, QColor(220, 50, 50), ink(2));
    line(p, {425, 440}, {425, 355}, ink(3, QColor(110, 70, 40)));
    polygon(p, {{428, 362}, {428, 434}, {478, 434}},
            linear({428, 360}, {478, 434}, {{0, Qt::white}, {1, QColor(255, 230, 120)}}), ink(1.5));
    polygon(p, {{422, 372}, {422, 434}, {382, 434}}, QColor(90, 200, 255), ink(1.5));
    polygon(p, {{425, 355}, {447, 361}, {425, 367}}, QColor(255, 210, 0));
    // Ducks.
    for (auto [c, s] :
         {std::pair{QPointF(190, 440), 1.0}, {QPointF(150, 535), 0.6}, {QPointF(205, 562), 0.55}}) {
        oval(p, c, 24 * s, 13 * s, shaded(c, 24 * s, QColor(255, 220, 40)), ink(1.5));
        const QPointF head(c.x() + 16 * s, c.y() - 16 * s);
        disk(p, head, 10 * s, shaded(head, 10 * s, QColor(255, 225, 50)), ink(1.5));
        polygon(p,
                {{head.x() + 8 * s, head.y()},
                 {head.x() + 19 * s, head.y() + 3 * s},
                 {head.x() + 8 * s, head.y() + 6 * s}},
                QColor(255, 130, 20));
        disk(p, {head.x() + 3 * s, head.y() - 3 * s}, 2 * s, kInk);
    }
    // Lily pads with pink blossoms.
    for (auto [c, r] :
         {std::pair{QPointF(60, 425), 28.0}, {QPointF(545, 450), 30.0}, {QPointF(530, 560), 22.0}}) {
        p.setPen(ink(1.5, QColor(20, 100, 40)));
        p.setBrush(shaded(c, r, QColor(60, 170, 70)));
        p.drawPie(QRectF(c.x() - r, c.y() - r * 0.5, 2 * r, r), 30 * 16, 320 * 16);
        flower(p, {c.x() - r * 0.2, c.y() - r * 0.2}, r * 0.5, QColor(255, 150, 200), QColor(255, 230, 80), 6,
               r);
    }
    // A frog on the right lily pad, a swan in the middle and a turtle swimming.
    const QPointF frog(548, 436);
    oval(p, frog, 16, 11, shaded(frog, 15, QColor(90, 200, 70)), ink(1.2));
    for (int side : {-1, 1}) {
        disk(p, {frog.x() + side * 7, frog.y() - 10}, 5, QColor(90, 200, 70), ink(1.2));
        disk(p, {frog.x() + side * 7, frog.y() - 10}, 2, kInk);
    }
    const QPointF swan(300, 428);
    oval(p, swan, 34, 16, shaded(swan, 32, QColor(255, 255, 255)), ink(1.5, QColor(120, 130, 160)));
    polygon(p,
            {{swan.x() - 34, swan.y() - 4}, {swan.x() - 46, swan.y() - 16}, {swan.x() - 22, swan.y() - 12}},
            Qt::white, ink(1.2, QColor(120, 130, 160)));
    QPainterPath neck;
    neck.moveTo(swan.x() + 20, swan.y() - 6);
    neck.cubicTo(swan.x() + 36, swan.y() - 20, swan.x() + 14, swan.y() - 36, swan.x() + 26, swan.y() - 48);
    p.setPen(QPen(QColor(120, 130, 160), 10, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(neck);
    p.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(neck);
    disk(p, {swan.x() + 28, swan.y() - 50}, 7, Qt::white, ink(1.2, QColor(120, 130, 160)));
    polygon(p,
            {{swan.x() + 33, swan.y() - 53}, {swan.x() + 45, swan.y() - 48}, {swan.x() + 33, swan.y() - 46}},
            QColor(255, 140, 30));
    disk(p, {swan.x() + 29, swan.y() - 52}, 1.6, kInk);
    const QPointF turtle(430, 545);
    for (QPointF f : {QPointF(410, 530), QPointF(450, 530), QPointF(410, 562), QPointF(450, 562)})
        oval(p, f, 9, 5, QColor(150, 210, 110), ink(1));
    disk(p, {turtle.x() + 32, turtle.y() - 4}, 10, QColor(150, 210, 110), ink(1.2));
    disk(p, {turtle.x() + 35, turtle.y() - 7}, 2, kInk);
    oval(p, turtle, 28, 18, shaded(turtle, 26, QColor(70, 150, 60)), ink(1.5));
    for (int i = 0; i < 3; ++i)
        polygon(p, starShape({turtle.x() - 14 + i * 14, turtle.y()}, 6, 5, 6, 0), QColor(50, 110, 45));
    // A jumping fish with its splash.
    fish(p, {310, 520}, 60, QColor(255, 130, 30), QColor(255, 240, 200), true, 2);
    for (int i = 0; i < 7; ++i) disk(p, polar({300, 560}, 22, 200 + i * 22), 4, QColor(255, 255, 255, 200));
    // Reedy bank and stones.
    polygon(p, {{0, 500}, {70, 520}, {150, 575}, {185, 600}, {0, 600}},
            linear({0, 500}, {180, 600}, {{0, QColor(120, 200, 70)}, {1, QColor(60, 150, 50)}}));
    for (int i = 0; i < 6; ++i) {
        const double x = 12 + i * 23, y = 530 + i * 10;
        line(p, {x, y + 40}, {x + 4, y - 35}, ink(2.5, QColor(60, 120, 40)));
        oval(p, {x + 4, y - 28}, 4, 11, QColor(130, 80, 40));
    }
    stemmedFlower(p, {40, 585}, 26, 11, QColor(255, 90, 120), QColor(255, 230, 70));
    stemmedFlower(p, {110, 592}, 20, 9, QColor(170, 110, 255), QColor(255, 240, 120), 20);
    for (auto [c, r] : {std::pair{QPointF(585, 595), 28.0}, {QPointF(345, 600), 14.0}})
        oval(p, c, r * 1.3, r, shaded(c, r, QColor(160, 150, 150)), ink(1.5, QColor(90, 90, 100)));
}

}  // namespace pekuru::pictures
