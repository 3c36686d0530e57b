#pragma once
// TVrCustomBlinkLed: an LED lamp (round, rectangular or large rectangular)
// with an optional caption beside it. Its colour comes from one of four
// two-colour palettes; a timer can make it blink between the two colours.
// TVrBlinkLed publishes the properties.

#include "widgets/VrGraphicImageControl.h"
#include "widgets/VrPalette.h"

#include "framework/Timer.h"

class TVrCustomBlinkLed : public TVrGraphicImageControl {
    Q_OBJECT

public:
    enum TVrBlinkLedType { ltRounded, ltRectangle, ltLargeRect };
    Q_ENUM(TVrBlinkLedType)
    // Where the lamp sits relative to the caption.
    enum TVrImageTextLayout { ImageLeft, ImageRight, ImageTop, ImageBottom };
    Q_ENUM(TVrImageTextLayout)

    explicit TVrCustomBlinkLed(QWidget* parent = nullptr);

    TVrPalette* Palette1() const { return palettes_[0]; }
    TVrPalette* Palette2() const { return palettes_[1]; }
    TVrPalette* Palette3() const { return palettes_[2]; }
    TVrPalette* Palette4() const { return palettes_[3]; }
    // The setters copy the colours; the LED keeps its own palettes.
    void SetPalette1(TVrPalette* value) { CopyPalette(0, value); }
    void SetPalette2(TVrPalette* value) { CopyPalette(1, value); }
    void SetPalette3(TVrPalette* value) { CopyPalette(2, value); }
    void SetPalette4(TVrPalette* value) { CopyPalette(3, value); }

    TVrBlinkLedType BlinkLedType() const { return blinkLedType_; }
    void SetBlinkLedType(TVrBlinkLedType value);
    TVrImageTextLayout Layout() const { return layout_; }
    void SetLayout(TVrImageTextLayout value);
    // -1 centres the lamp and caption as a group.
    int Margin() const { return margin_; }
    void SetMargin(int value);
    // Gap between lamp and caption; -1 spreads them evenly.
    int Spacing() const { return spacing_; }
    void SetSpacing(int value);
    bool EnableBlinking() const { return enableBlinking_; }
    // Starts or stops the blink timer; the LED keeps the colour it shows.
    void SetEnableBlinking(bool value);
    int BlinkSpeed() const { return blinkSpeed_; }
    void SetBlinkSpeed(int value);
    int ColorIndex() const { return colorIndex_; }
    // The palette in use, 1 to 4; anything else raises an Exception.
    void SetColorIndex(int value);

    // The colour shown now: the palette's High while unlit, its Low while lit.
    TColor LedColor() const;
    bool Lit() const { return lit_; }
    const TTimer& BlinkTimer() const { return *blinkTimer_; }
    // Lamp and caption rectangles of the last paint.
    TRect LampRect() const { return lampRect_; }
    TRect CaptionRect() const { return captionRect_; }

    // To assistive technology a read-only label: its colour as words, a
    // blinking LED its two colours (so a blink is not a change), and the
    // animated state while it blinks.
    QAccessible::Role AccessibleRole() const override { return QAccessible::StaticText; }
    QString AccessibleKind() const override { return QStringLiteral("LED"); }
    QString AccessibleText() const override;
    QAccessible::State AccessibleState() const override;

signals:
    // Raised at every blink toggle.
    void OnChange(QObject* Sender);
    // Notifications of the properties TVrBlinkLed publishes.
    void BlinkLedTypeChanged();
    void LayoutChanged();
    void MarginChanged();
    void SpacingChanged();
    void EnableBlinkingChanged();
    void BlinkSpeedChanged();
    void ColorIndexChanged();

public slots:
    // The blink timer's tick: toggles between the palette's two colours.
    void TimerEvent(QObject* Sender);

protected:
    void Paint() override;

private:
    void CopyPalette(int index, const TVrPalette* value);
    QSize CaptionExtent();
    QSize LampSize(QSize caption) const;
    void CalcLayout();
    void DrawRoundLamp();
    void DrawRectLamp();
    void DrawCaption();

    TVrPalette* palettes_[4];
    TVrBlinkLedType blinkLedType_ = ltRounded;
    TVrImageTextLayout layout_ = ImageLeft;
    int margin_ = 2;
    int spacing_ = 3;
    bool enableBlinking_ = false;
    int blinkSpeed_ = 500;
    int colorIndex_ = 1;
    bool lit_ = false;
    TRect lampRect_;
    TRect captionRect_;
    TTimer* blinkTimer_;
};
