// Renders a trend graph of a day of house data with a million points per
// series, a temperature in tenths on the left axis, a ventilation position on
// the right axis, the temperature's target band as a fill series, and the
// legend beside it, to trend_graph.png in the folder given; and the same day
// zoomed into one afternoon hour to trend_graph_zoomed.png.
//   trend_graph_png <output folder>

#include "PictureOutput.h"
#include "framework/Application.h"
#include "gallery/TrendDay.h"
#include "graph/KivGraph.h"
#include "graph/Legenda.h"

#include <QDir>
#include <QPainter>
#include <QTextStream>

namespace {

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
    QDir dir;
    if (const int failed = OpenOutputFolder(argc, argv, dir))
        return failed;
    TApplication app(argc, argv);
    TKivGraph graph;
    graph.resize(800, 400);
    graph.Title = QStringLiteral("Stal 1: een dag");
    graph.SetBgStyle(TKivGraph::bgsLineHoriz);
    graph.SetColorBg(clWhite);
    graph.SetColorBg2(RGB(200, 215, 235));
    graph.SetBorderStyle(TKivGraph::bstRaised);
    ShowHouseDay(graph);
    TLegenda legend;
    legend.resize(150, 400);
    legend.SetKivGraph(&graph);
    bool ok = Save(graph, legend, dir, QStringLiteral("trend_graph.png"));
    graph.SetVisLeftRect({840, 190, 900, 250});
    graph.SetVisRightRect({840, 0, 900, 100});
    ok = Save(graph, legend, dir, QStringLiteral("trend_graph_zoomed.png")) && ok;
    return ok ? 0 : 1;
}
