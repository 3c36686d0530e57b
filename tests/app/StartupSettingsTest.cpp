// Start-up and the settings store as the demo uses them: what a fresh user
// gets, what the first close writes, and how odd stored values are taken.

#include "DemoFixture.h"

#include "app/Generalfunctions.h"
#include "diagram/LvdVentDiagram.h"
#include "framework/Exception.h"
#include "widgets/VrRocker.h"

#include <QFile>

#include <sys/inotify.h>
#include <unistd.h>

namespace {
const QStringList kAllNames = {"MINALARM",     "MAXALARM",        "BANDBREEDTE", "STREEFTEMP",
                               "GEMETENTEMP",  "KOELVERSCHIL",    "VERWARMVERSCHIL", "MINPOSITIE",
                               "MAXPOSITIE",   "OPTIEVENTILATIE", "OPTIEKOELING"};
}

using StartupSettings = DemoFixture;

TEST_F(StartupSettings, AFreshUserGetsTheLayoutAndComponentValuesAndNothingIsWrittenAtStart)
{
    StartDemo();
    const TLvdVentDiagram* d = mainForm->Diagram;
    const TSetpoints* sp = d->Setpoints();
    EXPECT_EQ(sp->MinAlarm, 100);
    EXPECT_EQ(sp->MaxAlarm, 360);
    EXPECT_EQ(sp->Bandbreedte, 60);
    EXPECT_EQ(sp->StreefTemp, 185);
    EXPECT_EQ(d->GemetenTemperatuur(), 203);
    EXPECT_EQ(sp->VerwarmVerschil, 30);
    EXPECT_EQ(sp->KoelVerschil, 30);
    EXPECT_EQ(sp->MinPositie, 10);
    EXPECT_EQ(sp->MaxPositie, 100);
    EXPECT_TRUE(d->OptieVentilatie());
    EXPECT_FALSE(d->OptieKoeling());
    EXPECT_EQ(mainForm->VrRocker1->State(), TVrRocker::stUpperDown);
    EXPECT_EQ(mainForm->VrRocker2->State(), TVrRocker::stUpperDown);
    for (const QString& name : kAllNames)
        EXPECT_FALSE(StoredExists(name)) << name.toStdString();
}

TEST_F(StartupSettings, TheFirstCloseWritesAllElevenValuesAsIntegers)
{
    StartDemo();
    mainForm->Diagram->Setpoints()->SetStreefTemp(200);
    mainForm->Diagram->SetGemetenTemperatuur(251);
    mainForm->Diagram->SetOptieKoeling(true);
    CloseDemo();
    for (const QString& name : kAllNames)
        EXPECT_TRUE(StoredIsInteger(name)) << name.toStdString();
    EXPECT_EQ(StoredInteger("STREEFTEMP"), 200);
    EXPECT_EQ(StoredInteger("GEMETENTEMP"), 251);
    EXPECT_EQ(StoredInteger("MINALARM"), 100);
    EXPECT_EQ(StoredInteger("MAXALARM"), 360);
    EXPECT_EQ(StoredInteger("KOELVERSCHIL"), 30);
    EXPECT_EQ(StoredInteger("OPTIEVENTILATIE"), -1); // true is stored as -1
    EXPECT_EQ(StoredInteger("OPTIEKOELING"), -1);
}

// Closing puts the key file in place once, holding the eleven values in the
// order of writing, as the same writes one by one would have left it.
TEST_F(StartupSettings, TheCloseSavesTheKeyOnceWithTheValuesInWritingOrder)
{
    StoreInteger("MINALARM", 120); // the key's folder exists and can be watched
    const QString folder = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/quil/Software/Brenvik");
    StartDemo();
    const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    // The temporary files' creation between two renames keeps the kernel from
    // merging their identical events into one.
    ASSERT_GE(inotify_add_watch(watch, QFile::encodeName(folder).constData(), IN_CREATE | IN_MOVED_TO), 0);
    CloseDemo();
    int saves = 0;
    alignas(inotify_event) char buffer[16384];
    for (ssize_t size; (size = read(watch, buffer, sizeof buffer)) > 0;) {
        for (ssize_t at = 0; at < size;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            saves += (event->mask & IN_MOVED_TO) && event->len > 0 && QByteArray(event->name) == "Quil demo.reg";
            at += ssize_t(sizeof(inotify_event) + event->len);
        }
    }
    close(watch);
    EXPECT_EQ(saves, 1);

    QFile file(folder + QStringLiteral("/Quil demo.reg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("Windows Registry Editor Version 5.00\n\n"
                                         "[HKEY_CURRENT_USER\\Software\\Brenvik\\Quil demo]\n"
                                         "\"MINALARM\"=dword:00000078\n"
                                         "\"MAXALARM\"=dword:00000168\n"
                                         "\"BANDBREEDTE\"=dword:0000003c\n"
                                         "\"STREEFTEMP\"=dword:000000b9\n"
                                         "\"KOELVERSCHIL\"=dword:0000001e\n"
                                         "\"VERWARMVERSCHIL\"=dword:0000001e\n"
                                         "\"MINPOSITIE\"=dword:0000000a\n"
                                         "\"MAXPOSITIE\"=dword:00000064\n"
                                         "\"GEMETENTEMP\"=dword:000000cb\n"
                                         "\"OPTIEVENTILATIE\"=dword:ffffffff\n"
                                         "\"OPTIEKOELING\"=dword:00000000\n\n"));
}

TEST_F(StartupSettings, StoredValuesComeBackAtTheNextStartWithTheRockersSet)
{
    StartDemo();
    TSetpoints* sp = mainForm->Diagram->Setpoints();
    sp->SetMinAlarm(80);
    sp->SetMaxAlarm(300);
    sp->SetBandbreedte(45);
    sp->SetKoelVerschil(12);
    sp->SetVerwarmVerschil(25);
    sp->SetMinPositie(20);
    sp->SetMaxPositie(90);
    mainForm->Diagram->SetOptieVentilatie(false);
    mainForm->Diagram->SetOptieKoeling(true);
    CloseDemo();
    StartDemo();
    sp = mainForm->Diagram->Setpoints();
    EXPECT_EQ(sp->MinAlarm, 80);
    EXPECT_EQ(sp->MaxAlarm, 300);
    EXPECT_EQ(sp->Bandbreedte, 45);
    EXPECT_EQ(sp->KoelVerschil, 12);
    EXPECT_EQ(sp->VerwarmVerschil, 25);
    EXPECT_EQ(sp->MinPositie, 20);
    EXPECT_EQ(sp->MaxPositie, 90);
    EXPECT_FALSE(mainForm->Diagram->OptieVentilatie());
    EXPECT_TRUE(mainForm->Diagram->OptieKoeling());
    EXPECT_EQ(mainForm->VrRocker1->State(), TVrRocker::stLowerDown);
    EXPECT_EQ(mainForm->VrRocker2->State(), TVrRocker::stLowerDown);
}

TEST_F(StartupSettings, ABooleanStoredAsOneReadsTrueAndIsRewrittenAsMinusOne)
{
    StoreInteger("OPTIEKOELING", 1);
    StartDemo();
    EXPECT_TRUE(mainForm->Diagram->OptieKoeling());
    EXPECT_EQ(mainForm->VrRocker1->State(), TVrRocker::stLowerDown);
    CloseDemo();
    EXPECT_EQ(StoredInteger("OPTIEKOELING"), -1);
}

TEST_F(StartupSettings, ATextNumberIsReadAndRewrittenAsAnInteger)
{
    StoreString("STREEFTEMP", "185");
    StoreInteger("GEMETENTEMP", 190);
    StartDemo();
    EXPECT_EQ(mainForm->Diagram->Setpoints()->StreefTemp, 185);
    EXPECT_EQ(mainForm->Diagram->GemetenTemperatuur(), 190);
    CloseDemo();
    EXPECT_TRUE(StoredIsInteger("STREEFTEMP"));
    EXPECT_EQ(StoredInteger("STREEFTEMP"), 185);
}

TEST_F(StartupSettings, ContradictoryValuesAreLoadedUnclamped)
{
    StoreInteger("MINPOSITIE", 80);
    StoreInteger("MAXPOSITIE", 20);
    StoreInteger("BANDBREEDTE", -10);
    StoreInteger("GEMETENTEMP", 9000);
    StartDemo();
    const TSetpoints* sp = mainForm->Diagram->Setpoints();
    EXPECT_EQ(sp->MinPositie, 80);
    EXPECT_EQ(sp->MaxPositie, 20);
    EXPECT_EQ(sp->Bandbreedte, -10);
    EXPECT_EQ(mainForm->Diagram->GemetenTemperatuur(), 9000);
}

// A value that cannot be converted stops the start-up with the conversion
// error (the program shows it and ends); no half-built window remains.
TEST_F(StartupSettings, AnUnreadableValueFailsTheStartWithTheConversionError)
{
    StoreString("MINALARM", "warm");
    try {
        StartDemo();
        ADD_FAILURE() << "the start should have failed";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "Could not convert variant of type (String) into type (Integer)");
    }
    EXPECT_EQ(MainForm, nullptr);
    EXPECT_EQ(GraphForm, nullptr);
}

TEST_F(StartupSettings, TheFrontPanelCannotBeCreatedWithoutTheMainWindow)
{
    EXPECT_THROW(TGraphForm panel, Exception);
    EXPECT_EQ(GraphForm, nullptr);
}

TEST_F(StartupSettings, TheWindowsArePlacedAndNamed)
{
    StartDemo();
    EXPECT_EQ(MainForm, mainForm.get());
    EXPECT_EQ(GraphForm, graphForm.get());
    EXPECT_EQ(mainForm->pos(), QPoint(418, 20));
    EXPECT_EQ(graphForm->pos(), QPoint(0, 20));
    EXPECT_EQ(mainForm->Caption(), "DEMO QUIL COMPUTER");
    EXPECT_EQ(mainForm->ClientWidth(), 507);
    EXPECT_EQ(mainForm->ClientHeight(), 561);
    EXPECT_EQ(graphForm->ClientWidth(), 396);
    EXPECT_EQ(graphForm->ClientHeight(), 518);
    EXPECT_EQ(mainForm->BorderStyle(), bsToolWindow);
    EXPECT_EQ(mainForm->BorderIcons(), TBorderIcons());
    EXPECT_EQ(graphForm->BorderStyle(), bsNone);
    CloseDemo();
    EXPECT_EQ(MainForm, nullptr);
    EXPECT_EQ(GraphForm, nullptr);
}
