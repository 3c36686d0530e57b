// Renders the curve diagram to PNG files: curve_diagram.png (a growth curve
// of seven points over days with the day counter at day 23 and one point
// hovered), curve_diagram_day123.png (three-digit day, a negative-start X
// axis) and curve_diagram_print.png (the 700 x 500 print picture).
// Usage: curve_diagram_png <output folder>

#include "PictureOutput.h"
#include "diagram/CurveDiagram.h"
#include "diagram/CurveStruct.h"
#include "diagram/DiagramSettings.h"
#include "diagram/FontBitmaps.h"
#include "framework/Application.h"
#include "gallery/GrowthCurve.h"

#include <QDir>
#include <cstdio>

namespace {

bool Save(TCurveDiagram& d, const QDir& dir, const QString& name)
{
    const QString path = dir.filePath(name);
    if (!d.PaintToImage().save(path)) {
        std::fprintf(stderr, "curve_diagram_png: cannot write %s\n", qPrintable(path));
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
    TFontBitmaps fonts;
    TCurveDiagram d(nullptr, GrowthCurve(23), &fonts);
    d.SetBounds(0, 0, 489, 297);
    d.SetDiagramTitle(QStringLiteral("Temperatuurcurve"));
    d.SetXAxisTitle(QStringLiteral("Dag"));
    d.DiagramSettings()->SetShowSymbols(true);
    d.DiagramSettings()->SetXAxisDecimals(0);
    d.DiagramSettings()->SetYAxisDecimals(1);
    d.PaintToImage();
    d.PointList[3]->MouseOver = true;
    bool ok = Save(d, dir, QStringLiteral("curve_diagram.png"));

    TCurveDiagram wide(nullptr, GrowthCurve(123), &fonts);
    wide.SetBounds(0, 0, 489, 297);
    wide.DiagramSettings()->SetShowSymbols(true);
    wide.DiagramSettings()->SetShowPointValues(true);
    wide.DiagramSettings()->SetXAxisDecimals(0);
    wide.DiagramSettings()->SetMinXValue(-25);
    wide.ComputerNumber = 2; // its own record's day counter is shown
    ok = ok && Save(wide, dir, QStringLiteral("curve_diagram_day123.png"));

    TBitmap* printed = d.PrintDiagram();
    ok = ok && printed->SaveToFile(dir.filePath(QStringLiteral("curve_diagram_print.png")));
    return ok ? 0 : 1;
}
