// The profile file: its sections and keys, strict and lenient reading of "General", and safe writing.
#include "ProfileTestSupport.h"

#include "OwnedHandles.h"
#include "ZRCallbacks.h"
#include "ZRProfileContext.h"
#include "ZRProfileHllAPI.h"
#include "ZRTypeCodes.h"

namespace
{
using Lines = std::vector<IniLine>;

class ProfileFileTest : public ProfileTest
{
protected:
    std::string WriteRaw(const char* name, const std::string& text)
    {
        std::string path = m_folder.File(name);
        WriteFileBytes(path, text);
        return path;
    }

    // The file of a new profile of that kind, with a host name.
    std::string WrittenProfile(int hostType, int direction, const char* name)
    {
        auto profile = NewProfile(hostType, direction, ZRTT_CONVERSION);
        profile->HostRequest()->SetValue(direction == ZRDIR_HOST_TO_PC ? ZRP_HOST_SOURCE_NAME : ZRP_HOST_TARGET_NAME,
                                         hostType == ZRHOST_AS400 ? "LIB/FILE(MBR)" : "FILE1");
        std::string path = m_folder.File(name);
        profile->SetFileName(path.c_str());
        EXPECT_TRUE(profile->Write());
        return path;
    }

    std::string ValidFileWith(const char* key, const char* value)
    {
        std::string path = WriteRaw("edited.h2p", kAs400HostToPcFile);
        SetProfileValue(path, "General", key, value);
        return path;
    }
};

TEST_F(ProfileFileTest, NewProfileWritesTheThreeSectionsWithTheirKeysInOrder)
{
    auto profile = NewProfile(ZRHOST_AS400, ZRDIR_HOST_TO_PC, ZRTT_CONVERSION);
    profile->PcRequest()->SetValue(ZRP_PC_FILE_NAME, "C:\\data\\cust.csv");
    int csv = PCFT_CSV;
    profile->PcRequest()->SetValue(ZRP_PC_FILE_TYPE, &csv);
    profile->HostRequest()->SetValue(ZRP_HOST_SOURCE_NAME, "QGPL/CUST(*FIRST)");
    std::string path = m_folder.File("cust.h2p");
    profile->SetFileName(path.c_str());

    ASSERT_TRUE(profile->Write());
    EXPECT_EQ(ParseIni(ReadFileBytes(path)), ParseIni(kAs400HostToPcFile));
    EXPECT_EQ(m_folder.List(), std::vector<std::string>{"cust.h2p"});
}

TEST_F(ProfileFileTest, EachProfileKindReadsBackTheValuesItWrote)
{
    struct Kind
    {
        int hostType, direction, transferType, pcFileType;
        const char* name;
    };
    const Kind kinds[] = {{ZRHOST_AS400, ZRDIR_HOST_TO_PC, ZRTT_DDS, PCFT_FMT, "QGPL/ORDERS()"},
                          {ZRHOST_AS400, ZRDIR_PC_TO_HOST, ZRTT_BINARY, PCFT_BINARY, "LIB/FILE(MBR)"},
                          {ZRHOST_S36, ZRDIR_HOST_TO_PC, ZRTT_PLAIN, PCFT_DIF, "CUSTFILE"},
                          {ZRHOST_S36, ZRDIR_PC_TO_HOST, ZRTT_CONVERSION, PCFT_EXCEL97, "FILE1"}};
    for (const Kind& kind : kinds)
    {
        SCOPED_TRACE(kind.name);
        auto profile = NewProfile(kind.hostType, kind.direction, kind.transferType);
        int values[][2] = {{ZRP_CHARACTER_SET, kind.direction == ZRDIR_HOST_TO_PC ? 1 : 3}, {ZRP_AUTO_CLOSE, 0}};
        for (auto& [id, value] : values)
            profile->General().Set(id, value);
        profile->PcRequest()->SetValue(ZRP_PC_FILE_NAME, "d:\\out\\file.dat");
        profile->PcRequest()->SetValue(ZRP_PC_FILE_TYPE, &kind.pcFileType);
        int no = 0, three = 3, create = 1, length = 120, records = 4711;
        profile->PcRequest()->SetValue(ZRP_REMOVE_BLANKS, &no);
        profile->PcRequest()->SetValue(ZRP_PC_WRITE_MODE, &three);
        profile->HostRequest()->SetValue(ZRP_PRESENTATION_SPACE_ID, "q");
        profile->HostRequest()->SetValue(ZRP_DESCRIPTION_FILE, "D:\\fmt\\orders.fmt");
        profile->HostRequest()->SetValue(
            kind.direction == ZRDIR_HOST_TO_PC ? ZRP_HOST_SOURCE_NAME : ZRP_HOST_TARGET_NAME, kind.name);
        profile->HostRequest()->SetValue(ZRP_HOST_WRITE_MODE, &create);
        profile->HostRequest()->SetValue(ZRP_RECORD_LENGTH, &length);
        profile->HostRequest()->SetValue(ZRP_NUMBER_OF_RECORDS, &records);
        std::string path = m_folder.File("kind.prf");
        profile->SetFileName(path.c_str());
        ASSERT_TRUE(profile->Write());

        BOOL read;
        auto copy = ReadProfile(path, true, &read);
        ASSERT_TRUE(read);
        EXPECT_EQ(Snapshot(*copy), Snapshot(*profile));
        EXPECT_EQ(TakeErrors(), std::vector<std::string>{});
    }
}

TEST_F(ProfileFileTest, KeywordsAreReadWithoutRegardToCase)
{
    std::string text = kAs400HostToPcFile;
    for (auto [from, to] : {std::pair{"HLLAPI", "hLLaPi"},
                            {"Host to PC", "HOST TO pc"},
                            {"AS/400", "as/400"},
                            {"EBCDIC to ANSI", "ebcdic TO ansi"},
                            {"Auto close=Yes", "Auto close=yES"},
                            {"Conversion", "CONVERSION"},
                            {"Data", "dATA"},
                            {"Create file", "create FILE"}})
        text.replace(text.find(from), strlen(from), to);
    BOOL read;
    auto profile = ReadProfile(WriteRaw("case.h2p", text), true, &read);
    ASSERT_TRUE(read);
    EXPECT_EQ(Snapshot(*profile), Snapshot(*ReadProfile(WriteRaw("plain.h2p", kAs400HostToPcFile), true, &read)));
    EXPECT_EQ(profile->General().Get(ZRP_CONNECTION_TYPE), ZRCONN_HLLAPI);
}

TEST_F(ProfileFileTest, MissingCharacterSetTakesTheDirectionsDefaultOnlyWhenLenient)
{
    for (auto [direction, expected] : {std::pair{ZRDIR_HOST_TO_PC, 2}, {ZRDIR_PC_TO_HOST, 4}})
    {
        std::string path = WrittenProfile(ZRHOST_AS400, direction, "charset.prf");
        SetProfileValue(path, "General", "Character set", nullptr);
        BOOL read;
        auto profile = ReadProfile(path, false, &read);
        ASSERT_TRUE(read) << direction;
        EXPECT_EQ(profile->General().Get(ZRP_CHARACTER_SET), expected);
        EXPECT_TRUE(profile->IsModified());
        EXPECT_EQ(TakeErrors(), std::vector<std::string>{DefaultedText("Character set")});

        ReadProfile(path, true, &read);
        EXPECT_FALSE(read);
        EXPECT_EQ(TakeErrors(), std::vector<std::string>{InvalidText("Character set")});
    }
}

TEST_F(ProfileFileTest, InvalidAutoCloseIsOnWhenLenientAndFailsWhenStrict)
{
    std::string path = ValidFileWith("Auto close", "Sometimes");
    BOOL read;
    auto profile = ReadProfile(path, false, &read);
    ASSERT_TRUE(read);
    EXPECT_EQ(profile->General().Get(ZRP_AUTO_CLOSE), 1);
    EXPECT_TRUE(profile->IsModified());
    EXPECT_EQ(TakeErrors(), std::vector<std::string>{DefaultedText("Auto close")});
    ReadProfile(path, true, &read);
    EXPECT_FALSE(read);
    EXPECT_EQ(TakeErrors(), std::vector<std::string>{InvalidText("Auto close")});
}

TEST_F(ProfileFileTest, KeysWithoutDefaultFailInBothModesAndStopTheSection)
{
    for (auto [key, value] : {std::pair{"Connection", "SNA"},
                              {"Direction", "Sideways"},
                              {"Host type", "AS/500"},
                              {"Transfer type", nullptr}})
    {
        for (bool strict : {false, true})
        {
            std::string path = ValidFileWith(key, value);
            // Later bad keys would be reported too if the section went on.
            if (strcmp(key, "Transfer type") != 0)
            {
                SetProfileValue(path, "General", "Auto close", "Bogus");
                SetProfileValue(path, "General", "Transfer type", "Bogus");
            }
            BOOL read;
            auto profile = ReadProfile(path, strict, &read);
            EXPECT_FALSE(read) << key;
            EXPECT_EQ(TakeErrors(), std::vector<std::string>{InvalidText(key)}) << key << (strict ? " strict" : "");
        }
    }
}

TEST_F(ProfileFileTest, UnknownCodesAreWrittenEmptyAndDoNotReadBack)
{
    auto profile = NewProfile(ZRHOST_AS400, ZRDIR_HOST_TO_PC, 0);
    std::string path = m_folder.File("zero.h2p");
    profile->SetFileName(path.c_str());
    ASSERT_TRUE(profile->Write());
    EXPECT_EQ(ParseIni(ReadFileBytes(path))[5], (IniLine{"General", "Transfer type", ""}));
    BOOL read;
    ReadProfile(path, false, &read);
    EXPECT_FALSE(read);
    EXPECT_EQ(TakeErrors(), std::vector<std::string>{InvalidText("Transfer type")});
}

TEST_F(ProfileFileTest, AFileInUseElsewhereCannotBeReadNorWritten)
{
    std::string path = WriteRaw("locked.h2p", kAs400HostToPcFile);
    OwnedFile other(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_NE(other.Get(), INVALID_HANDLE_VALUE);
    BOOL read;
    auto profile = ReadProfile(path, false, &read);
    EXPECT_FALSE(read);
    EXPECT_EQ(TakeErrors(), std::vector<std::string>{"Error ZRH012: Unable to open the file " + path +
                                                     ". Check that the file is not write-protected nor shared by "
                                                     "another application."});

    auto replacement = NewProfile(ZRHOST_S36, ZRDIR_PC_TO_HOST, ZRTT_BINARY);
    replacement->SetFileName(path.c_str());
    EXPECT_FALSE(replacement->Write());
    other.Reset();
    EXPECT_EQ(ReadFileBytes(path), kAs400HostToPcFile);
    EXPECT_EQ(m_folder.List(), std::vector<std::string>{"locked.h2p"});
}

TEST_F(ProfileFileTest, AnotherConnectionIsRefusedAndItsFileLeftAlone)
{
    const std::string sqlFile = "[General]\r\nConnection=TCP/IP\r\nDirection=Host to PC\r\nHost type=AS/400\r\n"
                                "Character set=EBCDIC to ANSI\r\nAuto close=Yes\r\nTransfer type=Conversion\r\n"
                                "[Host request]\r\nSystem name=SYS1\r\nSQL select1=A\r\nSQL from1=LIB/FILE(MBR)\r\n"
                                "[PC request]\r\nFilename=C:\\out.csv\r\nPC file type=CSV (Comma delimiter)\r\n"
                                "Remove blanks=Yes\r\nDecimal char is dot=Yes\r\nPC write mode=Create file\r\n";
    for (const char* connection : {"TCP/IP", "APPC"})
    {
        std::string text = sqlFile;
        text.replace(text.find("TCP/IP"), 6, connection);
        std::string path = WriteRaw("sql.h2p", text);
        for (bool strict : {false, true})
        {
            BOOL read;
            auto profile = ReadProfile(path, strict, &read);
            EXPECT_FALSE(read) << connection;
            EXPECT_FALSE(profile->IsModified());
            EXPECT_EQ(TakeErrors(), std::vector<std::string>{InvalidText("Connection")});
            EXPECT_FALSE(profile->Write());
        }
        EXPECT_EQ(ReadFileBytes(path), text);
    }
}

// A host part that writes its first key and then fails, as a full disk would.
class CFailingHostRequest : public CZRRequestPart
{
public:
    BOOL Write(const char* fileName) override
    {
        WritePrivateProfileStringA("Host request", "Presentation space ID", "A", fileName);
        return FALSE;
    }
    BOOL GetValue(int, void*) const override { return FALSE; }
    BOOL SetValue(int, const void*) override { return FALSE; }
    int GetSize(int) const override { return -1; }
    void Reset() override {}
    void SplitName(std::vector<std::string>&) const override {}
};

class CFailingProfile : public CZRProfileHllAPI
{
public:
    CFailingProfile() : CZRProfileHllAPI(ZRCONN_HLLAPI, ZRHOST_AS400, ZRDIR_HOST_TO_PC, ZRTT_PLAIN) {}
    BOOL CreateHostRequest() override { return SetHostRequest(new CFailingHostRequest, "test"); }
};

TEST_F(ProfileFileTest, AWriteFailingHalfWayLeavesTheOldFileWhole)
{
    std::string path = WriteRaw("keep.h2p", kAs400HostToPcFile);
    CFailingProfile profile;
    ASSERT_TRUE(profile.CreatePcRequest() && profile.CreateHostRequest());
    profile.SetFileName(path.c_str());
    EXPECT_FALSE(profile.Write());
    EXPECT_EQ(ReadFileBytes(path), kAs400HostToPcFile);
    EXPECT_EQ(m_folder.List(), std::vector<std::string>{"keep.h2p"});

    std::string fresh = m_folder.File("fresh.h2p");
    profile.SetFileName(fresh.c_str());
    EXPECT_FALSE(profile.Write());
    EXPECT_EQ(m_folder.List(), std::vector<std::string>{"keep.h2p"});
}

TEST_F(ProfileFileTest, RewritingReplacesTheWholeFile)
{
    std::string path = WriteRaw("over.h2p", std::string(kAs400HostToPcFile) + "[Extra]\r\nOld=1\r\n");
    BOOL read;
    auto profile = ReadProfile(path, true, &read);
    ASSERT_TRUE(read);
    ASSERT_TRUE(profile->Write());
    EXPECT_EQ(ParseIni(ReadFileBytes(path)), ParseIni(kAs400HostToPcFile));
    ASSERT_TRUE(profile->Write());
    EXPECT_EQ(m_folder.List(), std::vector<std::string>{"over.h2p"});
}

TEST_F(ProfileFileTest, RelativeNamesAreTakenFromTheCurrentFolder)
{
    char previous[MAX_PATH];
    GetCurrentDirectoryA(sizeof previous, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(m_folder.Path().c_str()));
    auto profile = NewProfile(ZRHOST_S36, ZRDIR_HOST_TO_PC, ZRTT_PLAIN);
    profile->HostRequest()->SetValue(ZRP_HOST_SOURCE_NAME, "FILE1");
    profile->SetFileName("relative.h2p");
    BOOL written = profile->Write();
    BOOL read;
    auto copy = ReadProfile("relative.h2p", true, &read);
    SetCurrentDirectoryA(previous);
    ASSERT_TRUE(written);
    EXPECT_EQ(m_folder.List(), std::vector<std::string>{"relative.h2p"});
    ASSERT_TRUE(read);
    EXPECT_EQ(Snapshot(*copy), Snapshot(*profile));
}

TEST_F(ProfileFileTest, ReadingAgainReplacesThePartsByTheNewFilesKinds)
{
    std::string first = WriteRaw("first.h2p", kAs400HostToPcFile);
    std::string second = WrittenProfile(ZRHOST_S36, ZRDIR_PC_TO_HOST, "second.p2h");
    BOOL read;
    auto other = ReadProfile(second, true, &read);
    ASSERT_TRUE(read);

    auto profile = ReadProfile(first, true, &read);
    ASSERT_TRUE(read);
    EXPECT_EQ(profile->HostRequest()->GetSize(ZRP_NUMBER_OF_RECORDS), -1);
    profile->SetFileName(second.c_str());
    ASSERT_TRUE(profile->Read());
    EXPECT_EQ(profile->HostRequest()->GetSize(ZRP_NUMBER_OF_RECORDS), 4);
    EXPECT_EQ(profile->PcRequest()->GetSize(ZRP_PC_WRITE_MODE), -1);
    EXPECT_EQ(Snapshot(*profile), Snapshot(*other));
}

TEST_F(ProfileFileTest, LenientReadingWithoutACurrentProfileStillWarns)
{
    std::string path = ValidFileWith("Auto close", nullptr);
    CZRProfileHllAPI profile(path.c_str());
    InstallProfileCallbacks(nullptr);
    ASSERT_TRUE(profile.Read());
    EXPECT_EQ(profile.General().Get(ZRP_AUTO_CLOSE), 1);
    EXPECT_EQ(TakeErrors(), std::vector<std::string>{DefaultedText("Auto close")});
}

TEST_F(ProfileFileTest, UnusedParametersAreResetBeforeWriting)
{
    struct Case
    {
        int hostType, pcFileType;
        const char* name;
        const char* description;
        int recordLength, numberOfRecords;
    };
    // AS/400 and System/36 PC-to-host profiles that create a host file (write mode 1) from a Data file.
    const Case cases[] = {{ZRHOST_AS400, PCFT_CSV, "L/F(M)", "C:\\d.fmt", 92, -1},
                          {ZRHOST_AS400, PCFT_BINARY, "L/F(M)", "C:\\d.fmt", 92, -1},
                          {ZRHOST_AS400, PCFT_TXT, "L/F(M)", "", 500, -1},
                          {ZRHOST_S36, PCFT_CSV, "FILE1", "C:\\d.fmt", 80, 50},
                          {ZRHOST_S36, PCFT_TXT, "FILE1", "", 500, 50},
                          {ZRHOST_S36, PCFT_CSV, "LIB1(MEM1)", "", 500, 1000}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.pcFileType));
        auto profile = NewProfile(c.hostType, ZRDIR_PC_TO_HOST, ZRTT_CONVERSION);
        int create = 1, length = 500, records = 50;
        profile->PcRequest()->SetValue(ZRP_PC_FILE_TYPE, &c.pcFileType);
        profile->HostRequest()->SetValue(ZRP_HOST_TARGET_NAME, c.name);
        profile->HostRequest()->SetValue(ZRP_HOST_WRITE_MODE, &create);
        profile->HostRequest()->SetValue(ZRP_DESCRIPTION_FILE, "C:\\d.fmt");
        profile->HostRequest()->SetValue(ZRP_RECORD_LENGTH, &length);
        profile->HostRequest()->SetValue(ZRP_NUMBER_OF_RECORDS, &records);
        std::string path = m_folder.File("reset.p2h");
        profile->SetFileName(path.c_str());
        ASSERT_TRUE(profile->Write());
        Lines lines = ParseIni(ReadFileBytes(path));
        auto value = [&lines](const char* key) {
            for (const IniLine& line : lines)
            {
                if (line.section == "Host request" && line.key == key)
                    return line.value;
            }
            return std::string("(none)");
        };
        EXPECT_EQ(value("Description file"), c.description);
        EXPECT_EQ(value("Record length"), std::to_string(c.recordLength));
        EXPECT_EQ(value("Number of records"), c.numberOfRecords < 0 ? "(none)" : std::to_string(c.numberOfRecords));
    }
}
}
