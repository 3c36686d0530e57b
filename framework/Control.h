#pragma once
// TControl: the base of every visible component. It gives Qt widgets the
// classic control semantics:
//  - Paint() draws into an off-screen bitmap of the control's size (Canvas()),
//    which is copied to the screen in one block; background erasing draws nothing;
//  - Qt input arrives as MouseDown/MouseMove/MouseUp/Click/DblClick,
//    KeyDown/KeyUp with classic virtual-key codes, DoEnter/DoExit and
//    MouseEnter/MouseLeave, each of which raises the matching On... event;
//  - Invalidate() schedules a repaint, Repaint() paints at once;
//  - ComponentState() tells "loading" (a window description is being read) and
//    "designing"; Loaded() runs once all properties of a description are set;
//  - drag and drop between controls (BeginDrag, DragMode, the drag events),
//    the popup menu of a right click (PopupMenu, OnContextPopup) and hints
//    shown as tool tips only while ShowHint holds, which follows the parent's
//    while ParentShowHint holds.
// DragMode, DragCursor, DragKind, PopupMenu and ParentShowHint are kept here
// with their declared defaults; each component publishes those its list
// names, where its list names them.
// Published properties follow the convention in docs/architecture.md.

#include "framework/Bitmap.h"
#include "framework/Color.h"
#include "framework/Font.h"
#include "framework/Rect.h"
#include "framework/Types.h"
#include "framework/PopupMenu.h"

#include <QPointer>
#include <QWidget>

class TControl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Left READ Left WRITE SetLeft NOTIFY LeftChanged)
    Q_PROPERTY(int Top READ Top WRITE SetTop NOTIFY TopChanged)
    Q_PROPERTY(int Width READ Width WRITE SetWidth NOTIFY WidthChanged)
    Q_PROPERTY(int Height READ Height WRITE SetHeight NOTIFY HeightChanged)
    Q_PROPERTY(fw::TAlign Align READ Align WRITE SetAlign NOTIFY AlignChanged)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor NOTIFY ColorChanged)
    Q_PROPERTY(TFont* Font READ Font CONSTANT)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor NOTIFY ParentColorChanged)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont NOTIFY ParentFontChanged)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled NOTIFY EnabledChanged)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible NOTIFY VisibleChanged)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop NOTIFY TabStopChanged)
    Q_PROPERTY(int TabOrder READ TabOrder WRITE SetTabOrder NOTIFY TabOrderChanged)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint NOTIFY HintChanged)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint NOTIFY ShowHintChanged)
    Q_PROPERTY(fw::TCursor Cursor READ Cursor WRITE SetCursor NOTIFY CursorChanged)
    Q_PROPERTY(int Tag READ Tag WRITE SetTag NOTIFY TagChanged)
    // Declared streaming defaults (see docs/architecture.md). Color and Font
    // are not stored while they follow the parent.
    Q_CLASSINFO("default:Align", "alNone")
    Q_CLASSINFO("default:ParentColor", "False")
    Q_CLASSINFO("default:ParentFont", "True")
    Q_CLASSINFO("default:Enabled", "True")
    Q_CLASSINFO("default:Visible", "True")
    Q_CLASSINFO("default:TabStop", "False")
    Q_CLASSINFO("default:TabOrder", "-1")
    Q_CLASSINFO("default:Hint", "''")
    Q_CLASSINFO("default:ShowHint", "False")
    Q_CLASSINFO("default:Cursor", "crDefault")
    Q_CLASSINFO("default:Tag", "0")
    Q_CLASSINFO("stored:Color", "IsColorStored")
    Q_CLASSINFO("stored:Font", "IsFontStored")
    Q_CLASSINFO("stored:ShowHint", "IsShowHintStored")
    // Of the properties components publish from here (see above).
    Q_CLASSINFO("default:DragMode", "dmManual")
    Q_CLASSINFO("default:DragCursor", "crDrag")
    Q_CLASSINFO("default:DragKind", "dkDrag")
    Q_CLASSINFO("default:ParentShowHint", "True")

public:
    explicit TControl(QWidget* parent = nullptr);
    ~TControl() override;

    QString Name() const { return objectName(); }
    void SetName(const QString& name) { setObjectName(name); }

    int Left() const { return x(); }
    int Top() const { return y(); }
    int Width() const { return width(); }
    int Height() const { return height(); }
    void SetLeft(int v);
    void SetTop(int v);
    void SetWidth(int v);
    void SetHeight(int v);
    void SetBounds(int left, int top, int width, int height);
    TAlign Align() const { return align_; }
    void SetAlign(TAlign value);
    TRect ClientRect() const { return TRect(0, 0, width(), height()); }
    TRect BoundsRect() const { return Bounds(x(), y(), width(), height()); }

    TColor Color() const { return color_; }
    void SetColor(TColor value);
    TFont* Font() const { return font_; }
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool value);
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool value);
    Q_INVOKABLE bool IsColorStored() const { return !parentColor_; }
    Q_INVOKABLE bool IsFontStored() const { return !parentFont_; }
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool value);
    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int value);
    QString Hint() const { return toolTip(); }
    void SetHint(const QString& value);
    bool ShowHint() const { return showHint_; }
    // Setting ShowHint to another value ends following the parent's.
    void SetShowHint(bool value);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool value);
    Q_INVOKABLE bool IsShowHintStored() const { return !parentShowHint_; }
    TPopupMenu* PopupMenu() const { return popupMenu_.data(); }
    void SetPopupMenu(TPopupMenu* value);

    // dmAutomatic: a left press and a move past the drag threshold begin a
    // drag (the press is then no mouse-down); dmManual: only BeginDrag does.
    TDragMode DragMode() const { return dragMode_; }
    void SetDragMode(TDragMode value);
    TCursor DragCursor() const { return dragCursor_; }
    void SetDragCursor(TCursor value);
    // dkDock drags raise the dock events; no control takes them (there are no dock sites).
    TDragKind DragKind() const { return dragKind_; }
    void SetDragKind(TDragKind value);
    // Begins a drag of this control: at once, or once the pointer has moved
    // threshold pixels (-1: the platform's drag distance) with the button held.
    void BeginDrag(bool Immediate, int Threshold = -1);
    // Ends this control's drag: a pending one without a target, a running one
    // as if Escape were pressed.
    void EndDrag();
    bool Dragging() const;
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor value);
    int Tag() const { return tag_; }
    void SetTag(int value);

    TComponentState ComponentState() const { return state_; }
    // Called by the window-description reader around reading this component.
    void BeginLoading() { state_ |= csLoading; }
    void EndLoading();
    void SetDesigning(bool value);

    void Invalidate()
    {
        ContentChanged();
        update();
    }
    void Repaint()
    {
        ContentChanged();
        repaint();
    }
    bool Focused() const { return hasFocus(); }
    bool CanFocus() const;
    void SetFocus();

    // The off-screen surface Paint() draws on; sized to the control.
    TCanvas& Canvas();
    TBitmap& OffscreenBitmap() { return buffer_; }
    // Runs Paint() into the off-screen bitmap without touching the screen (for
    // tests and picture export) and returns it.
    const QImage& PaintToImage();
    // Runs Paint() and returns the picture the paint event would put on the
    // screen, when that is the off-screen bitmap as it is (a host drawing
    // the control elsewhere can then show it without a copy); null when the
    // paint event draws something else or clips to a shaped window.
    virtual const QImage* ScreenPicture();

    QPoint ClientToScreen(QPoint p) const { return mapToGlobal(p); }
    QPoint ScreenToClient(QPoint p) const { return mapFromGlobal(p); }
    TControl* ParentControl() const { return qobject_cast<TControl*>(parentWidget()); }

    // Copies what the parent shows under this control into the bitmap, for
    // controls that draw on the parent's background.
    void CaptureParentBackground(TBitmap& target);

    // A left click at a point of the control, delivered as the mouse delivers
    // one (press, then release): the press and action of assistive
    // technology raise the same events as the user's hand.
    void PressAndRelease(QPoint at);
    void PressAndRelease() { PressAndRelease(rect().center()); }

signals:
    // Property notifications (see framework/Notify.h).
    void LeftChanged();
    void TopChanged();
    void WidthChanged();
    void HeightChanged();
    void AlignChanged();
    void ColorChanged();
    void ParentColorChanged();
    void ParentFontChanged();
    void EnabledChanged();
    void VisibleChanged();
    void TabStopChanged();
    void TabOrderChanged();
    void HintChanged();
    void ShowHintChanged();
    void CursorChanged();
    void TagChanged();
    void OnClick(QObject* Sender);
    void OnDblClick(QObject* Sender);
    void OnMouseDown(QObject* Sender, fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y);
    void OnMouseMove(QObject* Sender, fw::TShiftState Shift, int X, int Y);
    void OnMouseUp(QObject* Sender, fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y);
    void OnMouseEnter(QObject* Sender);
    void OnMouseLeave(QObject* Sender);
    void OnEnter(QObject* Sender);
    void OnExit(QObject* Sender);
    void OnKeyDown(QObject* Sender, uint16_t& Key, fw::TShiftState Shift);
    void OnKeyUp(QObject* Sender, uint16_t& Key, fw::TShiftState Shift);
    void OnResize(QObject* Sender);
    void OnKeyPress(QObject* Sender, QChar& Key);
    void OnDragOver(QObject* Sender, QObject* Source, int X, int Y, fw::TDragState State, bool& Accept);
    void OnDragDrop(QObject* Sender, QObject* Source, int X, int Y);
    void OnStartDrag(QObject* Sender);
    void OnEndDrag(QObject* Sender, QObject* Target, int X, int Y);
    void OnStartDock(QObject* Sender);
    void OnEndDock(QObject* Sender, QObject* Target, int X, int Y);
    // MousePos is (-1, -1) for the context-menu key; Handled = true keeps the popup menu away.
    void OnContextPopup(QObject* Sender, QPoint MousePos, bool& Handled);

    void DragModeChanged();
    void DragCursorChanged();
    void DragKindChanged();
    void PopupMenuChanged();
    void ParentShowHintChanged();

protected:
    // Draw the whole control on Canvas(). The default fills it with Color.
    virtual void Paint();
    virtual void Loaded() {}
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void Click();
    virtual void DblClick();
    virtual void KeyDown(uint16_t& Key, TShiftState Shift);
    virtual void KeyUp(uint16_t& Key, TShiftState Shift);
    virtual void DoEnter();
    virtual void DoExit();
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void Resize();
    // A character typed while the control has the focus (after KeyDown).
    virtual void KeyPress(QChar& Key);
    // Whether the control takes Source dropped at (X, Y): as the classic
    // platform, only when OnDragOver is assigned and its handler agrees.
    virtual void DragOver(QObject* Source, int X, int Y, TDragState State, bool& Accept);
    virtual void DragDrop(QObject* Source, int X, int Y);
    virtual void DoStartDrag();
    virtual void DoEndDrag(QObject* Target, int X, int Y);
    virtual void DoContextPopup(QPoint MousePos, bool& Handled);
    // What the control shows has changed (every Invalidate and Repaint): a
    // control that keeps layers of earlier paints drops them here.
    virtual void ContentChanged() {}
    // An input event has been handled: a control whose input writes records
    // in place (through references) reports their changes here.
    virtual void AfterInput() { }
    virtual void AfterFontChange() { Invalidate(); }
    virtual void AfterColorChange() { Invalidate(); }
    virtual void AfterEnabledChange() { Invalidate(); }

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void connectNotify(const QMetaMethod& signal) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool event(QEvent* event) override;

    // Controls whose unpainted pixels should show the parent (see TImage).
    bool paintsOpaque_ = true;

private:
    friend class TControlDrag;
    friend class TControlInput;

    void ApplyAlign();
    void NotifyGeometry();
    void PropagateParentFontAndColor();
    void PropagateShowHint();
    void FollowParentShowHint();

    TBitmap buffer_;
    TFont* font_;
    QRect notifiedGeometry_; // what the geometry signals last reported
    bool geometryObserved_ = false;
    bool notifiedEnabled_;
    TColor color_ = clBtnFace;
    TAlign align_ = alNone;
    bool parentColor_ = false;
    bool parentFont_ = true;
    bool visible_ = true;
    bool tabStop_ = false;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    TDragMode dragMode_ = dmManual;
    TCursor dragCursor_ = crDrag;
    TDragKind dragKind_ = dkDrag;
    QPointer<TPopupMenu> popupMenu_;
    QPoint lastMouse_;
    bool capturing_ = false;
    bool propagating_ = false;
    bool leftDown_ = false;
    int tabOrder_ = -1;
    int tag_ = 0;
    TCursor cursor_ = crDefault;
    TComponentState state_;
};

// A control without a window of its own in the classic sense: it never takes focus.
class TGraphicControl : public TControl {
    Q_OBJECT
public:
    explicit TGraphicControl(QWidget* parent = nullptr);
};

// A windowed control that can take the keyboard focus.
class TCustomControl : public TControl {
    Q_OBJECT
public:
    explicit TCustomControl(QWidget* parent = nullptr);
};
