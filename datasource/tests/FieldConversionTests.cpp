// Field values converted between host and PC through the caller's converter.
#include "FieldConvert.h"
#include "OwnedHandles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace
{
// A converter that adds the mode to every byte and records its calls.
struct ConverterCall
{
    int mode;
    WORD sourceLength;
    WORD destinationLength;
};
std::vector<ConverterCall> g_calls;

BOOL ZRTAPI Translate(int mode, const char* source, char* destination, WORD sourceLength, WORD* destinationLength)
{
    if (mode < 0 || mode > 3)
        return FALSE;
    g_calls.push_back({mode, sourceLength, *destinationLength});
    const WORD count = sourceLength < *destinationLength ? sourceLength : *destinationLength;
    for (WORD i = 0; i < count; ++i)
        destination[i] = static_cast<char>(source[i] + mode);
    for (WORD i = count; i < *destinationLength; ++i)
        destination[i] = (mode & 1) ? 0x40 : 0x20;
    *destinationLength = count;
    return TRUE;
}

EnvironmentCallbacks Environment()
{
    EnvironmentCallbacks environment{};
    environment.TranslateCodePage = Translate;
    return environment;
}

struct FieldWithValue
{
    DSField field{};
    std::string bytes;

    FieldWithValue(int type, const std::string& value, int length = -1) : bytes(value)
    {
        field.type = type;
        field.length = static_cast<short>(length < 0 ? value.size() : length);
        bytes.resize(field.length);
        field.value = bytes.data();
    }
};

class FieldConversion : public testing::Test
{
protected:
    void SetUp() override { g_calls.clear(); }
    EnvironmentCallbacks m_environment = Environment();
};
}

TEST_F(FieldConversion, ToPcChoosesTheModeByTheTypes)
{
    const struct
    {
        int host;
        int pc;
        int mode;
    } pairs[] = {
        {HFT_CHARACTER, PFT_TEXT_ASCII, 0},
        {HFT_CHARACTER, PFT_TEXT_ANSI, 2},
        {HFT_PACKED, PFT_SHORT_INTEGER_ASCII, 0},
        {HFT_ZONED, PFT_LONG_INTEGER_ANSI, 2},
        {HFT_BINARY, PFT_SHORT_DECIMAL_ASCII, 0},
        {HFT_PACKED, PFT_LONG_DECIMAL_ANSI, 2},
        {HFT_PACKED, PFT_PACKED, 0},
        {HFT_ZONED, PFT_ZONED, 0},
        {HFT_BINARY, PFT_BINARY, 0},
    };
    for (const auto& pair : pairs)
    {
        g_calls.clear();
        FieldWithValue host(pair.host, "ABC");
        FieldWithValue pc(pair.pc, "", 3);
        ASSERT_TRUE(ConvertFieldToPC(host.field, pc.field, &m_environment)) << pair.host << "/" << pair.pc;
        ASSERT_EQ(g_calls.size(), 1u);
        EXPECT_EQ(g_calls[0].mode, pair.mode);
        EXPECT_EQ(g_calls[0].sourceLength, 3);
        EXPECT_EQ(g_calls[0].destinationLength, 3);
        EXPECT_EQ(pc.bytes, std::string({char('A' + pair.mode), char('B' + pair.mode), char('C' + pair.mode)}));
    }
}

TEST_F(FieldConversion, ToHostUsesTheEbcdicModes)
{
    FieldWithValue pc(PFT_TEXT_ASCII, "xyz");
    FieldWithValue host(HFT_CHARACTER, "", 3);
    ASSERT_TRUE(ConvertFieldToHost(pc.field, host.field, &m_environment));
    FieldWithValue ansi(PFT_LONG_INTEGER_ANSI, "123");
    FieldWithValue zoned(HFT_ZONED, "", 3);
    ASSERT_TRUE(ConvertFieldToHost(ansi.field, zoned.field, &m_environment));
    ASSERT_EQ(g_calls.size(), 2u);
    EXPECT_EQ(g_calls[0].mode, ZRCM_ASCII_TO_EBCDIC);
    EXPECT_EQ(host.bytes, "yz{");
    EXPECT_EQ(g_calls[1].mode, ZRCM_ANSI_TO_EBCDIC);
    EXPECT_EQ(zoned.bytes, "456");
}

TEST_F(FieldConversion, RefusesPairsWithoutAConversionAndLeavesTheValue)
{
    const int pairs[][2] = {{HFT_PACKED_BYTES, PFT_SHORT_DECIMAL_ASCII},
                            {HFT_PACKED, 12},
                            {HFT_PACKED, 15},
                            {HFT_HEXADECIMAL, PFT_TEXT_ASCII},
                            {HFT_CHARACTER, PFT_SHORT_INTEGER_ASCII},
                            {HFT_ZONED, PFT_PACKED},
                            {HFT_ZONED_BYTES, PFT_ZONED},
                            {HFT_BINARY_BYTES, PFT_BINARY},
                            {HFT_CHARACTER, PFT_ZONED}};
    for (const auto& pair : pairs)
    {
        FieldWithValue host(pair[0], "ABC");
        FieldWithValue pc(pair[1], "...");
        EXPECT_FALSE(ConvertFieldToPC(host.field, pc.field, &m_environment)) << pair[0] << "/" << pair[1];
        EXPECT_FALSE(ConvertFieldToHost(pc.field, host.field, &m_environment)) << pair[0] << "/" << pair[1];
        EXPECT_EQ(pc.bytes, "...");
        EXPECT_EQ(host.bytes, "ABC");
    }
    EXPECT_TRUE(g_calls.empty());
}

TEST_F(FieldConversion, NeverWritesBeyondTheShorterField)
{
    FieldWithValue host(HFT_CHARACTER, "ABCDEFGH");
    std::string guarded = "....|||";
    DSField pc{};
    pc.type = PFT_TEXT_ASCII;
    pc.length = 4;
    pc.value = guarded.data();
    ASSERT_TRUE(ConvertFieldToPC(host.field, pc, &m_environment));
    EXPECT_EQ(guarded, "ABCD|||");
}

TEST_F(FieldConversion, ReordersOnlyAnsiTextAndOnlyWithTheRightToLeftFlag)
{
    // Without a device context the reordering fails and leaves the text as it was.
    m_environment.rightToLeft = TRUE;
    FieldWithValue host(HFT_CHARACTER, "abc");
    FieldWithValue pc(PFT_TEXT_ANSI, "", 3);
    ASSERT_TRUE(ConvertFieldToPC(host.field, pc.field, &m_environment));
    EXPECT_EQ(pc.bytes, "cde");
}

TEST_F(FieldConversion, APreparedConversionGivesWhatTheGeneralOneGivesForEveryPairOfTypes)
{
    // Prepared for the host field's own type, and for another type: then the general way decides.
    for (int pcType = PFT_TEXT_ASCII; pcType <= PFT_BINARY; ++pcType)
        for (int hostType = 0; hostType <= HFT_HEXADECIMAL; ++hostType)
            for (int preparedType : {hostType, hostType == HFT_CHARACTER ? int(HFT_PACKED) : int(HFT_CHARACTER)})
            {
                FieldWithValue host(hostType, "ABCDE");
                FieldWithValue general(pcType, "....", 4);
                FieldWithValue prepared(pcType, "....", 4);
                g_calls.clear();
                const BOOL generalResult = ConvertFieldToPC(host.field, general.field, &m_environment);
                const std::vector<ConverterCall> generalCalls = g_calls;
                g_calls.clear();
                const PcConversion conversion = PrepareConversionToPC(preparedType, prepared.field);
                EXPECT_EQ(ConvertPreparedToPC(conversion, host.field, prepared.field, &m_environment), generalResult)
                    << hostType << "/" << pcType << "/" << preparedType;
                EXPECT_EQ(prepared.bytes, general.bytes) << hostType << "/" << pcType << "/" << preparedType;
                ASSERT_EQ(g_calls.size(), generalCalls.size()) << hostType << "/" << pcType << "/" << preparedType;
                for (size_t i = 0; i < g_calls.size(); ++i)
                {
                    EXPECT_EQ(g_calls[i].mode, generalCalls[i].mode);
                    EXPECT_EQ(g_calls[i].sourceLength, generalCalls[i].sourceLength);
                    EXPECT_EQ(g_calls[i].destinationLength, generalCalls[i].destinationLength);
                }
            }
}

TEST_F(FieldConversion, APreparedConversionRefusesAMissingValueOrEnvironment)
{
    FieldWithValue host(HFT_CHARACTER, "ABC");
    FieldWithValue pc(PFT_TEXT_ASCII, "...");
    const PcConversion conversion = PrepareConversionToPC(HFT_CHARACTER, pc.field);
    EXPECT_FALSE(ConvertPreparedToPC(conversion, host.field, pc.field, nullptr));
    DSField noValue = pc.field;
    noValue.value = nullptr;
    EXPECT_FALSE(ConvertPreparedToPC(conversion, host.field, noValue, &m_environment));
    noValue = host.field;
    noValue.value = nullptr;
    EXPECT_FALSE(ConvertPreparedToPC(conversion, noValue, pc.field, &m_environment));
    EXPECT_EQ(pc.bytes, "...");
    EXPECT_TRUE(g_calls.empty());
}

TEST_F(FieldConversion, AKeptConversionToTheHostFollowsTheTypesOfBothFields)
{
    // One conversion kept through every pair of types in turn, each pair twice: made again when the types change,
    // used as it is when they do not. Each pair converts as the way towards the PC does, with the EBCDIC bit.
    HostConversion kept;
    for (int pcType = 0; pcType <= PFT_BINARY; ++pcType)
        for (int hostType = 0; hostType <= HFT_HEXADECIMAL; ++hostType)
            for (int round = 0; round < 2; ++round)
            {
                FieldWithValue fromHost(hostType, "ABCD");
                FieldWithValue toPc(pcType, "", 4);
                g_calls.clear();
                const BOOL toPcResult = ConvertFieldToPC(fromHost.field, toPc.field, &m_environment);
                const int toPcMode = g_calls.empty() ? -1 : g_calls[0].mode;
                FieldWithValue pc(pcType, "ABCDE");
                FieldWithValue host(hostType, "....", 4);
                g_calls.clear();
                EXPECT_EQ(ConvertPreparedToHost(kept, pc.field, host.field, &m_environment), toPcResult)
                    << hostType << "/" << pcType << "/" << round;
                if (!toPcResult)
                {
                    EXPECT_TRUE(g_calls.empty()) << hostType << "/" << pcType;
                    EXPECT_EQ(host.bytes, "....") << hostType << "/" << pcType;
                    continue;
                }
                ASSERT_EQ(g_calls.size(), 1u) << hostType << "/" << pcType;
                const int mode = toPcMode | ZRCM_TO_EBCDIC_BIT;
                EXPECT_EQ(g_calls[0].mode, mode) << hostType << "/" << pcType;
                EXPECT_EQ(g_calls[0].sourceLength, 4);
                EXPECT_EQ(g_calls[0].destinationLength, 4);
                EXPECT_EQ(host.bytes,
                          std::string({char('A' + mode), char('B' + mode), char('C' + mode), char('D' + mode)}));
            }
}

TEST_F(FieldConversion, AKeptConversionToTheHostTakesTheShorterLengthOfEachValue)
{
    HostConversion kept;
    for (int pcLength : {0, 1, 3, 4, 5, 300})
    {
        g_calls.clear();
        FieldWithValue pc(PFT_TEXT_ASCII, std::string(static_cast<size_t>(pcLength), 'a'));
        std::string guarded = "....|||";
        DSField host{};
        host.type = HFT_CHARACTER;
        host.length = 4;
        host.value = guarded.data();
        ASSERT_TRUE(ConvertPreparedToHost(kept, pc.field, host, &m_environment)) << pcLength;
        const size_t converted = pcLength < 4 ? static_cast<size_t>(pcLength) : 4;
        ASSERT_EQ(g_calls.size(), 1u);
        EXPECT_EQ(g_calls[0].sourceLength, converted);
        EXPECT_EQ(guarded, std::string(converted, 'b') + std::string(4 - converted, '.') + "|||") << pcLength;
    }
}

TEST_F(FieldConversion, AKeptConversionToTheHostRefusesAMissingValueOrEnvironment)
{
    FieldWithValue pc(PFT_TEXT_ASCII, "abc");
    FieldWithValue host(HFT_CHARACTER, "...");
    HostConversion kept = PrepareConversionToHost(HFT_CHARACTER, PFT_TEXT_ASCII);
    EXPECT_FALSE(ConvertPreparedToHost(kept, pc.field, host.field, nullptr));
    DSField noValue = host.field;
    noValue.value = nullptr;
    EXPECT_FALSE(ConvertPreparedToHost(kept, pc.field, noValue, &m_environment));
    noValue = pc.field;
    noValue.value = nullptr;
    EXPECT_FALSE(ConvertPreparedToHost(kept, noValue, host.field, &m_environment));
    EXPECT_EQ(host.bytes, "...");
    EXPECT_TRUE(g_calls.empty());
}

// A memory device context with a Hebrew font selected, as the program sets one up for right-to-left hosts.
class HebrewReordering : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dc.Reset(CreateCompatibleDC(nullptr));
        ASSERT_NE(m_dc.Get(), nullptr);
        LOGFONTA font{};
        font.lfHeight = 16;
        font.lfCharSet = HEBREW_CHARSET;
        std::strcpy(font.lfFaceName, "Tahoma");
        m_font.Reset(CreateFontIndirectA(&font));
        m_old = SelectObject(m_dc.Get(), m_font.Get());
        m_environment.rightToLeft = TRUE;
        m_environment.hdcReorder = m_dc.Get();
    }

    void TearDown() override
    {
        if (!m_dc)
            return;
        SelectObject(m_dc.Get(), m_old);
        m_font.Reset();
        m_dc.Reset();
    }

    OwnedMemoryDC m_dc;
    OwnedFont m_font;
    HGDIOBJ m_old = nullptr;
    EnvironmentCallbacks m_environment{};
};

TEST_F(HebrewReordering, PutsHebrewTextIntoDisplayOrder)
{
    char text[] = "\xE0\xE1\xE2";
    ReorderBidiText(text, 3, &m_environment);
    EXPECT_EQ(std::string(text), "\xE2\xE1\xE0");
}

TEST_F(HebrewReordering, LongTextsAsWellAsShortOnes)
{
    // Around the size that the reordering keeps on the stack.
    for (WORD length : std::initializer_list<WORD>{1, 255, 256, 257, 1000})
    {
        std::string text(length, '\0');
        for (WORD i = 0; i < length; ++i)
            text[i] = static_cast<char>(0xE0 + i % 27);
        std::string guarded = text + "|||";
        ReorderBidiText(guarded.data(), length, &m_environment);
        EXPECT_EQ(guarded, std::string(text.rbegin(), text.rend()) + "|||") << length;
    }
}

TEST_F(HebrewReordering, AKeptConversionToTheHostPutsAnsiTextBackIntoLogicalOrder)
{
    // The converter sees ANSI text reordered in the PC value itself; ASCII text goes as it is, also when the
    // conversion kept for the field was made for ANSI text.
    m_environment.TranslateCodePage = Translate;
    HostConversion kept;
    const struct
    {
        int pcType;
        const char* hostBytes;
    } values[] = {{PFT_TEXT_ANSI, "\xE5\xE4\xE3"}, {PFT_TEXT_ASCII, "\xE1\xE2\xE3"}, {PFT_TEXT_ANSI, "\xE5\xE4\xE3"}};
    for (const auto& value : values)
    {
        char text[] = "\xE0\xE1\xE2";
        DSField pc{};
        pc.type = value.pcType;
        pc.length = 3;
        pc.value = text;
        char hostText[4] = "...";
        DSField host{};
        host.type = HFT_CHARACTER;
        host.length = 3;
        host.value = hostText;
        ASSERT_TRUE(ConvertPreparedToHost(kept, pc, host, &m_environment)) << value.pcType;
        EXPECT_EQ(std::string(hostText), value.hostBytes) << value.pcType;
    }
}
