#include "app/FormatTenths.h"
#include "app/GraphForm.h"
#include "app/MainForm.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <climits>
#include <clocale>

TEST(FormatTenths, OneDecimalWithAPoint)
{
    EXPECT_EQ(FormatTenths(203), "20.3");
    EXPECT_EQ(FormatTenths(0), "0.0");
    EXPECT_EQ(FormatTenths(5), "0.5");
    EXPECT_EQ(FormatTenths(-5), "-0.5");
    EXPECT_EQ(FormatTenths(1000), "100.0");
    EXPECT_EQ(FormatTenths(-203), "-20.3");
    EXPECT_EQ(FormatTenths(501), "50.1");
}

// Both windows offer the operation themselves, with the same texts.
TEST(FormatTenths, IsAnOperationOfBothWindows)
{
    EXPECT_EQ(TMainForm::FormatTenths(203), "20.3");
    EXPECT_EQ(TMainForm::FormatTenths(-5), "-0.5");
    EXPECT_EQ(TGraphForm::FormatTenths(185), "18.5");
    EXPECT_EQ(TGraphForm::FormatTenths(0), "0.0");
}

TEST(FormatTenths, NoThousandsSeparatorAndNoOverflowAtTheExtremes)
{
    EXPECT_EQ(FormatTenths(123456789), "12345678.9");
    EXPECT_EQ(FormatTenths(INT_MAX), "214748364.7");
    EXPECT_EQ(FormatTenths(INT_MIN), "-214748364.8");
}

// The displays know only the point: a user locale with a decimal comma must
// not leak into the text, neither through Qt's nor through the C locale.
TEST(FormatTenths, DecimalCommaLocaleStillGivesAPoint)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    const char* c = std::setlocale(LC_NUMERIC, "nl_NL.UTF-8");
    if (!c)
        c = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
    EXPECT_EQ(FormatTenths(203), "20.3");
    EXPECT_EQ(FormatTenths(-5), "-0.5");
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(previous);
}
