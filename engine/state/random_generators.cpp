#include "engine/state/random_generators.h"

#include <chrono>

namespace NCalculatorText {

RandomState randomState;

std::uint64_t RanGenerator::Draw() noexcept {
    u_ = u_ * 2862933555777941757ULL + 7046029254386353087ULL;
    v_ ^= v_ >> 17;
    v_ ^= v_ << 31;
    v_ ^= v_ >> 8;
    w_ = 4294957665ULL * (w_ & 0xFFFFFFFFULL) + (w_ >> 32);
    std::uint64_t x = u_ ^ (u_ << 21);
    x ^= x >> 35;
    x ^= x << 4;
    return (x + v_) ^ w_;
}

void RanGenerator::SeedOnce(std::uint64_t j) noexcept {
    u_ = v_ ^ j;
    Draw();
    v_ = u_;
    Draw();
    w_ = v_;
    Draw();
}

void RanGenerator::Seed(std::uint64_t j) noexcept {
    SeedOnce(j);
    SeedOnce(Draw());
}

std::uint64_t TickCount() noexcept {
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    return static_cast<std::uint32_t>(ms); // the 32-bit tick counter, widened
}

void SeedRandom() noexcept {
    randomState.startTick = TickCount();
    randomState.realPart.Seed(randomState.startTick);
}

void SeedImaginaryPartOnce() noexcept {
    if (randomState.imaginaryPartSeeded)
        return;
    std::uint64_t tick = TickCount();
    while (tick == randomState.startTick)
        tick = TickCount();
    randomState.imaginaryPart.Seed(tick);
    randomState.imaginaryPartSeeded = true;
}

} // namespace NCalculatorText
