// Field descriptions as the host transfer programs exchange them, and the screen forms of field values.
#include "HostFields.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

namespace
{
DescrField Described(const char* name, int type, int length, int decimals)
{
    DescrField field;
    std::snprintf(field.name, sizeof field.name, "%s", name);
    field.type = type;
    field.length = length;
    field.decimals = decimals;
    return field;
}

struct LengthCase
{
    int type;
    int digits;
    int decimals;
    int hostType;
    int textLength;
    int binaryLength;
};
}

TEST(HostFields, LengthsFollowTheLetterInTextAndBinaryTransfers)
{
    const LengthCase cases[] = {
        {DFT_CHAR, 20, 0, HFT_CHARACTER, 20, 20}, {DFT_PACKED, 5, 0, HFT_PACKED, 6, 3},
        {DFT_PACKED, 7, 2, HFT_PACKED, 9, 4},     {DFT_PACKED, 4, 0, HFT_PACKED, 5, 3},
        {DFT_ZONED, 3, 0, HFT_ZONED, 4, 3},       {DFT_ZONED, 7, 2, HFT_ZONED, 9, 7},
        {DFT_BINARY, 4, 0, HFT_BINARY, 5, 2},     {DFT_BINARY, 5, 0, HFT_BINARY, 6, 2},
        {DFT_BINARY, 6, 0, HFT_BINARY, 7, 4},     {DFT_BINARY, 9, 2, HFT_BINARY, 11, 4},
    };
    for (const LengthCase& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "type " << c.type << " digits " << c.digits << "," << c.decimals);
        DSField text;
        DSField binary;
        MakeHostField(Described("F", c.type, c.digits, c.decimals), false, text);
        MakeHostField(Described("F", c.type, c.digits, c.decimals), true, binary);
        EXPECT_EQ(c.hostType, text.type);
        EXPECT_EQ(c.textLength, text.length);
        EXPECT_EQ(c.binaryLength, binary.length);
        EXPECT_EQ(c.decimals, text.decimals);
        EXPECT_EQ(c.digits, HostFieldDigits(text));
    }
}

TEST(HostFields, DescriptionRecordsGoBackAndForthUnchanged)
{
    const char record[] = "  AMOUNT  S00702Amount owed, negative when paid in advance        ";
    ASSERT_EQ(static_cast<std::size_t>(DESCR_LINE_CHARS), std::strlen(record));
    DSField field;
    ASSERT_TRUE(ParseHostDescription(record, false, field));
    EXPECT_STREQ("  AMOUNT  ", field.name);
    EXPECT_EQ(50u, std::strlen(field.text));
    EXPECT_EQ(HFT_ZONED, field.type);
    EXPECT_EQ(9, field.length);

    char back[DESCR_LINE_CHARS];
    ASSERT_TRUE(FormatHostDescription(field, back));
    EXPECT_EQ(std::string(record), std::string(back, DESCR_LINE_CHARS));

    EXPECT_FALSE(
        ParseHostDescription("AMOUNT    X00702                                                  ", false, field));
}

TEST(HostFields, FieldsTheRecordCannotHoldAreNotDescribed)
{
    DSField field{};
    char record[DESCR_LINE_CHARS];
    field.type = HFT_CHARACTER;
    field.length = 999;
    EXPECT_TRUE(FormatHostDescription(field, record));
    EXPECT_EQ("A99900", std::string(record + 10, 6));
    field.length = 1000;
    EXPECT_FALSE(FormatHostDescription(field, record));
    field.type = HFT_HEXADECIMAL;
    field.length = 4;
    EXPECT_FALSE(FormatHostDescription(field, record));
    EXPECT_EQ(-1, HostFieldDigits(field));
}

TEST(HostFields, HexadecimalFormHasTwoCharactersPerByte)
{
    const char bytes[] = {'\x12', '\x34', '\x5F', '\x00', '\xFF'};
    char text[10];
    EncodeHex(bytes, 5, text);
    EXPECT_EQ("12345F00FF", std::string(text, 10));

    char decoded[5] = {};
    ASSERT_TRUE(DecodeHex("12345f00Ff", 5, decoded));
    EXPECT_EQ(0, std::memcmp(bytes, decoded, 5));
    EXPECT_FALSE(DecodeHex("12 45F", 3, decoded));
    EXPECT_FALSE(DecodeHex("1G", 1, decoded));
}

TEST(HostFields, RecordsMoveThroughTheDataArea)
{
    // Two fields, one byte and two, one after the other in the record buffer.
    char record[3] = {'\x12', '\x34', '\x5F'};
    DSField fields[2] = {};
    fields[0].length = 1;
    fields[1].length = 2;
    DSRecordLayout layout{fields, 2, 0, record, 3};
    char area[16] = {};
    int used = 2;
    PutRecordIntoArea(layout, true, area, used);
    EXPECT_EQ(8, used);
    EXPECT_EQ("12345F", std::string(area + 2, 6));

    char back[3] = {};
    fields[0].value = back;
    fields[1].value = back + 1;
    int taken = 2;
    ASSERT_TRUE(TakeHexFieldFromArea(area, taken, fields[0]));
    EXPECT_EQ(4, taken);
    ASSERT_TRUE(TakeHexFieldFromArea(area, taken, fields[1]));
    EXPECT_EQ(8, taken);
    EXPECT_EQ(0, std::memcmp(record, back, 3));
    area[9] = 'G';
    taken = 8;
    EXPECT_FALSE(TakeHexFieldFromArea(area, taken, fields[1]));
    EXPECT_EQ(8, taken);

    used = 0;
    PutRecordIntoArea(layout, false, area, used);
    EXPECT_EQ(3, used);
    EXPECT_EQ(0, std::memcmp(record, area, 3));
}

TEST(HostFields, TextRecordsOfEveryShortLengthMoveWhole)
{
    for (int length = 0; length <= 80; ++length)
    {
        std::string record(static_cast<std::size_t>(length), '\0');
        for (int i = 0; i < length; ++i)
            record[static_cast<std::size_t>(i)] = static_cast<char>('A' + i % 26);
        DSRecordLayout layout{nullptr, 0, 0, record.data(), static_cast<DWORD>(length)};
        char area[100];
        std::memset(area, '*', sizeof area);
        int used = 3;
        PutRecordIntoArea(layout, false, area, used);
        ASSERT_EQ(3 + length, used);
        EXPECT_EQ(std::string(3, '*') + record + std::string(sizeof area - 3 - length, '*'),
                  std::string(area, sizeof area))
            << "length " << length;

        std::string back(static_cast<std::size_t>(length) + 2, '#');
        layout.buffer = back.data() + 1;
        int taken = 3;
        TakeRecordFromArea(area, taken, layout);
        EXPECT_EQ(3 + length, taken);
        EXPECT_EQ("#" + record + "#", back) << "length " << length;
    }
}

TEST(HostFields, PaddedNumbersReadAsPrintfWritesThem)
{
    const int values[] = {0,      1,      7,       9,       10, 99, 100, 1759,   9999,    10000,
                          123456, 999999, 1000000, INT_MAX, -1, -9, -10, -12345, -999999, INT_MIN};
    for (int width = 0; width <= 12; ++width)
    {
        for (int value : values)
        {
            char expected[32];
            std::snprintf(expected, sizeof expected, "%0*d", width, value);
            char text[32];
            std::memset(text, '*', sizeof text);
            const int written = PutPaddedNumber(text, value, width);
            EXPECT_EQ(std::string(expected), std::string(text, static_cast<std::size_t>(written)))
                << "value " << value << " width " << width;
            EXPECT_EQ('*', text[written]);
        }
    }
}
