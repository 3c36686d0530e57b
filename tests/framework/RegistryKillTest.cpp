// Saving must survive being killed at any moment, and two programs saving at
// once must not lose each other's values. This program starts copies of itself
// that run the disabled writer test below, and kills or races them.

#include "framework/Exception.h"
#include "framework/Registry.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <cstdio>
#include <random>

namespace {

const QString KeyPath = QStringLiteral("Software\\Brenvik\\Quil demo");
constexpr int ValuesPerRound = 12;
const char* const ReadyMarker = "registry-writer-ready";
const QString Padding = QString(4000, QLatin1Char('p'));

// Points this process's store at a folder for as long as it lives.
class ConfigHome {
public:
    explicit ConfigHome(const QString& path) : hadHome_(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")), saved_(qgetenv("XDG_CONFIG_HOME"))
    {
        qputenv("XDG_CONFIG_HOME", path.toLocal8Bit());
    }
    ~ConfigHome()
    {
        if (hadHome_)
            qputenv("XDG_CONFIG_HOME", saved_);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }

private:
    bool hadHome_;
    QByteArray saved_;
};

// The writer: rounds of ValuesPerRound saves, value i of round n holding n, so
// after any complete save the values read n..n, n-1..n-1 from the first on.
// A round count of 0 writes until the process is killed.
TEST(RegistryWriterChild, DISABLED_WritesRounds)
{
    const QString prefix = qEnvironmentVariable("QUIL_REGISTRY_WRITER_PREFIX");
    const int rounds = qEnvironmentVariableIntValue("QUIL_REGISTRY_WRITER_ROUNDS");
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(KeyPath, true));
    const QString first = prefix + QLatin1Char('0');
    const int start = registry.ValueExists(first) ? registry.ReadInteger(first) : 0;
    // Makes the file big enough for a kill to land in the middle of writing it.
    registry.WriteString(prefix + QStringLiteral("PADDING"), Padding);
    for (int round = start + 1; rounds == 0 || round <= start + rounds; ++round) {
        for (int i = 0; i < ValuesPerRound; ++i)
            registry.WriteInteger(prefix + QString::number(i), round);
        if (round == start + 1) {
            std::fputs(ReadyMarker, stdout);
            std::fputs("\n", stdout);
            std::fflush(stdout);
        }
    }
}

class RegistryWriters : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(home_.isValid()); }

    void StartWriter(QProcess& process, const QString& prefix, int rounds) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home_.path());
        environment.insert(QStringLiteral("QUIL_REGISTRY_WRITER_PREFIX"), prefix);
        environment.insert(QStringLiteral("QUIL_REGISTRY_WRITER_ROUNDS"), QString::number(rounds));
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QCoreApplication::applicationFilePath(),
                      {QStringLiteral("--gtest_filter=RegistryWriterChild.DISABLED_WritesRounds"),
                       QStringLiteral("--gtest_also_run_disabled_tests")});
        ASSERT_TRUE(process.waitForStarted(10000));
    }

    static bool WaitUntilReady(QProcess& process)
    {
        while (process.waitForReadyRead(20000))
            if (process.readAll().contains(ReadyMarker))
                return true;
        return false;
    }

    // Reads the key as a user's next start would (in this process, own environment).
    void ExpectCompleteKey(const QString& prefix, const QString& context) const
    {
        const ConfigHome home(home_.path());
        try {
            TRegistry registry;
            ASSERT_TRUE(registry.OpenKey(KeyPath, false)) << context.toStdString();
            EXPECT_EQ(registry.ReadString(prefix + QStringLiteral("PADDING")), Padding) << context.toStdString();
            int previous = registry.ReadInteger(prefix + QLatin1Char('0'));
            for (int i = 0; i < ValuesPerRound; ++i) {
                const int value = registry.ReadInteger(prefix + QString::number(i));
                EXPECT_TRUE(value == previous || value == previous - 1)
                    << context.toStdString() << ": value " << i << " is " << value << " after " << previous;
                previous = value;
            }
        } catch (const Exception& e) {
            ADD_FAILURE() << context.toStdString() << ": " << e.Message.toStdString();
        }
    }

    QTemporaryDir home_;
};

TEST_F(RegistryWriters, AWriterKilledWhileSavingLeavesACompleteFile)
{
    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> delayUs(0, 40000);
    SCOPED_TRACE(testing::Message() << "random seed " << seed);

    for (int kill = 0; kill < 40; ++kill) {
        QProcess writer;
        StartWriter(writer, QStringLiteral("V"), 0);
        ASSERT_TRUE(WaitUntilReady(writer)) << "the writer did not get through its first round after kill " << kill;
        QThread::usleep(delayUs(random));
        writer.kill();
        ASSERT_TRUE(writer.waitForFinished(10000));
        ExpectCompleteKey(QStringLiteral("V"), QStringLiteral("after kill %1").arg(kill));
        if (HasFailure())
            return;
    }
}

TEST_F(RegistryWriters, TwoWritersAtOnceKeepEachOthersValues)
{
    constexpr int Rounds = 4;
    QProcess first;
    QProcess second;
    StartWriter(first, QStringLiteral("A"), Rounds);
    StartWriter(second, QStringLiteral("B"), Rounds);
    for (QProcess* writer : {&first, &second}) {
        ASSERT_TRUE(writer->waitForFinished(60000));
        EXPECT_EQ(writer->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(writer->exitCode(), 0);
    }
    ExpectCompleteKey(QStringLiteral("A"), QStringLiteral("first writer"));
    ExpectCompleteKey(QStringLiteral("B"), QStringLiteral("second writer"));

    const ConfigHome home(home_.path());
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(KeyPath, false));
    for (const QString& prefix : {QStringLiteral("A"), QStringLiteral("B")})
        for (int i = 0; i < ValuesPerRound; ++i)
            EXPECT_EQ(registry.ReadInteger(prefix + QString::number(i)), Rounds) << prefix.toStdString() << i;
}

} // namespace
