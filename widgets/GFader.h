#pragma once
// TGFader: a mixing-desk fader. A grooved track, a rectangular head that
// slides along it, a scale beside the track (tick marks, a ramp wedge or a row
// of growing step bars) and "Min"/"Max" labels at the ends; horizontal or
// vertical. It holds an integer Value between Min and Max and is moved by
// dragging the head, clicking or holding on the track (stepping with
// auto-repeat), a double-click reset to MidValue and the keyboard.
//
// The picture is kept in two layers (framework/KeptLayer.h): the base
// (track, scale, labels) and the head, each drawn again only after a setter
// dropped it; a move puts the base back where the head was and the head at
// its new place. The head's place along the track and the
// drag's value come from one scale map (scale/ScaleMap.h).
// A Max at or below Min is taken as a range one unit wide: Value stays at Min
// and the head at the Min end.

#include "framework/Control.h"
#include "framework/AccessibleControl.h"
#include "framework/KeptLayer.h"
#include "framework/Notify.h"
#include "scale/ScaleMap.h"
#include "widgets/SteppedRange.h"

class TFaderBasePainter;

class TGFader : public TCustomControl, public TAccessibleControl, public TSteppedRange {
    Q_OBJECT
public:
    enum TMarkType { mtNone, mtMarks, mtRamp, mtStepRamp };
    Q_ENUM(TMarkType)
    enum TFaderSize { fsBigSize, fsMediumSize, fsSmallSize, fsSmallest };
    Q_ENUM(TFaderSize)
    enum TFaderKind { fkHorizontal, fkVertical };
    Q_ENUM(TFaderKind)
    enum TDarkBorder { dbNever, dbAlways, dbFocused, dbPushed };
    Q_ENUM(TDarkBorder)
    enum TPushMode { pmPress, pmMark, pmNone };
    Q_ENUM(TPushMode)

    // What the mouse is doing: dragging the head or stepping on the track.
    enum class TMouseMode { Idle, RelativeDrag, AbsoluteDrag, StepUp, StepDown, LargeUp, LargeDown };

private:
    Q_PROPERTY(bool Ctl3D READ Ctl3D WRITE SetCtl3D NOTIFY Ctl3DChanged)
    Q_PROPERTY(bool ParentCtl3D READ ParentCtl3D WRITE SetParentCtl3D NOTIFY ParentCtl3DChanged)
    Q_PROPERTY(fw::TDragMode DragMode READ DragMode WRITE SetDragMode NOTIFY DragModeChanged)
    Q_PROPERTY(fw::TCursor DragCursor READ DragCursor WRITE SetDragCursor NOTIFY DragCursorChanged)
    Q_PROPERTY(TMarkType MarkType READ MarkType WRITE SetMarkType NOTIFY MarkTypeChanged)
    Q_PROPERTY(quint16 NumMarks READ NumMarks WRITE SetNumMarks NOTIFY NumMarksChanged)
    Q_PROPERTY(bool FaderPlace READ FaderPlace WRITE SetFaderPlace NOTIFY FaderPlaceChanged)
    Q_PROPERTY(quint16 LongMarksLen READ LongMarksLen WRITE SetLongMarksLen NOTIFY LongMarksLenChanged)
    Q_PROPERTY(quint16 ShortMarksLen READ ShortMarksLen WRITE SetShortMarksLen NOTIFY ShortMarksLenChanged)
    Q_PROPERTY(bool MarksReverse READ MarksReverse WRITE SetMarksReverse NOTIFY MarksReverseChanged)
    Q_PROPERTY(quint16 MarkAccent READ MarkAccent WRITE SetMarkAccent NOTIFY MarkAccentChanged)
    Q_PROPERTY(quint16 MarksPos READ MarksPos WRITE SetMarksPos NOTIFY MarksPosChanged)
    Q_PROPERTY(TFaderSize FaderSize READ FaderSize WRITE SetFaderSize NOTIFY FaderSizeChanged)
    Q_PROPERTY(bool Labels READ Labels WRITE SetLabels NOTIFY LabelsChanged)
    Q_PROPERTY(TFont* LabelsFont READ LabelsFont CONSTANT)
    Q_PROPERTY(TFaderKind FaderKind READ FaderKind WRITE SetFaderKind NOTIFY FaderKindChanged)
    Q_PROPERTY(QString LabelMax READ LabelMax WRITE SetLabelMax NOTIFY LabelMaxChanged)
    Q_PROPERTY(QString LabelMin READ LabelMin WRITE SetLabelMin NOTIFY LabelMinChanged)
    Q_PROPERTY(quint16 LabelsPos READ LabelsPos WRITE SetLabelsPos NOTIFY LabelsPosChanged)
    Q_PROPERTY(quint16 EmptyXZone READ EmptyXZone WRITE SetEmptyXZone NOTIFY EmptyXZoneChanged)
    Q_PROPERTY(quint16 EmptyYZone READ EmptyYZone WRITE SetEmptyYZone NOTIFY EmptyYZoneChanged)
    Q_PROPERTY(int Max READ Max WRITE SetMax NOTIFY MaxChanged)
    Q_PROPERTY(int Min READ Min WRITE SetMin NOTIFY MinChanged)
    Q_PROPERTY(int Value READ Value WRITE SetValue NOTIFY ValueChanged)
    Q_PROPERTY(TColor RampColor READ RampColor WRITE SetRampColor NOTIFY RampColorChanged)
    Q_PROPERTY(bool Mark3D READ Mark3D WRITE SetMark3D NOTIFY Mark3DChanged)
    Q_PROPERTY(bool RampReverse READ RampReverse WRITE SetRampReverse NOTIFY RampReverseChanged)
    Q_PROPERTY(bool Font3D READ Font3D WRITE SetFont3D NOTIFY Font3DChanged)
    Q_PROPERTY(bool HeadRounded READ HeadRounded WRITE SetRounded NOTIFY HeadRoundedChanged)
    Q_PROPERTY(TDarkBorder DarkBorder READ DarkBorder WRITE SetDarkBorder NOTIFY DarkBorderChanged)
    Q_PROPERTY(bool FocusRect READ FocusRect WRITE SetFocusRect NOTIFY FocusRectChanged)
    Q_PROPERTY(quint16 FocusRectDist READ FocusRectDist WRITE SetFocusRectDist NOTIFY FocusRectDistChanged)
    Q_PROPERTY(quint16 LargeChange READ LargeChange WRITE SetLargeChange NOTIFY LargeChangeChanged)
    Q_PROPERTY(int MidValue READ MidValue WRITE SetMidValue NOTIFY MidValueChanged)
    Q_PROPERTY(bool DblClkResets READ DblClkResets WRITE SetDblClkResets NOTIFY DblClkResetsChanged)
    Q_PROPERTY(TPushMode PushMode READ PushMode WRITE SetPushMode NOTIFY PushModeChanged)
    Q_PROPERTY(int NumSteps READ NumSteps WRITE SetNumSteps NOTIFY NumStepsChanged)
    Q_PROPERTY(int StepsWidth READ StepsWidth WRITE SetStepsWidth NOTIFY StepsWidthChanged)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled NOTIFY EnabledChanged)
    Q_PROPERTY(TColor HeadMarkColor READ HeadMarkColor WRITE SetHeadMarkColor NOTIFY HeadMarkColorChanged)
    Q_PROPERTY(bool AllowAbs READ AllowAbs WRITE SetAllowAbs NOTIFY AllowAbsChanged)
    Q_PROPERTY(quint16 HeadMarkDist READ HeadMarkDist WRITE SetHeadMarkDist NOTIFY HeadMarkDistChanged)
    // The constructor turns TabStop on and ParentCtl3D off, so both differ
    // from the framework defaults and are always written.
    Q_CLASSINFO("default:Ctl3D", "False")
    Q_CLASSINFO("default:ParentCtl3D", "True")
    Q_CLASSINFO("default:MarkType", "mtMarks")
    Q_CLASSINFO("default:NumMarks", "25")
    Q_CLASSINFO("default:FaderPlace", "False")
    Q_CLASSINFO("default:LongMarksLen", "5")
    Q_CLASSINFO("default:ShortMarksLen", "2")
    Q_CLASSINFO("default:MarksReverse", "False")
    Q_CLASSINFO("default:MarkAccent", "5")
    Q_CLASSINFO("default:MarksPos", "3")
    Q_CLASSINFO("default:FaderSize", "fsMediumSize")
    Q_CLASSINFO("default:Labels", "True")
    Q_CLASSINFO("stored:LabelsFont", "IsLabelsFontStored")
    Q_CLASSINFO("default:FaderKind", "fkHorizontal")
    Q_CLASSINFO("default:LabelMax", "'Max'")
    Q_CLASSINFO("default:LabelMin", "'Min'")
    Q_CLASSINFO("default:LabelsPos", "4")
    Q_CLASSINFO("default:EmptyXZone", "4")
    Q_CLASSINFO("default:EmptyYZone", "4")
    Q_CLASSINFO("default:Max", "100")
    Q_CLASSINFO("default:Min", "0")
    Q_CLASSINFO("default:Value", "50")
    Q_CLASSINFO("default:RampColor", "clNavy")
    Q_CLASSINFO("default:Mark3D", "True")
    Q_CLASSINFO("default:RampReverse", "False")
    Q_CLASSINFO("default:Font3D", "True")
    Q_CLASSINFO("default:HeadRounded", "True")
    Q_CLASSINFO("default:DarkBorder", "dbPushed")
    Q_CLASSINFO("default:FocusRect", "True")
    Q_CLASSINFO("default:FocusRectDist", "0")
    Q_CLASSINFO("default:LargeChange", "10")
    Q_CLASSINFO("default:MidValue", "50")
    Q_CLASSINFO("default:DblClkResets", "True")
    Q_CLASSINFO("default:PushMode", "pmNone")
    Q_CLASSINFO("default:NumSteps", "10")
    Q_CLASSINFO("default:StepsWidth", "4")
    Q_CLASSINFO("default:HeadMarkColor", "clGray")
    Q_CLASSINFO("default:AllowAbs", "False")
    Q_CLASSINFO("default:HeadMarkDist", "4")

public:
    explicit TGFader(QWidget* parent = nullptr);
    ~TGFader() override;

    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool value) { Store(ctl3D_, value, &TGFader::Ctl3DChanged, TRedraw::Shown); }
    bool ParentCtl3D() const { return parentCtl3D_; }
    void SetParentCtl3D(bool value) { Store(parentCtl3D_, value, &TGFader::ParentCtl3DChanged, TRedraw::Shown); }
    TMarkType MarkType() const { return markType_; }
    void SetMarkType(TMarkType value) { Store(markType_, value, &TGFader::MarkTypeChanged, TRedraw::Size); }
    quint16 NumMarks() const { return numMarks_; }
    void SetNumMarks(quint16 value);
    bool FaderPlace() const { return faderPlace_; }
    void SetFaderPlace(bool value) { Store(faderPlace_, value, &TGFader::FaderPlaceChanged, TRedraw::Base); }
    quint16 LongMarksLen() const { return longMarksLen_; }
    void SetLongMarksLen(quint16 value);
    quint16 ShortMarksLen() const { return shortMarksLen_; }
    void SetShortMarksLen(quint16 value);
    bool MarksReverse() const { return marksReverse_; }
    void SetMarksReverse(bool value) { Store(marksReverse_, value, &TGFader::MarksReverseChanged, TRedraw::Base); }
    quint16 MarkAccent() const { return markAccent_; }
    void SetMarkAccent(quint16 value) { Store(markAccent_, value, &TGFader::MarkAccentChanged, TRedraw::Base); }
    quint16 MarksPos() const { return marksPos_; }
    void SetMarksPos(quint16 value) { Store(marksPos_, value, &TGFader::MarksPosChanged, TRedraw::Size); }
    TFaderSize FaderSize() const { return faderSize_; }
    void SetFaderSize(TFaderSize value);
    bool Labels() const { return labels_; }
    void SetLabels(bool value) { Store(labels_, value, &TGFader::LabelsChanged, TRedraw::Size); }
    TFont* LabelsFont() const { return labelsFont_; }
    void SetLabelsFont(const TFont& font) { labelsFont_->Assign(font); }
    Q_INVOKABLE bool IsLabelsFontStored() const;
    TFaderKind FaderKind() const { return faderKind_; }
    void SetFaderKind(TFaderKind value);
    QString LabelMax() const { return labelMax_; }
    void SetLabelMax(const QString& value);
    QString LabelMin() const { return labelMin_; }
    void SetLabelMin(const QString& value);
    quint16 LabelsPos() const { return labelsPos_; }
    void SetLabelsPos(quint16 value) { Store(labelsPos_, value, &TGFader::LabelsPosChanged, TRedraw::Size); }
    quint16 EmptyXZone() const { return emptyXZone_; }
    void SetEmptyXZone(quint16 value);
    quint16 EmptyYZone() const { return emptyYZone_; }
    void SetEmptyYZone(quint16 value);
    using TSteppedRange::Max;
    void SetMax(int value);
    using TSteppedRange::Min;
    void SetMin(int value);
    using TSteppedRange::Value;
    void SetValue(int value);
    TColor RampColor() const { return rampColor_; }
    void SetRampColor(TColor value) { Store(rampColor_, value, &TGFader::RampColorChanged, TRedraw::Base); }
    bool Mark3D() const { return mark3D_; }
    void SetMark3D(bool value) { Store(mark3D_, value, &TGFader::Mark3DChanged, TRedraw::Base); }
    bool RampReverse() const { return rampReverse_; }
    void SetRampReverse(bool value) { Store(rampReverse_, value, &TGFader::RampReverseChanged, TRedraw::Base); }
    bool Font3D() const { return font3D_; }
    void SetFont3D(bool value) { Store(font3D_, value, &TGFader::Font3DChanged, TRedraw::Base); }
    bool HeadRounded() const { return headRounded_; }
    void SetRounded(bool value) { Store(headRounded_, value, &TGFader::HeadRoundedChanged, TRedraw::HeadAndBase); }
    TDarkBorder DarkBorder() const { return darkBorder_; }
    void SetDarkBorder(TDarkBorder value)
    {
        Store(darkBorder_, value, &TGFader::DarkBorderChanged, TRedraw::HeadAndBase);
    }
    bool FocusRect() const { return focusRect_; }
    void SetFocusRect(bool value) { Store(focusRect_, value, &TGFader::FocusRectChanged, TRedraw::Shown); }
    quint16 FocusRectDist() const { return focusRectDist_; }
    void SetFocusRectDist(quint16 value)
    {
        Store(focusRectDist_, value, &TGFader::FocusRectDistChanged, TRedraw::Shown);
    }
    quint16 LargeChange() const { return largeChange_; }
    void SetLargeChange(quint16 value) { SetAndNotify(this, &TGFader::LargeChangeChanged, largeChange_, value); }
    int MidValue() const { return midValue_; }
    void SetMidValue(int value) { SetAndNotify(this, &TGFader::MidValueChanged, midValue_, value); }
    bool DblClkResets() const { return dblClkResets_; }
    void SetDblClkResets(bool value) { SetAndNotify(this, &TGFader::DblClkResetsChanged, dblClkResets_, value); }
    TPushMode PushMode() const { return pushMode_; }
    void SetPushMode(TPushMode value) { Store(pushMode_, value, &TGFader::PushModeChanged, TRedraw::Head); }
    int NumSteps() const { return numSteps_; }
    void SetNumSteps(int value) { Store(numSteps_, value, &TGFader::NumStepsChanged, TRedraw::Base); }
    int StepsWidth() const { return stepsWidth_; }
    void SetStepsWidth(int value) { Store(stepsWidth_, value, &TGFader::StepsWidthChanged, TRedraw::Base); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    TColor HeadMarkColor() const { return headMarkColor_; }
    void SetHeadMarkColor(TColor value) { Store(headMarkColor_, value, &TGFader::HeadMarkColorChanged, TRedraw::Head); }
    bool AllowAbs() const { return allowAbs_; }
    void SetAllowAbs(bool value) { SetAndNotify(this, &TGFader::AllowAbsChanged, allowAbs_, value); }
    quint16 HeadMarkDist() const { return headMarkDist_; }
    void SetHeadMarkDist(quint16 value) { Store(headMarkDist_, value, &TGFader::HeadMarkDistChanged, TRedraw::Head); }

    // The size rule: what the scale, labels and margins need across the track.
    int NeededWidth() const;
    int NeededHeight() const;
    void GetSizes();
    // The head's size for FaderSize and FaderKind, and its place.
    QSize HeadSize() const { return headSize_; }
    int GetHeadX() const;
    int GetHeadY() const;

    // Drops the kept base and head: the next paint draws everything.
    void InvalidateCache();

    bool Pressed() const { return pressed_; }
    TMouseMode MouseMode() const { return mouseMode_; }

    // TAccessibleControl: a slider; value and actions go through the clamping setter.
    QAccessible::Role AccessibleRole() const override { return QAccessible::Slider; }
    QString AccessibleName() const override;
    bool HasAccessibleValue() const override { return true; }
    int AccessibleValue() const override { return value_; }
    int AccessibleMinimum() const override { return min_; }
    int AccessibleMaximum() const override { return std::max(max_, min_); }
    void SetAccessibleValue(int value) override { SetValue(value); }
    QStringList AccessibleActions() const override;
    void DoAccessibleAction(const QString& name) override;

signals:
    // Property notifications (see framework/Notify.h).
    void Ctl3DChanged();
    void ParentCtl3DChanged();
    void MarkTypeChanged();
    void NumMarksChanged();
    void FaderPlaceChanged();
    void LongMarksLenChanged();
    void ShortMarksLenChanged();
    void MarksReverseChanged();
    void MarkAccentChanged();
    void MarksPosChanged();
    void FaderSizeChanged();
    void LabelsChanged();
    void FaderKindChanged();
    void LabelMaxChanged();
    void LabelMinChanged();
    void LabelsPosChanged();
    void EmptyXZoneChanged();
    void EmptyYZoneChanged();
    void MaxChanged();
    void MinChanged();
    void ValueChanged();
    void RampColorChanged();
    void Mark3DChanged();
    void RampReverseChanged();
    void Font3DChanged();
    void HeadRoundedChanged();
    void DarkBorderChanged();
    void FocusRectChanged();
    void FocusRectDistChanged();
    void LargeChangeChanged();
    void MidValueChanged();
    void DblClkResetsChanged();
    void PushModeChanged();
    void NumStepsChanged();
    void StepsWidthChanged();
    void HeadMarkColorChanged();
    void AllowAbsChanged();
    void HeadMarkDistChanged();
    void OnChange(QObject* Sender);

protected:
    void Paint() override;
    void PaintBase(TBitmap& base);
    void PaintHead(TBitmap& head);
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DblClick() override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void DoEnter() override;
    void DoExit() override;
    void Resize() override;
    void AfterEnabledChange() override;
    void Loaded() override;
    void TriggerAction(TStepAction action) override;
    int RepeatInterval() const override;
    void RepeatTick() override;

private:
    // What a published value's change draws again: the shown copy only, the
    // head, the base, both, or the base after the size rule.
    enum class TRedraw { Shown, Head, Base, HeadAndBase, Size };
    void Redraw(TRedraw what);
    template <class T> void Store(T& field, const T& value, void (TGFader::*changed)(), TRedraw what)
    {
        SetAndNotify(this, changed, field, value, [&] { Redraw(what); });
    }
    bool Vertical() const { return faderKind_ == fkVertical; }
    bool Loading() const { return ComponentState().testFlag(csLoading); }
    bool DarkBorderShown() const;
    void UpdateHeadSize();
    void AppearanceChanged(bool sizeChanges, bool headChanges = false);
    void FocusChanged(bool focused);
    double Span() const;
    int TrackLength() const;
    // Values along the track: Min at the left end, Max at the top end.
    TScaleMap TrackMap() const;
    void StepBy(int64_t delta) { SetValue(ClampedDownThenUp(int64_t(value_) + delta)); }
    bool OnHead(int X, int Y) const;
    bool InControlZone(int X, int Y) const;
    int AlongTrack(int X, int Y) const { return Vertical() ? Y : X; }
    int HeadAlong() const { return Vertical() ? GetHeadY() : GetHeadX(); }
    bool BeyondHeadTowardsMin(int X, int Y) const;
    void StartStepping(TMouseButton Button, int X, int Y);
    void DragTo(int X, int Y);
    TStepAction ApplyStep(bool towardsMax);

    friend class TFaderBasePainter;

    bool ctl3D_ = false;
    bool parentCtl3D_ = false;
    TMarkType markType_ = mtMarks;
    quint16 numMarks_ = 25;
    bool faderPlace_ = false;
    quint16 longMarksLen_ = 5;
    quint16 shortMarksLen_ = 2;
    bool marksReverse_ = false;
    quint16 markAccent_ = 5;
    quint16 marksPos_ = 3;
    TFaderSize faderSize_ = fsMediumSize;
    bool labels_ = true;
    TFont* labelsFont_;
    TFaderKind faderKind_ = fkHorizontal;
    QString labelMax_ = QStringLiteral("Max");
    QString labelMin_ = QStringLiteral("Min");
    quint16 labelsPos_ = 4;
    quint16 emptyXZone_ = 4;
    quint16 emptyYZone_ = 4;
    TColor rampColor_ = clNavy;
    bool mark3D_ = true;
    bool rampReverse_ = false;
    bool font3D_ = true;
    bool headRounded_ = true;
    TDarkBorder darkBorder_ = dbPushed;
    bool focusRect_ = true;
    quint16 focusRectDist_ = 0;
    quint16 largeChange_ = 10;
    int midValue_ = 50;
    bool dblClkResets_ = true;
    TPushMode pushMode_ = pmNone;
    int numSteps_ = 10;
    int stepsWidth_ = 4;
    bool enabled_ = true;
    TColor headMarkColor_ = clGray;
    bool allowAbs_ = false;
    quint16 headMarkDist_ = 4;

    QSize headSize_ {20, 13};
    TKeptLayer base_;
    TKeptLayer head_;
    QRegion overBase_;   // what the shown picture holds over the base: head, focus frame
    qint64 shownKey_ = 0; // the shown picture's cache key when the last paint ended
    bool pressed_ = false;
    bool focused_ = false;
    bool resetByDoubleClick_ = false;
    TMouseMode mouseMode_ = TMouseMode::Idle;
    int lastDrag_ = 0;
    int grab_ = 0;
    QPoint lastPointer_ {-1, -1};
};
