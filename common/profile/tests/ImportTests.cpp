// Import of a foreign profile's values into the request parts of a new profile.
#include "ProfileTestSupport.h"

#include "ZRCallbacks.h"
#include "ZRFtpProfileRecord.h"
#include "ZROwnedText.h"
#include "ZRProfileHllAPI.h"
#include "ZRTypeCodes.h"

namespace
{
class ImportTest : public ProfileTest
{
protected:
    static FtpProfileRecord Record(int hostSystem, int direction)
    {
        FtpProfileRecord record{};
        record.hostSystem = hostSystem;
        record.direction = direction;
        return record;
    }

    static void Name(FtpTransferValues& values, const char* library, const char* file, const char* member)
    {
        CopyBounded(values.library, sizeof values.library, library);
        CopyBounded(values.file, sizeof values.file, file);
        CopyBounded(values.member, sizeof values.member, member);
    }

    // A new profile of the record's host and direction, with both parts imported.
    std::unique_ptr<CZRProfileHllAPI> Import(const FtpProfileRecord& record)
    {
        auto profile = NewProfile(record.hostSystem, record.direction, ZRTT_CONVERSION);
        EXPECT_TRUE(profile->HostRequest()->ImportFtpProfile(record));
        EXPECT_TRUE(profile->PcRequest()->ImportFtpProfile(record));
        return profile;
    }

    static std::string Text(const CZRProfile& profile, int id)
    {
        for (auto& [valueId, text] : Snapshot(profile))
        {
            if (valueId == id)
                return text;
        }
        return "(none)";
    }

    static int Number(const CZRProfile& profile, int id)
    {
        return id < ZRP_PRESENTATION_SPACE_ID ? profile.PcRequest()->GetInt(id, -1)
                                              : profile.HostRequest()->GetInt(id, -1);
    }
};

TEST_F(ImportTest, As400HostToPc)
{
    FtpProfileRecord record = Record(FTPHOST_AS400, ZRDIR_HOST_TO_PC);
    FtpTransferValues& values = record.hostToPc;
    Name(values, "QGPL", "CUST", "*FIRST");
    values.sessionLetter = 'B';
    CopyBounded(values.pcFileName, MAX_PATH, "C:\\d\\c.csv");
    CopyBounded(values.descriptionFileName, MAX_PATH, "C:\\d\\c.fmt");
    values.fileType = FTPFT_DATA;
    values.conversion = FTPCONV_CSV;
    values.writeMode = FTPWM_REPLACE;
    // The other section is not the one of the direction.
    Name(record.pcToHost, "OTHER", "OTHER", "OTHER");
    record.pcToHost.writeMode = FTPWM_APPEND;

    auto profile = Import(record);
    EXPECT_EQ(Text(*profile, ZRP_HOST_SOURCE_NAME), "QGPL/CUST(*FIRST)");
    EXPECT_EQ(Text(*profile, ZRP_PRESENTATION_SPACE_ID), "B");
    EXPECT_EQ(Text(*profile, ZRP_DESCRIPTION_FILE), "C:\\d\\c.fmt");
    EXPECT_EQ(Number(*profile, ZRP_HOST_FILE_TYPE), ZRHFT_DATA);
    EXPECT_EQ(Text(*profile, ZRP_PC_FILE_NAME), "C:\\d\\c.csv");
    EXPECT_EQ(Number(*profile, ZRP_PC_FILE_TYPE), PCFT_CSV);
    EXPECT_EQ(Number(*profile, ZRP_PC_WRITE_MODE), ZRPCWM_REPLACE);

    values.fileType = FTPFT_DDS;
    profile = Import(record);
    EXPECT_EQ(Text(*profile, ZRP_HOST_SOURCE_NAME), "QGPL/CUST()");
    EXPECT_EQ(Number(*profile, ZRP_HOST_FILE_TYPE), ZRHFT_DATA);
    EXPECT_EQ(Number(*profile, ZRP_PC_FILE_TYPE), PCFT_FMT);

    values.fileType = FTPFT_SOURCE;
    values.writeMode = FTPWM_NEW;
    profile = Import(record);
    EXPECT_EQ(Number(*profile, ZRP_HOST_FILE_TYPE), ZRHFT_SOURCE);
    EXPECT_EQ(Number(*profile, ZRP_PC_WRITE_MODE), ZRPCWM_CREATE);
}

TEST_F(ImportTest, As400PcToHost)
{
    FtpProfileRecord record = Record(FTPHOST_AS400, ZRDIR_PC_TO_HOST);
    FtpTransferValues& values = record.pcToHost;
    Name(values, "LIB", "FILE", "MBR");
    CopyBounded(values.pcFileName, MAX_PATH, "C:\\in.txt");
    values.conversion = FTPCONV_TXT;
    values.fileType = FTPFT_SOURCE;
    values.sourceRecordLength = 112;
    values.textRecordLength = 300;
    CopyBounded(record.hostToPc.pcFileName, MAX_PATH, "C:\\wrong.txt");

    const int modes[][2] = {{FTPWM_CREATE, ZRHWM_CREATE_FILE},
                            {FTPWM_REPLACE, ZRHWM_REPLACE_MEMBER},
                            {FTPWM_APPEND, ZRHWM_APPEND_MEMBER},
                            {FTPWM_NEW, ZRHWM_CREATE_MEMBER},
                            {0, ZRHWM_REPLACE_MEMBER}};
    for (auto [foreign, mode] : modes)
    {
        values.writeMode = foreign;
        auto profile = Import(record);
        EXPECT_EQ(Number(*profile, ZRP_HOST_WRITE_MODE), mode) << foreign;
    }
    auto profile = Import(record);
    EXPECT_EQ(Text(*profile, ZRP_HOST_TARGET_NAME), "LIB/FILE(MBR)");
    EXPECT_EQ(Number(*profile, ZRP_HOST_FILE_TYPE), ZRHFT_SOURCE);
    EXPECT_EQ(Number(*profile, ZRP_RECORD_LENGTH), 112);
    EXPECT_EQ(Text(*profile, ZRP_PC_FILE_NAME), "C:\\in.txt");
    EXPECT_EQ(Number(*profile, ZRP_PC_FILE_TYPE), PCFT_TXT);

    values.fileType = FTPFT_DATA;
    profile = Import(record);
    EXPECT_EQ(Number(*profile, ZRP_RECORD_LENGTH), 300);
}

TEST_F(ImportTest, System36HostToPc)
{
    FtpProfileRecord record = Record(FTPHOST_S36, ZRDIR_HOST_TO_PC);
    FtpTransferValues& values = record.hostToPc;
    Name(values, "LIB1", "LIB1", "MEM1");
    values.sessionLetter = 'D';
    values.fileType = FTPFT_MEMBER_SOURCE;
    values.conversion = FTPCONV_DIF;
    auto profile = Import(record);
    EXPECT_EQ(Text(*profile, ZRP_HOST_SOURCE_NAME), "LIB1(MEM1)");
    EXPECT_EQ(Number(*profile, ZRP_HOST_FILE_TYPE), ZRHFT_MEMBER_SOURCE);
    EXPECT_EQ(Text(*profile, ZRP_PRESENTATION_SPACE_ID), "D");
    EXPECT_EQ(Number(*profile, ZRP_PC_FILE_TYPE), PCFT_DIF);
    EXPECT_TRUE(profile->HostRequest()->IsMemberName());

    values.fileType = FTPFT_MEMBER_PROCEDURE;
    EXPECT_EQ(Number(*Import(record), ZRP_HOST_FILE_TYPE), ZRHFT_MEMBER_PROCEDURE);

    // A source file of a System/36 imports as a data file.
    Name(values, "CUSTFILE", "CUSTFILE", "");
    values.fileType = FTPFT_SOURCE;
    profile = Import(record);
    EXPECT_EQ(Text(*profile, ZRP_HOST_SOURCE_NAME), "CUSTFILE");
    EXPECT_EQ(Number(*profile, ZRP_HOST_FILE_TYPE), ZRHFT_DATA);
    EXPECT_FALSE(profile->HostRequest()->IsMemberName());
}

TEST_F(ImportTest, System36PcToHost)
{
    FtpProfileRecord record = Record(FTPHOST_S36, ZRDIR_PC_TO_HOST);
    FtpTransferValues& values = record.pcToHost;
    Name(values, "LIB1", "LIB1", "MEM1");
    values.fileType = FTPFT_MEMBER_SOURCE;
    values.recordLength = 96;
    values.sourceRecordLength = 120;
    values.textRecordLength = 256;
    values.numberOfRecords = 50;
    values.writeMode = FTPWM_CREATE;
    auto profile = Import(record);
    EXPECT_EQ(Text(*profile, ZRP_HOST_TARGET_NAME), "LIB1(MEM1)");
    EXPECT_EQ(Number(*profile, ZRP_HOST_WRITE_MODE), ZRHWM_CREATE_MEMBER);
    EXPECT_EQ(Number(*profile, ZRP_RECORD_LENGTH), 96);
    EXPECT_EQ(Number(*profile, ZRP_NUMBER_OF_RECORDS), 50);
    for (int mode : {FTPWM_REPLACE, FTPWM_APPEND, FTPWM_NEW})
    {
        values.writeMode = mode;
        EXPECT_EQ(Number(*Import(record), ZRP_HOST_WRITE_MODE), ZRHWM_REPLACE_MEMBER) << mode;
    }

    Name(values, "FILE1", "FILE1", "");
    values.fileType = FTPFT_DATA;
    for (int mode : {FTPWM_CREATE, FTPWM_REPLACE, FTPWM_APPEND})
    {
        values.writeMode = mode;
        profile = Import(record);
        EXPECT_EQ(Number(*profile, ZRP_HOST_WRITE_MODE), mode);
        EXPECT_EQ(Text(*profile, ZRP_HOST_TARGET_NAME), "FILE1");
        EXPECT_EQ(Number(*profile, ZRP_RECORD_LENGTH), 256);
    }
    values.fileType = FTPFT_SOURCE;
    EXPECT_EQ(Number(*Import(record), ZRP_RECORD_LENGTH), 120);
}

TEST_F(ImportTest, ConversionCodesGiveThePcFileTypes)
{
    const int types[] = {0,        PCFT_TXT, PCFT_DLM, PCFT_BINARY, PCFT_CSV, PCFT_TAB, PCFT_PRN,
                         PCFT_DIF, PCFT_DBF, PCFT_WKQ, PCFT_WKS,    PCFT_XLS, PCFT_TXT};
    int off = 0;
    m_options.SetValue(ZRO_REMOVE_BLANKS, &off);
    for (int direction : {ZRDIR_HOST_TO_PC, ZRDIR_PC_TO_HOST})
    {
        for (int code = FTPCONV_TXT; code <= FTPCONV_TRIM_SPACES; ++code)
        {
            FtpProfileRecord record = Record(FTPHOST_AS400, direction);
            record.hostToPc.conversion = record.pcToHost.conversion = code;
            auto profile = Import(record);
            EXPECT_EQ(Number(*profile, ZRP_PC_FILE_TYPE), types[code]) << code;
            // Trimming spaces means removing blanks, on the way to the PC only.
            bool trims = code == FTPCONV_TRIM_SPACES && direction == ZRDIR_HOST_TO_PC;
            EXPECT_EQ(Number(*profile, ZRP_REMOVE_BLANKS), trims ? 1 : 0) << code;
        }
    }
}

TEST_F(ImportTest, ValuesTheForeignProfileDoesNotSetStayAsTheyWere)
{
    for (int host : {FTPHOST_AS400, FTPHOST_S36})
    {
        for (int direction : {ZRDIR_HOST_TO_PC, ZRDIR_PC_TO_HOST})
        {
            auto fresh = NewProfile(host, direction, ZRTT_CONVERSION);
            EXPECT_EQ(Snapshot(*Import(Record(host, direction))), Snapshot(*fresh));
        }
    }
    EXPECT_EQ(TakeErrors(), std::vector<std::string>{});
}
}
