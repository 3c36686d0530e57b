// The viewer's window: files join the graph only when read whole, clashing
// column names are told apart by file, a file on an earlier day moves the
// others, and the view is exported whole or not at all.

#include "support/TestSupport.h"
#include "graph/KivGraph.h"
#include "trend/TrendWindow.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Viewer {
    QTemporaryDir dir;
    TTrendWindow window;
    MessageCapture messages;

    Viewer() { window.resize(700, 400); }
    QString Write(const QString& name, const QByteArray& text)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return path;
    }
    void Load(const QString& path, TBadRowPolicy policy = TBadRowPolicy::Stop, bool follow = false)
    {
        QSignalSpy done(&window, &TTrendWindow::LoadsDone);
        window.Load(path, {0, 0, policy}, follow);
        ASSERT_TRUE(done.wait(10000));
    }
    QStringList Names() const
    {
        QStringList names;
        for (const auto& s : window.Graph().Series())
            names << s->Name;
        return names;
    }
};

TEST(TrendWindow, FilesShareTheGraphAndABadFileLeavesItAsItWas)
{
    Viewer v;
    v.Load(v.Write("a.csv", "time,temp,hum\n2025-12-09T10:00:00Z,20,60\n2025-12-09T12:00:00Z,22,65\n"));
    EXPECT_EQ(v.Names(), (QStringList{"temp", "hum"}));
    v.Load(v.Write("b.csv", "time;temp;co2\n2025-12-08T23:00:00Z;18,5;900\n2025-12-09T01:00:00Z;19;950\n"));
    EXPECT_EQ(v.Names(), (QStringList{"a.csv:temp", "hum", "b.csv:temp", "co2"}));
    // b.csv starts a day earlier: a.csv's points moved by a day, X counts from 2025-12-08.
    const auto& series = v.window.Graph().Series();
    EXPECT_EQ(series[0]->Points[0].X, 1440 + 600);
    EXPECT_EQ(series[2]->Points[0].X, 1380);
    EXPECT_EQ(v.window.Graph().LimitXMin, 1380);
    EXPECT_EQ(v.window.Graph().LimitXMax, 1440 + 720);
    EXPECT_TRUE(v.window.Graph().Title.contains(QLatin1String("2025-12-08 00:00")));

    const QString bad = v.Write("c.csv", "time,x\n1765238400,1\n1765238460,oops\n");
    v.Load(bad);
    EXPECT_EQ(v.Names().size(), 4);
    EXPECT_EQ(v.window.FailedLoads(), 1);
    ASSERT_EQ(v.messages.Texts.size(), 1);
    EXPECT_EQ(v.messages.Texts[0], bad + QStringLiteral(":3: column 2: x: 'oops' is not a number (not loaded)"));
    v.Load(bad, TBadRowPolicy::Skip);
    EXPECT_EQ(v.Names().size(), 5);
    EXPECT_EQ(v.window.Graph().Series().back()->Points.size(), 1u);
}

TEST(TrendWindow, ExportWritesThePictureWholeOrNothing)
{
    Viewer v;
    v.window.show();
    v.Load(v.Write("a.csv", "time,temp\n1765238400,20\n1765242000,25\n"));
    const QString png = v.dir.filePath(QStringLiteral("view.png"));
    ASSERT_TRUE(v.window.ExportPng(png));
    const QImage picture(png);
    ASSERT_FALSE(picture.isNull());
    EXPECT_GE(picture.width(), v.window.Graph().width());
    int white = 0; // the graph's background
    for (int y = 0; y < v.window.Graph().height(); ++y)
        for (int x = 0; x < v.window.Graph().width(); ++x)
            white += picture.pixel(x, y) == qRgb(255, 255, 255);
    EXPECT_GT(white, v.window.Graph().width() * v.window.Graph().height() / 2);

    const QString nowhere = v.dir.filePath(QStringLiteral("no/such/folder/view.png"));
    EXPECT_FALSE(v.window.ExportPng(nowhere));
    EXPECT_FALSE(QFile::exists(nowhere));
    ASSERT_EQ(v.messages.Texts.size(), 1);
    EXPECT_TRUE(v.messages.Texts[0].startsWith(nowhere + QStringLiteral(": cannot write the picture")));
}

TEST(TrendWindow, AFollowedFileGrowsOnTheGraphUntilItIsCut)
{
    Viewer v;
    const QString path = v.Write("live.csv", "time,t\n2025-12-09T10:00:00Z,20\n2025-12-09T10:01:00Z,21\n2025-12-09T10:02");
    v.Load(path, TBadRowPolicy::Stop, true);
    TKivGraph& g = v.window.Graph();
    const TSeries& s = *g.Series().at(0);
    EXPECT_EQ(s.Points.size(), 2u); // the unfinished line waits
    EXPECT_TRUE(g.Following());
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write(":00Z,22\n2025-12-09T13:00:00Z,23\n");
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return s.Points.size() == 4; }, 5000));
    EXPECT_EQ(s.Points.back().X, 780);
    EXPECT_EQ(g.LimitXMax, 780);
    EXPECT_EQ(g.VisLeftRect().XMax, 780); // the view keeps to the newest point
    v.Write("live.csv", "time,t\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !v.messages.Texts.isEmpty(); }, 5000));
    EXPECT_EQ(v.messages.Texts[0], path + QStringLiteral(":5: the file became shorter than the 103 bytes already read: "
                                                          "it was truncated or replaced (no longer followed)"));
}

} // namespace
