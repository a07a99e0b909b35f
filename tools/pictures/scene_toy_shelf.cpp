// Three shelves of toys above a rug.

#include <QPainterPath>

#include "Canvas.h"
#include "Motifs.h"
#include "Scenes.h"

namespace pekuru::pictures {

void toyShelf(QPainter& p, Dice& dice) {
    box(p, QRectF(0, 0, 600, 600),
        linear({0, 0}, {600, 600}, {{0, QColor(190, 240, 220)}, {1, QColor(220, 200, 255)}}));
    for (int i = 0; i < 50; ++i)
        star(p, {dice.real(0, 600), dice.real(0, 560)}, dice.real(4, 8), hsv(dice.below(360), 90, 255),
             dice.real(0, 70));
    // Shelf boards and sides.
    const QColor wood(200, 140, 80);
    for (double y : {190.0, 380.0, 555.0})
        box(p, QRectF(20, y, 560, 18),
            linear({0, y}, {0, y + 18}, {{0, wood.lighter(115)}, {1, wood.darker(120)}}),
            ink(1.5, QColor(120, 80, 40)));
    box(p, QRectF(0, 0, 22, 600), wood.darker(110), ink(1.5, QColor(120, 80, 40)));
    box(p, QRectF(578, 0, 22, 600), wood.darker(110), ink(1.5, QColor(120, 80, 40)));
    box(p, QRectF(0, 573, 600, 27), QColor(160, 100, 60));
    // Top shelf: teddy bear, books, rubber duck, robot.
    const QPointF bear(105, 120);
    for (int side : {-1, 1}) {
        disk(p, {bear.x() + side * 26, bear.y() - 52}, 14, QColor(180, 120, 70), ink(1.5));
        disk(p, {bear.x() + side * 26, bear.y() - 52}, 7, QColor(240, 190, 150));
        disk(p, {bear.x() + side * 36, bear.y() + 30}, 14, QColor(170, 110, 60), ink(1.5));
        disk(p, {bear.x() + side * 22, bear.y() + 58}, 15, QColor(170, 110, 60), ink(1.5));
    }
    oval(p, {bear.x(), bear.y() + 36}, 32, 30, shaded({bear.x(), bear.y() + 36}, 32, QColor(180, 120, 70)),
         ink(1.5));
    oval(p, {bear.x(), bear.y() + 40}, 18, 17, QColor(240, 190, 150));
    disk(p, {bear.x(), bear.y() - 28}, 32, shaded({bear.x(), bear.y() - 28}, 32, QColor(190, 130, 80)),
         ink(1.5));
    oval(p, {bear.x(), bear.y() - 18}, 14, 10, QColor(240, 200, 160));
    disk(p, {bear.x(), bear.y() - 22}, 4, kInk);
    disk(p, {bear.x() - 12, bear.y() - 36}, 3.5, kInk);
    disk(p, {bear.x() + 12, bear.y() - 36}, 3.5, kInk);
    polygon(p, {{bear.x(), bear.y() + 4}, {bear.x() - 18, bear.y() - 6}, {bear.x() - 18, bear.y() + 14}},
            QColor(230, 40, 60), ink(1));
    polygon(p, {{bear.x(), bear.y() + 4}, {bear.x() + 18, bear.y() - 6}, {bear.x() + 18, bear.y() + 14}},
            QColor(230, 40, 60), ink(1));
    double bx = 185;
    for (int i = 0; i < 7; ++i) {
        const double w = 14 + (i * 7) % 12, h = 110 + (i * 23) % 45;
        const QRectF book(bx, 190 - h, w, h);
        box(p, book,
            linear(book.topLeft(), book.topRight(), {{0, hsv(i * 51, 170, 240)}, {1, hsv(i * 51, 190, 190)}}),
            ink(1.2));
        box(p, QRectF(bx, 190 - h + 14, w, 6), hsv(i * 51 + 180, 120, 255));
        bx += w + 1;
    }
    p.save();
    p.translate(bx + 20, 190);
    p.rotate(16);
    box(p, QRectF(-12, -120, 22, 120), QColor(255, 200, 50), ink(1.2));
    p.restore();
    const QPointF duck(395, 150);
    oval(p, duck, 36, 24, shaded(duck, 34, QColor(255, 220, 40)), ink(1.5));
    disk(p, {duck.x() + 22, duck.y() - 34}, 20,
         shaded({duck.x() + 22, duck.y() - 34}, 20, QColor(255, 225, 50)), ink(1.5));
    polygon(p,
            {{duck.x() + 38, duck.y() - 34}, {duck.x() + 58, duck.y() - 28}, {duck.x() + 38, duck.y() - 24}},
            QColor(255, 120, 20), ink(1));
    disk(p, {duck.x() + 28, duck.y() - 40}, 3.5, kInk);
    oval(p, {duck.x() - 10, duck.y() - 4}, 16, 9, QColor(255, 200, 30), ink(1));
    const QPointF robot(505, 120);
    line(p, {robot.x(), robot.y() - 62}, {robot.x(), robot.y() - 80}, ink(2.5));
    disk(p, {robot.x(), robot.y() - 82}, 6, QColor(240, 50, 50));
    box(p, QRectF(robot.x() - 28, robot.y() - 62, 56, 42), QColor(180, 190, 210), ink(2));
    disk(p, {robot.x() - 12, robot.y() - 44}, 7, QColor(80, 230, 255), ink(1.5));
    disk(p, {robot.x() + 12, robot.y() - 44}, 7, QColor(80, 230, 255), ink(1.5));
    for (int k = 0; k < 4; ++k) box(p, QRectF(robot.x() - 14 + k * 8, robot.y() - 31, 5, 7), kInk);
    box(p, QRectF(robot.x() - 34, robot.y() - 16, 68, 56), QColor(90, 140, 230), ink(2));
    for (int k = 0; k < 3; ++k) disk(p, {robot.x() - 14 + k * 14, robot.y() + 6}, 5, hsv(k * 120, 220, 255));
    box(p, QRectF(robot.x() - 18, robot.y() + 20, 36, 10), QColor(255, 220, 60), ink(1));
    for (int side : {-1, 1}) {
        box(p, QRectF(robot.x() + side * 44 - 7, robot.y() - 12, 14, 40), QColor(180, 190, 210), ink(1.5));
        box(p, QRectF(robot.x() + side * 18 - 8, robot.y() + 40, 16, 30), QColor(150, 160, 190), ink(1.5));
    }
    // Middle shelf: car, xylophone, spinning top, stacking rings.
    const QPointF car(110, 350);
    QPainterPath carBody;
    carBody.addRoundedRect(QRectF(car.x() - 70, car.y() - 24, 140, 30), 10, 10);
    carBody.addRoundedRect(QRectF(car.x() - 40, car.y() - 52, 80, 34), 12, 12);
    p.setPen(ink(2));
    p.setBrush(shaded(car, 70, QColor(235, 50, 50)));
    p.drawPath(carBody.simplified());
    box(p, QRectF(car.x() - 32, car.y() - 46, 28, 22), QColor(180, 230, 255), ink(1.2));
    box(p, QRectF(car.x() + 4, car.y() - 46, 28, 22), QColor(180, 230, 255), ink(1.2));
    disk(p, {car.x() + 62, car.y() - 12}, 6, QColor(255, 240, 120));
    for (double dx : {-42.0, 42.0}) {
        disk(p, {car.x() + dx, car.y() + 10}, 16, QColor(50, 50, 60), ink(2));
        disk(p, {car.x() + dx, car.y() + 10}, 6, QColor(220, 220, 230));
    }
    box(p, QRectF(215, 350, 160, 14), QColor(150, 100, 60), ink(1.5));
    for (int i = 0; i < 8; ++i) {
        const double h = 90 - i * 8;
        const QRectF bar(222 + i * 19, 350 - h / 2 - 10, 15, h);
        box(p, bar,
            linear(bar.topLeft(), bar.topRight(), {{0, hsv(i * 42, 200, 255)}, {1, hsv(i * 42, 220, 210)}}),
            ink(1.2));
        disk(p, {bar.center().x(), bar.top() + 6}, 2.5, QColor(230, 230, 230));
    }
    line(p, {240, 260}, {300, 300}, ink(3, QColor(160, 110, 60)));
    disk(p, {238, 258}, 8, QColor(240, 60, 60), ink(1.2));
    const QPointF top(420, 320);
    QPainterPath spinner;
    spinner.moveTo(top.x(), top.y() + 58);
    spinner.lineTo(top.x() - 42, top.y() - 2);
    spinner.quadTo(top.x(), top.y() - 40, top.x() + 42, top.y() - 2);
    spinner.closeSubpath();
    p.setPen(ink(2));
    p.setBrush(QColor(255, 210, 40));
    p.drawPath(spinner);
    p.save();
    p.setClipPath(spinner);
    for (int k = 0; k < 3; ++k)
        box(p, QRectF(top.x() - 45, top.y() - 10 + k * 20, 90, 9), hsv(k * 120 + 200, 200, 240));
    p.restore();
    box(p, QRectF(top.x() - 4, top.y() - 46, 8, 24), QColor(150, 100, 60), ink(1));
    const QPointF rings(522, 372);
    box(p, QRectF(rings.x() - 4, rings.y() - 130, 8, 120), QColor(200, 150, 90), ink(1));
    for (int k = 0; k < 5; ++k) {
        const double rx = 42 - k * 6;
        oval(p, {rings.x(), rings.y() - 14 - k * 22}, rx, 12,
             shaded({rings.x(), rings.y() - 14 - k * 22}, rx, hsv(k * 60, 210, 250)), ink(1.5));
    }
    disk(p, {rings.x(), rings.y() - 134}, 10, QColor(240, 60, 150), ink(1.5));
    // Bottom shelf: building blocks, drum, ball.
    static const QColor blockColours[] = {QColor(240, 70, 70),  QColor(60, 140, 240), QColor(255, 200, 40),
                                          QColor(70, 200, 110), QColor(200, 90, 230), QColor(255, 140, 40)};
    struct Block {
        double x, y;
        int colour, shape;
    };
    const Block blocks[] = {{40, 500, 0, 0}, {98, 500, 1, 1},  {156, 500, 2, 2},
                            {69, 445, 3, 3}, {127, 445, 4, 0}, {98, 390, 5, 1}};
    for (const Block& b : blocks) {
        const QColor c = blockColours[b.colour];
        const QRectF face(b.x, b.y, 52, 52);
        box(p, face, shaded(face.center(), 40, c), ink(2));
        const QPointF m = face.center();
        if (b.shape == 0)
            star(p, m, 17, Qt::white);
        else if (b.shape == 1)
            disk(p, m, 14, Qt::white, ink(1.2));
        else if (b.shape == 2)
            polygon(p, {{m.x(), m.y() - 16}, {m.x() + 16, m.y() + 12}, {m.x() - 16, m.y() + 12}}, Qt::white,
                    ink(1.2));
        else {
            QPainterPath heart;
            heart.moveTo(m.x(), m.y() + 14);
            heart.cubicTo(m.x() - 24, m.y() - 2, m.x() - 10, m.y() - 22, m.x(), m.y() - 8);
            heart.cubicTo(m.x() + 10, m.y() - 22, m.x() + 24, m.y() - 2, m.x(), m.y() + 14);
            p.setPen(ink(1.2));
            p.setBrush(Qt::white);
            p.drawPath(heart);
        }
    }
    const QPointF drum(330, 500);
    box(p, QRectF(drum.x() - 60, drum.y() - 30, 120, 70),
        linear({drum.x() - 60, 0}, {drum.x() + 60, 0}, {{0, QColor(240, 70, 70)}, {1, QColor(180, 30, 40)}}));
    for (int k = 0; k < 6; ++k) {
        line(p, {drum.x() - 60 + k * 20, drum.y() - 26}, {drum.x() - 50 + k * 20, drum.y() + 36},
             ink(2, Qt::white));
        line(p, {drum.x() - 40 + k * 20, drum.y() - 26}, {drum.x() - 50 + k * 20, drum.y() + 36},
             ink(2, Qt::white));
    }
    oval(p, {drum.x(), drum.y() + 40}, 60, 14, QColor(180, 30, 40), ink(2));
    oval(p, {drum.x(), drum.y() - 30}, 60, 14, QColor(250, 245, 230), ink(2.5, QColor(255, 200, 40)));
    line(p, {drum.x() - 30, drum.y() - 32}, {drum.x() - 80, drum.y() - 90}, ink(4, QColor(170, 120, 60)));
    line(p, {drum.x() + 20, drum.y() - 32}, {drum.x() + 60, drum.y() - 100}, ink(4, QColor(170, 120, 60)));
    disk(p, {drum.x() - 80, drum.y() - 90}, 7, QColor(255, 230, 180));
    disk(p, {drum.x() + 60, drum.y() - 100}, 7, QColor(255, 230, 180));
    beachBall(p, {490, 505}, 46, 15);
    butterfly(p, {470, 255}, 0.7, QColor(255, 150, 60), QColor(255, 240, 150), 25);
    // Rug on the floor.
    for (int k = 0; k < 4; ++k) oval(p, {300, 600}, 220 - k * 45, 24 - k * 5, hsv(180 + k * 50, 120, 250));
}

}  // namespace pekuru::pictures
