// TDataTable over SQLite: opening, locate by one or more fields, field by name.

#include "framework/DataTable.h"
#include "framework/Exception.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>
#include <gtest/gtest.h>

namespace {

struct DataTableFixture : ::testing::Test {
    QString connection = QUuid::createUuid().toString();
    QSqlDatabase db;

    void SetUp() override
    {
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(QStringLiteral(":memory:"));
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(QStringLiteral("CREATE TABLE \"Point Options\" (VarName TEXT, OptionEnabled BOOLEAN, Nr INTEGER)")));
        ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO \"Point Options\" VALUES ('a', 0, 1), ('A', 0, 2), ('A', 1, 3), "
                                          "('B', NULL, 4)")));
    }
    void TearDown() override
    {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connection);
    }
    QString ErrorOf(const std::function<void()>& f)
    {
        try {
            f();
        } catch (const Exception& e) {
            return e.Message;
        }
        return QString();
    }
};

} // namespace

TEST_F(DataTableFixture, LocateFindsTheFirstMatchingRowInTableOrder)
{
    TDataTable t(db, QStringLiteral("Point Options"));
    EXPECT_EQ(t.RecordCount(), 4);
    EXPECT_EQ(t.RecNo(), -1);
    EXPECT_TRUE(t.FieldByName(QStringLiteral("Nr")).isNull()) << "no current record yet";
    ASSERT_TRUE(t.Locate(QStringLiteral("VarName"), {QStringLiteral("A")}));
    EXPECT_EQ(t.FieldByName(QStringLiteral("Nr")).toInt(), 2) << "text compares with case";
    ASSERT_TRUE(t.Locate(QStringLiteral("VarName;OptionEnabled"), {QStringLiteral("A"), true}));
    EXPECT_EQ(t.FieldByName(QStringLiteral("nr")).toInt(), 3) << "field names ignore case";
    ASSERT_TRUE(t.Locate(QStringLiteral("Nr"), {4}));
    EXPECT_TRUE(t.FieldByName(QStringLiteral("OptionEnabled")).isNull());
    EXPECT_FALSE(t.Locate(QStringLiteral("VarName;OptionEnabled"), {QStringLiteral("B"), true}));
    EXPECT_EQ(t.RecNo(), 3) << "a failed locate keeps the current record";
}

TEST_F(DataTableFixture, MissingTableAndFieldsAreNamed)
{
    EXPECT_EQ(ErrorOf([&] { TDataTable(db, QStringLiteral("Nothing")); }), QStringLiteral("Table 'Nothing' not found"));
    TDataTable t(db, QStringLiteral("Point Options"));
    EXPECT_TRUE(t.HasField(QStringLiteral("varname")));
    EXPECT_FALSE(t.HasField(QStringLiteral("SubCommando")));
    EXPECT_EQ(ErrorOf([&] { t.FieldByName(QStringLiteral("SubCommando")); }),
              QStringLiteral("Field 'SubCommando' not found in table 'Point Options'"));
    EXPECT_EQ(ErrorOf([&] { t.Locate(QStringLiteral("BitmapName"), {QString()}); }),
              QStringLiteral("Field 'BitmapName' not found in table 'Point Options'"));
    EXPECT_EQ(ErrorOf([&] { t.RequireFields({QStringLiteral("VarName"), QStringLiteral("BitmapName")}); }),
              QStringLiteral("Field 'BitmapName' not found in table 'Point Options'"));
    EXPECT_FALSE(ErrorOf([&] { t.Locate(QStringLiteral("VarName;Nr"), {QStringLiteral("A")}); }).isEmpty());
}

TEST_F(DataTableFixture, ClosedDatabaseIsRefused)
{
    db.close();
    EXPECT_EQ(ErrorOf([&] { TDataTable(db, QStringLiteral("Point Options")); }),
              QStringLiteral("Cannot open table 'Point Options': the database is not open"));
}
