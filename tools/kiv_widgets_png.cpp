// Renders the fader, the analog meter and the spin button in their states
// (minimum, middle, maximum, focused, pressed, and the scale variants) to PNG
// files, for looking at them:
//   kiv_widgets_png <folder>
#include "PictureOutput.h"
#include "framework/Application.h"
#include "widgets/AnalogMeter.h"
#include "widgets/GFader.h"
#include "widgets/KivSpinButton.h"
#include "widgets/TimerSpeedButton.h"

#include <QCoreApplication>
#include <QDir>
#include <QMouseEvent>
#include <QImage>
#include <cstdio>
#include <functional>

namespace {

// Exposes the input handlers so that focused and pressed states can be pictured.
class TPictureFader : public TGFader {
public:
    using TGFader::DoEnter;
    using TGFader::MouseDown;
};

class TPictureSpinButton : public TKivSpinButton {
public:
    using TKivSpinButton::DoEnter;
};

// Holds the left button down on a button, as the user does.
void PressButton(QWidget* button)
{
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), button->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(button, &press);
}

bool Save(const QImage& image, const QDir& dir, const QString& name, int scale)
{
    const QString path = dir.filePath(name + QStringLiteral(".png"));
    const QImage big = image.scaled(image.width() * scale, image.height() * scale, Qt::IgnoreAspectRatio,
                                    Qt::FastTransformation);
    if (!big.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

bool FaderPicture(const QDir& dir, const QString& name, const std::function<void(TPictureFader&)>& setUp)
{
    TPictureFader fader;
    setUp(fader);
    return Save(fader.PaintToImage(), dir, name, 4);
}

bool FaderPictures(const QDir& dir)
{
    bool ok = true;
    ok &= FaderPicture(dir, "fader_min", [](TPictureFader& f) { f.SetValue(0); });
    ok &= FaderPicture(dir, "fader_middle", [](TPictureFader&) {});
    ok &= FaderPicture(dir, "fader_max", [](TPictureFader& f) { f.SetValue(100); });
    ok &= FaderPicture(dir, "fader_focused", [](TPictureFader& f) { f.DoEnter(); });
    ok &= FaderPicture(dir, "fader_pressed", [](TPictureFader& f) {
        f.SetPushMode(TGFader::pmMark);
        f.MouseDown(mbLeft, {}, f.GetHeadX() + 5, f.GetHeadY() + 5);
    });
    ok &= FaderPicture(dir, "fader_ramp", [](TPictureFader& f) { f.SetMarkType(TGFader::mtRamp); });
    ok &= FaderPicture(dir, "fader_steps", [](TPictureFader& f) { f.SetMarkType(TGFader::mtStepRamp); });
    ok &= FaderPicture(dir, "fader_top_reverse", [](TPictureFader& f) {
        f.SetFaderPlace(true);
        f.SetMarksReverse(true);
        f.SetFaderSize(TGFader::fsBigSize);
    });
    ok &= FaderPicture(dir, "fader_vertical", [](TPictureFader& f) {
        f.SetFaderKind(TGFader::fkVertical);
        f.SetValue(70);
    });
    ok &= FaderPicture(dir, "fader_vertical_steps_left", [](TPictureFader& f) {
        f.SetFaderKind(TGFader::fkVertical);
        f.SetFaderPlace(true);
        f.SetMarkType(TGFader::mtStepRamp);
        f.SetValue(20);
    });
    ok &= FaderPicture(dir, "fader_vertical_ramp", [](TPictureFader& f) {
        f.SetFaderKind(TGFader::fkVertical);
        f.SetMarkType(TGFader::mtRamp);
        f.SetRampReverse(true);
    });
    return ok;
}

bool MeterPicture(const QDir& dir, const QString& name, const std::function<void(TAnalogMeter&)>& setUp)
{
    TAnalogMeter meter;
    meter.SetUnitValue(QStringLiteral("°C"));
    setUp(meter);
    return Save(meter.PaintToImage(), dir, name, 3);
}

bool MeterPictures(const QDir& dir)
{
    bool ok = true;
    ok &= MeterPicture(dir, "meter_min", [](TAnalogMeter&) {});
    ok &= MeterPicture(dir, "meter_middle", [](TAnalogMeter& m) { m.SetPosition(50); });
    ok &= MeterPicture(dir, "meter_max", [](TAnalogMeter& m) { m.SetPosition(100); });
    ok &= MeterPicture(dir, "meter_minor_ticks", [](TAnalogMeter& m) {
        m.SetMajorTicks(5);
        m.SetMinorTicks(4);
        m.SetPosition(235);
        m.SetMaxPosition(400);
        m.SetPosition(235);
    });
    ok &= MeterPicture(dir, "meter_negative", [](TAnalogMeter& m) {
        m.SetBounds(0, 0, 160, 160);
        m.SetMinPosition(-200);
        m.SetMaxPosition(200);
        m.SetValueDecimals(0);
        m.SetPosition(-75);
    });
    return ok;
}

bool SpinButtonPictures(const QDir& dir)
{
    bool ok = true;
    {
        TPictureSpinButton spin;
        ok &= Save(spin.grab().toImage(), dir, "spinbutton_released", 6);
        spin.SetTabStop(true);
        spin.DoEnter();
        ok &= Save(spin.grab().toImage(), dir, "spinbutton_focused", 6);
    }
    {
        TPictureSpinButton spin;
        PressButton(spin.UpButton());
        ok &= Save(spin.grab().toImage(), dir, "spinbutton_up_pressed", 6);
    }
    {
        TPictureSpinButton spin;
        spin.SetBounds(0, 0, 30, 60);
        PressButton(spin.DownButton());
        ok &= Save(spin.grab().toImage(), dir, "spinbutton_30x60_down_pressed", 6);
    }
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    QDir dir;
    if (const int failed = OpenOutputFolder(argc, argv, dir))
        return failed;
    TApplication app(argc, argv);
    const bool faders = FaderPictures(dir);
    const bool meters = MeterPictures(dir);
    const bool spins = SpinButtonPictures(dir);
    return faders && meters && spins ? 0 : 1;
}
