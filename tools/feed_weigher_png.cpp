// Renders the feed weigher through one whole fill-and-discharge cycle and
// writes the frames side by side, enlarged twice, to feed_weigher.png: rest,
// filling (early and late), settling, filled, valve open, discharge auger
// emptying the bin, the bin empty, and the valve opening during a fill.
// Usage: feed_weigher_png <output folder>

#include "feed/FWS.h"
#include "framework/Application.h"
#include "framework/Timer.h"

#include <QDir>
#include <QPainter>
#include <cstdio>
#include <vector>

namespace {

struct Frame {
    QImage picture;
    QString caption;
};

void Tick(TFWS& w, int count)
{
    for (int i = 0; i < count; ++i)
        w.OnFeedTimer();
}

Frame Take(TFWS& w, const QString& caption)
{
    return {w.WorkBitmap().Image().copy(), caption};
}

std::vector<Frame> Cycle()
{
    std::vector<Frame> frames;
    TFWS w;
    w.FeedTimer().SetEnabled(false);
    w.Seed(7);
    w.SetValveOpenTime(8);
    w.OnFeedTimer();
    frames.push_back(Take(w, QStringLiteral("rest")));
    w.HandleTask(0x0013, 3000);
    Tick(w, 20);
    frames.push_back(Take(w, QStringLiteral("filling")));
    Tick(w, 45);
    frames.push_back(Take(w, QStringLiteral("nearly full")));
    while (w.CycleState() != 2)
        w.OnFeedTimer();
    frames.push_back(Take(w, QStringLiteral("settling")));
    while (w.CycleState() != 0)
        w.OnFeedTimer();
    frames.push_back(Take(w, QStringLiteral("filled")));
    w.SetLosklep(true);
    Tick(w, 2);
    frames.push_back(Take(w, QStringLiteral("valve open")));
    while (w.CycleState() != 0)
        w.OnFeedTimer();
    w.SetAfvoerVijzel(true);
    Tick(w, 25);
    frames.push_back(Take(w, QStringLiteral("discharging")));
    Tick(w, 40);
    frames.push_back(Take(w, QStringLiteral("bin empty")));
    w.SetAfvoerVijzel(false);
    w.SetLosklepOpenTijdensVullen(true);
    w.SetActivateVijzel(true);
    while (!w.Losklep())
        w.OnFeedTimer();
    frames.push_back(Take(w, QStringLiteral("valve opened while filling")));
    return frames;
}

} // namespace

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: feed_weigher_png OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(dir.path());
    const std::vector<Frame> frames = Cycle();
    constexpr int kScale = 2, kW = 140 * kScale, kH = 200 * kScale, kGap = 8, kCaption = 20;
    QImage strip(int(frames.size()) * (kW + kGap), kH + kCaption, QImage::Format_RGB32);
    strip.fill(Qt::white);
    QPainter p(&strip);
    for (size_t i = 0; i < frames.size(); ++i) {
        const int x = int(i) * (kW + kGap);
        p.drawImage(x, kCaption, frames[i].picture.scaled(kW, kH, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        p.drawText(QRect(x, 0, kW, kCaption), Qt::AlignCenter, frames[i].caption);
    }
    p.end();
    const QString path = dir.filePath(QStringLiteral("feed_weigher.png"));
    if (!strip.save(path)) {
        std::fprintf(stderr, "feed_weigher_png: cannot write %s\n", qPrintable(path));
        return 1;
    }
    std::printf("%s\n", qPrintable(path));
    return 0;
}
