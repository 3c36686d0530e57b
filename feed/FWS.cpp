#include "feed/FWS.h"

#include "diagram/FontBitmaps.h"
#include "framework/Timer.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kSettleTicks = 6;
constexpr int kHopperFull = 9000;    // the catch bin takes no more above this
constexpr int kTotalWrap = 10000000; // the total counter's range
constexpr int kSensorWeight = 5999;  // the bin sensor is covered above this

QString Hundredths(int value) { return QString::number(value / 100.0, 'f', 2); }

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
    : TGraphicControl(owner), fonts_(std::make_unique<TFontBitmaps>()), random_(std::random_device{}()),
      timer_(new TTimer(this))
{
    const auto* parent = qobject_cast<const TControl*>(owner);
    backColor_ = parent ? parent->Color() : clBtnFace;
    SetBounds(Left(), Top(), 140, 200);
    for (int i = 0; i < 3; ++i) {
        LoadAuger(augers_[size_t(i)], QStringLiteral("VIJZELBITMAP%1").arg(i + 1));
        LoadAuger(dischargeAugers_[size_t(i)], QStringLiteral("AFVOERVIJZELBITMAP%1").arg(i + 1));
    }
    numbers_[0].SetSize(42, 12);
    numbers_[1].SetSize(42, 12);
    numbers_[2].SetSize(70, 12);
    numbers_[3].SetSize(25, 16);
    DrawBackground();
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
    SetAndDraw(vijzelNr_, value);
}

void TFWS::HandleTask(int Task, int Value)
{
    fillWeight_ = Value;
    vijzelNr_ = Task & 0x0F;
    activateVijzel_ = (Task & 0x0010) != 0;
    losklep_ = (Task & 0x0020) != 0;
    weigherTest_ = (Task & 0x4000) != 0;
    weigherReset_ = (Task & 0x8000) != 0;
    notified_.Notify(this);
}

void TFWS::Paint() {}

bool TFWS::HopperSensor() const
{
    return hopperWeight_ > kSensorWeight;
}

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

int TFWS::Random(int limit)
{
    if (limit <= 0)
        return 0;
    return std::uniform_int_distribution<int>(0, limit - 1)(random_);
}

int TFWS::CalculateFeedTime(int needed)
{
    if (lastFed_ <= 0)
        return feedTime_;
    const int64_t scaled = int64_t(needed) * feedTime_ / lastFed_;
    feedTime_ = int(std::clamp<int64_t>(scaled, 5, 300));
    return feedTime_;
}

void TFWS::FoodCycProc()
{
    if (weigherReset_) {
        activateVijzel_ = false;
        SetLosklep(false);
        ready_ = true;
        cycleState_ = 0;
        return;
    }
    if (weigherTest_) {
        cycleState_ = 0;
        ready_ = true;
        return;
    }
    if (weegsignaalIsNul_) {
        cycleState_ = 0;
        ready_ = true;
        losklep_ = false;
        activateVijzel_ = false;
        alarmCode_ = 3;
    } else if (alarmCode_ == 3) {
        alarmCode_ = 0;
    }
    switch (cycleState_) {
    case 0:
        if (activateVijzel_) {
            startWeight_ = currentWeight_;
            ready_ = false;
            countdown_ = CalculateFeedTime(fillWeight_ - currentWeight_);
            cycleState_ = 1;
        }
        if (losklep_)
            cycleState_ = 10;
        break;
    case 1:
        FillingStep();
        break;
    case 2:
        // Settling counts its ticks down first and moves on the tick after.
        if (countdown_ > 0)
            --countdown_;
        else
            cycleState_ = 3;
        break;
    case 3:
        ready_ = true;
        lastFed_ = currentWeight_ - startWeight_;
        cycleState_ = 0;
        break;
    case 10:
        countdown_ = valveOpenTime_;
        ready_ = false;
        cycleState_ = 11;
        break;
    case 11:
        ValveOpenStep();
        break;
    case 12:
        if (countdown_ > 0)
            --countdown_;
        if (countdown_ <= 0) {
            if (alarmCode_ == 1)
                alarmCode_ = 0;
            ready_ = true;
            cycleState_ = 0;
        }
        break;
    default:
        break;
    }
}

// A valve that opens while filling ends the fill at once with alarm 1; that
// tick does not also apply the end-of-fill test, which would lower FeedTime
// by the same countdown a second time and skip the valve-opening step.
void TFWS::FillingStep()
{
    --countdown_;
    if (losklepOpenTijdensVullen_ && currentWeight_ > fillWeight_ / 2) {
        activateVijzel_ = false;
        feedTime_ -= countdown_;
        ready_ = true;
        lastFed_ = currentWeight_ - startWeight_;
        alarmCode_ = 1;
        losklep_ = true;
        cycleState_ = 10;
        return;
    }
    if (countdown_ <= 0 || currentWeight_ >= fillWeight_) {
        activateVijzel_ = false;
        feedTime_ -= std::max(countdown_, 0);
        countdown_ = kSettleTicks;
        cycleState_ = 2;
    }
}

void TFWS::ValveOpenStep()
{
    if (countdown_ > 0)
        --countdown_;
    if (countdown_ > 0)
        return;
    if (losklepSluitNiet_) {
        ready_ = true;
        alarmCode_ = 2;
    } else if (alarmCode_ == 2) {
        alarmCode_ = 0;
        cycleState_ = 0;
    } else {
        SetLosklep(false);
        countdown_ = kSettleTicks;
        cycleState_ = 12;
    }
}

void TFWS::SimulateWeights()
{
    if (losklep_) {
        // What lies above the residue drops into the bin; the residue stays.
        const int residue = residue_ * 100;
        const int moved = std::max(0, currentWeight_ - residue);
        totalWeight_ = int((int64_t(totalWeight_) + moved) % kTotalWrap);
        if (hopperWeight_ < kHopperFull)
            hopperWeight_ += moved;
        currentWeight_ -= moved;
    }
    if (activateVijzel_) {
        augerFrame_ = (augerFrame_ + 1) % 3;
        const int amount = aanvoerGeblokkeerd_ ? 0 : supplyRate_ * 10 + Random(supplyRate_ * 6);
        if (!losklep_) {
            if (currentWeight_ < maxVulGewicht_)
                currentWeight_ += amount;
            currentWeight_ = std::min(currentWeight_, maxVulGewicht_);
        } else if (hopperWeight_ < kHopperFull) {
            hopperWeight_ += amount;
        }
    }
    if (afvoerVijzel_) {
        dischargeFrame_ = (dischargeFrame_ + 1) % 3;
        hopperWeight_ = std::max(0, hopperWeight_ - (dischargeRate_ * 10 + Random(dischargeRate_ * 6)));
    }
}

void TFWS::FillFeedStatus()
{
    int status = 0x8000 | vijzelNr_ | (alarmCode_ << 9);
    if (ready_)
        status |= 0x0180;
    if (activateVijzel_)
        status |= 0x0010;
    if (losklep_)
        status |= 0x0020;
    if (!HopperSensor())
        status |= 0x0040;
    feedStatus_ = status;
}

// --- drawing ------------------------------------------------------------------

// The background colour and the frame never change: they are drawn once and
// copied at the start of every picture.
void TFWS::DrawBackground()
{
    background_.SetSize(140, 200);
    TCanvas& c = background_.Canvas();
    c.Brush.Color = backColor_;
    c.Brush.Style = bsSolid;
    c.FillRect(TRect(0, 0, background_.Width(), background_.Height()));
    DrawFrame(c);
}

// The control's own off-screen bitmap is the work bitmap: the framework
// copies it to the screen at (0, 0) whenever the control is painted.
void TFWS::DrawWeigher()
{
    TCanvas& c = Canvas();
    QImage& work = c.Image();
    const QImage& back = background_.Image();
    if (work.size() == back.size()) {
        std::memcpy(work.bits(), back.constBits(), size_t(back.sizeInBytes()));
    } else {
        c.Brush.Color = backColor_;
        c.Brush.Style = bsSolid;
        c.FillRect(TRect(0, 0, work.width(), work.height()));
        c.Draw(0, 0, background_);
    }
    c.Draw(0, 0, augers_[size_t(augerFrame_)]);
    c.Draw(86, 151, dischargeAugers_[size_t(dischargeFrame_)]);
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
    if (currentWeight_ <= 0)
        return;
    // A capacity of 0 or less shows any weight as a full hopper instead of
    // dividing by it; a level above the rim is drawn at the rim.
    const int level = maxVulGewicht_ > 0 ? int(std::min<int64_t>(int64_t(currentWeight_) * 55 / maxVulGewicht_, 55)) : 55;
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
    if (hopperWeight_ > 0) {
        const int h = int(std::min<int64_t>(int64_t(hopperWeight_) * 36 / 6000, 53));
        SetPenAndBrush(c, clYellow);
        c.Polygon({{36, 155}, {109, 155}, {109, 155 - h}, {36, 155 - h}});
    }
    SetPenAndBrush(c, HopperSensor() ? clBlack : clRed);
    c.FillRect(TRect(106, 120, 110, 126));
}

void TFWS::DrawFeedAndValve(TCanvas& c)
{
    if (activateVijzel_ && !aanvoerGeblokkeerd_) {
        c.Pen.Color = clYellow;
        c.Pen.Width = 2;
        c.MoveTo(75, 9);
        c.LineTo(75, losklep_ ? 155 : 73);
    }
    SetPenAndBrush(c, clBlack);
    if (losklep_) {
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
    DrawNumber(c, numbers_[0], Hundredths(currentWeight_), TFontBitmaps::SmallSet, 0, 65);
    DrawNumber(c, numbers_[1], Hundredths(hopperWeight_), TFontBitmaps::SmallSet, 0, 163);
    DrawNumber(c, numbers_[2], Hundredths(totalWeight_), TFontBitmaps::SmallSet, 15, 180);
    DrawNumber(c, numbers_[3], activateVijzel_ ? QString::number(vijzelNr_ + 1) : QString(), TFontBitmaps::LargeSet,
               0, 14);
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
