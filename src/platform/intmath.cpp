#include "platform/intmath.h"

#include <cmath>

int RoundHalfEven(double v) {
    // Worked out from the floor, whose distance to v is exact, rather than through the rounding mode, which
    // is slow to save and restore.
    const double down = std::floor(v);
    const double fraction = v - down;
    const bool up = fraction > 0.5 || (fraction == 0.5 && std::fmod(down, 2.0) != 0.0);
    return static_cast<int>(up ? down + 1 : down);
}
