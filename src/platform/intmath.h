#pragma once

#include <cstdint>

// Integer helpers with the platform's exact rounding.

// a * b / c with a 64-bit intermediate, rounded to the nearest integer, halves away from zero.
// Like the platform, a zero divisor gives -1.
constexpr int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    const std::int64_t num = static_cast<std::int64_t>(a) * b;
    const std::int64_t den = c;
    const std::int64_t absNum = num < 0 ? -num : num;
    const std::int64_t absDen = den < 0 ? -den : den;
    const std::int64_t n = 2 * absNum + absDen;
    const std::int64_t d = 2 * absDen;
    // Most values fit 32 bits, where the division is several times quicker (a gradient asks for hundreds).
    const bool narrow = n <= UINT32_MAX && d <= UINT32_MAX;
    const std::int64_t q = narrow ? std::int64_t(std::uint32_t(n) / std::uint32_t(d)) : n / d;
    return static_cast<int>(((num < 0) != (den < 0)) ? -q : q);
}

// a / b rounded down and rounded up, for any signs. Where the values allow, the narrower type's division is
// the quicker one.
template <typename T>
constexpr T FloorDiv(T a, T b) {
    const T q = a / b;
    return (a % b != 0) && ((a < 0) != (b < 0)) ? q - 1 : q;
}
template <typename T>
constexpr T CeilDiv(T a, T b) {
    return -FloorDiv<T>(-a, b);
}

// Nearest integer, exact halves to the even neighbour.
int RoundHalfEven(double v);

// Truncation toward zero.
constexpr int Trunc(double v) {
    return static_cast<int>(v);
}
