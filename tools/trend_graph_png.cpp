// Renders a trend graph of a day of house data with a million points per
// series, a temperature in tenths on the left axis, a ventilation position on
// the right axis, the temperature's target band as a fill series, and the
// legend beside it, to trend_graph.png in the folder given; and the same day
// zoomed into one afternoon hour to trend_graph_zoomed.png.
//   trend_graph_png <output folder>

#include "framework/Application.h"
#include "graph/KivGraph.h"
#include "graph/Legenda.h"

#include <QDir>
#include <QPainter>
#include <QTextStream>
#include <cmath>
#include <random>

namespace {

constexpr int kPoints = 1000000;

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
        const double minute = i * 1440.0 / kPoints;
        drift = 0.999 * drift + noise(rng);
        s->Points[size_t(i)] = {minute, 200 + 35 * std::sin((minute - 540) * 2 * M_PI / 1440) + drift};
    }
    return s;
}

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

// The band from the target temperature to target + bandwidth, as one polygon.
TSeries* TargetBand(TSeries* link)
{
    auto* s = new TSeries;
    s->Name = QStringLiteral("Bandbreedte");
    s->LinkedSerie = link;
    s->Points = {{0, 185}, {1440, 185}, {1440, 245}, {0, 245}};
    return s;
}

bool Save(TKivGraph& graph, TLegenda& legend, const QDir& dir, const QString& name)
{
    const QImage plot = graph.PaintToImage().copy();
    const QImage list = legend.PaintToImage().copy();
    QImage picture(plot.width() + list.width() + 8, plot.height(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.drawImage(0, 0, plot);
    p.drawImage(plot.width() + 8, 0, list);
    p.end();
    const QString path = dir.filePath(name);
    if (!picture.save(path)) {
        QTextStream(stderr) << "cannot write " << path << "\n";
        return false;
    }
    QTextStream(stdout) << path << " (rendered in " << graph.RenderTime << " ms)\n";
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: trend_graph_png <output folder>\n";
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.exists() && !QDir().mkpath(dir.path())) {
        QTextStream(stderr) << "cannot create " << dir.path() << "\n";
        return 1;
    }
    TKivGraph graph;
    graph.resize(800, 400);
    graph.Title = QStringLiteral("Stal 1: een dag");
    graph.XAxisType = atMinutes;
    graph.SetBgStyle(TKivGraph::bgsLineHoriz);
    graph.SetColorBg(clWhite);
    graph.SetColorBg2(RGB(200, 215, 235));
    graph.SetBorderStyle(TKivGraph::bstRaised);
    TSeries* temperature = Temperature();
    graph.AddFillSerie(TargetBand(temperature));
    graph.AddSerie(temperature);
    graph.AddSerie(Ventilation(*temperature));
    // Each added series set the Y limits to its own range; the host sets the axes' own.
    graph.LimitXMin = 0;
    graph.LimitXMax = 1440;
    graph.LimitLeftMin = 150;
    graph.LimitLeftMax = 260;
    graph.LimitRightMin = 0;
    graph.LimitRightMax = 100;
    TLegenda legend;
    legend.resize(150, 400);
    legend.SetKivGraph(&graph);
    graph.DrawGraphic();
    bool ok = Save(graph, legend, dir, QStringLiteral("trend_graph.png"));
    graph.SetVisLeftRect({840, 190, 900, 250});
    graph.SetVisRightRect({840, 0, 900, 100});
    ok = Save(graph, legend, dir, QStringLiteral("trend_graph_zoomed.png")) && ok;
    return ok ? 0 : 1;
}
