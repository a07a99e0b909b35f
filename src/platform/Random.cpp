#include "platform/Random.h"

#include <cmath>

namespace pekuru {

int Random::below(int n) {
    if (n <= 0) return 0;
    const int k = int(std::floor(double(n) * double(next())));
    return k < n ? k : n - 1;  // guards the rounding of n × next() up to n
}

MersenneRandom::MersenneRandom() : engine_(std::random_device{}()) {}

float MersenneRandom::next() {
    // 24 random bits give every single-precision value of [0, 1) with that spacing.
    return float(engine_() >> 8) / float(1u << 24);
}

}  // namespace pekuru
