#include "framework/Control.h"

#include "framework/AccessibleControl.h"
#include "framework/Application.h"
#include "framework/Notify.h"
#include "framework/DragOperation.h"
#include "framework/Screen.h"
#include "framework/WindowShape.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDrag>
#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

namespace {

TShiftState ShiftFrom(Qt::KeyboardModifiers mods, Qt::MouseButtons buttons)
{
    TShiftState s;
    if (mods & Qt::ShiftModifier)
        s |= ssShift;
    if (mods & Qt::AltModifier)
        s |= ssAlt;
    if (mods & Qt::ControlModifier)
        s |= ssCtrl;
    if (buttons & Qt::LeftButton)
        s |= ssLeft;
    if (buttons & Qt::RightButton)
        s |= ssRight;
    if (buttons & Qt::MiddleButton)
        s |= ssMiddle;
    return s;
}

bool ButtonFrom(Qt::MouseButton button, TMouseButton& out)
{
    switch (button) {
    case Qt::LeftButton: out = mbLeft; return true;
    case Qt::RightButton: out = mbRight; return true;
    case Qt::MiddleButton: out = mbMiddle; return true;
    default: return false;
    }
}

// Qt key -> classic virtual-key code (0 when there is none).
uint16_t VirtualKey(const QKeyEvent* e)
{
    const int k = e->key();
    switch (k) {
    case Qt::Key_Backspace: return VK::Back;
    case Qt::Key_Tab: return VK::Tab;
    case Qt::Key_Clear: return VK::Clear;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK::Return;
    case Qt::Key_Shift: return VK::Shift;
    case Qt::Key_Control: return VK::Control;
    case Qt::Key_Alt: return VK::Menu;
    case Qt::Key_Escape: return VK::Escape;
    case Qt::Key_Space: return VK::Space;
    case Qt::Key_PageUp: return VK::Prior;
    case Qt::Key_PageDown: return VK::Next;
    case Qt::Key_End: return VK::End;
    case Qt::Key_Home: return VK::Home;
    case Qt::Key_Left: return VK::Left;
    case Qt::Key_Up: return VK::Up;
    case Qt::Key_Right: return VK::Right;
    case Qt::Key_Down: return VK::Down;
    case Qt::Key_Insert: return VK::Insert;
    case Qt::Key_Delete: return VK::Delete;
    default: break;
    }
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24)
        return uint16_t(VK::F1 + (k - Qt::Key_F1));
    if ((k >= Qt::Key_0 && k <= Qt::Key_9) || (k >= Qt::Key_A && k <= Qt::Key_Z))
        return uint16_t(k);
    if (k == Qt::Key_Plus)
        return VK::Add;
    if (k == Qt::Key_Minus)
        return VK::Subtract;
    return 0;
}

} // namespace

TControl::TControl(QWidget* parent)
    : QWidget(parent)
    , font_(new TFont(this))
    , notifiedGeometry_(geometry())
    , notifiedEnabled_(isEnabled())
{
    font_->setObjectName(QStringLiteral("Font"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    TAccessibleControl::InstallAccessibility();
    connect(font_, &TFont::OnChange, this, [this] {
        if (!propagating_)
            SetAndNotify(this, &TControl::ParentFontChanged, parentFont_, false);
        AfterFontChange();
        PropagateParentFontAndColor();
    });
    if (auto* p = ParentControl()) {
        font_->Assign(*p->Font());
        parentFont_ = true;
        showHint_ = p->showHint_;
    }
    // Every control is a drop target, so a drag over one that refuses is
    // refused there rather than handed on to its parent.
    setAcceptDrops(true);
}

TControl::~TControl()
{
    state_ |= csDestroying;
    // A running drag is ended by the call that runs it, which sees this control gone.
    if (TDragOperation* drag = TDragOperation::Current(); drag && drag->Source() == this && drag->Pending())
        TDragOperation::Finish();
}

void TControl::SetLeft(int v) { SetBounds(v, y(), width(), height()); }
void TControl::SetTop(int v) { SetBounds(x(), v, width(), height()); }
void TControl::SetWidth(int v) { SetBounds(x(), y(), v, height()); }
void TControl::SetHeight(int v) { SetBounds(x(), y(), width(), v); }

void TControl::SetBounds(int left, int top, int w, int h)
{
    const QRect r(left, top, std::max(w, 0), std::max(h, 0));
    if (r == geometry())
        return;
    const bool resized = r.size() != size();
    setGeometry(r);
    // A hidden widget gets its resize event only when shown; children aligned
    // to its edges must follow now.
    if (resized)
        ApplyAlign();
    NotifyGeometry();
}

// Geometry changes reach a hidden widget's events only when it is shown, so
// every path that moves a control reports here, against what was last told.
void TControl::NotifyGeometry()
{
    const QRect now = geometry();
    const QRect was = std::exchange(notifiedGeometry_, now);
    if (now.x() != was.x())
        emit LeftChanged();
    if (now.y() != was.y())
        emit TopChanged();
    if (now.width() != was.width())
        emit WidthChanged();
    if (now.height() != was.height())
        emit HeightChanged();
}

void TControl::SetAlign(TAlign value)
{
    SetAndNotify(this, &TControl::AlignChanged, align_, value, [this] {
        if (auto* p = ParentControl())
            p->ApplyAlign();
    });
}

// Lays out the aligned children in creation order: top, bottom, left, right, then client.
void TControl::ApplyAlign()
{
    QRect free = rect();
    for (TAlign pass : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (QObject* o : children()) {
            auto* c = qobject_cast<TControl*>(o);
            if (!c || c->align_ != pass || c->isWindow())
                continue;
            switch (pass) {
            case alTop:
                c->setGeometry(free.left(), free.top(), free.width(), c->height());
                free.setTop(free.top() + c->height());
                break;
            case alBottom:
                c->setGeometry(free.left(), free.bottom() + 1 - c->height(), free.width(), c->height());
                free.setBottom(free.bottom() - c->height());
                break;
            case alLeft:
                c->setGeometry(free.left(), free.top(), c->width(), free.height());
                free.setLeft(free.left() + c->width());
                break;
            case alRight:
                c->setGeometry(free.right() + 1 - c->width(), free.top(), c->width(), free.height());
                free.setRight(free.right() - c->width());
                break;
            default:
                c->setGeometry(free);
                break;
            }
            c->NotifyGeometry();
        }
    }
}

void TControl::SetColor(TColor value)
{
    SetAndNotify(this, &TControl::ColorChanged, color_, value, [this] {
        if (!propagating_)
            SetAndNotify(this, &TControl::ParentColorChanged, parentColor_, false);
        AfterColorChange();
        PropagateParentFontAndColor();
    });
}

void TControl::SetParentColor(bool value)
{
    SetAndNotify(this, &TControl::ParentColorChanged, parentColor_, value, [this] {
        if (parentColor_)
            if (auto* p = ParentControl()) {
                propagating_ = true;
                SetColor(p->Color());
                propagating_ = false;
            }
    });
}

void TControl::SetParentFont(bool value)
{
    SetAndNotify(this, &TControl::ParentFontChanged, parentFont_, value, [this] {
        if (parentFont_)
            if (auto* p = ParentControl()) {
                propagating_ = true;
                font_->Assign(*p->Font());
                propagating_ = false;
            }
    });
}

void TControl::PropagateParentFontAndColor()
{
    for (QObject* o : children()) {
        auto* c = qobject_cast<TControl*>(o);
        if (!c || c->isWindow())
            continue;
        c->propagating_ = true;
        if (c->parentFont_)
            c->font_->Assign(*font_);
        if (c->parentColor_)
            c->SetColor(color_);
        c->propagating_ = false;
    }
}

void TControl::SetEnabled(bool value)
{
    if (value == isEnabled())
        return;
    setEnabled(value);
}

void TControl::SetVisible(bool value)
{
    const bool changed = value != visible_;
    visible_ = value;
    // A top-level window is shown by its owner, not by the property.
    if (!(isWindow() && !testAttribute(Qt::WA_WState_Created) && state_.testFlag(csLoading)))
        setVisible(value);
    if (changed)
        emit VisibleChanged();
}

void TControl::SetTabStop(bool value)
{
    const bool changed = value != tabStop_;
    tabStop_ = value;
    setFocusPolicy(value ? Qt::StrongFocus : (focusPolicy() == Qt::StrongFocus ? Qt::ClickFocus : focusPolicy()));
    if (changed)
        emit TabStopChanged();
}

void TControl::SetTabOrder(int value)
{
    SetAndNotify(this, &TControl::TabOrderChanged, tabOrder_, value);
}

void TControl::SetHint(const QString& value)
{
    if (value == toolTip())
        return;
    setToolTip(value);
    emit HintChanged();
}

void TControl::SetCursor(TCursor value)
{
    SetAndNotify(this, &TControl::CursorChanged, cursor_, value, [this] { setCursor(Screen::QtCursorShape(cursor_)); });
}

void TControl::SetTag(int value)
{
    SetAndNotify(this, &TControl::TagChanged, tag_, value);
}

void TControl::SetShowHint(bool value)
{
    if (value == showHint_)
        return;
    showHint_ = value;
    emit ShowHintChanged();
    if (parentShowHint_) {
        parentShowHint_ = false;
        emit ParentShowHintChanged();
    }
    PropagateShowHint();
}

void TControl::SetParentShowHint(bool value)
{
    if (value == parentShowHint_)
        return;
    parentShowHint_ = value;
    emit ParentShowHintChanged();
    if (value)
        FollowParentShowHint();
}

void TControl::FollowParentShowHint()
{
    auto* p = ParentControl();
    if (!p || p->showHint_ == showHint_)
        return;
    showHint_ = p->showHint_;
    emit ShowHintChanged();
    PropagateShowHint();
}

void TControl::PropagateShowHint()
{
    for (QObject* o : children())
        if (auto* c = qobject_cast<TControl*>(o); c && c->parentShowHint_ && !c->isWindow())
            c->FollowParentShowHint();
}

void TControl::SetPopupMenu(TPopupMenu* value)
{
    if (value == popupMenu_)
        return;
    popupMenu_ = value;
    emit PopupMenuChanged();
}

void TControl::SetDragMode(TDragMode value)
{
    if (value == dragMode_)
        return;
    dragMode_ = value;
    emit DragModeChanged();
}

void TControl::SetDragCursor(TCursor value)
{
    if (value == dragCursor_)
        return;
    dragCursor_ = value;
    emit DragCursorChanged();
}

void TControl::SetDragKind(TDragKind value)
{
    if (value == dragKind_)
        return;
    dragKind_ = value;
    emit DragKindChanged();
}

// ---- drag and drop ---------------------------------------------------------

void TControl::BeginDrag(bool Immediate, int Threshold)
{
    if (TDragOperation::Current())
        return; // one drag at a time
    TDragOperation::Begin(this, dragKind_, lastMouse_, Threshold);
    if (dragKind_ == dkDock)
        emit OnStartDock(this);
    else
        DoStartDrag();
    if (Immediate)
        RunDrag();
}

void TControl::EndDrag()
{
    TDragOperation* drag = TDragOperation::Current();
    if (!drag || drag->Source() != this)
        return;
    if (drag->Pending())
        EndOfDrag(nullptr, lastMouse_);
    else
        QDrag::cancel();
}

bool TControl::Dragging() const
{
    const TDragOperation* drag = TDragOperation::Current();
    return drag && drag->Source() == this;
}

void TControl::RunDrag()
{
    TDragOperation* drag = TDragOperation::Current();
    QPoint at;
    QPointer<TControl> self(this);
    QObject* target = drag->Execute(at);
    if (self)
        EndOfDrag(target, at);
    else
        TDragOperation::Finish();
}

// The drag is over: Target took it (at p in its coordinates), or nobody did.
void TControl::EndOfDrag(QObject* target, QPoint p)
{
    const TDragKind kind = TDragOperation::Current()->Kind();
    TDragOperation::Finish();
    // The button's release went to the drag, not to this control.
    leftDown_ = false;
    if (!target)
        p = QPoint(0, 0);
    if (kind == dkDock)
        emit OnEndDock(this, target, p.x(), p.y());
    else
        DoEndDrag(target, p.x(), p.y());
}

void TControl::DragOver(QObject* Source, int X, int Y, TDragState State, bool& Accept)
{
    Accept = isSignalConnected(QMetaMethod::fromSignal(&TControl::OnDragOver));
    if (Accept)
        emit OnDragOver(this, Source, X, Y, State, Accept);
}

void TControl::DragDrop(QObject* Source, int X, int Y) { emit OnDragDrop(this, Source, X, Y); }
void TControl::DoStartDrag() { emit OnStartDrag(this); }
void TControl::DoEndDrag(QObject* Target, int X, int Y) { emit OnEndDrag(this, Target, X, Y); }

// Asks the control under the pointer; dock drags find no dock site here.
void TControl::AnswerDrag(QDragMoveEvent* event, TDragState state)
{
    TDragOperation* drag = TDragOperation::Carried(event->mimeData());
    if (!drag || !drag->Source() || drag->Kind() != dkDrag || state_.testFlag(csDesigning)) {
        event->ignore();
        return;
    }
    const QPoint p = event->position().toPoint();
    bool accept = false;
    DragOver(drag->Source(), p.x(), p.y(), state, accept);
    drag->Over(this, p, accept);
    // Taken either way, so Qt does not ask the parents: a refusal is an
    // ignored action, as the platform's drag shows and drops it.
    event->accept();
    event->setDropAction(accept ? Qt::MoveAction : Qt::IgnoreAction);
}

void TControl::dragEnterEvent(QDragEnterEvent* event) { AnswerDrag(event, dsDragEnter); }
void TControl::dragMoveEvent(QDragMoveEvent* event) { AnswerDrag(event, dsDragMove); }

void TControl::dragLeaveEvent(QDragLeaveEvent* event)
{
    TDragOperation* drag = TDragOperation::Current();
    if (!drag || drag->Target() != this)
        return;
    bool accept = false;
    const QPoint p = drag->LastPoint();
    if (drag->Source())
        DragOver(drag->Source(), p.x(), p.y(), dsDragLeave, accept);
    drag->Left(this);
    event->accept();
}

void TControl::dropEvent(QDropEvent* event)
{
    TDragOperation* drag = TDragOperation::Carried(event->mimeData());
    if (!drag || !drag->Source() || drag->Target() != this || !drag->Accepted()) {
        event->ignore();
        return;
    }
    const QPoint p = event->position().toPoint();
    drag->Over(this, p, true);
    event->setDropAction(Qt::MoveAction);
    event->accept();
    DragDrop(drag->Source(), p.x(), p.y());
}

// ---- popup menu ------------------------------------------------------------

void TControl::DoContextPopup(QPoint MousePos, bool& Handled) { emit OnContextPopup(this, MousePos, Handled); }

void TControl::contextMenuEvent(QContextMenuEvent* event)
{
    if (state_.testFlag(csDesigning)) {
        event->ignore();
        return;
    }
    const bool byKey = event->reason() == QContextMenuEvent::Keyboard;
    bool handled = false;
    DoContextPopup(byKey ? QPoint(-1, -1) : event->pos(), handled);
    if (handled)
        return;
    // A control without a menu leaves the click to its parent, as the platform does.
    TPopupMenu* menu = popupMenu_.data();
    if (!menu || !menu->AutoPopup()) {
        event->ignore();
        return;
    }
    const QPoint at = byKey ? mapToGlobal(QPoint(0, 0)) : event->globalPos();
    menu->SetPopupComponent(this);
    menu->Popup(at.x(), at.y());
}

void TControl::EndLoading()
{
    state_ &= ~TComponentState(csLoading);
    Loaded();
}

void TControl::SetDesigning(bool value)
{
    if (value)
        state_ |= csDesigning;
    else
        state_ &= ~TComponentState(csDesigning);
    // A design tool handles drops on the controls it places.
    setAcceptDrops(!value);
}

bool TControl::CanFocus() const { return focusPolicy() != Qt::NoFocus && isEnabled() && isVisible(); }

void TControl::SetFocus() { setFocus(Qt::OtherFocusReason); }

TCanvas& TControl::Canvas()
{
    if (buffer_.Width() != width() || buffer_.Height() != height())
        buffer_.SetSize(width(), height());
    return buffer_.Canvas();
}

const QImage& TControl::PaintToImage()
{
    Canvas();
    Paint();
    return buffer_.Image();
}

void TControl::CaptureParentBackground(TBitmap& target)
{
    target.SetSize(width(), height());
    QWidget* p = parentWidget();
    if (!p) {
        target.Canvas().Brush.Color = color_;
        target.Canvas().Brush.Style = bsSolid;
        target.Canvas().FillRect(ClientRect());
        return;
    }
    // While the parent renders, this control draws nothing, so what lies
    // behind it is what gets captured.
    capturing_ = true;
    target.Image().fill(ColorToQColor(clBtnFace));
    QPainter painter(&target.Image());
    p->render(&painter, QPoint(0, 0), QRegion(geometry()), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    capturing_ = false;
}

void TControl::Paint()
{
    TCanvas& c = Canvas();
    c.Brush.Color = color_;
    c.Brush.Style = bsSolid;
    c.FillRect(ClientRect());
}

void TControl::paintEvent(QPaintEvent* event)
{
    if (capturing_ || width() <= 0 || height() <= 0)
        return;
    Canvas();
    Paint();
    // Only what Qt asked for goes to the screen: a control that changed in
    // one corner is not copied whole.
    QPainter p(this);
    WindowShape::ClipToShape(p, this);
    const QRect r = event->rect();
    p.drawImage(r.topLeft(), buffer_.Image(), r);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    emit OnMouseDown(this, Button, Shift, X, Y);
}
void TControl::MouseMove(TShiftState Shift, int X, int Y) { emit OnMouseMove(this, Shift, X, Y); }
void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    emit OnMouseUp(this, Button, Shift, X, Y);
}
void TControl::Click() { emit OnClick(this); }
void TControl::DblClick() { emit OnDblClick(this); }
void TControl::KeyDown(uint16_t& Key, TShiftState Shift) { emit OnKeyDown(this, Key, Shift); }
void TControl::KeyUp(uint16_t& Key, TShiftState Shift) { emit OnKeyUp(this, Key, Shift); }
void TControl::KeyPress(QChar& Key) { emit OnKeyPress(this, Key); }
void TControl::DoEnter() { emit OnEnter(this); }
void TControl::DoExit() { emit OnExit(this); }
void TControl::MouseEnter() { emit OnMouseEnter(this); }
void TControl::MouseLeave() { emit OnMouseLeave(this); }
void TControl::Resize() { emit OnResize(this); }

QPoint TControl::ConfinedPosition(QMouseEvent* event)
{
    QPoint local = event->position().toPoint();
    const auto clip = Screen::CursorClip();
    if (!clip)
        return local;
    const QPoint global = mapToGlobal(local);
    const QPoint clamped(std::clamp(global.x(), clip->Left, clip->Right - 1),
                         std::clamp(global.y(), clip->Top, clip->Bottom - 1));
    if (clamped != global)
        Screen::SetCursorPos(clamped);
    return mapFromGlobal(clamped);
}

void TControl::mousePressEvent(QMouseEvent* event)
{
    TMouseButton b;
    if (!ButtonFrom(event->button(), b))
        return;
    if (focusPolicy() != Qt::NoFocus && !hasFocus())
        setFocus(Qt::MouseFocusReason);
    if (b == mbLeft)
        leftDown_ = true;
    const QPoint p = ConfinedPosition(event);
    lastMouse_ = p;
    // An automatic drag takes the press: the control sees no mouse-down.
    if (b == mbLeft && dragMode_ == dmAutomatic && !state_.testFlag(csDesigning)) {
        BeginDrag(false);
        return;
    }
    MouseDown(b, ShiftFrom(event->modifiers(), event->buttons()), p.x(), p.y());
    AfterInput();
}

void TControl::PressAndRelease(QPoint at)
{
    const QPointF local(at);
    const QPointF global(mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    mousePressEvent(&press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    mouseReleaseEvent(&release);
}

void TControl::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = ConfinedPosition(event);
    lastMouse_ = p;
    if (Dragging()) {
        if ((event->buttons() & Qt::LeftButton) && TDragOperation::Current()->Pending() &&
            TDragOperation::Current()->PastThreshold(p))
            RunDrag();
        return;
    }
    MouseMove(ShiftFrom(event->modifiers(), event->buttons()), p.x(), p.y());
    AfterInput();
}

void TControl::mouseReleaseEvent(QMouseEvent* event)
{
    TMouseButton b;
    if (!ButtonFrom(event->button(), b))
        return;
    const QPoint p = ConfinedPosition(event);
    lastMouse_ = p;
    // Released before the pointer moved far enough: the drag ends without a target.
    if (b == mbLeft && Dragging()) {
        EndOfDrag(nullptr, p);
        return;
    }
    const bool click = b == mbLeft && leftDown_ && rect().contains(p);
    if (b == mbLeft)
        leftDown_ = false;
    // Click comes before the release, as the classic platform orders them.
    if (click)
        Click();
    MouseUp(b, ShiftFrom(event->modifiers(), event->buttons()), p.x(), p.y());
    AfterInput();
}

void TControl::mouseDoubleClickEvent(QMouseEvent* event)
{
    DblClick();
    // The second press of a double click is also a press.
    TMouseButton b;
    if (!ButtonFrom(event->button(), b))
        return;
    if (b == mbLeft)
        leftDown_ = true;
    const QPoint p = ConfinedPosition(event);
    MouseDown(b, ShiftFrom(event->modifiers(), event->buttons()) | ssDouble, p.x(), p.y());
    AfterInput();
}

void TControl::keyPressEvent(QKeyEvent* event)
{
    uint16_t key = VirtualKey(event);
    if (key == 0 && event->text().isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (key != 0)
        KeyDown(key, ShiftFrom(event->modifiers(), Qt::NoButton));
    // The typed character follows the key-down, also when that handler
    // cleared the key (the character was made from the key already), and
    // goes to this control only.
    for (QChar ch : event->text())
        KeyPress(ch);
    if (key == 0)
        event->accept();
    AfterInput();
}

void TControl::keyReleaseEvent(QKeyEvent* event)
{
    uint16_t key = VirtualKey(event);
    if (key == 0) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    KeyUp(key, ShiftFrom(event->modifiers(), Qt::NoButton));
    AfterInput();
}

void TControl::focusInEvent(QFocusEvent*) { DoEnter(); }
void TControl::focusOutEvent(QFocusEvent*) { DoExit(); }
void TControl::enterEvent(QEnterEvent*) { MouseEnter(); }
void TControl::leaveEvent(QEvent*) { MouseLeave(); }

void TControl::resizeEvent(QResizeEvent*)
{
    ApplyAlign();
    NotifyGeometry();
    Resize();
}

void TControl::moveEvent(QMoveEvent*)
{
    NotifyGeometry();
}

void TControl::connectNotify(const QMetaMethod& signal)
{
    // A subclass may size itself with Qt's own calls while hidden, which
    // report nothing until it is shown: the first observer starts from the
    // geometry it can read now.
    static const QMetaMethod geometrySignals[]
        = { QMetaMethod::fromSignal(&TControl::LeftChanged), QMetaMethod::fromSignal(&TControl::TopChanged),
              QMetaMethod::fromSignal(&TControl::WidthChanged), QMetaMethod::fromSignal(&TControl::HeightChanged) };
    if (!geometryObserved_
        && std::find(std::begin(geometrySignals), std::end(geometrySignals), signal) != std::end(geometrySignals)) {
        geometryObserved_ = true;
        notifiedGeometry_ = geometry();
    }
    QWidget::connectNotify(signal);
}

void TControl::changeEvent(QEvent* event)
{
    // Qt sends this to the control and to each of its children whose
    // enabled state follows, so a parent's change is reported too.
    if (event->type() == QEvent::EnabledChange) {
        AfterEnabledChange();
        // A control may publish its own Enabled (which ignores the parent's).
        const bool now = property("Enabled").toBool();
        if (std::exchange(notifiedEnabled_, now) != now)
            emit EnabledChanged();
    }
    QWidget::changeEvent(event);
}

bool TControl::event(QEvent* event)
{
    if (event->type() == QEvent::ParentChange) {
        if (auto* p = ParentControl()) {
            propagating_ = true;
            if (parentFont_)
                font_->Assign(*p->Font());
            if (parentColor_)
                SetColor(p->Color());
            propagating_ = false;
            if (parentShowHint_)
                FollowParentShowHint();
        }
    }
    // Hints show only while ShowHint holds; otherwise the parent's hint, if
    // it shows one, is shown, as the platform looks for the hint up the parents.
    if (event->type() == QEvent::ToolTip && !showHint_) {
        event->ignore();
        return false;
    }
    // Handler exceptions are shown here, before they could unwind through
    // Qt's own dispatch code.
    try {
        return QWidget::event(event);
    } catch (const std::exception& e) {
        TApplication::HandleException(e);
        return true;
    }
}

TGraphicControl::TGraphicControl(QWidget* parent) : TControl(parent) { setFocusPolicy(Qt::NoFocus); }

TCustomControl::TCustomControl(QWidget* parent) : TControl(parent) { setFocusPolicy(Qt::ClickFocus); }
