// Renders the round spin control and the seven-segment display in the demo's
// configurations to PNG files, for looking at them:
//   spin_lcd_png <folder>
#include "PictureOutput.h"
#include "framework/Application.h"
#include "widgets/GSpin.h"
#include "widgets/LCD99.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <cstdio>

namespace {

// Exposes the spin's input handlers so that pressed states can be pictured.
class TPictureSpin : public TGSpin {
public:
    using TGSpin::DoEnter;
    using TGSpin::MouseDown;
};

bool Save(const QImage& image, const QDir& dir, const char* name, int scale)
{
    const QString path = dir.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
    const QImage big = image.scaled(image.width() * scale, image.height() * scale, Qt::IgnoreAspectRatio,
                                    Qt::FastTransformation);
    if (!big.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// GSpin1 of the main window: 65 x 100, Speed 10, Value 100, Max 500.
void DemoSpin(TPictureSpin& spin)
{
    spin.SetBounds(296, 40, 65, 100);
    spin.SetSpeed(10);
    spin.SetMax(500);
    spin.SetValue(100);
}

bool SpinPictures(const QDir& dir)
{
    bool ok = true;
    {
        TPictureSpin spin;
        DemoSpin(spin);
        ok &= Save(spin.PaintToImage(), dir, "gspin_released", 4);
        spin.DoEnter();
        ok &= Save(spin.PaintToImage(), dir, "gspin_focused", 4);
        spin.MouseDown(mbLeft, {}, 30, 20);
        ok &= Save(spin.PaintToImage(), dir, "gspin_up_pushed", 4);
    }
    {
        TPictureSpin spin;
        DemoSpin(spin);
        spin.MouseDown(mbLeft, {}, 30, 80);
        ok &= Save(spin.PaintToImage(), dir, "gspin_down_pushed", 4);
    }
    {
        TPictureSpin spin;
        DemoSpin(spin);
        spin.SetAutoDisable(true);
        spin.SetValue(500);
        ok &= Save(spin.PaintToImage(), dir, "gspin_autodisable_at_max", 4);
    }
    {
        TPictureSpin spin;
        ok &= Save(spin.PaintToImage(), dir, "gspin_default_size", 8);
    }
    return ok;
}

// LCD991 of the main window: 121 x 84, black on the button face.
void DemoLcd(TLCD99& lcd)
{
    lcd.SetBounds(168, 48, 121, 84);
    lcd.SetDigitNum(3);
    lcd.SetSegmentSize(9);
    lcd.SetOnColor(clBlack);
    lcd.SetOffColor(clBtnFace);
    lcd.SetColor(clBtnFace);
    lcd.SetAnimation(TLCD99::anDown);
    lcd.SetValue(QStringLiteral("23.9"));
}

// LCD of the front panel: 81 x 33, black on the mid green the panel sets when shown.
void PanelLcd(TLCD99& lcd)
{
    lcd.SetBounds(2, 2, 81, 33);
    lcd.SetDigitNum(3);
    lcd.SetSegmentSize(4);
    lcd.SetGapX(1);
    lcd.SetGapY(1);
    lcd.SetOnColor(clBlack);
    lcd.SetOffColor(0x00C000);
    lcd.SetColor(0x00C000);
    lcd.SetValue(QStringLiteral("23.9"));
}

bool LcdPictures(const QDir& dir)
{
    bool ok = true;
    {
        TLCD99 lcd;
        DemoLcd(lcd);
        ok &= Save(lcd.PaintToImage(), dir, "lcd991_23.9", 4);
        lcd.SetValue(QStringLiteral("-5"));
        ok &= Save(lcd.PaintToImage(), dir, "lcd991_-5", 4);
    }
    {
        TLCD99 lcd;
        PanelLcd(lcd);
        ok &= Save(lcd.PaintToImage(), dir, "panel_lcd_23.9", 6);
    }
    {
        // The component's own look: lime on black, unlit segments in black.
        TLCD99 lcd;
        lcd.SetBounds(0, 0, 200, 60);
        lcd.SetDigitNum(5);
        lcd.SetSegmentSize(5);
        lcd.SetOffColor(0x003000);
        lcd.SetValue(QStringLiteral("12:30"));
        ok &= Save(lcd.PaintToImage(), dir, "lcd_12-30", 3);
        lcd.SetValue(QStringLiteral("AB.CDE"));
        ok &= Save(lcd.PaintToImage(), dir, "lcd_letters", 3);
        lcd.SetDotDisplay(true);
        lcd.SetSegmentSize(4);
        lcd.SetDotSpacing(1);
        lcd.SetValue(QStringLiteral("-8.4:7"));
        ok &= Save(lcd.PaintToImage(), dir, "lcd_dots", 3);
    }
    return ok;
}

// The 24 x 24 component-palette pictures (resources/bitmaps/TGSPIN.png and
// TLCD99.png are made from these).
bool PalettePictures(const QDir& dir)
{
    QImage spinPicture(24, 24, QImage::Format_RGB32);
    spinPicture.fill(ColorToQColor(clBtnFace));
    {
        TGSpin spin;
        spin.SetBounds(0, 0, 16, 24);
        QPainter(&spinPicture).drawImage(4, 0, spin.PaintToImage());
    }
    TLCD99 lcd;
    lcd.SetBounds(0, 0, 24, 24);
    lcd.SetDigitNum(1);
    lcd.SetDigitSpacing(2);
    lcd.SetSegmentSize(3);
    lcd.SetGapX(1);
    lcd.SetGapY(1);
    lcd.SetOffColor(0x004000);
    lcd.SetValue(QStringLiteral("8"));
    return Save(spinPicture, dir, "TGSPIN", 1) && Save(lcd.PaintToImage(), dir, "TLCD99", 1);
}

} // namespace

int main(int argc, char** argv)
{
    QDir dir;
    if (const int failed = OpenOutputFolder(argc, argv, dir))
        return failed;
    TApplication app(argc, argv);
    const bool spins = SpinPictures(dir);
    const bool lcds = LcdPictures(dir);
    const bool palette = PalettePictures(dir);
    return spins && lcds && palette ? 0 : 1;
}
