// TDiagramButton: the hover glyph is shown from the first move over the
// button and the normal glyph returns on a captured move outside or a click.

#include "diagram/DiagramButton.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

void Send(QWidget& w, QEvent::Type type, QPoint at, Qt::MouseButtons held)
{
    QMouseEvent e(type, QPointF(at), w.mapToGlobal(QPointF(at)),
                  type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

struct Button : ::testing::Test {
    TDiagramButton b;
    int clicks = 0;
    Button()
    {
        b.SetBounds(0, 0, 40, 40);
        b.SetGlyph(QStringLiteral("FONTS8")); // black ink on a transparent white
        QObject::connect(&b, &TControl::OnClick, [this] { ++clicks; });
    }
    // Whether the button shows black ink at the middle of the 10 x 16 glyph place.
    bool ShowsNormalGlyph()
    {
        const QImage& img = b.PaintToImage();
        int ink = 0;
        for (int y = 12; y < 28; ++y)
            for (int x = 15; x < 25; ++x)
                ink += PixelColor(img, x, y) == clBlack;
        return ink > 10;
    }
};

TEST_F(Button, EmptyHoverGlyphShowsNothingUntilACapturedMoveOutsideOrAClick)
{
    ASSERT_TRUE(ShowsNormalGlyph());
    Send(b, QEvent::MouseMove, {20, 20}, Qt::NoButton);
    EXPECT_TRUE(b.Hovering());
    EXPECT_FALSE(ShowsNormalGlyph()) << "an empty hover glyph shows no glyph";
    Send(b, QEvent::MouseMove, {60, 20}, Qt::LeftButton); // reported outside: the button holds the capture
    EXPECT_FALSE(b.Hovering());
    EXPECT_TRUE(ShowsNormalGlyph());

    Send(b, QEvent::MouseMove, {20, 20}, Qt::NoButton);
    Send(b, QEvent::MouseButtonPress, {20, 20}, Qt::LeftButton);
    Send(b, QEvent::MouseButtonRelease, {20, 20}, Qt::NoButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(b.Hovering());
    EXPECT_TRUE(ShowsNormalGlyph());
}

TEST_F(Button, SecondMoveInsideKeepsTheNormalGlyph)
{
    TBitmap hover;
    hover.LoadFromResourceName(QStringLiteral("FONTSMINUS"));
    b.SetGlyph2(hover);
    Send(b, QEvent::MouseMove, {20, 20}, Qt::NoButton);
    Send(b, QEvent::MouseMove, {21, 21}, Qt::NoButton);
    EXPECT_FALSE(ShowsNormalGlyph());
    EXPECT_EQ(b.Glyph(), QStringLiteral("FONTS8"));
    Send(b, QEvent::MouseMove, {-1, 5}, Qt::LeftButton);
    EXPECT_TRUE(ShowsNormalGlyph()) << "the hover glyph was never saved over the normal one";
}

TEST_F(Button, PressDragOutAndReleaseRestoresWithoutAClick)
{
    b.SetGlyph2(QStringLiteral("FONTSMINUS"));
    Send(b, QEvent::MouseMove, {20, 20}, Qt::NoButton);
    Send(b, QEvent::MouseButtonPress, {20, 20}, Qt::LeftButton);
    Send(b, QEvent::MouseMove, {20, 70}, Qt::LeftButton);
    Send(b, QEvent::MouseButtonRelease, {20, 70}, Qt::NoButton);
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(b.Hovering());
    EXPECT_TRUE(ShowsNormalGlyph());
}

// Captured moves on the 40 x 40 button's edges: X and Y from 0 to the width
// and height themselves count as over it, one beyond as outside.
TEST_F(Button, CapturedMovesOnTheEdgesStayOverTheButton)
{
    const struct {
        QPoint at;
        bool over;
    } rows[] = {{{0, 0}, true},   {{40, 40}, true},  {{40, 20}, true},  {{20, 40}, true},
                {{41, 20}, false}, {{20, 41}, false}, {{-1, 20}, false}, {{20, -1}, false}};
    for (const auto& r : rows) {
        Send(b, QEvent::MouseMove, {20, 20}, Qt::NoButton);
        ASSERT_TRUE(b.Hovering());
        Send(b, QEvent::MouseMove, r.at, Qt::LeftButton);
        EXPECT_EQ(b.Hovering(), r.over) << r.at.x() << "," << r.at.y();
    }
}

TEST(DiagramButtonGlyph2, UnknownPictureNameIsRefusedNamingIt)
{
    TDiagramButton b;
    try {
        b.SetGlyph2(QStringLiteral("NOSUCHPICTURE"));
        FAIL();
    } catch (const std::exception& e) {
        EXPECT_NE(QString::fromUtf8(e.what()).indexOf(QStringLiteral("NOSUCHPICTURE")), -1);
    }
    EXPECT_TRUE(b.Glyph2().isEmpty());
}

} // namespace

#include "diagram/CurveDiagram.h"
#include "diagram/RegisterDiagram.h"
#include "framework/ComponentRegistry.h"

namespace {

TEST(CurveAndButtonRegistration, BothAreOnTheSaxelPageAndCanBeMade)
{
    RegisterDiagramComponents();
    for (const char* name : {"TCurveDiagram", "TDiagramButton"}) {
        const auto found = FindComponentClass(QLatin1String(name));
        ASSERT_TRUE(found.has_value()) << name;
        EXPECT_EQ(found->Page, QStringLiteral("Saxel Componenten"));
        std::unique_ptr<QObject> made(found->Create(nullptr));
        EXPECT_NE(made, nullptr);
    }
}

} // namespace
