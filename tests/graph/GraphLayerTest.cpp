// The layer beneath the lines is kept between renders: after every kind of
// change, a render that may reuse it gives the picture of a render from
// scratch.

#include "graph/KivGraph.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct LayerGraph {
    TKivGraph g;
    TSeries* line = new TSeries;
    TSeries* fill = new TSeries;
    LayerGraph()
    {
        g.resize(500, 300);
        g.LimitXMin = 0;
        g.LimitXMax = 100000;
        g.LimitLeftMin = 0;
        g.LimitLeftMax = 200;
        line->Color = clRed;
        for (int i = 0; i < 3000; ++i)
            line->Append({double(i), 100 + 60 * std::sin(i / 200.0)});
        fill->Points = {{100, 20}, {900, 20}, {900, 60}, {100, 60}};
        fill->LinkedSerie = line;
        g.AddSerie(line);
        g.AddFillSerie(fill);
        g.LimitLeftMin = 0;
        g.LimitLeftMax = 200;
        g.DrawGraphic();
        g.SetVisLeftRect({0, 0, 1000, 200});
        g.Title = QStringLiteral("Temperature");
        g.PaintToImage();
    }
    QImage Kept()
    {
        g.NeedsRender = true;
        return g.PaintToImage().copy();
    }
    QImage Fresh()
    {
        g.NeedsRender = g.NeedsBackground = true;
        return g.PaintToImage().copy();
    }
};

} // namespace

TEST(GraphLayer, AKeptLayerGivesThePictureOfARenderFromScratchAfterEveryChange)
{
    struct Change {
        const char* name;
        std::function<void(LayerGraph&)> apply;
    };
    const Change changes[] = {
        {"lines appended", [](LayerGraph& l) { l.line->Append({3000, 150}); l.g.PointsAppended(l.line); }},
        {"view moved", [](LayerGraph& l) { l.g.SetVisLeftRect({200, 10, 1300, 190}); }},
        {"background colour", [](LayerGraph& l) { l.g.SetColorBg(clYellow); }},
        {"gradient colour", [](LayerGraph& l) { l.g.SetBgStyle(TKivGraph::bgsLineHoriz); l.g.SetColorBg2(clGreen); }},
        {"grid colour", [](LayerGraph& l) { l.g.SetColorGrid(clBlue); }},
        {"border colour", [](LayerGraph& l) { l.g.SetBorderStyle(TKivGraph::bstSingle); l.g.SetColorBorder(clRed); }},
        {"plot border", [](LayerGraph& l) { l.g.SetGraphBorder(TKivGraph::bstRaised); }},
        {"grid style", [](LayerGraph& l) { l.g.SetGridStyle(TKivGraph::gsXGrid); }},
        {"title", [](LayerGraph& l) { l.g.Title = QStringLiteral("Humidity"); }},
        {"font", [](LayerGraph& l) { l.g.Font()->SetHeight(-15); }},
        {"axis type", [](LayerGraph& l) { l.g.XAxisType = atMinutes; }},
        {"numbers hidden", [](LayerGraph& l) { l.g.ShowXNumbers = false; }},
        {"right axis", [](LayerGraph& l) { l.g.RightAxis = true; l.g.SetVisRightRect({0, 0, 1000, 50}); }},
        {"tenths", [](LayerGraph& l) { l.g.LeftTenths = !l.g.LeftTenths; }},
        {"fill series appended", [](LayerGraph& l) { l.fill->Points.push_back({100, 90}); }},
        {"fill series edited in place", [](LayerGraph& l) { l.fill->Points[0].Y = 120; l.g.PointsChanged(nullptr); }},
        {"fill series hidden", [](LayerGraph& l) { l.fill->Visible = false; }},
        {"fill series replaced", [](LayerGraph& l) {
             l.g.EmptySeriesList();
             auto* f = new TSeries;
             f->Points = {{300, 100}, {700, 150}, {500, 180}};
             f->Color = clAqua;
             l.g.AddFillSerie(f);
         }},
        {"resized", [](LayerGraph& l) { l.g.resize(520, 280); }},
    };
    LayerGraph l;
    for (const Change& c : changes) {
        l.Kept(); // the layer as it was
        c.apply(l);
        const QImage kept = l.Kept();
        EXPECT_TRUE(kept == l.Fresh()) << "after: " << c.name;
    }
}
