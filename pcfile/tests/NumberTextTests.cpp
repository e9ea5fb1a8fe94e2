// Numbers read from PC files laid into fields of fixed width.
#include "NumberText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace
{
std::string Fit(const char* text, unsigned width, unsigned decimals, NumberPad pad)
{
    std::string out(width, '?');
    if (!FitNumber(text, std::strlen(text), width, decimals, pad, out.data()))
        return "refused";
    return out;
}
}

TEST(FitNumber, BlankPaddingAlignsRightAndCompletesDecimals)
{
    EXPECT_EQ(Fit("12.5", 7, 2, NumberPad::Blanks), "  12.50");
    EXPECT_EQ(Fit("  12  ", 7, 2, NumberPad::Blanks), "  12.00");
    EXPECT_EQ(Fit("12.999", 7, 0, NumberPad::Blanks), "     12");
    EXPECT_EQ(Fit("-0.5", 6, 3, NumberPad::Blanks), "-0.500");
    EXPECT_EQ(Fit("", 4, 1, NumberPad::Blanks), "    ");
    EXPECT_EQ(Fit(" 012.50", 7, 2, NumberPad::Blanks), " 012.50");
    EXPECT_EQ(Fit("-.01", 4, 0, NumberPad::Blanks), "  -0") << "decimals only keep the integer zero";
    EXPECT_EQ(Fit(".75", 4, 0, NumberPad::Zeros), "0000");
}

// Texts already written with the field's decimals are laid in as they stand; any other form is rebuilt.
TEST(FitNumber, TextsInTheFieldsOwnFormKeepTheirCharacters)
{
    EXPECT_EQ(Fit("+7", 3, 0, NumberPad::Blanks), " +7");
    EXPECT_EQ(Fit("-12.50", 6, 2, NumberPad::Blanks), "-12.50");
    EXPECT_EQ(Fit(".5", 3, 1, NumberPad::Blanks), " .5");
    EXPECT_EQ(Fit("+.5", 3, 1, NumberPad::Blanks), "+.5");
    EXPECT_EQ(Fit("007", 3, 0, NumberPad::Blanks), "007");
    EXPECT_EQ(Fit("0007", 3, 0, NumberPad::Blanks), "  7");
    EXPECT_EQ(Fit("+0.50", 4, 2, NumberPad::Blanks), "0.50");
    EXPECT_EQ(Fit("5.", 3, 0, NumberPad::Blanks), "  5");
    EXPECT_EQ(Fit("5", 3, 1, NumberPad::Blanks), "5.0");
    EXPECT_EQ(Fit("5.25", 4, 1, NumberPad::Blanks), " 5.2");
    EXPECT_EQ(Fit("5E0", 3, 0, NumberPad::Blanks), "  5");
    EXPECT_EQ(Fit("123456789012345678", 18, 0, NumberPad::Blanks), "123456789012345678");
    EXPECT_EQ(Fit("+7", 3, 0, NumberPad::Zeros), "007");
}

TEST(FitNumber, ZeroPaddingPutsTheSignFirst)
{
    EXPECT_EQ(Fit("12.5", 7, 2, NumberPad::Zeros), "0012.50");
    EXPECT_EQ(Fit("-12.5", 7, 2, NumberPad::Zeros), "-012.50");
    EXPECT_EQ(Fit("+42", 5, 0, NumberPad::Zeros), "00042");
    EXPECT_EQ(Fit("", 5, 0, NumberPad::Zeros), "00000");
    EXPECT_EQ(Fit("123456789012345678901234567890", 30, 0, NumberPad::Zeros), "123456789012345678901234567890");
}

TEST(FitNumber, ExponentFormsBecomePlainDigits)
{
    EXPECT_EQ(Fit("1.5E2", 8, 2, NumberPad::Blanks), "  150.00");
    EXPECT_EQ(Fit("1.5E2", 6, 2, NumberPad::Blanks), "150.00");
    EXPECT_EQ(Fit("-2.5e-1", 6, 2, NumberPad::Blanks), " -0.25");
    EXPECT_EQ(Fit("9.99e1", 4, 0, NumberPad::Blanks), "  99");
    EXPECT_EQ(Fit("1e20", 8, 2, NumberPad::Blanks), "refused");
    EXPECT_EQ(Fit("1e19", 25, 0, NumberPad::Blanks), "refused");
}

TEST(FitNumber, TooWideValuesLoseLeadingZerosOrAreRefused)
{
    EXPECT_EQ(Fit("000042", 3, 0, NumberPad::Blanks), " 42");
    EXPECT_EQ(Fit("+000.50", 4, 2, NumberPad::Blanks), "0.50");
    EXPECT_EQ(Fit("-0000", 2, 0, NumberPad::Blanks), "-0");
    EXPECT_EQ(Fit("12345", 4, 0, NumberPad::Blanks), "refused");
    EXPECT_EQ(Fit("1.5", 3, 2, NumberPad::Blanks), "refused");
}

TEST(FitNumber, RefusesWhatIsNoNumber)
{
    for (const char* text : {"abc", "1 2", "--1", "1-", ".", "+", "1e", "1e+", "0x10", "1,5", "1.2.3", "E3"})
    {
        EXPECT_EQ(Fit(text, 10, 2, NumberPad::Blanks), "refused") << text;
        EXPECT_FALSE(IsNumberText(text, std::strlen(text))) << text;
    }
    EXPECT_TRUE(IsNumberText("   ", 3));
    EXPECT_TRUE(IsNumberText(" -1.5E+3 ", 9));
}

TEST(IsFieldNumber, TakesPlainNumbersWithTheFieldsDecimalsAtMost)
{
    const struct
    {
        const char* text;
        unsigned decimals;
        bool held;
    } cases[] = {{" 012.50", 2, true}, {"-12.5", 2, true},      {"  42", 0, true},
                 {"    ", 0, true},    {"2345.6712", 2, false}, {"12.", 0, false},
                 {"12.0", 0, false},   {"1E2", 2, false},       {"1 2", 2, false}};
    for (const auto& c : cases)
        EXPECT_EQ(IsFieldNumber(c.text, std::strlen(c.text), c.decimals), c.held) << c.text;
}

TEST(NumberTextHelpers, BlanksZerosAndTheDecimalCharacter)
{
    EXPECT_EQ(LengthWithoutTrailingBlanks("ab  ", 4), 2u);
    EXPECT_EQ(LengthWithoutTrailingBlanks("    ", 4), 0u);
    EXPECT_EQ(LeadingBlanksAndZeros("  0012", 6), 4u);
    EXPECT_EQ(LeadingBlanksAndZeros(" 000", 4), 4u);
    EXPECT_EQ(LeadingBlanksAndZeros("-001", 4), 0u);
    char value[] = "1.5.5";
    ReplaceFirst(value, 5, '.', ',');
    EXPECT_STREQ(value, "1,5.5");
}
