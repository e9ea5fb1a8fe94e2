// Whole transfers as the programs run them: the real Zrtmgr runs them on its worker thread with Zrtas400 over the
// stand-in bridge and its simulated AS/400 on one side and Zrtexcel with the stand-in server on the other.
#include "AutomationServer.h"
#include "HostStore.h"
#include "ManagerTestBed.h"
#include "OwnedHandles.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <string>
#include <vector>

using testing::ElementsAre;

namespace
{
constexpr int kCustomerBytes = 80;

class ExcelHostTransfer
{
public:
    ExcelHostTransfer(int direction, int pcFileType, const std::string& workbook)
        : m_bed(direction, ZRHOST_AS400, ZRTT_CONVERSION), m_folder(m_bed.Folder().Path())
    {
        FakeSourceFolder& folder = m_bed.Folder();
        folder.InstallFromBuild("Zrtas400.dll", "ZRTAS400.DLL");
        folder.InstallFromBuild("Zrtexcel.dll", "ZRTEXCEL.DLL");
        folder.InstallFromBuild("KVHLL32.dll", "KVHLL32.DLL");
        UseCopyOfSampleStore(Store(""));
        Set(ZRP_PRESENTATION_SPACE_ID, "A");
        Set(ZRP_CHARACTER_SET, direction == ZRDIR_HOST_TO_PC ? ZRCS_EBCDIC_TO_ANSI : ZRCS_ANSI_TO_EBCDIC);
        Set(ZRP_PC_FILE_TYPE, pcFileType);
        Set(ZRP_PC_FILE_NAME, (m_folder + "\\" + workbook).c_str());
        if (direction == ZRDIR_HOST_TO_PC)
            Set(ZRP_PC_WRITE_MODE, ZRPCWM_REPLACE);
    }
    ~ExcelHostTransfer() { SetEnvironmentVariableA("ZRT_HOST_DIR", nullptr); }

    void Set(int id, int value) { EXPECT_TRUE(m_bed.Tables().Set(id, value)) << id; }
    void Set(int id, const char* text) { EXPECT_TRUE(m_bed.Tables().Set(id, text)) << id; }
    std::string Store(const std::string& relative) const
    {
        return relative.empty() ? m_folder + "\\host" : m_folder + "\\host\\" + relative;
    }
    std::string Folder() const { return m_folder; }

    // Runs the transfer on the manager's worker thread and gives the end notification's result (-1: none came).
    LPARAM Run()
    {
        if (!m_bed.Create() || !m_bed.Manager().RunTransferAsync(nullptr))
            return -1;
        return m_bed.WaitForRequestDone(60000);
    }
    // Releases the manager: its worker disconnects both sides and ends.
    void Release() { m_bed.Release(); }
    std::vector<std::string> Errors() { return m_bed.Errors().Texts(); }

private:
    ManagerTestBed m_bed;
    std::string m_folder;
};

class ExcelHostTransfers : public testing::Test
{
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(RegisterAutomationServer()); }

    // The manager's worker left COM as it found it: the server went with its apartment, no object of it alive.
    static void ExpectServerUnloaded(const AutomationTrace& trace)
    {
        const std::vector<std::string> lines = trace.Lines();
        EXPECT_EQ(1, std::count(lines.begin(), lines.end(), "load")) << testing::PrintToString(lines);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ("unload objects=0", lines.back());
    }
};
}

TEST_F(ExcelHostTransfers, AMemberMovedToAWorkbookAndBackKeepsItsBytes)
{
    for (int type : {PCFT_EXCEL70, PCFT_EXCEL97})
    {
        SCOPED_TRACE(type);
        AutomationTrace trace;
        ExcelHostTransfer out(ZRDIR_HOST_TO_PC, type, "customer.xls");
        out.Set(ZRP_HOST_SOURCE_NAME, "QGPL/CUSTOMER(CUSTOMER)");
        ASSERT_EQ(1, out.Run()) << testing::PrintToString(out.Errors());
        out.Release();
        ExpectServerUnloaded(trace);

        trace.Clear();
        ExcelHostTransfer back(ZRDIR_PC_TO_HOST, type, "customer.xls");
        CopyFileA((out.Folder() + "\\customer.xls").c_str(), (back.Folder() + "\\customer.xls").c_str(), FALSE);
        back.Set(ZRP_HOST_TARGET_NAME, "QGPL/CUSTOMER(BACK)");
        back.Set(ZRP_HOST_WRITE_MODE, ZRHWM_CREATE_MEMBER);
        ASSERT_EQ(1, back.Run()) << testing::PrintToString(back.Errors());
        EXPECT_TRUE(back.Errors().empty()) << testing::PrintToString(back.Errors());
        back.Release();
        ExpectServerUnloaded(trace);

        const std::string member = back.Store("AS400\\QGPL\\CUSTOMER\\");
        const std::vector<std::string> original = RecordFileRecords(member + "CUSTOMER.MBR", kCustomerBytes);
        EXPECT_EQ(25u, original.size());
        EXPECT_EQ(original, RecordFileRecords(member + "BACK.MBR", kCustomerBytes));
    }
}

TEST_F(ExcelHostTransfers, AWorkbookThatCannotBeOpenedFailsTheTransferCleanly)
{
    AutomationTrace trace;
    ExcelHostTransfer transfer(ZRDIR_PC_TO_HOST, PCFT_EXCEL97, "broken.xls");
    OwnedFile file(CreateFileA((transfer.Folder() + "\\broken.xls").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    file.Reset();
    transfer.Set(ZRP_HOST_TARGET_NAME, "QGPL/CUSTOMER(BROKEN)");
    transfer.Set(ZRP_HOST_WRITE_MODE, ZRHWM_CREATE_MEMBER);
    EXPECT_EQ(0, transfer.Run());
    const std::vector<std::string> errors = transfer.Errors();
    ASSERT_GE(errors.size(), 2u) << testing::PrintToString(errors);
    EXPECT_EQ(0u, errors[0].find("Error ZRX021: MS Excel function, Open, failed (error code 80020009) and returned "
                                 "the following description: \"'" +
                                 transfer.Folder() +
                                 "\\broken.xls' could not "
                                 "be opened: "))
        << errors[0];
    EXPECT_EQ("Error ZRX007: Unable to open the specified file. Specify another MS Excel file and try again.",
              errors[1]);
    transfer.Release();
    ExpectServerUnloaded(trace);
}

TEST_F(ExcelHostTransfers, WithoutTheServerTheTransferFailsWithItsMessage)
{
    WithoutAutomationServer unregistered;
    ExcelHostTransfer transfer(ZRDIR_HOST_TO_PC, PCFT_EXCEL97, "none.xls");
    transfer.Set(ZRP_HOST_SOURCE_NAME, "QGPL/CUSTOMER(CUSTOMER)");
    EXPECT_EQ(0, transfer.Run());
    EXPECT_THAT(transfer.Errors(), ElementsAre("Error ZRX018: Failed to create an instance of MS Excel (error code "
                                               "80040154). Install (or reinstall) MS Excel."));
}
