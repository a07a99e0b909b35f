// Hot-air balloons over mountains and a patchwork valley with a river and a village.

#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

#include "Canvas.h"
#include "Motifs.h"
#include "Scenes.h"

namespace pekuru::pictures {

void balloons(QPainter& p, Dice& dice) {
    box(p, QRectF(0, 0, 600, 400),
        linear({0, 0}, {150, 400},
               {{0, QColor(50, 130, 240)}, {0.55, QColor(140, 205, 255)}, {1, QColor(255, 205, 150)}}));
    QRadialGradient dawn(QPointF(440, 330), 90);
    dawn.setColorAt(0, QColor(255, 240, 160, 220));
    dawn.setColorAt(1, QColor(255, 200, 120, 0));
    disk(p, {440, 330}, 90, dawn);
    disk(p, {440, 330}, 34, shaded({440, 330}, 34, QColor(255, 200, 60)));
    cloud(p, {300, 322}, 0.6, QColor(255, 240, 235));
    cloud(p, {55, 235}, 0.5, QColor(255, 245, 240));
    cloud(p, {560, 180}, 0.35, QColor(255, 250, 250));
    for (QPointF b : {QPointF(360, 40), QPointF(385, 30), QPointF(560, 250)}) bird(p, b, 0.8);
    // Mountains and a patchwork valley with a winding river and a village.
    polygon(p,
            {{0, 400},
             {0, 340},
             {90, 300},
             {200, 350},
             {320, 290},
             {440, 345},
             {540, 305},
             {600, 330},
             {600, 400}},
            QColor(130, 120, 200));
    for (QPointF pk : {QPointF(90, 300), QPointF(320, 290), QPointF(540, 305)})
        polygon(p,
                {pk,
                 {pk.x() - 20, pk.y() + 11},
                 {pk.x() - 6, pk.y() + 8},
                 {pk.x() + 4, pk.y() + 13},
                 {pk.x() + 20, pk.y() + 11}},
                Qt::white);
    static const QColor crops[] = {QColor(250, 220, 50),  QColor(120, 200, 70),  QColor(60, 150, 60),
                                   QColor(180, 120, 70),  QColor(170, 130, 220), QColor(250, 150, 50),
                                   QColor(170, 225, 110), QColor(220, 180, 90)};
    const double rows[] = {370, 400, 440, 495, 560, 640};
    for (int r = 0; r + 1 < 6; ++r) {
        // Shared field edges, each leaning a little, so that neighbouring fields meet without gaps.
        std::vector<std::pair<double, double>> edges;  // x at the top and at the bottom of the row
        for (double x = -dice.real(20, 80); x < 700;) {
            const double lean = dice.real(-0.25, 0.25) * (rows[r + 1] - rows[r]);
            edges.push_back({x + lean, x - lean});
            x += dice.real(70, 130) * (0.6 + r * 0.25);
        }
        for (std::size_t k = 0; k + 1 < edges.size(); ++k) {
            const QPolygonF field{{edges[k].first, rows[r]},
                                  {edges[k + 1].first, rows[r]},
                                  {edges[k + 1].second, rows[r + 1]},
                                  {edges[k].second, rows[r + 1]}};
            const QColor crop = crops[dice.below(8)];
            polygon(p, field, crop, ink(1.5, QColor(90, 120, 60)));
            QPainterPath clip;
            clip.addPolygon(field);
            p.save();
            p.setClipPath(clip);
            const double turn = dice.real(-60, 60), gap = dice.real(6, 12) * (0.7 + r * 0.2);
            const QPointF mid = field.boundingRect().center();
            p.translate(mid);
            p.rotate(turn);
            for (double d = -200; d < 200; d += gap) line(p, {-200, d}, {200, d}, ink(1.5, crop.darker(125)));
            p.restore();
        }
    }
    QPainterPath river;
    river.moveTo(330, 370);
    river.cubicTo(250, 420, 420, 470, 300, 520);
    river.cubicTo(200, 560, 260, 590, 230, 610);
    p.setPen(QPen(QColor(70, 160, 230), 22, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(river);
    p.setPen(QPen(QColor(140, 210, 255), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(river);
    // A road to the village, with a red bus on it.
    QPainterPath road;
    road.moveTo(600, 470);
    road.cubicTo(520, 480, 470, 520, 430, 600);
    p.setPen(QPen(QColor(120, 110, 110), 12, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(road);
    box(p, QRectF(548, 466, 30, 13), QColor(230, 50, 50), ink(1.2));
    box(p, QRectF(552, 469, 22, 5), QColor(200, 235, 255));
    static const QColor walls[] = {QColor(255, 230, 150), QColor(255, 255, 255), QColor(255, 190, 170),
                                   QColor(200, 230, 255)};
    const QRectF village[] = {{375, 500, 40, 28}, {432, 492, 30, 24}, {478, 505, 46, 30}, {540, 500, 34, 26},
                              {400, 555, 44, 30}, {468, 560, 32, 26}, {520, 552, 50, 34}};
    for (int i = 0; i < 7; ++i)
        cottage(p, village[i], walls[i % 4], hsv(i * 50, 180, 200), QColor(120, 190, 255), false);
    for (double x : {40.0, 110.0, 170.0})
        pine(p, {x, 580.0 - (int(x) % 3) * 20}, 0.45, QColor(40, 130, 70), false);
    // A windmill on the left hill and a pond with ducks.
    oval(p, {85, 470}, 45, 16,
         linear({40, 460}, {130, 486}, {{0, QColor(120, 200, 250)}, {1, QColor(50, 120, 210)}}),
         ink(1.5, QColor(60, 110, 60)));
    for (QPointF d : {QPointF(70, 468), QPointF(100, 474)}) {
        oval(p, d, 7, 4, Qt::white);
        disk(p, {d.x() + 5, d.y() - 4}, 3, QColor(40, 150, 80));
    }
    polygon(p, {{200, 440}, {206, 395}, {218, 395}, {224, 440}}, QColor(245, 240, 230), ink(1.2));
    for (int i = 0; i < 4; ++i)
        line(p, {212, 398}, polar({212, 398}, 30, 30 + i * 90), ink(4, QColor(200, 60, 60)));
    // Hot-air balloons: each its own size, stripes and colours.
    struct Balloon {
        double x, y, r;
        int hue, stripes;
    };
    const Balloon fleet[] = {{300, 190, 80, 0, 8},   {110, 110, 52, 200, 6}, {480, 105, 60, 50, 7},
                             {505, 315, 38, 280, 5}, {150, 320, 34, 120, 6}, {250, 45, 24, 320, 4},
                             {580, 25, 18, 170, 4}};
    for (const Balloon& b : fleet) {
        QPainterPath env;
        env.moveTo(b.x - b.r * 0.3, b.y + b.r * 1.15);
        env.cubicTo(b.x - b.r * 1.35, b.y + b.r * 0.3, b.x - b.r * 1.2, b.y - b.r * 1.05, b.x,
                    b.y - b.r * 1.05);
        env.cubicTo(b.x + b.r * 1.2, b.y - b.r * 1.05, b.x + b.r * 1.35, b.y + b.r * 0.3, b.x + b.r * 0.3,
                    b.y + b.r * 1.15);
        env.closeSubpath();
        p.save();
        p.setClipPath(env);
        const double w = 2.4 * b.r / b.stripes;
        for (int s = 0; s < b.stripes; ++s)
            box(p, QRectF(b.x - 1.2 * b.r + s * w, b.y - 1.2 * b.r, w, 2.6 * b.r),
                s % 2 ? hsv(b.hue + 150, 190, 255) : hsv(b.hue + s * 15, 220, 250));
        box(p, QRectF(b.x - 1.3 * b.r, b.y - b.r * 0.1, 2.6 * b.r, b.r * 0.22), hsv(b.hue + 180, 200, 240));
        QRadialGradient light(QPointF(b.x - b.r * 0.4, b.y - b.r * 0.4), b.r * 1.6);
        light.setColorAt(0, QColor(255, 255, 255, 90));
        light.setColorAt(1, QColor(0, 0, 50, 70));
        box(p, QRectF(b.x - 1.4 * b.r, b.y - 1.2 * b.r, 2.8 * b.r, 2.6 * b.r), light);
        p.restore();
        p.setPen(ink(std::max(1.0, b.r * 0.03)));
        p.setBrush(Qt::NoBrush);
        p.drawPath(env);
        const double basketTop = b.y + b.r * 1.45;
        line(p, {b.x - b.r * 0.3, b.y + b.r * 1.15}, {b.x - b.r * 0.2, basketTop},
             ink(std::max(0.8, b.r * 0.025)));
        line(p, {b.x + b.r * 0.3, b.y + b.r * 1.15}, {b.x + b.r * 0.2, basketTop},
             ink(std::max(0.8, b.r * 0.025)));
        box(p, QRectF(b.x - b.r * 0.22, basketTop, b.r * 0.44, b.r * 0.3), QColor(170, 110, 50),
            ink(std::max(0.8, b.r * 0.025)));
        if (b.r > 45) {
            disk(p, {b.x - b.r * 0.08, basketTop - b.r * 0.05}, b.r * 0.09, QColor(255, 220, 180));
            disk(p, {b.x + b.r * 0.1, basketTop - b.r * 0.05}, b.r * 0.09, QColor(240, 190, 150));
        }
    }
}

}  // namespace pekuru::pictures
