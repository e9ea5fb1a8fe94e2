// The stored forms of DOS random fields: packed, zoned and binary numbers made from their display texts and back.
#include "DisplayNumber.h"
#include "DosRandomField.h"
#include "RecordFormatSupport.h"

#include <cstring>

namespace
{
struct StoredCase
{
    int type;
    int length;
    int decimals;
    const char* display;
    std::string dr1;
    std::string dr2;
};

DSField PcField(int type, int length, int decimals, std::string& value)
{
    DSField field{};
    field.type = type;
    field.length = static_cast<short>(length);
    field.decimals = static_cast<short>(decimals);
    value.resize(length, ' ');
    field.value = value.data();
    return field;
}

bool Encode(const DosRandomFormat& format, int type, int length, int decimals, const std::string& display,
            std::string& stored)
{
    std::string value = display;
    const DSField field = PcField(type, length, decimals, value);
    stored.assign(StoredWidth(field), '\0');
    return EncodeStoredField(format, field, reinterpret_cast<unsigned char*>(stored.data()));
}

bool Decode(const DosRandomFormat& format, int type, int length, int decimals, const std::string& stored,
            std::string& display)
{
    const DSField field = PcField(type, length, decimals, display);
    return DecodeStoredField(format, field, reinterpret_cast<const unsigned char*>(stored.data()), display.data());
}

// Stored bytes in both formats, and the display text that reading them gives back.
const StoredCase kCases[] = {
    {PFT_PACKED, 7, 2, "-123.45", "\x12\x34\x5B", "\x12\x34\x5D"},
    {PFT_PACKED, 7, 2, " 012.50", std::string("\x01\x25\x03", 3), std::string("\x01\x25\x0F", 3)},
    {PFT_PACKED, 8, 2, " 1234.56", std::string("\x01\x23\x45\x63", 4), std::string("\x01\x23\x45\x6F", 4)},
    {PFT_PACKED, 6, 0, " 12345", "\x12\x34\x53", "\x12\x34\x5F"},
    {PFT_PACKED, 7, 0, "-123456", std::string("\x01\x23\x45\x6B", 4), std::string("\x01\x23\x45\x6D", 4)},
    {PFT_PACKED, 2, 0, "-7", "\x7B", "\x7D"},
    {PFT_ZONED, 6, 0, "-00042", "0004\xB2", "0004\x72"},
    {PFT_ZONED, 6, 0, " 00042", "00042", "00042"},
    {PFT_ZONED, 8, 3, "-012.345", "01234\xB5", "01234\x75"},
    {PFT_BINARY, 6, 0, "    42", std::string("\x2A\x00", 2), std::string("\x2A\x00", 2)},
    {PFT_BINARY, 6, 0, "   -42", "\xD6\xFF", "\xD6\xFF"},
    {PFT_BINARY, 7, 2, "   1.15", std::string("\x73\x00", 2), std::string("\x73\x00", 2)},
    {PFT_BINARY, 8, 2, "  -99.95", "\xF5\xD8\xFF\xFF", "\xF5\xD8\xFF\xFF"},
    {PFT_BINARY, 11, 0, " 2147483647", "\xFF\xFF\xFF\x7F", "\xFF\xFF\xFF\x7F"},
    {PFT_BINARY, 11, 0, "-2147483648", std::string("\x00\x00\x00\x80", 4), std::string("\x00\x00\x00\x80", 4)},
};
}

TEST(DosRandomField, NumbersAreStoredWithEachFormatsSignCodesAndReadBackAtTheirWidth)
{
    for (const StoredCase& c : kCases)
    {
        SCOPED_TRACE(testing::Message() << c.type << " " << c.length << "," << c.decimals << " '" << c.display << "'");
        for (const DosRandomFormat* format : {&kDr1Format, &kDr2Format})
        {
            const std::string& expected = format == &kDr1Format ? c.dr1 : c.dr2;
            std::string stored, display;
            ASSERT_TRUE(Encode(*format, c.type, c.length, c.decimals, c.display, stored));
            EXPECT_BYTES(stored, expected);
            ASSERT_TRUE(Decode(*format, c.type, c.length, c.decimals, stored, display));
            EXPECT_EQ(display, c.display);
        }
    }
}

TEST(DosRandomField, StoredWidthsFollowTheDisplayLength)
{
    const struct
    {
        int type, length, decimals;
        size_t width;
    } widths[] = {{PFT_PACKED, 7, 2, 3}, {PFT_PACKED, 8, 2, 4}, {PFT_PACKED, 6, 0, 3},    {PFT_PACKED, 7, 0, 4},
                  {PFT_ZONED, 6, 0, 5},  {PFT_ZONED, 8, 3, 6},  {PFT_BINARY, 7, 2, 2},    {PFT_BINARY, 8, 2, 4},
                  {PFT_BINARY, 6, 0, 2}, {PFT_BINARY, 7, 0, 4}, {PFT_TEXT_ASCII, 9, 0, 9}};
    for (const auto& w : widths)
    {
        std::string value;
        EXPECT_EQ(StoredWidth(PcField(w.type, w.length, w.decimals, value)), w.width)
            << w.type << " " << w.length << "," << w.decimals;
    }
}

TEST(DosRandomField, DisplayTextsOfEveryHostFormGiveTheSameBytes)
{
    std::string stored;
    for (const char* display : {"  12.50", " 012.50", "012.50 ", "+12.5  ", "   12.5"})
    {
        ASSERT_TRUE(Encode(kDr1Format, PFT_PACKED, 7, 2, display, stored)) << display;
        EXPECT_BYTES(stored, std::string("\x01\x25\x03", 3)) << display;
    }
    for (const char* display : {" 12.50-", "  -12.5"})
    {
        ASSERT_TRUE(Encode(kDr1Format, PFT_PACKED, 7, 2, display, stored)) << display;
        EXPECT_BYTES(stored, std::string("\x01\x25\x0B", 3)) << display;
    }
    ASSERT_TRUE(Encode(kDr1Format, PFT_ZONED, 6, 0, "      ", stored));
    EXPECT_BYTES(stored, "00000");
}

// Binary values with decimals are converted exactly, never through floating point.
TEST(DosRandomField, BinaryDecimalsAreExactAndValuesThatDoNotFitAreRefused)
{
    const struct
    {
        const char* display;
        int length, decimals;
        std::string stored;
    } exact[] = {{" 001.15", 7, 2, std::string("\x73\x00", 2)}, {" 000.29", 7, 2, std::string("\x1D\x00", 2)},
                 {"   9.95", 7, 2, std::string("\xE3\x03", 2)}, {" 327.67", 7, 2, std::string("\xFF\x7F", 2)},
                 {"-327.68", 7, 2, std::string("\x00\x80", 2)}, {" 32767", 6, 0, std::string("\xFF\x7F", 2)}};
    for (const auto& c : exact)
    {
        std::string stored;
        ASSERT_TRUE(Encode(kDr1Format, PFT_BINARY, c.length, c.decimals, c.display, stored)) << c.display;
        EXPECT_BYTES(stored, c.stored) << c.display;
    }
    const struct
    {
        const char* display;
        int length, decimals;
    } refused[] = {{" 40000", 6, 0},       {" 327.68", 7, 2}, {"-32769", 6, 0},
                   {" 2147483648", 11, 0}, {" 12.345", 7, 2}, {"  12a", 5, 0},
                   {"1.2.3", 5, 0},        {"--1", 3, 0},     {"9999999999999999999", 19, 0}};
    for (const auto& c : refused)
    {
        std::string stored;
        EXPECT_FALSE(Encode(kDr1Format, PFT_BINARY, c.length, c.decimals, c.display, stored)) << c.display;
    }
}

TEST(DosRandomField, PackedAndZonedRefuseTextsThatAreNoNumberOrTooLong)
{
    std::string stored;
    EXPECT_FALSE(Encode(kDr1Format, PFT_PACKED, 7, 2, "1234.50", stored));
    EXPECT_FALSE(Encode(kDr1Format, PFT_PACKED, 7, 2, "  1-2.5", stored));
    EXPECT_FALSE(Encode(kDr2Format, PFT_ZONED, 6, 0, " 4 2  ", stored));
    EXPECT_FALSE(Encode(kDr2Format, PFT_ZONED, 5, 1, " 1.25", stored));
    EXPECT_FALSE(Encode(kDr2Format, PFT_ZONED, 5, 1, "123.4", stored));
    EXPECT_TRUE(Encode(kDr2Format, PFT_ZONED, 5, 1, " 1.20", stored));
    EXPECT_BYTES(stored, "01\x32");
}

TEST(DosRandomField, StoredBytesThatAreNoNumberOfTheFormatAreRefused)
{
    std::string display;
    EXPECT_FALSE(Decode(kDr1Format, PFT_PACKED, 7, 2, "\x12\x34\x5D", display));
    EXPECT_FALSE(Decode(kDr2Format, PFT_PACKED, 7, 2, "\x12\x34\x5B", display));
    EXPECT_FALSE(Decode(kDr1Format, PFT_PACKED, 7, 2, "\x1A\x34\x53", display));
    EXPECT_FALSE(Decode(kDr1Format, PFT_PACKED, 7, 2, "\x12\x34\xA3", display));
    EXPECT_FALSE(Decode(kDr1Format, PFT_PACKED, 8, 2, "\x11\x23\x45\x63", display));
    EXPECT_FALSE(Decode(kDr1Format, PFT_ZONED, 6, 0, "0A04\xB2", display));
    EXPECT_FALSE(Decode(kDr2Format, PFT_ZONED, 6, 0, "0004\xB2", display));
    EXPECT_FALSE(Decode(kDr1Format, PFT_ZONED, 6, 0, "0004\x3A", display));
    EXPECT_FALSE(Decode(kDr1Format, PFT_BINARY, 7, 0, "\xFF\xFF\xFF\x7F", display));
    EXPECT_TRUE(Decode(kDr1Format, PFT_BINARY, 7, 0, "\x3F\x42\x0F\x00", display));
    EXPECT_EQ(display, " 999999");
}

TEST(DisplayNumber, ReadsSignDigitsAndPoint)
{
    DisplayNumber number;
    ASSERT_TRUE(ParseDisplayNumber("  -0012.50", 10, number));
    EXPECT_TRUE(number.negative);
    EXPECT_EQ(number.integer, "12");
    EXPECT_EQ(number.fraction, "50");
    ASSERT_TRUE(ParseDisplayNumber(" .5 ", 4, number));
    EXPECT_EQ(number.integer, "");
    EXPECT_EQ(number.fraction, "5");
    for (const char* bad : {".", "-", "1 2", "1.", "E5", "1,5"})
        EXPECT_EQ(ParseDisplayNumber(bad, std::strlen(bad), number), std::string(bad) == "1.") << bad;

    std::string digits;
    ASSERT_TRUE(ParseDisplayNumber("12.5", 4, number));
    EXPECT_TRUE(NumberDigits(number, 3, 2, digits));
    EXPECT_EQ(digits, "01250");
    EXPECT_FALSE(NumberDigits(number, 1, 2, digits));
    EXPECT_FALSE(NumberDigits(number, 3, 0, digits));
    ASSERT_TRUE(ParseDisplayNumber("12.500", 6, number));
    EXPECT_TRUE(NumberDigits(number, 2, 1, digits));
    EXPECT_EQ(digits, "125");
}
