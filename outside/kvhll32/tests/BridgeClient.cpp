#include "BridgeClient.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "CodePage037.h"
#include "HostValue.h"

namespace fs = std::filesystem;

namespace kvtest
{
namespace
{

std::string ProgramFolder()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    return fs::path(path).parent_path().string();
}

}  // namespace

TestStore::TestStore(bool withSamples)
{
    static int serial = 0;
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    folder_ = (fs::path(temp) / ("kvhll32-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial)))
                  .string();
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    if (withSamples)
    {
        fs::copy(fs::path(ProgramFolder()) / "host", folder_, fs::copy_options::recursive);
        fs::remove(fs::path(folder_) / "SCENARIO.INI");
    }
    SetEnvironmentVariableA("ZRT_HOST_DIR", folder_.c_str());
}

TestStore::~TestStore()
{
    SetEnvironmentVariableA("ZRT_HOST_DIR", nullptr);
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

std::string TestStore::Path(const std::string& relative) const
{
    return (fs::path(folder_) / relative).string();
}

void TestStore::WriteScenario(const std::string& text) const
{
    WriteFile("SCENARIO.INI", text);
}

void TestStore::WriteFile(const std::string& relative, const std::string& text) const
{
    fs::create_directories(fs::path(Path(relative)).parent_path());
    std::ofstream out(Path(relative), std::ios::binary | std::ios::trunc);
    out << text;
}

std::string TestStore::ReadFile(const std::string& relative) const
{
    std::ifstream in(Path(relative), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool TestStore::Exists(const std::string& relative) const
{
    return fs::exists(Path(relative));
}

std::vector<std::string> TestStore::TraceLines() const
{
    std::vector<std::string> lines;
    std::istringstream in(ReadFile("trace.log"));
    std::string line;
    while (std::getline(in, line))
    {
        if (!line.empty() && line.back() == '\r')
        {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

BridgeClient::BridgeClient(const std::string& library)
{
    library_.Reset(LoadLibraryA(library.c_str()));
    if (library_)
    {
        hllapi_ = reinterpret_cast<HllapiEntry>(reinterpret_cast<void*>(GetProcAddress(library_.Get(), "hllapi")));
        status_ = reinterpret_cast<StatusEntry>(
            reinterpret_cast<void*>(GetProcAddress(library_.Get(), "KVRGetStatus")));
    }
}

int BridgeClient::Call(int function, char* data, int& length, int& word)
{
    return hllapi_(&function, data, &length, &word);
}

int BridgeClient::Connect(char letter)
{
    char data[4] = {letter, 0, 0, 0};
    int length = 1;
    int word = 0;
    session_ = letter;
    return Call(1, data, length, word);
}

void BridgeClient::Disconnect()
{
    int function = 2;
    hllapi_(&function, nullptr, nullptr, nullptr);
}

void BridgeClient::ResetSystem()
{
    int function = 21;
    hllapi_(&function, nullptr, nullptr, nullptr);
}

int BridgeClient::SendKeys(const std::string& keys)
{
    std::string data = keys;
    int length = static_cast<int>(data.size());
    int word = 0;
    return Call(3, data.data(), length, word);
}

int BridgeClient::SetParameters(const std::string& text)
{
    std::string data = text;
    int length = static_cast<int>(data.size());
    int word = 0;
    return Call(9, data.data(), length, word);
}

int BridgeClient::QueryCursor(int& row, int& column)
{
    int length = 0;
    int word = 0;
    int rc = Call(7, nullptr, length, word);
    row = (length - 1) / 80 + 1;
    column = (length - 1) % 80 + 1;
    return rc;
}

int BridgeClient::SetCursor(int row, int column)
{
    int length = 0;
    int word = (row - 1) * 80 + column;
    return Call(40, nullptr, length, word);
}

int BridgeClient::Copy(int row, int column, int length, std::string& text)
{
    std::string buffer(static_cast<size_t>(length) + 1, '\0');
    int word = (row - 1) * 80 + column;
    int count = length;
    int rc = Call(8, buffer.data(), count, word);
    text = buffer.substr(0, static_cast<size_t>(length));
    return rc;
}

std::string BridgeClient::Text(int row, int column, int length)
{
    std::string text;
    Copy(row, column, length, text);
    return text;
}

int BridgeClient::Put(int row, int column, const std::string& text)
{
    std::string data = text;
    int length = static_cast<int>(data.size());
    int word = (row - 1) * 80 + column;
    return Call(15, data.data(), length, word);
}

int BridgeClient::Oia(std::string& block)
{
    block.assign(104, '\x7F');
    int length = 104;
    int word = 0;
    return Call(13, block.data(), length, word);
}

int BridgeClient::StartNotification(char letter, HANDLE& event)
{
    char block[16];
    std::memset(block, ' ', sizeof block);
    block[0] = letter;
    block[4] = 'A';
    block[12] = 'B';
    int length = 16;
    int word = 0;
    int rc = Call(23, block, length, word);
    uint32_t value = 0;
    std::memcpy(&value, block + 8, sizeof value);
    event = reinterpret_cast<HANDLE>(static_cast<uintptr_t>(value));
    return rc;
}

int BridgeClient::QueryUpdate(char letter, int& flags)
{
    char data[4] = {letter, 0, 0, 0};
    int length = 4;
    int word = 0;
    int rc = Call(24, data, length, word);
    flags = length;
    return rc;
}

int BridgeClient::Status(char letter, int& status)
{
    status = 0x800;
    return status_ ? status_(letter, &status) : -1;
}

bool BridgeClient::Press(const std::string& keys, DWORD timeoutMs)
{
    HANDLE event = nullptr;
    if (StartNotification(session_, event) != 0 || SendKeys(keys) != 0)
    {
        return false;
    }
    DWORD start = GetTickCount();
    bool locked = false;
    while (GetTickCount() - start < timeoutMs)
    {
        if (WaitForSingleObject(event, 20) != WAIT_OBJECT_0)
        {
            std::string oia;
            Oia(oia);
            continue;
        }
        int flags = 0;
        int rc = QueryUpdate(session_, flags);
        if (rc == 21 || rc == 23)
        {
            locked = locked || (flags & 0x100) != 0;
            if (locked && (flags & 0x200))
            {
                return true;
            }
        }
    }
    return false;
}

std::string Hex(const std::string& bytes)
{
    return kvhll::HexEncode(bytes);
}

std::string FromHex(const std::string& hex)
{
    std::string bytes;
    kvhll::HexDecode(hex, bytes);
    return bytes;
}

std::string Ansi(const std::string& ebcdic)
{
    return kvhll::EbcdicToAnsi(ebcdic);
}

std::string Ebcdic(const std::string& ansi)
{
    return kvhll::AnsiToEbcdic(ansi);
}

}  // namespace kvtest
