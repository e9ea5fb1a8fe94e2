#include "ProfileTestSupport.h"
#include "FakeCallerTables.h"

#include "OwnedHandles.h"
#include "ZRCallbacks.h"
#include "ZRErrorHandling.h"
#include "ZRProfileContext.h"
#include "ZRProfileHllAPI.h"

#include <cstring>

CScratchFolder::CScratchFolder()
{
    char temporary[MAX_PATH];
    GetTempPathA(sizeof temporary, temporary);
    static int counter = 0;
    for (;;)
    {
        m_path = std::string(temporary) + "zrt-profile-" + std::to_string(GetCurrentProcessId()) + "-" +
                 std::to_string(++counter);
        if (CreateDirectoryA(m_path.c_str(), nullptr))
            break;
    }
}

CScratchFolder::~CScratchFolder()
{
    for (const std::string& name : List())
        DeleteFileA(File(name.c_str()).c_str());
    RemoveDirectoryA(m_path.c_str());
}

std::vector<std::string> CScratchFolder::List() const
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    const OwnedFind find(FindFirstFileA((m_path + "\\*").c_str(), &data));
    if (!find)
        return names;
    do
    {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.emplace_back(data.cFileName);
    } while (FindNextFileA(find.Get(), &data));
    return names;
}

std::vector<IniLine> ParseIni(const std::string& text)
{
    std::vector<IniLine> lines;
    std::istringstream in(text);
    std::string line, section;
    while (std::getline(in, line))
    {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        if (line.front() == '[' && line.back() == ']')
        {
            section = line.substr(1, line.size() - 2);
            continue;
        }
        size_t equals = line.find('=');
        lines.push_back({section, line.substr(0, equals), equals == std::string::npos ? "" : line.substr(equals + 1)});
    }
    return lines;
}

void PrintTo(const IniLine& line, std::ostream* out)
{
    *out << "[" << line.section << "] " << line.key << "=" << line.value;
}

void ProfileTest::SetUp()
{
    InstallErrorContext();
    ClearErrorList();
    InstallOptionsCallbacks(&m_options);
    SetStrictProfileReading(FALSE);
    SetProfileNameWarningId(IDS_ZR_NAME_INVALID_DESK);
}

void ProfileTest::TearDown()
{
    InstallProfileCallbacks(nullptr);
    InstallOptionsCallbacks(nullptr);
    ClearErrorList();
}

std::vector<std::string> ProfileTest::TakeErrors()
{
    return TakeErrorListTexts();
}

std::string InvalidText(const char* key)
{
    return std::string("Error ZRH005: Unable to open the profile because the '") + key +
           "' entry is invalid. Use the ZRT Wizard to create a new profile.";
}

std::string DefaultedText(const char* key)
{
    return std::string("Warning ZRH018: Either the entry '") + key +
           "' could not be read from the profile or it is invalid. The default value will be used.";
}

std::string NameWarningText(const char* key)
{
    return std::string("Warning ZRH019: Either the entry '") + key +
           "' could not be read from the profile or it is invalid.";
}

std::unique_ptr<CZRProfileHllAPI> NewProfile(int hostType, int direction, int transferType)
{
    auto profile = std::make_unique<CZRProfileHllAPI>(ZRCONN_HLLAPI, hostType, direction, transferType);
    EXPECT_TRUE(profile->CreatePcRequest());
    EXPECT_TRUE(profile->CreateHostRequest());
    return profile;
}

std::unique_ptr<CZRProfileHllAPI> ReadProfile(const std::string& path, bool strict, BOOL* read)
{
    auto profile = std::make_unique<CZRProfileHllAPI>(path.c_str());
    InstallProfileCallbacks(profile.get());
    SetStrictProfileReading(strict);
    *read = profile->Read();
    return profile;
}

std::vector<std::pair<int, std::string>> Snapshot(const CZRProfile& profile)
{
    std::vector<std::pair<int, std::string>> values;
    for (int id = ZRP_CONNECTION_TYPE; id <= ZRP_TRANSFER_TYPE; ++id)
        values.emplace_back(id, std::to_string(profile.General().Get(id)));
    auto add = [&values](int id, int size, auto get) {
        if (size < 0)
            return;
        std::string text(size + sizeof(int), '\0');
        get(text.data());
        bool isText = id == ZRP_PC_FILE_NAME || (id >= ZRP_DESCRIPTION_FILE && id <= ZRP_HOST_TARGET_NAME);
        if (id == ZRP_PRESENTATION_SPACE_ID)
            values.emplace_back(id, text.substr(0, 1));
        else if (isText)
            values.emplace_back(id, text.c_str());
        else
        {
            int number;
            memcpy(&number, text.data(), sizeof number);
            values.emplace_back(id, std::to_string(number));
        }
    };
    for (int id = ZRP_PC_FILE_NAME; id <= ZRP_DECIMAL_CHAR_IS_DOT; ++id)
        add(id, profile.PcRequest()->GetSize(id), [&](void* out) { profile.PcRequest()->GetValue(id, out); });
    for (int id = ZRP_PRESENTATION_SPACE_ID; id <= ZRP_NUMBER_OF_RECORDS; ++id)
        add(id, profile.HostRequest()->GetSize(id), [&](void* out) { profile.HostRequest()->GetValue(id, out); });
    return values;
}

const char kAs400HostToPcFile[] = "[General]\r\n"
                                  "Connection=HLLAPI\r\n"
                                  "Direction=Host to PC\r\n"
                                  "Host type=AS/400\r\n"
                                  "Character set=EBCDIC to ANSI\r\n"
                                  "Auto close=Yes\r\n"
                                  "Transfer type=Conversion\r\n"
                                  "[Host request]\r\n"
                                  "Presentation space ID=A\r\n"
                                  "Host file type=Data\r\n"
                                  "Description file=\r\n"
                                  "SQL from=QGPL/CUST(*FIRST)\r\n"
                                  "[PC request]\r\n"
                                  "Filename=C:\\data\\cust.csv\r\n"
                                  "PC file type=CSV (Comma delimiter)\r\n"
                                  "Remove blanks=Yes\r\n"
                                  "Decimal char is dot=Yes\r\n"
                                  "PC write mode=Create file\r\n";
