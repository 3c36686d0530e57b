// Draws the pictures the library's components give of themselves:
//   component_icons <folder> [<desktop-icon-folder>]
// writes <folder>/<Class>.png (the 32-pixel palette icon of every visual
// component, as the Qt Designer plugin shows it) and, when the second folder
// is given, the programs' 64-pixel desktop icons quil-demo.png (the
// ventilation diagram), quil-gallery.png (four components side by side) and
// quil-trend.png (two curves on the trend graph).
#include "framework/Application.h"
#include "graph/KivGraph.h"
#include "library/ComponentPicture.h"
#include "library/RegisterLibrary.h"

#include <QDir>
#include <QPainter>
#include <cmath>
#include <cstdio>

namespace {

bool Save(const QImage& image, const QString& path)
{
    if (image.save(path))
        return true;
    std::fprintf(stderr, "component_icons: cannot write %s\n", qPrintable(path));
    return false;
}

QImage GalleryIcon(const QList<TComponentClass>& classes)
{
    QImage icon(64, 64, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    for (int i = 0; i < 4 && i < classes.size(); ++i)
        painter.drawImage((i % 2) * 32, (i / 2) * 32, TComponentPicture::Icon(classes[i], 32));
    return icon;
}

// Two curves on a white trend graph without labels, drawn at twice the size
// and scaled down, so the lines stay clear.
QImage TrendIcon()
{
    TKivGraph graph;
    graph.resize(128, 128);
    graph.ShowXNumbers = false;
    graph.ShowLeftNumbers = false;
    graph.SetColorBg(clWhite);
    graph.SetLineWidth(4);
    const TColor colors[] = {clRed, clBlue};
    for (int k = 0; k < 2; ++k) {
        auto* s = new TSeries;
        s->Color = colors[k];
        for (int i = 0; i <= 100; ++i)
            s->Points.push_back({double(i), 50 + 35 * std::sin(i * 0.09 + k * 2.2) - k * 8});
        graph.AddSerie(s);
    }
    graph.LimitXMin = 0;
    graph.LimitXMax = 100;
    graph.LimitLeftMin = 0;
    graph.LimitLeftMax = 100;
    graph.DrawGraphic();
    return graph.PaintToImage().scaled(64, 64, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: component_icons <folder> [<desktop-icon-folder>]\n");
        return 2;
    }
    const QList<TComponentClass> classes = VisualLibraryComponents();
    bool ok = QDir().mkpath(QString::fromLocal8Bit(argv[1]));
    for (const TComponentClass& cls : classes)
        ok = Save(TComponentPicture::Icon(cls, 32), QDir(QString::fromLocal8Bit(argv[1])).filePath(cls.ClassName + ".png")) && ok;
    if (argc > 2) {
        const QDir desktop(QString::fromLocal8Bit(argv[2]));
        ok = Save(TComponentPicture::Icon(*FindComponentClass(QStringLiteral("TLvdVentDiagram")), 64),
                  desktop.filePath(QStringLiteral("quil-demo.png"))) && ok;
        QList<TComponentClass> shown;
        for (const char* name : {"TvrThermoMeter", "TLCD99", "TGSpin", "TVrRocker"})
            if (const auto cls = FindComponentClass(QLatin1String(name)))
                shown.append(*cls);
        ok = Save(GalleryIcon(shown), desktop.filePath(QStringLiteral("quil-gallery.png"))) && ok;
        ok = Save(TrendIcon(), desktop.filePath(QStringLiteral("quil-trend.png"))) && ok;
    }
    return ok ? 0 : 1;
}
