// Saving must survive being killed at any moment, and two programs saving at
// once must not lose each other's values; what a killed save leaves behind is
// gone after the next save. This program starts copies of itself that run the
// disabled writer tests below, and kills or races them.

#include "framework/Exception.h"
#include "framework/Registry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdio>
#include <random>
#include <vector>

#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>

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
// With QUIL_REGISTRY_WRITER_BATCH set, each round is one deferred save, so
// every value reads n. A round count of 0 writes until the process is killed.
TEST(RegistryWriterChild, DISABLED_WritesRounds)
{
    const QString prefix = qEnvironmentVariable("QUIL_REGISTRY_WRITER_PREFIX");
    const int rounds = qEnvironmentVariableIntValue("QUIL_REGISTRY_WRITER_ROUNDS");
    const bool batch = qEnvironmentVariableIsSet("QUIL_REGISTRY_WRITER_BATCH");
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(KeyPath, true));
    const QString first = prefix + QLatin1Char('0');
    const int start = registry.ValueExists(first) ? registry.ReadInteger(first) : 0;
    // Makes the file big enough for a kill to land in the middle of writing it.
    registry.WriteString(prefix + QStringLiteral("PADDING"), Padding);
    for (int round = start + 1; rounds == 0 || round <= start + rounds; ++round) {
        if (batch)
            registry.DeferWrites();
        for (int i = 0; i < ValuesPerRound; ++i)
            registry.WriteInteger(prefix + QString::number(i), round);
        registry.CommitWrites();
        if (round == start + 1) {
            std::fputs(ReadyMarker, stdout);
            std::fputs("\n", stdout);
            std::fflush(stdout);
        }
    }
}

// The kernel ends this process, as a kill would, at its next rename: the
// moment a save has named its temporary file and not yet put it in place.
void DieAtTheNextRename()
{
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    std::vector<sock_filter> program{BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr))};
    for (const long call : {
#ifdef __NR_rename
             long(__NR_rename),
#endif
             long(__NR_renameat), long(__NR_renameat2)}) {
        program.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __u32(call), 0, 1));
        program.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_KILL_PROCESS));
    }
    program.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    const sock_fprog filter{static_cast<unsigned short>(program.size()), program.data()};
    ASSERT_EQ(prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0), 0);
    ASSERT_EQ(prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &filter), 0);
}

TEST(RegistryWriterChild, DISABLED_DiesWhileSaving)
{
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(KeyPath, true));
    registry.WriteString(QStringLiteral("PADDING"), Padding);
    DieAtTheNextRename();
    registry.WriteInteger(QStringLiteral("V0"), 1);
    ADD_FAILURE() << "the save went through";
}

class RegistryWriters : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(home_.isValid()); }

    void StartWriter(QProcess& process, const QString& prefix, int rounds, bool batch = false) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QUIL_REGISTRY_WRITER_PREFIX"), prefix);
        environment.insert(QStringLiteral("QUIL_REGISTRY_WRITER_ROUNDS"), QString::number(rounds));
        if (batch)
            environment.insert(QStringLiteral("QUIL_REGISTRY_WRITER_BATCH"), QStringLiteral("1"));
        StartChild(process, QStringLiteral("DISABLED_WritesRounds"), environment);
    }

    void StartChild(QProcess& process, const QString& test, QProcessEnvironment environment) const
    {
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home_.path());
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QCoreApplication::applicationFilePath(),
                      {QStringLiteral("--gtest_filter=RegistryWriterChild.") + test,
                       QStringLiteral("--gtest_also_run_disabled_tests")});
        ASSERT_TRUE(process.waitForStarted(10000));
    }

    // Saves once from this process, as the user's next run would.
    void SaveAgain() const
    {
        const ConfigHome home(home_.path());
        TRegistry registry;
        ASSERT_TRUE(registry.OpenKey(KeyPath, true));
        registry.WriteInteger(QStringLiteral("NEXTRUN"), 1);
    }

    // Files in the key's folder that are not key files.
    QStringList StrayFiles() const
    {
        QStringList stray;
        const QDir folder(home_.path() + QStringLiteral("/quil/Software/Brenvik"));
        for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
            if (!name.endsWith(QStringLiteral(".reg")))
                stray << name;
        return stray;
    }

    static bool WaitUntilReady(QProcess& process)
    {
        while (process.waitForReadyRead(20000))
            if (process.readAll().contains(ReadyMarker))
                return true;
        return false;
    }

    // Reads the key as a user's next start would (in this process, own environment).
    // A batch saves a round at once, so all its values are equal.
    void ExpectCompleteKey(const QString& prefix, const QString& context, bool batch = false) const
    {
        const ConfigHome home(home_.path());
        try {
            TRegistry registry;
            ASSERT_TRUE(registry.OpenKey(KeyPath, false)) << context.toStdString();
            EXPECT_EQ(registry.ReadString(prefix + QStringLiteral("PADDING")), Padding) << context.toStdString();
            int previous = registry.ReadInteger(prefix + QLatin1Char('0'));
            for (int i = 0; i < ValuesPerRound; ++i) {
                const int value = registry.ReadInteger(prefix + QString::number(i));
                EXPECT_TRUE(value == previous || (!batch && value == previous - 1))
                    << context.toStdString() << ": value " << i << " is " << value << " after " << previous;
                previous = value;
            }
        } catch (const Exception& e) {
            ADD_FAILURE() << context.toStdString() << ": " << e.Message.toStdString();
        }
    }

    QTemporaryDir home_;
};

// Each kill is followed by the next run's save, which leaves only key files.
class KilledWriters : public RegistryWriters, public ::testing::WithParamInterface<bool> {};

TEST_P(KilledWriters, LeaveACompleteFileAndNoStrayFileAfterTheNextSave)
{
    const bool batch = GetParam();
    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> delayUs(0, 40000);
    SCOPED_TRACE(testing::Message() << "random seed " << seed);

    for (int kill = 0; kill < 40; ++kill) {
        QProcess writer;
        StartWriter(writer, QStringLiteral("V"), 0, batch);
        ASSERT_TRUE(WaitUntilReady(writer)) << "the writer did not get through its first round after kill " << kill;
        QThread::usleep(delayUs(random));
        writer.kill();
        ASSERT_TRUE(writer.waitForFinished(10000));
        ExpectCompleteKey(QStringLiteral("V"), QStringLiteral("after kill %1").arg(kill), batch);
        SaveAgain();
        EXPECT_EQ(StrayFiles(), QStringList()) << "after kill " << kill;
        if (HasFailure())
            return;
    }
}

INSTANTIATE_TEST_SUITE_P(RegistryWriters, KilledWriters, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "SavingBatches" : "SavingValues";
                         });

// A save killed at its worst moment: its temporary file is named and not yet
// in place. The key file stays as it was, and the next save clears the rest.
TEST_F(RegistryWriters, ASaveKilledBeforeItsRenameLeavesNothingAfterTheNextSave)
{
    QProcess writer;
    StartChild(writer, QStringLiteral("DISABLED_DiesWhileSaving"), QProcessEnvironment::systemEnvironment());
    ASSERT_TRUE(writer.waitForFinished(20000));
    ASSERT_EQ(writer.exitStatus(), QProcess::CrashExit) << "the child should have been ended in its save";
    ASSERT_EQ(StrayFiles().size(), 1) << "the killed save left its temporary file";

    const ConfigHome home(home_.path());
    {
        TRegistry registry;
        ASSERT_TRUE(registry.OpenKey(KeyPath, false));
        EXPECT_EQ(registry.ReadString(QStringLiteral("PADDING")), Padding);
        EXPECT_FALSE(registry.ValueExists(QStringLiteral("V0")));
    }
    SaveAgain();
    EXPECT_EQ(StrayFiles(), QStringList());
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
