#include "tilepuzzle/TileBoard.h"

#include <utility>

namespace pekuru {

void TileBoard::setGrid(int rows, int cols) {
    rows_ = rows;
    cols_ = cols;
    restore();
}

void TileBoard::restore() {
    tilePos_.assign(std::size_t(tileCount() + 1), 0);
    for (int k = 1; k <= tileCount(); ++k) tilePos_[std::size_t(k)] = k;
}

void TileBoard::shuffle(Random& random) {
    const int n = tileCount();
    for (int i = 0; i < 3 * n; ++i) {
        const int a = 1 + random.below(n);
        const int b = 1 + random.below(n);
        swap(a, b);
    }
}

void TileBoard::swap(int a, int b) { std::swap(tilePos_.at(std::size_t(a)), tilePos_.at(std::size_t(b))); }

std::vector<int> TileBoard::misplaced() const {
    std::vector<int> out;
    for (int k = 1; k <= tileCount(); ++k)
        if (tilePos_[std::size_t(k)] != k) out.push_back(k);
    return out;
}

}  // namespace pekuru
