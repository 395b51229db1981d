#include "platform/intmath.h"

#include <cfenv>
#include <cmath>

int RoundHalfEven(double v) {
    // nearbyint follows the current rounding mode, which is to-nearest-even unless someone changed it.
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(v);
    std::fesetround(saved);
    return static_cast<int>(r);
}
