#pragma once
// The two random generators behind "rand": the combined generator Ran of
// Numerical Recipes (third edition), one for each part of the value.

#include <cstdint>

namespace NCalculatorText {

class RanGenerator {
  public:
    std::uint64_t Draw() noexcept;
    // Seeds twice: once with j, then once more with the next output.
    void Seed(std::uint64_t j) noexcept;

  private:
    void SeedOnce(std::uint64_t j) noexcept;

    std::uint64_t u_ = 0;
    std::uint64_t v_ = 4101842887655102017ULL;
    std::uint64_t w_ = 1;
};

struct RandomState {
    RanGenerator realPart;
    RanGenerator imaginaryPart;
    bool imaginaryPartSeeded = false;
    std::uint64_t startTick = 0;
};

extern RandomState randomState;

// Milliseconds of a steady clock; used only as a seed.
std::uint64_t TickCount() noexcept;

// Called once at start-up, before any calculation.
void SeedRandom() noexcept;

// Called when a random node is created: seeds the imaginary-part generator the
// first time, with a tick that differs from the start tick.
void SeedImaginaryPartOnce() noexcept;

} // namespace NCalculatorText
