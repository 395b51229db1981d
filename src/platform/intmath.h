#pragma once

#include <cstdint>
#include <span>

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

// MulDiv(k, b, c) for k = 0, 1, ... into out[k]: the quotient and remainder carried on with one addition per
// entry instead of a division.
constexpr void MulDivSeries(int b, int c, std::span<int> out) {
    if (c == 0) {
        for (int& v : out) v = -1;
        return;
    }
    // As in MulDiv: (2 * |k * b| + |c|) / (2 * |c|), negated where b and c differ in sign.
    const std::int64_t absB = b < 0 ? -std::int64_t(b) : b;
    const std::int64_t d = 2 * (c < 0 ? -std::int64_t(c) : c);
    const std::int64_t dq = 2 * absB / d;
    const std::int64_t dr = 2 * absB % d;
    const bool negative = (b < 0) != (c < 0);
    std::int64_t q = 0;
    std::int64_t r = d / 2;
    for (int& v : out) {
        v = static_cast<int>(negative ? -q : q);
        // Without a branch: whether the remainder carries follows no pattern a guess could learn.
        r += dr;
        const bool carries = r >= d;
        q += dq + (carries ? 1 : 0);
        r -= carries ? d : 0;
    }
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
