#pragma once

#include <cstdint>
#include <random>

namespace kelvara {

// The program's pseudo-random generator: single-precision values r with 0 <= r < 1. It is seeded
// once at start-up from the clock; tests seed it to make draws repeatable.
class RandomSource {
  public:
    void seed(std::uint32_t s) { engine_.seed(s); }
    void seed_from_clock();

    // The next value r, 0 <= r < 1.
    float next();

  private:
    std::mt19937 engine_{5489u};
};

}  // namespace kelvara
