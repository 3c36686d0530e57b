// Renders the demo thermometer and the front-panel LEDs in their states to
// PNG files in the folder given on the command line, for looking at them.
//   thermo_led_png <output folder>

#include "PictureOutput.h"
#include "framework/Application.h"
#include "tests/support/DemoState.h"
#include "widgets/VrBlinkLed.h"
#include "widgets/VrThermoMeter.h"

#include <QPainter>

#include <QDir>
#include <QTextStream>

namespace {

bool Save(const QImage& image, const QDir& dir, const QString& name, int zoom)
{
    const QImage big = image.scaled(image.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QString path = dir.filePath(name);
    if (!big.save(path)) {
        QTextStream(stderr) << "cannot write " << path << "\n";
        return false;
    }
    return true;
}

bool RenderThermometers(const QDir& dir)
{
    TvrThermoMeter demo;
    ApplyDemoState(demo);
    demo.Value()->SetValue(23.9);
    bool ok = Save(demo.PaintToImage(), dir, QStringLiteral("thermometer_demo.png"), 3);

    TvrThermoMeter designed;
    designed.ApplyDesignPresets();
    designed.Value()->SetValue(120);
    for (TVrLiniarIndicator* m : {designed.SetPoint(), designed.Value()})
        m->SetVisible(true);
    designed.SetShowCaption(true);
    designed.SetCaption(QStringLiteral("Designed"));
    ok &= Save(designed.PaintToImage(), dir, QStringLiteral("thermometer_design_presets.png"), 2);

    designed.Scale()->SetPosition(TvrThermoMeterScale::voBefore);
    ok &= Save(designed.PaintToImage(), dir, QStringLiteral("thermometer_before.png"), 2);

    designed.SetDirection(TvrThermoMeter::voHorizontal);
    ok &= Save(designed.PaintToImage(), dir, QStringLiteral("thermometer_horizontal_before.png"), 2);
    designed.Scale()->SetPosition(TvrThermoMeterScale::voAfter);
    ok &= Save(designed.PaintToImage(), dir, QStringLiteral("thermometer_horizontal_after.png"), 2);

    TvrThermoMeter log;
    log.Scale()->SetMin(1);
    log.Scale()->SetMax(1000);
    log.Scale()->SetScaleType(TvrThermoMeterScale::voLogarithmic);
    log.Scale()->SetStep(100);
    log.Scale()->SetSmallStep(50);
    log.Scale()->SetOffset(15);
    log.Value()->SetValue(100);
    ok &= Save(log.PaintToImage(), dir, QStringLiteral("thermometer_logarithmic.png"), 2);
    return ok;
}

// A front-panel LED: 20 x 16 rectangle, margin 2, spacing 3, white on maroon,
// blinking every 200 ms, palettes of a setpoint key or of an alarm key.
void SetUpPanelLed(TVrBlinkLed& led, bool alarmKey)
{
    led.SetBlinkLedType(TVrBlinkLed::ltRectangle);
    led.SetBounds(led.Left(), led.Top(), 20, 16);
    led.SetBlinkSpeed(200);
    led.Palette1()->SetLow(clWhite);
    led.Palette1()->SetHigh(alarmKey ? clRed : clLime);
    led.Palette2()->SetLow(clWhite);
    led.Palette2()->SetHigh(clWhite);
    led.Palette3()->SetLow(alarmKey ? clRed : clWhite);
    led.Palette3()->SetHigh(alarmKey ? clRed : clWhite);
    led.Palette4()->SetLow(clBlack);
    led.Palette4()->SetHigh(clLime);
    led.SetColorIndex(2);
}

// The LEDs on a light-blue panel, so that their transparent corners show it:
// off, selected (both blink phases) and alarm, for a setpoint and an alarm key.
bool RenderPanelLeds(const QDir& dir)
{
    TControl panel;
    panel.SetBounds(0, 0, 6 * 24 + 4, 2 * 20 + 4);
    panel.SetColor(RGB(0xB4, 0xDC, 0xF0));
    for (int row = 0; row < 2; ++row) {
        const bool alarmKey = row == 1;
        for (int col = 0; col < 6; ++col) {
            auto* led = new TVrBlinkLed(&panel);
            led->SetLeft(4 + col * 24);
            led->SetTop(4 + row * 20);
            SetUpPanelLed(*led, alarmKey);
            if (col == 1 || col == 2) {
                led->SetColorIndex(1);
                led->SetEnableBlinking(true);
                if (col == 2)
                    led->TimerEvent(nullptr); // the lit phase
            }
            if (col == 3)
                led->SetColorIndex(3);
            if (col == 4)
                led->SetColorIndex(4);
            if (col == 5)
                led->SetCaption(QStringLiteral("x"));
        }
    }
    panel.show();
    return Save(panel.grab().toImage(), dir, QStringLiteral("leds_front_panel.png"), 4);
}

// Every lamp type in every layout, with a caption, margin and spacing -1 in the last column.
bool RenderLedLayouts(const QDir& dir)
{
    const int cellW = 90, cellH = 44;
    QImage sheet(4 * cellW, 3 * cellH, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    const TVrBlinkLed::TVrBlinkLedType types[] = {TVrBlinkLed::ltRounded, TVrBlinkLed::ltRectangle,
                                                   TVrBlinkLed::ltLargeRect};
    const TVrBlinkLed::TVrImageTextLayout layouts[] = {TVrBlinkLed::ImageLeft, TVrBlinkLed::ImageRight,
                                                        TVrBlinkLed::ImageTop, TVrBlinkLed::ImageBottom};
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col) {
            TVrBlinkLed led;
            led.SetTransparent(false);
            led.SetBounds(0, 0, cellW - 4, cellH - 4);
            led.SetBlinkLedType(types[row]);
            led.SetLayout(layouts[col]);
            led.SetCaption(QStringLiteral("Led"));
            led.SetColorIndex(1 + (row + col) % 4);
            if (col == 3) {
                led.SetMargin(-1);
                led.SetSpacing(-1);
            }
            p.drawImage(col * cellW + 2, row * cellH + 2, led.PaintToImage());
        }
    p.end();
    return Save(sheet, dir, QStringLiteral("leds_layouts.png"), 2);
}

} // namespace

int main(int argc, char** argv)
{
    QDir dir;
    if (const int failed = OpenOutputFolder(argc, argv, dir))
        return failed;
    TApplication app(argc, argv);
    const bool ok = RenderThermometers(dir) & RenderPanelLeds(dir) & RenderLedLayouts(dir);
    return ok ? 0 : 1;
}
