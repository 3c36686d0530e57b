// Draws the pictures of the ventilation diagram and writes them as PNG files
// into the folder given on the command line (normally resources/bitmaps):
//   VENTBITMAP3, VENTBITMAP2, VENTBITMAP  three frames of a turning fan, 32 x 32
//   TEMPBITMAP                            thermometer marker, 12 x 20
//   VLAM, KOELING                         heating and cooling symbols, 20 x 20
//   BANDBR                                bandwidth symbol, 17 x 20
//   HEATERON, HEATEROFF                   heater glowing and cold, 32 x 32
//   TLVDVENTDIAGRAM                       component palette picture, 24 x 24
// White is the transparent colour of every picture, so backgrounds stay pure
// white and shapes never use pure white themselves.

#include "PictureOutput.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

QImage Blank(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

// Anti-aliased edges blend toward white; the faintest of them would read as
// "almost transparent" specks on a coloured background, so snap them to white.
void SnapNearWhite(QImage& img)
{
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = line[x];
            if (qRed(c) > 235 && qGreen(c) > 235 && qBlue(c) > 235)
                line[x] = qRgb(255, 255, 255);
        }
    }
}

// One fan frame: a round housing with three curved blades turned by `angle`
// degrees. Frames 40 degrees apart make one turn of the three-bladed wheel.
QImage Fan(double angle)
{
    QImage img = Blank(32, 32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(15.5, 15.5);
    p.setPen(QPen(QColor(64, 64, 64), 2));
    p.setBrush(QColor(200, 214, 228));
    p.drawEllipse(c, 14.5, 14.5);
    p.setPen(QPen(QColor(20, 40, 110), 1));
    p.setBrush(QColor(40, 90, 200));
    for (int blade = 0; blade < 3; ++blade) {
        p.save();
        p.translate(c);
        p.rotate(angle + blade * 120.0);
        QPainterPath path;
        path.moveTo(0, -2.5);
        path.cubicTo(5, -9, 10, -10, 12.5, -5);
        path.cubicTo(11, -1, 7, 1.5, 2.5, 1);
        path.closeSubpath();
        p.drawPath(path);
        p.restore();
    }
    p.setPen(QPen(QColor(30, 30, 30), 1));
    p.setBrush(QColor(90, 90, 90));
    p.drawEllipse(c, 3.5, 3.5);
    p.end();
    SnapNearWhite(img);
    return img;
}

// Thermometer: a glass tube whose column (x 5 to 6, rows 1 to 13) the diagram
// paints red up to the measured temperature and white (transparent) above.
QImage Thermometer()
{
    QImage img = Blank(12, 20);
    const QRgb frame = qRgb(40, 40, 40);
    const QRgb red = qRgb(255, 0, 0);
    for (int y = 1; y <= 14; ++y) {
        img.setPixel(4, y, frame);
        img.setPixel(7, y, frame);
    }
    img.setPixel(5, 0, frame);
    img.setPixel(6, 0, frame);
    // Scale marks on the right of the tube, every fourth row.
    for (int y = 2; y <= 13; y += 4)
        img.setPixel(8, y, frame);
    // The bulb: a filled red disc with a dark rim, below the column.
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(frame), 1));
    p.setBrush(QColor(red));
    p.drawEllipse(QPointF(5.5, 16.5), 3.0, 3.0);
    p.end();
    for (int y = 13; y <= 15; ++y) {
        img.setPixel(5, y, red);
        img.setPixel(6, y, red);
    }
    SnapNearWhite(img);
    return img;
}

QImage Flame()
{
    QImage img = Blank(20, 20);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath outer;
    outer.moveTo(10, 1);
    outer.cubicTo(13, 6, 17, 9, 16, 14);
    outer.cubicTo(15.5, 17.5, 13, 19, 10, 19);
    outer.cubicTo(7, 19, 4.5, 17.5, 4, 14);
    outer.cubicTo(3.5, 10, 7, 8, 6.5, 4);
    outer.cubicTo(8.5, 5.5, 9, 7, 9.2, 8.5);
    outer.cubicTo(10.5, 6, 11, 4, 10, 1);
    p.setPen(QPen(QColor(150, 20, 0), 1));
    p.setBrush(QColor(235, 60, 10));
    p.drawPath(outer);
    QPainterPath inner;
    inner.moveTo(10, 9);
    inner.cubicTo(12, 12, 13.5, 14, 12.5, 16);
    inner.cubicTo(12, 17.5, 8, 17.5, 7.5, 16);
    inner.cubicTo(7, 14, 9, 12.5, 10, 9);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 200, 20));
    p.drawPath(inner);
    p.end();
    SnapNearWhite(img);
    return img;
}

// Snowflake: three crossing bars with small side branches.
QImage Cooling()
{
    QImage img = Blank(20, 20);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 90, 200), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.translate(9.5, 9.5);
    for (int arm = 0; arm < 6; ++arm) {
        p.save();
        p.rotate(arm * 60.0);
        p.drawLine(QPointF(0, 0), QPointF(0, -8.5));
        p.drawLine(QPointF(0, -5), QPointF(-2.5, -7.5));
        p.drawLine(QPointF(0, -5), QPointF(2.5, -7.5));
        p.restore();
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 60, 160));
    p.drawEllipse(QPointF(0, 0), 1.8, 1.8);
    p.end();
    SnapNearWhite(img);
    return img;
}

// Bandwidth: a rising ramp between two end bars, the shape the band gives the curve.
QImage Bandwidth()
{
    QImage img = Blank(17, 20);
    QPainter p(&img);
    p.setPen(QPen(QColor(0, 0, 0), 1));
    p.drawLine(1, 3, 1, 17);
    p.drawLine(15, 3, 15, 17);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(220, 0, 0), 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(2, 15), QPointF(14.5, 5));
    p.end();
    SnapNearWhite(img);
    return img;
}

// Heater: a framed radiant element of four bars, cold grey metal or a bright
// red-orange element; the background stays white in both, so the blend of the two keeps the picture's outline transparent.
QImage Heater(bool on)
{
    QImage img = Blank(32, 32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(50, 50, 50), 1));
    p.setBrush(on ? QColor(255, 210, 150) : QColor(190, 190, 190));
    p.drawRoundedRect(QRectF(2.5, 3.5, 27, 25), 3, 3);
    for (int bar = 0; bar < 4; ++bar) {
        const double y = 7.5 + bar * 5.5;
        p.setPen(QPen(on ? QColor(180, 20, 0) : QColor(60, 60, 60), 1));
        p.setBrush(on ? QColor(250, 40, 0) : QColor(110, 110, 110));
        p.drawRoundedRect(QRectF(6, y, 20, 3.2), 1.5, 1.5);
    }
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.drawLine(QPointF(8, 29), QPointF(8, 31));
    p.drawLine(QPointF(24, 29), QPointF(24, 31));
    p.end();
    SnapNearWhite(img);
    return img;
}

// Palette picture: a tiny ventilation curve with its alarm hatch.
QImage Palette()
{
    QImage img = Blank(24, 24);
    QPainter p(&img);
    p.fillRect(QRect(1, 1, 22, 22), QColor(255, 255, 225));
    p.setPen(QColor(0, 0, 0));
    p.drawRect(QRect(0, 0, 23, 23));
    p.drawLine(4, 3, 4, 20);
    p.drawLine(4, 20, 21, 20);
    p.setPen(QColor(255, 0, 0));
    for (int x = 5; x < 9; ++x)
        for (int y = 16; y < 20; ++y)
            if ((x + y) % 3 == 0)
                p.drawPoint(x, y);
    p.setPen(QPen(QColor(255, 0, 0), 2));
    p.drawLine(5, 16, 10, 16);
    p.drawLine(10, 16, 16, 6);
    p.drawLine(16, 6, 21, 6);
    p.setPen(QColor(0, 128, 0));
    p.drawLine(13, 11, 13, 19);
    p.end();
    return img;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QDir dir;
    if (const int failed = OpenOutputFolder(argc, argv, dir))
        return failed;
    // The diagram shows VENTBITMAP3, VENTBITMAP2, VENTBITMAP for fan index 0, 1, 2.
    const bool ok = Save(dir, "VENTBITMAP3", Fan(0)) && Save(dir, "VENTBITMAP2", Fan(40))
                    && Save(dir, "VENTBITMAP", Fan(80)) && Save(dir, "TEMPBITMAP", Thermometer())
                    && Save(dir, "VLAM", Flame()) && Save(dir, "KOELING", Cooling())
                    && Save(dir, "BANDBR", Bandwidth()) && Save(dir, "HEATERON", Heater(true))
                    && Save(dir, "HEATEROFF", Heater(false)) && Save(dir, "TLVDVENTDIAGRAM", Palette());
    return ok ? 0 : 1;
}
