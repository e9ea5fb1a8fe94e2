// The caller tables: profile values by id per group, options, and the environment with its code-page translation.
#include "ProfileTestSupport.h"

#include "VersionLibrary.h"
#include "ZRCallbacks.h"
#include "ZRProfileHllAPI.h"

#include <cstring>

namespace
{
class CallerTablesTest : public ProfileTest
{
protected:
    const ProfileCallbacks& table = g_profileCallbacks;
};

TEST_F(CallerTablesTest, EachGroupTakesItsOwnIdsOnly)
{
    auto profile = NewProfile(ZRHOST_S36, ZRDIR_PC_TO_HOST, ZRTT_BINARY);
    ASSERT_TRUE(InstallProfileCallbacks(profile.get()));
    int number = -1;
    EXPECT_TRUE(table.GetGeneral(ZRP_DIRECTION, &number));
    EXPECT_EQ(number, ZRDIR_PC_TO_HOST);
    EXPECT_TRUE(table.GetGeneral(ZRP_CHARACTER_SET, &number));
    EXPECT_EQ(number, ZRCS_ANSI_TO_EBCDIC);

    // A group refuses the ids of the others, so that a caller can try the groups in turn.
    struct Refusal
    {
        ZRGetValueProc get;
        ZRSetValueProc set;
        ZRGetSizeProc size;
        std::vector<int> ids;
    };
    const Refusal refusals[] = {
        {table.GetGeneral, table.SetGeneral, table.GetGeneralSize, {0, 7, 100, 200, 303}},
        {table.GetNotify, table.SetNotify, table.GetNotifySize, {6, 99, 105, 200}},
        {table.GetPc, table.SetPc, table.GetPcSize, {ZRP_PC_WRITE_MODE, 203, 206, 303, 104}},
        {table.GetHost, table.SetHost, table.GetHostSize, {ZRP_HOST_SOURCE_NAME, 311, 302, 201, 500}},
        {table.GetBrowse, table.SetBrowse, nullptr, {499, 506, 1, 303}},
    };
    for (const Refusal& group : refusals)
    {
        for (int id : group.ids)
        {
            char untouched[8] = "ABCDEFG";
            EXPECT_FALSE(group.get(id, untouched)) << id;
            EXPECT_FALSE(group.set(id, "XYZ")) << id;
            EXPECT_STREQ(untouched, "ABCDEFG") << id;
            if (group.size != nullptr)
            {
                EXPECT_EQ(group.size(id), -1) << id;
            }
        }
    }
    EXPECT_EQ(table.GetGeneralSize(ZRP_TRANSFER_TYPE), 4);
    EXPECT_EQ(table.GetPcSize(ZRP_PC_FILE_NAME), 1);
    EXPECT_EQ(table.GetHostSize(ZRP_NUMBER_OF_RECORDS), 4);
    EXPECT_EQ(table.GetHostSize(ZRP_HOST_TARGET_NAME), 1);
}

TEST_F(CallerTablesTest, PresentationSpaceIdIsOneCharacterWithoutTerminator)
{
    auto profile = NewProfile(ZRHOST_AS400, ZRDIR_HOST_TO_PC, ZRTT_CONVERSION);
    InstallProfileCallbacks(profile.get());
    char letter[3] = "??";
    EXPECT_TRUE(table.GetHost(ZRP_PRESENTATION_SPACE_ID, letter));
    EXPECT_STREQ(letter, "A?");
    EXPECT_TRUE(table.SetHost(ZRP_PRESENTATION_SPACE_ID, "Bcd"));
    EXPECT_TRUE(table.GetHost(ZRP_PRESENTATION_SPACE_ID, letter));
    EXPECT_STREQ(letter, "B?");
    EXPECT_EQ(table.GetHostSize(ZRP_PRESENTATION_SPACE_ID), 1);
    EXPECT_FALSE(table.GetPc(ZRP_PRESENTATION_SPACE_ID, letter));
}

TEST_F(CallerTablesTest, NotificationTextsAndMessage)
{
    auto profile = NewProfile(ZRHOST_AS400, ZRDIR_HOST_TO_PC, ZRTT_CONVERSION);
    InstallProfileCallbacks(profile.get());
    char text[16] = "stale";
    EXPECT_TRUE(table.GetNotify(ZRP_NOTIFY_TEXT_2, text));
    EXPECT_STREQ(text, "");
    EXPECT_EQ(table.GetNotifySize(ZRP_NOTIFY_TEXT_2), 1);
    EXPECT_TRUE(table.SetNotify(ZRP_NOTIFY_TEXT_2, "hello"));
    EXPECT_EQ(table.GetNotifySize(ZRP_NOTIFY_TEXT_2), 6);
    EXPECT_TRUE(table.GetNotify(ZRP_NOTIFY_TEXT_2, text));
    EXPECT_STREQ(text, "hello");
    int message = 1029, back = 0;
    EXPECT_TRUE(table.SetNotify(ZRP_NOTIFY_MESSAGE, &message));
    EXPECT_TRUE(table.GetNotify(ZRP_NOTIFY_MESSAGE, &back));
    EXPECT_EQ(back, 1029);
    EXPECT_EQ(table.GetNotifySize(ZRP_NOTIFY_MESSAGE), 4);
    profile->Notify().Clear();
    EXPECT_EQ(table.GetNotifySize(ZRP_NOTIFY_TEXT_2), 1);
    EXPECT_TRUE(table.GetNotify(ZRP_NOTIFY_MESSAGE, &back));
    EXPECT_EQ(back, 0);
}

TEST_F(CallerTablesTest, BrowseValuesAreCutToTheirCapacities)
{
    auto profile = NewProfile(ZRHOST_AS400, ZRDIR_HOST_TO_PC, ZRTT_CONVERSION);
    InstallProfileCallbacks(profile.get());
    struct Case
    {
        int id;
        const char* set;
        const char* get;
    };
    for (const Case& c : {Case{ZRP_BROWSE_LIBRARY, "QGPL", "QGPL"}, Case{ZRP_BROWSE_FILE, "ABCDEFGHIJKL", "ABCDEFGHIJ"},
                          Case{ZRP_BROWSE_MEMBER, "M", "M"},
                          Case{ZRP_BROWSE_REQUEST, "COLUMNS-AND-MORE-THAN-TWENTY", "COLUMNS-AND-MORE-THA"},
                          Case{ZRP_BROWSE_CURRENT, "12345678901234567", "1234567890123"}})
    {
        char value[32] = "";
        EXPECT_TRUE(table.SetBrowse(c.id, c.set));
        EXPECT_TRUE(table.GetBrowse(c.id, value));
        EXPECT_STREQ(value, c.get) << c.id;
    }
    int busy = 1, back = 0;
    EXPECT_TRUE(table.SetBrowse(ZRP_BROWSE_BUSY, &busy));
    EXPECT_TRUE(table.GetBrowse(ZRP_BROWSE_BUSY, &back));
    EXPECT_EQ(back, 1);
    profile->Browse().Clear();
    char value[16] = "stale";
    EXPECT_TRUE(table.GetBrowse(ZRP_BROWSE_LIBRARY, value));
    EXPECT_STREQ(value, "");
}

TEST_F(CallerTablesTest, WithoutACurrentProfileOrItsPartsNothingIsFound)
{
    int value = 5;
    char text[8] = "x";
    auto check = [&](const char* when) {
        EXPECT_FALSE(table.GetGeneral(ZRP_DIRECTION, &value)) << when;
        EXPECT_FALSE(table.SetGeneral(ZRP_DIRECTION, &value)) << when;
        EXPECT_FALSE(table.GetPc(ZRP_PC_FILE_TYPE, &value)) << when;
        EXPECT_FALSE(table.SetPc(ZRP_PC_FILE_TYPE, &value)) << when;
        EXPECT_FALSE(table.GetHost(ZRP_HOST_FILE_TYPE, &value)) << when;
        EXPECT_FALSE(table.SetHost(ZRP_PRESENTATION_SPACE_ID, text)) << when;
        EXPECT_EQ(table.GetPcSize(ZRP_PC_FILE_NAME), -1) << when;
        EXPECT_EQ(table.GetHostSize(ZRP_DESCRIPTION_FILE), -1) << when;
    };
    InstallProfileCallbacks(nullptr);
    check("no profile");
    EXPECT_FALSE(table.GetNotify(ZRP_NOTIFY_MESSAGE, &value));
    EXPECT_FALSE(table.GetBrowse(ZRP_BROWSE_BUSY, &value));
    EXPECT_EQ(table.GetGeneralSize(ZRP_DIRECTION), -1);
    EXPECT_EQ(table.GetNotifySize(ZRP_NOTIFY_MESSAGE), -1);
    EXPECT_EQ(value, 5);

    {
        auto deleted = NewProfile(ZRHOST_AS400, ZRDIR_HOST_TO_PC, ZRTT_CONVERSION);
        InstallProfileCallbacks(deleted.get());
    }
    check("deleted profile");

    CZRProfileHllAPI partless(m_folder.File("none.h2p").c_str());
    InstallProfileCallbacks(&partless);
    EXPECT_TRUE(table.GetGeneral(ZRP_AUTO_CLOSE, &value));
    EXPECT_EQ(value, 1);
    EXPECT_FALSE(table.GetPc(ZRP_PC_FILE_TYPE, &value));
    EXPECT_FALSE(table.GetHost(ZRP_HOST_FILE_TYPE, &value));
    EXPECT_EQ(table.GetHostSize(ZRP_HOST_FILE_TYPE), -1);
    EXPECT_FALSE(table.GetGeneral(ZRP_AUTO_CLOSE, nullptr));
    EXPECT_FALSE(table.SetHost(ZRP_HOST_FILE_TYPE, nullptr));
}

TEST_F(CallerTablesTest, TheTableFollowsTheProfileMadeCurrent)
{
    auto first = NewProfile(ZRHOST_AS400, ZRDIR_HOST_TO_PC, ZRTT_CONVERSION);
    auto second = NewProfile(ZRHOST_S36, ZRDIR_PC_TO_HOST, ZRTT_PLAIN);
    InstallProfileCallbacks(first.get());
    const ProfileCallbacks* address = &g_profileCallbacks;
    InstallProfileCallbacks(second.get());
    EXPECT_EQ(address, &g_profileCallbacks);
    int value = 0;
    EXPECT_TRUE(table.GetGeneral(ZRP_HOST_TYPE, &value));
    EXPECT_EQ(value, ZRHOST_S36);
    EXPECT_TRUE(table.GetHost(ZRP_NUMBER_OF_RECORDS, &value));
    EXPECT_EQ(value, 1000);
}

TEST_F(CallerTablesTest, OptionsByIdGoToTheProgramsOptions)
{
    const OptionCallbacks& options = g_optionCallbacks;
    int flag = 0, back = -1;
    EXPECT_TRUE(options.SetOption(ZRO_CONFIRM_REPLACING, &flag));
    EXPECT_TRUE(options.GetOption(ZRO_CONFIRM_REPLACING, &back));
    EXPECT_EQ(back, 0);
    int direct = -1;
    m_options.GetValue(ZRO_CONFIRM_REPLACING, &direct);
    EXPECT_EQ(direct, 0);
    EXPECT_TRUE(options.SetOption(ZRO_DEFAULT_DIRECTORY, "C:\\work"));
    EXPECT_EQ(options.GetOptionSize(ZRO_DEFAULT_DIRECTORY), 8);
    EXPECT_EQ(options.GetOptionSize(ZRO_DECIMAL_CHAR_IS_DOT), 4);
    EXPECT_FALSE(options.GetOption(3, &back));
    EXPECT_EQ(options.GetOptionSize(3), -1);

    // New PC parts take their flags from the options.
    int off = 0;
    options.SetOption(ZRO_REMOVE_BLANKS, &off);
    auto profile = NewProfile(ZRHOST_AS400, ZRDIR_HOST_TO_PC, ZRTT_CONVERSION);
    EXPECT_EQ(profile->PcRequest()->GetInt(ZRP_REMOVE_BLANKS), 0);
    EXPECT_EQ(profile->PcRequest()->GetInt(ZRP_DECIMAL_CHAR_IS_DOT), 1);

    InstallOptionsCallbacks(nullptr);
    EXPECT_FALSE(options.GetOption(ZRO_REMOVE_BLANKS, &back));
    EXPECT_EQ(options.GetOptionSize(ZRO_REMOVE_BLANKS), -1);
}

class EnvironmentTest : public ProfileTest
{
protected:
    void SetUp() override
    {
        ProfileTest::SetUp();
        m_library = std::make_unique<CVersionLibrary>("\\Zrthelp.hlp");
        ASSERT_EQ(m_library->GetStatus(), ZRVL_READY);
        SetVersionLibrary(m_library.get());
        InstallEnvironmentCallbacks(m_window);
    }
    void TearDown() override
    {
        SetVersionLibrary(nullptr);
        ProfileTest::TearDown();
    }

    // Translates `source` into a destination of `capacity` bytes (of 12, the rest left as 0xEE).
    std::string Translate(int mode, const std::string& source, WORD capacity, WORD* count, BOOL* result)
    {
        std::string destination(12, '\xEE');
        *count = capacity;
        *result = g_environmentCallbacks.TranslateCodePage(mode, source.data(), destination.data(),
                                                           static_cast<WORD>(source.size()), count);
        return destination;
    }

    std::unique_ptr<CVersionLibrary> m_library;
    HWND m_window = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(0x12340));
};

TEST_F(EnvironmentTest, TranslationCutsToTheDestinationAndFillsWithTheTargetBlank)
{
    const char fill[] = {0x20, 0x40, 0x20, 0x40};
    for (int mode = 0; mode < 4; ++mode)
    {
        const unsigned char* codes = m_library->GetCodeTable(mode);
        std::string source = "AB\xC1\xFF\x00";
        source.resize(5);
        WORD count;
        BOOL result;
        std::string out = Translate(mode, source, 8, &count, &result);
        ASSERT_TRUE(result);
        EXPECT_EQ(count, 5);
        std::string expected;
        for (unsigned char c : source)
            expected += static_cast<char>(codes[c]);
        expected += std::string(3, fill[mode]) + std::string(4, '\xEE');
        EXPECT_EQ(out, expected) << mode;

        out = Translate(mode, source + "xyz", 5, &count, &result);
        EXPECT_EQ(count, 5);
        EXPECT_EQ(out, expected.substr(0, 5) + std::string(7, '\xEE')) << mode;
    }
    // The stand-in's tables are code page 037 against 850 (ASCII) and 1252 (ANSI).
    WORD count;
    BOOL result;
    EXPECT_EQ(Translate(ZRCM_EBCDIC_TO_ASCII, "\xC1", 1, &count, &result)[0], 'A');
    EXPECT_EQ(Translate(ZRCM_ASCII_TO_EBCDIC, "A", 1, &count, &result)[0], '\xC1');
    EXPECT_EQ(Translate(ZRCM_EBCDIC_TO_ANSI, "\xC1", 1, &count, &result)[0], 'A');
    EXPECT_EQ(Translate(ZRCM_ANSI_TO_EBCDIC, "A", 1, &count, &result)[0], '\xC1');
}

TEST_F(EnvironmentTest, OtherModesAreRefusedAndWriteNothing)
{
    for (int mode : {4, -1, 255})
    {
        WORD count;
        BOOL result;
        std::string out = Translate(mode, "ABC", 8, &count, &result);
        EXPECT_FALSE(result) << mode;
        EXPECT_EQ(count, 8);
        EXPECT_EQ(out, std::string(12, '\xEE'));
    }
    SetVersionLibrary(nullptr);
    for (WORD capacity : std::initializer_list<WORD>{8, 3, 2})
    {
        WORD count;
        BOOL result;
        std::string out = Translate(ZRCM_EBCDIC_TO_ASCII, "ABC", capacity, &count, &result);
        EXPECT_FALSE(result) << capacity;
        EXPECT_EQ(count, capacity);
        EXPECT_EQ(out, std::string(12, '\xEE')) << capacity;
    }
}

TEST_F(EnvironmentTest, RunsOfEveryLengthTranslateByteAfterByteEvenWhereSourceAndDestinationOverlap)
{
    const unsigned char* codes = m_library->GetCodeTable(ZRCM_EBCDIC_TO_ASCII);
    std::string bytes(128, '\0');
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 37 + 11);
    const size_t from = 20;
    // The destination starts `shift` bytes after the source in the same buffer; 48 keeps the two apart.
    for (int shift : {-7, -1, 0, 1, 5, 8, 48})
        for (WORD count = 0; count <= 48; ++count)
        {
            std::string translated = bytes;
            WORD length = count;
            ASSERT_TRUE(g_environmentCallbacks.TranslateCodePage(ZRCM_EBCDIC_TO_ASCII, translated.data() + from,
                                                                 translated.data() + from + shift, count, &length));
            // The definition's loop, one byte after the other over the same buffer.
            std::string expected = bytes;
            for (size_t i = 0; i < count; ++i)
                expected[from + shift + i] = static_cast<char>(codes[static_cast<unsigned char>(expected[from + i])]);
            EXPECT_EQ(length, count);
            EXPECT_EQ(translated, expected) << "shift " << shift << ", count " << count;
        }
}

TEST_F(EnvironmentTest, EveryModeLengthAndOverlapAsTheByteLoopReads)
{
    const char fill[] = {0x20, 0x40, 0x20, 0x40};
    std::string bytes(160, '\0');
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 101 + 7);
    const size_t from = 60;
    for (int mode = 0; mode < 4; ++mode)
    {
        const unsigned char* codes = m_library->GetCodeTable(mode);
        for (int shift : {-60, -9, -2, -1, 0, 1, 2, 7, 8, 9, 45})
            for (int count = 0; count <= 40; ++count)
                for (int capacity : {count / 2, count - 1, count, count + 1, count + 5})
                {
                    if (capacity < 0)
                        continue;
                    std::string translated = bytes;
                    WORD length = static_cast<WORD>(capacity);
                    ASSERT_TRUE(g_environmentCallbacks.TranslateCodePage(mode, translated.data() + from,
                                                                         translated.data() + from + shift,
                                                                         static_cast<WORD>(count), &length));
                    std::string expected = bytes;
                    const int n = count < capacity ? count : capacity;
                    for (int i = 0; i < n; ++i)
                        expected[from + shift + i] = static_cast<char>(
                            codes[static_cast<unsigned char>(expected[from + i])]);
                    for (int i = n; i < capacity; ++i)
                        expected[from + shift + i] = fill[mode];
                    ASSERT_EQ(length, n);
                    ASSERT_EQ(translated, expected)
                        << "mode " << mode << ", shift " << shift << ", count " << count << ", capacity " << capacity;
                }
    }
}

TEST_F(EnvironmentTest, ALengthWordInsideTheDestinationGetsTheCountAfterTheTranslation)
{
    const unsigned char* codes = m_library->GetCodeTable(ZRCM_EBCDIC_TO_ASCII);
    const std::string source = "\xC1\xC2\xC3\xC4\xC5\xC6\xC7\xC8\xC9\xD1\xD2\xD3\xD4\xD5\xD6\xD7\xD8\xD9";
    const WORD capacity = 16;
    for (int at : {-2, -1, 0, 7, 14, 15, 16})
        for (WORD sourceLength : std::initializer_list<WORD>{16, 18})
        {
            std::string buffer(40, '\xEE');
            char* destination = buffer.data() + 8;
            WORD* length = reinterpret_cast<WORD*>(destination + at);
            std::memcpy(length, &capacity, sizeof capacity);
            ASSERT_TRUE(g_environmentCallbacks.TranslateCodePage(ZRCM_EBCDIC_TO_ASCII, source.data(), destination,
                                                                 sourceLength, length));
            std::string expected(40, '\xEE');
            for (size_t i = 0; i < capacity; ++i)
                expected[8 + i] = static_cast<char>(codes[static_cast<unsigned char>(source[i])]);
            std::memcpy(expected.data() + 8 + at, &capacity, sizeof capacity);
            EXPECT_EQ(buffer, expected) << "word at " << at << ", source " << sourceLength;
        }
}

TEST_F(EnvironmentTest, EnvironmentTextsAndNumbers)
{
    char text[MAX_PATH];
    EXPECT_TRUE(g_environmentCallbacks.GetEnvString(ZRENV_PROGRAM_FOLDER, text));
    char program[MAX_PATH];
    GetModuleFileNameA(nullptr, program, sizeof program);
    *strrchr(program, '\\') = '\0';
    EXPECT_STREQ(text, program);
    EXPECT_TRUE(g_environmentCallbacks.GetEnvString(ZRENV_PRODUCT_SHORT_NAME, text));
    EXPECT_STREQ(text, "ZRT");
    EXPECT_TRUE(g_environmentCallbacks.GetEnvString(ZRENV_INSTALL_KEY_PATH, text));
    EXPECT_EQ(text, m_library->GetInstallKeyPath());
    EXPECT_TRUE(g_environmentCallbacks.GetEnvString(ZRENV_HELP_FILE, text));
    EXPECT_EQ(text, m_library->GetHelpFilePath());

    unsigned char root[8];
    memset(root, 0xEE, sizeof root);
    EXPECT_TRUE(g_environmentCallbacks.GetEnvString(ZRENV_INSTALL_ROOT_KEY, root));
    DWORD word;
    memcpy(&word, root, sizeof word);
    EXPECT_EQ(word, m_library->GetInstallRootWord());
    EXPECT_EQ(root[4], 0xEE);

    memset(text, 0xEE, 8);
    EXPECT_TRUE(g_environmentCallbacks.GetEnvString(7, text));
    EXPECT_EQ(text[0], '\xEE');

    int id = -1;
    EXPECT_EQ(g_environmentCallbacks.GetConnectionId(&id), m_library->GetConnectionId());
    EXPECT_EQ(id, m_library->GetConnectionId());
    EXPECT_EQ(g_environmentCallbacks.hwndNotify, m_window);
}
}
