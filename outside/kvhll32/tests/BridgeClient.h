// Drives KVHLL32.dll through its `hllapi` entry as an HLLAPI program does, and prepares a host store of its
// own for each test (a copy of the sample store, with a scenario file when a test writes one).
#pragma once

#include "OwnedHandles.h"

#include <windows.h>

#include <string>
#include <vector>

namespace kvtest
{

using HllapiEntry = int(WINAPI*)(int*, char*, int*, int*);
using StatusEntry = int(WINAPI*)(char, int*);

// A temporary host store: a copy of the sample store in the program folder (or an empty one).
class TestStore
{
public:
    explicit TestStore(bool withSamples = true);
    ~TestStore();
    TestStore(const TestStore&) = delete;
    TestStore& operator=(const TestStore&) = delete;

    const std::string& Folder() const { return folder_; }
    std::string Path(const std::string& relative) const;
    void WriteScenario(const std::string& text) const;
    void WriteFile(const std::string& relative, const std::string& text) const;
    std::string ReadFile(const std::string& relative) const;
    bool Exists(const std::string& relative) const;
    std::vector<std::string> TraceLines() const;

private:
    std::string folder_;
};

class BridgeClient
{
public:
    explicit BridgeClient(const std::string& library = "KVHLL32.dll");
    BridgeClient(const BridgeClient&) = delete;
    BridgeClient& operator=(const BridgeClient&) = delete;

    bool Loaded() const { return hllapi_ != nullptr; }
    // One call; `length` and `word` come back as the bridge leaves them.
    int Call(int function, char* data, int& length, int& word);

    int Connect(char letter);
    void Disconnect();
    void ResetSystem();
    int SendKeys(const std::string& keys);
    int SetParameters(const std::string& text);
    int QueryCursor(int& row, int& column);
    int SetCursor(int row, int column);
    int Copy(int row, int column, int length, std::string& text);
    std::string Text(int row, int column, int length);
    int Put(int row, int column, const std::string& text);
    int Oia(std::string& block);
    // Start Host Notification for `letter`: the event whose handle value the block returns.
    int StartNotification(char letter, HANDLE& event);
    int QueryUpdate(char letter, int& flags);
    int Status(char letter, int& status);

    // Types the keys and waits as a session layer does: until an update with flag 0x100 and then one
    // with 0x200 arrived. FALSE when the wait ran out first.
    bool Press(const std::string& keys, DWORD timeoutMs = 3000);
    char Session() const { return session_; }

private:
    OwnedModule library_;
    HllapiEntry hllapi_ = nullptr;
    StatusEntry status_ = nullptr;
    char session_ = 'A';
};

// Upper-case hexadecimal of the bytes, two characters each.
std::string Hex(const std::string& bytes);
std::string FromHex(const std::string& hex);
// EBCDIC bytes as the PC's ASCII text (code page 037).
std::string Ansi(const std::string& ebcdic);
std::string Ebcdic(const std::string& ansi);

}  // namespace kvtest
