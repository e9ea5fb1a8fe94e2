// Host field descriptions mapped to PC field descriptions.
#include "FieldConvert.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
DSField HostField(int type, int length, int decimals)
{
    DSField field{};
    std::strcpy(field.name, "AMOUNT");
    std::strcpy(field.text, "The amount");
    field.type = type;
    field.length = static_cast<short>(length);
    field.decimals = static_cast<short>(decimals);
    return field;
}

struct Mapped
{
    int type;
    int length;
    int decimals;
};

Mapped Map(int type, int length, int decimals, int characterSet = ZRCS_EBCDIC_TO_ASCII)
{
    DSField pc{};
    pc.value = reinterpret_cast<char*>(&pc);
    EXPECT_TRUE(MapFieldType(HostField(type, length, decimals), pc, characterSet));
    EXPECT_EQ(pc.value, nullptr);
    EXPECT_STREQ(pc.name, "AMOUNT");
    EXPECT_STREQ(pc.text, "The amount");
    return {pc.type, pc.length, pc.decimals};
}

void ExpectMapped(const Mapped& mapped, int type, int length, int decimals)
{
    EXPECT_EQ(mapped.type, type);
    EXPECT_EQ(mapped.length, length);
    EXPECT_EQ(mapped.decimals, decimals);
}
}

TEST(MapFieldType, CharacterKeepsLengthAndTakesTheMemberOfTheCharacterSet)
{
    ExpectMapped(Map(HFT_CHARACTER, 10, 0), PFT_TEXT_ASCII, 10, 0);
    ExpectMapped(Map(HFT_CHARACTER, 10, 0, ZRCS_EBCDIC_TO_ANSI), PFT_TEXT_ANSI, 10, 0);
    ExpectMapped(Map(HFT_CHARACTER, 10, 0, ZRCS_ANSI_TO_EBCDIC), PFT_TEXT_ANSI, 10, 0);
    ExpectMapped(Map(HFT_CHARACTER, 4, 3), PFT_TEXT_ASCII, 4, 3);
}

TEST(MapFieldType, ByteLengthNumbersWidenToTheirDisplayForm)
{
    ExpectMapped(Map(HFT_PACKED_BYTES, 5, 2), PFT_SHORT_DECIMAL_ASCII, 12, 2);
    ExpectMapped(Map(HFT_PACKED_BYTES, 7, 2), PFT_LONG_DECIMAL_ASCII, 16, 2);
    ExpectMapped(Map(HFT_PACKED_BYTES, 4, 0), PFT_SHORT_INTEGER_ASCII, 9, 0);
    ExpectMapped(Map(HFT_PACKED_BYTES, 5, 0, 2), PFT_LONG_INTEGER_ANSI, 11, 0);
    ExpectMapped(Map(HFT_ZONED_BYTES, 4, 0), PFT_SHORT_INTEGER_ASCII, 6, 0);
    ExpectMapped(Map(HFT_ZONED_BYTES, 5, 0), PFT_LONG_INTEGER_ASCII, 7, 0);
    ExpectMapped(Map(HFT_ZONED_BYTES, 6, 1), PFT_SHORT_DECIMAL_ASCII, 9, 1);
    ExpectMapped(Map(HFT_ZONED_BYTES, 7, 1), PFT_LONG_DECIMAL_ASCII, 10, 1);
    ExpectMapped(Map(HFT_BINARY_BYTES, 2, 1), PFT_SHORT_DECIMAL_ASCII, 8, 1);
    ExpectMapped(Map(HFT_BINARY_BYTES, 4, 1), PFT_LONG_DECIMAL_ASCII, 13, 1);
    ExpectMapped(Map(HFT_BINARY_BYTES, 2, 0), PFT_SHORT_INTEGER_ASCII, 7, 0);
    ExpectMapped(Map(HFT_BINARY_BYTES, 4, 0), PFT_LONG_INTEGER_ASCII, 12, 0);
}

TEST(MapFieldType, DisplayLengthNumbersChooseTheirKindByDigits)
{
    for (int type : {HFT_PACKED, HFT_ZONED, HFT_BINARY})
    {
        ExpectMapped(Map(type, 6, 0), PFT_SHORT_INTEGER_ASCII, 6, 0);
        ExpectMapped(Map(type, 7, 0), PFT_LONG_INTEGER_ASCII, 7, 0);
        ExpectMapped(Map(type, 11, 0), PFT_LONG_INTEGER_ASCII, 11, 0);
        ExpectMapped(Map(type, 12, 0), PFT_LONG_DECIMAL_ASCII, 12, 0);
        ExpectMapped(Map(type, 7, 2), PFT_SHORT_DECIMAL_ASCII, 7, 2);
        ExpectMapped(Map(type, 8, 2, ZRCS_EBCDIC_TO_ANSI), PFT_LONG_DECIMAL_ANSI, 8, 2);
    }
}

TEST(MapFieldType, LengthsAreUnsigned16Bit)
{
    ExpectMapped(Map(HFT_CHARACTER, 40000, 0), PFT_TEXT_ASCII, static_cast<short>(40000), 0);
}

TEST(MapFieldType, RefusesHostTypesWithoutAPcKind)
{
    for (int type : {0, 8, int(HFT_HEXADECIMAL), -1})
    {
        DSField pc{};
        EXPECT_FALSE(MapFieldType(HostField(type, 4, 0), pc, 1)) << type;
    }
}
