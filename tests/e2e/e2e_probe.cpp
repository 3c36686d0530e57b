// e2e_probe: reads what a screenshot shows, for the end-to-end test script.
//
//   e2e_probe pixel   SHOT X Y                       -> RRGGBB
//   e2e_probe lcd     SHOT X Y W H DIGITS SEG GAPX GAPY SPACING ONCOLOUR
//                                                    -> the text a seven-segment display shows
//   e2e_probe first-y SHOT X Y0 Y1 COLOUR [TOL]      -> first row from Y0 towards Y1 with the colour, or -1
//   e2e_probe first-x SHOT Y X0 X1 COLOUR [TOL]      -> first column from X0 towards X1 with the colour, or -1
//   e2e_probe count   SHOT X Y W H COLOUR [TOL]      -> pixels of the colour in the rectangle
//   e2e_probe differs SHOT1 SHOT2 X Y W H            -> number of differing pixels in the rectangle
//   e2e_probe find    SHOT PATCH [TOL]               -> "X Y" of the first place the picture PATCH shows
//                                                       at (rows top to bottom), or "-1 -1"
//
// Colours are RRGGBB in hex; TOL is the largest per-channel difference that
// still counts as the colour (default 24). Errors go to stderr with exit code 2.

#include "widgets/LCD99Geometry.h"
#include "widgets/LCD99Text.h"

#include <QCoreApplication>
#include <QImage>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace {

struct Args {
    QStringList list;
    int Int(int i) const
    {
        bool ok = false;
        const int v = list.value(i).toInt(&ok);
        if (!ok)
            throw std::runtime_error("argument " + std::to_string(i) + " is not a number");
        return v;
    }
    QRgb Colour(int i) const
    {
        bool ok = false;
        const uint v = list.value(i).toUInt(&ok, 16);
        if (!ok || list.value(i).size() != 6)
            throw std::runtime_error("argument " + std::to_string(i) + " is not a colour RRGGBB");
        return qRgb(int(v >> 16) & 0xFF, int(v >> 8) & 0xFF, int(v) & 0xFF);
    }
    int Tolerance(int i) const { return i < list.size() ? Int(i) : 24; }
};

QImage Load(const QString& path)
{
    QImage img(path);
    if (img.isNull())
        throw std::runtime_error("cannot read " + path.toStdString());
    return img.convertToFormat(QImage::Format_RGB32);
}

QRgb PixelAt(const QImage& img, int x, int y)
{
    if (!img.rect().contains(x, y))
        throw std::runtime_error("point outside the screenshot");
    return img.pixel(x, y);
}

bool Near(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

QString Hex(QRgb c) { return QStringLiteral("%1").arg(c & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper(); }

QPoint Centre(const QVector<QPoint>& polygon)
{
    QPoint sum;
    const int n = polygon.size() - 1; // the last point repeats the first
    for (int i = 0; i < n; ++i)
        sum += polygon[i];
    return n > 0 ? sum / n : QPoint();
}

QChar CharOfSegments(uint8_t lit)
{
    const QString candidates = QStringLiteral(" 0123456789-ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    for (QChar ch : candidates)
        if ((TLCD99Text::Segments(ch) & 0x7F) == lit)
            return ch;
    return QLatin1Char('?');
}

QString ReadLcd(const QImage& img, const Args& a)
{
    const int x = a.Int(2), y = a.Int(3);
    TLCD99Options o;
    o.Width = a.Int(4);
    o.Height = a.Int(5);
    o.DigitNum = a.Int(6);
    o.SegmentSize = a.Int(7);
    o.GapX = a.Int(8);
    o.GapY = a.Int(9);
    o.DigitSpacing = a.Int(10);
    const QRgb on = a.Colour(11);
    const TLCD99Geometry g(o);
    if (!g.Valid())
        throw std::runtime_error("no cells fit these display options");
    QString text;
    for (int j = 1; j <= g.DigitNum(); ++j) {
        const int left = g.CellLeft(j);
        const QPoint dot = g.Point(left).ToQRect().center();
        if (Near(PixelAt(img, x + dot.x(), y + dot.y()), on, 60))
            text += QLatin1Char('.');
        uint8_t lit = 0;
        for (int position = 1; position <= 7; ++position) {
            const QPoint c = Centre(g.Segment(left, position));
            if (Near(PixelAt(img, x + c.x(), y + c.y()), on, 60))
                lit |= uint8_t(1u << (position - 1));
        }
        text += CharOfSegments(lit);
    }
    return text.trimmed();
}

int FirstAlong(const QImage& img, bool vertical, int fixed, int from, int to, QRgb colour, int tolerance)
{
    const int step = to >= from ? 1 : -1;
    for (int v = from; v != to + step; v += step) {
        const QRgb c = vertical ? PixelAt(img, fixed, v) : PixelAt(img, v, fixed);
        if (Near(c, colour, tolerance))
            return v;
    }
    return -1;
}

int Count(const QImage& img, const Args& a)
{
    const QRect r(a.Int(2), a.Int(3), a.Int(4), a.Int(5));
    const QRgb colour = a.Colour(6);
    const int tolerance = a.Tolerance(7);
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += Near(PixelAt(img, x, y), colour, tolerance) ? 1 : 0;
    return n;
}

int Differs(const Args& a)
{
    const QImage one = Load(a.list.value(1)), two = Load(a.list.value(2));
    const QRect r(a.Int(3), a.Int(4), a.Int(5), a.Int(6));
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += PixelAt(one, x, y) != PixelAt(two, x, y) ? 1 : 0;
    return n;
}

bool PatchAt(const QImage& img, const QImage& patch, int x, int y, int tolerance)
{
    for (int py = 0; py < patch.height(); ++py)
        for (int px = 0; px < patch.width(); ++px)
            if (!Near(img.pixel(x + px, y + py), patch.pixel(px, py), tolerance))
                return false;
    return true;
}

QString Find(const QImage& img, const Args& a)
{
    const QImage patch = Load(a.list.value(2));
    const int tolerance = a.Tolerance(3);
    for (int y = 0; y + patch.height() <= img.height(); ++y)
        for (int x = 0; x + patch.width() <= img.width(); ++x)
            if (PatchAt(img, patch, x, y, tolerance))
                return QStringLiteral("%1 %2").arg(x).arg(y);
    return QStringLiteral("-1 -1");
}

QString Run(const Args& a)
{
    const QString command = a.list.value(0);
    if (command == QLatin1String("differs"))
        return QString::number(Differs(a));
    const QImage img = Load(a.list.value(1));
    if (command == QLatin1String("pixel"))
        return Hex(PixelAt(img, a.Int(2), a.Int(3)));
    if (command == QLatin1String("lcd"))
        return ReadLcd(img, a);
    if (command == QLatin1String("first-y"))
        return QString::number(FirstAlong(img, true, a.Int(2), a.Int(3), a.Int(4), a.Colour(5), a.Tolerance(6)));
    if (command == QLatin1String("first-x"))
        return QString::number(FirstAlong(img, false, a.Int(2), a.Int(3), a.Int(4), a.Colour(5), a.Tolerance(6)));
    if (command == QLatin1String("count"))
        return QString::number(Count(img, a));
    if (command == QLatin1String("find"))
        return Find(img, a);
    throw std::runtime_error("unknown command '" + command.toStdString() + "'");
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Args a{QCoreApplication::arguments().mid(1)};
    try {
        std::printf("%s\n", qPrintable(Run(a)));
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "e2e_probe: %s\n", e.what());
        return 2;
    }
}
