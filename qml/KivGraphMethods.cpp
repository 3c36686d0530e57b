#include "qml/KivGraphMethods.h"

#include "graph/KivGraph.h"
#include "qml/QuilItem.h"
#include "qml/QmlArguments.h"

#include <QQmlInfo>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <memory>

QuilKivGraphMethods::QuilKivGraphMethods(QObject* parent) : QObject(parent) {}

TKivGraph& QuilKivGraphMethods::Graph() const
{
    return *static_cast<TKivGraph*>(static_cast<QuilItem*>(parent())->Component());
}

void QuilKivGraphMethods::Fail(const QString& message) const { ThrowQmlError(parent(), "KivGraph." + message); }

QString QuilKivGraphMethods::Title() const { return Graph().Title; }

void QuilKivGraphMethods::SetTitle(const QString& value)
{
    if (Graph().Title == value)
        return;
    Graph().Title = value;
    Graph().DrawGraph();
    emit titleChanged();
}

namespace {

// The axis types a graph can show, by the names a window description uses
// (atUndefined is none of them).
struct AxisTypeName {
    TAxisType type;
    const char* name;
};
constexpr AxisTypeName kAxisTypes[] = {{atNumber, "atNumber"},     {atMinutes, "atMinutes"}, {atHours, "atHours"},
                                       {atDaysWeek, "atDaysWeek"}, {atDaysMonth, "atDaysMonth"}};

} // namespace

QString QuilKivGraphMethods::XAxisType() const
{
    for (const AxisTypeName& t : kAxisTypes)
        if (t.type == Graph().XAxisType)
            return QString::fromLatin1(t.name);
    return {};
}

// A name that is no axis type is reported as an unknown enumeration name
// is on the other properties, and changes nothing.
void QuilKivGraphMethods::SetXAxisType(const QString& name)
{
    const auto* found = std::find_if(std::begin(kAxisTypes), std::end(kAxisTypes),
                                     [&](const AxisTypeName& t) { return name == QLatin1String(t.name); });
    if (found == std::end(kAxisTypes)) {
        QStringList names;
        for (const AxisTypeName& t : kAxisTypes)
            names << QString::fromLatin1(t.name);
        qmlWarning(parent()) << QStringLiteral("xAxisType: '%1' is not one of %2; the value stays '%3'")
                                    .arg(name, names.join(QStringLiteral(", ")), XAxisType());
        return;
    }
    if (Graph().XAxisType == found->type)
        return;
    Graph().XAxisType = found->type;
    Graph().DrawGraph();
    emit xAxisTypeChanged();
}

bool QuilKivGraphMethods::Follow() const { return Graph().Following(); }

void QuilKivGraphMethods::SetFollow(bool value)
{
    if (Follow() == value)
        return;
    Graph().SetFollow(value);
    Graph().DrawGraph();
    emit followChanged();
}

int QuilKivGraphMethods::addSerie(const QString& name, const QVariant& color, int minY, int maxY, bool tenths)
{
    TColor libraryColor = clBlack;
    if (!ColorArgument(color, libraryColor)) {
        Fail(QStringLiteral("addSerie: \"%1\" is no colour").arg(color.toString()));
        return -1;
    }
    auto series = std::make_unique<TSeries>();
    series->Name = name;
    series->Color = libraryColor;
    series->MinY = minY;
    series->MaxY = maxY;
    series->Tenths = tenths;
    Graph().AddSerie(series.release());
    return int(Graph().Series().size()) - 1;
}

int QuilKivGraphMethods::addFillSerie(const QString& name, int linkedSerie)
{
    TSeries* link = SerieAt(linkedSerie, "addFillSerie");
    if (!link)
        return -1;
    auto series = std::make_unique<TSeries>();
    series->Name = name;
    series->LinkedSerie = link;
    Graph().AddFillSerie(series.release());
    return int(Graph().FillSeries().size()) - 1;
}

TSeries* QuilKivGraphMethods::SerieAt(int serie, const char* method) const
{
    const auto& all = Graph().Series();
    if (serie >= 0 && size_t(serie) < all.size())
        return all[size_t(serie)].get();
    Fail(QStringLiteral("%1: no series %2 (the graph has %3)").arg(QLatin1String(method)).arg(serie).arg(all.size()));
    return nullptr;
}

TSeries* QuilKivGraphMethods::FillSerieAt(int fillSerie, const char* method) const
{
    const auto& all = Graph().FillSeries();
    if (fillSerie >= 0 && size_t(fillSerie) < all.size())
        return all[size_t(fillSerie)].get();
    Fail(QStringLiteral("%1: no fill series %2 (the graph has %3)")
             .arg(QLatin1String(method)).arg(fillSerie).arg(all.size()));
    return nullptr;
}

void QuilKivGraphMethods::append(int serie, double x, double y) { appendPoints(serie, {x}, {y}); }

void QuilKivGraphMethods::appendPoints(int serie, const QList<double>& xs, const QList<double>& ys)
{
    TSeries* series = SerieAt(serie, "appendPoints");
    std::vector<TPoint2D> points;
    if (!series || !Points(xs, ys, "appendPoints", points))
        return;
    // The whole block is taken or none of it, so a refused call leaves the series as it was.
    if (!series->Append(points.data(), points.size())) {
        Fail(QStringLiteral("appendPoints: the points must lie in ascending X after the newest point of \"%1\"")
                 .arg(series->Name));
        return;
    }
    Graph().PointsAppended(series);
    Graph().Invalidate();
}

void QuilKivGraphMethods::setFillPoints(int fillSerie, const QList<double>& xs, const QList<double>& ys)
{
    TSeries* series = FillSerieAt(fillSerie, "setFillPoints");
    std::vector<TPoint2D> points;
    if (!series || !Points(xs, ys, "setFillPoints", points))
        return;
    series->Points = points;
    Graph().PointsChanged(nullptr);
    Graph().DrawGraph();
}

bool QuilKivGraphMethods::Points(const QList<double>& xs, const QList<double>& ys, const char* method,
                                 std::vector<TPoint2D>& points)
{
    if (xs.size() != ys.size()) {
        Fail(QStringLiteral("%1: %2 X values but %3 Y values").arg(QLatin1String(method)).arg(xs.size()).arg(ys.size()));
        return false;
    }
    points.reserve(size_t(xs.size()));
    for (qsizetype i = 0; i < xs.size(); ++i) {
        if (!std::isfinite(xs[i]) || !std::isfinite(ys[i])) {
            Fail(QStringLiteral("%1: point %2 (%3, %4) is not a pair of numbers")
                     .arg(QLatin1String(method)).arg(i).arg(xs[i]).arg(ys[i]));
            return false;
        }
        points.push_back({xs[i], ys[i]});
    }
    return true;
}

void QuilKivGraphMethods::clearSerie(int serie)
{
    if (TSeries* s = SerieAt(serie, "clearSerie")) {
        s->Points.clear();
        Graph().PointsChanged(nullptr);
        Graph().DrawGraph();
    }
}

void QuilKivGraphMethods::removeAllSeries()
{
    Graph().EmptySeriesList();
    Graph().DrawGraph();
}

int QuilKivGraphMethods::serieCount() const { return int(Graph().Series().size()); }

int QuilKivGraphMethods::pointCount(int serie) const
{
    const TSeries* s = SerieAt(serie, "pointCount");
    return s ? int(s->Points.size()) : 0;
}

void QuilKivGraphMethods::setSerieVisible(int serie, bool visible)
{
    if (TSeries* s = SerieAt(serie, "setSerieVisible")) {
        s->Visible = visible;
        Graph().DrawGraph();
    }
}

void QuilKivGraphMethods::setSerieRetention(int serie, int count, double span)
{
    if (count < 0 || !(span >= 0)) {
        Fail(QStringLiteral("setSerieRetention: the count (%1) and the span (%2) must not be negative").arg(count).arg(span));
        return;
    }
    if (TSeries* s = SerieAt(serie, "setSerieRetention")) {
        s->RetainCount = size_t(count);
        s->RetainSpan = span;
    }
}

void QuilKivGraphMethods::setLimits(int xMin, int xMax, int leftMin, int leftMax, int rightMin, int rightMax)
{
    if (xMin >= xMax || leftMin >= leftMax || rightMin > rightMax) {
        Fail(QStringLiteral("setLimits: every minimum must lie below its maximum (X %1..%2, left %3..%4, right %5..%6)")
                 .arg(xMin).arg(xMax).arg(leftMin).arg(leftMax).arg(rightMin).arg(rightMax));
        return;
    }
    TKivGraph& g = Graph();
    g.LimitXMin = xMin;
    g.LimitXMax = xMax;
    g.LimitLeftMin = leftMin;
    g.LimitLeftMax = leftMax;
    g.LimitRightMin = rightMin;
    g.LimitRightMax = rightMax;
}

void QuilKivGraphMethods::showAll() { Graph().DrawGraphic(); }

// As the graph's own zoom does: the lines are rendered anew over the kept background.
void QuilKivGraphMethods::zoomTo(double xMin, double yMin, double xMax, double yMax)
{
    TKivGraph& g = Graph();
    const TRect2D right = g.VisRightRect();
    g.SetVisLeftRect({xMin, yMin, xMax, yMax});
    if (g.RightAxis)
        g.SetVisRightRect({xMin, right.YMin, xMax, right.YMax});
    g.NeedsRender = true;
    g.Invalidate();
}

QRectF QuilKivGraphMethods::visibleRange() const
{
    const TRect2D r = Graph().VisLeftRect();
    return QRectF(r.XMin, r.YMin, r.XMax - r.XMin, r.YMax - r.YMin);
}

QRectF QuilKivGraphMethods::plotArea() const
{
    const TRect& r = Graph().PlotRect();
    return QRectF(r.Left, r.Top, r.Right - r.Left + 1, r.Bottom - r.Top + 1);
}
