#include "diagram/MasterDiagram.h"

#include "diagram/AllSetpoints.h"
#include "diagram/DiagramAxes.h"
#include "diagram/DiagramSettings.h"
#include "diagram/PointEditor.h"
#include "diagram/PointOptions.h"
#include "diagram/PointPainter.h"
#include "diagram/Setpoints.h"
#include "diagram/SymbolPainter.h"
#include "framework/Notify.h"
#include "framework/Screen.h"
#include "scale/ScaleLabels.h"

#include <QFocusEvent>
#include <QMetaMethod>
#include <cmath>


// --- construction -----------------------------------------------------------

TMasterDiagram::TMasterDiagram(QWidget* owner)
    : TCustomControl(owner), diagramSettings_(new TDiagramSettings(this))
{
    PointClick = [this](TPointInfo* point) { GraphPointClick(point); };
    SetBounds(Left(), Top(), owner ? owner->width() : 260, 120);
    TCanvas& c = OffscreenBitmap().Canvas();
    c.Font.SetName(QStringLiteral("Arial"));
    c.Font.SetCharset(1); // default character set
    if (InitAllSetpoints == 0)
        AllSetpoints = new TAllSetpoints(this);
    ++InitAllSetpoints;
}

TMasterDiagram::~TMasterDiagram()
{
    EmptyPointInfoList();
    if (InitAllSetpoints > 0 && --InitAllSetpoints == 0) {
        delete AllSetpoints;
        AllSetpoints = nullptr;
    }
}

void TMasterDiagram::SetDiagramTitle(const QString& value)
{
    SetAndNotify(this, &TMasterDiagram::DiagramTitleChanged, diagramTitle_, value, [&] { Invalidate(); });
}

void TMasterDiagram::SetXAxisTitle(const QString& value)
{
    SetAndNotify(this, &TMasterDiagram::XAxisTitleChanged, xAxisTitle_, value, [&] { Invalidate(); });
}

void TMasterDiagram::SetYAxisTitle(const QString& value)
{
    SetAndNotify(this, &TMasterDiagram::YAxisTitleChanged, yAxisTitle_, value, [&] { Invalidate(); });
}

void TMasterDiagram::AfterInput()
{
    diagramSettings_->NotifyChanges();
    for (auto* setpoints : findChildren<TSetpoints*>(Qt::FindDirectChildrenOnly))
        setpoints->NotifyChanges();
}

void TMasterDiagram::ChangeDiagramValue(TChangeValue) {}
void TMasterDiagram::DeletePoint() {}
void TMasterDiagram::InsertPoint() {}
void TMasterDiagram::CreatePointInfoList() {}
TBitmap* TMasterDiagram::PrintDiagram() { return nullptr; }

int TMasterDiagram::CreateNewPoint()
{
    PointList.push_back(std::make_unique<TPointInfo>());
    TimeAxis = false;
    return int(PointList.size()) - 1;
}

void TMasterDiagram::EmptyPointInfoList()
{
    // Nothing may keep pointing at a destroyed point.
    CurrentPoint = nullptr;
    CurrentSymbolPoint = nullptr;
    while (!PointList.empty())
        PointList.erase(PointList.begin());
    PointList.shrink_to_fit();
}

// --- window messages --------------------------------------------------------

void TMasterDiagram::Resize()
{
    if (Width() < 260)
        SetWidth(260);
    if (Height() < 120)
        SetHeight(120);
    Invalidate();
    TCustomControl::Resize();
}

void TMasterDiagram::focusInEvent(QFocusEvent* event)
{
    if (event->reason() == Qt::MouseFocusReason)
        return;
    TCustomControl::focusInEvent(event);
}

void TMasterDiagram::KeyDown(uint16_t&, TShiftState) {}

void TMasterDiagram::DoEnter()
{
    DiagramState = dsFocused;
    Invalidate();
}

void TMasterDiagram::DoExit()
{
    DiagramState = dsIdle;
    Invalidate();
}

void TMasterDiagram::RunPaintContract(const std::function<void()>& diagramRoutine)
{
    if (DiagramState == dsDragPoint || DiagramState == dsDragSymbol)
        return;
    TCanvas& c = Canvas();
    BitmapRect = TRect(0, 0, Width(), Height());
    c.Brush.Color = clInfoBk;
    c.Brush.Style = bsSolid;
    c.FillRect(BitmapRect);
    if (DiagramState != dsIdle) {
        PaintFocus();
        return;
    }
    PaintKader();
    if (diagramRoutine)
        diagramRoutine();
}

void TMasterDiagram::RunLayeredPaintContract(const std::function<void()>& prepare,
                                             const std::function<void()>& drawStatic,
                                             const std::function<void()>& drawLive)
{
    layers_.Run(prepare, drawStatic, drawLive);
}

void TMasterDiagram::InvalidateLive(const TRect& rect) { layers_.InvalidateLive(rect); }

void TMasterDiagram::ContentChanged() { DropKeptLayers(); }

void TMasterDiagram::DropKeptLayers() { layers_.Drop(); }

// --- mapping ----------------------------------------------------------------

TDiagramMapping TMasterDiagram::Mapping() const
{
    return TDiagramMapping(*diagramSettings_, AreaRect, XOrigin, XAxisWidth, YOrigin, YAxisHeight);
}

int TMasterDiagram::CalcXValue(int px) const { return Mapping().XValue(px); }
int TMasterDiagram::CalcYValue(int py) const { return Mapping().YValue(py); }
int TMasterDiagram::CalcXPixel(int value) const { return Mapping().XPixel(value); }
int TMasterDiagram::CalcYPixel(int value) const { return Mapping().YPixel(value); }

void TMasterDiagram::CalcClipRectRegion(int minX, int minY, int maxY, int maxX)
{
    TPointEditor(*this).CalcClipRectRegion(minX, minY, maxY, maxX);
}

// --- text -------------------------------------------------------------------

int TMasterDiagram::GetLineHeight(bool flag)
{
    if (!flag)
        return 0;
    const int points = OffscreenBitmap().Canvas().Font.Size();
    return int(std::abs(MulDiv(points, TFont::PixelsPerInch, 72)) * 1.4) + 2;
}

QString TMasterDiagram::FormatTextString(int decimals, int value)
{
    if (decimals == 0)
        return QString::number(value);
    if (decimals == 1)
        return ScaleLabels::Tenths(value);
    return ScaleLabels::Tenths(ScaleLabels::HundredthsToTenths(value));
}

QString TMasterDiagram::GetValueString(TValType type, const int* value)
{
    if (!value)
        return QString();
    if (type == vtInteger)
        return QString::number(*value);
    if (type == vtTenths)
        return ScaleLabels::Tenths(*value);
    return QString();
}

// --- layout and axes ----------------------------------------------------------

void TMasterDiagram::CalcAxePositions(const TPointInfoList& points) { TDiagramAxes(*this).CalcAxePositions(points); }
int TMasterDiagram::CalcSteps(int count) { return TDiagramAxes::CalcSteps(count); }
int TMasterDiagram::CalcHourSteps(int count) { return TDiagramAxes::CalcHourSteps(count); }
void TMasterDiagram::PaintKader() { TDiagramAxes(*this).PaintKader(); }
void TMasterDiagram::PaintFocus() { TDiagramAxes(*this).PaintFocus(); }
void TMasterDiagram::DrawYAxisLabels() { TDiagramAxes(*this).DrawYAxisLabels(); }
void TMasterDiagram::DrawXAxisLabels() { TDiagramAxes(*this).DrawXAxisLabels(); }
void TMasterDiagram::DrawXYAxis() { TDiagramAxes(*this).DrawXYAxis(); }

// --- points -----------------------------------------------------------------

void TMasterDiagram::CalcSetpointInfo(TPointInfo& point) { TPointPainter(*this).CalcSetpointInfo(point); }
void TMasterDiagram::CalcPointsPixels() { TPointPainter(*this).CalcPointsPixels(); }
void TMasterDiagram::SortPointList() { TPointPainter(*this).SortPointList(); }
void TMasterDiagram::CalcVirtualValues() { TPointPainter(*this).CalcVirtualValues(); }
void TMasterDiagram::SetDrawPointRect(TPointInfo& point) { TPointPainter(*this).SetDrawPointRect(point); }
void TMasterDiagram::DrawLinesFromPointsToAxis() { TPointPainter(*this).DrawLinesFromPointsToAxis(); }
void TMasterDiagram::DrawLinesBetweenPoints() { TPointPainter(*this).DrawLinesBetweenPoints(); }
void TMasterDiagram::DrawFirstLastHorLinesPoints() { TPointPainter(*this).DrawFirstLastHorLinesPoints(); }
void TMasterDiagram::DrawFirstLastVertLinesPoints() { TPointPainter(*this).DrawFirstLastVertLinesPoints(); }
void TMasterDiagram::DrawPoints() { TPointPainter(*this).DrawPoints(); }
void TMasterDiagram::DrawArcAreas() { TPointPainter(*this).DrawArcAreas(); }

// --- labels and symbols ----------------------------------------------------------

void TMasterDiagram::DrawPointLabels() { TSymbolPainter(*this).DrawPointLabels(); }
void TMasterDiagram::DrawPointLabel(TPointInfo& point, bool show) { TSymbolPainter(*this).DrawPointLabel(point, show); }
void TMasterDiagram::ClearPointLabel(TPointInfo& point) { TSymbolPainter(*this).ClearPointLabel(point); }
void TMasterDiagram::DrawArrow(int fromX, int toX, int y) { TSymbolPainter(*this).DrawArrow(fromX, toX, y); }
void TMasterDiagram::DrawSymbols() { TSymbolPainter(*this).DrawSymbols(); }
void TMasterDiagram::DrawSymbols(TPointInfo& point, bool show) { TSymbolPainter(*this).DrawSymbols(point, show); }
void TMasterDiagram::ClearArrowArea(TPointInfo& point) { TSymbolPainter(*this).ClearArrowArea(point); }
void TMasterDiagram::FillDayBitmap(TPointInfo& point, const TFontBitmaps& fonts)
{
    TSymbolPainter::FillDayBitmap(point, fonts);
}

void TMasterDiagram::GraphPointClick(TPointInfo* point)
{
    if (point && point->CurveOptionEnabled && isSignalConnected(QMetaMethod::fromSignal(&TMasterDiagram::OnPointCommand)))
        emit OnPointCommand(point->SubCommando);
}

void TMasterDiagram::FillPointOptions(TDataTable& table) { TPointOptions(*this).FillPointOptions(table); }

// --- mouse and keys -------------------------------------------------------------

void TMasterDiagram::MMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (DiagramState == dsFocused)
        Screen::SetCursor(crDefault);
    else if (DiagramState == dsIdle)
        TPointEditor(*this).MouseMovePosition(X, Y);
}

void TMasterDiagram::MDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    TPointEditor(*this).Press(X, Y);
}

void TMasterDiagram::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    TPointEditor(*this).Release(X, Y);
}

bool TMasterDiagram::CheckKeyInputValue(TPointInfo& point, TChangeValue change)
{
    return TPointEditor(*this).CheckKeyInputValue(point, change);
}

QString TMasterDiagram::AccessibleName() const
{
    return diagramTitle_.isEmpty() ? QStringLiteral("Diagram") : diagramTitle_;
}
