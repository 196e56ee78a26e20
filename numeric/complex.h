#pragma once
// The value of every result, memory cell and kernel argument.

struct Complex {
    double re = 0.0;
    double im = 0.0;

    constexpr bool IsZero() const noexcept { return re == 0.0 && im == 0.0; }
    friend constexpr bool operator==(const Complex&, const Complex&) noexcept = default;
};
