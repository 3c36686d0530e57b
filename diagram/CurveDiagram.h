#pragma once
// TCurveDiagram: an editable curve of values over days. Up to ten (day,
// value) points of a TCurveStruct are drawn as a red polyline with editable
// points, plus a blue vertical day-counter line whose picture under the X
// axis carries the day number. Points are dragged with the mouse (Ctrl locks
// the drag to one axis), stepped by the host's keys, inserted and deleted by
// the host; while Shift was held the values under the mouse are reported.
// The axes grow and shrink while a point is dragged.
//
// Point 0 of a freshly built list is the day-counter line, points 1..N the
// curve points, point i bound to entry i - 1 of the record.

#include "diagram/MasterDiagram.h"

#include "framework/KeptLayer.h"

#include <memory>
#include <vector>

class TCurveSetpoints;
class TFontBitmaps;
struct TCurveStruct;

class TCurveDiagram : public TMasterDiagram {
    Q_OBJECT

public:
    explicit TCurveDiagram(QWidget* owner = nullptr);
    // Takes over the record (freed with the diagram); the glyph set stays the
    // caller's. Without a glyph set the diagram uses one of its own.
    TCurveDiagram(QWidget* owner, TCurveStruct* curve, TFontBitmaps* fonts);
    ~TCurveDiagram() override;

    // The day counter shown by every curve diagram, and the ComputerNumber
    // of the diagram whose record it follows.
    static inline int AllDagenTeller = 0;
    static inline int AllComputerNumber = 0;

    TCurveSetpoints* CurveSetpoints() const { return curveSetpoints_; }
    TCurveStruct& Curve() const;
    TFontBitmaps* FontBitmaps() const { return fonts_; }

    int MouseXValue = 0; // the values under the mouse, from every mouse move
    int MouseYValue = 0;
    bool ReportValues = false; // the mouse values are being reported

    void CreateDiagramPoints(TCurveStruct& curve);
    void FillPointInfoList();
    void PaintCurveDiagram();

    TBitmap* PrintDiagram() override;
    // Gives the entry at the mouse's X the mouse's Y, or adds a point there.
    // A curve that already holds ten points refuses a new one with an
    // exception and keeps every point.
    void InsertPoint() override;
    void DeletePoint() override;
    void DeletePoint(TPointInfo* point);
    void ChangeDiagramValue(TChangeValue change) override;

signals:
    void OnCurveRightClick(TPointInfo* PI, TMasterDiagram* Diagram);
    void AfterCurveChanged(QObject* Sender);
    void OnMouseCurveValues(const QString& Dag, const QString& Waarde);

protected:
    void Paint() override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    friend class TCurveEditor;

    int PointCount() const;
    void FitAxesTo(int x, int y);
    void SyncDayCounter();
    void PrepareCurve();
    void DrawAxes();
    void DrawCurve();
    // Everything the frame and the axes are drawn from, compared whole.
    struct TAxesKey {
        int width = 0, height = 0;
        int xOrigin = 0, yOrigin = 0, xAxisWidth = 0, yAxisHeight = 0, titleHeight = 0;
        bool showXValues = false, showYValues = false, showGrid = false, timeAxis = false;
        int minX = 0, maxX = 0, minY = 0, maxY = 0, xDecimals = 0, yDecimals = 0;
        QString fontName;
        int fontHeight = 0, fontStyle = 0, fontOrientation = 0;
        TColor fontColor = 0;
        QString diagramTitle, xAxisTitle, yAxisTitle;
        bool operator==(const TAxesKey&) const = default;
    };
    TAxesKey AxesKey();
    bool MouseInsideAxes() const;
    void ReportMouseValues();
    void RepaintKeepingCursor(TPointInfo& c);
    void RebuildPointList();
    void RaiseCurveChanged();

    TCurveSetpoints* curveSetpoints_ = nullptr;
    TFontBitmaps* fonts_ = nullptr;
    std::unique_ptr<TFontBitmaps> ownFonts_;
    TKeptLayer axesLayer_; // frame and axes of the last idle paint
    TAxesKey axesKey_;
    // Set by a drag step that changed the axes: the next mouse move takes
    // its position as the new drag origin.
    bool axesRescaled_ = false;
};
