// glyph_sheet_png: every glyph set enlarged on one sheet, one row per set
// (large, small, micro, the extra small letters, the unit pictures and the
// day counter), each glyph on a pale green cell so its exact box shows:
//
//   glyph_sheet_png OUTPUT.png [FOLDER]
//
// Without a folder the pictures compiled into the program are shown.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <vector>

namespace {

constexpr int kScale = 6;

struct Row {
    QStringList names;
};

QStringList SetNames(const QString& prefix, const QStringList& tail)
{
    QStringList names;
    for (const QString& t : tail)
        names << prefix + t;
    for (int d = 0; d <= 9; ++d)
        names << prefix + QString::number(d);
    return names;
}

std::vector<Row> Rows()
{
    const QStringList common{"SPACE", "POINT", "KOMMA", "MINUS", "DBLPNT"};
    return {{SetNames("FONTS", common + QStringList{"O", "N", "M", "F", "PERC"})},
            {SetNames("SMALLFONTS", common + QStringList{"O", "M", "N", "F", "PERC", "G", "K", "S"})},
            {SetNames("MICROFONTS", common + QStringList{"PERC"})},
            {{"UNITCELS", "UNITFAHR", "UNITGRAM", "UNITKG", "UNITLTR", "UNITMINUTE", "UNITML", "UNITMS",
              "UNITPASCAL", "UNITPERHOUR", "UNITPERC", "DAGENTELLER"}}};
}

QImage Load(const QString& folder, const QString& name)
{
    const QString path = folder.isEmpty() ? QStringLiteral(":/bitmaps/%1.png").arg(name)
                                          : QDir(folder).filePath(name + QStringLiteral(".png"));
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: glyph_sheet_png OUTPUT.png [FOLDER]\n");
        return 2;
    }
    const QString folder = argc == 3 ? QString::fromLocal8Bit(argv[2]) : QString();
    std::vector<std::vector<QImage>> rows;
    int width = 0, height = 0;
    for (const Row& row : Rows()) {
        std::vector<QImage> pictures;
        int w = 0, h = 0;
        for (const QString& name : row.names) {
            QImage img = Load(folder, name);
            if (img.isNull()) {
                std::fprintf(stderr, "glyph_sheet_png: missing %s\n", qPrintable(name));
                return 1;
            }
            w += (img.width() + 2) * kScale;
            h = std::max(h, img.height() * kScale);
            pictures.push_back(img);
        }
        width = std::max(width, w);
        height += h + 3 * kScale;
        rows.push_back(pictures);
    }
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    int y = 0;
    for (const auto& pictures : rows) {
        int x = 0, h = 0;
        for (const QImage& img : pictures) {
            QImage big = img.scaled(img.size() * kScale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
            // White shows as pale green so the glyph's box is visible.
            for (int yy = 0; yy < big.height(); ++yy)
                for (int xx = 0; xx < big.width(); ++xx)
                    if (big.pixel(xx, yy) == qRgb(255, 255, 255))
                        big.setPixel(xx, yy, qRgb(205, 235, 205));
            p.drawImage(x, y, big);
            x += (img.width() + 2) * kScale;
            h = std::max(h, big.height());
        }
        y += h + 3 * kScale;
    }
    p.end();
    if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "glyph_sheet_png: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
