// Renders the master diagram in a few typical states to PNG files, to look
// at what the drawing steps produce: master_diagram.png (titles, curve,
// hatched area, labels, symbols), master_diagram_time.png (time axis) and
// master_diagram_focus.png (focused display).
// Usage: master_diagram_png <output folder>

#include "PictureOutput.h"
#include "framework/Application.h"
#include "tests/diagram/TestDiagram.h"

#include <QDir>
#include <cstdio>

namespace {

// A curve of five points with an alarm zone, two symbols and a hovered point.
void Fill(TTestDiagram& d, std::array<int, 4>& refs)
{
    d.SetDiagramTitle(QStringLiteral("Ventilatie"));
    d.SetXAxisTitle(QStringLiteral("Temperatuur"));
    d.SetYAxisTitle(QStringLiteral("Stand"));
    d.DiagramSettings()->SetShowSymbols(true);
    d.AddPoint(0, 10, false).Values.XValType = vtNone;
    TPointInfo& alarm = d.AddPoint(100, 10, true);
    TPointInfo& target = d.AddPoint(185, 10, true);
    d.AddPoint(245, 100, true).MouseOver = true;
    d.AddPoint(500, 100, false).Values.XValType = vtNone;
    refs = {0, 100, 0, 100};
    alarm.Area.AreaLeft = &refs[0];
    alarm.Area.AreaRight = &refs[1];
    alarm.Area.AreaBottom = &refs[2];
    alarm.Area.AreaTop = &refs[3];
    alarm.Area.AreaBrushStyle = bsFDiagonal;
    alarm.Area.AreaKind = akBelowCurve;
    d.PointList[0]->Area = alarm.Area; // the zone is attached to the first point
    alarm.Area.AreaKind = akNone;
    target.Symbol.SymbolType = vtTenths;
    target.Symbol.SymbolValue = &d.X[3];
    target.Symbol.SymbolFromX = &d.X[2];
    target.Symbol.SymbolToX = &d.X[3];
    target.Symbol.SymbolBitmap.LoadFromResourceName(QStringLiteral("BANDBR"));
    TPointInfo& heat = *d.PointList[1];
    heat.Symbol.SymbolType = vtTenths;
    heat.Symbol.SymbolRow = 1;
    heat.Symbol.SymbolValue = &d.X[1];
    heat.Symbol.SymbolFromX = &d.X[2];
    heat.Symbol.SymbolToX = &d.X[1];
    heat.Symbol.ArrowMode = 2;
    heat.Symbol.SymbolBitmap.LoadFromResourceName(QStringLiteral("VLAM"));
}

bool Save(TTestDiagram& d, const QDir& dir, const QString& name)
{
    const QString path = dir.filePath(name);
    if (!d.PaintToImage().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QDir dir;
    if (const int failed = OpenOutputFolder(argc, argv, dir))
        return failed;
    TApplication app(argc, argv);
    TTestDiagram d;
    std::array<int, 4> refs{};
    Fill(d, refs);
    bool ok = Save(d, dir, QStringLiteral("master_diagram.png"));
    d.TimeAxis = true;
    ok = Save(d, dir, QStringLiteral("master_diagram_time.png")) && ok;
    d.TimeAxis = false;
    d.DiagramState = dsFocused;
    ok = Save(d, dir, QStringLiteral("master_diagram_focus.png")) && ok;
    return ok ? 0 : 1;
}
