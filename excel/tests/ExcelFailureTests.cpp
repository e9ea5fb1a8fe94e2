// Automation errors: the server missing, a call it refuses, a workbook it cannot open. Each surfaces as the
// message of its step with the server's own description, the transfer fails, and the thread that ran it leaves
// COM as it found it.
#include "ExcelTestSupport.h"

#include <gmock/gmock.h>

#include <objbase.h>

#include <functional>
#include <thread>

using testing::ElementsAre;

namespace
{
const std::vector<HostFieldDefinition> kFields = {{"NAME      ", HFT_CHARACTER, 8, 0}, {"QTY       ", HFT_ZONED, 6, 0}};

// Runs the transfer on a thread of its own, as the manager's worker runs it, and tells whether COM was left
// uninitialised on that thread afterwards.
TransferOutcome OnThread(const std::function<TransferOutcome()>& transfer, bool& comLeftAlone)
{
    TransferOutcome outcome;
    std::thread worker([&] {
        outcome = transfer();
        const HRESULT probe = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        comLeftAlone = probe == S_OK;
        if (SUCCEEDED(probe))
            CoUninitialize();
    });
    worker.join();
    return outcome;
}

class ExcelFailure : public ExcelTransfer
{
protected:
    TransferOutcome WriteOnThread(const std::string& name, int writeMode = ZRPCWM_CREATE)
    {
        bool comLeftAlone = false;
        TransferOutcome outcome = OnThread(
            [&] {
                return Write(name, kFields, {{"a", " 00001"}}, writeMode);
            },
            comLeftAlone);
        EXPECT_TRUE(comLeftAlone);
        return outcome;
    }
    TransferOutcome ReadOnThread(const std::string& name)
    {
        bool comLeftAlone = false;
        TransferOutcome outcome = OnThread([&] { return Read(name, kFields); }, comLeftAlone);
        EXPECT_TRUE(comLeftAlone);
        return outcome;
    }
};
}

TEST_F(ExcelFailure, ASuccessfulTransferReleasesTheServerBeforeCom)
{
    AutomationTrace trace;
    EXPECT_TRUE(WriteOnThread("fine.xls").Succeeded());
    EXPECT_TRUE(ReadOnThread("fine.xls").Succeeded());
    // The server was unloaded with the apartment, no object of it alive any more.
    const std::vector<std::string> lines = trace.Lines();
    EXPECT_EQ(2, std::count(lines.begin(), lines.end(), "unload objects=0")) << testing::PrintToString(lines);
}

TEST_F(ExcelFailure, AMissingServerCannotBeStarted)
{
    WithoutAutomationServer unregistered;
    const TransferOutcome outcome = WriteOnThread("none.xls");
    EXPECT_FALSE(outcome.steps.connected);
    EXPECT_THAT(outcome.ErrorTexts(), ElementsAre("Error ZRX018: Failed to create an instance of MS Excel (error "
                                                  "code 80040154). Install (or reinstall) MS Excel."));
    EXPECT_FALSE(outcome.file.has_value());
}

TEST_F(ExcelFailure, ARefusedCallGivesTheServersDescriptionAndTheStepsMessage)
{
    // A worksheet used to its last row has no row left to append to.
    Book full = BookOf({{TextCell(L"first")}});
    full.sheets[0].cells[{65536, 2}] = NumberCell(1);
    SaveBook("full.xls", full);
    const TransferOutcome outcome = WriteOnThread("full.xls", ZRPCWM_APPEND);
    EXPECT_FALSE(outcome.Succeeded());
    EXPECT_THAT(outcome.ErrorTexts(),
                ElementsAre("Error ZRX021: MS Excel function, Item, failed (error code 80020009) and returned the "
                            "following description: \"Item(65537, 1) lies outside the worksheet.\".",
                            "Error ZRX016: Unable to convert field value in record # 1. The host file may be "
                            "corrupted. Try again with a different host file."));
    ASSERT_EQ(2u, outcome.errors.size());
    EXPECT_EQ("Excel", outcome.errors[0].source);
    EXPECT_EQ("ZRSExcelCOM", outcome.errors[1].source);
}

TEST_F(ExcelFailure, AWorkbookThatCannotBeOpenedIsNamedWithTheReason)
{
    const std::pair<const char*, const char*> broken[] = {
        {"", "it is no XML document (unexpected content at line 1)"},
        {"<Workbook>\n<Worksheet></Workbook>", "mismatched end tag at line 2"},
        {"<Workbook><Worksheet><Table><Row><Cell><Data ss:Type=\"Number\">x</Data></Cell></Row></Table>"
         "</Worksheet></Workbook>",
         "bad cell data of type \"Number\": \"x\""}};
    for (const auto& [content, reason] : broken)
    {
        SCOPED_TRACE(content);
        ASSERT_TRUE(WriteWholeFile(Path("broken.xls"), content));
        const TransferOutcome outcome = ReadOnThread("broken.xls");
        EXPECT_FALSE(outcome.steps.opened);
        const std::vector<std::string> texts = outcome.ErrorTexts();
        ASSERT_EQ(2u, texts.size()) << testing::PrintToString(texts);
        EXPECT_EQ(0u, texts[0].find("Error ZRX021: MS Excel function, Open, failed (error code 80020009) and "
                                    "returned the following description: \"'" +
                                    Path("broken.xls") + "' could not be opened: " + reason + "\"."))
            << texts[0];
        EXPECT_EQ("Error ZRX007: Unable to open the specified file. Specify another MS Excel file and try again.",
                  texts[1]);
        EXPECT_EQ(content, ReadWholeFile(Path("broken.xls")).value_or("?"));
    }
}
