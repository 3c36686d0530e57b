// feed_pictures: draws the auger pictures of the feed weigher and writes them
// as PNG files into the folder given on the command line (normally
// resources/bitmaps):
//
//   feed_pictures resources/bitmaps
//
//   VIJZELBITMAP1..3        supply auger, 84 x 12: a tube along the top of the
//                           weigher with its motor on the left and its outlet
//                           above the weigh hopper (the feed falls at x 75)
//   AFVOERVIJZELBITMAP1..3  discharge auger, 54 x 14: a tube leaving the catch
//                           bin's bottom-right corner, outlet at its right end
//
// The three frames of an auger show its screw flight a third of a pitch
// further on, so stepping through them turns the screw. White is the
// transparent colour; the pictures never use pure white themselves.

#include "PictureOutput.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

namespace {

const QColor kTube(70, 70, 78);
const QColor kInside(222, 222, 214);
const QColor kFlight(30, 60, 150);
const QColor kMotor(120, 40, 30);
constexpr int kPitch = 9;

QImage Blank(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

// The screw inside a tube: slanted flights every kPitch pixels, shifted by
// the frame, clipped to the tube's inside.
void DrawScrew(QPainter& p, const QRect& inside, int frame)
{
    p.save();
    p.setClipRect(inside);
    p.setPen(QPen(kFlight, 2));
    const int shift = frame * kPitch / 3;
    for (int x = inside.left() - kPitch + shift; x < inside.right() + kPitch; x += kPitch)
        p.drawLine(x, inside.bottom(), x + 4, inside.top());
    p.setPen(QPen(kFlight.darker(130), 1));
    p.drawLine(inside.left(), inside.center().y(), inside.right(), inside.center().y()); // the shaft
    p.restore();
}

QImage SupplyAuger(int frame)
{
    QImage img = Blank(84, 12);
    QPainter p(&img);
    p.fillRect(QRect(0, 1, 9, 10), kMotor);   // motor
    p.fillRect(QRect(2, 3, 5, 6), kMotor.lighter(150));
    p.fillRect(QRect(9, 1, 74, 10), kTube);   // tube wall
    const QRect inside(10, 3, 71, 6);
    p.fillRect(inside, kInside);
    DrawScrew(p, inside, frame);
    p.fillRect(QRect(71, 9, 9, 3), kTube);    // outlet over the hopper
    p.fillRect(QRect(73, 9, 5, 3), kInside);
    p.end();
    return img;
}

QImage DischargeAuger(int frame)
{
    QImage img = Blank(54, 14);
    QPainter p(&img);
    p.fillRect(QRect(0, 2, 50, 10), kTube);   // tube wall
    const QRect inside(1, 4, 47, 6);
    p.fillRect(inside, kInside);
    DrawScrew(p, inside, frame);
    p.fillRect(QRect(44, 11, 8, 3), kTube);   // outlet
    p.fillRect(QRect(46, 11, 4, 3), kInside);
    p.fillRect(QRect(50, 3, 4, 8), kMotor);   // motor
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
    bool ok = true;
    for (int frame = 0; frame < 3 && ok; ++frame) {
        const QString n = QString::number(frame + 1);
        ok = Save(dir, QStringLiteral("VIJZELBITMAP") + n, SupplyAuger(frame))
             && Save(dir, QStringLiteral("AFVOERVIJZELBITMAP") + n, DischargeAuger(frame));
    }
    return ok ? 0 : 1;
}
