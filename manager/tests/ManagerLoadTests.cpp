// Choice and loading of the data-source libraries, the refresh of both sides before a transfer, and the
// operations on sides that are not loaded.
#include "ImportPatch.h"
#include "ManagerTestSupport.h"

#include <gtest/gtest.h>
#include <gmock/gmock.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace
{
const char kZRM007[] = "Error ZRM007: The PC file type specified in the profile is incorrect. Use the ZRT Wizard to "
                       "create a new profile.";
const char kZRM008[] = "Error ZRM008: The host type specified in the profile is incorrect. Use the ZRT Wizard to "
                       "create a new profile.";
const char kZRM009[] = "Error ZRM009: The connection type specified in the profile is incorrect. Use the ZRT Wizard "
                       "to create a new profile.";

std::string ZRM006(const std::string& path)
{
    return "Error ZRM006: The Data Transfer Manager failed to load " + path + ". Reinstall the software.";
}

// The libraries of the fake that were asked to make a data source.
std::vector<std::string> Created(const std::vector<std::string>& log)
{
    std::vector<std::string> created;
    for (const std::string& line : log)
        if (line.find(" create ") != std::string::npos)
            created.push_back(line);
    return created;
}

struct HostChoice
{
    int connection;
    int hostType;
    const char* library;  // null: refused with `error`
    const char* error;
};

int g_libraryLoads = 0;

HMODULE WINAPI CountingLoadLibrary(const char* path)
{
    ++g_libraryLoads;
    return LoadLibraryA(path);
}

const char* const kHostLibraries[] = {"ZRTAPPC.DLL", "ZRTTCP.DLL", "ZRTAS400.DLL", "ZRTS36.DLL"};
const char* const kPcLibraries[] = {"ZRTVOID.DLL",      "ZRTRAWFILE.DLL", "ZRTPCFILE.DLL",
                                    "ZRTFIELDSPEC.DLL", "ZRTJETDB.DLL",   "ZRTEXCEL.DLL"};
}

TEST(ManagerLoad, HostLibraryFollowsConnectionAndHostType)
{
    const HostChoice choices[] = {
        {ZRCONN_APPC, ZRHOST_AS400, "ZRTAPPC create replace=0", nullptr},
        {ZRCONN_TCPIP, ZRHOST_S36, "ZRTTCP create replace=0", nullptr},
        {ZRCONN_HLLAPI, ZRHOST_AS400, "ZRTAS400 create replace=0", nullptr},
        {ZRCONN_HLLAPI, ZRHOST_S36, "ZRTS36 create replace=0", nullptr},
        {ZRCONN_HLLAPI, 3, nullptr, kZRM008},
        {4, ZRHOST_AS400, nullptr, kZRM009},
    };
    for (const HostChoice& choice : choices)
    {
        SCOPED_TRACE(testing::Message() << "connection " << choice.connection << " host " << choice.hostType);
        ManagerTestBed bed;
        for (const char* library : kHostLibraries)
            bed.Folder().InstallFake(library);
        ASSERT_TRUE(bed.Tables().Set(ZRP_CONNECTION_TYPE, choice.connection));
        ASSERT_TRUE(bed.Tables().Set(ZRP_HOST_TYPE, choice.hostType));
        ASSERT_TRUE(bed.Create());

        EXPECT_EQ(choice.library != nullptr, bed.Manager().LoadHost() != FALSE);

        EXPECT_EQ(Notes{Step(1)}, bed.Notifications());
        if (choice.library)
        {
            EXPECT_THAT(Created(bed.Folder().Log()), ElementsAre(choice.library));
            EXPECT_EQ(0u, bed.Errors().Count());
        }
        else
        {
            EXPECT_THAT(bed.Folder().Log(), IsEmpty());
            const std::vector<CapturedError> errors = bed.Errors().Records();
            ASSERT_EQ(1u, errors.size());
            EXPECT_EQ("ZRManager", errors[0].source);
            EXPECT_EQ(choice.error, errors[0].text);
        }
    }
}

TEST(ManagerLoad, PcLibraryFollowsPcFileType)
{
    const char* expected[20] = {};
    expected[1] = "ZRTVOID";
    expected[2] = "ZRTRAWFILE";
    for (int type = 3; type <= 14; ++type)
        expected[type] = "ZRTPCFILE";
    expected[15] = "ZRTFIELDSPEC";
    expected[16] = expected[17] = "ZRTJETDB";
    expected[18] = expected[19] = "ZRTEXCEL";
    for (int type = 0; type <= 20; ++type)
    {
        SCOPED_TRACE(testing::Message() << "PC file type " << type);
        ManagerTestBed bed;
        for (const char* library : kPcLibraries)
            bed.Folder().InstallFake(library);
        ASSERT_TRUE(bed.Tables().Set(ZRP_PC_FILE_TYPE, type));
        ASSERT_TRUE(bed.Create());

        const char* library = type < 20 ? expected[type] : nullptr;
        EXPECT_EQ(library != nullptr, bed.Manager().LoadPc() != FALSE);
        EXPECT_EQ(Notes{Step(2)}, bed.Notifications());
        if (library)
            EXPECT_THAT(Created(bed.Folder().Log()), ElementsAre(std::string(library) + " create replace=1"));
        else
            EXPECT_THAT(bed.Errors().Texts(), ElementsAre(kZRM007));
    }
}

TEST(ManagerLoad, MissingLibraryIsReportedWithItsFullPath)
{
    ManagerTestBed bed;
    ASSERT_TRUE(bed.Create());
    EXPECT_FALSE(bed.Manager().LoadHost());
    EXPECT_EQ(Notes{Step(1)}, bed.Notifications());
    const std::vector<CapturedError> errors = bed.Errors().Records();
    ASSERT_EQ(1u, errors.size());
    EXPECT_EQ("ZRManager", errors[0].source);
    EXPECT_EQ(ZRM006(bed.Folder().File("ZRTAS400.DLL")), errors[0].text);
    bed.Errors().Clear();

    // The PC library is loaded when the transfer opens.
    bed.Folder().InstallFake("ZRTAS400.DLL");
    ASSERT_TRUE(bed.Manager().StartHost());
    bed.Recorder().Clear();
    EXPECT_FALSE(bed.Manager().Transfer(nullptr));
    EXPECT_THAT(bed.Errors().Texts(), ElementsAre(ZRM006(bed.Folder().File("ZRTPCFILE.DLL"))));
    EXPECT_EQ((Notes{Step(8), Step(12)}), bed.Notifications());
}

TEST(ManagerLoad, LibraryWithoutFactoryIsReportedAndFreed)
{
    ManagerTestBed bed;
    bed.Folder().InstallWithoutFactory("ZRTAS400.DLL");
    bed.Folder().InstallWithoutFactory("ZRTHOSTVIEW.DLL");
    ASSERT_TRUE(bed.Create());

    EXPECT_FALSE(bed.Manager().LoadHost());
    EXPECT_FALSE(bed.Manager().StartBrowser());

    EXPECT_THAT(bed.Errors().Texts(),
                ElementsAre(ZRM006(bed.Folder().File("ZRTAS400.DLL")), ZRM006(bed.Folder().File("ZRTHOSTVIEW.DLL"))));
    EXPECT_FALSE(IsLoaded(bed.Folder().File("ZRTAS400.DLL")));
    EXPECT_FALSE(IsLoaded(bed.Folder().File("ZRTHOSTVIEW.DLL")));
    EXPECT_EQ((Notes{Step(1), Step(3)}), bed.Notifications());
}

TEST(ManagerLoad, HostLibraryStaysLoadedAfterAFailingFactoryUntilUnload)
{
    ManagerTestBed bed;
    bed.Folder().InstallFake("ZRTAS400.DLL");
    bed.Folder().WriteScenario(HostSection(0, "Fail=Factory\n"));
    ASSERT_TRUE(bed.Create());

    EXPECT_FALSE(bed.Manager().LoadHost());
    EXPECT_THAT(bed.Errors().Texts(), ElementsAre("FAKE ZRTAS400 Factory failed"));
    EXPECT_TRUE(IsLoaded(bed.Folder().File("ZRTAS400.DLL")));

    EXPECT_TRUE(bed.Manager().UnloadHost());
    EXPECT_FALSE(IsLoaded(bed.Folder().File("ZRTAS400.DLL")));
}

TEST(ManagerLoad, LoadingASideAgainKeepsOneReference)
{
    ManagerTestBed bed;
    InstallHostAndPc(bed, HostSection(0), PcSection());
    ASSERT_TRUE(bed.Create());
    ASSERT_TRUE(bed.Manager().LoadHost());
    ASSERT_TRUE(bed.Manager().LoadHost());
    ASSERT_TRUE(bed.Manager().LoadPc());
    ASSERT_TRUE(bed.Manager().LoadPc());

    EXPECT_TRUE(bed.Manager().UnloadHost());
    EXPECT_TRUE(bed.Manager().UnloadPc());
    EXPECT_FALSE(IsLoaded(bed.Folder().File("ZRTAS400.DLL")));
    EXPECT_FALSE(IsLoaded(bed.Folder().File("ZRTPCFILE.DLL")));
}

TEST(ManagerLoad, PcTypeOfTheSameGroupRecreatesTheDataSourceWithoutLoadingAgain)
{
    ManagerTestBed bed;
    InstallHostAndPc(bed, HostSection(0), PcSection());
    ASSERT_TRUE(bed.Tables().Set(ZRP_PC_FILE_TYPE, PCFT_TAB));
    ASSERT_TRUE(bed.Create());
    ASSERT_TRUE(bed.Manager().StartHost());
    ASSERT_TRUE(bed.Manager().Transfer(nullptr));
    const HMODULE loaded = GetModuleHandleA(bed.Folder().File("ZRTPCFILE.DLL").c_str());
    bed.Folder().ClearLog();

    ASSERT_TRUE(bed.Tables().Set(ZRP_PC_FILE_TYPE, PCFT_DBF));
    {
        ImportPatch patch(ManagerLibrary(), "KERNEL32.dll", "LoadLibraryA",
                          reinterpret_cast<void*>(CountingLoadLibrary));
        ASSERT_TRUE(patch.Applied());
        g_libraryLoads = 0;
        ASSERT_TRUE(bed.Manager().Transfer(nullptr));
        EXPECT_EQ(0, g_libraryLoads);
    }

    EXPECT_THAT(bed.Folder().Log("ZRTPCFILE"), ElementsAre("Disconnect", "create replace=1", "Connect", "Open cancel=0",
                                                           "SetRecordLayout fields=2", "EndOfData", "Close"));
    EXPECT_EQ(loaded, GetModuleHandleA(bed.Folder().File("ZRTPCFILE.DLL").c_str()));
    // One reference only: unloading really unloads.
    EXPECT_TRUE(bed.Manager().UnloadPc());
    EXPECT_FALSE(IsLoaded(bed.Folder().File("ZRTPCFILE.DLL")));
}

TEST(ManagerLoad, PcTypeOfAnotherGroupSwapsTheLibrary)
{
    ManagerTestBed bed;
    InstallHostAndPc(bed, HostSection(0), PcSection() + "[ZRTEXCEL]\nSide=pc\n");
    bed.Folder().InstallFake("ZRTEXCEL.DLL");
    ASSERT_TRUE(bed.Tables().Set(ZRP_PC_FILE_TYPE, PCFT_TAB));
    ASSERT_TRUE(bed.Create());
    ASSERT_TRUE(bed.Manager().StartHost());
    ASSERT_TRUE(bed.Manager().Transfer(nullptr));
    bed.Folder().ClearLog();

    ASSERT_TRUE(bed.Tables().Set(ZRP_PC_FILE_TYPE, PCFT_EXCEL70));
    ASSERT_TRUE(bed.Manager().Transfer(nullptr));

    EXPECT_THAT(bed.Folder().Log("ZRTPCFILE"), ElementsAre("Disconnect", "detach"));
    EXPECT_THAT(bed.Folder().Log("ZRTEXCEL"), ElementsAre("attach", "create replace=0", "Connect", "Open cancel=0",
                                                          "SetRecordLayout fields=2", "EndOfData", "Close"));
    EXPECT_FALSE(IsLoaded(bed.Folder().File("ZRTPCFILE.DLL")));
}

TEST(ManagerLoad, InvalidPcTypeFailsTheOpenAndStillCloses)
{
    ManagerTestBed bed;
    InstallHostAndPc(bed, HostSection(0), PcSection());
    ASSERT_TRUE(bed.Create());
    ASSERT_TRUE(bed.Manager().StartHost());
    ASSERT_TRUE(bed.Manager().Transfer(nullptr));
    bed.Folder().ClearLog();
    bed.Recorder().Clear();

    ASSERT_TRUE(bed.Tables().Set(ZRP_PC_FILE_TYPE, 25));
    ASSERT_TRUE(bed.Manager().TransferAsync(nullptr));

    EXPECT_EQ(0, bed.WaitForRequestDone());
    EXPECT_EQ((Notes{Step(8), Step(12), Done(0)}), bed.Notifications());
    EXPECT_THAT(bed.Errors().Texts(), ElementsAre(kZRM007));
    EXPECT_THAT(bed.Folder().Log(), ElementsAre("ZRTAS400 Close", "ZRTPCFILE Close"));
}

TEST(ManagerLoad, ChangedTransferTypeLoadsTheHostAgain)
{
    ManagerTestBed bed(ZRDIR_HOST_TO_PC, ZRHOST_AS400, ZRTT_PLAIN);
    InstallHostAndPc(bed, HostSection(0), PcSection());
    ASSERT_TRUE(bed.Create());
    ASSERT_TRUE(bed.Manager().StartHost());
    ASSERT_TRUE(bed.Manager().Transfer(nullptr));
    bed.Folder().ClearLog();

    // Same transfer type: the host stays as it is.
    ASSERT_TRUE(bed.Manager().Transfer(nullptr));
    EXPECT_THAT(bed.Folder().Log("ZRTAS400"), ElementsAre("Open browse=0 cancel=0", "GetRecordLayout", "Close"));
    bed.Folder().ClearLog();

    ASSERT_TRUE(bed.Tables().Set(ZRP_TRANSFER_TYPE, ZRTT_BINARY));
    ASSERT_TRUE(bed.Manager().Transfer(nullptr));
    EXPECT_THAT(bed.Folder().Log("ZRTAS400"),
                ElementsAre("Disconnect", "detach", "attach", "create replace=0", "Connect", "Open browse=0 cancel=0",
                            "GetRecordLayout", "Close"));
    EXPECT_EQ(0u, bed.Errors().Count());
}

TEST(ManagerLoad, BrowserLibraryGivesTwoBrowsersAndConnectsTheFirst)
{
    ManagerTestBed bed;
    bed.Folder().InstallFake("ZRTHOSTVIEW.DLL");
    bed.Folder().WriteScenario("[ZRTHOSTVIEW]\nSide=browser\n");
    ASSERT_TRUE(bed.Create());

    EXPECT_TRUE(bed.Manager().StartBrowser());
    EXPECT_TRUE(bed.Manager().DisconnectBrowser());

    EXPECT_THAT(bed.Folder().Log(),
                ElementsAre("ZRTHOSTVIEW attach", "ZRTHOSTVIEW create replace=1", "ZRTHOSTVIEW.B create replace=0",
                            "ZRTHOSTVIEW Connect", "ZRTHOSTVIEW Disconnect"));
    EXPECT_EQ((Notes{Step(3), Step(7), Step(19)}), bed.Notifications());
}

TEST(ManagerLoad, DisconnectAllTriesEverySideInOrder)
{
    ManagerTestBed bed;
    InstallHostAndPc(bed, HostSection(0, "Fail=Disconnect\n"), PcSection());
    ASSERT_TRUE(bed.Create());
    ASSERT_TRUE(bed.Manager().StartHost());
    ASSERT_TRUE(bed.Manager().LoadPc());
    bed.Folder().ClearLog();

    EXPECT_FALSE(bed.Manager().DisconnectAll());
    EXPECT_THAT(bed.Folder().Log(),
                ElementsAre("ZRTPCFILE Disconnect", "ZRTAS400 Disconnect", "ZRTAS400 Disconnect failed"));

    ASSERT_TRUE(bed.Manager().UnloadHost());
    EXPECT_TRUE(bed.Manager().DisconnectAll());
}

TEST(ManagerLoad, SidesThatAreNotLoadedFailQuietlyOrCountAsDone)
{
    ManagerTestBed bed;
    ASSERT_TRUE(bed.Create());
    ZRMFunctions& manager = bed.Manager();
    char text[80] = {};
    int number1 = 0;
    int number2 = 0;

    EXPECT_FALSE(manager.ConnectHost());
    EXPECT_FALSE(manager.QueryHostInfo(text, &number1, &number2));
    EXPECT_FALSE(manager.ConnectPc());
    EXPECT_FALSE(manager.ConnectBrowser());
    EXPECT_FALSE(manager.TransferData());
    EXPECT_FALSE(manager.OpenBrowse());
    EXPECT_FALSE(manager.BrowseData());
    EXPECT_FALSE(manager.BrowseToWindow(0));
    EXPECT_TRUE(manager.CloseTransfer());
    EXPECT_TRUE(manager.CloseBrowse());
    EXPECT_TRUE(manager.DisconnectHost());
    EXPECT_TRUE(manager.DisconnectPc());
    EXPECT_TRUE(manager.DisconnectBrowser());
    EXPECT_TRUE(manager.DisconnectAll());
    EXPECT_TRUE(manager.UnloadPc());
    EXPECT_TRUE(manager.UnloadHost());
    EXPECT_TRUE(manager.UnloadBrowser());

    EXPECT_EQ(0u, bed.Errors().Count());
    EXPECT_EQ((Notes{Step(4), Step(5), Step(6), Step(7), Step(10), Step(9), Step(11), Step(12), Step(13), Step(17),
                     Step(18), Step(19), Step(20), Step(14), Step(15), Step(16)}),
              bed.Notifications());
}

TEST(ManagerLoad, OpenWithoutHostLoadsThePcSideButFails)
{
    ManagerTestBed bed;
    bed.Folder().InstallFake("ZRTPCFILE.DLL");
    bed.Folder().WriteScenario(PcSection());
    ASSERT_TRUE(bed.Create());

    EXPECT_FALSE(bed.Manager().Transfer(nullptr));
    EXPECT_EQ(0u, bed.Errors().Count());
    EXPECT_THAT(bed.Folder().Log("ZRTPCFILE"), ElementsAre("attach", "create replace=0", "Connect", "Close"));
}
