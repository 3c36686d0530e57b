#include "scale/ScaleSteps.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace ScaleSteps {

namespace {

int64_t Trunc(double v)
{
    constexpr double limit = 9.0e18;
    return int64_t(std::trunc(std::fmax(-limit, std::fmin(limit, v))));
}

// A step table: the step of the first row whose count reaches the one asked for.
template <class Count> struct TRow {
    Count upTo;
    int step;
};

template <class Count, size_t N> int Lookup(const TRow<Count> (&table)[N], Count count, int rest)
{
    for (const TRow<Count>& row : table)
        if (count <= row.upTo)
            return row.step;
    return rest;
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
    static constexpr TRow<double> table[] = {{2, 1440}, {3, 720}, {4, 480},  {6, 360}, {8, 240},  {12, 180}, {24, 120},
                                             {48, 60}, {144, 30}, {288, 10}, {360, 5}, {720, 4}, {1200, 2}};
    return Lookup(table, count, 1);
}

int Hours(int count)
{
    static constexpr TRow<int> table[] = {{1, 1440}, {2, 720}, {4, 360}, {6, 240}, {8, 180}, {20, 120}};
    return Lookup(table, count, 60);
}

int PerCent(int count)
{
    static constexpr TRow<int> table[] = {{1, 100}, {2, 50}, {4, 25}, {5, 20}};
    return Lookup(table, count, 10);
}

int StepCount(double range, double step, double most)
{
    const double n = std::trunc(range / step);
    if (!std::isfinite(n) || n < 0 || n > most)
        return 0;
    return int(n);
}

} // namespace ScaleSteps
