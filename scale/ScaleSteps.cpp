#include "scale/ScaleSteps.h"

#include <cmath>
#include <cstdint>

namespace ScaleSteps {

namespace {

int64_t Trunc(double v)
{
    constexpr double limit = 9.0e18;
    return int64_t(std::trunc(std::fmax(-limit, std::fmin(limit, v))));
}

} // namespace

double LabelCount(double pixels, double span, double widest, double label)
{
    return std::floor(pixels / span * widest / label + 0.5);
}

double OneTwoFive(double widest, double count)
{
    double step = widest;
    int factor = 2;
    for (double n = 1; n < count;) {
        n *= factor;
        if (n < count)
            step /= factor;
        factor = factor == 2 ? 5 : 2;
    }
    return step;
}

double Halving(double widest, double count)
{
    double step = widest;
    for (double n = 1; n < count;) {
        n *= 2;
        if (n < count)
            step /= 2;
    }
    return step;
}

double Days(double widest, double count, int unit)
{
    double step = Halving(double(Trunc(widest / unit) * unit), count);
    step = double(Trunc(step) / unit * unit);
    return step < unit ? unit : step;
}

int Minutes(double count)
{
    struct Row {
        double upTo;
        int step;
    };
    static constexpr Row table[] = {{2, 1440}, {3, 720}, {4, 480},  {6, 360},   {8, 240},   {12, 180}, {24, 120},
                                    {48, 60},  {144, 30}, {288, 10}, {360, 5}, {720, 4}, {1200, 2}};
    for (const Row& row : table)
        if (count <= row.upTo)
            return row.step;
    return 1;
}

int Hours(int count)
{
    if (count <= 1)
        return 1440;
    if (count == 2)
        return 720;
    if (count <= 4)
        return 360;
    if (count <= 6)
        return 240;
    if (count <= 8)
        return 180;
    if (count <= 20)
        return 120;
    return 60;
}

int PerCent(int count)
{
    if (count <= 1)
        return 100;
    if (count == 2)
        return 50;
    if (count <= 4)
        return 25;
    if (count == 5)
        return 20;
    return 10;
}

int StepCount(double range, double step, double most)
{
    const double n = std::trunc(range / step);
    if (!std::isfinite(n) || n < 0 || n > most)
        return 0;
    return int(n);
}

} // namespace ScaleSteps
