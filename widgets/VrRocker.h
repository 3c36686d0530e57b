#pragma once
// TVrRocker: a rocker switch with an upper and a lower half. Pressing a half
// shows it down at once; releasing raises the click event of that half, unless
// the press was dragged off the control and released there, which cancels it.
// rsSwitch keeps the half down (a two-position switch; pressing the half that
// is already down raises nothing); rsButton springs back to stNone.
// Setting State through the property raises no click.

#include "framework/AccessibleControl.h"
#include "framework/Control.h"


class TVrRocker : public TCustomControl, public TAccessibleControl {
    Q_OBJECT
public:
    enum TVrRockerStyle { rsButton, rsSwitch };
    Q_ENUM(TVrRockerStyle)
    enum TVrRockerState { stUpperDown, stLowerDown, stNone };
    Q_ENUM(TVrRockerState)

private:
    Q_PROPERTY(int Depth READ Depth WRITE SetDepth NOTIFY DepthChanged)
    Q_CLASSINFO("default:Depth", "2")
    Q_PROPERTY(TColor ShadowColor READ ShadowColor WRITE SetShadowColor NOTIFY ShadowColorChanged)
    Q_CLASSINFO("default:ShadowColor", "clBtnShadow")
    Q_PROPERTY(TColor ShadowLightColor READ ShadowLightColor WRITE SetShadowLightColor NOTIFY ShadowLightColorChanged)
    Q_CLASSINFO("default:ShadowLightColor", "clBtnFace")
    Q_PROPERTY(TColor HighlightColor READ HighlightColor WRITE SetHighlightColor NOTIFY HighlightColorChanged)
    Q_CLASSINFO("default:HighlightColor", "clBtnHighlight")
    Q_PROPERTY(TColor OutlineColor READ OutlineColor WRITE SetOutlineColor NOTIFY OutlineColorChanged)
    Q_CLASSINFO("default:OutlineColor", "clBlack")
    Q_PROPERTY(int OutlineWidth READ OutlineWidth WRITE SetOutlineWidth NOTIFY OutlineWidthChanged)
    Q_CLASSINFO("default:OutlineWidth", "1")
    Q_PROPERTY(TColor FocusColor READ FocusColor WRITE SetFocusColor NOTIFY FocusColorChanged)
    Q_CLASSINFO("default:FocusColor", "clBlue")
    Q_PROPERTY(TVrRockerState State READ State WRITE SetState NOTIFY StateChanged)
    Q_CLASSINFO("default:State", "stNone")
    Q_PROPERTY(TVrRockerStyle Style READ Style WRITE SetStyle NOTIFY StyleChanged)
    Q_CLASSINFO("default:Style", "rsButton")
    Q_PROPERTY(fw::TCursor DragCursor READ DragCursor WRITE SetDragCursor NOTIFY DragCursorChanged)
    Q_PROPERTY(fw::TDragKind DragKind READ DragKind WRITE SetDragKind NOTIFY DragKindChanged)
    Q_PROPERTY(fw::TDragMode DragMode READ DragMode WRITE SetDragMode NOTIFY DragModeChanged)
    Q_PROPERTY(bool ParentShowHint READ ParentShowHint WRITE SetParentShowHint NOTIFY ParentShowHintChanged)
    Q_PROPERTY(TPopupMenu* PopupMenu READ PopupMenu WRITE SetPopupMenu NOTIFY PopupMenuChanged)
    Q_CLASSINFO("default:TabStop", "False")

public:
    explicit TVrRocker(QWidget* parent = nullptr);

    int Depth() const { return depth_; }
    void SetDepth(int value);
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor value);
    TColor ShadowLightColor() const { return shadowLightColor_; }
    void SetShadowLightColor(TColor value);
    TColor HighlightColor() const { return highlightColor_; }
    void SetHighlightColor(TColor value);
    TColor OutlineColor() const { return outlineColor_; }
    void SetOutlineColor(TColor value);
    int OutlineWidth() const { return outlineWidth_; }
    void SetOutlineWidth(int value);
    TColor FocusColor() const { return focusColor_; }
    void SetFocusColor(TColor value);
    TVrRockerState State() const { return state_; }
    void SetState(TVrRockerState value);
    TVrRockerStyle Style() const { return style_; }
    void SetStyle(TVrRockerStyle value);

    // The half under a point: upper, lower, or stNone below the last whole row pair.
    TVrRockerState NewState(int X, int Y) const;

    // TAccessibleControl: a button whose text is its position in words,
    // pressed while a half is down, with one action per half that presses
    // and releases it as the mouse does.
    static QString PressUpperAction() { return QStringLiteral("Press upper half"); }
    static QString PressLowerAction() { return QStringLiteral("Press lower half"); }
    QAccessible::Role AccessibleRole() const override { return QAccessible::Button; }
    QString AccessibleName() const override { return QStringLiteral("Rocker switch"); }
    QAccessible::State AccessibleState() const override;
    bool HasAccessibleText() const override { return true; }
    QString AccessibleText() const override;
    QStringList AccessibleActions() const override { return {PressUpperAction(), PressLowerAction()}; }
    void DoAccessibleAction(const QString& name) override;

signals:
    // Property notifications (see framework/Notify.h).
    void DepthChanged();
    void ShadowColorChanged();
    void ShadowLightColorChanged();
    void HighlightColorChanged();
    void OutlineColorChanged();
    void OutlineWidthChanged();
    void FocusColorChanged();
    void StateChanged();
    void StyleChanged();
    void OnUpperClick(QObject* Sender);
    void OnLowerClick(QObject* Sender);

protected:
    virtual void UpperClick();
    virtual void LowerClick();
    void Paint() override;
    // The four bands of the rocker inside the outline.
    void DrawSwitch(const TRect& inner);
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void DoEnter() override;
    void DoExit() override;

private:
    template <class T> void Store(T& field, T value, void (TVrRocker::*changed)());
    void ChangeState(TVrRockerState value);
    void PointerLeft();
    void PointerEntered();
    void FillBand(const TRect& inner, int top, int bottom, TColor color);

    int depth_ = 2;
    TColor shadowColor_ = clBtnShadow;
    TColor shadowLightColor_ = clBtnFace;
    TColor highlightColor_ = clBtnHighlight;
    TColor outlineColor_ = clBlack;
    int outlineWidth_ = 1;
    TColor focusColor_ = clBlue;
    TVrRockerState state_ = stNone;
    TVrRockerStyle style_ = rsButton;

    bool tracking_ = false;     // a left press on this control is in progress
    bool pressed_ = false;      // ... and the pointer is over the control
    bool savedPressed_ = false; // pressed_ while the pointer is outside
    bool inside_ = true;        // where the pointer was last seen during a press
    TVrRockerState stateBeforePress_ = stNone;
};
