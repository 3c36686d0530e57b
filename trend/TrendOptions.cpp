#include "trend/TrendOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>

char TTrendOptions::SeparatorOf(const QString& name)
{
    const QString n = name.toLower();
    if (n == QLatin1String("auto"))
        return 0;
    if (n == QLatin1String("comma") || n == QLatin1String(","))
        return ',';
    if (n == QLatin1String("semicolon") || n == QLatin1String(";"))
        return ';';
    if (n == QLatin1String("tab") || n == QLatin1String("\t"))
        return '\t';
    if (n == QLatin1String("space") || n == QLatin1String(" "))
        return ' ';
    throw Exception(QStringLiteral("--separator: '%1' is none of auto, comma, semicolon, tab, space").arg(name));
}

char TTrendOptions::DecimalOf(const QString& name)
{
    const QString n = name.toLower();
    if (n == QLatin1String("auto"))
        return 0;
    if (n == QLatin1String("point") || n == QLatin1String("."))
        return '.';
    if (n == QLatin1String("comma") || n == QLatin1String(","))
        return ',';
    throw Exception(QStringLiteral("--decimal: '%1' is none of auto, point, comma").arg(name));
}

TTrendOptions TTrendOptions::Parse(const QCoreApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Logged data on the Quil trend graph: CSV files with a header row, a time column (ISO 8601 "
        "date-times, read as UTC when they name no zone, or Unix seconds) and one column per series. "
        "Drag a band with the left button to zoom in, click the right button to zoom out, drag with it "
        "to pan; the legend's boxes show and hide series. Several files share one graph (a series is "
        "named FILE:COLUMN where names clash). The X axis counts hours and minutes from midnight (UTC) "
        "of the earliest day loaded.\n"
        "A row that cannot be read is reported with its file, line and column; the load stops there "
        "(nothing of that file is shown) or, with --skip-bad-rows, skips it and lists every row skipped.\n"
        "Qt's own options (-platform, -style, ...) are accepted as well."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("CSV files to open."), QStringLiteral("[FILE...]"));
    const QCommandLineOption separator(QStringList{QStringLiteral("s"), QStringLiteral("separator")},
        QStringLiteral("Field separator: auto (default: ';', tab or ',' from the header row), comma, semicolon, "
                       "tab or space."),
        QStringLiteral("SEP"), QStringLiteral("auto"));
    const QCommandLineOption decimal(QStringList{QStringLiteral("d"), QStringLiteral("decimal")},
        QStringLiteral("Decimal sign: auto (default: a point with ',' separators, else the first sign the "
                       "values show), point or comma."),
        QStringLiteral("SIGN"), QStringLiteral("auto"));
    const QCommandLineOption skip(QStringLiteral("skip-bad-rows"),
        QStringLiteral("Skip rows that cannot be read and list them, instead of stopping at the first."));
    const QCommandLineOption follow(QStringList{QStringLiteral("f"), QStringLiteral("follow")},
        QStringLiteral("Follow the files as a logger appends to them: new complete lines are added and the "
                       "view keeps to the newest; a file that becomes shorter or is replaced is reported."));
    const QCommandLineOption exportPng(QStringLiteral("export"),
        QStringLiteral("Write the graph and its legend to a PNG file once the files are loaded, then quit "
                       "(exit status 1, and no picture, when a file could not be loaded; 1 too when the picture cannot be written)."),
        QStringLiteral("PNG"));
    const QCommandLineOption size(QStringLiteral("size"),
        QStringLiteral("Size of the window and of the exported picture (default 1000x560)."), QStringLiteral("WxH"));
    parser.addOptions({separator, decimal, skip, follow, exportPng, size});
    parser.process(app);

    TTrendOptions o;
    o.Files = parser.positionalArguments();
    o.Csv.Separator = SeparatorOf(parser.value(separator));
    o.Csv.Decimal = DecimalOf(parser.value(decimal));
    if (o.Csv.Separator && o.Csv.Separator == o.Csv.Decimal)
        throw Exception(QStringLiteral("--separator and --decimal are both '%1'").arg(QLatin1Char(o.Csv.Decimal)));
    o.Csv.BadRows = parser.isSet(skip) ? TBadRowPolicy::Skip : TBadRowPolicy::Stop;
    o.Follow = parser.isSet(follow);
    o.Export = parser.value(exportPng);
    if (!o.Export.isEmpty() && o.Files.isEmpty())
        throw Exception(QStringLiteral("--export needs FILEs to show"));
    if (!o.Export.isEmpty() && o.Follow)
        throw Exception(QStringLiteral("--export writes one picture and quits: it does not go with --follow"));
    if (parser.isSet(size)) {
        const QStringList wh = parser.value(size).split(QLatin1Char('x'));
        bool okW = false, okH = false;
        const int w = wh.size() == 2 ? wh[0].toInt(&okW) : 0, h = wh.size() == 2 ? wh[1].toInt(&okH) : 0;
        if (!okW || !okH || w < 200 || h < 150 || w > 10000 || h > 10000)
            throw Exception(QStringLiteral("--size: '%1' is not WIDTHxHEIGHT within 200x150 .. 10000x10000")
                                .arg(parser.value(size)));
        o.Size = {w, h};
    }
    return o;
}
