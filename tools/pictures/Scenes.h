// The demo classroom's puzzle scenes, each drawn on the 600 × 600 canvas with its own seeded dice.
//
// The puzzle cuts a picture into up to 5 × 5 tiles and the child has to tell every tile apart, so
// each scene is crowded with small, differently coloured things and has no large flat area.
// Backgrounds run diagonally so that even two patches of sky differ in tone. Repeated objects never
// sit at the spacing of a tile column (120, 150 or 200 on the canvas), or two tiles could look alike.
#pragma once

#include <QPainter>

#include "Canvas.h"

namespace pekuru::pictures {

void rainbowLake(QPainter& p, Dice& dice);
void houseGarden(QPainter& p, Dice& dice);
void fishTank(QPainter& p, Dice& dice);
void nightCity(QPainter& p, Dice& dice);
void fruitBowl(QPainter& p, Dice& dice);
void rocketSpace(QPainter& p, Dice& dice);
void flowerField(QPainter& p, Dice& dice);
void trainBridge(QPainter& p, Dice& dice);
void castle(QPainter& p, Dice& dice);
void farm(QPainter& p, Dice& dice);
void beach(QPainter& p, Dice& dice);
void snowTown(QPainter& p, Dice& dice);
void toyShelf(QPainter& p, Dice& dice);
void balloons(QPainter& p, Dice& dice);

}  // namespace pekuru::pictures
