#pragma once
// TKivSpinButton: two stacked auto-repeat speed buttons with arrow glyphs, up
// above down. Clicking, holding or the arrow keys raise OnUpClick and
// OnDownClick; the control holds no value. A press hands the input focus to
// FocusControl (typically the edit box the events change) when it can take it.

#include "framework/Control.h"
#include "framework/AccessibleControl.h"
#include "framework/Notify.h"

#include <QPointer>

class TTimerSpeedButton;

class TKivSpinButton : public TCustomControl, public TAccessibleControl {
    Q_OBJECT
    Q_PROPERTY(bool Ctl3D READ Ctl3D WRITE SetCtl3D NOTIFY Ctl3DChanged)
    Q_PROPERTY(QString DownGlyph READ DownGlyph WRITE SetDownGlyph NOTIFY DownGlyphChanged)
    Q_PROPERTY(fw::TCursor DragCursor READ DragCursor WRITE SetDragCursor NOTIFY DragCursorChanged)
    Q_PROPERTY(fw::TDragMode DragMode READ DragMode WRITE SetDragMode NOTIFY DragModeChanged)
    Q_PROPERTY(TControl* FocusControl READ FocusControl WRITE SetFocusControl NOTIFY FocusControlChanged)
    Q_PROPERTY(bool ParentCtl3D READ ParentCtl3D WRITE SetParentCtl3D NOTIFY ParentCtl3DChanged)
    Q_PROPERTY(bool ParentShowHint READ ParentShowHint WRITE SetParentShowHint NOTIFY ParentShowHintChanged)
    Q_PROPERTY(TPopupMenu* PopupMenu READ PopupMenu WRITE SetPopupMenu NOTIFY PopupMenuChanged)
    Q_PROPERTY(QString UpGlyph READ UpGlyph WRITE SetUpGlyph NOTIFY UpGlyphChanged)
    // An empty glyph name stands for the built-in arrow.
    Q_CLASSINFO("default:Ctl3D", "True")
    Q_CLASSINFO("default:DownGlyph", "''")
    Q_CLASSINFO("default:ParentCtl3D", "True")
    Q_CLASSINFO("default:UpGlyph", "''")

public:
    static inline const QString kUpGlyph = QStringLiteral("KivSpinUp");
    static inline const QString kDownGlyph = QStringLiteral("KivSpinDown");

    explicit TKivSpinButton(QWidget* parent = nullptr);

    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool value) { SetAndNotify(this, &TKivSpinButton::Ctl3DChanged, ctl3D_, value); }
    bool ParentCtl3D() const { return parentCtl3D_; }
    void SetParentCtl3D(bool value) { SetAndNotify(this, &TKivSpinButton::ParentCtl3DChanged, parentCtl3D_, value); }
    // The glyphs by picture name; an unknown name is refused and keeps the
    // old glyph, an empty one brings back the built-in arrow.
    QString UpGlyph() const { return upGlyph_; }
    void SetUpGlyph(const QString& name);
    QString DownGlyph() const { return downGlyph_; }
    void SetDownGlyph(const QString& name);
    TControl* FocusControl() const { return focusControl_; }
    // A companion that is destroyed reads as none from then on, and is told so.
    void SetFocusControl(TControl* control);

    // Applies the size rule (width at least 15) and places the two buttons,
    // which overlap by one row; width and height come back adjusted.
    void AdjustButtonSize(int& width, int& height);
    // Hides TControl::SetBounds so that every size set here is adjusted first.
    void SetBounds(int left, int top, int width, int height);
    void SetFocusBtn(TTimerSpeedButton* button);

    TTimerSpeedButton* UpButton() const { return upButton_; }
    TTimerSpeedButton* DownButton() const { return downButton_; }
    TTimerSpeedButton* FocusedButton() const { return focusedButton_; }

    // TAccessibleControl: a spin box whose Increase/Decrease press its buttons as the mouse does.
    QAccessible::Role AccessibleRole() const override { return QAccessible::SpinBox; }
    QString AccessibleName() const override { return QStringLiteral("Spin button"); }
    QStringList AccessibleActions() const override;
    void DoAccessibleAction(const QString& name) override;

signals:
    // Property notifications (see framework/Notify.h).
    void Ctl3DChanged();
    void DownGlyphChanged();
    void FocusControlChanged();
    void ParentCtl3DChanged();
    void UpGlyphChanged();
    void OnUpClick(QObject* Sender);
    void OnDownClick(QObject* Sender);
    void OnButtonUp(QObject* Sender);

protected:
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void DoEnter() override;
    void DoExit() override;
    void Resize() override;
    void Loaded() override;

private:
    TTimerSpeedButton* CreateButton(const QString& glyph, const QString& name);
    void BtnMouseDown(TTimerSpeedButton* button, TMouseButton Button);
    void BtnClick(TTimerSpeedButton* button);
    void ShowFocusFrame(bool shown);
    void ApplyAdjustedSize();

    bool ctl3D_ = true;
    bool parentCtl3D_ = true;
    QString upGlyph_;
    QString downGlyph_;
    QPointer<TControl> focusControl_;
    TTimerSpeedButton* upButton_;
    TTimerSpeedButton* downButton_;
    TTimerSpeedButton* focusedButton_;
    bool released_ = false;
};
