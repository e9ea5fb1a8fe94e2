// A program loads the data-source libraries and the bridge for each transfer and frees them afterwards: a long
// profile list must not use up what the process has once per load, such as its 1,088 thread-local storage slots.
#include "HostStore.h"
#include "ManagerTestBed.h"
#include "OwnedHandles.h"
#include "TempProgramFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace
{
// How many thread-local storage slots the process can still take.
int FreeTlsSlots()
{
    std::vector<DWORD> taken;
    for (DWORD slot = TlsAlloc(); slot != TLS_OUT_OF_INDEXES; slot = TlsAlloc())
        taken.push_back(slot);
    for (DWORD slot : taken)
        TlsFree(slot);
    return static_cast<int>(taken.size());
}

// The bridge stays loaded while its timing thread runs down; waits until it is gone.
bool WaitUntilUnloaded(const char* library)
{
    const ULONGLONG deadline = GetTickCount64() + 10000;
    while (GetModuleHandleA(library))
    {
        if (GetTickCount64() > deadline)
            return false;
        Sleep(1);
    }
    return true;
}

using HllapiProc = int(WINAPI*)(int*, char*, int*, int*);

int CallBridge(HllapiProc hllapi, int function, char* data, int length)
{
    int returnCode = 0;
    hllapi(&function, data, &length, &returnCode);
    return returnCode;
}

// Loads the bridge, connects to the AS/400 session, signs on as a data source does, and frees the bridge.
void UseBridgeOnce(const std::string& path)
{
    const OwnedModule bridge(LoadLibraryA(path.c_str()));
    ASSERT_NE(nullptr, bridge.Get());
    auto hllapi = reinterpret_cast<HllapiProc>(reinterpret_cast<void*>(GetProcAddress(bridge.Get(), "hllapi")));
    ASSERT_NE(nullptr, hllapi);
    char sessions[16 * 26] = {};
    EXPECT_EQ(0, CallBridge(hllapi, 10, sessions, sizeof(sessions)));
    char session[] = "A";
    EXPECT_EQ(0, CallBridge(hllapi, 1, session, 1));
    char keys[] = "@E";
    CallBridge(hllapi, 3, keys, 2);
    CallBridge(hllapi, 2, session, 1);
}

// One manager object for one transfer, as a program runs one profile.
bool RunOneTransfer(ManagerTestBed& bed)
{
    bool done = bed.Create() && bed.Manager().RunTransfer(nullptr);
    bed.Release();
    return done;
}
}

TEST(RepeatedLoad, TheBridgeGivesBackWhatEachLoadTook)
{
    TempProgramFolder store;
    UseCopyOfSampleStore(store.Path() + "\\host");
    const std::string bridge = TempProgramFolder::BuildProgramFolder() + "\\KVHLL32.dll";
    UseBridgeOnce(bridge);
    ASSERT_TRUE(WaitUntilUnloaded("KVHLL32.dll"));
    const int slots = FreeTlsSlots();
    for (int cycle = 0; cycle < 1200 && !HasFatalFailure(); ++cycle)
        UseBridgeOnce(bridge);
    ASSERT_TRUE(WaitUntilUnloaded("KVHLL32.dll"));
    EXPECT_EQ(slots, FreeTlsSlots());
    SetEnvironmentVariableA("ZRT_HOST_DIR", nullptr);
}

// Many small transfers in one session, as Zrtbatch runs a long profile list: the manager loads the host data
// source, Zrtpcfile and the bridge for each and frees them afterwards.
TEST(RepeatedLoad, TransfersThroughTheManagerLeaveTheProcessAsItWas)
{
    std::string csv;
    for (int direction : {ZRDIR_HOST_TO_PC, ZRDIR_PC_TO_HOST})
    {
        SCOPED_TRACE(direction);
        ManagerTestBed bed(direction, ZRHOST_AS400, ZRTT_CONVERSION);
        FakeSourceFolder& folder = bed.Folder();
        folder.InstallFromBuild("Zrtas400.dll", "ZRTAS400.DLL");
        folder.InstallFromBuild("Zrtpcfile.dll", "ZRTPCFILE.DLL");
        folder.InstallFromBuild("KVHLL32.dll", "KVHLL32.DLL");
        UseCopyOfSampleStore(folder.File("host"));
        CFakeCallerTables& tables = bed.Tables();
        tables.Set(ZRP_PRESENTATION_SPACE_ID, "A");
        tables.Set(ZRP_PC_FILE_NAME, folder.File("customer.csv").c_str());
        if (direction == ZRDIR_HOST_TO_PC)
        {
            tables.Set(ZRP_HOST_SOURCE_NAME, "QGPL/CUSTOMER(CUSTOMER)");
            tables.Set(ZRP_PC_WRITE_MODE, ZRPCWM_REPLACE);
        }
        else
        {
            std::ofstream(folder.File("customer.csv"), std::ios::binary) << csv;
            tables.Set(ZRP_HOST_TARGET_NAME, "QGPL/CUSTOMER(BACK)");
            tables.Set(ZRP_HOST_WRITE_MODE, ZRHWM_CREATE_MEMBER);
        }
        ASSERT_TRUE(RunOneTransfer(bed)) << ::testing::PrintToString(bed.Errors().Texts());
        ASSERT_TRUE(WaitUntilUnloaded("KVHLL32.DLL"));
        const int slots = FreeTlsSlots();
        for (int transfer = 0; transfer < 40; ++transfer)
        {
            if (direction == ZRDIR_PC_TO_HOST)
                tables.Set(ZRP_HOST_WRITE_MODE, ZRHWM_REPLACE_MEMBER);
            ASSERT_TRUE(RunOneTransfer(bed)) << transfer;
        }
        ASSERT_TRUE(WaitUntilUnloaded("KVHLL32.DLL"));
        EXPECT_EQ(nullptr, GetModuleHandleA("ZRTAS400.DLL"));
        EXPECT_EQ(nullptr, GetModuleHandleA("ZRTPCFILE.DLL"));
        EXPECT_EQ(slots, FreeTlsSlots());
        SetEnvironmentVariableA("ZRT_HOST_DIR", nullptr);
        std::ifstream written(folder.File("customer.csv"), std::ios::binary);
        csv.assign(std::istreambuf_iterator<char>(written), std::istreambuf_iterator<char>());
    }
}
