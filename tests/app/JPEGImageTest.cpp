#include "app/JPEGImage.h"

#include "framework/Exception.h"
#include "support/TestSupport.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {
QByteArray LogoBytes()
{
    QFile f(QStringLiteral(":/bitmaps/QUILLOGO.jpg"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}
} // namespace

TEST(JPEGImage, DecodesTheLogoAtItsSize)
{
    const QImage logo = TJPEGImage::LoadFromResource(QStringLiteral(":/bitmaps/QUILLOGO.jpg"));
    ASSERT_EQ(logo.size(), QSize(126, 28));
    EXPECT_EQ(logo.format(), QImage::Format_RGB32);
    // The logo is a dark-blue plate with white lettering: its centre row holds both.
    bool dark = false, light = false;
    for (int x = 0; x < logo.width(); ++x) {
        const QColor c = logo.pixelColor(x, 14);
        dark = dark || (c.blue() > 60 && c.red() < 60);
        light = light || (c.red() > 220 && c.green() > 220 && c.blue() > 220);
    }
    EXPECT_TRUE(dark);
    EXPECT_TRUE(light);
}

TEST(JPEGImage, DamagedDataIsAClearErrorNotACrash)
{
    const QByteArray good = LogoBytes();
    ASSERT_GT(good.size(), 200);
    const QByteArray cases[] = {
        QByteArray(),                              // nothing at all
        QByteArray("not a picture at all"),        // no JPEG marker
        good.left(good.size() / 2),                // truncated in the scan data
        good.left(20),                             // truncated in the header
    };
    for (const QByteArray& bytes : cases) {
        try {
            TJPEGImage::Decode(bytes);
            ADD_FAILURE() << "decoded " << bytes.size() << " damaged bytes";
        } catch (const Exception& e) {
            EXPECT_TRUE(e.Message.startsWith("JPEG error")) << e.Message.toStdString();
        }
    }
}

TEST(JPEGImage, MissingResourceIsReported)
{
    EXPECT_THROW(TJPEGImage::LoadFromResource(QStringLiteral(":/bitmaps/NOSUCHLOGO.jpg")), Exception);
}
