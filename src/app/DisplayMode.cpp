#include "app/DisplayMode.h"

#include <cstdint>

namespace lv {

namespace {

// A positive binary number significand x 2^(exponent - 63) whose
// significand has its top bit set.
struct Binary {
    std::uint64_t significand = 0;
    int exponent = 0;

    friend bool operator<(const Binary& a, const Binary& b)
    {
        return a.exponent != b.exponent ? a.exponent < b.exponent : a.significand < b.significand;
    }
};

constexpr std::uint64_t TopBit = std::uint64_t{1} << 63;

// n / d (both positive) rounded to 64 significant bits, a half to even. Long
// division bit by bit, so it is exact on every target (no 128-bit or
// extended-precision arithmetic needed).
Binary quotient64(std::uint64_t n, std::uint64_t d)
{
    int exponent = 0;
    while (n < d) {
        n <<= 1;
        --exponent;
    }
    while (n >= 2 * d) {
        d <<= 1;
        ++exponent;
    }
    std::uint64_t q = 0;
    for (int i = 0; i < 64; ++i) {
        q <<= 1;
        if (n >= d) {
            n -= d;
            q |= 1;
        }
        n <<= 1;
    }
    const bool guard = n >= d;
    if (guard)
        n -= d;
    const bool sticky = n != 0;
    if (guard && (sticky || (q & 1))) {
        ++q;
        if (q == 0) {
            q = TopBit;
            ++exponent;
        }
    }
    return {q, exponent};
}

// Keeps 40 significant bits, a half away from zero.
Binary to40Bits(Binary value)
{
    constexpr int Dropped = 64 - 40;
    constexpr std::uint64_t Half = std::uint64_t{1} << (Dropped - 1);
    std::uint64_t kept = value.significand >> Dropped;
    if ((value.significand & ((std::uint64_t{1} << Dropped) - 1)) >= Half)
        ++kept;
    if (kept == (std::uint64_t{1} << 40)) {
        kept >>= 1;
        ++value.exponent;
    }
    return {kept << Dropped, value.exponent};
}

} // namespace

bool ratioInStretchRange(int width, int height)
{
    if (width <= 0 || height <= 0)
        return false;
    static const Binary lower = quotient64(119, 100);
    static const Binary upper = quotient64(151, 100);
    const Binary ratio = to40Bits(quotient64(static_cast<std::uint64_t>(width), static_cast<std::uint64_t>(height)));
    return lower < ratio && ratio < upper;
}

std::string automaticDisplayMode(int width, int height, int halfScreenWidth, int halfScreenHeight)
{
    if (width <= 0 || height <= 0)
        return Centered;
    if (ratioInStretchRange(width, height) && width > halfScreenWidth)
        return Stretch;
    if (width > halfScreenWidth || height > halfScreenHeight)
        return Centered;
    return Tiled;
}

} // namespace lv
