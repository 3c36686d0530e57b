#include "framework/Exception.h"
#include "framework/Registry.h"
#include "framework/RegistryTextFormat.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include "support/ConfigHome.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

const QString KeyPath = QStringLiteral("Software\\Brenvik\\Quil demo");
const QByteArray KeyHead = "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Brenvik\\Quil demo]\n";

// Every test gets its own config folder through XDG_CONFIG_HOME, as a user would.
class RegistryStore : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(home_.isValid()); }

    QString KeyFile() const { return home_.KeyFile(); }
    void PutKeyFile(const QByteArray& content) const
    {
        QDir().mkpath(QFileInfo(KeyFile()).path());
        QFile file(KeyFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QByteArray KeyFileContent() const
    {
        QFile file(KeyFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // The message of the registry error that action raises, or "" if none.
    template <typename F> static QString ErrorOf(F action)
    {
        try {
            action();
        } catch (const ERegistryException& e) {
            return e.Message;
        }
        return {};
    }

    TempConfigHome home_;
};

TEST_F(RegistryStore, MissingKeyIsCreatedOnlyWhenAskedTo)
{
    TRegistry registry;
    EXPECT_FALSE(registry.KeyExists(KeyPath));
    EXPECT_FALSE(registry.OpenKey(KeyPath, false));
    EXPECT_FALSE(registry.HasCurrentKey());
    EXPECT_FALSE(QFileInfo::exists(home_.path() + QStringLiteral("/quil"))) << "looking must not create folders";

    ASSERT_TRUE(registry.OpenKey(KeyPath, true));
    EXPECT_TRUE(registry.KeyExists(KeyPath));
    EXPECT_EQ(KeyFileContent(), KeyHead + "\n");
    // The parent keys exist too, as folders.
    EXPECT_TRUE(registry.KeyExists(QStringLiteral("Software\\Brenvik")));
    EXPECT_TRUE(registry.OpenKey(QStringLiteral("Software"), false));
    EXPECT_FALSE(registry.ValueExists(QStringLiteral("ANY")));
}

TEST_F(RegistryStore, ValuesAreWrittenAsExportTextAndReadBack)
{
    const QDateTime started(QDate(2024, 1, 1), QTime(6, 0));
    {
        TRegistry registry;
        ASSERT_TRUE(registry.OpenKey(KeyPath, true));
        registry.WriteInteger(QStringLiteral("STREEFTEMP"), 185);
        registry.WriteInteger(QStringLiteral("OPTIEKOELING"), -1);
        registry.WriteString(QStringLiteral("FOLDER"), QStringLiteral("C:\\temp \"x\" \u00e9\u20ac"));
        registry.WriteDateTime(QStringLiteral("STARTED"), started);
        registry.WriteString(QString(), QStringLiteral("default"));
    }
    EXPECT_EQ(QString::fromUtf8(KeyFileContent()),
              QString::fromUtf8(KeyHead + "\"STREEFTEMP\"=dword:000000b9\n"
                                          "\"OPTIEKOELING\"=dword:ffffffff\n"
                                          "\"FOLDER\"=\"C:\\\\temp \\\"x\\\" \xc3\xa9\xe2\x82\xac\"\n"
                                          "\"STARTED\"=hex:00,00,00,00,88,1d,e6,40\n"
                                          "@=\"default\"\n\n"));

    TRegistry reader;
    ASSERT_TRUE(reader.OpenKey(KeyPath, false));
    EXPECT_EQ(reader.ReadInteger(QStringLiteral("STREEFTEMP")), 185);
    EXPECT_EQ(reader.ReadInteger(QStringLiteral("OPTIEKOELING")), -1);
    EXPECT_EQ(reader.ReadString(QStringLiteral("FOLDER")), QStringLiteral("C:\\temp \"x\" \u00e9\u20ac"));
    EXPECT_EQ(reader.ReadDateTime(QStringLiteral("STARTED")), started);
    EXPECT_EQ(reader.ReadString(QString()), QStringLiteral("default"));
}

TEST_F(RegistryStore, NamesIgnoreCaseAndKeepTheirFirstSpelling)
{
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(KeyPath, true));
    registry.WriteInteger(QStringLiteral("MinAlarm"), 100);
    EXPECT_TRUE(registry.ValueExists(QStringLiteral("MINALARM")));
    EXPECT_EQ(registry.ReadInteger(QStringLiteral("minalarm")), 100);

    registry.WriteInteger(QStringLiteral("MINALARM"), 120);
    EXPECT_EQ(KeyFileContent(), KeyHead + "\"MinAlarm\"=dword:00000078\n\n");
}

TEST_F(RegistryStore, KeyPathsIgnoreCase)
{
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(KeyPath, true));
    registry.WriteInteger(QStringLiteral("X"), 7);

    EXPECT_TRUE(registry.KeyExists(QStringLiteral("SOFTWARE\\brenvik\\QUIL DEMO")));
    ASSERT_TRUE(registry.OpenKey(QStringLiteral("\\software\\BRENVIK\\quil Demo\\"), true));
    EXPECT_EQ(registry.ReadInteger(QStringLiteral("x")), 7);
    registry.WriteInteger(QStringLiteral("Y"), 8);
    EXPECT_EQ(QDir(home_.path() + QStringLiteral("/quil")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{QStringLiteral("Software")});
    EXPECT_EQ(KeyFileContent(), KeyHead + "\"X\"=dword:00000007\n\"Y\"=dword:00000008\n\n");
}

TEST_F(RegistryStore, PathsThatNameNoKeyAreRefused)
{
    TRegistry registry;
    for (const QString& path : {QStringLiteral("Software\\..\\..\\escaped"), QStringLiteral("a/b"), QString(),
                                QStringLiteral("\\"), QStringLiteral("A\\\\B"), QStringLiteral(".")}) {
        EXPECT_FALSE(registry.OpenKey(path, true)) << path.toStdString();
        EXPECT_FALSE(registry.KeyExists(path)) << path.toStdString();
    }
    EXPECT_EQ(QDir(home_.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden), QStringList());
}

TEST_F(RegistryStore, DataTypesFollowTheStoredType)
{
    PutKeyFile(KeyHead + "\"D\"=dword:000000b9\n"
                         "\"S\"=\"185\"\n"
                         "\"E\"=hex(2):25,00,48,00,4f,00,4d,00,45,00,25,00,00,00\n"
                         "\"B\"=hex:01,02\n"
                         "\"M\"=hex(7):61,00,00,00,62,00,00,00,00,00\n"
                         "\"N\"=hex(0):\n");
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(KeyPath, false));
    EXPECT_EQ(registry.GetDataType(QStringLiteral("d")), TRegDataType::rdInteger);
    EXPECT_EQ(registry.GetDataType(QStringLiteral("S")), TRegDataType::rdString);
    EXPECT_EQ(registry.GetDataType(QStringLiteral("E")), TRegDataType::rdExpandString);
    EXPECT_EQ(registry.GetDataType(QStringLiteral("B")), TRegDataType::rdBinary);
    EXPECT_EQ(registry.GetDataType(QStringLiteral("M")), TRegDataType::rdUnknown);
    EXPECT_EQ(registry.GetDataType(QStringLiteral("N")), TRegDataType::rdUnknown);
    EXPECT_EQ(registry.GetDataType(QStringLiteral("ABSENT")), TRegDataType::rdUnknown);

    EXPECT_EQ(registry.ReadString(QStringLiteral("E")), QStringLiteral("%HOME%")) << "expand strings read unexpanded";
    EXPECT_EQ(registry.ReadString(QStringLiteral("S")), QStringLiteral("185"));
    EXPECT_EQ(registry.ReadBinaryData(QStringLiteral("B")), QByteArray("\x01\x02"));
    EXPECT_EQ(ErrorOf([&] { registry.ReadString(QStringLiteral("M")); }), QStringLiteral("Invalid data type for 'M'"));
    EXPECT_EQ(ErrorOf([&] { registry.ReadInteger(QStringLiteral("S")); }), QStringLiteral("Invalid data type for 'S'"));
    EXPECT_EQ(ErrorOf([&] { registry.ReadString(QStringLiteral("D")); }), QStringLiteral("Invalid data type for 'D'"));
    EXPECT_EQ(ErrorOf([&] { registry.ReadBinaryData(QStringLiteral("D")); }), QStringLiteral("Invalid data type for 'D'"));
}

TEST_F(RegistryStore, ReadsOfAbsentOrMisshapenValuesFail)
{
    QByteArray nan(8, '\0');
    qToLittleEndian<double>(std::nan(""), nan.data());
    QByteArray nanHex;
    for (char byte : nan)
        nanHex += QByteArray::number(quint8(byte), 16).rightJustified(2, '0') + ',';
    nanHex.chop(1);
    PutKeyFile(KeyHead + "\"SHORT\"=hex:00,00,00,00\n"
                         "\"NAN\"=hex:" + nanHex + "\n"
                         "\"HALFDWORD\"=hex(4):01,02\n");
    TRegistry registry;
    EXPECT_EQ(ErrorOf([&] { registry.ReadInteger(QStringLiteral("X")); }), QStringLiteral("Failed to get data for 'X'"))
        << "no key open";
    ASSERT_TRUE(registry.OpenKey(KeyPath, false));
    EXPECT_EQ(ErrorOf([&] { registry.ReadString(QStringLiteral("NOPE")); }), QStringLiteral("Failed to get data for 'NOPE'"));
    EXPECT_EQ(ErrorOf([&] { registry.ReadDateTime(QStringLiteral("SHORT")); }), QStringLiteral("Invalid data type for 'SHORT'"));
    EXPECT_EQ(ErrorOf([&] { registry.ReadDateTime(QStringLiteral("NAN")); }), QStringLiteral("Invalid data type for 'NAN'"));
    EXPECT_EQ(registry.GetDataType(QStringLiteral("HALFDWORD")), TRegDataType::rdInteger);
    EXPECT_EQ(ErrorOf([&] { registry.ReadInteger(QStringLiteral("HALFDWORD")); }),
              QStringLiteral("Invalid data type for 'HALFDWORD'"));
}

TEST_F(RegistryStore, WritesThatCannotBeStoredFail)
{
    TRegistry registry;
    EXPECT_EQ(ErrorOf([&] { registry.WriteInteger(QStringLiteral("X"), 1); }), QStringLiteral("Failed to set data for 'X'"))
        << "no key open";
    ASSERT_TRUE(registry.OpenKey(KeyPath, true));
    EXPECT_EQ(ErrorOf([&] { registry.WriteInteger(QStringLiteral("TWO\nLINES"), 1); }),
              QStringLiteral("Failed to set data for 'TWO\nLINES'"));
    EXPECT_EQ(ErrorOf([&] { registry.WriteDateTime(QStringLiteral("WHEN"), QDateTime()); }),
              QStringLiteral("Failed to set data for 'WHEN'"));

    // The key's folder turns into a plain file: nothing can be saved there any more.
    const QString folder = home_.path() + QStringLiteral("/quil/Software/Brenvik");
    ASSERT_TRUE(QDir(folder).removeRecursively());
    QFile blocker(folder);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_EQ(ErrorOf([&] { registry.WriteInteger(QStringLiteral("X"), 1); }), QStringLiteral("Failed to set data for 'X'"));
    EXPECT_FALSE(registry.OpenKey(KeyPath, true));
}

TEST_F(RegistryStore, LenientTextIsReadLikeAnImport)
{
    PutKeyFile("; written by hand\r\n"
               "REGEDIT4\r\n"
               "\r\n"
               "[hkey_current_user\\SOFTWARE\\Brenvik\\Quil demo]\r\n"
               "  \"A\" = dword:B9\r\n"
               "; a comment between values\r\n"
               "\"BIN\"=hex:01,02,\\\r\n"
               "  03 ,04\r\n"
               "\"A\"=dword:10\r\n");
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(KeyPath, false));
    EXPECT_EQ(registry.ReadInteger(QStringLiteral("A")), 16) << "a name given twice keeps the last data";
    EXPECT_EQ(registry.ReadBinaryData(QStringLiteral("BIN")), QByteArray("\x01\x02\x03\x04"));

    const QString utf16Text = QString::fromUtf8(KeyHead + "\"T\"=\"\xc3\xa9t\xc3\xa9\"\r\n");
    QByteArray utf16("\xFF\xFE");
    for (QChar c : utf16Text)
        utf16 += char(c.unicode() & 0xFF) + QByteArray(1, char(c.unicode() >> 8));
    PutKeyFile(utf16);
    ASSERT_TRUE(registry.OpenKey(KeyPath, false));
    EXPECT_EQ(registry.ReadString(QStringLiteral("T")), QStringLiteral("\u00e9t\u00e9"));
}

// Names ignore case in a hand-edited file too: one value, the later data wins,
// the first spelling stays, and a rewrite keeps one line of it.
TEST_F(RegistryStore, ANameWrittenTwiceInDifferentCaseIsOneValue)
{
    PutKeyFile(KeyHead + "\"MaxAlarm\"=dword:00000168\n\"A\"=dword:00000001\n\"MAXALARM\"=dword:00000190\n");
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(KeyPath, false));
    EXPECT_EQ(registry.ReadInteger(QStringLiteral("MaxAlarm")), 400);
    EXPECT_EQ(registry.ReadInteger(QStringLiteral("MAXALARM")), 400);
    registry.WriteInteger(QStringLiteral("B"), 2);
    EXPECT_EQ(KeyFileContent(), KeyHead + "\"MaxAlarm\"=dword:00000190\n\"A\"=dword:00000001\n\"B\"=dword:00000002\n\n");
}

TEST_F(RegistryStore, ValuesWithoutAOneLineFormRoundTripAsHex)
{
    const QByteArray big(40, '\x5a');
    PutKeyFile(KeyHead + "\"Q\"=hex(b):01,00,00,00,00,00,00,80\n");
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(KeyPath, false));
    registry.WriteString(QStringLiteral("NOTE"), QStringLiteral("two\r\nlines"));
    registry.WriteBinaryData(QStringLiteral("BIG"), big);

    const QByteArray text = KeyFileContent();
    EXPECT_TRUE(text.contains("\"Q\"=hex(b):01,00,00,00,00,00,00,80\n")) << "a type this program never writes survives";
    EXPECT_TRUE(text.contains("\"NOTE\"=hex(1):74,00,77,00,6f,00,0d,00,0a,00")) << text.toStdString();
    for (const QByteArray& line : text.split('\n'))
        EXPECT_LE(line.size(), 80) << line.toStdString();

    TRegistry reader;
    ASSERT_TRUE(reader.OpenKey(KeyPath, false));
    EXPECT_EQ(reader.ReadString(QStringLiteral("NOTE")), QStringLiteral("two\r\nlines"));
    EXPECT_EQ(reader.ReadBinaryData(QStringLiteral("BIG")), big);
}

struct BrokenFile {
    const char* content;
    int line;
    const char* reason;
};

class BrokenRegistryFile : public RegistryStore, public ::testing::WithParamInterface<BrokenFile> {};

TEST_P(BrokenRegistryFile, IsReportedWithFileAndLineAndLeftUntouched)
{
    const QByteArray content = GetParam().content;
    PutKeyFile(content);
    const QString expected = QStringLiteral("Error in registry file %1, line %2: ").arg(KeyFile()).arg(GetParam().line);

    TRegistry registry;
    EXPECT_TRUE(registry.KeyExists(KeyPath));
    const QString message = ErrorOf([&] { registry.OpenKey(KeyPath, true); });
    EXPECT_TRUE(message.startsWith(expected)) << message.toStdString();
    EXPECT_TRUE(message.contains(QString::fromUtf8(GetParam().reason))) << message.toStdString();
    EXPECT_EQ(KeyFileContent(), content);
}

INSTANTIATE_TEST_SUITE_P(
    RegistryStore, BrokenRegistryFile,
    ::testing::Values(
        BrokenFile{"", 1, "expected \"Windows Registry Editor Version 5.00\""},
        BrokenFile{"\n\n[HKEY_CURRENT_USER\\Software\\Brenvik\\Quil demo]\n", 3, "expected \"Windows"},
        BrokenFile{"Windows Registry Editor Version 5.00\n", 2, "expected the key [HKEY_CURRENT_USER\\Software\\Brenvik\\Quil demo]"},
        BrokenFile{"Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Other]\n", 3, "expected the key"},
        BrokenFile{"Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Brenvik\\Quil demo]\n"
                   "\"A\"=dword:1\n\"B\"=dword:12345678\n\"C\"=dword:123456789\n",
                   6, "a dword needs one to eight hex digits"},
        BrokenFile{"Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Brenvik\\Quil demo]\n"
                   "\"A\"=\"open\n",
                   4, "no closing quote"},
        BrokenFile{"Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Brenvik\\Quil demo]\n"
                   "\"A\"=\"C:\\temp\"\n",
                   4, "may follow a backslash"},
        BrokenFile{"Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Brenvik\\Quil demo]\n"
                   "\"A\"=hex:01,02,\\\n  03,xy\n",
                   5, "'xy' is not a hex byte"},
        BrokenFile{"Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Brenvik\\Quil demo]\n"
                   "\"A\"=hex:01,\\\n",
                   5, "the hex list breaks off after a trailing backslash"},
        BrokenFile{"Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Brenvik\\Quil demo]\n"
                   "STREEFTEMP=185\n",
                   4, "expected a value name in double quotes"},
        BrokenFile{"Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Brenvik\\Quil demo]\n"
                   "\"A\":185\n",
                   4, "expected '='"},
        BrokenFile{"Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Brenvik\\Quil demo]\n"
                   "\"A\"=185\n",
                   4, "unknown kind of value data"},
        BrokenFile{"Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Brenvik\\Quil demo]\n"
                   "\"A\"=-\n",
                   4, "deleting a value is not supported"},
        BrokenFile{"Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Brenvik\\Quil demo]\n"
                   "\"A\"=hex(2:00\n",
                   4, "expected hex(type):"},
        BrokenFile{"Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Brenvik\\Quil demo]\n"
                   "\"A\"=\"x\" trailing\n",
                   4, "after the closing quote"},
        BrokenFile{"Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Brenvik\\Quil demo]\n\n"
                   "[HKEY_CURRENT_USER\\Software\\Brenvik\\Other]\n",
                   5, "a second key"},
        BrokenFile{"Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Brenvik\\Quil demo]\n"
                   "\"A\"=\"\xff\xfe\"\n",
                   4, "not valid UTF-8"}));

TEST_F(RegistryStore, ABrokenFileIsNotOverwrittenByALaterWrite)
{
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(KeyPath, true));
    const QByteArray broken = KeyHead + "\"A\"=dword:zz\n";
    PutKeyFile(broken); // edited by hand while the key was open
    EXPECT_TRUE(ErrorOf([&] { registry.WriteInteger(QStringLiteral("B"), 1); }).contains(QStringLiteral("line 4")));
    EXPECT_EQ(KeyFileContent(), broken);
}

// What a save killed after naming its temporary file leaves behind is removed
// by the next save in that folder, whichever key it was for; other files stay.
TEST_F(RegistryStore, TheNextSaveRemovesWhatAnInterruptedSaveLeftBehind)
{
    PutKeyFile(KeyHead);
    const QString folder = QFileInfo(KeyFile()).path();
    const QStringList debris{QStringLiteral("Quil demo.reg.KGwIXN"), QStringLiteral("Other.reg.a1B2c3"),
                             QStringLiteral(".hidden.REG.zzzzzz")};
    const QStringList kept{QStringLiteral("Quil demo.reg.bak"), QStringLiteral("Quil demo.reg.KGwIX"),
                           QStringLiteral("notes.txt"), QStringLiteral("Other.reg")};
    for (const QString& name : debris + kept) {
        QFile file(folder + QLatin1Char('/') + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Soft");
    }
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(KeyPath, false));
    registry.WriteInteger(QStringLiteral("A"), 1);
    QStringList expected = kept + QStringList{QStringLiteral("Quil demo.reg")};
    QStringList found = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    expected.sort();
    found.sort();
    EXPECT_EQ(found, expected);
}

// Deferred writes reach the file together, as the same text the single writes
// give; until then the file is untouched and reads see the held values.
TEST_F(RegistryStore, DeferredWritesAreSavedTogetherAsTheSameText)
{
    const auto writeAll = [](TRegistry& registry) {
        registry.WriteInteger(QStringLiteral("MAXALARM"), 360);
        registry.WriteString(QStringLiteral("NAME"), QStringLiteral("Stal 4"));
        registry.WriteInteger(QStringLiteral("maxalarm"), 361);
        registry.WriteBinaryData(QStringLiteral("BIN"), QByteArray("\x01\x02", 2));
    };
    {
        TRegistry registry;
        ASSERT_TRUE(registry.OpenKey(KeyPath, true));
        writeAll(registry);
    }
    const QByteArray singly = KeyFileContent();
    ASSERT_TRUE(QFile::remove(KeyFile()));

    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(KeyPath, true));
    registry.DeferWrites();
    EXPECT_TRUE(registry.WritesDeferred());
    writeAll(registry);
    EXPECT_EQ(KeyFileContent(), KeyHead + "\n") << "nothing is saved before the commit";
    EXPECT_EQ(registry.ReadInteger(QStringLiteral("MaxAlarm")), 361);
    EXPECT_EQ(registry.GetDataType(QStringLiteral("NAME")), TRegDataType::rdString);
    registry.CommitWrites();
    EXPECT_FALSE(registry.WritesDeferred());
    EXPECT_EQ(KeyFileContent(), singly);
    registry.WriteInteger(QStringLiteral("LATER"), 1);
    EXPECT_TRUE(KeyFileContent().contains("\"LATER\"=dword:00000001")) << "after the commit, writes go out at once";
}

TEST_F(RegistryStore, DeferredWritesAreAllOrNothing)
{
    PutKeyFile(KeyHead + "\"KEEP\"=dword:00000001\n");
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(KeyPath, false));
    registry.DeferWrites();
    registry.WriteInteger(QStringLiteral("A"), 1);
    registry.WriteInteger(QStringLiteral("TWO\nLINES"), 2);
    EXPECT_EQ(ErrorOf([&] { registry.CommitWrites(); }), QStringLiteral("Failed to set data for 'A'"));
    EXPECT_EQ(KeyFileContent(), KeyHead + "\"KEEP\"=dword:00000001\n");

    registry.DeferWrites();
    registry.WriteInteger(QStringLiteral("B"), 1);
    registry.CloseKey();
    EXPECT_FALSE(registry.WritesDeferred());
    EXPECT_EQ(KeyFileContent(), KeyHead + "\"KEEP\"=dword:00000001\n") << "closing drops what was not committed";
}

TEST(RegistryDayCount, CountsDaysFromTheClassicEpoch)
{
    struct Case {
        double count;
        QDateTime when;
    } cases[] = {
        {0.0, QDateTime(QDate(1899, 12, 30), QTime(0, 0))},
        {2.25, QDateTime(QDate(1900, 1, 1), QTime(6, 0))},
        {-1.25, QDateTime(QDate(1899, 12, 29), QTime(6, 0))},
        {45292.5, QDateTime(QDate(2024, 1, 1), QTime(12, 0))},
        {-693593.0, QDateTime(QDate(1, 1, 1), QTime(0, 0))},
        {2958465.0, QDateTime(QDate(9999, 12, 31), QTime(0, 0))},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DateTimeToDayCount(c.when), c.count) << c.when.toString().toStdString();
        EXPECT_EQ(DayCountToDateTime(c.count), c.when) << c.count;
    }
    // A hair before midnight rounds to the next day on both sides of the epoch.
    EXPECT_EQ(DayCountToDateTime(1.9999999999), QDateTime(QDate(1900, 1, 1), QTime(0, 0)));
    EXPECT_EQ(DayCountToDateTime(-1.9999999999), QDateTime(QDate(1899, 12, 30), QTime(0, 0)));
    for (double bad : {std::nan(""), double(INFINITY), -693594.0, 2958466.0, 1e300})
        EXPECT_FALSE(DayCountToDateTime(bad).isValid()) << bad;
}

} // namespace

namespace {

// Damaged or hand-mangled text is either read or reported, never a crash; and
// whatever is read is written back so that it reads the same again.
TEST(RegistryTextFormat, MangledTextIsReadOrReportedAndWhatIsReadRoundTrips)
{
    const QByteArray sample = KeyHead + "\"D\"=dword:000000b9\n\"S\"=\"a \\\"b\\\" \\\\c\"\n"
                                        "\"B\"=hex:01,02,\\\n  03\n\"M\"=hex(7):61,00,00,00,00,00\n@=\"\"\n";
    const char alphabet[] = "\"\\=:,()[]@;-\r\n 0aFhexdword";
    std::mt19937 random(20240501);
    int read = 0;
    for (int round = 0; round < 3000; ++round) {
        QByteArray text = sample;
        const int edits = 1 + int(random() % 3);
        for (int e = 0; e < edits; ++e) {
            const int at = int(random() % text.size());
            switch (random() % 3) {
            case 0: text[at] = alphabet[random() % (sizeof(alphabet) - 1)]; break;
            case 1: text.remove(at, 1 + int(random() % 4)); break;
            default: text.truncate(at); break;
            }
            if (text.isEmpty())
                break;
        }
        QList<TRegistryValue> values;
        try {
            values = TRegistryTextFormat::Parse(text, QStringLiteral("mangled.reg"), KeyPath);
        } catch (const ERegistryException& e) {
            EXPECT_TRUE(e.Message.startsWith(QStringLiteral("Error in registry file mangled.reg, line "))) << e.what();
            continue;
        }
        ++read;
        const QList<TRegistryValue> again =
            TRegistryTextFormat::Parse(TRegistryTextFormat::Format(KeyPath, values), QStringLiteral("again.reg"), KeyPath);
        ASSERT_EQ(again.size(), values.size()) << text.toStdString();
        for (qsizetype i = 0; i < values.size(); ++i) {
            EXPECT_EQ(again[i].Name, values[i].Name) << text.toStdString();
            EXPECT_EQ(again[i].Type, values[i].Type) << text.toStdString();
            EXPECT_EQ(again[i].Data, values[i].Data) << text.toStdString();
        }
    }
    EXPECT_GT(read, 100) << "the mangling should leave many texts readable";
}

} // namespace
