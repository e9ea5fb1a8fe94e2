// Whole transfers from the scripted fake host into the real PC-file data source, as the programs run them.
#include "ManagerTestSupport.h"
#include "OwnedHandles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::SizeIs;

namespace
{
std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The CSV lines of the fake host's first `count` records, trailing blanks and leading zeros removed.
std::string ExpectedCsv(int count)
{
    std::string csv;
    for (int i = 1; i <= count; ++i)
        csv += "\"NAME" + std::to_string(i) + "\"," + std::to_string(i) + "\r\n";
    return csv;
}

// The fake host with `records` records and the build's Zrtpcfile, writing `file` as CSV.
void Prepare(ManagerTestBed& bed, int records, const std::string& extra, const std::string& file)
{
    bed.Folder().InstallFake("ZRTAS400.DLL");
    bed.Folder().InstallFromBuild("Zrtpcfile.dll", "ZRTPCFILE.DLL");
    bed.Folder().WriteScenario(HostSection(records, extra));
    ASSERT_TRUE(bed.Tables().Set(ZRP_PC_FILE_TYPE, PCFT_CSV));
    ASSERT_TRUE(bed.Tables().Set(ZRP_PC_FILE_NAME, file.c_str()));
    ASSERT_TRUE(bed.Tables().Set(ZRP_PC_WRITE_MODE, ZRPCWM_REPLACE));
    ASSERT_TRUE(bed.Tables().Set(ZRP_REMOVE_BLANKS, 1));
    ASSERT_TRUE(bed.Create());
}

const Notes kRun25 = {Step(1), Step(4), Step(8), Count(10), Count(20), Count(25), Step(10), Step(12)};
}

TEST(ManagerWithPcFile, SynchronousRunWritesTheCsvFile)
{
    ManagerTestBed bed;
    const std::string file = bed.Folder().File("customers.csv");
    Prepare(bed, 25, "", file);

    EXPECT_TRUE(bed.Manager().RunTransfer(nullptr));

    EXPECT_EQ(kRun25, bed.Notifications());
    EXPECT_EQ(ExpectedCsv(25), ReadAll(file));
    EXPECT_EQ(0u, bed.Errors().Count());
}

TEST(ManagerWithPcFile, RunOnTheWorkerWritesTheCsvFileAndEndsWithSuccess)
{
    ManagerTestBed bed;
    const std::string file = bed.Folder().File("customers.csv");
    Prepare(bed, 25, "", file);
    OwnedEvent cancel(CreateEventA(nullptr, TRUE, FALSE, nullptr));

    ASSERT_TRUE(bed.Manager().RunTransferAsync(cancel.Get()));
    EXPECT_EQ(1, bed.WaitForRequestDone());

    Notes expected = kRun25;
    expected.push_back(Done(1));
    EXPECT_EQ(expected, bed.Notifications());
    EXPECT_EQ(ExpectedCsv(25), ReadAll(file));
    EXPECT_EQ(0u, bed.Errors().Count());

    // Zrtbatch's order after the end: disconnect and free the host, then release.
    bed.Recorder().Clear();
    EXPECT_TRUE(bed.Manager().DisconnectHost());
    EXPECT_TRUE(bed.Manager().UnloadHost());
    bed.Release();
    EXPECT_EQ((Notes{Step(17), Step(15), Step(20), Step(16), Step(14), Step(15)}), bed.Notifications());
    EXPECT_FALSE(IsLoaded(bed.Folder().File("ZRTPCFILE.DLL")));
}

TEST(ManagerWithPcFile, CancelledRunLeavesAFinishedFileOfTheRecordsMoved)
{
    ManagerTestBed bed;
    const std::string file = bed.Folder().File("customers.csv");
    Prepare(bed, 60, "RecordDelayMs=3\nCancelAt=17\n", file);
    OwnedEvent cancel(CreateEventA(nullptr, TRUE, FALSE, nullptr));

    ASSERT_TRUE(bed.Manager().RunTransferAsync(cancel.Get()));
    EXPECT_EQ(1, bed.WaitForRequestDone());

    const Notes notes = bed.Notifications();
    ASSERT_THAT(notes, SizeIs(::testing::Ge(7u)));
    const LPARAM moved = notes[notes.size() - 4].second;
    EXPECT_GE(moved, 17);
    EXPECT_LT(moved, 60);
    EXPECT_EQ(ExpectedCsv(static_cast<int>(moved)), ReadAll(file));
    EXPECT_EQ((Notes{Step(10), Step(12), Done(1)}), Notes(notes.end() - 3, notes.end()));
    EXPECT_EQ(0u, bed.Errors().Count());
}

TEST(ManagerWithPcFile, PcFileThatCannotBeOpenedEndsTheRunWithItsErrorAndClosesTheHost)
{
    ManagerTestBed bed;
    Prepare(bed, 5, "", bed.Folder().File("no such folder\\customers.csv"));

    ASSERT_TRUE(bed.Manager().RunTransferAsync(nullptr));
    EXPECT_EQ(0, bed.WaitForRequestDone());

    EXPECT_EQ((Notes{Step(1), Step(4), Step(8), Step(12), Done(0)}), bed.Notifications());
    ASSERT_EQ(1u, bed.Errors().Count());
    EXPECT_EQ(0u, bed.Errors().Texts()[0].find("Error ZRI"));
    EXPECT_THAT(bed.Folder().Log("ZRTAS400"), Contains("Close"));
}
