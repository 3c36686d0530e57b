#include "diagram/DiagramButton.h"

#include "framework/Exception.h"
#include "framework/Notify.h"

TDiagramButton::TDiagramButton(QWidget* parent) : TSpeedButton(parent) { glyph2_.Transparent = true; }

void TDiagramButton::SetGlyph2(const QString& name)
{
    const TNotifyOnChange notify(this, &TDiagramButton::Glyph2, &TDiagramButton::Glyph2Changed);
    if (name == glyph2Name_)
        return;
    if (name.isEmpty()) {
        glyph2_.Assign(QImage());
    } else {
        TBitmap loaded;
        if (!loaded.LoadFromResourceName(name))
            throw Exception(QStringLiteral("Glyph2 '%1' not found").arg(name));
        glyph2_.Assign(loaded.Image());
    }
    glyph2Name_ = name;
    Invalidate();
}

void TDiagramButton::SetGlyph2(const TBitmap& bitmap)
{
    const TNotifyOnChange notify(this, &TDiagramButton::Glyph2, &TDiagramButton::Glyph2Changed);
    glyph2_.Assign(bitmap);
    glyph2_.Transparent = true;
    glyph2Name_.clear();
    Invalidate();
}

const TBitmap& TDiagramButton::CurrentGlyph() const
{
    return hovering_ ? glyph2_ : TSpeedButton::CurrentGlyph();
}

void TDiagramButton::SetHovering(bool value)
{
    if (value == hovering_)
        return;
    hovering_ = value;
    Invalidate();
}

void TDiagramButton::MouseMove(TShiftState Shift, int X, int Y)
{
    if (X < 0 || Y < 0 || X > Width() || Y > Height()) {
        SetHovering(false);
        return;
    }
    SetHovering(true);
    TSpeedButton::MouseMove(Shift, X, Y);
}

void TDiagramButton::Click()
{
    TSpeedButton::Click();
    SetHovering(false);
}
