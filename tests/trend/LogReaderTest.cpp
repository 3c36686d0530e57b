// Reading log files: every kind of bad input is refused naming the file and
// the line (and the column where one field is at fault), both decimal signs,
// both time styles and the separators are read, skip mode lists every row it
// skips, and a followed file gives only complete lines and notices when it
// is cut short.

#include "graph/Series.h"
#include "trend/LogReader.h"
#include "trend/TimeParser.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstring>

namespace {

struct LogFile {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("house.csv"));

    explicit LogFile(const QByteArray& text = {}) { Write(text); }
    void Write(const QByteArray& text, QIODevice::OpenMode mode = QIODevice::WriteOnly)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(mode));
        f.write(text);
    }
    void Append(const QByteArray& text) { Write(text, QIODevice::Append); }
};

// A reader that has read the file whole into its own series.
struct Read {
    TLogReader reader;
    std::vector<std::unique_ptr<TSeries>> series;
    bool ok = false;

    Read(const QString& path, TCsvOptions options = {}, bool wholeFile = true) : reader(path, options)
    {
        if (!reader.Open())
            return;
        series = reader.MakeSeries();
        ok = More(wholeFile);
    }
    bool More(bool wholeFile)
    {
        std::vector<TSeries*> targets;
        for (auto& s : series)
            targets.push_back(s.get());
        return reader.ReadRows(targets, wholeFile);
    }
    double Y(int column, size_t row) const { return series[size_t(column)]->Points[row].Y; }
    double X(int column, size_t row) const { return series[size_t(column)]->Points[row].X; }
};

TEST(LogReader, EachBadInputNamesFileLineAndColumn)
{
    struct Case {
        const char* text;
        int64_t line;
        int column;
        const char* what;
    } cases[] = {
        {"time,a,b\n1765238400,1,2\n1765238401,3\n", 3, 0, "2 fields where the header row names 3"},
        {"time,a,b\n1765238400,1,2\n1765238401,3,2,9\n", 3, 0, "4 fields where the header row names 3"},
        {"time,a,b\n1765238400,1,2\n1765238401,x1,2\n", 3, 2, "a: 'x1' is not a number"},
        {"time,a,b\n1765238400,1,2\n1765238401,1,\n", 3, 3, "b: empty field, a number is expected"},
        {"time,a,b\n1765238400,1,2\n1765238401,1,nan\n", 3, 3, "b: 'nan' is not a number"},
        {"time,a,b\n1765238400,1,2\n1765238401,1,2\n1765238399,1,2\n", 4, 1, "time '1765238399' is earlier than the time of line 3"},
        {"time,a,b\n2026-12-09T10:00:00,1,2\n1765238401,1,2\n", 3, 1, "'1765238401' is not a time in the file's style"},
        {"time,a,b\n12:00,1,2\n", 2, 1, "'12:00' is not a time (an ISO 8601 date-time or Unix seconds)"},
        {"time,a,b\n2026-02-30T10:00:00,1,2\n", 2, 1, "not a time"},
        {"", 1, 0, "the file is empty: a header row is expected"},
        {"\n1765238400,1\n", 1, 0, "no header row"},
        {"time\n1765238400\n", 1, 0, "the header row names no value column"},
    };
    for (const Case& c : cases) {
        LogFile file(c.text);
        Read read(file.path);
        EXPECT_FALSE(read.ok) << c.text;
        const TBadRow& fault = read.reader.Fault();
        EXPECT_EQ(fault.File, file.path) << c.text;
        EXPECT_EQ(fault.Line, c.line) << c.text;
        EXPECT_EQ(fault.Column, c.column) << c.text;
        EXPECT_TRUE(fault.What.contains(QLatin1String(c.what))) << c.text << " -> " << fault.Text().toStdString();
        EXPECT_TRUE(fault.Text().startsWith(file.path + QStringLiteral(":%1: ").arg(c.line))) << fault.Text().toStdString();
    }
}

TEST(LogReader, MissingOrUnreadableFileIsNamed)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.csv"));
    Read read(missing);
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.reader.Fault().Text(), missing + QStringLiteral(": cannot open the file: No such file or directory"));
    Read folder(dir.path()); // a folder opens but reads nothing
    EXPECT_FALSE(folder.ok);
    EXPECT_TRUE(folder.reader.Fault().Text().startsWith(dir.path() + QLatin1Char(':')));
}

TEST(LogReader, DecimalSignsSeparatorsAndTimeStyles)
{
    struct Case {
        const char* text;
        TCsvOptions options;
        char separator, decimal;
    } cases[] = {
        {"time,temp,hum\n1765238400,20.5,-1e2\n1765238460.5,21.25,3\n", {}, ',', '.'},
        {"time;temp;hum\n1765238400;20,5;-100\n1765238460.5;21,25;3\n", {}, ';', ','},
        {"time;temp;hum\n1765238400;20.5;-100\n1765238460.5;21.25;3\n", {}, ';', '.'},
        {"\"time\"\t\"temp\"\t\"hum\"\r\n1765238400\t20,5\t-100\r\n1765238460.5\t21,25\t3\r\n", {}, '\t', ','},
        {"time temp hum\n1765238400 20.5 -100\n1765238460.5 21.25 3\n", {' ', 0, TBadRowPolicy::Stop}, ' ', '.'},
        {"time;temp;hum\n1765238400;20,5;-100\n1765238460.5;21,25;3", {';', ',', TBadRowPolicy::Stop}, ';', ','},
        {"time,temp,hum\n2025-12-09T00:00:00Z,20.5,-100\n2025-12-09 01:01:00.5+01:00,21.25,3\n", {}, ',', '.'},
        {"time;temp;hum\n2025-12-09;20,5;-100\n2025-12-09T00:01:00.5;21,25;3\n", {}, ';', ','},
    };
    for (const Case& c : cases) {
        LogFile file(c.text);
        Read read(file.path, c.options);
        ASSERT_TRUE(read.ok) << c.text << read.reader.Fault().Text().toStdString();
        EXPECT_EQ(read.reader.Parser().Separator(), c.separator) << c.text;
        EXPECT_EQ(read.reader.Parser().Decimal(), c.decimal) << c.text;
        ASSERT_EQ(read.reader.Columns(), (QStringList{"temp", "hum"})) << c.text;
        ASSERT_EQ(read.series[0]->Points.size(), 2u) << c.text;
        EXPECT_EQ(read.Y(0, 0), 20.5) << c.text;
        EXPECT_EQ(read.Y(0, 1), 21.25) << c.text;
        EXPECT_EQ(read.Y(1, 0), -100) << c.text;
        // 1765238400 is 2025-12-09 00:00 UTC: minutes from that midnight.
        EXPECT_EQ(read.reader.Origin(), 1765238400) << c.text;
        EXPECT_EQ(read.X(1, 0), 0) << c.text;
        EXPECT_DOUBLE_EQ(read.X(1, 1), 1.0 + 0.5 / 60) << c.text;
    }
}

TEST(LogReader, IsoTimesAgreeWithUnixSeconds)
{
    double s = 0;
    const struct {
        const char* iso;
        double unix;
    } cases[] = {{"1970-01-01T00:00:00Z", 0},          {"2000-02-29T12:00:00", 951825600},
                 {"2025-12-09T01:00:00+01:00", 1765238400}, {"2025-12-08T19:30:00-0430", 1765238400},
                 {"1969-12-31T23:59:59.75z", -0.25},       {"2025-12-09t00:00:00.125", 1765238400.125}};
    for (const auto& c : cases) {
        const std::string text = c.iso;
        ASSERT_TRUE(TTimeParser::ParseIso(text.data(), text.data() + text.size(), s)) << c.iso;
        EXPECT_DOUBLE_EQ(s, c.unix) << c.iso;
    }
    for (const char* bad : {"2025-13-01", "2025-12-09T24:00", "2025-12-09T10:61", "2025-12-09T10:00:5", "2025-12-09T10:00Zx",
                            "2025-12-09T10:00:00+25:00", "2025-1-09", "2100-02-29"})
        EXPECT_FALSE(TTimeParser::ParseIso(bad, bad + std::strlen(bad), s)) << bad;
}

TEST(LogReader, SkipModeListsEveryBadRowAndKeepsTheGoodOnes)
{
    LogFile file("time,a\n1765238400,1\n1765238460,x\n1765238520\n1765238399,4\n\n1765238580,5\n");
    Read read(file.path, {0, 0, TBadRowPolicy::Skip});
    ASSERT_TRUE(read.ok);
    ASSERT_EQ(read.reader.Skipped().size(), 3u);
    EXPECT_EQ(read.reader.Skipped()[0].Line, 3);
    EXPECT_EQ(read.reader.Skipped()[1].Line, 4);
    EXPECT_EQ(read.reader.Skipped()[2].Line, 5);
    EXPECT_EQ(read.reader.RowsRead(), 2);
    ASSERT_EQ(read.series[0]->Points.size(), 2u);
    EXPECT_EQ(read.Y(0, 1), 5);
    // Stop mode: the first bad row ends the read.
    Read stopped(file.path);
    EXPECT_FALSE(stopped.ok);
    EXPECT_EQ(stopped.reader.Fault().Line, 3);
    EXPECT_TRUE(stopped.reader.Skipped().empty());
}

TEST(LogReader, FollowingReadsCompleteLinesAndNoticesACutFile)
{
    LogFile file("time;a\n1765238400;1,5\n1765238460;2");
    Read read(file.path, {}, false);
    ASSERT_TRUE(read.ok);
    ASSERT_EQ(read.series[0]->Points.size(), 1u); // the last line waits for its end
    file.Append(",5\n1765238520;3,5\n17652");
    ASSERT_TRUE(read.More(false));
    ASSERT_EQ(read.series[0]->Points.size(), 3u);
    EXPECT_EQ(read.Y(0, 1), 2.5);
    EXPECT_EQ(read.Y(0, 2), 3.5);
    file.Append("38580;4\n");
    ASSERT_TRUE(read.More(false));
    EXPECT_EQ(read.series[0]->Points.size(), 4u);
    EXPECT_TRUE(read.More(false)); // nothing new
    EXPECT_EQ(read.series[0]->Points.size(), 4u);

    file.Write("time;a\n1765238400;1\n"); // truncated (rotated)
    EXPECT_FALSE(read.More(false));
    EXPECT_TRUE(read.reader.Fault().What.contains(QLatin1String("truncated or replaced")));
    file.Write("time;b\n1765238400;1,5\n1765238460;2,5\n1765238520;3,5\n1765238580;4,5\n1765238640;5\n");
    EXPECT_FALSE(read.More(false));
    EXPECT_EQ(read.reader.Fault().Text(), file.path + QStringLiteral(":1: the header row changed: the file was replaced"));
    EXPECT_EQ(read.series[0]->Points.size(), 4u);
}

} // namespace
