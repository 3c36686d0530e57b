#include "diagram/CurveDiagram.h"

#include "diagram/CurveEditor.h"
#include "diagram/CurveSetpoints.h"
#include "diagram/DiagramSettings.h"
#include "diagram/FontBitmaps.h"
#include "framework/Exception.h"
#include "framework/Screen.h"

#include <QMetaMethod>
#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

constexpr int kXLimit = TCurveEditor::kXLimit;
constexpr int kHomeLeft = TCurveEditor::kHomeLeft;
constexpr int kHomeRight = TCurveEditor::kHomeRight;

int Clamp64(int64_t value) { return int(std::clamp<int64_t>(value, INT_MIN, INT_MAX)); }

} // namespace

TCurveDiagram::TCurveDiagram(QWidget* owner)
    : TMasterDiagram(owner), curveSetpoints_(new TCurveSetpoints(this)),
      ownFonts_(std::make_unique<TFontBitmaps>())
{
    fonts_ = ownFonts_.get();
    for (int i = 0; i <= TCurveStruct::MaxPoints; ++i)
        CreateNewPoint();
    FillPointInfoList();
}

TCurveDiagram::TCurveDiagram(QWidget* owner, TCurveStruct* curve, TFontBitmaps* fonts)
    : TMasterDiagram(owner), curveSetpoints_(new TCurveSetpoints(this, curve)), fonts_(fonts)
{
    if (!fonts_) {
        ownFonts_ = std::make_unique<TFontBitmaps>();
        fonts_ = ownFonts_.get();
    }
    DiagramSettings()->SetMinXValue(kHomeLeft);
    DiagramSettings()->SetMaxXValue(kHomeRight);
    CreateDiagramPoints(Curve());
    FillPointInfoList();
    ReportValues = false;
}

TCurveDiagram::~TCurveDiagram()
{
    // The points refer into the record: they go first.
    EmptyPointInfoList();
    delete curveSetpoints_;
    curveSetpoints_ = nullptr;
}

TCurveStruct& TCurveDiagram::Curve() const { return *curveSetpoints_->CurveStruct(); }

// A record claiming more than ten points has only ten.
int TCurveDiagram::PointCount() const { return std::min<int>(Curve().PointCount, TCurveStruct::MaxPoints); }

// --- points -------------------------------------------------------------------

// Widens the axes until they hold (x, y): the X span doubles to the right and
// the Y top rises in steps of 100. An empty or inverted X span grows from one
// day, so the doubling always ends.
void TCurveDiagram::FitAxesTo(int x, int y)
{
    TDiagramSettings& s = *DiagramSettings();
    if (x < s.MinXValue)
        s.SetMinXValue(x);
    if (s.MaxXValue < x) {
        int64_t max = s.MaxXValue;
        int64_t span = std::max<int64_t>(max - s.MinXValue, 1);
        while (max < x) {
            max += span;
            span *= 2;
        }
        s.SetMaxXValue(Clamp64(max));
    }
    if (y < s.MinYValue)
        s.SetMinYValue(y);
    if (s.MaxYValue < y) {
        const int64_t steps = (int64_t(y) - s.MaxYValue + 99) / 100;
        s.SetMaxYValue(Clamp64(s.MaxYValue + 100 * steps));
    }
}

void TCurveDiagram::CreateDiagramPoints(TCurveStruct& curve)
{
    TDiagramSettings& s = *DiagramSettings();
    CreateNewPoint();
    AllDagenTeller = curve.DayCounter;
    if (AllDagenTeller < s.MinXValue)
        s.SetMinXValue(AllDagenTeller);
    if (AllDagenTeller > s.MaxXValue)
        s.SetMaxXValue(AllDagenTeller);
    for (int i = 0; i < PointCount(); ++i) {
        CreateNewPoint();
        FitAxesTo(curve.XValues[size_t(i)], curve.YValues[size_t(i)]);
    }
}

void TCurveDiagram::FillPointInfoList()
{
    if (PointList.empty())
        return;
    TDiagramSettings& s = *DiagramSettings();
    TCurveStruct& curve = Curve();
    const auto bindLimits = [&s](TPointValues& v) {
        v.MinX = &s.MinXValue;
        v.MaxX = &s.MaxXValue;
        v.MinY = &s.MinYValue;
        v.MaxY = &s.MaxYValue;
    };

    TPointInfo& day = *PointList[0];
    day.PointNumber = 0;
    day.XEditable = true;
    day.YEditable = false;
    day.PointKind = pkVerticalLine2;
    day.LineColor = clBlue;
    day.LineWidth = 2;
    day.LineStyle = psSolid;
    day.Values.XValType = vtInteger;
    day.Values.YValType = vtInteger;
    day.Values.XValue = &AllDagenTeller;
    day.Values.YValue = &s.MaxYValue;
    bindLimits(day.Values);
    day.Area.AreaKind = akNone;
    TPointSymbol& sym = day.Symbol;
    sym.SymbolType = vtBitmap;
    sym.SymbolValue = &curve.DayCounter;
    sym.SymbolFromX = &curve.DayCounter;
    sym.SymbolToX = &curve.DayCounter;
    sym.SymbolRow = 0;
    sym.ArrowMode = 1;
    sym.SymbolBitmap.LoadFromResourceName(QStringLiteral("DAGENTELLER"));
    sym.SymbolBitmap.Transparent = true;
    sym.SymbolBitmap.SetTransparentColor(clRed);
    sym.SymbolPoint = &day;

    const int count = std::min<int>(int(PointList.size()) - 1, PointCount());
    for (int i = 1; i <= count; ++i) {
        TPointInfo& p = *PointList[size_t(i)];
        p.PointNumber = i;
        p.XEditable = true;
        p.YEditable = true;
        p.Values.XValType = TValType(curve.CurveXValType);
        p.Values.YValType = TValType(curve.CurveYValType);
        p.Values.XValue = &curve.XValues[size_t(i - 1)];
        p.Values.YValue = &curve.YValues[size_t(i - 1)];
        bindLimits(p.Values);
        p.Area.AreaKind = akNone;
        p.Symbol.SymbolType = vtNone;
    }
}

// The first constructor keeps eleven points whatever the record says; any
// point beyond the record's count is left unbound and drawn nowhere.
void TCurveDiagram::RebuildPointList()
{
    EmptyPointInfoList();
    CurrentPoint = nullptr;
    CreateDiagramPoints(Curve());
    FillPointInfoList();
}

// --- painting -------------------------------------------------------------------

// An idle paint takes the frame and the axes from the last paint while
// nothing they depend on has changed, and draws only the curve anew; focus
// and drag states follow the shared paint contract.
void TCurveDiagram::Paint()
{
    if (DiagramState != dsIdle) {
        RunPaintContract([this] { PaintCurveDiagram(); });
        return;
    }
    TCanvas& c = Canvas();
    const TPen savedPen = c.Pen;
    BitmapRect = TRect(0, 0, Width(), Height());
    PrepareCurve();
    const TAxesKey key = AxesKey();
    if (key != axesKey_)
        axesLayer_.Drop();
    if (axesLayer_.Kept(Width(), Height())) {
        axesLayer_.CopyTo(OffscreenBitmap().Image());
    } else {
        c.Brush.Color = clInfoBk;
        c.Brush.Style = bsSolid;
        c.FillRect(BitmapRect);
        PaintKader();
        DrawAxes();
        axesLayer_.Keep(Width(), Height(), [&c](TBitmap& layer) { layer.Image() = c.Image(); });
        axesKey_ = key;
    }
    DrawCurve();
    c.Pen = savedPen;
}

TCurveDiagram::TAxesKey TCurveDiagram::AxesKey()
{
    const TDiagramSettings& s = *DiagramSettings();
    const TFont& f = Canvas().Font;
    return TAxesKey{Width(), Height(), XOrigin, YOrigin, XAxisWidth, YAxisHeight, TitleHeight,
                    s.ShowXValues, s.ShowYValues, s.ShowGrid, TimeAxis,
                    s.MinXValue, s.MaxXValue, s.MinYValue, s.MaxYValue, s.XAxisDecimals, s.YAxisDecimals,
                    f.Name(), f.Height(), int(f.Style()), f.Orientation(), f.Color(),
                    DiagramTitle(), XAxisTitle(), YAxisTitle()};
}

void TCurveDiagram::SyncDayCounter()
{
    if (AllComputerNumber == ComputerNumber)
        return;
    AllDagenTeller = Curve().DayCounter;
    AllComputerNumber = ComputerNumber;
}

void TCurveDiagram::PaintCurveDiagram()
{
    TCanvas& c = Canvas();
    const TPen savedPen = c.Pen;
    PrepareCurve();
    DrawAxes();
    DrawCurve();
    c.Pen = savedPen;
}

// The day counter and the axes are brought up to date, the day number is
// written into its picture, and the axes are laid out and the points placed.
void TCurveDiagram::PrepareCurve()
{
    SyncDayCounter();
    const TCurveStruct& curve = Curve();
    for (int i = 0; i < PointCount(); ++i)
        FitAxesTo(curve.XValues[size_t(i)], curve.YValues[size_t(i)]);
    for (auto& p : PointList)
        if (p->Symbol.SymbolType == vtBitmap) {
            FillDayBitmap(*p, *fonts_);
            break;
        }
    CalcAxePositions(PointList);
    CalcPointsPixels();
}

void TCurveDiagram::DrawAxes()
{
    DrawYAxisLabels();
    DrawXAxisLabels();
    DrawXYAxis();
}

void TCurveDiagram::DrawCurve()
{
    DrawLinesFromPointsToAxis();
    DrawLinesBetweenPoints();
    DrawFirstLastHorLinesPoints();
    DrawPoints();
    DrawPointLabels();
    DrawSymbols();
}

TBitmap* TCurveDiagram::PrintDiagram()
{
    SetWidth(PrintWidth);
    SetHeight(PrintHeight);
    TCanvas& c = Canvas();
    c.Brush.Color = clWhite;
    c.Brush.Style = bsSolid;
    c.FillRect(TRect(0, 0, Width(), Height()));
    PaintCurveDiagram();
    return &OffscreenBitmap();
}

// --- mouse ------------------------------------------------------------------------

bool TCurveDiagram::MouseInsideAxes() const
{
    const TDiagramSettings& s = *DiagramSettings();
    return MouseXValue >= s.MinXValue && MouseXValue <= s.MaxXValue && MouseYValue >= s.MinYValue
           && MouseYValue <= s.MaxYValue;
}

void TCurveDiagram::ReportMouseValues()
{
    if (!ReportValues || !isSignalConnected(QMetaMethod::fromSignal(&TCurveDiagram::OnMouseCurveValues)))
        return;
    if (!MouseInsideAxes())
        emit OnMouseCurveValues(QString(), QString());
    else
        emit OnMouseCurveValues(QString::number(MouseXValue),
                                FormatTextString(DiagramSettings()->YAxisDecimals, MouseYValue));
}

void TCurveDiagram::MouseMove(TShiftState Shift, int X, int Y)
{
    if (AreaRect.Width() == 0 || AreaRect.Height() == 0)
        CalcAxePositions(PointList);
    MouseXValue = CalcXValue(X);
    MouseYValue = CalcYValue(Y);
    if (Shift.testFlag(ssShift))
        ReportValues = true;
    ReportMouseValues();
    if (axesRescaled_) {
        MouseDownX = X;
        MouseDownY = Y;
        axesRescaled_ = false;
    }
    SyncDayCounter();
    MMove(Shift, X, Y);
    if (DiagramState == dsDragPoint && CurrentPoint && CurrentPoint->Dragging)
        TCurveEditor(*this).DragStep(Shift, X, Y);
}

void TCurveDiagram::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (ReportValues && isSignalConnected(QMetaMethod::fromSignal(&TCurveDiagram::OnMouseCurveValues))) {
        emit OnMouseCurveValues(QString(), QString());
        ReportValues = false;
    }
    if (Button == mbLeft) {
        MDown(Button, Shift, X, Y);
    } else if (Button == mbRight && MouseInsideAxes()) {
        TPointInfo* over = nullptr;
        for (auto& p : PointList)
            if (p->MouseOver) {
                over = p.get();
                break;
            }
        emit OnCurveRightClick(over, this);
    }
}

void TCurveDiagram::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    bool sameX = false;
    int x = 0, y = 0;
    if (TPointInfo* c = CurrentPoint; c && c->Values.XValue && c->Values.YValue) {
        x = *c->Values.XValue;
        y = *c->Values.YValue;
        for (const auto& p : PointList)
            if (p.get() != c && p->Values.XValue && *p->Values.XValue == x)
                sameX = true;
    }
    TMasterDiagram::MouseUp(Button, Shift, X, Y);
    if (sameX) {
        // A point dropped on the X of another replaces it.
        for (const auto& p : PointList)
            if (p->Values.XValue && p->Values.YValue && *p->Values.XValue == x && *p->Values.YValue != y) {
                DeletePoint(p.get());
                break;
            }
    }
    emit AfterCurveChanged(this);
    emit OnSettingsChanged(this);
}

// Repaints the whole bitmap for new axes and keeps the mouse on the point,
// which now stands at other pixels.
void TCurveDiagram::RepaintKeepingCursor(TPointInfo& c)
{
    const QPoint offset = Screen::CursorPos() - QPoint(c.XPixel, c.YPixel);
    TCanvas& canvas = Canvas();
    canvas.Brush.Color = clInfoBk;
    canvas.Brush.Style = bsSolid;
    canvas.FillRect(TRect(0, 0, Width(), Height()));
    PaintKader();
    PaintCurveDiagram();
    Screen::SetCursorPos(QPoint(c.XPixel, c.YPixel) + offset);
    ShowOffscreen();
}

// --- keys, insert and delete ------------------------------------------------------------

void TCurveDiagram::ChangeDiagramValue(TChangeValue change)
{
    // Taken first: the steps re-sort the list.
    std::vector<TPointInfo*> points;
    for (auto& p : PointList)
        points.push_back(p.get());
    for (TPointInfo* p : points) {
        if (!CheckKeyInputValue(*p, change))
            continue;
        TCurveEditor(*this).HoldInCurveRange(*p);
        const QPoint offset = Screen::CursorPos() - QPoint(p->XPixel, p->YPixel);
        CalcPointsPixels();
        Screen::SetCursorPos(QPoint(p->XPixel, p->YPixel) + offset);
        if (TCurveEditor(*this).RescaleXForKey(*p)) {
            const TPen savedPen = Canvas().Pen;
            RepaintKeepingCursor(*p);
            Canvas().Pen = savedPen;
            p->MouseOver = true;
        }
        RaiseCurveChanged();
    }
}

void TCurveDiagram::RaiseCurveChanged()
{
    emit OnSettingsChanged(this);
    emit AfterCurveChanged(this);
    Invalidate();
}

void TCurveDiagram::InsertPoint()
{
    TCurveStruct& curve = Curve();
    MouseXValue = std::min(MouseXValue, kXLimit);
    MouseYValue = std::min(MouseYValue, curve.YCeiling);
    const int n = PointCount();
    bool matched = false;
    for (int i = 0; i < n; ++i)
        if (curve.XValues[size_t(i)] == MouseXValue) {
            curve.YValues[size_t(i)] = MouseYValue;
            matched = true;
        }
    if (!matched) {
        if (n >= TCurveStruct::MaxPoints)
            throw Exception(QStringLiteral("Error in TCurveDiagram::InsertPoint : the curve already holds %1 points")
                                .arg(TCurveStruct::MaxPoints));
        curve.XValues[size_t(n)] = MouseXValue;
        curve.YValues[size_t(n)] = MouseYValue;
        curve.PointCount = uint8_t(n + 1);
        RebuildPointList();
    }
    CurrentPoint = nullptr;
    RaiseCurveChanged();
}

void TCurveDiagram::DeletePoint()
{
    for (auto& p : PointList)
        if (p->MouseOver) {
            DeletePoint(p.get());
            break;
        }
    RaiseCurveChanged();
}

void TCurveDiagram::DeletePoint(TPointInfo* point)
{
    TCurveStruct& curve = Curve();
    int n = PointCount();
    if (point && point->Values.XValue && point->Values.YValue) {
        const int x = *point->Values.XValue;
        const int y = *point->Values.YValue;
        for (int i = 0; i < n; ++i) {
            if (curve.XValues[size_t(i)] != x || curve.YValues[size_t(i)] != y)
                continue;
            for (int k = i + 1; k < TCurveStruct::MaxPoints; ++k) {
                curve.XValues[size_t(k - 1)] = curve.XValues[size_t(k)];
                curve.YValues[size_t(k - 1)] = curve.YValues[size_t(k)];
            }
            --n;
            break;
        }
    }
    curve.PointCount = uint8_t(n);
    for (int k = n; k < TCurveStruct::MaxPoints; ++k) {
        curve.XValues[size_t(k)] = 0;
        curve.YValues[size_t(k)] = 0;
    }
    RebuildPointList();
}
