// A host-to-PC transfer that fails leaves the PC file exactly as it was, in every write mode and format; one that is
// cancelled keeps what was moved.
#include "OwnedHandles.h"
#include "PcFileTestSupport.h"

#include <windows.h>

namespace
{
const std::vector<HostFieldDefinition> kNameAndCount = {{"NAME", HFT_CHARACTER, 4, 0}, {"COUNT", HFT_ZONED, 5, 0}};
// Enough records to fill the buffer more than once before the host fails.
constexpr size_t kRecordsBeforeTheFault = 9000;

PcTransfer FailingAfterSomeBuffers(int type, int mode)
{
    PcTransfer transfer;
    transfer.fileType = type;
    transfer.fields = kNameAndCount;
    transfer.records.assign(kRecordsBeforeTheFault + 1, {"ab", " 0001"});
    transfer.hostFailsAfter = kRecordsBeforeTheFault;
    transfer.profile = {{ZRP_PC_WRITE_MODE, mode}};
    return transfer;
}

// The files left in the runner's folder that no transfer names: the data source's own.
std::vector<std::string> FilesLeftBeside(const TransferRunner& runner)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    const OwnedFind find(FindFirstFileA(runner.PathOf("*.tmp").c_str(), &found));
    if (!find)
        return names;
    do
    {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(found.cFileName);
    } while (FindNextFileA(find.Get(), &found));
    return names;
}

class FailedTransfer : public testing::Test
{
protected:
    TransferRunner m_runner;
};
}

TEST_F(FailedTransfer, LeavesTheFileAsItWasInEveryModeAndFormat)
{
    for (int type :
         {PCFT_TXT, PCFT_CSV, PCFT_DLM, PCFT_DIF, PCFT_DBF, PCFT_DR1, PCFT_DR2, PCFT_WKQ, PCFT_WKS, PCFT_XLS})
    {
        PcTransfer earlier = FailingAfterSomeBuffers(type, ZRPCWM_CREATE);
        earlier.records = {{"yd", " 0007"}, {"ye", " 0008"}};
        earlier.hostFailsAfter.reset();
        const std::string yesterday = WriteFile(m_runner, earlier);
        for (int mode : {ZRPCWM_CREATE, ZRPCWM_REPLACE, ZRPCWM_APPEND})
        {
            SCOPED_TRACE(std::to_string(type) + " mode " + std::to_string(mode));
            PcTransfer transfer = FailingAfterSomeBuffers(type, mode);
            transfer.fileBefore = yesterday;
            const TransferOutcome outcome = m_runner.ToPc(transfer);
            EXPECT_TRUE(outcome.steps.layoutTaken);
            EXPECT_FALSE(outcome.steps.loopDone);
            EXPECT_TRUE(outcome.ErrorTexts().empty());
            EXPECT_TRUE(FileOf(outcome) == yesterday) << "the file is not as it was";
            EXPECT_TRUE(FilesLeftBeside(m_runner).empty());
        }
    }
}

TEST_F(FailedTransfer, LeavesNoFileWhereThereWasNone)
{
    for (int mode : {ZRPCWM_CREATE, ZRPCWM_REPLACE})
    {
        const TransferOutcome outcome = m_runner.ToPc(FailingAfterSomeBuffers(PCFT_CSV, mode));
        EXPECT_FALSE(outcome.Succeeded());
        EXPECT_FALSE(outcome.file.has_value()) << mode;
        EXPECT_TRUE(FilesLeftBeside(m_runner).empty());
    }
}

TEST_F(FailedTransfer, ACancelledTransferKeepsWhatWasMoved)
{
    OwnedEvent cancel(CreateEventA(nullptr, TRUE, TRUE, nullptr));
    for (int mode : {ZRPCWM_CREATE, ZRPCWM_APPEND})
    {
        PcTransfer transfer = FailingAfterSomeBuffers(PCFT_CSV, mode);
        transfer.fileBefore = "\"old \", 0003\r\n";
        transfer.cancelEvent = cancel.Get();
        const TransferOutcome outcome = m_runner.ToPc(transfer);
        EXPECT_TRUE(outcome.Succeeded());
        EXPECT_TRUE(FileOf(outcome) == (mode == ZRPCWM_APPEND ? *transfer.fileBefore : std::string()));
        EXPECT_TRUE(FilesLeftBeside(m_runner).empty());
    }
}
