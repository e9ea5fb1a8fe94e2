#include "StandInTestSupport.h"

#include "DataSourceDriver.h"
#include "HostRecordText.h"
#include "ZRCallbacks.h"
#include "ZRProfile.h"

#include <windows.h>

#include <fstream>

namespace
{
// A host part that holds only the statement, as the SQL profiles' parts offer it.
class CStatementPart : public CZRRequestPart
{
public:
    explicit CStatementPart(const char* statement) : m_hasStatement(statement != nullptr)
    {
        if (statement)
            m_statement = statement;
    }
    BOOL GetValue(int id, void* destination) const override
    {
        if (!Owns(id))
            return FALSE;
        memcpy(destination, m_statement.c_str(), m_statement.size() + 1);
        return TRUE;
    }
    BOOL SetValue(int id, const void* source) override
    {
        if (!Owns(id))
            return FALSE;
        m_statement = static_cast<const char*>(source);
        return TRUE;
    }
    int GetSize(int id) const override { return Owns(id) ? static_cast<int>(m_statement.size()) + 1 : -1; }
    void Reset() override { m_statement.clear(); }
    void SplitName(std::vector<std::string>& parts) const override { parts.clear(); }

private:
    bool Owns(int id) const { return m_hasStatement && id == ZRP_SQL_STATEMENT; }

    std::string m_statement;
    bool m_hasStatement;
};

class CStatementProfile : public CZRProfile
{
public:
    CStatementProfile(int direction, const char* statement)
        : CZRProfile(ZRCONN_APPC, ZRHOST_AS400, direction, ZRTT_CONVERSION), m_statement(statement)
    {
    }
    BOOL CreateHostRequest() override { return SetHostRequest(new CStatementPart(m_statement), "test"); }
    BOOL IsParameterUsed(int) override { return FALSE; }
    void ResetUnusedParameters() override {}

private:
    const char* m_statement;
};

std::string ItemsRecord(const char* number, const char* name, const char* price, const char* quantity)
{
    return std::string(number) + name + price + quantity + "\r\n";
}
}

std::string ToEbcdic(const std::string& text)
{
    std::string bytes;
    for (char c : text)
        bytes += static_cast<char>(EbcdicOfPrintable(c));
    return bytes;
}

std::string FromEbcdic(const std::string& bytes)
{
    std::string text;
    for (char byte : bytes)
    {
        char found = '?';
        for (char c = 0x20; c < 0x7F; ++c)
        {
            if (EbcdicOfPrintable(c) == static_cast<unsigned char>(byte))
                found = c;
        }
        text += found;
    }
    return text;
}

TestHostStore::TestHostStore(const std::string& folder) : m_path(folder)
{
    CreateDirectoryA(m_path.c_str(), nullptr);
    Write("AS400\\TLIB\\ITEMS.INI", "[File]\r\nType=DATA\r\nText=Items\r\n\r\n[Members]\r\nCURRENT=This year\r\n"
                                    "OLD=Last year\r\nEMPTY=\r\n");
    Write("AS400\\TLIB\\ITEMS.FMT", "ITEMNO    P00500Item number                                       \r\n"
                                    "NAME      A01000Item name\r\n"
                                    "PRICE     S00702Unit price                                        \r\n"
                                    "QTY       B00400Quantity                                          \r\n");
    Write("AS400\\TLIB\\ITEMS\\CURRENT.MBR",
          ItemsRecord("\\12\\34\\5F", "Bolt      ", "\\F0\\F0\\F0\\F1\\F2\\F5\\F0", "\\00\\64") +
              ItemsRecord("\\00\\00\\7D", "Nut & Co.\\40", "\\F0\\F0\\F0\\F0\\F0\\F0\\D5", "\\FF\\FD"));
    Write("AS400\\TLIB\\ITEMS\\OLD.MBR",
          ItemsRecord("\\00\\00\\1F", "Washer    ", "\\F0\\F0\\F0\\F0\\F0\\F1\\F0", "\\00\\00"));
    Write("AS400\\TLIB\\QSRC.INI", "[File]\r\nType=SOURCE\r\nRecordLength=20\r\n[Members]\r\nPGM=A program\r\n");
    Write("AS400\\TLIB\\QSRC\\PGM.MBR", "\\F0\\F0\\F0\\F1\\F0\\F0\\F2\\F5\\F0\\F1\\F0\\F1PGM\r\n");
}

void TestHostStore::Write(const std::string& relativePath, const std::string& text) const
{
    size_t start = 0;
    for (size_t slash; (slash = relativePath.find('\\', start)) != std::string::npos; start = slash + 1)
        CreateDirectoryA((m_path + "\\" + relativePath.substr(0, slash)).c_str(), nullptr);
    const std::string path = m_path + "\\" + relativePath;
    std::ofstream(path, std::ios::binary) << text;
    // The INI functions may hold an older copy of the file.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
}

void PrintTo(const StandInField& field, std::ostream* out)
{
    *out << field.name << " type " << field.type << " length " << field.length << " decimals " << field.decimals;
}

StandInTest::StandInTest() : m_tables(ZRHOST_AS400, ZRDIR_HOST_TO_PC), m_store(m_folder.PathOf("store"))
{
    m_folder.CopyFromBuild("Zrtappc.dll", "Zrtappc.dll");
    m_folder.CopyFromBuild("Zrttcp.dll", "Zrttcp.dll");
    SetEnvironmentVariableA("ZRT_HOST_DIR", m_store.Path().c_str());
}

StandInTest::~StandInTest()
{
    SetEnvironmentVariableA("ZRT_HOST_DIR", nullptr);
}

StandInRun StandInTest::Run(const char* library, const char* statement, int direction)
{
    CStatementProfile profile(direction, statement);
    profile.CreatePcRequest();
    profile.CreateHostRequest();
    InstallProfileCallbacks(&profile);
    m_errors.Clear();

    StandInRun run;
    DataSourceDriver driver(m_folder.PathOf(library));
    EXPECT_TRUE(driver.IsLoaded()) << library;
    run.created = driver.Create({m_tables.ProfileTable(), m_errors.Sink(), m_tables.OptionTable(),
                                 m_tables.EnvironmentTable()}) != FALSE;
    if (run.created)
    {
        DataSourceFunctions* host = driver.Table();
        run.connected = host->Connect();
        DSRecordLayout* layout = nullptr;
        run.opened = run.connected && host->Open(nullptr) && host->GetRecordLayout(&layout);
        if (run.opened)
        {
            for (int i = 0; i < layout->count; ++i)
            {
                const DSField& field = layout->fields[i];
                run.fields.push_back({field.name, field.type, field.length, field.decimals});
            }
            bool ok = true;
            std::vector<std::string> record;
            DSField field{};
            while (ok && !host->EndOfData())
            {
                // The value lies in the record buffer, which the NextField ending a record fills anew.
                ok = host->GetField(&field);
                if (ok)
                    record.push_back(FromEbcdic(std::string(field.value, field.length)));
                if (record.size() == static_cast<size_t>(layout->count))
                {
                    run.records.push_back(record);
                    record.clear();
                }
                ok = ok && host->NextField();
            }
            run.loopDone = ok && record.empty();
        }
        run.recordCount = host->GetRecordCount();
        if (run.connected)
        {
            run.closed = host->Close();
            run.disconnected = host->Disconnect();
        }
    }
    run.errors = m_errors.Texts();
    InstallProfileCallbacks(&m_tables.Profile());
    return run;
}

std::vector<std::string> StandInTest::LogLines(const char* library) const
{
    std::string name = library;
    name = name.substr(0, name.find('.')) + ".log";
    std::vector<std::string> lines;
    std::ifstream in(m_folder.PathOf(name.c_str()));
    for (std::string line; std::getline(in, line);)
    {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}
