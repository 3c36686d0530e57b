// Renders the curve diagram to PNG files: curve_diagram.png (a growth curve
// of seven points over days with the day counter at day 23 and one point
// hovered), curve_diagram_day123.png (three-digit day, a negative-start X
// axis) and curve_diagram_print.png (the 700 x 500 print picture).
// Usage: curve_diagram_png <output folder>

#include "diagram/CurveDiagram.h"
#include "diagram/CurveStruct.h"
#include "diagram/DiagramSettings.h"
#include "diagram/FontBitmaps.h"
#include "framework/Application.h"

#include <QDir>
#include <cstdio>

namespace {

TCurveStruct* Growth(int day)
{
    auto* c = new TCurveStruct;
    c->DayCounter = day;
    c->PointCount = 7;
    c->YFloor = 100;
    c->YCeiling = 400;
    c->CurveXValType = vtInteger;
    c->CurveYValType = vtTenths;
    const int xs[] = {0, 7, 14, 21, 35, 49, 70};
    const int ys[] = {320, 300, 270, 240, 210, 190, 180};
    for (int i = 0; i < 7; ++i) {
        c->XValues[size_t(i)] = xs[i];
        c->YValues[size_t(i)] = ys[i];
    }
    return c;
}

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
    TApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: curve_diagram_png OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(dir.path());
    TFontBitmaps fonts;
    TCurveDiagram d(nullptr, Growth(23), &fonts);
    d.SetBounds(0, 0, 489, 297);
    d.SetDiagramTitle(QStringLiteral("Temperatuurcurve"));
    d.SetXAxisTitle(QStringLiteral("Dag"));
    d.DiagramSettings()->SetShowSymbols(true);
    d.DiagramSettings()->SetXAxisDecimals(0);
    d.DiagramSettings()->SetYAxisDecimals(1);
    d.PaintToImage();
    d.PointList[3]->MouseOver = true;
    bool ok = Save(d, dir, QStringLiteral("curve_diagram.png"));

    TCurveDiagram wide(nullptr, Growth(123), &fonts);
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
