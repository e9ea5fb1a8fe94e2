// Host value forms, record files, descriptions, names and scenario reading, tested on their own.
#include <gtest/gtest.h>

#include "BridgeClient.h"
#include "CodePage037.h"
#include "HostNames.h"
#include "HostValue.h"
#include "RecordFile.h"
#include "Scenario.h"

using namespace kvhll;
using kvtest::FromHex;

namespace
{

HostField F(char type, int length, int decimals)
{
    return HostField{"F", type, length, decimals, ""};
}

// The number that the bytes hold as "-digits" or "digits", or "error".
std::string Decode(const HostField& field, const std::string& hex)
{
    std::string bytes = FromHex(hex);
    HostNumber number;
    if (!DecodeNumber(field, reinterpret_cast<const unsigned char*>(bytes.data()), number))
    {
        return "error";
    }
    return (number.negative ? "-" : "") + number.digits;
}

// The display form that the PC text gives, encoded and shown again, or "error".
std::string Parse(const HostField& field, const std::string& text)
{
    HostNumber number;
    if (!ParseDisplay(field, AnsiToEbcdic(text), number))
    {
        return "error";
    }
    std::string bytes(static_cast<size_t>(InternalSize(field)), '\0');
    if (!EncodeNumber(field, number, reinterpret_cast<unsigned char*>(bytes.data())))
    {
        return "does not fit";
    }
    return HexEncode(bytes) + " " + EbcdicToAnsi(FormatDisplay(field, number));
}

}  // namespace

TEST(HostValueTest, SizesFollowTheFieldRules)
{
    EXPECT_EQ(InternalSize(F('P', 7, 0)), 4);
    EXPECT_EQ(InternalSize(F('P', 8, 2)), 5);
    EXPECT_EQ(InternalSize(F('S', 9, 2)), 9);
    EXPECT_EQ(InternalSize(F('B', 5, 0)), 2);
    EXPECT_EQ(InternalSize(F('B', 6, 0)), 4);
    EXPECT_EQ(DisplaySize(F('P', 7, 0)), 8);
    EXPECT_EQ(DisplaySize(F('S', 3, 3)), 5);
    EXPECT_EQ(DisplaySize(F('A', 12, 0)), 12);
}

TEST(HostValueTest, DecodesPackedZonedAndBinary)
{
    EXPECT_EQ(Decode(F('P', 5, 0), "12345F"), "12345");
    EXPECT_EQ(Decode(F('P', 5, 0), "12345C"), "12345");
    EXPECT_EQ(Decode(F('P', 5, 0), "12345D"), "-12345");
    EXPECT_EQ(Decode(F('P', 5, 0), "12345B"), "-12345");
    EXPECT_EQ(Decode(F('P', 4, 0), "01234F"), "1234");
    EXPECT_EQ(Decode(F('P', 4, 0), "11234F"), "error") << "the pad digit of an even length must be 0";
    EXPECT_EQ(Decode(F('P', 5, 0), "1A345F"), "error");
    EXPECT_EQ(Decode(F('P', 5, 0), "123456"), "error");
    EXPECT_EQ(Decode(F('S', 3, 0), "F1F2D3"), "-123");
    EXPECT_EQ(Decode(F('S', 3, 0), "F1F2C3"), "123");
    EXPECT_EQ(Decode(F('S', 3, 0), "F140F3"), "error");
    EXPECT_EQ(Decode(F('S', 3, 0), "D1F2F3"), "error");
    EXPECT_EQ(Decode(F('B', 5, 0), "8000"), "-32768");
    EXPECT_EQ(Decode(F('B', 4, 0), "7FFF"), "error") << "32767 has more digits than B(4)";
    EXPECT_EQ(Decode(F('B', 9, 0), "FFFFFFFE"), "-000000002");
}

TEST(HostValueTest, DisplayFormsBothWays)
{
    EXPECT_EQ(Parse(F('P', 7, 2), "  -12.5"), "0001250D    -12.50");
    EXPECT_EQ(Parse(F('P', 7, 2), "12.50-"), "0001250D    -12.50");
    EXPECT_EQ(Parse(F('P', 7, 2), "-00012,50"), "0001250D    -12.50");
    EXPECT_EQ(Parse(F('P', 7, 2), std::string("\0\0 7", 4)), "0000700F      7.00");
    EXPECT_EQ(Parse(F('P', 7, 2), ""), "0000000F      0.00");
    EXPECT_EQ(Parse(F('P', 7, 2), "-0"), "0000000F      0.00") << "no negative zero";
    EXPECT_EQ(Parse(F('P', 7, 2), "+12345.678"), "error");
    EXPECT_EQ(Parse(F('P', 7, 2), "12345.670"), "1234567F  12345.67");
    EXPECT_EQ(Parse(F('P', 7, 2), "123456"), "error");
    EXPECT_EQ(Parse(F('P', 7, 2), "-"), "error");
    EXPECT_EQ(Parse(F('P', 7, 2), "1.2.3"), "error");
    EXPECT_EQ(Parse(F('P', 7, 2), "1 2"), "error");
    EXPECT_EQ(Parse(F('P', 7, 2), "12a"), "error");
    EXPECT_EQ(Parse(F('S', 3, 3), ".5"), "F5F0F0  .500");
    EXPECT_EQ(Parse(F('S', 3, 3), "-.001"), "F0F0D1 -.001");
    EXPECT_EQ(Parse(F('B', 5, 1), "-3276.8"), "8000 -3276.8");
    EXPECT_EQ(Parse(F('B', 5, 1), "3276.8"), "does not fit");
    EXPECT_EQ(Parse(F('B', 5, 0), "99999"), "does not fit");
    EXPECT_EQ(Parse(F('B', 9, 0), "-999999999"), "C4653601 -999999999");
}

TEST(HostValueTest, HexadecimalCoding)
{
    std::string bytes;
    EXPECT_EQ(HexEncode(std::string("\x00\x7F\xFF", 3)), "007FFF");
    EXPECT_TRUE(HexDecode("0aFf", bytes));
    EXPECT_EQ(bytes, std::string("\x0A\xFF", 2));
    EXPECT_FALSE(HexDecode("0aF", bytes));
    EXPECT_FALSE(HexDecode("0G", bytes));
}

TEST(HostValueTest, RecordLinesKeepEveryByte)
{
    std::string all;
    for (int i = 0; i < 256; ++i)
    {
        all += static_cast<char>(i);
    }
    std::string line = EncodeRecordLine(all, {});
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
    std::string back;
    ASSERT_TRUE(DecodeRecordLine(line, 256, back));
    EXPECT_EQ(back, all);

    std::vector<HostField> fields{F('A', 3, 0), F('S', 2, 0), F('A', 3, 0)};
    std::string record = AnsiToEbcdic("A\\B") + FromHex("F1F2") + AnsiToEbcdic("C  ");
    EXPECT_EQ(EncodeRecordLine(record, fields), "A\\E0B\\F1\\F2C");
    ASSERT_TRUE(DecodeRecordLine("A\\E0B12C", 8, back));
    EXPECT_EQ(back, record) << "trailing blanks come back; digits may stand as characters";
    EXPECT_FALSE(DecodeRecordLine("ABCDEFGHI", 8, back));
    EXPECT_FALSE(DecodeRecordLine("A\\G1", 8, back));
    EXPECT_FALSE(DecodeRecordLine("A\\1", 8, back));
}

TEST(HostValueTest, DescriptionsAreCheckedLikeTheEditorDoes)
{
    HostField field;
    EXPECT_EQ(ParseDescription("CUSTNO    P00702Customer number" + std::string(35, ' '), field), FieldProblem::None);
    EXPECT_EQ(field.name, "CUSTNO");
    EXPECT_EQ(field.length, 7);
    EXPECT_EQ(field.decimals, 2);
    EXPECT_EQ(field.text, "Customer number");
    EXPECT_EQ(FormatDescription(field), "CUSTNO    P00702Customer number" + std::string(35, ' '));
    auto check = [&](const std::string& numbers) {
        return ParseDescription("NAME      " + numbers + std::string(50, ' '), field);
    };
    EXPECT_EQ(check("X01000"), FieldProblem::Type);
    EXPECT_EQ(check("A0 100"), FieldProblem::Layout);
    EXPECT_EQ(check("A01001"), FieldProblem::Decimals);
    EXPECT_EQ(check("A00000"), FieldProblem::Length);
    EXPECT_EQ(check("P03200"), FieldProblem::Length);
    EXPECT_EQ(check("B01000"), FieldProblem::Length);
    EXPECT_EQ(check("S00506"), FieldProblem::Decimals);
    EXPECT_EQ(check("B00909"), FieldProblem::None);
    EXPECT_EQ(ParseDescription("SHORT", field), FieldProblem::Layout);
}

TEST(HostValueTest, NamesThatCanBePathsAreRefused)
{
    EXPECT_TRUE(IsAs400Name("QGPL"));
    EXPECT_TRUE(IsAs400Name("$A#B@C_1"));
    EXPECT_TRUE(IsAs400Name("ABCDEFGHIJ"));
    EXPECT_FALSE(IsAs400Name("ABCDEFGHIJK"));
    EXPECT_FALSE(IsAs400Name("1LIB"));
    EXPECT_FALSE(IsAs400Name(".."));
    EXPECT_FALSE(IsAs400Name("A\\B"));
    EXPECT_FALSE(IsAs400Name("A B"));
    EXPECT_FALSE(IsAs400Name(""));
    EXPECT_FALSE(IsAs400Name("CON"));
    EXPECT_FALSE(IsAs400Name("LPT1"));
    EXPECT_TRUE(IsAs400Name("CONS"));
    EXPECT_TRUE(IsS36Name("ZRTLIB"));
    EXPECT_FALSE(IsS36Name("NINECHARS"));
    EXPECT_FALSE(IsS36Name("A_B"));
}

TEST(HostValueTest, ScenarioDefaultsAndSwitches)
{
    Scenario defaults = ReadScenario(IniFile());
    ASSERT_EQ(defaults.sessions.size(), 8u);
    EXPECT_EQ(defaults.sessions['D'].kind, SessionKind::As400);
    EXPECT_EQ(defaults.sessions['E'].kind, SessionKind::S36);
    EXPECT_TRUE(defaults.sessions['A'].host.programInstalled);
    EXPECT_EQ(defaults.sessions['A'].connectRc, -1);

    IniFile file;
    file.Set("Session A", "Host", "none");
    file.Set("Session Z", "Host", "printer");
    file.Set("Session B", "UpdateScript", "21:0x100, 23:0x200,99");
    file.Set("Session B", "ReplyDelayMs", "-5");
    file.Set("Session B", "FailAfterBuffers", "2");
    file.Set("Bridge", "Trace", "t.log");
    Scenario scenario = ReadScenario(file);
    EXPECT_EQ(scenario.sessions.count('A'), 0u);
    EXPECT_EQ(scenario.sessions['Z'].kind, SessionKind::Printer);
    const SessionSettings& b = scenario.sessions['B'];
    ASSERT_EQ(b.updateScript.size(), 3u);
    EXPECT_EQ(b.updateScript[0].returnCode, 21);
    EXPECT_EQ(b.updateScript[1].flags, 0x200);
    EXPECT_EQ(b.updateScript[2].returnCode, 99);
    EXPECT_EQ(b.replyDelayMs, 0u);
    EXPECT_EQ(b.host.failAfterBuffers, 2);
    EXPECT_EQ(scenario.trace, "t.log");
}
