// TMasterDiagram::FillPointOptions on a real SQLite table.

#include "TestDiagram.h"

#include "framework/DataTable.h"
#include "framework/Exception.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>
#include <gtest/gtest.h>

namespace {

// An in-memory database that disappears with the fixture.
struct PointOptionsFixture : ::testing::Test {
    QString connection = QUuid::createUuid().toString();
    QSqlDatabase db;
    TTestDiagram d;

    void SetUp() override
    {
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(QStringLiteral(":memory:"));
        ASSERT_TRUE(db.open());
    }
    void TearDown() override
    {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connection);
    }
    void Exec(const QString& sql)
    {
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(sql)) << sql.toStdString();
    }
    void CreateOptions(bool optionalColumns)
    {
        Exec(optionalColumns ? QStringLiteral("CREATE TABLE Options (VarName TEXT, OptionEnabled BOOLEAN, SubCommando "
                                              "INTEGER, CurveOptionEnabled BOOLEAN, BitmapName TEXT)")
                             : QStringLiteral("CREATE TABLE Options (VarName TEXT, OptionEnabled BOOLEAN, BitmapName TEXT)"));
    }
    TPointInfo& Point(const QString& name, int x, int symbolRow = -1)
    {
        TPointInfo& p = d.AddPoint(x, 50, true);
        p.VarName = name;
        if (symbolRow >= 0) {
            p.Symbol.SymbolType = vtTenths;
            p.Symbol.SymbolRow = symbolRow;
        }
        return p;
    }
    int IndexOf(const QString& name) const
    {
        for (size_t i = 0; i < d.PointList.size(); ++i)
            if (d.PointList[i]->VarName == name)
                return int(i);
        return -1;
    }
};

} // namespace

TEST_F(PointOptionsFixture, PointMissingFromTheTableIsRemovedAndLowerSymbolsMoveUp)
{
    CreateOptions(false);
    Exec(QStringLiteral("INSERT INTO Options VALUES ('A', 1, ''), ('C', 1, ''), ('D', 1, '')"));
    Point(QStringLiteral("A"), 100);
    Point(QStringLiteral("B"), 200, 0);
    Point(QStringLiteral("C"), 300, 1);
    Point(QStringLiteral("D"), 400, 2); // the last point of the list moves up too
    d.CurrentPoint = d.PointList[1].get();
    TDataTable table(db, QStringLiteral("Options"));
    d.FillPointOptions(table);
    ASSERT_EQ(d.PointList.size(), 3u);
    EXPECT_EQ(IndexOf(QStringLiteral("B")), -1);
    EXPECT_EQ(d.PointList[size_t(IndexOf(QStringLiteral("C")))]->Symbol.SymbolRow, 0);
    EXPECT_EQ(d.PointList[size_t(IndexOf(QStringLiteral("D")))]->Symbol.SymbolRow, 1);
    EXPECT_EQ(d.CurrentPoint, nullptr) << "the removed point is no longer current";
}

TEST_F(PointOptionsFixture, EnabledRowWinsAndOptionalColumnsAreRead)
{
    CreateOptions(true);
    Exec(QStringLiteral("INSERT INTO Options VALUES ('A', 0, 3, 0, ''), ('A', 1, 5, 1, 'vlam'), "
                        "('B', 0, 9, 1, ''), ('C', 1, 2, 0, '')"));
    TPointInfo& a = Point(QStringLiteral("A"), 100);
    Point(QStringLiteral("B"), 200);
    TPointInfo& c = Point(QStringLiteral("C"), 300);
    TDataTable table(db, QStringLiteral("Options"));
    d.FillPointOptions(table);
    ASSERT_EQ(d.PointList.size(), 2u) << "a row with OptionEnabled false removes its point";
    EXPECT_EQ(a.SubCommando, 5);
    EXPECT_TRUE(a.CurveOptionEnabled);
    EXPECT_FALSE(a.XEditable);
    EXPECT_FALSE(a.YEditable);
    EXPECT_EQ(a.Symbol.SymbolBitmap.Width(), 20) << "BitmapName names a picture resource";
    EXPECT_TRUE(a.Symbol.SymbolBitmap.Transparent);
    EXPECT_EQ(c.SubCommando, 2);
    EXPECT_FALSE(c.CurveOptionEnabled);
    EXPECT_TRUE(c.XEditable);
}

TEST_F(PointOptionsFixture, WithoutOptionalColumnsNoCurveOptionAndSubCommandoKept)
{
    CreateOptions(false);
    Exec(QStringLiteral("INSERT INTO Options VALUES ('A', 1, '')"));
    TPointInfo& a = Point(QStringLiteral("A"), 100);
    a.SubCommando = 8;
    a.CurveOptionEnabled = true;
    TDataTable table(db, QStringLiteral("Options"));
    d.FillPointOptions(table);
    EXPECT_EQ(a.SubCommando, 8);
    EXPECT_FALSE(a.CurveOptionEnabled);
}

TEST_F(PointOptionsFixture, XRangeGrowsInStepsOfFiftyToHoldEveryPoint)
{
    CreateOptions(false);
    Exec(QStringLiteral("INSERT INTO Options VALUES ('A', 1, ''), ('B', 1, '')"));
    Point(QStringLiteral("A"), -20);
    Point(QStringLiteral("B"), 620);
    TDataTable table(db, QStringLiteral("Options"));
    d.FillPointOptions(table);
    EXPECT_EQ(d.DiagramSettings()->MinXValue, -50);
    EXPECT_EQ(d.DiagramSettings()->MaxXValue, 650);
}

TEST_F(PointOptionsFixture, MissingRequiredColumnIsNamedAndNothingChanges)
{
    Exec(QStringLiteral("CREATE TABLE Options (VarName TEXT, OptionEnabled BOOLEAN)"));
    Point(QStringLiteral("A"), 100);
    TDataTable table(db, QStringLiteral("Options"));
    try {
        d.FillPointOptions(table);
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, QStringLiteral("Field 'BitmapName' not found in table 'Options'"));
    }
    EXPECT_EQ(d.PointList.size(), 1u);
}
