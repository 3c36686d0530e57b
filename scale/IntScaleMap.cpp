#include "scale/IntScaleMap.h"

int TIntScaleMap::AgreeingPixel(int64_t s, int maxSteps) const
{
    // The pixel direction in which values grow.
    const int up = (p2_ > p1_) == (s2_ > s1_) ? 1 : -1;
    int p = Pixel(s);
    for (int step = 0; step < maxSteps; ++step) {
        if (Value(p) < s && Value(int64_t(p) + up) <= s)
            p += up;
        else if (Value(p) > s && Value(int64_t(p) - up) >= s)
            p -= up;
        else
            break;
    }
    return p;
}
