#include "framework/Form.h"

#include "framework/Application.h"
#include "framework/Notify.h"
#include "framework/StreamReader.h"

#include <QCloseEvent>
#include <QScreen>
#include <QShowEvent>

TForm::TForm(QWidget* parent) : TCustomControl(parent)
{
    SetParentFont(false);
    ApplyWindowFlags();
    // The client size is the control's size.
    connect(this, &TControl::WidthChanged, this, &TForm::ClientWidthChanged);
    connect(this, &TControl::HeightChanged, this, &TForm::ClientHeightChanged);
}

TForm::~TForm()
{
    if (destroyed_)
        return;
    // The derived form is gone already: only receivers other than the form
    // itself may still hear about it.
    QObject::disconnect(this, nullptr, this, nullptr);
    DoDestroy();
}

void TForm::DoDestroy()
{
    if (destroyed_)
        return;
    destroyed_ = true;
    emit OnDestroy(this);
    DetachHandlers();
}

// Controls die after the derived form; their events must no longer reach its slots.
void TForm::DetachHandlers()
{
    for (QObject* o : findChildren<QObject*>())
        QObject::disconnect(o, nullptr, this, nullptr);
}

void TForm::SetCaption(const QString& value)
{
    const TNotifyOnChange notify(this, &TForm::Caption, &TForm::CaptionChanged);
    if (value == windowTitle())
        return;
    setWindowTitle(value);
}

void TForm::SetBorderStyle(TFormBorderStyle value)
{
    SetAndNotify(this, &TForm::BorderStyleChanged, borderStyle_, value, [&] { ApplyWindowFlags(); });
}

void TForm::SetBorderIcons(TBorderIcons value)
{
    SetAndNotify(this, &TForm::BorderIconsChanged, borderIcons_, value, [&] { ApplyWindowFlags(); });
}

void TForm::SetPosition(TPosition value)
{
    SetAndNotify(this, &TForm::PositionChanged, position_, value);
}

void TForm::ApplyWindowFlags()
{
    Qt::WindowFlags flags;
    switch (borderStyle_) {
    case bsNone: flags = Qt::Window | Qt::FramelessWindowHint; break;
    case bsDialog: flags = Qt::Dialog; break;
    case bsToolWindow:
    case bsSizeToolWin: flags = Qt::Tool; break;
    default: flags = Qt::Window; break;
    }
    if (borderStyle_ != bsNone) {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (borderIcons_.testFlag(biSystemMenu))
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (borderIcons_.testFlag(biMinimize))
            flags |= Qt::WindowMinimizeButtonHint;
        if (borderIcons_.testFlag(biMaximize))
            flags |= Qt::WindowMaximizeButtonHint;
        if (borderIcons_.testFlag(biHelp))
            flags |= Qt::WindowContextHelpButtonHint;
    }
    // Changing the flags of a shown window hides it; show it again.
    const bool wasVisible = isVisible();
    setWindowFlags(flags);
    if (wasVisible)
        show();
}

void TForm::LoadFromResource(const QString& path)
{
    TStreamReader::ReadResourceInto(this, path);
    emit OnCreate(this);
}

void TForm::ApplyPosition()
{
    QRect area;
    if (position_ == poScreenCenter || position_ == poDesktopCenter) {
        if (const QScreen* s = screen())
            area = s->availableGeometry();
    } else if (position_ == poMainFormCenter || position_ == poOwnerFormCenter) {
        const QWidget* main = Application() ? Application()->MainForm() : nullptr;
        const QWidget* owner = position_ == poOwnerFormCenter && parentWidget() ? parentWidget()->window() : main;
        if (owner && owner != this)
            area = owner->frameGeometry();
    }
    if (!area.isEmpty())
        move(area.center() - QPoint(width() / 2, height() / 2));
}

void TForm::showEvent(QShowEvent* event)
{
    if (!shownOnce_) {
        shownOnce_ = true;
        ApplyPosition();
    }
    TCustomControl::showEvent(event);
    if (!event->spontaneous())
        emit OnShow(this);
}

void TForm::closeEvent(QCloseEvent* event)
{
    TCloseAction action = caHide;
    emit OnClose(this, action);
    switch (action) {
    case caNone: event->ignore(); return;
    case caMinimize:
        event->ignore();
        showMinimized();
        return;
    case caFree: deleteLater(); break;
    case caHide: break;
    }
    event->accept();
    if (Application() && Application()->MainForm() == this)
        Application()->Terminate();
}
