#include "platform/profile/NumberText.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

using platform::numberOf;
using platform::numberText;
using platform::wholeNumberOf;

namespace {

TEST(NumberTextTest, WritesSinglesWithSevenSignificantDigits)
{
    EXPECT_EQ(numberText(1440.0), "1440");
    EXPECT_EQ(numberText(-120.0), "-120");
    EXPECT_EQ(numberText(0.5), "0.5");
    EXPECT_EQ(numberText(1234567.0), "1234567");
    EXPECT_EQ(numberText(12345678.0), "1.234568E+07");
    EXPECT_EQ(numberText(1.0 / 3.0), "0.3333333");
    EXPECT_EQ(numberText(double(0.1f)), "0.1") << "the float's own digits, not its binary tail";
    EXPECT_EQ(numberText(2.0000001), "2");
    // The double rounds up to ...22, its nearest single (16777.21484375) down.
    EXPECT_EQ(numberText(16777.2155), "16777.21") << "rounded to single precision first";
    EXPECT_EQ(numberText(-0.0), "0");
    EXPECT_EQ(numberText(0.0), "0");
}

TEST(NumberTextTest, NonNumbersAreNotWritten)
{
    EXPECT_EQ(numberText(std::numeric_limits<double>::quiet_NaN()), "0");
    EXPECT_EQ(numberText(std::numeric_limits<double>::infinity()), "0");
    EXPECT_EQ(numberText(1e300), "0") << "beyond single range";
}

TEST(NumberTextTest, WholeNumbersArePlainDecimal)
{
    EXPECT_EQ(numberText(0), "0");
    EXPECT_EQ(numberText(123456789), "123456789");
    EXPECT_EQ(numberText(std::numeric_limits<int>::min()), "-2147483648");
}

TEST(NumberTextTest, LocaleDoesNotChangeTheText)
{
    const QLocale savedQt;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const std::string savedC = std::setlocale(LC_NUMERIC, nullptr);
    // Not every machine has a comma locale; the Qt default alone still counts.
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");

    EXPECT_EQ(numberText(1234.5), "1234.5");
    EXPECT_EQ(numberText(12345678.0), "1.234568E+07");
    EXPECT_EQ(numberText(1234567), "1234567");
    EXPECT_EQ(numberOf("0.25"), 0.25);
    EXPECT_EQ(numberOf("0,25"), 0.25);

    std::setlocale(LC_NUMERIC, savedC.c_str());
    QLocale::setDefault(savedQt);
}

TEST(NumberTextTest, ReadsPointOrCommaSignAndExponent)
{
    EXPECT_EQ(numberOf("  1.5\t"), 1.5);
    EXPECT_EQ(numberOf("1,5"), 1.5);
    EXPECT_EQ(numberOf("-120"), -120.0);
    EXPECT_EQ(numberOf("+7"), 7.0);
    EXPECT_EQ(numberOf(".5"), 0.5);
    EXPECT_EQ(numberOf("5."), 5.0);
    EXPECT_EQ(numberOf("1.234568E+07"), double(1.234568e7f));
    EXPECT_EQ(numberOf("25e-2"), 0.25);
    EXPECT_EQ(numberOf("0.1"), double(0.1f)) << "the value is the single one";
    EXPECT_EQ(numberOf("1e-60"), 0.0) << "too small for a single is zero";
}

TEST(NumberTextTest, RejectsWhatIsNotANumber)
{
    for (const char *bad : {"", "   ", "abc", "1.2.3", "1,2.3", "1,2,3", "12px", "1 2", "--1", "+-1", "-", ".",
                            "1e", "1e+", "e5", "0x10", "nan", "NaN", "inf", "-Infinity", "1e60"})
        EXPECT_FALSE(numberOf(QString::fromLatin1(bad)).has_value()) << '"' << bad << '"';
}

TEST(NumberTextTest, WrittenTextReadsBackToTheSameText)
{
    // Seven digits hold a single to within half a unit of the seventh digit,
    // and saving what was read changes nothing any more.
    for (double v : {0.1, -0.7, 1.0 / 3.0, 1440.0, 123.456, 98765432.1, 1.5e-7, -3.4e38}) {
        const QString text = numberText(v);
        const auto back = numberOf(text);
        ASSERT_TRUE(back.has_value()) << text.toStdString();
        EXPECT_NEAR(*back, v, std::abs(v) * 1e-6) << text.toStdString();
        EXPECT_EQ(numberText(*back), text);
    }
}

TEST(NumberTextTest, WholeNumbersRoundHalvesToEven)
{
    EXPECT_EQ(wholeNumberOf("2.5"), 2);
    EXPECT_EQ(wholeNumberOf("3.5"), 4);
    EXPECT_EQ(wholeNumberOf("-2.5"), -2);
    EXPECT_EQ(wholeNumberOf("-3,5"), -4);
    EXPECT_EQ(wholeNumberOf("2.4999"), 2);
    EXPECT_EQ(wholeNumberOf("2.5001"), 3);
    EXPECT_EQ(wholeNumberOf("-0.4"), 0);
    EXPECT_EQ(wholeNumberOf(" 1440 "), 1440);
    EXPECT_EQ(wholeNumberOf("1e3"), 1000);
}

TEST(NumberTextTest, WholeNumbersOutsideThe32BitRangeAreNothing)
{
    EXPECT_EQ(wholeNumberOf("-2147483648"), std::numeric_limits<int>::min());
    EXPECT_EQ(wholeNumberOf("2147483520"), 2147483520) << "largest single below 2^31";
    EXPECT_FALSE(wholeNumberOf("3e9").has_value());
    EXPECT_FALSE(wholeNumberOf("-3e9").has_value());
    EXPECT_FALSE(wholeNumberOf("1e20").has_value());
    EXPECT_FALSE(wholeNumberOf("twelve").has_value());
    EXPECT_FALSE(wholeNumberOf("").has_value());
}

} // namespace
