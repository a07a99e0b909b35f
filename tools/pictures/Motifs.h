// Things drawn in more than one scene: skies, clouds, trees, flowers, animals, houses. Sizes are
// given as a scale s (1 is the size the shape was designed at) or as a radius or length.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>

#include "Canvas.h"

namespace pekuru::pictures {

// A gradient from the top left corner to the bottom right one, so that no two patches match.
void diagonalSky(QPainter& p, const QRectF& area, const QColor& from, const QColor& to);
void cloud(QPainter& p, QPointF c, double s, const QColor& tint = QColor(255, 255, 255));
void sunWithFace(QPainter& p, QPointF c, double r, int rays = 12);
// A flying bird seen from afar: two curved strokes.
void bird(QPainter& p, QPointF c, double s, const QColor& colour = kInk);
// An invalid fruit colour leaves the tree bare; the fruit's places come from dice.
void leafyTree(QPainter& p, QPointF base, double s, const QColor& leaf, const QColor& fruit, Dice& dice);
void pine(QPainter& p, QPointF base, double s, const QColor& green, bool snow);
void flower(QPainter& p, QPointF c, double r, const QColor& petal, const QColor& centre, int petals = 5,
            double turn = 0);
void stemmedFlower(QPainter& p, QPointF ground, double h, double r, const QColor& petal, const QColor& centre,
                   double turn = 0);
void butterfly(QPainter& p, QPointF c, double s, const QColor& wing, const QColor& spot, double turn = 0);
void songbird(QPainter& p, QPointF c, double s, const QColor& body, bool faceRight);
void fish(QPainter& p, QPointF c, double len, const QColor& body, const QColor& stripe, bool faceRight,
          int stripes);
// A four-paned window with a glint.
void paneWindow(QPainter& p, const QRectF& r, const QColor& glass, const QColor& frame);
// A house with a chimney, a door and two windows; body is its wall, the roof sits above it.
void cottage(QPainter& p, const QRectF& body, const QColor& wall, const QColor& roof, const QColor& glass,
             bool snow);
void beachBall(QPainter& p, QPointF c, double r, double turn);

// Ripples, sparkles and grass tufts: a scatter of small marks so that no area of a scene is flat.
// kind 0 draws ripples, 1 grass tufts, anything else dots.
void scatterMarks(QPainter& p, Dice& dice, const QRectF& area, int count, const QColor& colour, int kind);

}  // namespace pekuru::pictures
