#pragma once
// TVrBlinkLed: the LED as placed on windows, with its published properties
// and their streaming defaults.

#include "widgets/VrCustomBlinkLed.h"

class TVrBlinkLed : public TVrCustomBlinkLed {
    Q_OBJECT
    Q_PROPERTY(TVrPalette* Palette1 READ Palette1 WRITE SetPalette1 NOTIFY Palette1Changed)
    Q_PROPERTY(TVrPalette* Palette2 READ Palette2 WRITE SetPalette2 NOTIFY Palette2Changed)
    Q_PROPERTY(TVrPalette* Palette3 READ Palette3 WRITE SetPalette3 NOTIFY Palette3Changed)
    Q_PROPERTY(TVrPalette* Palette4 READ Palette4 WRITE SetPalette4 NOTIFY Palette4Changed)
    Q_PROPERTY(TVrCustomBlinkLed::TVrBlinkLedType BlinkLedType READ BlinkLedType WRITE SetBlinkLedType NOTIFY
            BlinkLedTypeChanged)
    Q_CLASSINFO("default:BlinkLedType", "ltRounded")
    Q_PROPERTY(TVrCustomBlinkLed::TVrImageTextLayout Layout READ Layout WRITE SetLayout NOTIFY LayoutChanged)
    Q_CLASSINFO("default:Layout", "ImageLeft")
    Q_PROPERTY(int Margin READ Margin WRITE SetMargin NOTIFY MarginChanged)
    Q_CLASSINFO("default:Margin", "2")
    Q_PROPERTY(int Spacing READ Spacing WRITE SetSpacing NOTIFY SpacingChanged)
    Q_CLASSINFO("default:Spacing", "3")
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent NOTIFY TransparentChanged)
    Q_CLASSINFO("default:Transparent", "True")
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption NOTIFY CaptionChanged)
    Q_PROPERTY(fw::TCursor DragCursor READ DragCursor WRITE SetDragCursor NOTIFY DragCursorChanged)
    Q_PROPERTY(fw::TDragKind DragKind READ DragKind WRITE SetDragKind NOTIFY DragKindChanged)
    Q_PROPERTY(fw::TDragMode DragMode READ DragMode WRITE SetDragMode NOTIFY DragModeChanged)
    Q_PROPERTY(bool ParentShowHint READ ParentShowHint WRITE SetParentShowHint NOTIFY ParentShowHintChanged)
    Q_PROPERTY(TPopupMenu* PopupMenu READ PopupMenu WRITE SetPopupMenu NOTIFY PopupMenuChanged)
    Q_CLASSINFO("default:Caption", "''")
    Q_CLASSINFO("default:Color", "clMaroon")
    Q_PROPERTY(bool EnableBlinking READ EnableBlinking WRITE SetEnableBlinking NOTIFY EnableBlinkingChanged)
    Q_CLASSINFO("default:EnableBlinking", "False")
    Q_PROPERTY(int BlinkSpeed READ BlinkSpeed WRITE SetBlinkSpeed NOTIFY BlinkSpeedChanged)
    Q_CLASSINFO("default:BlinkSpeed", "500")
    Q_PROPERTY(int ColorIndex READ ColorIndex WRITE SetColorIndex NOTIFY ColorIndexChanged)
    Q_CLASSINFO("default:ColorIndex", "1")

public:
    explicit TVrBlinkLed(QWidget* parent = nullptr) : TVrCustomBlinkLed(parent) {}

signals:
    // Property notifications (see framework/Notify.h).
    void Palette1Changed();
    void Palette2Changed();
    void Palette3Changed();
    void Palette4Changed();
};
