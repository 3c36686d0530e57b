#include "feed/FWS.h"

#include "diagram/FontBitmaps.h"
#include "framework/Timer.h"
#include "scale/IntScaleMap.h"
#include "scale/ScaleLabels.h"

#include <algorithm>

namespace {

// The picture's own size: the frame and the augers are drawn for it.
constexpr int kPictureWidth = 140, kPictureHeight = 200;
// The hopper fills 55 rows at its capacity; the bin 36 rows per 6000, up to 53.
constexpr int kHopperRows = 55, kBinRows = 36, kBinRowsWeight = 6000, kBinTop = 53;

using ScaleLabels::Hundredths;

void LoadAuger(TBitmap& picture, const QString& name)
{
    picture.LoadFromResourceName(name);
    picture.Transparent = true;
    picture.SetTransparentColor(clWhite);
}

void SetPenAndBrush(TCanvas& c, TColor color)
{
    c.Pen.Color = color;
    c.Pen.Width = 1;
    c.Pen.Style = psSolid;
    c.Brush.Color = color;
    c.Brush.Style = bsSolid;
}

} // namespace

TFWS::TFWS(QWidget* owner)
    : TGraphicControl(owner), fonts_(std::make_unique<TFontBitmaps>()), timer_(new TTimer(this))
{
    const auto* parent = qobject_cast<const TControl*>(owner);
    backColor_ = parent ? parent->Color() : clBtnFace;
    SetBounds(Left(), Top(), kPictureWidth, kPictureHeight);
    for (int i = 0; i < 3; ++i) {
        LoadAuger(augers_[size_t(i)], QStringLiteral("VIJZELBITMAP%1").arg(i + 1));
        LoadAuger(dischargeAugers_[size_t(i)], QStringLiteral("AFVOERVIJZELBITMAP%1").arg(i + 1));
    }
    numbers_[0].SetSize(42, 12);
    numbers_[1].SetSize(42, 12);
    numbers_[2].SetSize(70, 12);
    numbers_[3].SetSize(25, 16);
    connect(timer_, &TTimer::OnTimer, this, [this](QObject*) { OnFeedTimer(); });
    timer_->SetInterval(150);
    timer_->SetEnabled(true);
    // The control shows the weigher from its first paint, not only from the first tick.
    DrawWeigher();
    notified_.Track(this);
}

TFWS::~TFWS() = default;

void TFWS::SetVijzelNr(int value)
{
    if (value >= 9 || value < 0)
        return;
    SetAndDraw(cycle_.vijzelNr, value);
}

void TFWS::HandleTask(int Task, int Value)
{
    cycle_.HandleTask(Task, Value);
    notified_.Notify(this);
}

void TFWS::Paint() {}

// --- the tick ---------------------------------------------------------------

void TFWS::OnFeedTimer()
{
    FoodCycProc();
    SimulateWeights();
    DrawWeigher();
    FillFeedStatus();
    notified_.Notify(this);
    emit OnSendMessage(this);
}

int TFWS::CalculateFeedTime(int needed) { return cycle_.CalculateFeedTime(needed); }

void TFWS::FoodCycProc() { cycle_.Step(); }

void TFWS::SimulateWeights() { cycle_.Simulate(); }

void TFWS::FillFeedStatus() { feedStatus_ = cycle_.StatusWord(); }

// --- drawing ------------------------------------------------------------------

// The background colour and the frame never change: they are drawn once and
// copied at the start of every picture.
void TFWS::DrawBackground(TBitmap& background)
{
    TCanvas& c = background.Canvas();
    c.Brush.Color = backColor_;
    c.Brush.Style = bsSolid;
    c.FillRect(TRect(0, 0, background.Width(), background.Height()));
    DrawFrame(c);
}

// The control's own off-screen bitmap is the work bitmap: the framework
// copies it to the screen at (0, 0) whenever the control is painted.
void TFWS::DrawWeigher()
{
    TCanvas& c = Canvas();
    background_.Keep(kPictureWidth, kPictureHeight, [this](TBitmap& b) { DrawBackground(b); });
    if (!background_.CopyTo(OffscreenBitmap().Image())) {
        c.Brush.Color = backColor_;
        c.Brush.Style = bsSolid;
        c.FillRect(TRect(0, 0, Width(), Height()));
        c.Draw(0, 0, background_.Picture());
    }
    c.Draw(0, 0, augers_[size_t(cycle_.AugerFrame())]);
    c.Draw(86, 151, dischargeAugers_[size_t(cycle_.DischargeFrame())]);
    DrawHopperContents(c);
    DrawBinContents(c);
    DrawFeedAndValve(c);
    DrawNumbers(c);
    Invalidate();
}

void TFWS::DrawFrame(TCanvas& c)
{
    SetPenAndBrush(c, clBlack);
    c.Polygon({{44, 13}, {44, 58}, {57, 71}, {61, 71}, {48, 58}, {48, 13}});
    c.Polygon({{96, 13}, {96, 58}, {83, 71}, {87, 71}, {100, 58}, {100, 13}});
    c.Polygon({{31, 102}, {31, 160}, {114, 160}, {114, 102}, {110, 102}, {110, 156}, {35, 156}, {35, 102}});
}

void TFWS::DrawHopperContents(TCanvas& c)
{
    const int weight = cycle_.CurrentWeight(), capacity = cycle_.maxVulGewicht;
    if (weight <= 0)
        return;
    // A capacity of 0 or less shows any weight as a full hopper instead of
    // dividing by it; a level above the rim is drawn at the rim.
    const TIntScaleMap rows(0, capacity, 0, kHopperRows);
    const int level = capacity > 0 ? int(std::min<int64_t>(rows.Offset(weight), kHopperRows)) : kHopperRows;
    if (level <= 0) {
        SetPenAndBrush(c, backColor_);
        c.Polygon({{62, 71}, {82, 71}, {95, 58}, {95, 13}, {49, 13}, {49, 58}});
        return;
    }
    SetPenAndBrush(c, clYellow);
    if (level < 14)
        c.Polygon({{62, 71}, {62 - level, 71 - level}, {82 + level, 71 - level}, {82, 71}});
    else
        c.Polygon({{62, 71}, {82, 71}, {95, 58}, {95, 71 - level}, {49, 71 - level}, {49, 58}});
}

void TFWS::DrawBinContents(TCanvas& c)
{
    if (cycle_.HopperWeight() > 0) {
        const TIntScaleMap rows(0, kBinRowsWeight, 0, kBinRows);
        const int h = int(std::min<int64_t>(rows.Offset(cycle_.HopperWeight()), kBinTop));
        SetPenAndBrush(c, clYellow);
        c.Polygon({{36, 155}, {109, 155}, {109, 155 - h}, {36, 155 - h}});
    }
    SetPenAndBrush(c, cycle_.HopperSensor() ? clBlack : clRed);
    c.FillRect(TRect(106, 120, 110, 126));
}

void TFWS::DrawFeedAndValve(TCanvas& c)
{
    const bool valveOpen = cycle_.losklep;
    if (cycle_.activateVijzel && !cycle_.aanvoerGeblokkeerd) {
        c.Pen.Color = clYellow;
        c.Pen.Width = 2;
        c.MoveTo(75, 9);
        c.LineTo(75, valveOpen ? 155 : 73);
    }
    SetPenAndBrush(c, clBlack);
    if (valveOpen) {
        c.MoveTo(92, 73);
        c.LineTo(92, 110);
    } else {
        c.MoveTo(53, 73);
        c.LineTo(92, 73);
    }
    c.FillRect(TRect(90, 71, 94, 75));
}

void TFWS::DrawNumbers(TCanvas& c)
{
    DrawNumber(c, numbers_[0], Hundredths(cycle_.CurrentWeight()), TFontBitmaps::SmallSet, 0, 65);
    DrawNumber(c, numbers_[1], Hundredths(cycle_.HopperWeight()), TFontBitmaps::SmallSet, 0, 163);
    DrawNumber(c, numbers_[2], Hundredths(cycle_.TotalWeight()), TFontBitmaps::SmallSet, 15, 180);
    const QString auger = cycle_.activateVijzel ? QString::number(cycle_.vijzelNr + 1) : QString();
    DrawNumber(c, numbers_[3], auger, TFontBitmaps::LargeSet, 0, 14);
}

void TFWS::DrawNumber(TCanvas& c, TBitmap& box, const QString& text, uint8_t set, int x, int y)
{
    TCanvas& b = box.Canvas();
    b.Brush.Color = backColor_;
    b.Brush.Style = bsSolid;
    b.FillRect(TRect(0, 0, box.Width(), box.Height()));
    fonts_->DrawRightAligned(b, box.Width(), 0, text, set);
    c.Draw(x, y, box);
}
