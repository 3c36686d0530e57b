#include "framework/Control.h"

#include "framework/AccessibleControl.h"
#include "framework/Application.h"
#include "framework/ControlDrag.h"
#include "framework/ControlInput.h"
#include "framework/Notify.h"
#include "framework/DragOperation.h"
#include "framework/Screen.h"
#include "framework/WindowShape.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

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

void TControl::SetDragMode(TDragMode value) { SetAndNotify(this, &TControl::DragModeChanged, dragMode_, value); }
void TControl::SetDragCursor(TCursor value) { SetAndNotify(this, &TControl::DragCursorChanged, dragCursor_, value); }
void TControl::SetDragKind(TDragKind value) { SetAndNotify(this, &TControl::DragKindChanged, dragKind_, value); }

// ---- drag and drop ---------------------------------------------------------

void TControl::BeginDrag(bool Immediate, int Threshold) { TControlDrag::Begin(*this, Immediate, Threshold); }
void TControl::EndDrag() { TControlDrag::End(*this); }

bool TControl::Dragging() const
{
    const TDragOperation* drag = TDragOperation::Current();
    return drag && drag->Source() == this;
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

void TControl::dragEnterEvent(QDragEnterEvent* event) { TControlDrag::Answer(*this, event, dsDragEnter); }
void TControl::dragMoveEvent(QDragMoveEvent* event) { TControlDrag::Answer(*this, event, dsDragMove); }
void TControl::dragLeaveEvent(QDragLeaveEvent* event) { TControlDrag::Leave(*this, event); }
void TControl::dropEvent(QDropEvent* event) { TControlDrag::Drop(*this, event); }

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

const QImage* TControl::ScreenPicture()
{
    if (capturing_ || width() <= 0 || height() <= 0 || !window()->mask().isEmpty())
        return nullptr;
    return &PaintToImage();
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

void TControl::PressAndRelease(QPoint at)
{
    const QPointF local(at);
    const QPointF global(mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    mousePressEvent(&press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    mouseReleaseEvent(&release);
}

void TControl::mousePressEvent(QMouseEvent* event) { TControlInput::Press(*this, event); }
void TControl::mouseMoveEvent(QMouseEvent* event) { TControlInput::Move(*this, event); }
void TControl::mouseReleaseEvent(QMouseEvent* event) { TControlInput::Release(*this, event); }
void TControl::mouseDoubleClickEvent(QMouseEvent* event) { TControlInput::DoubleClick(*this, event); }

void TControl::keyPressEvent(QKeyEvent* event)
{
    if (!TControlInput::KeyPress(*this, event))
        QWidget::keyPressEvent(event);
}

void TControl::keyReleaseEvent(QKeyEvent* event)
{
    if (!TControlInput::KeyRelease(*this, event))
        QWidget::keyReleaseEvent(event);
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
