// Plain numbers recognised eight bytes at a time: laid into their fields as written, or checked against them.
#include "NumberText.h"
#include "PcFileTestSupport.h"
#include "PlainNumber.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

namespace
{
std::string Lay(const std::string& text, unsigned width, unsigned decimals)
{
    std::string out(width, '?');
    if (!LayNumberAsWritten(text.data(), text.size(), width, decimals, out.data()))
        return "refused";
    return out;
}

std::string Fit(const std::string& text, unsigned width, unsigned decimals)
{
    std::string out(width, '?');
    if (!FitNumber(text.data(), text.size(), width, decimals, NumberPad::Blanks, out.data()))
        return "refused";
    return out;
}

// A text of 0-17 characters, each a letter of the alphabet or, for picks past it, a digit.
template <size_t N>
std::string RandomText(unsigned& state, const char (&alphabet)[N], unsigned picks)
{
    state = state * 1103515245u + 12345u;
    const size_t length = (state >> 16) % 18;
    std::string text;
    for (size_t c = 0; c < length; ++c)
    {
        state = state * 1103515245u + 12345u;
        const unsigned pick = (state >> 16) % picks;
        text += pick < N ? alphabet[pick] : static_cast<char>('0' + pick % 10);
    }
    return text;
}

// Bytes that end where a page that may not be read begins.
class PageEnd
{
public:
    PageEnd()
    {
        SYSTEM_INFO info;
        GetSystemInfo(&info);
        m_page = info.dwPageSize;
        m_base = static_cast<char*>(VirtualAlloc(nullptr, 2 * m_page, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
        DWORD old = 0;
        if (m_base)
            VirtualProtect(m_base + m_page, m_page, PAGE_NOACCESS, &old);
    }
    ~PageEnd() { VirtualFree(m_base, 0, MEM_RELEASE); }

    const char* Place(const std::string& text)
    {
        char* at = m_base + m_page - text.size();
        std::memcpy(at, text.data(), text.size());
        return at;
    }

private:
    size_t m_page = 0;
    char* m_base = nullptr;
};
}

TEST(LayNumberAsWritten, TakesTheFieldsOwnFormAndRefusesTheRest)
{
    EXPECT_EQ(Lay("12.50", 7, 2), "  12.50");
    EXPECT_EQ(Lay("  -0.500 ", 6, 3), "-0.500");
    EXPECT_EQ(Lay("+7", 3, 0), " +7");
    EXPECT_EQ(Lay("-.25", 5, 2), " -.25");
    EXPECT_EQ(Lay("     ", 4, 1), "    ");
    EXPECT_EQ(Lay("", 3, 0), "   ");
    EXPECT_EQ(Lay("12345678901234567", 17, 0), "12345678901234567");
    EXPECT_EQ(Lay("1234567890123456.7", 18, 1), "1234567890123456.7");
    // Everything else is left to FitNumber: other decimals, exponents, a sign alone, a value wider than the field.
    EXPECT_EQ(Lay("12.5", 7, 2), "refused");
    EXPECT_EQ(Lay("12.", 7, 0), "refused");
    EXPECT_EQ(Lay("12", 7, 2), "refused");
    EXPECT_EQ(Lay("1E3", 7, 0), "refused");
    EXPECT_EQ(Lay("-", 7, 0), "refused");
    EXPECT_EQ(Lay("-.", 7, 0), "refused");
    EXPECT_EQ(Lay("1234", 3, 0), "refused");
    EXPECT_EQ(Lay("1 2", 3, 0), "refused");
    EXPECT_EQ(Lay("--1", 3, 0), "refused");
    EXPECT_EQ(Lay("1,5", 3, 1), "refused");
}

TEST(LayNumberAsWritten, PassesOverRunsOfBlanksOfEveryLength)
{
    for (size_t before = 0; before < 18; ++before)
        for (size_t after = 0; after < 18; ++after)
        {
            const std::string text = std::string(before, ' ') + "-3.25" + std::string(after, ' ');
            EXPECT_EQ(Lay(text, 6, 2), " -3.25") << before << ',' << after;
            EXPECT_EQ(Lay(std::string(before + after, ' '), 4, 2), "    ");
        }
}

TEST(LayNumberAsWritten, AgreesWithFitNumberOnEveryTextItTakes)
{
    // Texts of up to 17 characters from a small alphabet, so that every place of an eight-byte word meets every
    // kind of character; FitNumber decides what each must give.
    const char alphabet[] = {'0', '5', '9', '/', ':', '-', '+', '.', ' ', 'e', ','};
    unsigned state = 12345;
    int taken = 0;
    for (int i = 0; i < 200000; ++i)
    {
        const std::string text = RandomText(state, alphabet, 40);
        const unsigned width = static_cast<unsigned>((state >> 8) % 20);
        const unsigned decimals = static_cast<unsigned>((state >> 4) % 4);
        const std::string laid = Lay(text, width, decimals);
        if (laid != "refused")
        {
            ++taken;
            ASSERT_EQ(laid, Fit(text, width, decimals)) << '"' << text << "\" " << width << ',' << decimals;
        }
    }
    EXPECT_GT(taken, 1000);
}

TEST(LayNumberAsWritten, TellsTheCommonFormFromOneOrTwoWords)
{
    // Texts of 1 to 16 characters without blanks, each placed so that it ends where reading must stop: the test of
    // whole words takes exactly the texts that the character-by-character reading lays.
    PageEnd end;
    const char alphabet[] = {'0', '9', '/', ':', '-', '+', '.', ',', 'e', '\0', '\xB5'};
    unsigned state = 2024;
    int taken = 0;
    for (int i = 0; i < 200000; ++i)
    {
        const std::string text = RandomText(state, alphabet, 48);
        if (text.empty() || text.size() > 16)
            continue;
        const unsigned decimals = static_cast<unsigned>((state >> 4) % 4);
        std::string out(20, '?');
        const bool laid = LayAnyNumberAsWritten(text.data(), text.size(), 20, decimals, out.data());
        const bool common = IsNumberAsWritten(end.Place(text), text.size(), decimals);
        ASSERT_EQ(common, laid) << '"' << Escaped(text) << "\" " << decimals;
        taken += common;
    }
    EXPECT_GT(taken, 1000);
}

TEST(IsPlainFieldNumber, GivesTheAnswerOfIsFieldNumber)
{
    EXPECT_TRUE(IsPlainFieldNumber("  -12.5 ", 8, 2));
    EXPECT_TRUE(IsPlainFieldNumber("        ", 8, 0));
    EXPECT_TRUE(IsPlainFieldNumber("12.", 3, 1));
    EXPECT_FALSE(IsPlainFieldNumber("12.", 3, 0));
    EXPECT_FALSE(IsPlainFieldNumber("1.234", 5, 2));
    EXPECT_FALSE(IsPlainFieldNumber("1E3", 3, 0));
    EXPECT_FALSE(IsPlainFieldNumber(" - ", 3, 0));
    const char alphabet[] = {'0', '5', '9', '/', ':', '-', '+', '.', ' ', 'e', 'E'};
    unsigned state = 54321;
    for (int i = 0; i < 200000; ++i)
    {
        const std::string text = RandomText(state, alphabet, 30);
        const unsigned decimals = static_cast<unsigned>((state >> 4) % 4);
        ASSERT_EQ(IsPlainFieldNumber(text.data(), text.size(), decimals),
                  IsFieldNumber(text.data(), text.size(), decimals))
            << '"' << text << "\" " << decimals;
    }
}

TEST(LayNumberAsWritten, ReadsNoByteAfterTheText)
{
    PageEnd end;
    for (const std::string text : {"", "7", "-12", "1234567", "12345678", "123456789", "-1234567.89", " 42 "})
        for (unsigned decimals = 0; decimals < 3; ++decimals)
        {
            std::string out(20, '?');
            const bool laid = LayNumberAsWritten(end.Place(text), text.size(), 20, decimals, out.data());
            EXPECT_EQ(laid ? out : "refused", Lay(text, 20, decimals)) << '"' << text << "\" " << decimals;
            EXPECT_EQ(IsPlainFieldNumber(end.Place(text), text.size(), decimals),
                      IsFieldNumber(text.data(), text.size(), decimals));
        }
}
