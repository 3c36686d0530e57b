// demo_pictures: draws the demo program's pictures (logo, status pictures,
// rocker icons, close glyph, window icon, front-panel artwork and key
// pictures) and writes them into the folder given on the command line. Given
// the front panel's window description as well, it stores the panel artwork
// there as the shaped window's mask, with the region scanned from it:
//
//   demo_pictures resources/bitmaps [resources/forms/GraphForm.dfm]
//
// Transparent pictures use pure white as background (the framework takes the
// bottom-left pixel as transparent colour); the panel artwork is white outside
// the panel, so the shaped window's mask scan cuts it there. The logo is a real
// JPEG written with libjpeg, because the program decodes it with libjpeg.

#include "app/RegisterApp.h"
#include "framework/StreamWriter.h"
#include "widgets/VrFormShape.h"

#include <QDir>
#include <QFile>
#include "framework/Application.h"
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QSaveFile>
#include <QString>
#include <QTextStream>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <jpeglib.h>
#include <vector>

namespace {

const QColor kWhite(255, 255, 255); // the transparent colour, and the outside of the panel
const QColor kPaper(250, 250, 250); // white that must stay visible
const QColor kNavy(20, 40, 100);
const QColor kInk(30, 50, 90);
const QColor kRed(220, 30, 20);
const QColor kIceBlue(40, 120, 220);
const QColor kOrange(255, 140, 0);
const QColor kKeyFace(232, 234, 238);
const QColor kPanelBlue(172, 208, 238);
const QColor kPanelEdge(40, 80, 140);
const QColor kKeypad = kPanelBlue.darker(108);

QImage NewPicture(int w, int h, const QColor& background = kWhite)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(background);
    return img;
}

QFont SansFont(int pixelSize, bool bold)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

// ---- building blocks -------------------------------------------------------

// A vertical thermometer: bulb at the bottom, column filled up to `level` (0..1).
void DrawThermometer(QPainter& p, QRectF box, double level, const QColor& fluid)
{
    const double w = box.width();
    const double tubeW = w * 0.42;
    const double bulbD = w;
    const double cx = box.center().x();
    const QRectF tube(cx - tubeW / 2, box.top(), tubeW, box.height() - bulbD * 0.8);
    const QRectF bulb(cx - bulbD / 2, box.bottom() - bulbD, bulbD, bulbD);
    p.setPen(QPen(kInk, 1.0));
    p.setBrush(kPaper);
    p.drawRoundedRect(tube, tubeW / 2, tubeW / 2);
    p.setBrush(fluid);
    p.drawEllipse(bulb);
    const double fillTop = tube.bottom() - (tube.height() - tubeW / 2) * level;
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(cx - tubeW / 2 + 1.2, fillTop, tubeW - 2.4, bulb.top() - fillTop + 2));
}

// A loudspeaker horn with sound waves, facing right.
void DrawHorn(QPainter& p, QPointF origin, double size)
{
    const double s = size;
    QPainterPath horn;
    horn.moveTo(origin + QPointF(0, s * 0.35));
    horn.lineTo(origin + QPointF(s * 0.3, s * 0.35));
    horn.lineTo(origin + QPointF(s * 0.7, 0));
    horn.lineTo(origin + QPointF(s * 0.7, s));
    horn.lineTo(origin + QPointF(s * 0.3, s * 0.65));
    horn.lineTo(origin + QPointF(0, s * 0.65));
    horn.closeSubpath();
    p.setPen(QPen(kInk, 1.0));
    p.setBrush(QColor(90, 90, 100));
    p.drawPath(horn);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kRed, 1.6));
    for (int i = 1; i <= 2; ++i) {
        const double r = s * 0.22 * i;
        const QRectF arc(origin.x() + s * 0.75 - r, origin.y() + s / 2 - r, 2 * r, 2 * r);
        p.drawArc(arc, -50 * 16, 100 * 16);
    }
}

// A solid triangle pointing up (dir = -1) or down (dir = +1).
void DrawTriangle(QPainter& p, QPointF centre, double size, int dir, const QColor& fill)
{
    const double h = size * 0.85;
    const QPointF tip = centre + QPointF(0, dir * h / 2);
    const QPointF a = centre + QPointF(-size / 2, -dir * h / 2);
    const QPointF b = centre + QPointF(size / 2, -dir * h / 2);
    p.setPen(QPen(kInk, 1.0));
    p.setBrush(fill);
    p.drawPolygon(QPolygonF({tip, a, b}));
}

// A fan wheel of three blades around `centre`, rotated by `angle` degrees.
void DrawFanWheel(QPainter& p, QPointF centre, double radius, const QColor& blade, double angle = 0)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    p.setPen(QPen(kInk, 1.0));
    p.setBrush(blade);
    for (int i = 0; i < 3; ++i) {
        QPainterPath b;
        b.moveTo(0, 0);
        b.cubicTo(radius * 0.2, -radius * 0.9, radius * 0.9, -radius * 0.9, radius * 0.95, -radius * 0.25);
        b.cubicTo(radius * 0.6, -radius * 0.1, radius * 0.3, 0, 0, 0);
        p.drawPath(b);
        p.rotate(120);
    }
    p.setBrush(kInk);
    p.drawEllipse(QPointF(0, 0), radius * 0.18, radius * 0.18);
    p.restore();
}

// A flame of three nested tongues inside `box`.
void DrawFlame(QPainter& p, QRectF box)
{
    const struct {
        double inset;
        QColor colour;
    } tongues[] = {{0.0, QColor(215, 45, 10)}, {0.18, QColor(255, 130, 0)}, {0.36, QColor(255, 220, 40)}};
    p.setPen(Qt::NoPen);
    for (const auto& t : tongues) {
        const QRectF r = box.adjusted(box.width() * t.inset, box.height() * t.inset * 1.2, -box.width() * t.inset, 0);
        QPainterPath f;
        f.moveTo(r.center().x(), r.top());
        f.cubicTo(r.right() + r.width() * 0.1, r.top() + r.height() * 0.45, r.right(), r.bottom(),
                  r.center().x(), r.bottom());
        f.cubicTo(r.left(), r.bottom(), r.left() - r.width() * 0.1, r.top() + r.height() * 0.45,
                  r.center().x(), r.top());
        p.setBrush(t.colour);
        p.drawPath(f);
    }
}

// A six-armed snowflake.
void DrawSnowflake(QPainter& p, QPointF centre, double radius, const QColor& colour)
{
    p.save();
    p.translate(centre);
    p.setPen(QPen(colour, radius / 7.5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 6; ++i) {
        p.drawLine(QPointF(0, 0), QPointF(0, -radius));
        p.drawLine(QPointF(0, -radius * 0.55), QPointF(-radius * 0.25, -radius * 0.8));
        p.drawLine(QPointF(0, -radius * 0.55), QPointF(radius * 0.25, -radius * 0.8));
        p.rotate(60);
    }
    p.restore();
}

// A radiator with three fins and rising heat waves.
void DrawHeater(QPainter& p, QRectF box)
{
    const double finW = box.width() / 4.2;
    const double top = box.top() + box.height() * 0.38;
    p.setPen(QPen(kInk, 1.0));
    p.setBrush(QColor(200, 60, 40));
    for (int i = 0; i < 3; ++i) {
        const double x = box.left() + box.width() * 0.1 + i * finW * 1.2;
        p.drawRoundedRect(QRectF(x, top, finW, box.bottom() - top - 1), 2, 2);
    }
    p.setBrush(QColor(120, 30, 20));
    p.drawRect(QRectF(box.left() + 1, box.bottom() - box.height() * 0.18, box.width() - 2, box.height() * 0.08));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(230, 90, 20), 1.4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const double x = box.left() + box.width() * 0.1 + i * finW * 1.2 + finW / 2;
        QPainterPath w;
        w.moveTo(x, top - 2);
        w.cubicTo(x - 3, top - 5, x + 3, top - 8, x, top - box.height() * 0.34);
        p.drawPath(w);
    }
}

// A house outline (roof and walls) inside `box`.
void DrawHouse(QPainter& p, QRectF box)
{
    const double roofH = box.height() * 0.42;
    QPolygonF outline({QPointF(box.center().x(), box.top()), QPointF(box.right(), box.top() + roofH),
                       QPointF(box.right() - box.width() * 0.12, box.top() + roofH),
                       QPointF(box.right() - box.width() * 0.12, box.bottom()),
                       QPointF(box.left() + box.width() * 0.12, box.bottom()),
                       QPointF(box.left() + box.width() * 0.12, box.top() + roofH),
                       QPointF(box.left(), box.top() + roofH)});
    p.setPen(QPen(kNavy, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(250, 246, 230));
    p.drawPolygon(outline);
}

// A small ramp (a ventilation curve) with a double arrow beneath it.
void DrawBandSymbol(QPainter& p, QRectF box)
{
    const double y0 = box.top() + box.height() * 0.62;
    const double y1 = box.top() + box.height() * 0.1;
    p.setPen(QPen(kNavy, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(box.left(), y0), QPointF(box.left() + box.width() * 0.3, y0),
                              QPointF(box.left() + box.width() * 0.7, y1), QPointF(box.right(), y1)}));
    const double ya = box.bottom() - 2;
    const double xa = box.left() + box.width() * 0.3;
    const double xb = box.left() + box.width() * 0.7;
    p.setPen(QPen(kRed, 1.6));
    p.drawLine(QPointF(xa, ya), QPointF(xb, ya));
    p.setBrush(kRed);
    p.drawPolygon(QPolygonF({QPointF(xa - 1, ya), QPointF(xa + 4, ya - 3), QPointF(xa + 4, ya + 3)}));
    p.drawPolygon(QPolygonF({QPointF(xb + 1, ya), QPointF(xb - 4, ya - 3), QPointF(xb - 4, ya + 3)}));
}

void DrawCaption(QPainter& p, QRectF box, const QString& text, int pixelSize, const QColor& colour)
{
    p.setFont(SansFont(pixelSize, true));
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
}

// ---- the pictures ----------------------------------------------------------

QImage Logo()
{
    QImage img = NewPicture(126, 28);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 28);
    g.setColorAt(0, QColor(34, 70, 140));
    g.setColorAt(1, QColor(12, 34, 84));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0, 0, 126, 28), 5, 5);
    // A quill feather on the left.
    QPainterPath feather;
    feather.moveTo(6, 24);
    feather.cubicTo(10, 14, 16, 6, 26, 3);
    feather.cubicTo(24, 10, 19, 18, 8, 23);
    feather.closeSubpath();
    p.setBrush(QColor(250, 250, 255));
    p.drawPath(feather);
    p.setPen(QPen(QColor(120, 170, 230), 1.0));
    p.drawLine(QPointF(5, 26), QPointF(22, 7));
    p.setFont(SansFont(19, true));
    p.setPen(kWhite);
    p.drawText(QRectF(30, 0, 60, 28), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("QUIL"));
    p.setFont(SansFont(8, false));
    p.setPen(QColor(170, 205, 245));
    p.drawText(QRectF(84, 3, 40, 11), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("climate"));
    p.drawText(QRectF(84, 14, 40, 11), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("computer"));
    return img;
}

QImage AlarmPicture(bool high)
{
    QImage img = NewPicture(50, 20);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    DrawThermometer(p, QRectF(2.5, 0.5, 8, 19), high ? 0.95 : 0.12, high ? kRed : kIceBlue);
    DrawHorn(p, QPointF(15, 3), 14);
    DrawTriangle(p, QPointF(42, 10), 11, high ? -1 : 1, high ? kRed : kIceBlue);
    return img;
}

QImage Snowflake()
{
    QImage img = NewPicture(32, 32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    DrawSnowflake(p, QPointF(16, 16), 14, kIceBlue);
    return img;
}

QImage Flame()
{
    QImage img = NewPicture(20, 20);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    DrawFlame(p, QRectF(3, 0.5, 14, 19));
    return img;
}

QImage FanIcon()
{
    QImage img = NewPicture(32, 32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(QColor(225, 235, 245));
    p.drawEllipse(QRectF(1.5, 1.5, 29, 29));
    DrawFanWheel(p, QPointF(16, 16), 13, QColor(70, 130, 200), 15);
    return img;
}

QImage HeaterIcon()
{
    QImage img = NewPicture(32, 32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    DrawHeater(p, QRectF(2, 1, 28, 30));
    return img;
}

QImage CloseGlyph()
{
    QImage img = NewPicture(32, 32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(12, 11), 18);
    g.setColorAt(0, QColor(250, 110, 90));
    g.setColorAt(1, QColor(180, 20, 10));
    p.setPen(QPen(QColor(110, 10, 0), 1.2));
    p.setBrush(g);
    p.drawEllipse(QRectF(2, 2, 28, 28));
    p.setPen(QPen(kPaper, 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10.5, 10.5), QPointF(21.5, 21.5));
    p.drawLine(QPointF(21.5, 10.5), QPointF(10.5, 21.5));
    return img;
}

QImage WindowIcon()
{
    QImage img = NewPicture(32, 32, QColor(20, 50, 110));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    DrawHouse(p, QRectF(3, 3, 26, 26));
    DrawFanWheel(p, QPointF(16, 20), 6.5, QColor(70, 130, 200));
    return img;
}

// ---- key pictures ----------------------------------------------------------

// The blank key: a light membrane key with a bevel, 55 x 55.
QImage BlankKey()
{
    QImage img = NewPicture(55, 55, kKeypad);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 55);
    g.setColorAt(0, QColor(250, 251, 253));
    g.setColorAt(1, QColor(206, 210, 218));
    p.setPen(QPen(QColor(60, 70, 90), 1.0));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(1.5, 1.5, 52, 52), 7, 7);
    p.setPen(QPen(kWhite, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(3.5, 3.5, 48, 48), 5, 5);
    return img;
}

using KeyPainter = void (*)(QPainter&);

QImage Key(KeyPainter draw)
{
    QImage img = BlankKey();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return img;
}

void KeyStreefTemp(QPainter& p)
{
    DrawHouse(p, QRectF(9, 8, 37, 36));
    DrawThermometer(p, QRectF(23.5, 21, 8, 21), 0.55, kRed);
}

void KeyMaxVent(QPainter& p)
{
    DrawFanWheel(p, QPointF(24, 23), 14, QColor(70, 130, 200), 10);
    DrawTriangle(p, QPointF(43, 15), 10, -1, kOrange);
    DrawCaption(p, QRectF(6, 38, 43, 12), QStringLiteral("MAX %"), 10, kNavy);
}

void KeyMinVent(QPainter& p)
{
    DrawFanWheel(p, QPointF(24, 23), 10, QColor(150, 185, 225), 40);
    DrawTriangle(p, QPointF(43, 15), 10, 1, kOrange);
    DrawCaption(p, QRectF(6, 38, 43, 12), QStringLiteral("MIN %"), 10, kNavy);
}

void KeyVerwarm(QPainter& p)
{
    DrawFlame(p, QRectF(17, 7, 21, 27));
    DrawCaption(p, QRectF(6, 37, 43, 13), QStringLiteral("\u0394 \u00B0C"), 11, kNavy);
}

void KeyBandbr(QPainter& p)
{
    DrawBandSymbol(p, QRectF(9, 9, 37, 27));
    DrawCaption(p, QRectF(6, 39, 43, 12), QStringLiteral("BAND"), 10, kNavy);
}

void KeyMaxTemp(QPainter& p)
{
    DrawThermometer(p, QRectF(12, 8, 10, 36), 0.9, kRed);
    DrawHorn(p, QPointF(26, 11), 14);
    DrawTriangle(p, QPointF(34, 37), 10, -1, kRed);
}

void KeyMinTemp(QPainter& p)
{
    DrawThermometer(p, QRectF(12, 8, 10, 36), 0.15, kIceBlue);
    DrawHorn(p, QPointF(26, 11), 14);
    DrawTriangle(p, QPointF(34, 37), 10, 1, kIceBlue);
}

void KeyArrow(QPainter& p, int dir)
{
    QPolygonF arrow({QPointF(27.5, 10), QPointF(45, 29), QPointF(35, 29), QPointF(35, 45), QPointF(20, 45),
                     QPointF(20, 29), QPointF(10, 29)});
    if (dir > 0) {
        for (auto& pt : arrow)
            pt.setY(55 - pt.y());
    }
    p.setPen(QPen(QColor(150, 70, 0), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient g(0, 10, 0, 45);
    g.setColorAt(0, QColor(255, 175, 60));
    g.setColorAt(1, kOrange.darker(110));
    p.setBrush(g);
    p.drawPolygon(arrow);
}

void KeyArrowUp(QPainter& p) { KeyArrow(p, -1); }
void KeyArrowDown(QPainter& p) { KeyArrow(p, 1); }

// ---- front-panel artwork ---------------------------------------------------

// The artwork is a 256-colour picture: keep the 256 most frequent colours and
// map every other pixel to the nearest of them. Only pure white maps to pure
// white, so exactly the outside of the panel has the mask colour.
QImage ReduceTo256Colours(const QImage& image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    std::vector<std::pair<int, QRgb>> byCount;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        byCount.emplace_back(it.value(), it.key());
    std::sort(byCount.begin(), byCount.end(), std::greater<>());
    QVector<QRgb> palette;
    for (std::size_t i = 0; i < byCount.size() && palette.size() < 256; ++i)
        palette.append(byCount[i].second);
    auto nearest = [&](QRgb c) {
        QRgb best = palette.front();
        int bestDistance = INT_MAX;
        for (QRgb q : palette) {
            if ((q & 0xFFFFFF) == 0xFFFFFF && (c & 0xFFFFFF) != 0xFFFFFF)
                continue;
            const int dr = qRed(c) - qRed(q), dg = qGreen(c) - qGreen(q), db = qBlue(c) - qBlue(q);
            const int d = dr * dr + dg * dg + db * db;
            if (d < bestDistance) {
                bestDistance = d;
                best = q;
            }
        }
        return best;
    };
    QHash<QRgb, QRgb> mapped;
    QImage result(image.size(), QImage::Format_Indexed8);
    result.setColorTable(palette);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            auto it = mapped.find(c);
            if (it == mapped.end())
                it = mapped.insert(c, nearest(c));
            result.setPixel(x, y, uint(palette.indexOf(it.value())));
        }
    }
    return result.convertToFormat(QImage::Format_RGB32);
}

QPolygonF PanelOutline()
{
    const double r = 394.5, b = 517.5, cut = 30;
    return QPolygonF({QPointF(cut, 0.5), QPointF(r - cut, 0.5), QPointF(r, cut), QPointF(r, b - cut),
                      QPointF(r - cut, b), QPointF(cut, b), QPointF(0.5, b - cut), QPointF(0.5, cut)});
}

void DrawPanelBody(QPainter& p)
{
    p.setPen(QPen(kPanelEdge, 3.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(kPanelBlue);
    p.drawPolygon(PanelOutline());
    // A thin highlight just inside the edge.
    p.setPen(QPen(QColor(230, 242, 252), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygonF({QPointF(34, 5), QPointF(360, 5), QPointF(389, 34), QPointF(389, 483),
                             QPointF(360, 512), QPointF(34, 512), QPointF(5, 483), QPointF(5, 34)}));
}

void DrawPanelHeader(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kPanelEdge);
    p.drawRoundedRect(QRectF(36, 14, 323, 26), 6, 6);
    p.setFont(SansFont(17, true));
    p.setPen(kPaper);
    p.drawText(QRectF(48, 14, 120, 26), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("QUIL"));
    p.setFont(SansFont(11, false));
    p.drawText(QRectF(150, 14, 198, 26), Qt::AlignVCenter | Qt::AlignRight, QStringLiteral("climate computer"));
}

// The printed ventilation diagram: hatched alarm zones, the curve and axes.
void DrawPrintedDiagram(QPainter& p)
{
    const QRectF area(34, 50, 327, 118);
    p.setPen(QPen(kPanelEdge, 1.2));
    p.setBrush(QColor(236, 245, 252));
    p.drawRoundedRect(area, 5, 5);
    const double x0 = 62, x1 = 348, yTop = 64, yBase = 150;
    p.setPen(Qt::NoPen);
    p.setBrush(QBrush(QColor(220, 60, 50), Qt::BDiagPattern));
    p.drawRect(QRectF(x0, yTop, 34, yBase - yTop));
    p.drawRect(QRectF(x1 - 34, yTop, 34, yBase - yTop));
    const double yMin = 132, yMax = 76, xS = 170, xB = 250;
    p.setPen(QPen(QColor(0, 120, 0), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(x0, yMin), QPointF(xS, yMin), QPointF(xB, yMax), QPointF(x1, yMax)}));
    p.setPen(QPen(kInk, 1.2));
    p.drawLine(QPointF(x0, yTop - 4), QPointF(x0, yBase));
    p.drawLine(QPointF(x0, yBase), QPointF(x1 + 4, yBase));
    p.setPen(QPen(kInk, 1.0, Qt::DashLine));
    p.drawLine(QPointF(xS, yMin), QPointF(xS, yBase));
    p.drawLine(QPointF(xB, yMax), QPointF(xB, yBase));
    p.setFont(SansFont(10, true));
    p.setPen(kInk);
    p.drawText(QRectF(38, 58, 22, 14), Qt::AlignCenter, QStringLiteral("%"));
    p.drawText(QRectF(x1 - 24, yBase + 1, 30, 14), Qt::AlignCenter, QStringLiteral("\u00B0C"));
    DrawFanWheel(p, QPointF(48, 132), 9, QColor(70, 130, 200));
}

void DrawKeypadFrame(QPainter& p)
{
    p.setPen(QPen(kPanelEdge.lighter(130), 1.2));
    p.setBrush(kKeypad);
    p.drawRoundedRect(QRectF(56, 172, 316, 314), 10, 10);
    // The display window around LCDPanel (172, 250, 85, 37).
    p.setPen(QPen(QColor(20, 30, 40), 1.0));
    p.setBrush(QColor(50, 60, 70));
    p.drawRoundedRect(QRectF(165.5, 243.5, 98, 50), 5, 5);
}

void DrawKeyCaptions(QPainter& p)
{
    struct Caption {
        double centreX, top;
        const char* text;
    };
    const Caption captions[] = {
        {98, 292, "SET TEMP"}, {98, 377, "MAX VENT"},  {197, 377, "HEAT DIFF"}, {297, 377, "MAX ALARM"},
        {98, 461, "MIN VENT"}, {197, 461, "BANDWIDTH"}, {297, 461, "MIN ALARM"},
    };
    for (const auto& c : captions)
        DrawCaption(p, QRectF(c.centreX - 36, c.top, 60, 12), QString::fromLatin1(c.text), 9, kNavy);
    DrawCaption(p, QRectF(180, 224, 70, 14), QStringLiteral("DISPLAY"), 9, kNavy);
}

void DrawPanelFooter(QPainter& p)
{
    p.setFont(SansFont(10, true));
    p.setPen(kPanelEdge);
    p.drawText(QRectF(36, 490, 323, 16), Qt::AlignCenter, QStringLiteral("BRENVIK"));
}

QImage FrontPanel()
{
    QImage img = NewPicture(395, 518);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    DrawPanelBody(p);
    DrawPanelHeader(p);
    DrawPrintedDiagram(p);
    DrawKeypadFrame(p);
    DrawKeyCaptions(p);
    DrawPanelFooter(p);
    p.end();
    return ReduceTo256Colours(img);
}

// ---- output ----------------------------------------------------------------

bool WriteJpeg(const QImage& image, const QString& path)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    FILE* out = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!out)
        return false;
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, out);
    cinfo.image_width = JDIMENSION(rgb.width());
    cinfo.image_height = JDIMENSION(rgb.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 92, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return std::fclose(out) == 0;
}

bool Save(const QDir& dir, const QString& name, const QImage& image)
{
    const QString path = dir.filePath(name);
    const bool ok = name.endsWith(QLatin1String(".jpg")) ? WriteJpeg(image, path) : image.save(path, "PNG");
    std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

// The description of the shaped window with the artwork as its mask and the
// region the mask scan gives, as the form's description nests it.
QString FormShapeBlock(const QImage& artwork)
{
    TVrFormShape shape;
    shape.SetName(QStringLiteral("VrFormShape1"));
    shape.SetBounds(0, 0, 396, 518);
    shape.SetMaskColor(0xFFFFFF);
    TBitmap mask;
    mask.Assign(artwork);
    shape.SetMask(mask);
    QString text = TStreamWriter::Write(&shape);
    text.replace(QRegularExpression(QStringLiteral("\\nend\\n$")),
                 QStringLiteral("\n  OnMouseMove = VrFormShape1MouseMove\nend\n"));
    QString nested;
    for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        nested += QStringLiteral("  ") + line + QLatin1Char('\n');
    return nested;
}

// Replaces the VrFormShape1 block of the window description.
bool StoreFormShape(const QString& formPath, const QImage& artwork)
{
    QFile in(formPath);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    const QString form = QString::fromUtf8(in.readAll());
    const QRegularExpression block(QStringLiteral("  object VrFormShape1: TVrFormShape\\n(?:    .*\\n|      .*\\n)*  end\\n"));
    const QRegularExpressionMatch m = block.match(form);
    if (!m.hasMatch())
        return false;
    QString updated = form;
    updated.replace(m.capturedStart(), m.capturedLength(), FormShapeBlock(artwork));
    QSaveFile out(formPath);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    out.write(updated.toUtf8());
    const bool ok = out.commit();
    std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "shaped" : "FAILED", qPrintable(formPath));
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: demo_pictures <output folder> [<GraphForm.dfm>]\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(dir.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    const std::vector<std::pair<QString, QImage>> pictures = {
        {"QUILLOGO.jpg", Logo()},
        {"MAXALARMPIC.png", AlarmPicture(true)},
        {"MINALARMPIC.png", AlarmPicture(false)},
        {"SNOWFLAKE.png", Snowflake()},
        {"FLAME.png", Flame()},
        {"FANICON.png", FanIcon()},
        {"HEATER.png", HeaterIcon()},
        {"CLOSEGLYPH.png", CloseGlyph()},
        {"QUILICON.png", WindowIcon()},
        {"FRONTPANEL.png", FrontPanel()},
        {"KEYSTREEFTEMP.png", Key(KeyStreefTemp)},
        {"KEYMAXVENT.png", Key(KeyMaxVent)},
        {"KEYMINVENT.png", Key(KeyMinVent)},
        {"KEYVERWARM.png", Key(KeyVerwarm)},
        {"KEYBANDBR.png", Key(KeyBandbr)},
        {"KEYMAXTEMP.png", Key(KeyMaxTemp)},
        {"KEYMINTEMP.png", Key(KeyMinTemp)},
        {"KEYARROWUP.png", Key(KeyArrowUp)},
        {"KEYARROWDOWN.png", Key(KeyArrowDown)},
    };
    bool ok = true;
    for (const auto& [name, image] : pictures)
        ok = Save(dir, name, image) && ok;
    if (argc == 3) {
        RegisterAppComponents();
        ok = StoreFormShape(QString::fromLocal8Bit(argv[2]), FrontPanel()) && ok;
    }
    return ok ? 0 : 1;
}
