// The transfer loop: steps and record counts in order, both directions, cancellation, and failures on either side.
#include "ManagerTestSupport.h"
#include "OwnedHandles.h"

#include <gtest/gtest.h>
#include <gmock/gmock.h>

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;

namespace
{
const Notes kRun25 = {Step(1), Step(4), Step(8), Count(10), Count(20), Count(25), Step(10), Step(12)};

std::vector<std::string> ExpectedRecords(int count)
{
    std::vector<std::string> records;
    for (int i = 1; i <= count; ++i)
    {
        std::string name = "NAME" + std::to_string(i);
        name.resize(10, ' ');
        std::string quantity = "0000" + std::to_string(i);
        records.push_back(std::to_string(i) + " " + name + quantity.substr(quantity.size() - 5));
    }
    return records;
}
}

TEST(ManagerTransfer, WholeTransferPostsStepsAndCountsInOrder)
{
    ManagerTestBed bed;
    InstallHostAndPc(bed, HostSection(25), PcSection());
    ASSERT_TRUE(bed.Create());

    EXPECT_TRUE(bed.Manager().RunTransfer(nullptr));

    EXPECT_EQ(kRun25, bed.Notifications());
    EXPECT_EQ(ExpectedRecords(25), RecordLines(bed.Folder().Log("ZRTPCFILE")));
    EXPECT_THAT(bed.Folder().Log("ZRTAS400"), ElementsAre("attach", "create replace=0", "Connect",
                                                          "Open browse=0 cancel=0", "GetRecordLayout", "Close"));
    EXPECT_EQ(0u, bed.Errors().Count());
}

TEST(ManagerTransfer, WholeTransferOnTheWorkerEndsWithItsResult)
{
    ManagerTestBed bed;
    InstallHostAndPc(bed, HostSection(25), PcSection());
    ASSERT_TRUE(bed.Create());
    OwnedEvent cancel(CreateEventA(nullptr, TRUE, FALSE, nullptr));

    ASSERT_TRUE(bed.Manager().RunTransferAsync(cancel.Get()));

    EXPECT_EQ(1, bed.WaitForRequestDone());
    Notes expected = kRun25;
    expected.push_back(Done(1));
    EXPECT_EQ(expected, bed.Notifications());
    EXPECT_EQ(ExpectedRecords(25), RecordLines(bed.Folder().Log("ZRTPCFILE")));
    EXPECT_THAT(bed.Folder().Log("ZRTAS400"), Contains("Open browse=0 cancel=1"));
}

TEST(ManagerTransfer, CountsAreMultiplesOfTenAndTheHostCountAtTheEnd)
{
    const struct
    {
        int records;
        Notes counts;
    } cases[] = {
        {0, {Count(0)}},
        {9, {Count(9)}},
        {30, {Count(10), Count(20), Count(30), Count(30)}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.records << " records");
        ManagerTestBed bed;
        InstallHostAndPc(bed, HostSection(c.records), PcSection());
        ASSERT_TRUE(bed.Create());
        ASSERT_TRUE(bed.Manager().StartHost());
        bed.Recorder().Clear();

        EXPECT_TRUE(bed.Manager().Transfer(nullptr));

        Notes expected = {Step(8)};
        expected.insert(expected.end(), c.counts.begin(), c.counts.end());
        expected.insert(expected.end(), {Step(10), Step(12)});
        EXPECT_EQ(expected, bed.Notifications());
        const std::vector<std::string> pcLog = bed.Folder().Log("ZRTPCFILE");
        EXPECT_EQ(static_cast<size_t>(c.records), RecordLines(pcLog).size());
        EXPECT_EQ(1, std::count(pcLog.begin(), pcLog.end(), "EndOfData"));
    }
}

TEST(ManagerTransfer, PcToHostWritesTheHostAndCountsWhatTheHostWrote)
{
    ManagerTestBed bed(ZRDIR_PC_TO_HOST);
    bed.Folder().InstallFake("ZRTAS400.DLL");
    bed.Folder().InstallFake("ZRTPCFILE.DLL");
    bed.Folder().WriteScenario("[ZRTAS400]\nSide=host\nFields=NAME:A:10,QTY:S:5\n[ZRTPCFILE]\nSide=pc\nRecords=12\n");
    ASSERT_TRUE(bed.Create());

    EXPECT_TRUE(bed.Manager().RunTransfer(nullptr));

    EXPECT_EQ((Notes{Step(1), Step(4), Step(8), Count(10), Count(12), Step(10), Step(12)}), bed.Notifications());
    const std::vector<std::string> hostLog = bed.Folder().Log("ZRTAS400");
    ASSERT_EQ(12u, RecordLines(hostLog).size());
    EXPECT_EQ("1 NAME1     00001", RecordLines(hostLog)[0]);
    EXPECT_THAT(hostLog, Contains("EndOfData"));
    EXPECT_THAT(bed.Folder().Log("ZRTPCFILE"), Not(Contains("EndOfData")));
}

TEST(ManagerTransfer, CancelBeforeTheFirstFieldMovesNothingAndSucceeds)
{
    ManagerTestBed bed;
    InstallHostAndPc(bed, HostSection(25, "LogFields=1\n"), PcSection());
    ASSERT_TRUE(bed.Create());
    OwnedEvent cancel(CreateEventA(nullptr, TRUE, TRUE, nullptr));

    ASSERT_TRUE(bed.Manager().RunTransferAsync(cancel.Get()));

    EXPECT_EQ(1, bed.WaitForRequestDone());
    EXPECT_EQ((Notes{Step(1), Step(4), Step(8), Count(0), Step(10), Step(12), Done(1)}), bed.Notifications());
    EXPECT_THAT(bed.Folder().Log("ZRTAS400"), Not(Contains("GetField")));
    EXPECT_THAT(bed.Folder().Log("ZRTPCFILE"), ElementsAre("attach", "create replace=0", "Connect", "Open cancel=1",
                                                           "SetRecordLayout fields=2", "EndOfData", "Close"));
}

// The host sets the cancel event when a record is complete, as a Stop pressed during the transfer would.
TEST(ManagerTransfer, CancelDuringTheDataFinishesAndKeepsWhatWasMoved)
{
    for (int cancelAt : {1, 12, 39})
    {
        SCOPED_TRACE(testing::Message() << "cancel at record " << cancelAt);
        ManagerTestBed bed;
        InstallHostAndPc(bed, HostSection(40, "RecordDelayMs=4\nCancelAt=" + std::to_string(cancelAt) + "\n"),
                         PcSection());
        ASSERT_TRUE(bed.Create());
        OwnedEvent cancel(CreateEventA(nullptr, TRUE, FALSE, nullptr));

        ASSERT_TRUE(bed.Manager().RunTransferAsync(cancel.Get()));
        EXPECT_EQ(1, bed.WaitForRequestDone());

        const Notes notes = bed.Notifications();
        ASSERT_GE(notes.size(), 6u);
        const LPARAM moved = notes[notes.size() - 4].second;
        EXPECT_EQ(Count(moved), notes[notes.size() - 4]);
        EXPECT_GE(moved, cancelAt);
        EXPECT_LE(moved, 40);
        const std::vector<std::string> pcLog = bed.Folder().Log("ZRTPCFILE");
        EXPECT_EQ(ExpectedRecords(static_cast<int>(moved)), RecordLines(pcLog));
        EXPECT_THAT(pcLog, Contains("EndOfData"));
        EXPECT_EQ("Close", pcLog.back());
        EXPECT_EQ((Notes{Step(10), Step(12), Done(1)}), Notes(notes.end() - 3, notes.end()));
        EXPECT_EQ(0u, bed.Errors().Count());
    }
}

// A cancellation is seen within moments, not only at the end of the data.
TEST(ManagerTransfer, CancelStopsLongBeforeTheEnd)
{
    ManagerTestBed bed;
    InstallHostAndPc(bed, HostSection(400, "RecordDelayMs=5\nCancelAt=3\n"), PcSection());
    ASSERT_TRUE(bed.Create());
    OwnedEvent cancel(CreateEventA(nullptr, FALSE, FALSE, nullptr));

    ASSERT_TRUE(bed.Manager().RunTransferAsync(cancel.Get()));
    EXPECT_EQ(1, bed.WaitForRequestDone());

    EXPECT_LT(RecordLines(bed.Folder().Log("ZRTPCFILE")).size(), 100u);
}

namespace
{
struct Failure
{
    const char* library;    // the side that fails
    const char* operation;  // its scenario line
    Notes notes;            // what the run posts
    bool hostClosed;
    bool pcClosed;
    bool pcFinished;  // the destination's EndOfData ran
};
}

// Every failing operation ends the run with the data source's own error and notification 12 with 0; the closing
// step runs for every side that is loaded.
TEST(ManagerTransfer, FailureOnEitherSideAtEveryStep)
{
    const Failure failures[] = {
        {"ZRTAS400", "Fail=Factory", {Step(1), Step(12), Done(0)}, false, false, false},
        {"ZRTAS400", "Fail=Connect", {Step(1), Step(4), Step(12), Done(0)}, true, false, false},
        {"ZRTPCFILE", "Fail=Factory", {Step(1), Step(4), Step(8), Step(12), Done(0)}, true, false, false},
        {"ZRTPCFILE", "Fail=Connect", {Step(1), Step(4), Step(8), Step(12), Done(0)}, true, true, false},
        {"ZRTAS400", "Fail=Open", {Step(1), Step(4), Step(8), Step(12), Done(0)}, true, true, false},
        {"ZRTAS400", "Fail=GetRecordLayout", {Step(1), Step(4), Step(8), Step(12), Done(0)}, true, true, false},
        {"ZRTPCFILE", "Fail=Open", {Step(1), Step(4), Step(8), Step(12), Done(0)}, true, true, false},
        {"ZRTPCFILE", "Fail=SetRecordLayout", {Step(1), Step(4), Step(8), Step(12), Done(0)}, true, true, false},
        {"ZRTAS400",
         "Fail=GetField@13",
         {Step(1), Step(4), Step(8), Count(10), Count(12), Step(10), Step(12), Done(0)},
         true,
         true,
         false},
        {"ZRTPCFILE",
         "Fail=PutField@3",
         {Step(1), Step(4), Step(8), Count(2), Step(10), Step(12), Done(0)},
         true,
         true,
         false},
        {"ZRTPCFILE",
         "Fail=NextField@21",
         {Step(1), Step(4), Step(8), Count(10), Count(20), Count(20), Step(10), Step(12), Done(0)},
         true,
         true,
         false},
        {"ZRTPCFILE",
         "Fail=EndOfData",
         {Step(1), Step(4), Step(8), Count(10), Count(20), Count(25), Step(10), Step(12), Done(0)},
         true,
         true,
         true},
        {"ZRTAS400",
         "Fail=Close",
         {Step(1), Step(4), Step(8), Count(10), Count(20), Count(25), Step(10), Step(12), Done(0)},
         true,
         true,
         true},
        {"ZRTPCFILE",
         "Fail=Close",
         {Step(1), Step(4), Step(8), Count(10), Count(20), Count(25), Step(10), Step(12), Done(0)},
         true,
         true,
         true},
    };
    for (const Failure& failure : failures)
    {
        SCOPED_TRACE(testing::Message() << failure.library << " " << failure.operation);
        ManagerTestBed bed;
        const std::string fail = std::string(failure.operation) + "\n";
        const bool hostFails = std::string(failure.library) == "ZRTAS400";
        InstallHostAndPc(bed, HostSection(25, hostFails ? fail : ""), PcSection(hostFails ? "" : fail));
        ASSERT_TRUE(bed.Create());

        ASSERT_TRUE(bed.Manager().RunTransferAsync(nullptr));
        EXPECT_EQ(0, bed.WaitForRequestDone());

        EXPECT_EQ(failure.notes, bed.Notifications());
        const std::string operation =
            std::string(failure.operation).substr(5, std::string(failure.operation).find('@') - 5);
        EXPECT_THAT(bed.Errors().Texts(),
                    ElementsAre("FAKE " + std::string(failure.library) + " " + operation + " failed"));
        const std::vector<std::string> hostLog = bed.Folder().Log("ZRTAS400");
        const std::vector<std::string> pcLog = bed.Folder().Log("ZRTPCFILE");
        EXPECT_EQ(failure.hostClosed, std::count(hostLog.begin(), hostLog.end(), "Close") == 1);
        EXPECT_EQ(failure.pcClosed, std::count(pcLog.begin(), pcLog.end(), "Close") == 1);
        EXPECT_EQ(failure.pcFinished, std::count(pcLog.begin(), pcLog.end(), "EndOfData") == 1);
    }
}

TEST(ManagerTransfer, SynchronousRunReportsAFailingCloseAsFailure)
{
    ManagerTestBed bed;
    InstallHostAndPc(bed, HostSection(3), PcSection("Fail=Close\n"));
    ASSERT_TRUE(bed.Create());
    EXPECT_FALSE(bed.Manager().RunTransfer(nullptr));
    EXPECT_FALSE(bed.Manager().Transfer(nullptr));
}

// The manager's duplicate of the cancel event is given back even when the open fails and no data moves.
TEST(ManagerTransfer, FailedOpenGivesTheCancelEventBack)
{
    ManagerTestBed bed;
    InstallHostAndPc(bed, HostSection(5, "Fail=Open\n"), PcSection());
    ASSERT_TRUE(bed.Create());
    const std::string name = "ZrtManagerTestCancel" + std::to_string(GetCurrentProcessId());
    OwnedEvent cancel(CreateEventA(nullptr, TRUE, FALSE, name.c_str()));

    EXPECT_FALSE(bed.Manager().RunTransfer(cancel.Get()));
    cancel.Reset();

    OwnedEvent leftover(OpenEventA(SYNCHRONIZE, FALSE, name.c_str()));
    EXPECT_EQ(nullptr, leftover.Get()) << "the event still lives";
}
