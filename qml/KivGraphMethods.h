#pragma once
// What a QML host calls on a trend graph (KivGraph): it adds series and fills
// them, sets the limits the view may move in, shows all or a part of the
// data and reads what is shown. The generated KivGraph type takes these
// members as its own (QML_EXTENDED). A series is named by its index in the
// order it was added; a wrong index or a point out of order is a JavaScript
// error that says which, and nothing is changed.

#include <QColor>
#include <QList>
#include <QObject>
#include <QRectF>
#include <QString>
#include <QVariant>
#include <vector>

struct TPoint2D;
class TKivGraph;
class TSeries;

class QuilKivGraphMethods : public QObject {
    Q_OBJECT
    // The graph's title, drawn above the plot.
    Q_PROPERTY(QString title READ Title WRITE SetTitle NOTIFY titleChanged)
    // What the X values are, by name as the other enumerations: "atNumber",
    // "atMinutes" (of a day), "atHours", "atDaysWeek", "atDaysMonth".
    Q_PROPERTY(QString xAxisType READ XAxisType WRITE SetXAxisType NOTIFY xAxisTypeChanged)
    // The view moves with the newest point of appended data.
    Q_PROPERTY(bool follow READ Follow WRITE SetFollow NOTIFY followChanged)

public:
    // parent: the KivGraph item the members extend.
    explicit QuilKivGraphMethods(QObject* parent);

    QString Title() const;
    void SetTitle(const QString& value);
    QString XAxisType() const;
    void SetXAxisType(const QString& name);
    bool Follow() const;
    void SetFollow(bool value);

    // Adds an empty series and returns its index. Series in tenths and whole
    // series go on two Y axes when both are present; minY..maxY is the
    // series' own range. color: a colour name, a QML color or a library colour number.
    Q_INVOKABLE int addSerie(const QString& name, const QVariant& color, int minY = 0, int maxY = 100,
                             bool tenths = false);
    // A band drawn beneath the lines, filled in the lightened colour of the
    // series it is linked to; its points outline the band.
    Q_INVOKABLE int addFillSerie(const QString& name, int linkedSerie);
    // Appends one point after the newest of the series; the view follows
    // when following.
    Q_INVOKABLE void append(int serie, double x, double y);
    // Appends points given as two lists of equal length, X ascending.
    Q_INVOKABLE void appendPoints(int serie, const QList<double>& xs, const QList<double>& ys);
    // The outline of a fill series' band, in any order (a band goes out along
    // its lower edge and back along its upper one).
    Q_INVOKABLE void setFillPoints(int fillSerie, const QList<double>& xs, const QList<double>& ys);
    Q_INVOKABLE void clearSerie(int serie);
    Q_INVOKABLE void removeAllSeries();
    Q_INVOKABLE int serieCount() const;
    Q_INVOKABLE int pointCount(int serie) const;
    Q_INVOKABLE void setSerieVisible(int serie, bool visible);
    // Live data: keep at most count points (0: all) and only those within
    // span X units of the newest (0: all); older ones drop as new ones come.
    Q_INVOKABLE void setSerieRetention(int serie, int count, double span);
    // The bounds within which the view may move.
    Q_INVOKABLE void setLimits(int xMin, int xMax, int leftMin, int leftMax, int rightMin = 0, int rightMax = 0);
    // Shows everything within the limits.
    Q_INVOKABLE void showAll();
    // Shows X from xMin to xMax and the left axis from yMin to yMax (the
    // right axis keeps its span), held within the limits.
    Q_INVOKABLE void zoomTo(double xMin, double yMin, double xMax, double yMax);
    // The part of the data shown, in the left axis' units (x, y: the minimum).
    Q_INVOKABLE QRectF visibleRange() const;
    // The plot area in the item's pixels.
    Q_INVOKABLE QRectF plotArea() const;

signals:
    void titleChanged();
    void xAxisTypeChanged();
    void followChanged();

private:
    TKivGraph& Graph() const;
    TSeries* SerieAt(int serie, const char* method) const;
    TSeries* FillSerieAt(int fillSerie, const char* method) const;
    // The points of the lists; false (and an error) when they differ in length
    // or hold what is no number.
    bool Points(const QList<double>& xs, const QList<double>& ys, const char* method, std::vector<TPoint2D>& points);
    void Fail(const QString& message) const;
};
