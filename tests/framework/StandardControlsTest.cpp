// The standard controls the demo windows are built from: bevels, frames,
// picture placement and transparency, label sizing, speed-button layout and
// clicks, all read from the controls' off-screen pictures.

#include "support/TestSupport.h"

#include "framework/Exception.h"
#include "framework/GroupBox.h"
#include "framework/Image.h"
#include "framework/Label.h"
#include "framework/Panel.h"
#include "framework/SpeedButton.h"
#include "framework/StreamReader.h"

#include <QApplication>
#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A picture on a white ground (its bottom-left pixel, so white is its
// transparent colour) with a black square at 2..3.
QImage DotPicture(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    for (int y = 2; y < 4; ++y)
        for (int x = 2; x < 4; ++x)
            img.setPixel(x, y, qRgb(0, 0, 0));
    return img;
}

TEST(Panel, RaisedBevelIsLightAboveAndLeftDarkBelowAndRight)
{
    TPanel p;
    p.SetBounds(0, 0, 40, 20);
    const QImage& img = p.PaintToImage();
    EXPECT_EQ(PixelColor(img, 0, 0), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(PixelColor(img, 0, 10), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(PixelColor(img, 20, 0), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(PixelColor(img, 39, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelColor(img, 39, 10), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelColor(img, 0, 19), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelColor(img, 20, 19), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelColor(img, 1, 1), ColorToRGB(clBtnFace));
}

TEST(Panel, LoweredOuterAndRaisedInnerBevelsOfWidthTwo)
{
    TPanel p;
    p.SetBounds(0, 0, 40, 20);
    p.SetBevelOuter(bvLowered);
    p.SetBevelInner(bvRaised);
    p.SetBevelWidth(2);
    p.SetColor(clGreen);
    const QImage& img = p.PaintToImage();
    EXPECT_EQ(PixelColor(img, 0, 5), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelColor(img, 1, 5), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelColor(img, 38, 5), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(PixelColor(img, 2, 5), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(PixelColor(img, 3, 5), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(PixelColor(img, 36, 5), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelColor(img, 4, 5), clGreen);
}

TEST(Panel, NoBevelFillsWithTheColourAndCentresTheCaption)
{
    TPanel p;
    p.SetBounds(0, 0, 85, 37);
    p.SetBevelOuter(bvNone);
    p.SetColor(clGreen);
    p.SetCaption("LCDPanel");
    p.Font()->SetColor(clBlack);
    const QImage& img = p.PaintToImage();
    EXPECT_EQ(PixelColor(img, 0, 0), clGreen);
    EXPECT_EQ(PixelColor(img, 84, 36), clGreen);
    const int textWidth = p.Font()->TextWidth("LCDPanel");
    int left = 85, right = -1, top = 37, bottom = -1;
    for (int y = 0; y < 37; ++y)
        for (int x = 0; x < 85; ++x)
            if (PixelColor(img, x, y) == clBlack) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    ASSERT_GE(right, 0);
    EXPECT_NEAR((left + right) / 2.0, 42, 2.0);
    EXPECT_NEAR((top + bottom) / 2.0, 18, 3.0);
    EXPECT_LE(right - left + 1, textWidth);
}

TEST(GroupBox, EtchedFrameHalfALineDownWithTheCaptionOnIt)
{
    TGroupBox g;
    g.SetBounds(0, 0, 113, 161);
    g.SetCaption("Options");
    g.Font()->SetColor(clBlack);
    const QImage& img = g.PaintToImage();
    TFont f;
    f.Assign(*g.Font());
    const int half = f.TextHeight() / 2;
    EXPECT_EQ(PixelColor(img, 0, 100), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelColor(img, 1, 100), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(PixelColor(img, 111, 100), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelColor(img, 112, 100), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(PixelColor(img, 60, half - 1), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelColor(img, 60, half), ColorToRGB(clBtnHighlight));
    // The caption's face covers the frame at its height.
    const int captionEnd = 8 + f.TextWidth("Options");
    bool ink = false;
    for (int x = 8; x < captionEnd; ++x)
        ink = ink || PixelColor(img, x, half) == clBlack;
    EXPECT_TRUE(ink);
    EXPECT_EQ(PixelColor(img, 4, half - 1), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelColor(img, 50, 50), ColorToRGB(clBtnFace));
}

TEST(Image, PlacementPlainCentredAndStretched)
{
    TImage i;
    i.SetBounds(0, 0, 20, 10);
    i.SetPictureImage(DotPicture(6, 4));
    EXPECT_EQ(i.DestRect(), Bounds(0, 0, 6, 4));
    i.SetCenter(true);
    EXPECT_EQ(i.DestRect(), Bounds(7, 3, 6, 4));
    i.SetStretch(true);
    EXPECT_EQ(i.DestRect(), Bounds(0, 0, 20, 10));
}

TEST(Image, TransparentPixelsShowTheParent)
{
    TPanel parent;
    parent.SetBounds(0, 0, 50, 50);
    parent.SetBevelOuter(bvNone);
    parent.SetColor(clRed);
    auto* i = new TImage(&parent);
    i->SetBounds(5, 5, 10, 10);
    i->SetPictureImage(DotPicture(6, 6));
    const QImage& opaque = i->PaintToImage();
    EXPECT_EQ(PixelColor(opaque, 0, 0), clWhite);
    EXPECT_EQ(PixelColor(opaque, 2, 2), clBlack);
    EXPECT_EQ(PixelColor(opaque, 8, 8), clRed); // outside the picture
    i->SetTransparent(true);
    const QImage& transparent = i->PaintToImage();
    EXPECT_EQ(PixelColor(transparent, 0, 0), clRed);
    EXPECT_EQ(PixelColor(transparent, 3, 3), clBlack);
    // On screen the key colour becomes fully transparent.
    const QImage keyed = TTransparentControl::Keyed(DotPicture(6, 6), clWhite);
    EXPECT_EQ(qAlpha(keyed.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(keyed.pixel(2, 2)), 255);
}

TEST(Image, PicturesByResourceNameAndAutoSize)
{
    TImage i;
    i.SetBounds(3, 4, 100, 100);
    i.SetAutoSize(true);
    i.SetPicture("FLAME");
    ASSERT_FALSE(i.PictureBitmap().Empty());
    EXPECT_EQ(i.Width(), i.PictureBitmap().Width());
    EXPECT_EQ(i.Height(), i.PictureBitmap().Height());
    EXPECT_EQ(i.Left(), 3);
    EXPECT_THROW(i.SetPicture("NO_SUCH_PICTURE"), Exception);
    EXPECT_EQ(i.Picture(), "FLAME");
    EXPECT_FALSE(i.PictureBitmap().Empty());
}

TEST(Image, AnUnknownPictureInADescriptionNamesTheLine)
{
    try {
        std::unique_ptr<QObject> o(
            TStreamReader::Read("object P: TPanel\n  object I: TImage\n    Picture = 'NOPE'\n  end\nend\n", "pic.dfm"));
        ADD_FAILURE() << "unknown picture accepted";
    } catch (const EReadError& e) {
        EXPECT_TRUE(e.Message.startsWith("pic.dfm(3): property 'Picture': Picture 'NOPE' not found"))
            << e.Message.toStdString();
    }
}

TEST(Label, AutoSizeFollowsTheTextButNotWhileLoading)
{
    TLabel l;
    l.SetCaption("Options");
    EXPECT_EQ(l.Width(), l.Font()->TextWidth("Options"));
    EXPECT_EQ(l.Height(), l.Font()->TextHeight());
    l.Font()->SetHeight(-20);
    EXPECT_EQ(l.Height(), l.Font()->TextHeight());
    std::unique_ptr<QObject> root(TStreamReader::Read(
        "object P: TPanel\n  object L: TLabel\n    Width = 300\n    Caption = 'x'\n    AutoSize = False\n  end\nend\n",
        "label.dfm"));
    EXPECT_EQ(root->findChild<TLabel*>("L")->Width(), 300);
    std::unique_ptr<QObject> empty(
        TStreamReader::Read("object P: TPanel\n  object L: TLabel\n    Width = 65\n  end\nend\n", "empty.dfm"));
    const TLabel* unnamed = empty->findChild<TLabel*>("L");
    EXPECT_EQ(unnamed->Width(), unnamed->Font()->TextWidth(" ")); // one space, never 0
}

TEST(Label, TransparentLabelsShowTheParentAroundTheLetters)
{
    TPanel parent;
    parent.SetBounds(0, 0, 100, 30);
    parent.SetBevelOuter(bvNone);
    parent.SetColor(clGreen);
    auto* l = new TLabel(&parent);
    l->Font()->SetColor(clBlack);
    l->SetCaption("MMM");
    EXPECT_EQ(l->Color(), clGreen); // follows the parent's colour
    l->SetParentColor(false);
    l->SetColor(clYellow);
    EXPECT_EQ(PixelColor(l->PaintToImage(), 0, 0), clYellow);
    l->SetTransparent(true);
    const QImage& img = l->PaintToImage();
    EXPECT_EQ(PixelColor(img, 0, 0), clGreen);
    bool ink = false;
    for (int x = 0; x < l->Width(); ++x)
        ink = ink || PixelColor(img, x, l->Height() / 2) == clBlack;
    EXPECT_TRUE(ink);
}

class SpeedButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        b_.SetBounds(0, 0, 55, 55);
        b_.SetCaption("CLOSE");
        b_.SetGlyph("CLOSEGLYPH");
        b_.SetLayout(blGlyphTop);
        b_.SetFlat(true);
    }
    TSpeedButton b_;
};

TEST_F(SpeedButtonTest, GlyphAboveTheCaptionCentredAsAGroup)
{
    const int tw = b_.Font()->TextWidth("CLOSE");
    const int th = b_.Font()->TextHeight();
    const int margin = (53 - (32 + 4 + th) + 1) / 2;
    EXPECT_EQ(b_.GlyphPos(), QPoint(1 + (53 - 32 + 1) / 2, 1 + margin));
    EXPECT_EQ(b_.CaptionPos(), QPoint(1 + (53 - tw + 1) / 2, 1 + margin + 32 + 4));
}

TEST_F(SpeedButtonTest, GlyphLeftOfTheCaption)
{
    b_.SetLayout(blGlyphLeft);
    b_.SetFlat(false);
    const int tw = b_.Font()->TextWidth("CLOSE");
    const int margin = (51 - (32 + 4 + tw) + 1) / 2;
    EXPECT_EQ(b_.GlyphPos().x(), 2 + margin);
    EXPECT_EQ(b_.CaptionPos().x(), 2 + margin + 32 + 4);
}

TEST_F(SpeedButtonTest, AClickIsAPressAndAReleaseInside)
{
    QSignalSpy clicks(&b_, &TSpeedButton::OnClick);
    QTest::mousePress(&b_, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_TRUE(b_.Pressed());
    const QPoint pressedGlyph = b_.GlyphPos();
    QTest::mouseRelease(&b_, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_FALSE(b_.Pressed());
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(pressedGlyph, b_.GlyphPos() + QPoint(1, 1)); // the face shifts while pressed
    QTest::mousePress(&b_, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseRelease(&b_, Qt::LeftButton, {}, QPoint(80, 80));
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(SpeedButtonTest, FlatButtonsShowTheirBevelOnlyUnderTheMouse)
{
    EXPECT_EQ(PixelColor(b_.PaintToImage(), 0, 0), ColorToRGB(clBtnFace));
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&b_, &enter);
    EXPECT_TRUE(b_.MouseInControl());
    EXPECT_EQ(PixelColor(b_.PaintToImage(), 0, 0), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(PixelColor(b_.PaintToImage(), 54, 54), ColorToRGB(clBtnShadow));
    QTest::mousePress(&b_, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(PixelColor(b_.PaintToImage(), 0, 0), ColorToRGB(clBtnShadow));
    QTest::mouseRelease(&b_, Qt::LeftButton, {}, QPoint(20, 20));
}

TEST_F(SpeedButtonTest, RaisedButtonsHaveADoubleBevel)
{
    b_.SetFlat(false);
    const QImage& img = b_.PaintToImage();
    EXPECT_EQ(PixelColor(img, 0, 10), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(PixelColor(img, 1, 10), ColorToRGB(cl3DLight));
    EXPECT_EQ(PixelColor(img, 54, 10), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(PixelColor(img, 53, 10), ColorToRGB(clBtnShadow));
}

TEST_F(SpeedButtonTest, UnknownGlyphsAreRefused)
{
    EXPECT_THROW(b_.SetGlyph("NO_SUCH_GLYPH"), Exception);
    EXPECT_EQ(b_.Glyph(), "CLOSEGLYPH");
}

} // namespace
