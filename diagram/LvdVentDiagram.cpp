#include "diagram/LvdVentDiagram.h"

#include "diagram/DiagramSettings.h"
#include "framework/Notify.h"

#include <algorithm>
#include <climits>

namespace {

// Left edge of the fan (or heater) picture.
constexpr int kPictureLeft = 8;

// A Y type that ends the downward neighbour search of an interpolated point
// without being a neighbour itself. None of this diagram's points carries it.
constexpr TValType kSkippedYType = TValType(3);

// Absurd setpoints must not overflow (undefined in C++); every sensible value
// gives the same result as plain 32-bit arithmetic.
int Saturate(int64_t value) { return int(std::clamp<int64_t>(value, INT_MIN, INT_MAX)); }

void LoadPicture(TBitmap& picture, const char* name)
{
    picture.LoadFromResourceName(QString::fromLatin1(name));
    picture.Transparent = true;
    picture.SetTransparentColor(clWhite);
}

const QString kDegrees = QStringLiteral("\u00B0C");
const QString kPercent = QStringLiteral("%");

} // namespace

// One row of a curve's role table: what a point stands for and where its
// values live.
struct TLvdVentDiagram::Role {
    int PointNumber;
    int* XValue;
    int* YValue;
    TValType XValType;
    TValType YValType;
    QString XUnit;
    QString YUnit;
    bool XEditable;
    bool YEditable;
};

TLvdVentDiagram::TLvdVentDiagram(QWidget* owner) : TMasterDiagram(owner)
{
    LoadPictures();
    setpoints_ = new TSetpoints(this);
    for (int i = 0; i < 7; ++i)
        PointList.push_back(std::make_unique<TPointInfo>());
    CalcPointInfoList();
    FillPointInfoList();
}

TLvdVentDiagram::~TLvdVentDiagram()
{
    delete setpoints_;
    setpoints_ = nullptr;
}

void TLvdVentDiagram::LoadPictures()
{
    LoadPicture(fan_[0], "VENTBITMAP3");
    LoadPicture(fan_[1], "VENTBITMAP2");
    LoadPicture(fan_[2], "VENTBITMAP");
    LoadPicture(thermometer_, "TEMPBITMAP");
    LoadPicture(flame_, "VLAM");
    LoadPicture(bandwidth_, "BANDBR");
    LoadPicture(cooling_, "KOELING");
    LoadPicture(heaterOn_, "HEATERON");
    LoadPicture(heaterOff_, "HEATEROFF");
    // The blend works byte by byte on three-byte pixels.
    heaterOn_.PixelFormat = pf24bit;
    heaterOff_.PixelFormat = pf24bit;
}

// --- properties ---------------------------------------------------------------

void TLvdVentDiagram::SetVentIndex(int value)
{
    // Normalised into 0..2 even for a negative value, which would otherwise
    // pick a fan frame that does not exist.
    const int index = ((value % 3) + 3) % 3;
    if (index == ventIndex_)
        return;
    ventIndex_ = index;
    // The fan thread turns the fan many times a second: only its picture is
    // drawn again, where the last paint put it. The heater does not turn, but
    // its advance still repaints, so the law and the status follow each cycle.
    const TBitmap& picture = optieVentilatie_ ? fan_[size_t(index)] : heaterOn_;
    InvalidateLive(TRect(kPictureLeft, FanTop, kPictureLeft + picture.Width(), FanTop + picture.Height()));
    emit VentIndexChanged();
}

void TLvdVentDiagram::SetVentilatieStand(int value)
{
    // The fan thread reads the position; whoever stores it, observers hear of
    // it on the GUI thread.
    if (ventilatieStand_.exchange(value, std::memory_order_relaxed) != value)
        EmitOnOwnThread(this, &TLvdVentDiagram::VentilatieStandChanged);
}

void TLvdVentDiagram::SetGemetenTemperatuur(int value)
{
    SetAndNotify(
        this, &TLvdVentDiagram::GemetenTemperatuurChanged, gemetenTemperatuur_, value, [&] { InvalidateLive(); });
}

void TLvdVentDiagram::SetOptieVentilatie(bool value)
{
    SetAndNotify(this, &TLvdVentDiagram::OptieVentilatieChanged, optieVentilatie_, value, [&] {
        FillPointInfoList();
        Invalidate();
    });
}

void TLvdVentDiagram::SetOptieKoeling(bool value)
{
    SetAndNotify(this, &TLvdVentDiagram::OptieKoelingChanged, optieKoeling_, value, [&] {
        FillPointInfoList();
        Invalidate();
    });
}

// --- the control law ------------------------------------------------------------

void TLvdVentDiagram::CalcPointInfoList()
{
    const TSetpoints& s = *setpoints_;
    BandTop = Saturate(int64_t(s.StreefTemp) + s.Bandbreedte);
    BandBottom = Saturate(int64_t(s.StreefTemp) - s.Bandbreedte);
    HeatPoint = Saturate(optieKoeling_ ? int64_t(s.StreefTemp) + s.VerwarmVerschil
                                       : int64_t(s.StreefTemp) - s.VerwarmVerschil);
    MaxAlarmX = s.MaxAlarm;
    UpdateHeatCoolActive();
    minAlarmActive_ = gemetenTemperatuur_ <= s.MinAlarm;
    maxAlarmActive_ = gemetenTemperatuur_ >= s.MaxAlarm;

    const bool changed = minAlarmActive_ != oldMinAlarmActive_ || maxAlarmActive_ != oldMaxAlarmActive_
                         || heatCoolActive_ != oldHeatCoolActive_;
    // The copies are taken before the event, so that a handler which repaints
    // at once does not report the same change a second time.
    oldMinAlarmActive_ = minAlarmActive_;
    oldMaxAlarmActive_ = maxAlarmActive_;
    oldHeatCoolActive_ = heatCoolActive_;
    if (changed)
        emit OnStatusChanged(this);
}

// Switches on at the heating (cooling) point and off only half a degree past
// it, so a temperature hovering at the point does not make the heater chatter.
void TLvdVentDiagram::UpdateHeatCoolActive()
{
    const int64_t g = gemetenTemperatuur_;
    const int64_t point = HeatPoint;
    if (optieKoeling_) {
        if (g >= point)
            heatCoolActive_ = true;
        else if (g <= point - 5)
            heatCoolActive_ = false;
    } else {
        if (g <= point)
            heatCoolActive_ = true;
        else if (g >= point + 5)
            heatCoolActive_ = false;
    }
}

int TLvdVentDiagram::CalcVentilatieStand() const
{
    const TSetpoints& s = *setpoints_;
    const int64_t g = gemetenTemperatuur_;
    const int64_t target = s.StreefTemp;
    const int64_t span = int64_t(s.MaxPositie) - s.MinPositie;
    // The middle branches are reached only with a positive bandwidth, and
    // there |g - target| < Bandbreedte keeps the product inside 64 bits.
    if (optieVentilatie_) {
        if (g <= target)
            return s.MinPositie;
        if (g >= BandTop)
            return s.MaxPositie;
        return Saturate((g - target) * span / s.Bandbreedte + s.MinPositie);
    }
    if (g >= target)
        return s.MinPositie;
    if (g <= BandBottom)
        return s.MaxPositie;
    return Saturate(span * (target - g) / s.Bandbreedte + s.MinPositie);
}

// --- points ------------------------------------------------------------------------

void TLvdVentDiagram::FillPointInfoList()
{
    TDiagramSettings& ds = *DiagramSettings();
    TSetpoints& s = *setpoints_;
    const bool vent = optieVentilatie_;
    int* firstY = vent ? &s.MinPositie : &s.MaxPositie;
    int* lastY = vent ? &s.MaxPositie : &s.MinPositie;
    const Role roles[7] = {
        {vent ? 0 : 6, &ds.MinXValue, firstY, vtNone, vtInteger, QString(), kPercent, false, true},
        {1, &s.MinAlarm, &MinAlarmY, vtTenths, vtNone, kDegrees, QString(), true, false},
        {2, &HeatPoint, &HeatPointY, vtTenths, vtNone, kDegrees, QString(), true, false},
        {3, &s.StreefTemp, &s.MinPositie, vtTenths, vtInteger, kDegrees, kPercent, true, false},
        {4, vent ? &BandTop : &BandBottom, &s.MaxPositie, vtTenths, vtInteger, kDegrees, kPercent, true, false},
        {5, &MaxAlarmX, &MaxAlarmY, vtTenths, vtNone, kDegrees, QString(), true, false},
        {vent ? 6 : 0, &ds.MaxXValue, lastY, vtNone, vtInteger, QString(), kPercent, true, false},
    };
    // The two alarm points start on the flat ends of the curve; painting then
    // moves them onto the curve.
    MinAlarmY = *firstY;
    MaxAlarmY = *lastY;
    const size_t count = std::min<size_t>(PointList.size(), 7);
    for (size_t i = 0; i < count; ++i)
        BindRole(*PointList[i], roles[i], int(i) + 1);
}

void TLvdVentDiagram::BindRole(TPointInfo& point, const Role& role, int fillOrder)
{
    point.PointNumber = role.PointNumber;
    TPointValues& v = point.Values;
    v.XValue = role.XValue;
    v.YValue = role.YValue;
    // Limits equal to the value itself: no key or drag step can move a point.
    v.MinX = v.MaxX = role.XValue;
    v.MinY = v.MaxY = role.YValue;
    v.XValType = role.XValType;
    v.YValType = role.YValType;
    v.XUnit = role.XUnit;
    v.YUnit = role.YUnit;
    point.XEditable = role.XEditable;
    point.YEditable = role.YEditable;
    point.MouseOver = false;
    point.Dragging = false;
    point.MouseOverSymbol = false;
    point.SymbolDragging = false;
    point.CurveOptionEnabled = false;
    point.OptionEnabled = true;
    point.PointKind = pkPoint;
    BindArea(point, fillOrder);
    BindSymbol(point, fillOrder);
}

// The low-temperature alarm zone hangs on the minimum-alarm point (role 2),
// the high-temperature zone on the maximum-alarm point (role 6).
void TLvdVentDiagram::BindArea(TPointInfo& point, int fillOrder)
{
    TPointArea& a = point.Area;
    if (fillOrder != 2 && fillOrder != 6) {
        a.AreaKind = akNone;
        return;
    }
    TDiagramSettings& ds = *DiagramSettings();
    a.AreaLeft = fillOrder == 2 ? &ds.MinXValue : &setpoints_->MaxAlarm;
    a.AreaRight = fillOrder == 2 ? &setpoints_->MinAlarm : &ds.MaxXValue;
    a.AreaBottom = &ds.MinYValue;
    a.AreaTop = &ds.MaxYValue;
    a.AreaBrushStyle = bsFDiagonal;
    a.AreaKind = akBelowCurve;
}

// The heating (or cooling) difference hangs on the heat point (role 3), the
// bandwidth on the band's far end (role 5).
void TLvdVentDiagram::BindSymbol(TPointInfo& point, int fillOrder)
{
    TPointSymbol& sym = point.Symbol;
    if (fillOrder != 3 && fillOrder != 5) {
        sym.SymbolType = vtNone;
        return;
    }
    const bool heat = fillOrder == 3;
    sym.SymbolType = vtTenths;
    sym.SymbolValue = heat ? &setpoints_->VerwarmVerschil : &setpoints_->Bandbreedte;
    sym.SymbolFromX = &setpoints_->StreefTemp;
    sym.SymbolToX = heat ? &HeatPoint : (optieVentilatie_ ? &BandTop : &BandBottom);
    sym.SymbolRow = heat ? 1 : 2;
    sym.SymbolBitmap.Assign(heat ? (optieKoeling_ ? cooling_ : flame_) : bandwidth_);
    sym.ArrowMode = heat ? 2 : (optieVentilatie_ ? 0 : 1);
    sym.SymbolPoint = &point;
}

void TLvdVentDiagram::CalcVirtualYValues()
{
    SetVentilatieStand(CalcVentilatieStand());
    FanTop = CalcYPixel(VentilatieStand()) - 16;
    OperatingX = CalcXPixel(gemetenTemperatuur_);
    const int count = int(PointList.size());
    for (int i = 1; i < count - 1; ++i)
        if (PointList[size_t(i)]->Values.YValType == vtNone)
            InterpolatePoint(i);
}

// Puts the point at `index` on the straight line between its nearest
// neighbours that have a Y value of their own.
void TLvdVentDiagram::InterpolatePoint(int index)
{
    const auto type = [this](int k) { return PointList[size_t(k)]->Values.YValType; };
    const int last = int(PointList.size()) - 1;
    int below = index - 1;
    while (below > 0 && (type(below) == vtNone || type(below) == kSkippedYType))
        --below;
    int above = index + 1;
    while (above < last && type(above) == vtNone && type(below) != kSkippedYType)
        ++above;

    const TPointInfo& q = *PointList[size_t(below)];
    const TPointInfo& p = *PointList[size_t(above)];
    TPointInfo& r = *PointList[size_t(index)];
    // Neighbours on the same X pixel give no slope: the point takes the lower
    // neighbour's height instead of dividing by zero.
    if (q.YPixel == p.YPixel || q.XPixel == p.XPixel)
        r.YPixel = q.YPixel;
    else
        r.YPixel = int(double(r.XPixel - q.XPixel) * double(p.YPixel - q.YPixel) / double(p.XPixel - q.XPixel)
                       + double(q.YPixel));
    if (r.Values.YValue)
        *r.Values.YValue = CalcYValue(r.YPixel);
    r.Values.MinY = r.Values.MaxY = r.Values.YValue;
}

void TLvdVentDiagram::SelectPoint(int number)
{
    TPointInfo* point = FindPoint(number);
    if (!point)
        return;
    CurrentPoint = point;
    point->MouseOver = true;
    Invalidate();
}

void TLvdVentDiagram::DeSelectPoint(int number)
{
    TPointInfo* point = FindPoint(number);
    if (!point)
        return;
    CurrentPoint = point;
    point->MouseOver = false;
    Invalidate();
}

TPointInfo* TLvdVentDiagram::FindPoint(int number) const
{
    for (const auto& point : PointList)
        if (point->PointNumber == number)
            return point.get();
    return nullptr;
}

// --- layout and drawing ---------------------------------------------------------------

// Like the master's layout, with a wider left margin, a row for the
// thermometer icon under the symbols, and no room for axis titles.
void TLvdVentDiagram::CalcAxePositions(const TPointInfoList& points)
{
    const TDiagramSettings& ds = *DiagramSettings();
    XOrigin = 51;
    YOrigin = Height() - 12;
    if (ds.ShowSymbols)
        for (const auto& point : points)
            if (point->Symbol.SymbolType != vtNone)
                YOrigin -= 20;
    YOrigin -= 20;
    TitleHeight = GetLineHeight(!DiagramTitle().isEmpty());
    if (ds.ShowYValues)
        XOrigin += Canvas().TextWidth(FormatTextString(ds.YAxisDecimals, ds.MaxYValue));
    if (ds.ShowXValues)
        YOrigin -= GetLineHeight(true);
    YAxisHeight = YOrigin - TitleHeight - 26;
    XAxisWidth = Width() - XOrigin - 28;
    AreaRect = TRect(XOrigin, TitleHeight + 26, Width() - 28, YOrigin);
}

void TLvdVentDiagram::Paint()
{
    // The fan frame, the temperature and everything that follows from it are
    // live; the axes, areas and curve stay until a setpoint or setting changes.
    RunLayeredPaintContract([this] { PrepareVentDiagram(); }, [this] { PaintCurveLayer(); },
                            [this] { PaintOperatingLayer(); });
    // The paint ran the control law: position and alarms are current now.
    NotifyChanged(this);
}

QString TLvdVentDiagram::AccessibleText() const
{
    QString text = QStringLiteral("%1 °C, ventilation position %2 %, %3")
                       .arg(QString::number(gemetenTemperatuur_ / 10.0, 'f', 1))
                       .arg(CalcVentilatieStand())
                       .arg(optieVentilatie_ ? QStringLiteral("ventilation curve") : QStringLiteral("heating curve"));
    if (optieKoeling_)
        text += QStringLiteral(", cooling");
    if (minAlarmActive_)
        text += QStringLiteral(", minimum temperature alarm");
    if (maxAlarmActive_)
        text += QStringLiteral(", maximum temperature alarm");
    return text;
}

void TLvdVentDiagram::ContentChanged()
{
    TMasterDiagram::ContentChanged();
    curveSetpointsKnown_ = false;
}

// The fields the curve, its labels and its symbols are drawn from.
std::array<int, 7> TLvdVentDiagram::DrawnSetpoints() const
{
    const TSetpoints& s = *setpoints_;
    return {s.MinPositie, s.MaxPositie, s.MinAlarm, s.MaxAlarm, s.StreefTemp, s.Bandbreedte, s.VerwarmVerschil};
}

void TLvdVentDiagram::PrepareVentDiagram()
{
    // Setpoints written in place (the front panel writes through references)
    // without an Invalidate must not leave the kept curve behind: the next
    // paint, a fan advance too, draws everything anew.
    if (curveSetpointsKnown_ && DrawnSetpoints() != curveSetpoints_)
        DropKeptLayers();
    savedPen_ = Canvas().Pen;
    CalcPointInfoList();
    CalcAxePositions(PointList);
    CalcPointsPixels();
    CalcVirtualYValues();
}

void TLvdVentDiagram::PaintCurveLayer()
{
    curveSetpoints_ = DrawnSetpoints();
    curveSetpointsKnown_ = true;
    DrawArcAreas();
    DrawYAxisLabels();
    DrawXAxisLabels();
    DrawXYAxis();
    DrawLinesFromPointsToAxis();
    DrawLinesBetweenPoints();
}

void TLvdVentDiagram::PaintOperatingLayer()
{
    const TBitmap& picture = optieVentilatie_ ? fan_[size_t(ventIndex_)] : BlendedHeaterPicture();
    const int thermometerTop = ThermometerTop();
    PaintOperatingGuide(picture.Width(), thermometerTop);
    DrawPoints();
    DrawPointLabels();
    Canvas().Draw(kPictureLeft, FanTop, picture);
    PaintThermometer(thermometerTop);
    DrawSymbols();
    Canvas().Pen = savedPen_;
}

// The thermometer row starts under the X axis labels.
int TLvdVentDiagram::ThermometerTop()
{
    return YOrigin + 5 + (DiagramSettings()->ShowXValues ? GetLineHeight(true) : 0);
}

// A two-pixel green line from the picture across to the operating point and
// down to the thermometer icon.
void TLvdVentDiagram::PaintOperatingGuide(int pictureWidth, int thermometerTop)
{
    TCanvas& c = Canvas();
    c.Pen.Width = 1;
    c.Pen.Color = clGreen;
    c.Pen.Style = psSolid;
    const int y = CalcYPixel(VentilatieStand());
    const int x = CalcXPixel(gemetenTemperatuur_);
    const int left = pictureWidth + 10;
    const int bottom = thermometerTop - 2;
    c.Polyline({QPoint(left, y), QPoint(x - 1, y), QPoint(x - 1, bottom)});
    c.Polyline({QPoint(left, y + 1), QPoint(x, y + 1), QPoint(x, bottom)});
}

// Fills the icon's column (x 5 and 6, rows 13 up to 1) in proportion to the
// temperature on a 0 to 50 degree scale, then draws it centred on the
// operating point.
void TLvdVentDiagram::PaintThermometer(int thermometerTop)
{
    const int64_t filled = int64_t(gemetenTemperatuur_) * 13 / 500;
    TCanvas& t = thermometer_.Canvas();
    t.Pen.Width = 1;
    t.Pen.Style = psSolid;
    t.Pen.Mode = pmCopy;
    for (int i = 1; i <= 13; ++i) {
        t.Pen.Color = i <= filled ? clRed : clWhite;
        t.MoveTo(5, 14 - i);
        t.LineTo(7, 14 - i);
    }
    Canvas().Draw(OperatingX - thermometer_.Width() / 2, thermometerTop, thermometer_);
}

uint8_t TLvdVentDiagram::CalcPixelColor(int position, int scale, uint8_t onByte, uint8_t offByte)
{
    if (scale == 0)
        return offByte;
    const int64_t value = (int64_t(onByte) - offByte) * position / scale + offByte;
    return uint8_t(value & 0xFF);
}

const TBitmap& TLvdVentDiagram::BlendedHeaterPicture()
{
    const int position = VentilatieStand();
    if (position == heaterPosition_)
        return heater_;
    heater_.Assign(heaterOn_);
    QImage& out = heater_.Image();
    const QImage& on = heaterOn_.Image();
    const QImage& off = heaterOff_.Image();
    const int width = std::min(on.width(), off.width());
    const int height = std::min(on.height(), off.height());
    for (int y = 0; y < height; ++y) {
        const auto* onLine = reinterpret_cast<const uint32_t*>(on.constScanLine(y));
        const auto* offLine = reinterpret_cast<const uint32_t*>(off.constScanLine(y));
        auto* outLine = reinterpret_cast<uint32_t*>(out.scanLine(y));
        for (int x = 0; x < width; ++x) {
            uint32_t pixel = 0xFF000000u;
            for (int shift = 0; shift < 24; shift += 8) {
                const auto onByte = uint8_t(onLine[x] >> shift);
                const auto offByte = uint8_t(offLine[x] >> shift);
                pixel |= uint32_t(CalcPixelColor(position, 100, onByte, offByte)) << shift;
            }
            outLine[x] = pixel;
        }
    }
    heaterPosition_ = position;
    return heater_;
}

// --- mouse ------------------------------------------------------------------------------

// The points cannot be dragged: a press reaches the base class only while the
// control shows its focus frame, where it starts nothing.
void TLvdVentDiagram::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (DiagramState == dsFocused)
        MDown(Button, Shift, X, Y);
}

void TLvdVentDiagram::MouseMove(TShiftState Shift, int X, int Y) { MMove(Shift, X, Y); }
