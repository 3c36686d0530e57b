#pragma once
// The trend benchmarks' series: a random walk with a daily sine, one point a
// minute, the same points in every program so their figures compare.

#include "graph/Series.h"

#include <algorithm>
#include <cmath>
#include <random>

inline TSeries* WalkWithDailySine(int n)
{
    auto* s = new TSeries;
    s->Color = clBlue;
    s->Points.resize(size_t(n));
    std::mt19937 rng(42);
    std::normal_distribution<double> step(0.0, 0.5);
    double v = 50;
    for (int i = 0; i < n; ++i) {
        v = std::clamp(v + step(rng), 0.0, 100.0);
        s->Points[size_t(i)] = {double(i), v + 10 * std::sin(i * 2 * M_PI / 1440.0)};
    }
    return s;
}
