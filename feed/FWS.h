#pragma once
// TFWS: the display and simulation of a batch feed weigher. A supply auger
// fills a weigh hopper up to the fill weight, a discharge valve (Losklep)
// drops the batch into a catch bin, and a discharge auger empties the bin.
// A 150 ms timer runs one step of the feed cycle, moves the simulated
// weights, redraws the picture and reports a status word (FeedStatus).
//
// Weights are integers in hundredths of the display unit (3000 shows 30.00).
// The picture reaches the screen only through DrawWeigher: Paint draws nothing.

#include "framework/Bitmap.h"
#include "framework/Control.h"
#include "framework/Notify.h"

#include <array>
#include <memory>
#include <random>

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
    bool Losklep() const { return losklep_; }
    void SetLosklep(bool value) { SetAndDraw(losklep_, value); }
    bool WeigherTest() const { return weigherTest_; }
    void SetWeigherTest(bool value) { SetAndDraw(weigherTest_, value); }
    bool WeigherReset() const { return weigherReset_; }
    void SetWeigherReset(bool value) { SetAndDraw(weigherReset_, value); }
    bool ActivateVijzel() const { return activateVijzel_; }
    void SetActivateVijzel(bool value) { SetAndDraw(activateVijzel_, value); }
    bool AfvoerVijzel() const { return afvoerVijzel_; }
    void SetAfvoerVijzel(bool value) { SetAndDraw(afvoerVijzel_, value); }
    bool AanvoerGeblokkeerd() const { return aanvoerGeblokkeerd_; }
    void SetAanvoerGeblokkeerd(bool value) { SetAndDraw(aanvoerGeblokkeerd_, value); }
    bool LosklepOpenTijdensVullen() const { return losklepOpenTijdensVullen_; }
    void SetLosklepOpenTijdensVullen(bool value) { SetAndDraw(losklepOpenTijdensVullen_, value); }
    bool LosklepSluitNiet() const { return losklepSluitNiet_; }
    void SetLosklepSluitNiet(bool value) { SetAndDraw(losklepSluitNiet_, value); }
    bool WeegsignaalIsNul() const { return weegsignaalIsNul_; }
    void SetWeegsignaalIsNul(bool value) { SetAndDraw(weegsignaalIsNul_, value); }
    int VijzelNr() const { return vijzelNr_; }
    // Numbers from 9 up, and below 0, are refused silently: the status word
    // has four bits for the number and a negative one would spoil the others.
    void SetVijzelNr(int value);
    int MaxVulGewicht() const { return maxVulGewicht_; }
    void SetMaxVulGewicht(int value) { SetAndDraw(maxVulGewicht_, value); }
    int FillWeight() const { return fillWeight_; }
    void SetFillWeight(int value) { SetAndNotify(this, &TFWS::FillWeightChanged, fillWeight_, value); }
    int CurrentWeight() const { return currentWeight_; }
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
    void SetSupplyRate(int value) { supplyRate_ = value; }
    void SetDischargeRate(int value) { dischargeRate_ = value; }
    void SetValveOpenTime(int value) { valveOpenTime_ = value; }
    void SetResidue(int value) { residue_ = value; }
    void Seed(unsigned value) { random_.seed(value); }
    TTimer& FeedTimer() { return *timer_; }

    // --- cycle state, for hosts and tests
    int CycleState() const { return cycleState_; }
    bool Ready() const { return ready_; }
    int Countdown() const { return countdown_; }
    int FeedTime() const { return feedTime_; }
    int LastFed() const { return lastFed_; }
    int HopperWeight() const { return hopperWeight_; }
    int TotalWeight() const { return totalWeight_; }
    int AlarmCode() const { return alarmCode_; }
    // The bin's level sensor, read from the weight in the bin.
    bool HopperSensor() const;
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
    int Random(int limit);
    void FillingStep();
    void ValveOpenStep();
    void DrawBackground();
    void DrawFrame(TCanvas& c);
    void DrawHopperContents(TCanvas& c);
    void DrawBinContents(TCanvas& c);
    void DrawFeedAndValve(TCanvas& c);
    void DrawNumbers(TCanvas& c);
    void DrawNumber(TCanvas& c, TBitmap& box, const QString& text, uint8_t set, int x, int y);

    bool losklep_ = false;
    bool weigherTest_ = false;
    bool weigherReset_ = false;
    bool activateVijzel_ = false;
    bool afvoerVijzel_ = false;
    bool aanvoerGeblokkeerd_ = false;
    bool losklepOpenTijdensVullen_ = false;
    bool losklepSluitNiet_ = false;
    bool weegsignaalIsNul_ = false;
    int vijzelNr_ = 0;
    int maxVulGewicht_ = 3500;
    int fillWeight_ = 3000;
    int currentWeight_ = 0;
    int feedStatus_ = 0;

    int cycleState_ = 0;
    bool ready_ = true;
    int startWeight_ = 0;
    int lastFed_ = 0;
    int countdown_ = 0;
    int feedTime_ = 300;
    int hopperWeight_ = 0;
    int totalWeight_ = 0;
    int alarmCode_ = 0;
    int supplyRate_ = 3;
    int dischargeRate_ = 3;
    int valveOpenTime_ = 0;
    int residue_ = 0;
    TColor backColor_;
    int augerFrame_ = 0;
    int dischargeFrame_ = 0;

    std::unique_ptr<TFontBitmaps> fonts_;
    std::array<TBitmap, 3> augers_;
    std::array<TBitmap, 3> dischargeAugers_;
    TBitmap background_; // BackColor and the frame
    std::array<TBitmap, 4> numbers_;
    std::mt19937 random_;
    TTimer* timer_;
    // The cycle changes many published values per tick, and a host's task
    // word several at once: each entry point reports what it changed.
    TNotifiedValues notified_;
};
