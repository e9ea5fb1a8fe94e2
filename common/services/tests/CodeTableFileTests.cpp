#include <gtest/gtest.h>

#include <string>

#include "CodeTableFile.h"
#include "CodeTableLines.h"
#include "TempProgramFolder.h"

namespace
{

class CodeTableFileTest : public ::testing::Test
{
protected:
    TempProgramFolder m_folder;
    unsigned char m_asciiToEbcdic[256] = {};
    unsigned char m_ebcdicToAscii[256] = {};

    BOOL Read(const std::string& text)
    {
        m_folder.WriteFile("TABLE.TBL", text);
        return ReadCodeTableFile(m_folder.PathOf("TABLE.TBL").c_str(), m_asciiToEbcdic, m_ebcdicToAscii);
    }

    // The table file with line `line` (0-31) replaced.
    static std::string WithLine(int line, const std::string& replacement)
    {
        std::string text;
        const std::string full = CodeTableText();
        size_t start = 0;
        for (int i = 0; i < 32; ++i)
        {
            size_t end = full.find("\r\n", start);
            text += (i == line ? replacement : full.substr(start, end - start)) + "\r\n";
            start = end + 2;
        }
        return text;
    }
};

}

TEST_F(CodeTableFileTest, FirstBlockIsAsciiToEbcdicAndSecondEbcdicToAscii)
{
    ASSERT_TRUE(Read(CodeTableText()));
    for (int b = 0; b < 256; ++b)
    {
        EXPECT_EQ(255 - b, m_asciiToEbcdic[b]);
        EXPECT_EQ(b, m_ebcdicToAscii[b]);
    }
}

TEST_F(CodeTableFileTest, LineEndsAndCaseOfDigitsDoNotMatter)
{
    ASSERT_TRUE(Read(CodeTableText(32, "\n")));
    std::string lower = WithLine(0, "4a 5b 7C 00 00 00 00 00 00 00 00 00 00 00 00 0f   ");
    ASSERT_TRUE(Read(lower));
    EXPECT_EQ(0x4A, m_asciiToEbcdic[0]);
    EXPECT_EQ(0x5B, m_asciiToEbcdic[1]);
    EXPECT_EQ(0x7C, m_asciiToEbcdic[2]);
    EXPECT_EQ(0x0F, m_asciiToEbcdic[15]);
    EXPECT_EQ(255 - 16, m_asciiToEbcdic[16]);
}

TEST_F(CodeTableFileTest, LinesAfterTheSecondBlockAreIgnored)
{
    EXPECT_TRUE(Read(CodeTableText() + "anything\r\n"));
}

TEST_F(CodeTableFileTest, MissingOrShortFileFails)
{
    EXPECT_FALSE(ReadCodeTableFile(m_folder.PathOf("NONE.TBL").c_str(), m_asciiToEbcdic, m_ebcdicToAscii));
    EXPECT_FALSE(Read(CodeTableText(31)));
    EXPECT_FALSE(Read(CodeTableText(16)));
    EXPECT_FALSE(Read(""));
}

TEST_F(CodeTableFileTest, MalformedLineFails)
{
    const std::string good = CodeTableLine(0, [](int b) { return b; });
    EXPECT_FALSE(Read(WithLine(3, "4A 5b 7C "))) << "a short line";
    EXPECT_FALSE(Read(WithLine(3, "4G" + good.substr(2)))) << "a digit that is not hexadecimal";
    EXPECT_FALSE(Read(WithLine(20, good.substr(0, 5) + "," + good.substr(6)))) << "a wrong separator";
    EXPECT_FALSE(Read(WithLine(20, good + " 10"))) << "a 17th value";
    EXPECT_FALSE(Read(WithLine(31, good + std::string(200, ' ') + "x"))) << "an overlong line";
    EXPECT_FALSE(Read(WithLine(0, ""))) << "an empty line";
}

TEST_F(CodeTableFileTest, ShippedFileHoldsTwoInverseTables)
{
    ASSERT_TRUE(
        ReadCodeTableFile((TempProgramFolder::BuildProgramFolder() + "\\" + TempProgramFolder::kCodeTableFile).c_str(),
                          m_asciiToEbcdic, m_ebcdicToAscii));
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(b, m_ebcdicToAscii[m_asciiToEbcdic[b]]) << b;
    EXPECT_EQ(0xC1, m_asciiToEbcdic['A']);
    EXPECT_EQ(0x40, m_asciiToEbcdic[' ']);
    EXPECT_EQ(0xF0, m_asciiToEbcdic['0']);
    EXPECT_EQ(0x51, m_asciiToEbcdic[0x82]) << "code page 850 e acute";
}
