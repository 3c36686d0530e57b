// The legend: its items, drawing, toggling click, the one-legend-per-graph
// link, and both components in a window description.

#include "framework/StreamReader.h"
#include "framework/StreamWriter.h"
#include "graph/KivGraph.h"
#include "graph/Legenda.h"
#include "graph/RegisterGraph.h"
#include "support/TestSupport.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

#include <memory>

namespace {

class ProbeLegenda : public TLegenda {
public:
    using TLegenda::MouseDown;
};

struct Linked {
    TKivGraph graph;
    ProbeLegenda legend;
    TSeries* first = new TSeries;
    TSeries* second = new TSeries;
    Linked()
    {
        first->Name = QStringLiteral("Temperatuur");
        first->Color = clRed;
        second->Name = QStringLiteral("Ventilatie");
        second->Color = clBlue;
        graph.AddSerie(first);
        graph.AddSerie(second);
        legend.resize(200, 100);
        legend.SetKivGraph(&graph);
    }
    TRect Item(int i) const { return legend.ItemRect(i); }
};

} // namespace

TEST(Legenda, ListsTheSeriesAndSizesItself)
{
    Linked l;
    ASSERT_EQ(l.legend.Count(), 2);
    EXPECT_EQ(l.legend.ItemText(1), QStringLiteral("Ventilatie"));
    EXPECT_EQ(l.graph.Legend(), &l.legend);
    TCanvas& c = l.legend.Canvas();
    const int widest = std::max(c.TextWidth(QStringLiteral("Temperatuur")), c.TextWidth(QStringLiteral("Ventilatie")));
    EXPECT_EQ(l.legend.Width(), widest + 55);
    EXPECT_EQ(l.legend.ContentHeight(), (l.legend.ItemHeight() + 2) * 2);
    // A new series shows at once.
    auto* third = new TSeries;
    third->Name = QStringLiteral("Derde");
    l.graph.AddSerie(third);
    EXPECT_EQ(l.legend.Count(), 3);
    l.graph.EmptySeriesList();
    EXPECT_EQ(l.legend.Count(), 0);
}

TEST(Legenda, DrawsBoxCrossSampleAndName)
{
    Linked l;
    l.second->Visible = false;
    const QImage& image = l.legend.PaintToImage();
    const TRect box = l.legend.CheckBoxRect(l.Item(0));
    EXPECT_EQ(PixelColor(image, box.Left, box.Top + 2), int(clBlack));            // frame
    EXPECT_EQ(PixelColor(image, box.Left + 2, box.Top + 2), int(clWhite));        // inside
    const int cx = (box.Left + box.Right) / 2, cy = (box.Top + box.Bottom) / 2;
    EXPECT_EQ(PixelColor(image, cx, cy), int(clBlack));                           // the cross
    const TRect hiddenBox = l.legend.CheckBoxRect(l.Item(1));
    EXPECT_EQ(PixelColor(image, (hiddenBox.Left + hiddenBox.Right) / 2, (hiddenBox.Top + hiddenBox.Bottom) / 2), int(clWhite));
    const TRect sample = l.legend.SampleRect(l.Item(0));
    EXPECT_EQ(sample.Left, box.Right + 5);
    EXPECT_EQ(PixelColor(image, sample.Left + 10, (sample.Top + sample.Bottom) / 2), int(clRed));
    EXPECT_EQ(PixelColor(image, sample.Left, sample.Top), int(clBlack));
}

TEST(Legenda, ABoxClickTogglesTheSeriesAndATextClickOnlySelects)
{
    Linked l;
    l.graph.resize(200, 100);
    auto* line = l.first;
    line->Points = {{-10, -10}, {10, 10}};
    QSignalSpy changes(&l.legend, &TLegenda::OnChange);
    const auto redPixels = [&] {
        const QImage& image = l.graph.PaintToImage();
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += PixelColor(image, x, y) == int(clRed);
        return n;
    };
    ASSERT_GT(redPixels(), 0);
    const TRect text = l.Item(0);
    l.legend.MouseDown(mbLeft, ssLeft, text.Right - 5, text.Top + 5);
    EXPECT_TRUE(line->Visible);
    EXPECT_EQ(l.legend.ItemIndex(), 0);
    EXPECT_EQ(changes.count(), 0);
    const TRect box = l.legend.CheckBoxRect(l.Item(0));
    l.legend.MouseDown(mbLeft, ssLeft, box.Left + 2, box.Top + 2);
    EXPECT_FALSE(line->Visible);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(redPixels(), 0); // the graph was told to render again
}

TEST(Legenda, WithoutCheckBoxesNoBoxIsDrawnAndClicksNeverToggle)
{
    Linked l;
    l.legend.SetCheckBoxes(false);
    const QImage& image = l.legend.PaintToImage();
    const TRect box = l.legend.CheckBoxRect(l.Item(0));
    const int cx = (box.Left + box.Right) / 2, cy = (box.Top + box.Bottom) / 2;
    EXPECT_EQ(PixelColor(image, box.Left, box.Top + 2), int(clWhite));
    EXPECT_NE(PixelColor(image, cx, cy), int(clBlack));
    EXPECT_EQ(l.legend.SampleRect(l.Item(0)).Left, l.Item(0).Left + 1);
    l.legend.MouseDown(mbLeft, ssLeft, box.Left + 2, box.Top + 2);
    EXPECT_TRUE(l.first->Visible);
}

TEST(Legenda, ASecondLegendTakesTheGraphAndTheFirstEmptiesItselfAtItsNextUpdate)
{
    Linked l;
    {
        QSignalSpy firstChanges(&l.legend, &TLegenda::OnChange);
        TLegenda second;
        second.SetKivGraph(&l.graph);
        EXPECT_EQ(l.graph.Legend(), &second);
        EXPECT_EQ(second.Count(), 2);
        EXPECT_EQ(firstChanges.count(), 0) << "the displaced legend is not updated by the link";
        EXPECT_EQ(l.legend.Count(), 2);
        EXPECT_EQ(l.legend.KivGraph(), &l.graph);
        const TRect sample = l.legend.SampleRect(l.Item(0));
        const QPoint inSample(sample.Left + 10, (sample.Top + sample.Bottom) / 2);
        EXPECT_EQ(PixelColor(l.legend.PaintToImage(), inSample.x(), inSample.y()), int(clRed));
        l.graph.EmptySeriesList(); // deletes the series only the second one is told about
        EXPECT_EQ(second.Count(), 0);
        // The first still lists them, but draws and toggles none of them.
        EXPECT_NE(PixelColor(l.legend.PaintToImage(), inSample.x(), inSample.y()), int(clRed));
        const TRect box = l.legend.CheckBoxRect(l.Item(0));
        l.legend.MouseDown(mbLeft, ssLeft, box.Left + 2, box.Top + 2);
        EXPECT_EQ(firstChanges.count(), 0);
        l.legend.UpdateList(-1);
        EXPECT_EQ(l.legend.Count(), 0);
        EXPECT_EQ(l.legend.KivGraph(), nullptr);
        EXPECT_EQ(firstChanges.count(), 1);
    }
    EXPECT_EQ(l.graph.Legend(), nullptr); // the destroyed legend let go
    auto graph = std::make_unique<TKivGraph>();
    graph->AddSerie(new TSeries);
    l.legend.SetKivGraph(graph.get());
    ASSERT_EQ(l.legend.Count(), 1);
    graph.reset(); // its series go with it, and so do the legend's lines
    EXPECT_EQ(l.legend.KivGraph(), nullptr);
    EXPECT_EQ(l.legend.Count(), 0);
    l.legend.PaintToImage();
}

TEST(GraphStream, GraphAndLegendRoundTripThroughADescription)
{
    RegisterGraphComponents();
    TKivGraph graph;
    graph.setObjectName(QStringLiteral("Trend"));
    graph.SetBgStyle(TKivGraph::bgsLineVert);
    graph.SetGraphBorder(TKivGraph::bstLowered);
    graph.SetColorBg2(clNavy);
    graph.SetMouseZoom(TKivGraph::macNone);
    graph.SetMousePan(TKivGraph::maCtrl);
    graph.SetLineWidth(3);
    const QString text = TStreamWriter::Write(&graph);
    EXPECT_TRUE(text.contains(QStringLiteral("BgStyle = bgsLineVert"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("LineWidth = 3")));
    EXPECT_TRUE(text.contains(QStringLiteral("GraphBorder = bstLowered")));
    EXPECT_FALSE(text.contains(QStringLiteral("ColorGrid")));
    std::unique_ptr<QObject> back(TStreamReader::Read(text, QStringLiteral("trend")));
    auto* read = qobject_cast<TKivGraph*>(back.get());
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->BgStyle(), TKivGraph::bgsLineVert);
    EXPECT_EQ(read->GraphBorder(), TKivGraph::bstLowered);
    EXPECT_EQ(read->ColorBg2(), clNavy);
    EXPECT_EQ(read->MouseZoom(), TKivGraph::macNone);
    EXPECT_EQ(read->MousePan(), TKivGraph::maCtrl);
    EXPECT_EQ(read->LineWidth(), 3);

    Linked linked;
    TLegenda& legend = linked.legend;
    legend.setObjectName(QStringLiteral("Legend"));
    legend.SetCheckBoxes(false);
    const QString legendText = TStreamWriter::Write(&legend);
    EXPECT_FALSE(legendText.contains(QStringLiteral("Temperatuur"))) << legendText.toStdString();
    std::unique_ptr<QObject> legendBack(TStreamReader::Read(legendText, QStringLiteral("legend")));
    auto* readLegend = qobject_cast<TLegenda*>(legendBack.get());
    ASSERT_NE(readLegend, nullptr);
    EXPECT_FALSE(readLegend->CheckBoxes());
}

// The box is square, as high as the item less a pixel at its top and bottom;
// a click toggles on its frame's every column and not one further right.
TEST(Legenda, TheCheckBoxIsASquareOverTheInnerHeight)
{
    Linked l;
    const TRect item = l.Item(0);
    const int side = item.Height() - 2, left = item.Left + 1, y = item.Top + item.Height() / 2;
    const struct {
        int x;
        bool toggles;
    } rows[] = {{left, true}, {left + side - 1, true}, {left + side, false}, {left - 1, false}};
    for (const auto& r : rows) {
        l.first->Visible = true;
        l.legend.MouseDown(mbLeft, ssLeft, r.x, y);
        EXPECT_EQ(!l.first->Visible, r.toggles) << "x " << r.x - left << " from the box";
    }
    const QImage& image = l.legend.PaintToImage();
    EXPECT_EQ(PixelColor(image, left + side - 1, y), int(clBlack)) << "the box's right frame";
}
