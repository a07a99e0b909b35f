#pragma once

#include <cstdint>
#include <random>

namespace pekuru {

// The one source of randomness: uniform single-precision numbers in [0, 1).
class Random {
  public:
    virtual ~Random() = default;
    virtual float next() = 0;
    // A whole number from 0 to n − 1, drawn as Int(n × next()).
    int below(int n);
};

// A Mersenne twister; seeded from the host for the program, with a fixed seed in tests.
class MersenneRandom final : public Random {
  public:
    MersenneRandom();
    explicit MersenneRandom(std::uint32_t seed) : engine_(seed) {}
    float next() override;

  private:
    std::mt19937 engine_;
};

}  // namespace pekuru
