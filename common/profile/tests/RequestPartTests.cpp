// The request parts: their keys, checks and lenient replacements, values by id, and host names.
#include "ProfileTestSupport.h"

#include "ZRCallbacks.h"
#include "ZRHostRequestAs400.h"
#include "ZRHostRequestS36.h"
#include "ZRProfileContext.h"
#include "ZRProfileHllAPI.h"
#include "ZRTypeCodes.h"

#include <map>

namespace
{
using Strings = std::vector<std::string>;

// Valid files of the four kinds whose values all differ from the lenient replacements.
const std::map<std::string, std::string> kFiles = {
    {"AS/400 host to PC",
     "[General]\r\nConnection=HLLAPI\r\nDirection=Host to PC\r\nHost type=AS/400\r\n"
     "Character set=EBCDIC to ASCII\r\nAuto close=No\r\nTransfer type=Plain\r\n"
     "[Host request]\r\nPresentation space ID=C\r\nHost file type=Source\r\nDescription file=C:\\d.fmt\r\n"
     "SQL from=LIB/FILE(MBR)\r\n"
     "[PC request]\r\nFilename=C:\\in\\data.csv\r\nPC file type=CSV (Comma delimiter)\r\n"
     "Remove blanks=No\r\nDecimal char is dot=No\r\nPC write mode=Append to file\r\n"},
    {"AS/400 PC to host",
     "[General]\r\nConnection=HLLAPI\r\nDirection=PC to Host\r\nHost type=AS/400\r\n"
     "Character set=ASCII to EBCDIC\r\nAuto close=No\r\nTransfer type=Plain\r\n"
     "[Host request]\r\nPresentation space ID=C\r\nHost file type=Source\r\nDescription file=C:\\d.fmt\r\n"
     "SQL into=LIB/FILE(MBR)\r\nHost write mode=Create host member\r\nRecord length=500\r\n"
     "[PC request]\r\nFilename=C:\\in\\data.csv\r\nPC file type=CSV (Comma delimiter)\r\n"
     "Remove blanks=No\r\nDecimal char is dot=No\r\n"},
    {"System/36 host to PC",
     "[General]\r\nConnection=HLLAPI\r\nDirection=Host to PC\r\nHost type=System/36\r\n"
     "Character set=EBCDIC to ASCII\r\nAuto close=No\r\nTransfer type=Plain\r\n"
     "[Host request]\r\nPresentation space ID=C\r\nHost file type=Source\r\nDescription file=C:\\d.fmt\r\n"
     "SQL from=LIB1(MEM1)\r\n"
     "[PC request]\r\nFilename=C:\\in\\data.csv\r\nPC file type=CSV (Comma delimiter)\r\n"
     "Remove blanks=No\r\nDecimal char is dot=No\r\nPC write mode=Append to file\r\n"},
    {"System/36 PC to host",
     "[General]\r\nConnection=HLLAPI\r\nDirection=PC to Host\r\nHost type=System/36\r\n"
     "Character set=ASCII to EBCDIC\r\nAuto close=No\r\nTransfer type=Plain\r\n"
     "[Host request]\r\nPresentation space ID=C\r\nHost file type=Source\r\nDescription file=C:\\d.fmt\r\n"
     "SQL into=FILE1\r\nHost write mode=Replace host file\r\nRecord length=500\r\nNumber of records=50\r\n"
     "[PC request]\r\nFilename=C:\\in\\data.csv\r\nPC file type=CSV (Comma delimiter)\r\n"
     "Remove blanks=No\r\nDecimal char is dot=No\r\n"},
};

struct KeyCase
{
    const char* kind;
    const char* section;
    const char* key;
    const char* invalid;  // null: the key is missing
    int id;
    const char* replacement;
};

const char kPc[] = "PC request";
const char kHost[] = "Host request";

// Every key of both request parts, for every kind: an invalid value and what lenient reading puts in its place.
const KeyCase kKeyCases[] = {
    {"AS/400 host to PC", kPc, "Filename", "C:\\in\\da?ta.csv", ZRP_PC_FILE_NAME, ""},
    {"AS/400 host to PC", kPc, "PC file type", "XLS", ZRP_PC_FILE_TYPE, "3"},
    {"AS/400 host to PC", kPc, "Remove blanks", "Maybe", ZRP_REMOVE_BLANKS, "1"},
    {"AS/400 host to PC", kPc, "Decimal char is dot", nullptr, ZRP_DECIMAL_CHAR_IS_DOT, "1"},
    {"AS/400 host to PC", kPc, "PC write mode", "Overwrite", ZRP_PC_WRITE_MODE, "1"},
    {"AS/400 host to PC", kHost, "Presentation space ID", "AB", ZRP_PRESENTATION_SPACE_ID, "A"},
    {"AS/400 host to PC", kHost, "Host file type", "Folder", ZRP_HOST_FILE_TYPE, "1"},
    {"AS/400 host to PC", kHost, "Description file", "C:\\d|.fmt", ZRP_DESCRIPTION_FILE, ""},
    {"AS/400 host to PC", kHost, "SQL from", nullptr, ZRP_HOST_SOURCE_NAME, ""},
    {"AS/400 PC to host", kPc, "Filename", nullptr, ZRP_PC_FILE_NAME, ""},
    {"AS/400 PC to host", kPc, "PC file type", "Binary file", ZRP_PC_FILE_TYPE, "3"},
    {"AS/400 PC to host", kPc, "Remove blanks", "", ZRP_REMOVE_BLANKS, "1"},
    {"AS/400 PC to host", kPc, "Decimal char is dot", "Dot", ZRP_DECIMAL_CHAR_IS_DOT, "1"},
    {"AS/400 PC to host", kHost, "Presentation space ID", "1", ZRP_PRESENTATION_SPACE_ID, "A"},
    {"AS/400 PC to host", kHost, "Host file type", "Member", ZRP_HOST_FILE_TYPE, "1"},
    {"AS/400 PC to host", kHost, "Description file", nullptr, ZRP_DESCRIPTION_FILE, ""},
    {"AS/400 PC to host", kHost, "SQL into", "", ZRP_HOST_TARGET_NAME, ""},
    {"AS/400 PC to host", kHost, "Host write mode", "Replace host file", ZRP_HOST_WRITE_MODE, "1"},
    {"AS/400 PC to host", kHost, "Record length", "1761", ZRP_RECORD_LENGTH, "92"},
    {"System/36 host to PC", kPc, "Filename", "C:\\<in>.csv", ZRP_PC_FILE_NAME, ""},
    {"System/36 host to PC", kPc, "PC file type", nullptr, ZRP_PC_FILE_TYPE, "3"},
    {"System/36 host to PC", kPc, "PC write mode", "Append file", ZRP_PC_WRITE_MODE, "1"},
    {"System/36 host to PC", kHost, "Presentation space ID", nullptr, ZRP_PRESENTATION_SPACE_ID, "A"},
    {"System/36 host to PC", kHost, "Host file type", "Library", ZRP_HOST_FILE_TYPE, "3"},
    {"System/36 host to PC", kHost, "Description file", "C:\\*.fmt", ZRP_DESCRIPTION_FILE, ""},
    {"System/36 host to PC", kHost, "SQL from", "LIBRARY1(MEMBER01234567890123456)", ZRP_HOST_SOURCE_NAME, ""},
    {"System/36 PC to host", kPc, "Filename", "C:\\in\\a>b", ZRP_PC_FILE_NAME, ""},
    {"System/36 PC to host", kPc, "PC file type", "", ZRP_PC_FILE_TYPE, "3"},
    {"System/36 PC to host", kHost, "Presentation space ID", "", ZRP_PRESENTATION_SPACE_ID, "A"},
    {"System/36 PC to host", kHost, "Host file type", "Member/Data", ZRP_HOST_FILE_TYPE, "1"},
    {"System/36 PC to host", kHost, "SQL into", nullptr, ZRP_HOST_TARGET_NAME, ""},
    {"System/36 PC to host", kHost, "Host write mode", "Append host member", ZRP_HOST_WRITE_MODE, "1"},
    {"System/36 PC to host", kHost, "Record length", "0", ZRP_RECORD_LENGTH, "80"},
    {"System/36 PC to host", kHost, "Number of records", "1000000", ZRP_NUMBER_OF_RECORDS, "1000"},
    {"AS/400 PC to host", kHost, "Record length", "92abc", ZRP_RECORD_LENGTH, "92"},
    {"AS/400 PC to host", kHost, "Record length", "4294967388", ZRP_RECORD_LENGTH, "92"},
    {"AS/400 PC to host", kHost, "Record length", "-500", ZRP_RECORD_LENGTH, "92"},
    {"System/36 PC to host", kHost, "Record length", "+500", ZRP_RECORD_LENGTH, "80"},
    {"System/36 PC to host", kHost, "Record length", "5 00", ZRP_RECORD_LENGTH, "80"},
    {"System/36 PC to host", kHost, "Number of records", "100abc", ZRP_NUMBER_OF_RECORDS, "1000"},
    {"System/36 PC to host", kHost, "Number of records", "0x64", ZRP_NUMBER_OF_RECORDS, "1000"},
    {"System/36 PC to host", kHost, "Number of records", "99999999999999999999", ZRP_NUMBER_OF_RECORDS, "1000"},
};

bool IsNameKey(const char* key)
{
    return strcmp(key, "SQL from") == 0 || strcmp(key, "SQL into") == 0;
}

class RequestPartTest : public ProfileTest
{
protected:
    std::string FileOf(const char* kind, const char* name)
    {
        std::string path = m_folder.File(name);
        WriteFileBytes(path, kFiles.at(kind));
        return path;
    }

    // Reads a file holding `value` for one host or PC key of a kind's valid file.
    std::unique_ptr<CZRProfileHllAPI> ReadWith(const char* kind, const char* section, const char* key,
                                               const char* value, bool strict, BOOL* read)
    {
        std::string path = FileOf(kind, "edited.prf");
        SetProfileValue(path, section, key, value);
        return ReadProfile(path, strict, read);
    }

    std::string ValueOf(const CZRProfile& profile, int id)
    {
        for (auto& [valueId, text] : Snapshot(profile))
        {
            if (valueId == id)
                return text;
        }
        return "(none)";
    }
};

TEST_F(RequestPartTest, TheValidFilesReadStrictlyWithoutAWord)
{
    for (auto& [kind, text] : kFiles)
    {
        BOOL read;
        auto profile = ReadProfile(FileOf(kind.c_str(), "valid.prf"), true, &read);
        EXPECT_TRUE(read) << kind;
        EXPECT_FALSE(profile->IsModified());
        EXPECT_EQ(TakeErrors(), Strings{}) << kind;
    }
}

TEST_F(RequestPartTest, EveryInvalidKeyIsReplacedWhenLenientAndStopsTheReadWhenStrict)
{
    for (const KeyCase& c : kKeyCases)
    {
        SCOPED_TRACE(std::string(c.kind) + ": " + c.key + "=" + (c.invalid ? c.invalid : "(missing)"));
        BOOL read;
        auto valid = ReadProfile(FileOf(c.kind, "valid.prf"), true, &read);
        ASSERT_TRUE(read);

        auto lenient = ReadWith(c.kind, c.section, c.key, c.invalid, false, &read);
        ASSERT_TRUE(read);
        EXPECT_TRUE(lenient->IsModified());
        EXPECT_EQ(TakeErrors(), Strings{IsNameKey(c.key) ? NameWarningText(c.key) : DefaultedText(c.key)});
        auto expected = Snapshot(*valid);
        for (auto& [id, text] : expected)
        {
            if (id == c.id)
                text = c.replacement;
        }
        EXPECT_EQ(Snapshot(*lenient), expected);

        ReadWith(c.kind, c.section, c.key, c.invalid, true, &read);
        EXPECT_FALSE(read);
        EXPECT_EQ(TakeErrors(), Strings{InvalidText(c.key)});
    }
}

TEST_F(RequestPartTest, NumbersMayStandBetweenBlanks)
{
    BOOL read;
    auto profile = ReadWith("System/36 PC to host", kHost, "Number of records", " \t 0050 \t", true, &read);
    ASSERT_TRUE(read);
    EXPECT_EQ(ValueOf(*profile, ZRP_NUMBER_OF_RECORDS), "50");
    EXPECT_EQ(TakeErrors(), Strings{});
}

TEST_F(RequestPartTest, PcFileTypesMatchTheirNamesInAnyCase)
{
    BOOL read;
    auto profile = ReadWith("AS/400 host to PC", kPc, "PC file type", "csv (COMMA delimiter)", true, &read);
    ASSERT_TRUE(read);
    EXPECT_EQ(profile->PcRequest()->GetInt(ZRP_PC_FILE_TYPE), PCFT_CSV);
    for (int type = PCFT_FIRST_NAMED; type <= PCFT_LAST; ++type)
    {
        profile = ReadWith("AS/400 host to PC", kPc, "PC file type", PcFileTypeNames[type], true, &read);
        ASSERT_TRUE(read) << PcFileTypeNames[type];
        EXPECT_EQ(profile->PcRequest()->GetInt(ZRP_PC_FILE_TYPE), type);
    }
}

TEST_F(RequestPartTest, ThePlaceholderPcFileTypeIsWrittenEmptyAndReadsAsInvalid)
{
    auto profile = NewProfile(ZRHOST_AS400, ZRDIR_HOST_TO_PC, ZRTT_CONVERSION);
    int placeholder = PCFT_VOID;
    profile->PcRequest()->SetValue(ZRP_PC_FILE_TYPE, &placeholder);
    profile->HostRequest()->SetValue(ZRP_HOST_SOURCE_NAME, "LIB/FILE(MBR)");
    std::string path = m_folder.File("void.h2p");
    profile->SetFileName(path.c_str());
    ASSERT_TRUE(profile->Write());
    EXPECT_NE(ReadFileBytes(path).find("PC file type=\r\n"), std::string::npos);
    BOOL read;
    ReadProfile(path, true, &read);
    EXPECT_FALSE(read);
    EXPECT_EQ(TakeErrors(), Strings{InvalidText("PC file type")});
}

TEST_F(RequestPartTest, PathsUpTo259CharactersAreValid)
{
    std::string longest = "C:\\" + std::string(256, 'p');
    for (const char* key : {"Filename", "Description file"})
    {
        const char* section = strcmp(key, "Filename") == 0 ? kPc : kHost;
        int id = strcmp(key, "Filename") == 0 ? ZRP_PC_FILE_NAME : ZRP_DESCRIPTION_FILE;
        BOOL read;
        auto profile = ReadWith("AS/400 host to PC", section, key, longest.c_str(), true, &read);
        ASSERT_TRUE(read) << key;
        EXPECT_EQ(ValueOf(*profile, id), longest);
        std::string tooLong = longest + "q";
        profile = ReadWith("AS/400 host to PC", section, key, tooLong.c_str(), false, &read);
        ASSERT_TRUE(read) << key;
        EXPECT_EQ(ValueOf(*profile, id), "");
        EXPECT_EQ(TakeErrors(), Strings{DefaultedText(key)});
    }
}

TEST_F(RequestPartTest, PresentationSpaceIdIsOneLetterOfEitherCase)
{
    BOOL read;
    auto profile = ReadWith("System/36 PC to host", kHost, "Presentation space ID", "b", true, &read);
    ASSERT_TRUE(read);
    char letter = 0;
    ASSERT_TRUE(profile->HostRequest()->GetValue(ZRP_PRESENTATION_SPACE_ID, &letter));
    EXPECT_EQ(letter, 'b');
    for (const char* invalid : {"1", "AB", "?"})
    {
        ReadWith("System/36 PC to host", kHost, "Presentation space ID", invalid, true, &read);
        EXPECT_FALSE(read) << invalid;
    }
    TakeErrors();
}

TEST_F(RequestPartTest, As400RecordLengthRangeDependsOnTheHostFileType)
{
    struct Case
    {
        const char* fileType;
        const char* length;
        bool valid;
    };
    for (const Case& c : {Case{"Data", "12", true}, Case{"Data", "1", true}, Case{"Source", "12", false},
                          Case{"Source", "13", true}, Case{"Data", "1760", true}, Case{"Data", "1761", false},
                          Case{"Source", "1761", false}, Case{"Data", nullptr, false}})
    {
        SCOPED_TRACE(std::string(c.fileType) + " " + (c.length ? c.length : "(missing)"));
        std::string path = FileOf("AS/400 PC to host", "length.p2h");
        SetProfileValue(path, kHost, "Host file type", c.fileType);
        SetProfileValue(path, kHost, "Record length", c.length);
        BOOL read;
        auto profile = ReadProfile(path, false, &read);
        ASSERT_TRUE(read);
        EXPECT_EQ(ValueOf(*profile, ZRP_RECORD_LENGTH), c.valid ? c.length : "92");
        EXPECT_EQ(TakeErrors(), c.valid ? Strings{} : Strings{DefaultedText("Record length")});
    }
}

TEST_F(RequestPartTest, System36DefaultsFollowWhetherTheNameHasAMember)
{
    for (auto [name, mode, fileType] : {std::tuple{"LIB1(MEM1)", "4", "3"}, {"FILE1", "1", "1"}})
    {
        std::string path = FileOf("System/36 PC to host", "member.p2h");
        SetProfileValue(path, kHost, "SQL into", name);
        SetProfileValue(path, kHost, "Host write mode", "bogus");
        SetProfileValue(path, kHost, "Host file type", "bogus");
        BOOL read;
        auto profile = ReadProfile(path, false, &read);
        ASSERT_TRUE(read);
        EXPECT_EQ(ValueOf(*profile, ZRP_HOST_WRITE_MODE), mode) << name;
        EXPECT_EQ(ValueOf(*profile, ZRP_HOST_FILE_TYPE), fileType) << name;
        EXPECT_EQ(TakeErrors(), (Strings{DefaultedText("Host file type"), DefaultedText("Host write mode")}));
    }
}

TEST_F(RequestPartTest, HostNamesHaveAMaximumLengthPerHost)
{
    struct Case
    {
        const char* kind;
        const char* key;
        size_t longest;
    };
    for (const Case& c : {Case{"AS/400 host to PC", "SQL from", 38}, Case{"AS/400 PC to host", "SQL into", 38},
                          Case{"System/36 host to PC", "SQL from", 31}, Case{"System/36 PC to host", "SQL into", 31}})
    {
        SCOPED_TRACE(c.kind);
        int id = strcmp(c.key, "SQL from") == 0 ? ZRP_HOST_SOURCE_NAME : ZRP_HOST_TARGET_NAME;
        std::string name(c.longest, 'N');
        BOOL read;
        auto profile = ReadWith(c.kind, kHost, c.key, name.c_str(), true, &read);
        ASSERT_TRUE(read);
        EXPECT_EQ(ValueOf(*profile, id), name);
        name += "N";
        profile = ReadWith(c.kind, kHost, c.key, name.c_str(), false, &read);
        ASSERT_TRUE(read);
        EXPECT_EQ(ValueOf(*profile, id), "");
        EXPECT_EQ(profile->HostRequest()->GetSize(id), 1);
        EXPECT_EQ(TakeErrors(), Strings{NameWarningText(c.key)});
    }
}

TEST_F(RequestPartTest, ValuesByIdBelongToTheirPartOnly)
{
    auto profile = NewProfile(ZRHOST_S36, ZRDIR_PC_TO_HOST, ZRTT_CONVERSION);
    CZRRequestPart& host = *profile->HostRequest();
    CZRPcRequest& pc = *profile->PcRequest();
    // Defaults of a new System/36 PC-to-host profile.
    EXPECT_EQ(host.GetInt(ZRP_HOST_FILE_TYPE), 1);
    EXPECT_EQ(host.GetInt(ZRP_HOST_WRITE_MODE), 5);
    EXPECT_EQ(host.GetInt(ZRP_RECORD_LENGTH), 80);
    EXPECT_EQ(host.GetInt(ZRP_NUMBER_OF_RECORDS), 1000);
    EXPECT_EQ(pc.GetInt(ZRP_PC_FILE_TYPE), PCFT_EXCEL97);

    char letters[4] = "xyz";
    EXPECT_TRUE(host.SetValue(ZRP_PRESENTATION_SPACE_ID, "Qrs"));
    EXPECT_TRUE(host.GetValue(ZRP_PRESENTATION_SPACE_ID, letters));
    EXPECT_STREQ(letters, "Qyz");
    EXPECT_EQ(host.GetSize(ZRP_PRESENTATION_SPACE_ID), 1);

    int value = 7;
    for (int foreign : std::initializer_list<int>{ZRP_PC_FILE_NAME, ZRP_PC_WRITE_MODE, ZRP_CONNECTION_TYPE,
                                                  ZRP_HOST_SOURCE_NAME, 311, 500})
    {
        EXPECT_FALSE(host.SetValue(foreign, &value)) << foreign;
        EXPECT_FALSE(host.GetValue(foreign, &value)) << foreign;
        EXPECT_EQ(host.GetSize(foreign), -1) << foreign;
    }
    for (int foreign : std::initializer_list<int>{ZRP_PRESENTATION_SPACE_ID, ZRP_PC_WRITE_MODE, 203, ZRP_RECORD_LENGTH})
    {
        EXPECT_FALSE(pc.SetValue(foreign, &value)) << foreign;
        EXPECT_EQ(pc.GetSize(foreign), -1) << foreign;
    }
    EXPECT_EQ(value, 7);
    EXPECT_EQ(host.GetSize(ZRP_HOST_TARGET_NAME), 1);
    host.SetValue(ZRP_HOST_TARGET_NAME, "LIB1(MEM1)");
    EXPECT_EQ(host.GetSize(ZRP_HOST_TARGET_NAME), 11);
    EXPECT_TRUE(host.IsMemberName());

    host.Reset();
    EXPECT_EQ(host.GetSize(ZRP_HOST_TARGET_NAME), 1);
    EXPECT_FALSE(host.IsMemberName());
    EXPECT_EQ(host.GetInt(ZRP_NUMBER_OF_RECORDS), 1000);
    pc.Reset();
    EXPECT_EQ(pc.GetInt(ZRP_PC_FILE_TYPE), 0);
}

TEST_F(RequestPartTest, OverLongTextsAreCutToTheirArrays)
{
    auto profile = NewProfile(ZRHOST_AS400, ZRDIR_HOST_TO_PC, ZRTT_CONVERSION);
    std::string path(400, 'x');
    profile->PcRequest()->SetValue(ZRP_PC_FILE_NAME, path.c_str());
    profile->HostRequest()->SetValue(ZRP_DESCRIPTION_FILE, path.c_str());
    EXPECT_EQ(profile->PcRequest()->GetSize(ZRP_PC_FILE_NAME), MAX_PATH);
    EXPECT_EQ(profile->HostRequest()->GetSize(ZRP_DESCRIPTION_FILE), MAX_PATH);
}

TEST_F(RequestPartTest, HostNamesSplitIntoTheirPieces)
{
    struct Case
    {
        const char* name;
        Strings pieces;
    };
    for (const Case& c : {Case{"QGPL/QCLSRC(PGM1)", {"QGPL", "QCLSRC", "PGM1"}}, Case{"QGPL/QCLSRC", {"QGPL", "", ""}},
                          Case{"QGPL/QCLSRC(PGM1", {"QGPL", "QCLSRC", ""}}, Case{"NOSLASH(X)", {"", "", ""}},
                          Case{"", {"", "", ""}}, Case{"A/B()", {"A", "B", ""}}})
    {
        Strings pieces{"stale"};
        SplitAs400Name(c.name, pieces);
        EXPECT_EQ(pieces, c.pieces) << c.name;
    }
    for (const Case& c : {Case{"LIB1(MEM1)", {"LIB1", "MEM1"}}, Case{"FILE1", {"FILE1"}},
                          Case{"LIB1(MEM1", {"LIB1", ""}}, Case{"", {""}}})
    {
        Strings pieces{"stale", "stale", "stale"};
        SplitS36Name(c.name, pieces);
        EXPECT_EQ(pieces, c.pieces) << c.name;
    }
    CZRHostRequestAs400P2H part;
    part.SetValue(ZRP_HOST_TARGET_NAME, "L/F(M)");
    Strings pieces;
    part.SplitName(pieces);
    EXPECT_EQ(pieces, (Strings{"L", "F", "M"}));
    EXPECT_FALSE(part.IsMemberName());
}
}
