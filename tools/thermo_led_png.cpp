// Renders the demo thermometer and the front-panel LEDs in their states to
// PNG files in the folder given on the command line, for looking at them.
//   thermo_led_png <output folder>

#include "framework/Application.h"
#include "widgets/VrThermoMeter.h"

#include <QDir>
#include <QTextStream>

namespace {

// The main window's thermometer: 89 x 153, scale 0..50 (steps 10 and 2).
void SetUpDemoThermometer(TvrThermoMeter& t)
{
    t.SetBounds(0, 0, 89, 153);
    t.SetColor(clBtnFace);
    t.SetColorAfter(clBtnFace);
    t.SetCaption(QStringLiteral("vrThermoMeter"));
    t.Font()->SetHeight(-13);
    TvrThermoMeterScale* s = t.Scale();
    s->SetColor(clBlack);
    s->SetOffset(20);
    s->SetHeightMax(14);
    s->SetHeightMin(8);
    s->SetMax(50);
    s->SetMin(0);
    s->SetStep(10);
    s->SetSmallStep(2);
    for (TVrLiniarIndicator* m : {t.SetPoint(), t.PeakMin(), t.PeakMax(), t.Value()})
        m->SetVisible(false);
    t.Value()->SetShape(TVrLiniarIndicator::voLine);
    t.Value()->SetColor(clAqua);
    t.Value()->SetValue(23.9);
}

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
    SetUpDemoThermometer(demo);
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

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: thermo_led_png <output folder>\n";
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(dir.path())) {
        QTextStream(stderr) << "cannot create " << dir.path() << "\n";
        return 1;
    }
    return RenderThermometers(dir) ? 0 : 1;
}
