#include "app/Generalfunctions.h"

#include "framework/Exception.h"
#include "framework/Registry.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include "support/ConfigHome.h"

#include <gtest/gtest.h>

namespace {

const QByteArray KeyHead = "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Brenvik\\Quil demo]\n";

// Each test runs against its own config folder, as a fresh user would.
class Settings : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(home_.isValid()); }

    QString KeyFile() const { return home_.KeyFile(); }
    void PutKeyFile(const QByteArray& values) const
    {
        QDir().mkpath(QFileInfo(KeyFile()).path());
        QFile file(KeyFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(KeyHead + values);
    }
    QByteArray KeyFileContent() const
    {
        QFile file(KeyFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static QVariant Read(const QString& name)
    {
        QVariant value;
        ReadRegistryValue(name, value);
        return value;
    }
    // The message of the framework error that action raises, or "" if none.
    template <typename F> static QString ErrorOf(F action)
    {
        try {
            action();
        } catch (const Exception& e) {
            return e.Message;
        }
        return {};
    }

    TempConfigHome home_;
};

TEST_F(Settings, KeyPathIsTheDemosKey) { EXPECT_EQ(SettingsKeyPath, QStringLiteral("Software\\Brenvik\\Quil demo")); }

TEST_F(Settings, AskingForAValueNeverCreatesTheKey)
{
    EXPECT_FALSE(RegistryValueExists(QStringLiteral("MINALARM")));
    EXPECT_FALSE(QFileInfo::exists(home_.path() + QStringLiteral("/quil")));
    EXPECT_EQ(ErrorOf([] { Read(QStringLiteral("MINALARM")); }),
              QStringLiteral("Variable MINALARM not found in key Software\\Brenvik\\Quil demo"));
    EXPECT_FALSE(QFileInfo::exists(home_.path() + QStringLiteral("/quil")));

    PutKeyFile("\"MINALARM\"=dword:00000064\n");
    EXPECT_TRUE(RegistryValueExists(QStringLiteral("minalarm")));
    EXPECT_FALSE(RegistryValueExists(QStringLiteral("MAXALARM")));
    EXPECT_EQ(ErrorOf([] { Read(QStringLiteral("MAXALARM")); }),
              QStringLiteral("Variable MAXALARM not found in key Software\\Brenvik\\Quil demo"));
}

TEST_F(Settings, IntegersAndBooleansAreStoredAsDwords)
{
    WriteRegistryValue(QStringLiteral("STREEFTEMP"), QVariant(185));
    WriteRegistryValue(QStringLiteral("MINALARM"), QVariant(-5));
    WriteRegistryValue(QStringLiteral("OPTIEVENTILATIE"), QVariant(true));
    WriteRegistryValue(QStringLiteral("OPTIEKOELING"), QVariant(false));
    WriteRegistryValue(QStringLiteral("SMALL"), QVariant::fromValue<short>(-2));
    WriteRegistryValue(QStringLiteral("BYTE"), QVariant::fromValue<uchar>(200));
    EXPECT_EQ(KeyFileContent(), KeyHead + "\"STREEFTEMP\"=dword:000000b9\n"
                                          "\"MINALARM\"=dword:fffffffb\n"
                                          "\"OPTIEVENTILATIE\"=dword:ffffffff\n"
                                          "\"OPTIEKOELING\"=dword:00000000\n"
                                          "\"SMALL\"=dword:fffffffe\n"
                                          "\"BYTE\"=dword:000000c8\n\n");

    const QVariant target = Read(QStringLiteral("streeftemp"));
    EXPECT_EQ(target.typeId(), QMetaType::Int);
    EXPECT_EQ(target.toInt(), 185);
    EXPECT_EQ(VariantToInt(Read(QStringLiteral("MINALARM"))), -5);
    EXPECT_TRUE(VariantToBool(Read(QStringLiteral("OPTIEVENTILATIE"))));
    EXPECT_FALSE(VariantToBool(Read(QStringLiteral("OPTIEKOELING"))));
}

TEST_F(Settings, ABooleanStoredAsOneReadsTrueAndIsRewrittenAsMinusOne)
{
    PutKeyFile("\"OPTIEKOELING\"=dword:00000001\n");
    const bool cooling = VariantToBool(Read(QStringLiteral("OPTIEKOELING")));
    EXPECT_TRUE(cooling);
    WriteRegistryValue(QStringLiteral("OPTIEKOELING"), QVariant(cooling));
    EXPECT_EQ(KeyFileContent(), KeyHead + "\"OPTIEKOELING\"=dword:ffffffff\n\n");
}

TEST_F(Settings, ATextHoldingANumberReadsAsThatNumberAndIsRewrittenAsDword)
{
    PutKeyFile("\"STREEFTEMP\"=\"185\"\n\"NAME\"=\"Stal 4\"\n");
    const QVariant stored = Read(QStringLiteral("STREEFTEMP"));
    EXPECT_EQ(stored.typeId(), QMetaType::QString);
    const int target = VariantToInt(stored);
    EXPECT_EQ(target, 185);
    WriteRegistryValue(QStringLiteral("STREEFTEMP"), QVariant(target));
    EXPECT_EQ(KeyFileContent(), KeyHead + "\"STREEFTEMP\"=dword:000000b9\n\"NAME\"=\"Stal 4\"\n\n");

    EXPECT_EQ(ErrorOf([this] { VariantToInt(Read(QStringLiteral("NAME"))); }),
              QStringLiteral("Could not convert variant of type (String) into type (Integer)"));
}

TEST_F(Settings, TextAndDatesKeepTheirKinds)
{
    const QDateTime when(QDate(2024, 3, 1), QTime(14, 30));
    WriteRegistryValue(QStringLiteral("TITLE"), QVariant(QStringLiteral("Stal \"4\"")));
    WriteRegistryValue(QStringLiteral("STARTED"), QVariant(when));
    WriteRegistryValue(QStringLiteral("DAY"), QVariant(QDate(1899, 12, 31)));
    EXPECT_EQ(Read(QStringLiteral("TITLE")), QVariant(QStringLiteral("Stal \"4\"")));
    const QVariant started = Read(QStringLiteral("STARTED"));
    EXPECT_EQ(started.typeId(), QMetaType::QDateTime);
    EXPECT_EQ(started.toDateTime(), when);
    EXPECT_TRUE(KeyFileContent().contains("\"DAY\"=hex:00,00,00,00,00,00,f0,3f\n")) << "day 1.0 as a little-endian double";

    PutKeyFile("\"PATH\"=hex(2):25,00,48,00,00,00\n");
    EXPECT_EQ(Read(QStringLiteral("PATH")), QVariant(QStringLiteral("%H")));
}

TEST_F(Settings, ValuesWithoutAVariantKindAreRefused)
{
    PutKeyFile("\"SHORTDATE\"=hex:00,00,80,3f\n\"LIST\"=hex(7):61,00,00,00,00,00\n");
    EXPECT_EQ(ErrorOf([] { Read(QStringLiteral("SHORTDATE")); }), QStringLiteral("Invalid data type for 'SHORTDATE'"));
    EXPECT_EQ(ErrorOf([] { Read(QStringLiteral("LIST")); }), QStringLiteral("Invalid data type for 'LIST'"));
}

TEST_F(Settings, KindsThatCannotBeStoredAreRefusedBeforeTheKeyIsCreated)
{
    for (const QVariant& value : {QVariant(1.5), QVariant(qint64(7)), QVariant(7u), QVariant(), QVariant(QByteArray("x"))})
        EXPECT_EQ(ErrorOf([&] { WriteRegistryValue(QStringLiteral("X"), value); }), QStringLiteral("Invalid data type for 'X'"))
            << value.typeName();
    EXPECT_FALSE(QFileInfo::exists(home_.path() + QStringLiteral("/quil")));
}

// Several values at once: the text single writes give, or nothing at all.
TEST_F(Settings, ValuesWrittenTogetherGiveTheTextOfSingleWritesOrNothing)
{
    PutKeyFile("\"OPTIEKOELING\"=dword:00000001\n");
    EXPECT_EQ(ErrorOf([] { WriteRegistryValues({{QStringLiteral("A"), QVariant(1)}, {QStringLiteral("B"), QVariant(1.5)}}); }),
              QStringLiteral("Invalid data type for 'B'"));
    EXPECT_EQ(KeyFileContent(), KeyHead + "\"OPTIEKOELING\"=dword:00000001\n");

    WriteRegistryValues({{QStringLiteral("STREEFTEMP"), QVariant(185)},
                         {QStringLiteral("optiekoeling"), QVariant(true)},
                         {QStringLiteral("NAME"), QVariant(QStringLiteral("Stal 4"))}});
    EXPECT_EQ(KeyFileContent(), KeyHead + "\"OPTIEKOELING\"=dword:ffffffff\n"
                                          "\"STREEFTEMP\"=dword:000000b9\n"
                                          "\"NAME\"=\"Stal 4\"\n\n");
}

TEST_F(Settings, AWriteTheStoreRefusesFailsWithTheValueName)
{
    // A plain file where the key's folder belongs: the key can be neither created nor written.
    QDir().mkpath(home_.path() + QStringLiteral("/quil/Software"));
    QFile blocker(home_.path() + QStringLiteral("/quil/Software/Brenvik"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_EQ(ErrorOf([] { WriteRegistryValue(QStringLiteral("MAXALARM"), QVariant(360)); }),
              QStringLiteral("Failed to set data for 'MAXALARM'"));
}

TEST_F(Settings, ABrokenFileStopsEveryOperationAndIsKept)
{
    const QByteArray broken = "\"MINALARM\"=dword:100\n\"MAXALARM\"=360\n";
    PutKeyFile(broken);
    const QString expected = QStringLiteral("Error in registry file %1, line 5: unknown kind of value data").arg(KeyFile());
    EXPECT_EQ(ErrorOf([] { RegistryValueExists(QStringLiteral("MINALARM")); }), expected);
    EXPECT_EQ(ErrorOf([] { Read(QStringLiteral("MINALARM")); }), expected);
    EXPECT_EQ(ErrorOf([] { WriteRegistryValue(QStringLiteral("MINALARM"), QVariant(100)); }), expected);
    EXPECT_EQ(KeyFileContent(), KeyHead + broken);
}

TEST(VariantConversion, FollowsTheClassicRules)
{
    EXPECT_EQ(VariantToInt(QVariant(true)), -1);
    EXPECT_EQ(VariantToInt(QVariant(false)), 0);
    EXPECT_EQ(VariantToInt(QVariant(QStringLiteral(" -42 "))), -42);
    EXPECT_EQ(VariantToInt(QVariant(QStringLiteral("18.5"))), 18) << "halves round to even";
    EXPECT_EQ(VariantToInt(QVariant(19.5)), 20);
    EXPECT_EQ(VariantToInt(QVariant(qint64(2147483647))), 2147483647);
    EXPECT_EQ(VariantToInt(QVariant(QDateTime(QDate(1900, 1, 1), QTime(6, 0)))), 2);

    EXPECT_TRUE(VariantToBool(QVariant(-1)));
    EXPECT_TRUE(VariantToBool(QVariant(1)));
    EXPECT_FALSE(VariantToBool(QVariant(0)));
    EXPECT_TRUE(VariantToBool(QVariant(QStringLiteral("True"))));
    EXPECT_FALSE(VariantToBool(QVariant(QStringLiteral("false"))));
    EXPECT_TRUE(VariantToBool(QVariant(QStringLiteral("7"))));
    EXPECT_FALSE(VariantToBool(QVariant(QStringLiteral("0"))));

    const auto error = [](auto convert, const QVariant& value) {
        try {
            convert(value);
        } catch (const EVariantError& e) {
            return e.Message;
        }
        return QString();
    };
    const auto toInt = [](const QVariant& v) { return VariantToInt(v); };
    const auto toBool = [](const QVariant& v) { return VariantToBool(v); };
    EXPECT_EQ(error(toInt, QVariant(QStringLiteral("abc"))), QStringLiteral("Could not convert variant of type (String) into type (Integer)"));
    EXPECT_EQ(error(toInt, QVariant(QString())), QStringLiteral("Could not convert variant of type (String) into type (Integer)"));
    EXPECT_EQ(error(toInt, QVariant(QStringLiteral("2147483648"))), QStringLiteral("Could not convert variant of type (String) into type (Integer)"));
    EXPECT_EQ(error(toInt, QVariant(qint64(1) << 40)), QStringLiteral("Could not convert variant of type (Int64) into type (Integer)"));
    EXPECT_EQ(error(toInt, QVariant(1e300)), QStringLiteral("Could not convert variant of type (Double) into type (Integer)"));
    EXPECT_EQ(error(toInt, QVariant()), QStringLiteral("Could not convert variant of type (Empty) into type (Integer)"));
    EXPECT_EQ(error(toBool, QVariant(QStringLiteral("yes"))), QStringLiteral("Could not convert variant of type (String) into type (Boolean)"));
    EXPECT_EQ(error(toBool, QVariant()), QStringLiteral("Could not convert variant of type (Empty) into type (Boolean)"));
}

} // namespace
