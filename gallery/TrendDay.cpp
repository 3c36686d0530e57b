#include "gallery/TrendDay.h"

#include "graph/KivGraph.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace {

constexpr int kPoints = 1000000;
constexpr double kMinutes = 1440;

TSeries* Temperature()
{
    auto* s = new TSeries;
    s->Name = QStringLiteral("Temperatuur (0.1 C)");
    s->Color = clRed;
    s->Tenths = true;
    s->MinY = 150;
    s->MaxY = 260;
    std::mt19937 rng(1);
    std::normal_distribution<double> noise(0, 0.4);
    double drift = 0;
    s->Points.resize(kPoints);
    for (int i = 0; i < kPoints; ++i) {
        const double minute = i * kMinutes / kPoints;
        drift = 0.999 * drift + noise(rng);
        s->Points[size_t(i)] = {minute, 200 + 35 * std::sin((minute - 540) * 2 * M_PI / kMinutes) + drift};
    }
    return s;
}

// The ventilation follows the temperature above the target, at least 10 %.
TSeries* Ventilation(const TSeries& temperature)
{
    auto* s = new TSeries;
    s->Name = QStringLiteral("Ventilatie (%)");
    s->Color = clBlue;
    s->MinY = 0;
    s->MaxY = 100;
    s->Points.resize(kPoints);
    for (int i = 0; i < kPoints; ++i) {
        const TPoint2D& t = temperature.Points[size_t(i)];
        s->Points[size_t(i)] = {t.X, std::clamp((t.Y - 185) * 100 / 60, 10.0, 100.0)};
    }
    return s;
}

TSeries* TargetBand(TSeries* link)
{
    auto* s = new TSeries;
    s->Name = QStringLiteral("Bandbreedte");
    s->LinkedSerie = link;
    s->Points = {{0, 185}, {kMinutes, 185}, {kMinutes, 245}, {0, 245}};
    return s;
}

} // namespace

void ShowHouseDay(TKivGraph& graph)
{
    graph.XAxisType = atMinutes;
    TSeries* temperature = Temperature();
    graph.AddFillSerie(TargetBand(temperature));
    graph.AddSerie(temperature);
    graph.AddSerie(Ventilation(*temperature));
    // Each added series set the Y limits to its own range; the axes get theirs.
    graph.LimitXMin = 0;
    graph.LimitXMax = int(kMinutes);
    graph.LimitLeftMin = 150;
    graph.LimitLeftMax = 260;
    graph.LimitRightMin = 0;
    graph.LimitRightMax = 100;
    graph.DrawGraphic(); // shows the whole day
}
