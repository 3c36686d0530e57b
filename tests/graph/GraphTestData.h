#pragma once
// Series shapes shared by the graph tests, the benchmarks' twins: random
// walks, noisy sines and minute series with holes.

#include "graph/Series.h"

#include <cmath>
#include <random>

namespace GraphTestData {

inline TSeries* RandomWalk(int n, unsigned seed, double x0 = 0, double dx = 1)
{
    auto* s = new TSeries;
    std::mt19937 rng(seed);
    std::normal_distribution<double> step(0, 1);
    double y = 50;
    s->Points.reserve(size_t(n));
    for (int i = 0; i < n; ++i) {
        y += step(rng);
        s->Points.push_back({x0 + i * dx, y});
    }
    return s;
}

inline TSeries* NoisySine(int n, unsigned seed, double periods)
{
    auto* s = new TSeries;
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> noise(-8, 8);
    for (int i = 0; i < n; ++i)
        s->Points.push_back({double(i), 50 + 40 * std::sin(i * periods * 2 * M_PI / n) + noise(rng)});
    return s;
}

// One point a minute (several per minute when dense) over `minutes`, with
// holes of more than an hour now and then.
inline TSeries* MinutesWithHoles(int minutes, int perMinute, unsigned seed)
{
    auto* s = new TSeries;
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> hole(0, 400);
    std::normal_distribution<double> step(0, 2);
    double y = 50;
    for (int m = 0; m < minutes; ++m) {
        if (hole(rng) == 0)
            m += 61 + hole(rng) / 4; // a jump past one hour
        for (int k = 0; k < perMinute; ++k) {
            y += step(rng);
            s->Points.push_back({m + double(k) / perMinute, y});
        }
    }
    return s;
}

} // namespace GraphTestData
