// Whole transfers as the programs run them: the real Zrtmgr loads the host library, Zrtpcfile (or the raw and
// description-file stand-ins) and the stand-in bridge from one program folder, over a copy of the sample host store.
#include "HostBench.h"
#include "HostStore.h"
#include "ManagerTestBed.h"
#include "OwnedHandles.h"
#include "ProfileFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <numeric>
#include <string>
#include <vector>

namespace
{
using Strings = std::vector<std::string>;

void WriteAll(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::size_t CountLines(const std::string& text)
{
    std::size_t lines = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
        ++lines;
    return lines;
}

constexpr int kCustomerBytes = 80;
constexpr int kCustmastBytes = 64;

// One transfer through the real libraries of the build.
class HostTransfer
{
public:
    HostTransfer(int direction, int hostType, int transferType, int pcFileType)
        : m_bed(direction, hostType, transferType), m_folder(m_bed.Folder().Path())
    {
        FakeSourceFolder& folder = m_bed.Folder();
        folder.InstallFromBuild("Zrtas400.dll", "ZRTAS400.DLL");
        folder.InstallFromBuild("Zrts36.dll", "ZRTS36.DLL");
        folder.InstallFromBuild("Zrtpcfile.dll", "ZRTPCFILE.DLL");
        folder.InstallFromBuild("Zrtrawfile.dll", "ZRTRAWFILE.DLL");
        folder.InstallFromBuild("Zrtfieldspec.dll", "ZRTFIELDSPEC.DLL");
        folder.InstallFromBuild("KVHLL32.dll", "KVHLL32.DLL");
        UseCopyOfSampleStore(Store(""));
        Set(ZRP_PRESENTATION_SPACE_ID, hostType == ZRHOST_AS400 ? "A" : "E");
        Set(ZRP_PC_FILE_TYPE, pcFileType);
        Set(ZRP_PC_FILE_NAME, PcFile().c_str());
        if (direction == ZRDIR_HOST_TO_PC)
            Set(ZRP_PC_WRITE_MODE, ZRPCWM_REPLACE);
    }
    ~HostTransfer() { SetEnvironmentVariableA("ZRT_HOST_DIR", nullptr); }

    void Set(int id, int value) { EXPECT_TRUE(m_bed.Tables().Set(id, value)) << id; }
    void Set(int id, const char* text) { EXPECT_TRUE(m_bed.Tables().Set(id, text)) << id; }
    std::string Store(const std::string& relative) const
    {
        const std::string store = m_folder + "\\host";
        return relative.empty() ? store : store + "\\" + relative;
    }
    std::string PcFile() const { return m_folder + "\\pcfile.dat"; }
    ManagerTestBed& Bed() { return m_bed; }

    // Runs the whole transfer synchronously; the result of the manager's run entry.
    BOOL Run()
    {
        if (!m_bed.Create())
            return FALSE;
        return m_bed.Manager().RunTransfer(nullptr);
    }
    Strings Errors() { return m_bed.Errors().Texts(); }

private:
    ManagerTestBed m_bed;
    std::string m_folder;
};

// QGPL/CUSTOMER(CUSTOMER) as a PC file of the type, in text mode.
std::string CustomerAsPcFile(int pcFileType)
{
    HostTransfer transfer(ZRDIR_HOST_TO_PC, ZRHOST_AS400, ZRTT_CONVERSION, pcFileType);
    transfer.Set(ZRP_HOST_SOURCE_NAME, "QGPL/CUSTOMER(CUSTOMER)");
    EXPECT_TRUE(transfer.Run()) << JoinLines(transfer.Errors());
    return ReadFileBytes(transfer.PcFile());
}

// A System/36 file `name` of the store holding the records of CUSTMAST `times` times over, with its descriptions.
void AddS36CopyOfCustmast(const std::string& store, const std::string& name, int times)
{
    const std::string files = store + "\\S36\\FILES\\";
    const Strings lines = FileLines(files + "CUSTMAST.DAT");
    std::ofstream out(files + name + ".DAT", std::ios::binary | std::ios::trunc);
    for (int i = 0; i < times; ++i)
        for (const std::string& line : lines)
            out << line << "\r\n";
    CopyFileA((files + "CUSTMAST.INI").c_str(), (files + name + ".INI").c_str(), FALSE);
    CopyFileA((files + "CUSTMAST.FMT").c_str(), (files + name + ".FMT").c_str(), FALSE);
}

// Runs the transfer on the manager's worker, sets the cancel event once `records` records were counted and gives
// the end notification's result.
LPARAM RunAndCancelAfter(HostTransfer& transfer, LPARAM records)
{
    ManagerTestBed& bed = transfer.Bed();
    if (!bed.Create())
        return -1;
    const OwnedEvent cancel(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (!bed.Manager().RunTransferAsync(cancel.Get()))
        return -1;
    EXPECT_TRUE(bed.Recorder().WaitFor(kTestMessage, ZRM_NOTIFY_RECORD_COUNT, records, 20000));
    SetEvent(cancel.Get());
    return bed.WaitForRequestDone(30000);
}

// The first row of the session's last screen, as the trace shows it.
std::string LastFirstRow(const Strings& trace, char session)
{
    const std::string prefix = std::string("host ") + session + " row1=\"";
    for (auto line = trace.rbegin(); line != trace.rend(); ++line)
    {
        const std::size_t at = line->find(prefix);
        if (at != std::string::npos)
        {
            const std::size_t from = at + prefix.size();
            return line->substr(from, line->find('"', from) - from);
        }
    }
    return std::string();
}

// KVRFT waits for the next command: its reply line is empty.
bool KvrftWaits(const std::string& firstRow)
{
    const std::size_t mark = firstRow.find("KVFT001");
    return mark != std::string::npos && firstRow.find_first_not_of(' ') == mark;
}
}

// The formats that keep every field's value as it is (PRN right-aligns text, TXT holds one field a record).
TEST(As400Transfer, EveryFieldFormatCarriesTheMemberThereAndBack)
{
    for (int type : {PCFT_CSV, PCFT_TAB, PCFT_DLM})
    {
        SCOPED_TRACE(type);
        const std::string pcFile = CustomerAsPcFile(type);
        ASSERT_FALSE(pcFile.empty());
        HostTransfer transfer(ZRDIR_PC_TO_HOST, ZRHOST_AS400, ZRTT_CONVERSION, type);
        WriteAll(transfer.PcFile(), pcFile);
        transfer.Set(ZRP_HOST_TARGET_NAME, "QGPL/CUSTOMER(BACK)");
        transfer.Set(ZRP_HOST_WRITE_MODE, ZRHWM_CREATE_MEMBER);
        ASSERT_TRUE(transfer.Run()) << JoinLines(transfer.Errors());
        EXPECT_TRUE(transfer.Errors().empty()) << JoinLines(transfer.Errors());
        const std::string member = transfer.Store("AS400\\QGPL\\CUSTOMER\\");
        EXPECT_EQ(RecordFileRecords(member + "CUSTOMER.MBR", kCustomerBytes),
                  RecordFileRecords(member + "BACK.MBR", kCustomerBytes));
    }
}

TEST(As400Transfer, CsvHoldsOneLinePerRecord)
{
    const std::string csv = CustomerAsPcFile(PCFT_CSV);
    EXPECT_EQ(25u, CountLines(csv));
    EXPECT_EQ(0u, csv.find("1001,\"Anderson Hardware")) << csv.substr(0, 80);
}

TEST(As400Transfer, BinaryModeMovesTheHostBytesBothWays)
{
    std::string raw;
    {
        HostTransfer transfer(ZRDIR_HOST_TO_PC, ZRHOST_AS400, ZRTT_BINARY, PCFT_BINARY);
        transfer.Set(ZRP_HOST_SOURCE_NAME, "QGPL/CUSTOMER(CUSTOMER)");
        ASSERT_TRUE(transfer.Run()) << JoinLines(transfer.Errors());
        raw = ReadFileBytes(transfer.PcFile());
        const Strings stored = RecordFileRecords(transfer.Store("AS400\\QGPL\\CUSTOMER\\CUSTOMER.MBR"), kCustomerBytes);
        EXPECT_EQ(std::accumulate(stored.begin(), stored.end(), std::string()), raw);
    }
    for (int mode : {ZRHWM_CREATE_MEMBER, ZRHWM_REPLACE_MEMBER, ZRHWM_APPEND_MEMBER})
    {
        SCOPED_TRACE(mode);
        HostTransfer transfer(ZRDIR_PC_TO_HOST, ZRHOST_AS400, ZRTT_BINARY, PCFT_BINARY);
        WriteAll(transfer.PcFile(), raw);
        transfer.Set(ZRP_HOST_TARGET_NAME, "QGPL/CUSTOMER(RAW)");
        transfer.Set(ZRP_HOST_WRITE_MODE, mode);
        ASSERT_TRUE(transfer.Run()) << JoinLines(transfer.Errors());
        const std::string member = transfer.Store("AS400\\QGPL\\CUSTOMER\\");
        EXPECT_EQ(RecordFileRecords(member + "CUSTOMER.MBR", kCustomerBytes),
                  RecordFileRecords(member + "RAW.MBR", kCustomerBytes));
    }
}

TEST(As400Transfer, DescriptionsOfAFileBecomeADescriptionFileAndCreateAFile)
{
    std::string descriptions;
    {
        HostTransfer transfer(ZRDIR_HOST_TO_PC, ZRHOST_AS400, ZRTT_DDS, PCFT_FMT);
        transfer.Set(ZRP_HOST_SOURCE_NAME, "QGPL/CUSTOMER()");
        ASSERT_TRUE(transfer.Run()) << JoinLines(transfer.Errors());
        descriptions = ReadFileBytes(transfer.PcFile());
        EXPECT_EQ(9u * 68, descriptions.size());
        EXPECT_EQ(0u, descriptions.find("CUSTNO    P00700Customer number"));
    }
    const std::string csv = CustomerAsPcFile(PCFT_CSV);
    HostTransfer transfer(ZRDIR_PC_TO_HOST, ZRHOST_AS400, ZRTT_CONVERSION, PCFT_CSV);
    WriteAll(transfer.PcFile(), csv);
    const std::string fmt = transfer.Bed().Folder().File("customer.fmt");
    WriteAll(fmt, descriptions);
    transfer.Set(ZRP_DESCRIPTION_FILE, fmt.c_str());
    transfer.Set(ZRP_HOST_TARGET_NAME, "SALES/CUSTCOPY(FIRST)");
    transfer.Set(ZRP_HOST_WRITE_MODE, ZRHWM_CREATE_FILE);
    ASSERT_TRUE(transfer.Run()) << JoinLines(transfer.Errors());
    EXPECT_EQ(RecordFileRecords(transfer.Store("AS400\\QGPL\\CUSTOMER\\CUSTOMER.MBR"), kCustomerBytes),
              RecordFileRecords(transfer.Store("AS400\\SALES\\CUSTCOPY\\FIRST.MBR"), kCustomerBytes));
}

TEST(As400Transfer, HostErrorsEndTheTransferWithTheirMessage)
{
    {
        HostTransfer transfer(ZRDIR_HOST_TO_PC, ZRHOST_AS400, ZRTT_CONVERSION, PCFT_CSV);
        transfer.Set(ZRP_HOST_SOURCE_NAME, "QGPL/CUSTOMER(NOSUCH)");
        EXPECT_FALSE(transfer.Run());
        const Strings errors = transfer.Errors();
        ASSERT_FALSE(errors.empty());
        EXPECT_EQ(0u, errors[0].rfind("Error ZRT014:", 0)) << JoinLines(errors);
    }
    {
        // A failure in the middle: the PC file holds whole records only.
        HostTransfer transfer(ZRDIR_HOST_TO_PC, ZRHOST_AS400, ZRTT_CONVERSION, PCFT_CSV);
        WriteAll(transfer.Store("SCENARIO.INI"),
                 "[Session A]\r\nFailAfterBuffers=1\r\nFailureMessage=Disk failure\r\n");
        transfer.Set(ZRP_HOST_SOURCE_NAME, "QGPL/CUSTOMER(CUSTOMER)");
        EXPECT_FALSE(transfer.Run());
        const std::string csv = ReadFileBytes(transfer.PcFile());
        EXPECT_LE(CountLines(csv), 16u);
        EXPECT_TRUE(csv.empty() || csv.substr(csv.size() - 2) == "\r\n");
        EXPECT_NE(std::string::npos, JoinLines(transfer.Errors()).find("Disk failure"));
    }
    {
        // Member exists already. (One set of caller tables at a time: the PC file is made first.)
        const std::string csv = CustomerAsPcFile(PCFT_CSV);
        HostTransfer transfer(ZRDIR_PC_TO_HOST, ZRHOST_AS400, ZRTT_CONVERSION, PCFT_CSV);
        WriteAll(transfer.PcFile(), csv);
        transfer.Set(ZRP_HOST_TARGET_NAME, "QGPL/CUSTOMER(EMPTY)");
        transfer.Set(ZRP_HOST_WRITE_MODE, ZRHWM_CREATE_MEMBER);
        EXPECT_FALSE(transfer.Run());
        EXPECT_EQ(0u, JoinLines(transfer.Errors()).rfind("Error ZRT014:", 0)) << JoinLines(transfer.Errors());
        EXPECT_TRUE(RecordFileRecords(transfer.Store("AS400\\QGPL\\CUSTOMER\\EMPTY.MBR"), kCustomerBytes).empty());
    }
}

TEST(As400Transfer, SessionFaultsEndTheTransferWithTheirMessage)
{
    const struct
    {
        const char* scenario;
        const char* code;
    } cases[] = {{"KeyboardLocked=1", "ZRT026"}, {"Busy=1", "ZRT025"}, {"NeverAnswer=1", "ZRT038"}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.scenario);
        HostTransfer transfer(ZRDIR_HOST_TO_PC, ZRHOST_AS400, ZRTT_CONVERSION, PCFT_CSV);
        transfer.Bed().Tables().SetOption(ZRO_HLLAPI_TIMEOUT_SENDKEY, 1);
        WriteAll(transfer.Store("SCENARIO.INI"), std::string("[Session A]\r\n") + c.scenario + "\r\n");
        transfer.Set(ZRP_HOST_SOURCE_NAME, "QGPL/CUSTOMER(CUSTOMER)");
        EXPECT_FALSE(transfer.Run());
        const Strings errors = transfer.Errors();
        ASSERT_FALSE(errors.empty());
        EXPECT_EQ(std::string("Error ") + c.code + ":", errors[0].substr(0, 13)) << JoinLines(errors);
    }
}

TEST(As400Transfer, CancellingEndsTheHostDialogAndKeepsWholeRecords)
{
    HostTransfer transfer(ZRDIR_HOST_TO_PC, ZRHOST_AS400, ZRTT_CONVERSION, PCFT_CSV);
    AddAs400Member(transfer.Store(""), "QGPL", "CUSTOMER", "CUSTOMER", "MANY", 64);
    WriteAll(transfer.Store("SCENARIO.INI"), "[Bridge]\r\nTrace=trace.log\r\n[Session A]\r\nReplyDelayMs=400\r\n");
    transfer.Set(ZRP_HOST_SOURCE_NAME, "QGPL/CUSTOMER(MANY)");
    ManagerTestBed& bed = transfer.Bed();
    ASSERT_TRUE(bed.Create());
    const OwnedEvent cancel(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    ASSERT_TRUE(bed.Manager().RunTransferAsync(cancel.Get()));
    EXPECT_TRUE(bed.Recorder().WaitFor(kTestMessage, ZRM_NOTIFY_RECORD_COUNT, 10, 20000));
    SetEvent(cancel.Get());
    // A cancelled transfer ends as the data would: successfully, with what was moved.
    EXPECT_EQ(1, bed.WaitForRequestDone(30000));
    const std::string csv = ReadFileBytes(transfer.PcFile());
    EXPECT_GE(CountLines(csv), 10u);
    EXPECT_LT(CountLines(csv), 64u);
    EXPECT_EQ("\r\n", csv.substr(csv.size() - 2));
    // The pending buffer was abandoned with PF3, so KVRFT waits for the next command.
    const Strings trace = FileLines(transfer.Store("trace.log"));
    const auto abandon = std::find_if(trace.begin(), trace.end(), [](const std::string& line) {
        return line.find("fn=3 ") != std::string::npos && line.find("keys=\"@3\"") != std::string::npos;
    });
    EXPECT_NE(trace.end(), abandon) << JoinLines(trace);
}

TEST(As400Transfer, CancellingAWriteKeepsTheRecordsSentAndEndsTheHostDialog)
{
    std::string csv;
    {
        HostTransfer transfer(ZRDIR_HOST_TO_PC, ZRHOST_AS400, ZRTT_CONVERSION, PCFT_CSV);
        AddAs400Member(transfer.Store(""), "QGPL", "CUSTOMER", "CUSTOMER", "MANY", 64);
        transfer.Set(ZRP_HOST_SOURCE_NAME, "QGPL/CUSTOMER(MANY)");
        ASSERT_TRUE(transfer.Run()) << JoinLines(transfer.Errors());
        csv = ReadFileBytes(transfer.PcFile());
        ASSERT_EQ(64u, CountLines(csv));
    }
    HostTransfer transfer(ZRDIR_PC_TO_HOST, ZRHOST_AS400, ZRTT_CONVERSION, PCFT_CSV);
    AddAs400Member(transfer.Store(""), "QGPL", "CUSTOMER", "CUSTOMER", "MANY", 64);
    WriteAll(transfer.PcFile(), csv);
    WriteAll(transfer.Store("SCENARIO.INI"), "[Bridge]\r\nTrace=trace.log\r\n[Session A]\r\nReplyDelayMs=400\r\n");
    transfer.Set(ZRP_HOST_TARGET_NAME, "QGPL/CUSTOMER(PART)");
    transfer.Set(ZRP_HOST_WRITE_MODE, ZRHWM_CREATE_MEMBER);
    // A cancelled write still sends its last buffer: the host commits what was sent.
    EXPECT_EQ(1, RunAndCancelAfter(transfer, 10)) << JoinLines(transfer.Errors());
    const Strings sent = RecordFileRecords(transfer.Store("AS400\\QGPL\\CUSTOMER\\MANY.MBR"), kCustomerBytes);
    const Strings kept = RecordFileRecords(transfer.Store("AS400\\QGPL\\CUSTOMER\\PART.MBR"), kCustomerBytes);
    // The PC file's reader counts a record when it has read it ahead, before its fields reach the host.
    EXPECT_GE(kept.size(), 9u);
    EXPECT_LT(kept.size(), 64u);
    EXPECT_EQ(Strings(sent.begin(), sent.begin() + static_cast<std::ptrdiff_t>(std::min(kept.size(), sent.size()))),
              kept);
    // The reply to the last buffer was answered, which leaves KVRFT waiting for the next command.
    const Strings trace = FileLines(transfer.Store("trace.log"));
    EXPECT_TRUE(KvrftWaits(LastFirstRow(trace, 'A'))) << JoinLines(trace);
}

TEST(S36Transfer, FileThereAndBackInTextAndBinaryMode)
{
    std::string csv;
    {
        HostTransfer transfer(ZRDIR_HOST_TO_PC, ZRHOST_S36, ZRTT_CONVERSION, PCFT_CSV);
        transfer.Set(ZRP_DESCRIPTION_FILE, transfer.Store("S36\\FILES\\CUSTMAST.FMT").c_str());
        transfer.Set(ZRP_HOST_SOURCE_NAME, "CUSTMAST");
        ASSERT_TRUE(transfer.Run()) << JoinLines(transfer.Errors());
        csv = ReadFileBytes(transfer.PcFile());
        EXPECT_EQ(12u, CountLines(csv));
    }
    for (int mode : {ZRHWM_CREATE_FILE, ZRHWM_REPLACE_FILE, ZRHWM_APPEND_FILE})
    {
        SCOPED_TRACE(mode);
        HostTransfer transfer(ZRDIR_PC_TO_HOST, ZRHOST_S36, ZRTT_CONVERSION, PCFT_CSV);
        WriteAll(transfer.PcFile(), csv);
        transfer.Set(ZRP_DESCRIPTION_FILE, transfer.Store("S36\\FILES\\CUSTMAST.FMT").c_str());
        transfer.Set(ZRP_HOST_TARGET_NAME, mode == ZRHWM_CREATE_FILE ? "CUSTNEW" : "CUSTMAST");
        transfer.Set(ZRP_HOST_WRITE_MODE, mode);
        const Strings original = RecordFileRecords(transfer.Store("S36\\FILES\\CUSTMAST.DAT"), kCustmastBytes);
        ASSERT_TRUE(transfer.Run()) << JoinLines(transfer.Errors());
        Strings expected = original;
        if (mode == ZRHWM_APPEND_FILE)
            expected.insert(expected.end(), original.begin(), original.end());
        const char* written = mode == ZRHWM_CREATE_FILE ? "S36\\FILES\\CUSTNEW.DAT" : "S36\\FILES\\CUSTMAST.DAT";
        EXPECT_EQ(expected, RecordFileRecords(transfer.Store(written), kCustmastBytes));
    }
    std::string raw;
    {
        HostTransfer transfer(ZRDIR_HOST_TO_PC, ZRHOST_S36, ZRTT_BINARY, PCFT_BINARY);
        transfer.Set(ZRP_HOST_SOURCE_NAME, "CUSTMAST");
        ASSERT_TRUE(transfer.Run()) << JoinLines(transfer.Errors());
        raw = ReadFileBytes(transfer.PcFile());
        const Strings stored = RecordFileRecords(transfer.Store("S36\\FILES\\CUSTMAST.DAT"), kCustmastBytes);
        EXPECT_EQ(std::accumulate(stored.begin(), stored.end(), std::string()), raw);
    }
    HostTransfer transfer(ZRDIR_PC_TO_HOST, ZRHOST_S36, ZRTT_BINARY, PCFT_BINARY);
    WriteAll(transfer.PcFile(), raw);
    transfer.Set(ZRP_HOST_TARGET_NAME, "CUSTMAST");
    transfer.Set(ZRP_HOST_WRITE_MODE, ZRHWM_REPLACE_FILE);
    transfer.Set(ZRP_RECORD_LENGTH, kCustmastBytes);
    ASSERT_TRUE(transfer.Run()) << JoinLines(transfer.Errors());
    EXPECT_EQ(raw.size() / kCustmastBytes,
              RecordFileRecords(transfer.Store("S36\\FILES\\CUSTMAST.DAT"), kCustmastBytes).size());
}

TEST(S36Transfer, MembersThereAndBack)
{
    std::string text;
    {
        HostTransfer transfer(ZRDIR_HOST_TO_PC, ZRHOST_S36, ZRTT_PLAIN, PCFT_TXT);
        transfer.Set(ZRP_HOST_SOURCE_NAME, "ZRTLIB(PAYCALC)");
        transfer.Set(ZRP_HOST_FILE_TYPE, ZRHFT_MEMBER_SOURCE);
        ASSERT_TRUE(transfer.Run()) << JoinLines(transfer.Errors());
        text = ReadFileBytes(transfer.PcFile());
        EXPECT_FALSE(text.empty());
    }
    for (int mode : {ZRHWM_CREATE_MEMBER, ZRHWM_REPLACE_MEMBER})
    {
        SCOPED_TRACE(mode);
        HostTransfer transfer(ZRDIR_PC_TO_HOST, ZRHOST_S36, ZRTT_PLAIN, PCFT_TXT);
        WriteAll(transfer.PcFile(), text);
        transfer.Set(ZRP_HOST_TARGET_NAME, mode == ZRHWM_CREATE_MEMBER ? "ZRTLIB(PAYCOPY)" : "ZRTLIB(PAYCALC)");
        transfer.Set(ZRP_HOST_FILE_TYPE, ZRHFT_MEMBER_SOURCE);
        transfer.Set(ZRP_HOST_WRITE_MODE, mode);
        transfer.Set(ZRP_RECORD_LENGTH, 96);
        const Strings original = RecordFileRecords(transfer.Store("S36\\LIBRARIES\\ZRTLIB\\PAYCALC.SRC"), 96);
        ASSERT_TRUE(transfer.Run()) << JoinLines(transfer.Errors());
        const char* written = mode == ZRHWM_CREATE_MEMBER ? "S36\\LIBRARIES\\ZRTLIB\\PAYCOPY.SRC"
                                                          : "S36\\LIBRARIES\\ZRTLIB\\PAYCALC.SRC";
        EXPECT_EQ(original, RecordFileRecords(transfer.Store(written), 96));
    }
}

TEST(S36Transfer, CancellingEitherDirectionKeepsWholeRecordsAndEndsFT36)
{
    std::string csv;
    {
        HostTransfer transfer(ZRDIR_HOST_TO_PC, ZRHOST_S36, ZRTT_CONVERSION, PCFT_CSV);
        AddS36CopyOfCustmast(transfer.Store(""), "CUSTBIG", 6);
        transfer.Set(ZRP_DESCRIPTION_FILE, transfer.Store("S36\\FILES\\CUSTBIG.FMT").c_str());
        transfer.Set(ZRP_HOST_SOURCE_NAME, "CUSTBIG");
        ASSERT_TRUE(transfer.Run()) << JoinLines(transfer.Errors());
        csv = ReadFileBytes(transfer.PcFile());
        ASSERT_EQ(72u, CountLines(csv));
    }
    {
        HostTransfer transfer(ZRDIR_HOST_TO_PC, ZRHOST_S36, ZRTT_CONVERSION, PCFT_CSV);
        AddS36CopyOfCustmast(transfer.Store(""), "CUSTBIG", 6);
        WriteAll(transfer.Store("SCENARIO.INI"), "[Bridge]\r\nTrace=trace.log\r\n[Session E]\r\nReplyDelayMs=400\r\n");
        transfer.Set(ZRP_DESCRIPTION_FILE, transfer.Store("S36\\FILES\\CUSTBIG.FMT").c_str());
        transfer.Set(ZRP_HOST_SOURCE_NAME, "CUSTBIG");
        EXPECT_EQ(1, RunAndCancelAfter(transfer, 10)) << JoinLines(transfer.Errors());
        const std::string part = ReadFileBytes(transfer.PcFile());
        EXPECT_GE(CountLines(part), 10u);
        EXPECT_LT(CountLines(part), 72u);
        EXPECT_EQ(0u, csv.rfind(part, 0)) << "the PC file holds the first records, whole";
        // The pending request is cancelled with C, then FT36 is ended with X.
        const Strings trace = FileLines(transfer.Store("trace.log"));
        EXPECT_NE(trace.end(),
                  std::find_if(trace.begin(), trace.end(),
                               [](const std::string& line) { return line.find("keys=\"C\"") != std::string::npos; }))
            << JoinLines(trace);
        EXPECT_NE(std::string::npos, LastFirstRow(trace, 'E').find("COMMAND DISPLAY")) << JoinLines(trace);
    }
    HostTransfer transfer(ZRDIR_PC_TO_HOST, ZRHOST_S36, ZRTT_CONVERSION, PCFT_CSV);
    AddS36CopyOfCustmast(transfer.Store(""), "CUSTBIG", 6);
    WriteAll(transfer.PcFile(), csv);
    WriteAll(transfer.Store("SCENARIO.INI"), "[Bridge]\r\nTrace=trace.log\r\n[Session E]\r\nReplyDelayMs=400\r\n");
    transfer.Set(ZRP_DESCRIPTION_FILE, transfer.Store("S36\\FILES\\CUSTBIG.FMT").c_str());
    transfer.Set(ZRP_HOST_TARGET_NAME, "CUSTNEW");
    transfer.Set(ZRP_HOST_WRITE_MODE, ZRHWM_CREATE_FILE);
    // A cancelled write still sends its last buffer: the host commits what was sent.
    EXPECT_EQ(1, RunAndCancelAfter(transfer, 10)) << JoinLines(transfer.Errors());
    const Strings sent = RecordFileRecords(transfer.Store("S36\\FILES\\CUSTBIG.DAT"), kCustmastBytes);
    const Strings kept = RecordFileRecords(transfer.Store("S36\\FILES\\CUSTNEW.DAT"), kCustmastBytes);
    // The PC file's reader counts a record when it has read it ahead, before its fields reach the host.
    EXPECT_GE(kept.size(), 9u);
    EXPECT_LT(kept.size(), 72u);
    EXPECT_EQ(Strings(sent.begin(), sent.begin() + static_cast<std::ptrdiff_t>(std::min(kept.size(), sent.size()))),
              kept);
    const Strings trace = FileLines(transfer.Store("trace.log"));
    EXPECT_NE(std::string::npos, LastFirstRow(trace, 'E').find("COMMAND DISPLAY")) << JoinLines(trace);
}
