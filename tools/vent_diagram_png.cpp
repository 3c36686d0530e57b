// Renders the ventilation diagram at the main window's size (489 x 297) in the
// demo's stored state, and in its heating and cooling variants, to PNG files in
// the folder given on the command line, for looking at them.
//   vent_diagram_png <output folder>

#include "PictureOutput.h"
#include "diagram/LvdVentDiagram.h"
#include "framework/Application.h"
#include "tests/support/DemoState.h"

#include <QDir>
#include <QTextStream>

namespace {

bool Save(TLvdVentDiagram& d, const QDir& dir, const QString& name)
{
    const QString path = dir.filePath(name);
    if (!d.PaintToImage().save(path)) {
        QTextStream(stderr) << "cannot write " << path << "\n";
        return false;
    }
    QTextStream(stdout) << path << ": position " << d.VentilatieStand() << "\n";
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QDir dir;
    if (const int failed = OpenOutputFolder(argc, argv, dir))
        return failed;
    TApplication app(argc, argv);
    TLvdVentDiagram d;
    ApplyDemoState(d);
    bool ok = Save(d, dir, QStringLiteral("vent_diagram.png"));
    d.SetOptieKoeling(true);
    d.SetGemetenTemperatuur(228);
    ok &= Save(d, dir, QStringLiteral("vent_diagram_cooling.png"));
    d.SetOptieKoeling(false);
    d.SetOptieVentilatie(false);
    d.SetGemetenTemperatuur(150);
    ok &= Save(d, dir, QStringLiteral("vent_diagram_heating.png"));
    return ok ? 0 : 1;
}
