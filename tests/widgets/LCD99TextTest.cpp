// The seven-segment display's text rules: accepted characters, the split into
// cells and decimal points, right alignment and the character table.

#include "widgets/LCD99Text.h"

#include <gtest/gtest.h>

namespace {

// The lit positions of a character as a string of 0/1 for positions 1..8.
QString Pattern(QChar ch)
{
    QString s;
    for (int p = 1; p <= 8; ++p)
        s += TLCD99Text::Lit(ch, p) ? QLatin1Char('1') : QLatin1Char('0');
    return s;
}

} // namespace

TEST(LCD99Text, NormalizeUpperCasesAndDropsOneFinalPoint)
{
    EXPECT_EQ(TLCD99Text::Normalize("23."), "23");
    EXPECT_EQ(TLCD99Text::Normalize("2a"), "2A");
    EXPECT_EQ(TLCD99Text::Normalize("12:30"), "12:30");
    EXPECT_EQ(TLCD99Text::Normalize("- 5"), "- 5");
    EXPECT_EQ(TLCD99Text::Normalize("1.."), "1.") << "only the last point goes";
    EXPECT_EQ(TLCD99Text::Normalize("."), "");
    EXPECT_EQ(TLCD99Text::Normalize(""), "");
}

TEST(LCD99Text, ANonDisplayableCharacterEmptiesTheWholeText)
{
    for (const char* text : {"2,5", "23+", "1_2", "x\t", "20\u00b0", "\u00e9"})
        EXPECT_EQ(TLCD99Text::Normalize(QString::fromUtf8(text)), "") << text;
}

TEST(LCD99Text, PointStandsInFrontOfTheFollowingCell)
{
    const TLCD99Text t = TLCD99Text::Split("23.9", 3);
    EXPECT_EQ(t.Cells, "239");
    EXPECT_EQ(t.Points, "  .");
    EXPECT_FALSE(t.PointAt(1));
    EXPECT_TRUE(t.PointAt(2));
}

TEST(LCD99Text, SplitRightAlignsToTheCellCount)
{
    const TLCD99Text minus = TLCD99Text::Split("-5", 3);
    EXPECT_EQ(minus.Cells, " -5");
    EXPECT_EQ(minus.Points, "   ");
    const TLCD99Text empty = TLCD99Text::Split("", 4);
    EXPECT_EQ(empty.Cells, "    ");
    EXPECT_EQ(empty.Points, "    ");
    const TLCD99Text lead = TLCD99Text::Split(".5", 3);
    EXPECT_EQ(lead.Cells, "  5");
    EXPECT_EQ(lead.Points, "  .");
}

TEST(LCD99Text, ConsecutivePointsEachGetACell)
{
    const TLCD99Text t = TLCD99Text::Split("1..2", 3);
    EXPECT_EQ(t.Cells, "1 2");
    EXPECT_EQ(t.Points, " ..");
}

TEST(LCD99Text, AFinalPointKeepsPointsAlignedWithCells)
{
    // "1.." is normalised to "1."; its point follows the 1 and must not
    // slide in front of it when the strings are right-aligned.
    const TLCD99Text t = TLCD99Text::Split("1.", 3);
    EXPECT_EQ(t.Cells, " 1 ");
    EXPECT_EQ(t.Points, "  .");
}

TEST(LCD99Text, LongerTextsKeepAllTheirCells)
{
    const TLCD99Text t = TLCD99Text::Split("12345", 3);
    EXPECT_EQ(t.Cells, "12345");
    EXPECT_EQ(t.CellAt(0), QChar('1'));
    EXPECT_EQ(t.CellAt(7), QChar(' ')) << "beyond the text reads as blank";
}

TEST(LCD99Text, DiffersComparesCharacterAndPoint)
{
    const TLCD99Text a = TLCD99Text::Split("23.9", 3);
    const TLCD99Text b = TLCD99Text::Split("239", 3);
    const TLCD99Text c = TLCD99Text::Split("24.9", 3);
    EXPECT_FALSE(a.Differs(b, 0));
    EXPECT_TRUE(a.Differs(b, 2)) << "same digit, point gone";
    EXPECT_TRUE(a.Differs(c, 1));
    EXPECT_FALSE(a.Differs(c, 2));
}

TEST(LCD99Text, CharacterTable)
{
    EXPECT_EQ(Pattern('0'), "11101110");
    EXPECT_EQ(Pattern('1'), "00100100");
    EXPECT_EQ(Pattern('2'), "10111010");
    EXPECT_EQ(Pattern('3'), "10110110");
    EXPECT_EQ(Pattern('4'), "01110100");
    EXPECT_EQ(Pattern('5'), "11010110");
    EXPECT_EQ(Pattern('6'), "11011110");
    EXPECT_EQ(Pattern('7'), "10100100");
    EXPECT_EQ(Pattern('8'), "11111110");
    EXPECT_EQ(Pattern('9'), "11110110");
    EXPECT_EQ(Pattern('-'), "00010000");
    EXPECT_EQ(Pattern(':'), "00000001");
    EXPECT_EQ(Pattern(' '), "00000000");
    EXPECT_EQ(Pattern('A'), "11111100");
    EXPECT_EQ(Pattern('E'), "11011010");
    EXPECT_EQ(Pattern('H'), "01011100");
    EXPECT_EQ(Pattern('L'), "01001010");
    EXPECT_EQ(Pattern('P'), "11111000");
    EXPECT_EQ(Pattern('Z'), "10111010");
    EXPECT_EQ(Pattern('M'), Pattern('N'));
    EXPECT_EQ(Pattern('U'), Pattern('W'));
    EXPECT_EQ(Pattern('a'), "00000000") << "outside the table: every segment unlit";
    EXPECT_EQ(Pattern('.'), "00000000");
}
