#pragma once
// What a QML host calls on a curve diagram (CurveDiagram): it gives the
// curve its points, inserts, deletes and selects points as the diagram's
// host does, and reads the curve back. The generated CurveDiagram type takes
// these members as its own (QML_EXTENDED). Points are numbered as the
// curve's record holds them, 0 .. pointCount - 1; a wrong number or a full
// curve is a JavaScript error that says which, and the curve stays as it was.

#include <QList>
#include <QObject>
#include <QPoint>

class TCurveDiagram;
struct TPointInfo;

class QuilCurveDiagramMethods : public QObject {
    Q_OBJECT
    // The day the blue day-counter line stands on (shared by every curve
    // diagram, as in the widgets).
    Q_PROPERTY(int dayCounter READ DayCounter WRITE SetDayCounter NOTIFY dayCounterChanged)
    Q_PROPERTY(int pointCount READ PointCount NOTIFY curveChanged)

public:
    // parent: the CurveDiagram item the members extend.
    explicit QuilCurveDiagramMethods(QObject* parent);

    int DayCounter() const;
    void SetDayCounter(int value);
    int PointCount() const;

    // The curve's points (days ascending, at most ten), the floor the value
    // axis is not lowered beneath, the highest value a point may take, and
    // whether values are tenths (shown as 32.0 for 320).
    Q_INVOKABLE void setCurve(const QList<int>& days, const QList<int>& values, int valueFloor, int valueCeiling,
                              bool tenths);
    Q_INVOKABLE int pointDay(int point) const;
    Q_INVOKABLE int pointValue(int point) const;
    // Gives the point on that day the value, or adds a point there.
    Q_INVOKABLE void insertPoint(int day, int value);
    Q_INVOKABLE void deletePoint(int point);
    // The selected point is the one the arrow keys step (-1: none).
    Q_INVOKABLE void selectPoint(int point);
    Q_INVOKABLE int selectedPoint() const;
    // Steps the selected point as the host's keys do: 1 a day later, 2 a day
    // earlier, 3 a value up, 4 a value down (within the diagram's limits).
    Q_INVOKABLE void changeDiagramValue(int change);
    // Where the point is drawn, in the item's pixels.
    Q_INVOKABLE QPoint pointPosition(int point) const;

signals:
    void dayCounterChanged();
    // A point was moved, inserted or deleted (by the mouse, the keys or a call).
    void curveChanged();

private:
    TCurveDiagram& Diagram() const;
    TPointInfo* PointAt(int point, const char* method) const;
    void Rebuild();
};
