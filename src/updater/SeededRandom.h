#pragma once
// Random positions from a seeded generator (the program seeds it from the clock).
#include "updater/ItemCycling.h"

#include <cstdint>
#include <random>

namespace lv {

class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(std::uint32_t seed) : engine_(seed) {}
    int below(int count) override { return std::uniform_int_distribution<int>(0, count - 1)(engine_); }

private:
    std::minstd_rand engine_;
};

} // namespace lv
