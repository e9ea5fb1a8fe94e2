// The host libraries against the scripted fake bridge, for host answers the simulated hosts never give: a System/36
// reader whose next buffer stays on reply code '6' gives up at the DDS time-out, and an AS/400 host that answers
// every key with another pending reply does not hold Close for ever.
#include "ErrorSinkCapture.h"
#include "FakeBridgeControl.h"
#include "FakeCallerTables.h"
#include "OwnedHandles.h"
#include "TempProgramFolder.h"
#include "ZRContracts.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace
{
std::string g_programFolder;

BOOL ZRTAPI FakeFolderEnvString(int kind, void* destination)
{
    if (kind == ZRENV_PROGRAM_FOLDER)
        std::strcpy(static_cast<char*>(destination), g_programFolder.c_str());
    return TRUE;
}

template <typename Proc>
Proc Entry(HMODULE module, const char* name)
{
    return reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

int CountKeys(HMODULE bridge, const char* keys)
{
    char log[16384];
    Entry<FakeBridgeLogProc>(bridge, "FakeBridgeLog")(log, sizeof log);
    const std::string text = std::string(" ") + log + " ";
    const std::string wanted = std::string(" 3:") + keys + " ";
    int count = 0;
    for (std::size_t at = text.find(wanted); at != std::string::npos; at = text.find(wanted, at + 1))
        ++count;
    return count;
}

// The keys sent since the log had `from` characters (the keys of a reader's end of dialog hold no blanks).
std::vector<std::string> KeysSince(HMODULE bridge, std::size_t from)
{
    char log[16384];
    const auto length = static_cast<std::size_t>(Entry<FakeBridgeLogProc>(bridge, "FakeBridgeLog")(log, sizeof log));
    std::vector<std::string> keys;
    std::istringstream calls(std::string(log, length).substr(from));
    std::string call;
    while (calls >> call)
    {
        if (call.rfind("3:", 0) == 0)
            keys.push_back(call.substr(2));
    }
    return keys;
}

std::size_t LogLength(HMODULE bridge)
{
    char log[16384];
    return static_cast<std::size_t>(Entry<FakeBridgeLogProc>(bridge, "FakeBridgeLog")(log, sizeof log));
}
}

TEST(HostReader, AFullBufferMarkedLastIsTheEndOfTheData)
{
    // A host that marks a full last buffer '+' sends nothing after it: the reader asks for nothing more, and Close
    // ends the dialog with Enter (then System/36 ends FT36 with "X").
    const struct
    {
        const char* library;
        int hostType;
        const char* name;
        const char* ready;
        const char* replies[3];
        std::vector<std::string> closing;
    } cases[] = {
        {"Zrtas400.dll", ZRHOST_AS400, "QGPL/QCLSRC(BIG)", "", {"+  000002  0880", "               ", ""}, {"@E"}},
        {"Zrts36.dll",
         ZRHOST_S36,
         "FILE1",
         " *",
         {" * 000002  0880", "+* 000002  0880", " *             "},
         {"@E", "X", "@E"}}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.library);
        g_programFolder = TempProgramFolder::BuildProgramFolder() + "\\fakebridge";
        const OwnedModule bridge(LoadLibraryA((g_programFolder + "\\KVHLL32.DLL").c_str()));
        const OwnedModule library(LoadLibraryA((TempProgramFolder::BuildProgramFolder() + "\\" + c.library).c_str()));
        ASSERT_NE(nullptr, bridge.Get());
        ASSERT_NE(nullptr, library.Get());
        Entry<FakeBridgeResetProc>(bridge.Get(), "FakeBridgeReset")();
        const auto put = Entry<FakeBridgePutProc>(bridge.Get(), "FakeBridgePut");
        const auto onKey = Entry<FakeBridgeOnKeyProc>(bridge.Get(), "FakeBridgeOnKey");
        // The transfer program runs; typing goes to row 23, away from the reply line. Two records of 880
        // characters fill the data area.
        put(1, 71, "KVFT001");
        put(1, 3, c.ready);
        Entry<FakeBridgeSetCursorProc>(bridge.Get(), "FakeBridgeSetCursor")(22 * 80 + 1);
        for (int key = 0; key < 3; ++key)
        {
            if (*c.replies[key])
                onKey(key + 1, 1, 3, c.replies[key]);
        }

        ErrorSinkCapture errors;
        CFakeCallerTables tables(c.hostType, ZRDIR_HOST_TO_PC);
        tables.Set(ZRP_HOST_SOURCE_NAME, c.name);
        tables.Set(ZRP_HOST_FILE_TYPE, c.hostType == ZRHOST_AS400 ? ZRHFT_SOURCE : ZRHFT_DATA);
        EnvironmentCallbacks environment = *tables.EnvironmentTable();
        environment.GetEnvString = FakeFolderEnvString;
        auto create = Entry<ZRTCreateDataSourceProc>(library.Get(), ZRT_CREATE_OBJECT_EXPORT);
        DataSourceFunctions* source = nullptr;
        ASSERT_TRUE(create(tables.ProfileTable(), errors.Sink(), tables.OptionTable(), &environment, &source, TRUE));
        ASSERT_TRUE(source->Connect());
        ASSERT_TRUE(source->Open(nullptr)) << errors.Texts().size();
        const std::size_t opened = LogLength(bridge.Get());
        int records = 0;
        DSField field;
        while (!source->EndOfData() && records < 3 && source->GetField(&field) && source->NextField())
            ++records;
        EXPECT_EQ(2, records);
        EXPECT_TRUE(KeysSince(bridge.Get(), opened).empty());
        const std::size_t read = LogLength(bridge.Get());
        EXPECT_TRUE(source->Close());
        EXPECT_EQ(c.closing, KeysSince(bridge.Get(), read));
        EXPECT_EQ(0u, errors.Count());
        source->Disconnect();
    }
}

// A count or record length with a foreign character in it is a damaged reply line: taking the digits before it
// would end the data early or cut the records, so the read is refused with a message instead.
TEST(HostReader, AReplyWhoseNumbersAreDamagedIsRefused)
{
    const struct
    {
        const char* library;
        int hostType;
        const char* name;
        const char* ready;
        const char* replies[3];
    } cases[] = {{"Zrtas400.dll", ZRHOST_AS400, "QGPL/QCLSRC(BIG)", "", {"+  00000?  0880", "", ""}},
                 {"Zrtas400.dll", ZRHOST_AS400, "QGPL/QCLSRC(BIG)", "", {"+  000002  08?0", "", ""}},
                 {"Zrts36.dll", ZRHOST_S36, "FILE1", " *", {" * 00000?  0880", "+* 000002  0880", " *             "}},
                 {"Zrts36.dll", ZRHOST_S36, "FILE1", " *", {" * 000002  0880", "+* 000002  08%0", " *             "}}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.library) + " " + c.replies[0] + " " + c.replies[1]);
        g_programFolder = TempProgramFolder::BuildProgramFolder() + "\\fakebridge";
        const OwnedModule bridge(LoadLibraryA((g_programFolder + "\\KVHLL32.DLL").c_str()));
        const OwnedModule library(LoadLibraryA((TempProgramFolder::BuildProgramFolder() + "\\" + c.library).c_str()));
        ASSERT_NE(nullptr, bridge.Get());
        ASSERT_NE(nullptr, library.Get());
        Entry<FakeBridgeResetProc>(bridge.Get(), "FakeBridgeReset")();
        const auto put = Entry<FakeBridgePutProc>(bridge.Get(), "FakeBridgePut");
        put(1, 71, "KVFT001");
        put(1, 3, c.ready);
        Entry<FakeBridgeSetCursorProc>(bridge.Get(), "FakeBridgeSetCursor")(22 * 80 + 1);
        for (int key = 0; key < 3; ++key)
        {
            if (*c.replies[key])
                Entry<FakeBridgeOnKeyProc>(bridge.Get(), "FakeBridgeOnKey")(key + 1, 1, 3, c.replies[key]);
        }

        ErrorSinkCapture errors;
        CFakeCallerTables tables(c.hostType, ZRDIR_HOST_TO_PC);
        tables.Set(ZRP_HOST_SOURCE_NAME, c.name);
        tables.Set(ZRP_HOST_FILE_TYPE, c.hostType == ZRHOST_AS400 ? ZRHFT_SOURCE : ZRHFT_DATA);
        EnvironmentCallbacks environment = *tables.EnvironmentTable();
        environment.GetEnvString = FakeFolderEnvString;
        auto create = Entry<ZRTCreateDataSourceProc>(library.Get(), ZRT_CREATE_OBJECT_EXPORT);
        DataSourceFunctions* source = nullptr;
        ASSERT_TRUE(create(tables.ProfileTable(), errors.Sink(), tables.OptionTable(), &environment, &source, TRUE));
        ASSERT_TRUE(source->Connect());
        bool read = source->Open(nullptr);
        DSField field;
        for (int records = 0; read && !source->EndOfData() && records < 3; ++records)
            read = source->GetField(&field) && source->NextField();
        EXPECT_FALSE(read) << "the damaged reply was taken";
        EXPECT_GE(errors.Count(), 1u);
        source->Close();
        source->Disconnect();
    }
}

TEST(S36Reader, ReplyCodeSixEndsAtTheDdsTimeOut)
{
    g_programFolder = TempProgramFolder::BuildProgramFolder() + "\\fakebridge";
    const OwnedModule bridge(LoadLibraryA((g_programFolder + "\\KVHLL32.DLL").c_str()));
    const OwnedModule library(LoadLibraryA((TempProgramFolder::BuildProgramFolder() + "\\Zrts36.dll").c_str()));
    ASSERT_NE(nullptr, bridge.Get());
    ASSERT_NE(nullptr, library.Get());
    Entry<FakeBridgeResetProc>(bridge.Get(), "FakeBridgeReset")();
    const auto put = Entry<FakeBridgePutProc>(bridge.Get(), "FakeBridgePut");
    const auto onKey = Entry<FakeBridgeOnKeyProc>(bridge.Get(), "FakeBridgeOnKey");
    // FT36 runs; typing goes to row 23, away from the reply line. One record of 1000 characters per buffer.
    put(1, 3, " *");
    Entry<FakeBridgeSetCursorProc>(bridge.Get(), "FakeBridgeSetCursor")(22 * 80 + 1);
    onKey(1, 1, 3, " * 000002  1000");
    onKey(2, 1, 3, "** 000002  1000");
    onKey(3, 1, 3, "6* 000002  1000");

    ErrorSinkCapture errors;
    CFakeCallerTables tables(ZRHOST_S36, ZRDIR_HOST_TO_PC);
    tables.SetOption(ZRO_HLLAPI_TIMEOUT_DDS, 1);
    tables.Set(ZRP_HOST_SOURCE_NAME, "FILE1");
    EnvironmentCallbacks environment = *tables.EnvironmentTable();
    environment.GetEnvString = FakeFolderEnvString;
    auto create = Entry<ZRTCreateDataSourceProc>(library.Get(), ZRT_CREATE_OBJECT_EXPORT);
    DataSourceFunctions* source = nullptr;
    ASSERT_TRUE(create(tables.ProfileTable(), errors.Sink(), tables.OptionTable(), &environment, &source, TRUE));

    ASSERT_TRUE(source->Connect());
    ASSERT_TRUE(source->Open(nullptr)) << errors.Texts().size();
    DSField field;
    ASSERT_TRUE(source->GetField(&field));
    const DWORD start = GetTickCount();
    EXPECT_FALSE(source->NextField());
    const DWORD elapsed = GetTickCount() - start;
    EXPECT_GE(elapsed, 1000u);
    EXPECT_LT(elapsed, 3000u);
    ASSERT_EQ(1u, errors.Count());
    EXPECT_EQ(0u, errors.Texts()[0].rfind("Error ZRS033:", 0)) << errors.Texts()[0];
    source->Close();
    source->Disconnect();
}

TEST(As400Close, AHostThatKeepsReplyingIsGivenUpOn)
{
    g_programFolder = TempProgramFolder::BuildProgramFolder() + "\\fakebridge";
    const OwnedModule bridge(LoadLibraryA((g_programFolder + "\\KVHLL32.DLL").c_str()));
    const OwnedModule library(LoadLibraryA((TempProgramFolder::BuildProgramFolder() + "\\Zrtas400.dll").c_str()));
    ASSERT_NE(nullptr, bridge.Get());
    ASSERT_NE(nullptr, library.Get());
    Entry<FakeBridgeResetProc>(bridge.Get(), "FakeBridgeReset")();
    // KVRFT runs and shows a last buffer, whatever is pressed.
    const auto put = Entry<FakeBridgePutProc>(bridge.Get(), "FakeBridgePut");
    put(1, 71, "KVFT001");
    put(1, 3, "+  000001  0010");

    ErrorSinkCapture errors;
    CFakeCallerTables tables(ZRHOST_AS400, ZRDIR_HOST_TO_PC);
    EnvironmentCallbacks environment = *tables.EnvironmentTable();
    environment.GetEnvString = FakeFolderEnvString;
    auto create = Entry<ZRTCreateDataSourceProc>(library.Get(), ZRT_CREATE_OBJECT_EXPORT);
    DataSourceFunctions* source = nullptr;
    ASSERT_TRUE(create(tables.ProfileTable(), errors.Sink(), tables.OptionTable(), &environment, &source, TRUE));
    ASSERT_TRUE(source->Connect());
    EXPECT_FALSE(source->Close());
    EXPECT_EQ(16, CountKeys(bridge.Get(), "@E"));
    ASSERT_EQ(1u, errors.Count());
    EXPECT_EQ(0u, errors.Texts()[0].rfind("Error ZRT003:", 0)) << errors.Texts()[0];
    source->Disconnect();
}
