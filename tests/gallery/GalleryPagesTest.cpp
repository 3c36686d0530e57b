// The gallery's working parts: the Can page's master panel downloading and
// uploading over the simulated wire while its monitor lists the frames, and
// the driver that keeps the feed weigher cycling.
#include "can/AnaInObj.h"
#include "can/CanHost.h"
#include "feed/FWS.h"
#include "framework/Timer.h"
#include "gallery/CanMasterPanel.h"
#include "gallery/CanPage.h"
#include "gallery/FeedCycleDriver.h"
#include "library/RegisterLibrary.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <gtest/gtest.h>

namespace {

// Runs the event loop (the simulated wire delivers from it) until the master is idle.
bool WaitIdle(const TCanMasterPanel& master)
{
    QElapsedTimer clock;
    clock.start();
    while (master.Busy() && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return !master.Busy();
}

} // namespace

TEST(GalleryCanPage, TheMasterDownloadsAConfigurationAndUploadsItBack)
{
    RegisterLibraryComponents();
    TCanPage page(nullptr);
    TCanMasterPanel& master = *page.Master();
    ASSERT_TRUE(WaitIdle(master)) << "the page's own first download ends";
    EXPECT_TRUE(master.Result().startsWith(QStringLiteral("Downloaded 26 bytes to 0.2.0.2"))) << master.Result().toStdString();

    auto* analog = qobject_cast<TAnaInObj*>(page.Host()->Nodes()[0]);
    ASSERT_NE(analog, nullptr);
    master.NodeChoice()->setCurrentIndex(0);
    master.BytesEdit()->setText(QStringLiteral("00 00 00 00 04 00 00 00 64 00"));
    master.Download();
    ASSERT_TRUE(WaitIdle(master));
    EXPECT_EQ(master.Result(), QStringLiteral("Downloaded 10 bytes to 0.2.0.2"));
    analog->OnPollTime(nullptr); // the node takes the configuration at its next poll
    EXPECT_EQ(analog->Function, 4);
    EXPECT_EQ(analog->AdcHigh, 100);

    master.Upload();
    ASSERT_TRUE(WaitIdle(master));
    // An input object's buffer is 30 entries long; the download wrote its start.
    EXPECT_TRUE(master.Result().startsWith(QStringLiteral("Uploaded from 0.2.0.2: 30 bytes: 00 00 00 00 04 00 00 00 64 00 ")))
        << master.Result().toStdString();

    const QListWidget& monitor = *master.Monitor();
    ASSERT_GT(monitor.count(), 4);
    EXPECT_TRUE(monitor.item(0)->text().startsWith(QStringLiteral(">> "))) << "the master's request is marked";
    EXPECT_TRUE(monitor.item(0)->text().contains(QStringLiteral("SDO request")));
    EXPECT_TRUE(monitor.item(1)->text().contains(QStringLiteral("SDO reply")));
}

TEST(GalleryCanPage, BytesThatAreNoHexBytesAreRefusedByPosition)
{
    RegisterLibraryComponents();
    TCanPage page(nullptr);
    TCanMasterPanel& master = *page.Master();
    ASSERT_TRUE(WaitIdle(master));
    master.BytesEdit()->setText(QStringLiteral("01 2g 03"));
    master.Download();
    EXPECT_FALSE(master.Busy());
    EXPECT_EQ(master.Result(), QStringLiteral("Download refused: byte 2, '2g', is not a hex byte (00 to ff)"));
    master.BytesEdit()->setText(QStringLiteral("   "));
    master.Download();
    EXPECT_EQ(master.Result(), QStringLiteral("Download refused: no bytes to download"));
}

TEST(GalleryFeedCycleDriver, KeepsTheWeigherFillingAndDroppingUntilSupplyIsBlocked)
{
    TFWS weigher;
    weigher.FeedTimer().SetEnabled(false);
    weigher.Seed(3);
    weigher.SetValveOpenTime(4);
    TFeedCycleDriver driver(&weigher);
    int fills = 0, drops = 0;
    bool wasFilling = false, wasDropping = false;
    for (int tick = 0; tick < 600; ++tick) {
        weigher.OnFeedTimer();
        fills += weigher.ActivateVijzel() && !wasFilling;
        drops += weigher.Losklep() && !wasDropping;
        wasFilling = weigher.ActivateVijzel();
        wasDropping = weigher.Losklep();
    }
    EXPECT_GE(fills, 2);
    EXPECT_GE(drops, 2);
    EXPECT_GT(weigher.TotalWeight(), 0);

    weigher.SetAanvoerGeblokkeerd(true);
    const int total = weigher.TotalWeight();
    for (int tick = 0; tick < 600; ++tick)
        weigher.OnFeedTimer();
    EXPECT_LE(weigher.TotalWeight() - total, weigher.FillWeight()) << "at most the batch under way still drops";

    driver.SetRunning(false);
    weigher.SetAanvoerGeblokkeerd(false);
    for (int tick = 0; tick < 100; ++tick)
        weigher.OnFeedTimer();
    EXPECT_FALSE(weigher.ActivateVijzel()) << "a stopped driver starts no fill";
}
