#pragma once
// TMasterDiagram: the base control of every diagram. It draws a frame, a
// title, X and Y axes with ticks, grid lines and value labels, and a list of
// points positioned by the values they refer to; it tracks the mouse over the
// points, starts and ends point drags and offers a one-step keyboard change.
//
// It never paints by itself: a subclass fills the point list, overrides
// Paint() and calls the drawing steps in a fixed order (see RunPaintContract
// and the drawing section below). All drawing goes to the off-screen bitmap
// (OffscreenBitmap()); "showing" copies that bitmap to the screen at once.
//
// The diagram holds the state (points, layout, records); each job is a class
// of its own that works on it: TDiagramMapping (values and pixels),
// TDiagramAxes (layout, frame and axes), TPointPainter (points, curve, areas),
// TSymbolPainter (labels and symbols), TPointEditor (mouse and keys),
// TPointOptions (the options table) and TLayeredPaint (the kept static layer).
//
// Every TMasterDiagram counts the one setpoint record shared by all diagrams
// of the process (AllSetpoints).

#include "diagram/DiagramMapping.h"
#include "diagram/DiagramTypes.h"
#include "diagram/LayeredPaint.h"
#include "diagram/PointInfo.h"
#include "framework/AccessibleControl.h"
#include "framework/Control.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class TAllSetpoints;
class TDataTable;
class TDiagramSettings;
class TFontBitmaps;

using TPointInfoList = std::vector<std::unique_ptr<TPointInfo>>;

class TMasterDiagram : public TCustomControl, public TAccessibleControl {
    Q_OBJECT
    Q_PROPERTY(QString DiagramTitle READ DiagramTitle WRITE SetDiagramTitle NOTIFY DiagramTitleChanged)
    Q_CLASSINFO("default:DiagramTitle", "''")
    Q_PROPERTY(QString XAxisTitle READ XAxisTitle WRITE SetXAxisTitle NOTIFY XAxisTitleChanged)
    Q_CLASSINFO("default:XAxisTitle", "''")
    Q_PROPERTY(QString YAxisTitle READ YAxisTitle WRITE SetYAxisTitle NOTIFY YAxisTitleChanged)
    Q_CLASSINFO("default:YAxisTitle", "''")
    Q_PROPERTY(TDiagramSettings* DiagramSettings READ DiagramSettings CONSTANT)

public:
    explicit TMasterDiagram(QWidget* owner = nullptr);
    ~TMasterDiagram() override;

    // The setpoint record shared by all diagrams, and how many diagrams live.
    static inline TAllSetpoints* AllSetpoints = nullptr;
    static inline int InitAllSetpoints = 0;

    // --- published properties
    const QString& DiagramTitle() const { return diagramTitle_; }

    // TAccessibleControl: a chart named by its title; a subclass that can say
    // what it shows in words offers that as text.
    QAccessible::Role AccessibleRole() const override { return QAccessible::Chart; }
    QString AccessibleName() const override;
    const QString& XAxisTitle() const { return xAxisTitle_; }
    const QString& YAxisTitle() const { return yAxisTitle_; }
    void SetDiagramTitle(const QString& value);
    void SetXAxisTitle(const QString& value);
    void SetYAxisTitle(const QString& value);
    TDiagramSettings* DiagramSettings() const { return diagramSettings_; }

    // --- state of the last layout and of the mouse (read and written by subclasses)
    int TitleHeight = 0;  // height of the title band
    int YAxisHeight = 0;  // length of the Y axis in pixels
    int XAxisWidth = 0;   // length of the X axis in pixels
    TPointInfo* CurrentPoint = nullptr;       // the point last found under the mouse
    TPointInfo* CurrentSymbolPoint = nullptr; // the point whose symbol is under the mouse
    int MouseDownX = 0;   // mouse position when a drag began
    int MouseDownY = 0;
    int XOrigin = 0;      // pixel X of the Y axis
    int YOrigin = 0;      // pixel Y of the X axis
    int PrintWidth = 700; // control size used when printing
    int PrintHeight = 500;
    TRect BitmapRect;     // (0, 0, Width, Height) of the last paint
    TPointInfoList PointList; // kept sorted by XPixel
    bool LockX = false;   // axis locks of a curve drag
    bool LockY = false;
    TRect AreaRect;       // the plotting area
    TRect CursorClipRect; // screen rectangle the mouse is confined to during a drag
    int CursorOffsetX = 0; // screen position minus bitmap position of the dragged point
    int CursorOffsetY = 0;
    bool TimeAxis = false; // the Y axis shows times of day; cleared by CreateNewPoint
    // Called for a press on a point that cannot be dragged; GraphPointClick at first.
    std::function<void(TPointInfo*)> PointClick;
    TDiagramState DiagramState = dsIdle;
    int ComputerNumber = 0;

    // --- subclass entries
    virtual void ChangeDiagramValue(TChangeValue change);
    virtual void DeletePoint();
    virtual void InsertPoint();
    virtual void CreatePointInfoList();
    // A subclass that prints returns the picture to print; none here.
    virtual TBitmap* PrintDiagram();

    // --- point list
    // Appends a new point and returns its index; the Y axis becomes a value axis.
    int CreateNewPoint();
    void EmptyPointInfoList();

    // --- value and pixel mapping
    TDiagramMapping Mapping() const;
    int CalcXValue(int px) const;
    int CalcYValue(int py) const;
    int CalcXPixel(int value) const;
    int CalcYPixel(int value) const;
    // Computes the screen rectangle a dragged CurrentPoint may move in.
    void CalcClipRectRegion(int minX, int minY, int maxY, int maxX);

    // --- text
    int GetLineHeight(bool flag = true);
    static QString FormatTextString(int decimals, int value);
    static QString GetValueString(TValType type, const int* value);

    // --- layout and axes
    void CalcAxePositions(const TPointInfoList& points);
    static int CalcSteps(int count);
    static int CalcHourSteps(int count);
    void PaintKader();
    void PaintFocus();
    void DrawYAxisLabels();
    void DrawXAxisLabels();
    void DrawXYAxis();

    // --- points
    void CalcSetpointInfo(TPointInfo& point);
    void CalcPointsPixels();
    // Orders PointList by XPixel; equal pixels keep their order.
    void SortPointList();
    void CalcVirtualValues();
    void SetDrawPointRect(TPointInfo& point);
    void DrawLinesFromPointsToAxis();
    void DrawLinesBetweenPoints();
    void DrawFirstLastHorLinesPoints();
    void DrawFirstLastVertLinesPoints();
    void DrawPoints();
    void DrawArcAreas();
    void DrawPointLabels();
    void DrawPointLabel(TPointInfo& point, bool show);
    void ClearPointLabel(TPointInfo& point);
    void DrawArrow(int fromX, int toX, int y);
    void DrawSymbols();
    void DrawSymbols(TPointInfo& point, bool show);
    void ClearArrowArea(TPointInfo& point);
    // Writes the point's X value with the small glyphs into its day-counter
    // symbol picture, right-aligned 4 pixels from the picture's right edge.
    static void FillDayBitmap(TPointInfo& point, const TFontBitmaps& fonts);
    void GraphPointClick(TPointInfo* point);
    // Reads per-point options ("VarName", "OptionEnabled", "BitmapName" and
    // the optional "SubCommando", "CurveOptionEnabled") and drops disabled points.
    void FillPointOptions(TDataTable& table);

    // --- mouse and keys
    void MMove(TShiftState Shift, int X, int Y);
    void MDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    bool CheckKeyInputValue(TPointInfo& point, TChangeValue change);

    // The next paint draws everything anew instead of starting from the
    // layers kept from earlier paints.
    void DropKeptLayers();

    // Brings what the off-screen bitmap shows to the screen. While a drag
    // runs, Paint draws nothing, so the bitmap is copied as it is; otherwise
    // the next paint draws the same picture from the points' state.
    void ShowOffscreen() { Invalidate(); }

signals:
    // Property notifications (see framework/Notify.h).
    void DiagramTitleChanged();
    void XAxisTitleChanged();
    void YAxisTitleChanged();
    void OnMessage(QObject* Sender, const QString& MessageText);
    void OnMessage1(QObject* Sender, const QString& MessageText);
    void OnSettingsChanged(QObject* Sender);
    void AfterSetpointChanged(const QString& VarName, int NewValue);
    void OnPointCommand(int SubCommando);

protected:
    // Steps 1 to 3 of every subclass's Paint: nothing while a drag draws by
    // itself; else the bitmap is filled, then either the focus frame or the
    // frame followed by the subclass's diagram routine is drawn.
    void RunPaintContract(const std::function<void()>& diagramRoutine);
    // The same contract in two layers. `drawStatic` runs only after what the
    // diagram shows has changed (Invalidate) and its picture is kept; any
    // other paint starts from that picture and runs `drawLive`, limited to
    // what InvalidateLive marked. `prepare` runs on every paint, first. The
    // result is the picture of one paint from scratch of all three in order.
    void RunLayeredPaintContract(const std::function<void()>& prepare, const std::function<void()>& drawStatic,
                                 const std::function<void()>& drawLive);
    // Only what drawLive draws has changed, within `rect` (anywhere when empty).
    void InvalidateLive(const TRect& rect = TRect());
    void ContentChanged() override;
    // Drags and key steps write setpoints and settings through references.
    void AfterInput() override;

    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void DoEnter() override;
    void DoExit() override;
    void Resize() override;
    // A click does not enter the focused display: only keyboard focus does.
    void focusInEvent(QFocusEvent* event) override;

private:
    friend class TLayeredPaint;

    QString diagramTitle_;
    QString xAxisTitle_;
    QString yAxisTitle_;
    TDiagramSettings* diagramSettings_;
    TLayeredPaint layers_{*this};
};
