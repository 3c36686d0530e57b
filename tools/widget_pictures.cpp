// Draws the pictures of the instrument widgets and writes them as PNG files
// into the folder given on the command line (normally resources/bitmaps):
//   KivSpinUp, KivSpinDown   arrow glyphs of the spin button, 9 x 6
// White is the transparent colour (the bottom-left pixel), so the arrows
// leave the bottom-left pixel free.

#include "PictureOutput.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

namespace {

// A solid arrow: rows 1 to 4 grow from one pixel at the tip to seven at the
// base, centred on column 4; rows 0 and 5 stay clear.
QImage Arrow(bool up)
{
    QImage img(9, 6, QImage::Format_RGB32);
    img.fill(Qt::white);
    for (int step = 0; step < 4; ++step) {
        const int row = up ? 1 + step : 4 - step;
        for (int x = 4 - step; x <= 4 + step; ++x)
            img.setPixel(x, row, qRgb(0, 0, 0));
    }
    return img;
}

} // namespace

int main(int argc, char** argv)
{
    QDir dir;
    if (const int failed = OpenOutputFolder(argc, argv, dir))
        return failed;
    QGuiApplication app(argc, argv);
    const bool ok = Save(dir, QStringLiteral("KivSpinUp"), Arrow(true)) && Save(dir, QStringLiteral("KivSpinDown"), Arrow(false));
    return ok ? 0 : 1;
}
