#include "SqlTestSupport.h"
#include "FakeCallerTables.h"

#include "OwnedHandles.h"
#include "ZRCallbacks.h"
#include "ZRErrorHandling.h"
#include "ZRProfile.h"
#include "ZRProfileContext.h"
#include "ZRSqlProfiles.h"

const char kAppcHostToPcProfile[] = "[General]\r\n"
                                    "Connection=APPC\r\n"
                                    "Direction=Host to PC\r\n"
                                    "Host type=AS/400\r\n"
                                    "Character set=EBCDIC to ANSI\r\n"
                                    "Auto close=Yes\r\n"
                                    "Transfer type=Conversion\r\n"
                                    "[Host request]\r\n"
                                    "System name=SYS1\r\n"
                                    "SQL select 1=*\r\n"
                                    "SQL from 1=LIB/FILE(MBR)\r\n"
                                    "SQL where 1=@@\r\n"
                                    "SQL join 1=\r\n"
                                    "SQL group by 1=\r\n"
                                    "SQL having 1=@@\r\n"
                                    "SQL order by 1=\r\n"
                                    "SQL user defined1 1=@SELECT *@\r\n"
                                    "SQL user defined2 1=@@\r\n"
                                    "[PC request]\r\n"
                                    "Filename=C:\\data\\out.csv\r\n"
                                    "PC file type=CSV (Comma delimiter)\r\n"
                                    "Remove blanks=No\r\n"
                                    "Decimal char is dot=Yes\r\n"
                                    "PC write mode=Create file\r\n";

const char kAppcPcToHostProfile[] = "[General]\r\n"
                                    "Connection=APPC\r\n"
                                    "Direction=PC to Host\r\n"
                                    "Host type=AS/400\r\n"
                                    "Character set=ANSI to EBCDIC\r\n"
                                    "Auto close=Yes\r\n"
                                    "Transfer type=Conversion\r\n"
                                    "[Host request]\r\n"
                                    "System name=SYS1\r\n"
                                    "SQL replace 1=*\r\n"
                                    "SQL into=LIB/FILE(MBR)\r\n"
                                    "SQL reffile=LIB/REF\r\n"
                                    "Host file type=Data\r\n"
                                    "Host write mode=Replace host member\r\n"
                                    "Record length=92\r\n"
                                    "File text=Customers\r\n"
                                    "Member text=This year\r\n"
                                    "Authority=Read/Write\r\n"
                                    "[PC request]\r\n"
                                    "Filename=C:\\data\\in.csv\r\n"
                                    "PC file type=CSV (Comma delimiter)\r\n"
                                    "Remove blanks=No\r\n"
                                    "Decimal char is dot=Yes\r\n";

const char kMemoryError[] =
    "Error ZRG012: Memory allocation error. Close other Windows applications, restart ZRT, and try again.";

CSqlScratchFolder::CSqlScratchFolder()
{
    char temporary[MAX_PATH];
    GetTempPathA(sizeof temporary, temporary);
    static int counter = 0;
    do
    {
        m_path = std::string(temporary) + "zrt-sql-" + std::to_string(GetCurrentProcessId()) + "-" +
                 std::to_string(++counter);
    } while (!CreateDirectoryA(m_path.c_str(), nullptr));
}

CSqlScratchFolder::~CSqlScratchFolder()
{
    WIN32_FIND_DATAA data;
    OwnedFind find(FindFirstFileA((m_path + "\\*").c_str(), &data));
    if (find)
    {
        do
        {
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileA(File(data.cFileName).c_str());
        } while (FindNextFileA(find.Get(), &data));
    }
    RemoveDirectoryA(m_path.c_str());
}

void SetHostValue(const std::string& path, const char* key, const char* value)
{
    SetProfileValue(path, "Host request", key, value);
}

void SqlProfileTest::SetUp()
{
    InstallErrorContext();
    ClearErrorList();
    InstallOptionsCallbacks(&m_options);
    SetStrictProfileReading(TRUE);
}

void SqlProfileTest::TearDown()
{
    InstallProfileCallbacks(nullptr);
    InstallOptionsCallbacks(nullptr);
    ClearErrorList();
}

std::string SqlProfileTest::WriteProfile(const char* text, const char* connection, const char* name)
{
    std::string path = m_folder.File(name);
    WriteFileBytes(path, text);
    if (connection != nullptr)
        SetProfileValue(path, "General", "Connection", connection);
    return path;
}

std::unique_ptr<CZRProfile> SqlProfileTest::ReadProfile(const std::string& path, BOOL* read)
{
    char connection[81];
    GetPrivateProfileStringA("General", "Connection", "", connection, sizeof connection, path.c_str());
    CZRProfile* made = nullptr;
    EXPECT_EQ(MakeSqlProfile(connection, path.c_str(), &made), ZRSqlProfileResult::Made) << connection;
    std::unique_ptr<CZRProfile> profile(made);
    if (profile == nullptr)
    {
        *read = FALSE;
        return profile;
    }
    InstallProfileCallbacks(profile.get());
    *read = profile->Read();
    return profile;
}

void SqlProfileTest::ExpectReadFails(const std::string& path, const std::vector<std::string>& messages)
{
    BOOL read = TRUE;
    ReadProfile(path, &read);
    EXPECT_FALSE(read);
    EXPECT_EQ(TakeErrors(), messages);
}

std::unique_ptr<CZRProfile> SqlProfileTest::ExpectReads(const std::string& path)
{
    BOOL read = FALSE;
    std::unique_ptr<CZRProfile> profile = ReadProfile(path, &read);
    EXPECT_TRUE(read);
    EXPECT_EQ(TakeErrors(), std::vector<std::string>());
    return profile;
}

std::vector<std::string> SqlProfileTest::TakeErrors()
{
    return TakeErrorListTexts();
}

std::string InvalidEntry(const char* key)
{
    return std::string("Error ZRG005: Unable to open the profile because the '") + key +
           "' entry is invalid. Fix the profile in the ZRT interface.";
}

std::string HostText(const CZRProfile& profile, int id)
{
    const CZRRequestPart* host = profile.HostRequest();
    int size = host->GetSize(id);
    if (size <= 0)
        return "<not an item: " + std::to_string(id) + ">";
    std::string value(size, '\x7f');
    EXPECT_TRUE(host->GetValue(id, value.data()));
    EXPECT_EQ(value.back(), '\0') << "id " << id;
    return value.substr(0, size - 1);
}

int HostNumber(const CZRProfile& profile, int id)
{
    int value = -12345;
    EXPECT_TRUE(profile.HostRequest()->GetValue(id, &value)) << "id " << id;
    return value;
}
