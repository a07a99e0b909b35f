#pragma once

#include <vector>

#include "platform/Random.h"

namespace pekuru {

// Which piece of the picture each tile shows. Tiles and pieces are numbered 1..N row by row; the
// picture is whole when every tile k shows piece k.
class TileBoard {
  public:
    void setGrid(int rows, int cols);
    int rows() const { return rows_; }
    int cols() const { return cols_; }
    int tileCount() const { return rows_ * cols_; }

    // Every tile shows its own piece.
    void restore();
    // 3 × N random swaps of tiles a and b (a may equal b), drawn as Int(1 + N × Rnd).
    void shuffle(Random& random);
    void swap(int a, int b);
    int pieceAt(int tile) const { return tilePos_.at(std::size_t(tile)); }
    // Tiles that do not show their own piece, in tile order.
    std::vector<int> misplaced() const;
    bool isWhole() const { return misplaced().empty(); }

  private:
    int rows_ = 0;
    int cols_ = 0;
    std::vector<int> tilePos_;  // entry 0 unused
};

}  // namespace pekuru
