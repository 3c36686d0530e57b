#pragma once
// TGSpin: a round spin control made of two stacked push buttons (up in the
// upper half, down in the lower half) inside one bevelled frame. It holds an
// integer Value between Min and Max; a press steps it by one (or by
// LargeChange) and holding the button repeats the step on a timer, first after
// Delay ms and then every Speed ms. The control does not show the value.

#include "framework/AccessibleControl.h"
#include "framework/Control.h"
#include "framework/Notify.h"
#include "widgets/SteppedRange.h"

class TGSpin : public TCustomControl, public TAccessibleControl, public TSteppedRange {
    Q_OBJECT
    Q_PROPERTY(int Delay READ Delay WRITE SetDelay NOTIFY DelayChanged)
    Q_PROPERTY(int Speed READ Speed WRITE SetSpeed NOTIFY SpeedChanged)
    Q_PROPERTY(int Value READ Value WRITE SetValue NOTIFY ValueChanged)
    Q_PROPERTY(int Max READ Max WRITE SetMax NOTIFY MaxChanged)
    Q_PROPERTY(int Min READ Min WRITE SetMin NOTIFY MinChanged)
    Q_PROPERTY(bool Limited READ Limited WRITE SetLimited NOTIFY LimitedChanged)
    Q_PROPERTY(bool Ctl3D READ Ctl3D WRITE SetCtl3D NOTIFY Ctl3DChanged)
    Q_PROPERTY(bool ParentCtl3D READ ParentCtl3D WRITE SetParentCtl3D NOTIFY ParentCtl3DChanged)
    Q_PROPERTY(bool AutoDisable READ AutoDisable WRITE SetAutoDisable NOTIFY AutoDisableChanged)
    Q_PROPERTY(TColor ColorOff READ ColorOff WRITE SetColorOff NOTIFY ColorOffChanged)
    Q_PROPERTY(TColor ColorOn READ ColorOn WRITE SetColorOn NOTIFY ColorOnChanged)
    Q_PROPERTY(bool LargeChanges READ LargeChanges WRITE SetLargeChanges NOTIFY LargeChangesChanged)
    Q_PROPERTY(int LargeChange READ LargeChange WRITE SetLargeChange NOTIFY LargeChangeChanged)
    Q_CLASSINFO("default:Delay", "280")
    Q_CLASSINFO("default:Speed", "40")
    Q_CLASSINFO("default:Value", "0")
    Q_CLASSINFO("default:Max", "100")
    Q_CLASSINFO("default:Min", "0")
    Q_CLASSINFO("default:Limited", "True")
    Q_CLASSINFO("default:Ctl3D", "False")
    // The constructor turns TabStop on and ParentCtl3D off, so both differ
    // from the framework defaults and are always written.
    Q_CLASSINFO("default:ParentCtl3D", "True")
    Q_CLASSINFO("default:AutoDisable", "False")
    Q_CLASSINFO("default:ColorOff", "clNavy")
    Q_CLASSINFO("default:ColorOn", "clBlue")
    Q_CLASSINFO("default:LargeChanges", "False")
    Q_CLASSINFO("default:LargeChange", "0")

public:
    enum class THalf { Lower, Upper };

    explicit TGSpin(QWidget* parent = nullptr);
    ~TGSpin() override;

    int Delay() const { return delay_; }
    void SetDelay(int value);
    int Speed() const { return speed_; }
    void SetSpeed(int value);
    using TSteppedRange::Value;
    void SetValue(int value);
    // Plain limits: changing them does not touch Value until the next step.
    using TSteppedRange::Max;
    void SetMax(int value) { SetAndNotify(this, &TGSpin::MaxChanged, max_, value); }
    using TSteppedRange::Min;
    void SetMin(int value) { SetAndNotify(this, &TGSpin::MinChanged, min_, value); }
    bool Limited() const { return limited_; }
    void SetLimited(bool value);
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool value);
    bool ParentCtl3D() const { return parentCtl3D_; }
    void SetParentCtl3D(bool value);
    bool AutoDisable() const { return autoDisable_; }
    void SetAutoDisable(bool value);
    TColor ColorOff() const { return colorOff_; }
    void SetColorOff(TColor value);
    TColor ColorOn() const { return colorOn_; }
    void SetColorOn(TColor value);
    bool LargeChanges() const { return largeChanges_; }
    void SetLargeChanges(bool value);
    int LargeChange() const { return largeChange_; }
    void SetLargeChange(int value);

    // Keeps the control's own enabled flag beside the framework's state; a
    // disabled spin paints both triangles in the face colour.
    void SetEnabled(bool value);

    bool UpPressed() const { return upPressed_; }
    bool DownPressed() const { return downPressed_; }
    bool IsFocused() const { return focused_; }

    // TAccessibleControl: a spin box with its value and range. A value set
    // from outside and the Increase/Decrease actions act as the arrow keys
    // do: the value is clamped, then OnUpClick or OnDownClick is raised.
    QAccessible::Role AccessibleRole() const override { return QAccessible::SpinBox; }
    QString AccessibleName() const override { return QStringLiteral("Spin control"); }
    bool HasAccessibleValue() const override { return true; }
    int AccessibleValue() const override { return value_; }
    int AccessibleMinimum() const override { return min_; }
    int AccessibleMaximum() const override { return max_; }
    void SetAccessibleValue(int value) override;
    QStringList AccessibleActions() const override;
    void DoAccessibleAction(const QString& name) override;

signals:
    // Property notifications (see framework/Notify.h).
    void DelayChanged();
    void SpeedChanged();
    void ValueChanged();
    void MaxChanged();
    void MinChanged();
    void LimitedChanged();
    void Ctl3DChanged();
    void ParentCtl3DChanged();
    void AutoDisableChanged();
    void ColorOffChanged();
    void ColorOnChanged();
    void LargeChangesChanged();
    void LargeChangeChanged();
    void OnUpClick(QObject* Sender);
    void OnDownClick(QObject* Sender);
    void OnChange(QObject* Sender);

protected:
    void Paint() override;
    void PaintNormal();
    void PaintFocus();
    void PaintPush(THalf half);
    void FillBtn(THalf half, TColor color);

    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyUp(uint16_t& Key, TShiftState Shift) override;
    void DoEnter() override;
    void DoExit() override;
    void Resize() override;
    void AfterEnabledChange() override;
    void Loaded() override;

    // A mouse press steps once and repeats; the keyboard's own repeat supplies key repeats.
    void TriggerAction(TStepAction action) override;
    int RepeatInterval() const override { return speed_; }
    void RepeatTick() override;

private:
    bool AcceptsButton(TMouseButton button) const { return button == mbLeft || largeChanges_; }
    bool PressOnGreyedButton(int Y) const;
    bool StepUp(int step);
    bool StepDown(int step);
    void KeyStep(bool up, int step);
    TStepAction PressAction(bool up) const;
    void PublishValue();

    int delay_ = 280;
    int speed_ = 40;
    bool limited_ = true;
    bool ctl3D_ = false;
    bool parentCtl3D_ = false;
    bool autoDisable_ = false;
    TColor colorOff_ = clNavy;
    TColor colorOn_ = clBlue;
    bool largeChanges_ = false;
    int largeChange_ = 0;

    bool enabled_ = true;
    bool focused_ = false;
    bool upPressed_ = false;
    bool downPressed_ = false;
    bool smallStep_ = true;
    bool atLimit_ = false; // the last mouse step reached its limit
};
