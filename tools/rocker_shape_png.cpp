// Renders the demo rocker switch in its positions and the front panel's shape
// (the region the form-shape scan cuts from the panel artwork) to PNG files in
// the folder given on the command line, for looking at them.
//   rocker_shape_png <output folder>

#include "framework/Application.h"
#include "framework/RegionData.h"
#include "widgets/VrFormShape.h"
#include "widgets/VrRocker.h"

#include <QDir>
#include <QElapsedTimer>
#include <QPainter>
#include <QTextStream>

namespace {

bool Save(const QImage& image, const QDir& dir, const QString& name)
{
    const QString path = dir.filePath(name);
    if (!image.save(path)) {
        QTextStream(stderr) << "cannot write " << path << "\n";
        return false;
    }
    QTextStream(stdout) << "wrote " << path << "\n";
    return true;
}

// The main window's rockers: 25 x 57, switch style, the demo's colours.
QImage RockerPicture(TVrRocker::TVrRockerState state)
{
    TVrRocker rocker;
    rocker.resize(25, 57);
    rocker.SetShadowColor(clBtnShadow);
    rocker.SetShadowLightColor(clBtnFace);
    rocker.SetHighlightColor(clBtnHighlight);
    rocker.SetStyle(TVrRocker::rsSwitch);
    rocker.SetState(state);
    return rocker.PaintToImage().copy();
}

// The three positions side by side, four times enlarged.
bool RenderRockers(const QDir& dir)
{
    constexpr int zoom = 4, gap = 10;
    QImage sheet((3 * 25 + 4 * gap) * zoom, (57 + 2 * gap) * zoom, QImage::Format_RGB32);
    sheet.fill(ColorToQColor(clBtnFace));
    QPainter p(&sheet);
    int x = gap;
    for (auto state : {TVrRocker::stUpperDown, TVrRocker::stLowerDown, TVrRocker::stNone}) {
        const QImage one = RockerPicture(state);
        p.drawImage(QRect(x * zoom, gap * zoom, 25 * zoom, 57 * zoom), one);
        x += 25 + gap;
    }
    p.end();
    return Save(sheet, dir, QStringLiteral("rocker_states.png"));
}

// The panel face inside the window region, a checkerboard where the window is cut away.
bool RenderFormShape(const QDir& dir)
{
    QWidget form;
    form.resize(396, 518);
    auto* shape = new TVrFormShape(&form);
    shape->SetBounds(0, 0, 396, 518);
    shape->SetMaskColor(clWhite);
    TBitmap artwork;
    if (!artwork.LoadFromResourceName(QStringLiteral("FRONTPANEL"))) {
        QTextStream(stderr) << "the panel artwork FRONTPANEL is missing\n";
        return false;
    }
    QElapsedTimer clock;
    clock.start();
    shape->SetMask(artwork);
    const qint64 scanMicroseconds = clock.nsecsElapsed() / 1000;
    const QRegion region = RegionData::ToRegion(shape->RgnData());

    QImage picture(396, 518, QImage::Format_RGB32);
    QPainter p(&picture);
    for (int y = 0; y < 518; y += 8)
        for (int x = 0; x < 396; x += 8)
            p.fillRect(x, y, 8, 8, ((x + y) / 8) % 2 ? QColor(255, 0, 255) : QColor(128, 0, 128));
    p.setClipRegion(region);
    p.drawImage(0, 0, shape->PaintToImage());
    p.end();
    QTextStream(stdout) << "region: " << region.rectCount() << " rectangles, bound " << region.boundingRect().x()
                        << "," << region.boundingRect().y() << " " << region.boundingRect().width() << "x"
                        << region.boundingRect().height() << ", record " << shape->RgnData().size() << " bytes, scanned and applied in "
                        << scanMicroseconds << " us\n";
    return Save(picture, dir, QStringLiteral("formshape_region.png"));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        QTextStream(stderr) << "usage: rocker_shape_png <output folder>\n";
        return 2;
    }
    TApplication app(argc, argv);
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(dir.path())) {
        QTextStream(stderr) << "cannot create " << dir.path() << "\n";
        return 1;
    }
    const bool rockers = RenderRockers(dir);
    const bool shape = RenderFormShape(dir);
    return rockers && shape ? 0 : 1;
}
