#include "random/random_source.h"

#include <chrono>

namespace kelvara {

void RandomSource::seed_from_clock() {
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    engine_.seed(static_cast<std::uint32_t>(ticks ^ (ticks >> 32)));
}

float RandomSource::next() {
    // 24 random bits fill a float's mantissa exactly, so the value is uniform and never reaches 1
    // (std::generate_canonical<float> can round up to 1.0f).
    return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f);
}

}  // namespace kelvara
