#pragma once
// TFWS: the display of a batch feed weigher and its published switches. A
// supply auger fills a weigh hopper up to the fill weight, a discharge valve
// (Losklep) drops the batch into a catch bin, and a discharge auger empties
// the bin. A 150 ms timer runs one step of the feed cycle and of the
// simulated weights (TFeedCycle, feed/FeedCycle.h), redraws the picture and
// reports the status word (FeedStatus).
//
// Weights are integers in hundredths of the display unit (3000 shows 30.00).
// The picture reaches the screen only through DrawWeigher: Paint draws nothing.

#include "feed/FeedCycle.h"
#include "framework/Bitmap.h"
#include "framework/Control.h"
#include "framework/KeptLayer.h"
#include "framework/Notify.h"

#include <array>
#include <memory>

class TFontBitmaps;
class TTimer;

class TFWS : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(bool Losklep READ Losklep WRITE SetLosklep NOTIFY LosklepChanged)
    Q_CLASSINFO("default:Losklep", "False")
    Q_PROPERTY(bool WeigherTest READ WeigherTest WRITE SetWeigherTest NOTIFY WeigherTestChanged)
    Q_CLASSINFO("default:WeigherTest", "False")
    Q_PROPERTY(bool WeigherReset READ WeigherReset WRITE SetWeigherReset NOTIFY WeigherResetChanged)
    Q_CLASSINFO("default:WeigherReset", "False")
    Q_PROPERTY(bool ActivateVijzel READ ActivateVijzel WRITE SetActivateVijzel NOTIFY ActivateVijzelChanged)
    Q_CLASSINFO("default:ActivateVijzel", "False")
    Q_PROPERTY(bool AfvoerVijzel READ AfvoerVijzel WRITE SetAfvoerVijzel NOTIFY AfvoerVijzelChanged)
    Q_CLASSINFO("default:AfvoerVijzel", "False")
    Q_PROPERTY(
        bool AanvoerGeblokkeerd READ AanvoerGeblokkeerd WRITE SetAanvoerGeblokkeerd NOTIFY AanvoerGeblokkeerdChanged)
    Q_CLASSINFO("default:AanvoerGeblokkeerd", "False")
    Q_PROPERTY(bool LosklepOpenTijdensVullen READ LosklepOpenTijdensVullen WRITE SetLosklepOpenTijdensVullen NOTIFY
            LosklepOpenTijdensVullenChanged)
    Q_CLASSINFO("default:LosklepOpenTijdensVullen", "False")
    Q_PROPERTY(bool LosklepSluitNiet READ LosklepSluitNiet WRITE SetLosklepSluitNiet NOTIFY LosklepSluitNietChanged)
    Q_CLASSINFO("default:LosklepSluitNiet", "False")
    Q_PROPERTY(bool WeegsignaalIsNul READ WeegsignaalIsNul WRITE SetWeegsignaalIsNul NOTIFY WeegsignaalIsNulChanged)
    Q_CLASSINFO("default:WeegsignaalIsNul", "False")
    Q_PROPERTY(int VijzelNr READ VijzelNr WRITE SetVijzelNr NOTIFY VijzelNrChanged)
    Q_CLASSINFO("default:VijzelNr", "0")
    Q_PROPERTY(int MaxVulGewicht READ MaxVulGewicht WRITE SetMaxVulGewicht NOTIFY MaxVulGewichtChanged)
    Q_CLASSINFO("default:MaxVulGewicht", "3500")
    Q_PROPERTY(int FillWeight READ FillWeight WRITE SetFillWeight NOTIFY FillWeightChanged)
    Q_CLASSINFO("default:FillWeight", "3000")
    Q_PROPERTY(int CurrentWeight READ CurrentWeight NOTIFY CurrentWeightChanged STORED false)
    Q_PROPERTY(int FeedStatus READ FeedStatus NOTIFY FeedStatusChanged STORED false)

public:
    explicit TFWS(QWidget* owner = nullptr);
    ~TFWS() override;

    // --- published properties
    bool Losklep() const { return cycle_.losklep; }
    void SetLosklep(bool value) { SetAndDraw(cycle_.losklep, value); }
    bool WeigherTest() const { return cycle_.weigherTest; }
    void SetWeigherTest(bool value) { SetAndDraw(cycle_.weigherTest, value); }
    bool WeigherReset() const { return cycle_.weigherReset; }
    void SetWeigherReset(bool value) { SetAndDraw(cycle_.weigherReset, value); }
    bool ActivateVijzel() const { return cycle_.activateVijzel; }
    void SetActivateVijzel(bool value) { SetAndDraw(cycle_.activateVijzel, value); }
    bool AfvoerVijzel() const { return cycle_.afvoerVijzel; }
    void SetAfvoerVijzel(bool value) { SetAndDraw(cycle_.afvoerVijzel, value); }
    bool AanvoerGeblokkeerd() const { return cycle_.aanvoerGeblokkeerd; }
    void SetAanvoerGeblokkeerd(bool value) { SetAndDraw(cycle_.aanvoerGeblokkeerd, value); }
    bool LosklepOpenTijdensVullen() const { return cycle_.losklepOpenTijdensVullen; }
    void SetLosklepOpenTijdensVullen(bool value) { SetAndDraw(cycle_.losklepOpenTijdensVullen, value); }
    bool LosklepSluitNiet() const { return cycle_.losklepSluitNiet; }
    void SetLosklepSluitNiet(bool value) { SetAndDraw(cycle_.losklepSluitNiet, value); }
    bool WeegsignaalIsNul() const { return cycle_.weegsignaalIsNul; }
    void SetWeegsignaalIsNul(bool value) { SetAndDraw(cycle_.weegsignaalIsNul, value); }
    int VijzelNr() const { return cycle_.vijzelNr; }
    // Numbers from 9 up, and below 0, are refused silently: the status word
    // has four bits for the number and a negative one would spoil the others.
    void SetVijzelNr(int value);
    int MaxVulGewicht() const { return cycle_.maxVulGewicht; }
    void SetMaxVulGewicht(int value) { SetAndDraw(cycle_.maxVulGewicht, value); }
    int FillWeight() const { return cycle_.fillWeight; }
    void SetFillWeight(int value) { SetAndNotify(this, &TFWS::FillWeightChanged, cycle_.fillWeight, value); }
    int CurrentWeight() const { return cycle_.CurrentWeight(); }
    int FeedStatus() const { return feedStatus_; }

    // --- host entry: fill weight and the task word's fields, without redraw
    void HandleTask(int Task, int Value);

    // --- one timer tick and its parts
    void OnFeedTimer();
    void FoodCycProc();
    void SimulateWeights();
    void DrawWeigher();
    void FillFeedStatus();
    // The auger run time, in ticks, for the weight still needed, scaled by the
    // delivery of the previous fill.
    int CalculateFeedTime(int needed);

    // --- simulation settings a host may change (not published)
    void SetSupplyRate(int value) { cycle_.supplyRate = value; }
    void SetDischargeRate(int value) { cycle_.dischargeRate = value; }
    void SetValveOpenTime(int value) { cycle_.valveOpenTime = value; }
    void SetResidue(int value) { cycle_.residue = value; }
    void Seed(unsigned value) { cycle_.Seed(value); }
    TTimer& FeedTimer() { return *timer_; }

    // --- cycle state, for hosts and tests
    const TFeedCycle& Cycle() const { return cycle_; }
    int CycleState() const { return int(cycle_.State()); }
    bool Ready() const { return cycle_.Ready(); }
    int Countdown() const { return cycle_.Countdown(); }
    int FeedTime() const { return cycle_.FeedTime(); }
    int LastFed() const { return cycle_.LastFed(); }
    int HopperWeight() const { return cycle_.HopperWeight(); }
    int TotalWeight() const { return cycle_.TotalWeight(); }
    int AlarmCode() const { return int(cycle_.Alarm()); }
    // The bin's level sensor, read from the weight in the bin.
    bool HopperSensor() const { return cycle_.HopperSensor(); }
    const TBitmap& WorkBitmap() { return OffscreenBitmap(); }

signals:
    // Property notifications (see framework/Notify.h).
    void LosklepChanged();
    void WeigherTestChanged();
    void WeigherResetChanged();
    void ActivateVijzelChanged();
    void AfvoerVijzelChanged();
    void AanvoerGeblokkeerdChanged();
    void LosklepOpenTijdensVullenChanged();
    void LosklepSluitNietChanged();
    void WeegsignaalIsNulChanged();
    void VijzelNrChanged();
    void MaxVulGewichtChanged();
    void FillWeightChanged();
    void CurrentWeightChanged();
    void FeedStatusChanged();
    void OnSendMessage(QObject* Sender);

protected:
    void Paint() override;

private:
    template <class T>
    void SetAndDraw(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        DrawWeigher();
        notified_.Notify(this);
    }
    void DrawBackground(TBitmap& background);
    void DrawFrame(TCanvas& c);
    void DrawHopperContents(TCanvas& c);
    void DrawBinContents(TCanvas& c);
    void DrawFeedAndValve(TCanvas& c);
    void DrawNumbers(TCanvas& c);
    void DrawNumber(TCanvas& c, TBitmap& box, const QString& text, uint8_t set, int x, int y);

    TFeedCycle cycle_;
    int feedStatus_ = 0;
    TColor backColor_;

    std::unique_ptr<TFontBitmaps> fonts_;
    std::array<TBitmap, 3> augers_;
    std::array<TBitmap, 3> dischargeAugers_;
    TKeptLayer background_; // BackColor and the frame
    std::array<TBitmap, 4> numbers_;
    TTimer* timer_;
    // The cycle changes many published values per tick, and a host's task
    // word several at once: each entry point reports what it changed.
    TNotifiedValues notified_;
};
