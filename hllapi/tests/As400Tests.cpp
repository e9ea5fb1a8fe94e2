// Zrtas400.dll through its exported table against the stand-in bridge and its simulated AS/400: the screen
// conversation of every request kind, the records moved both ways, and the failures the host or the session
// produce.
#include "HostBench.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

namespace
{
using Strings = std::vector<std::string>;

bool AnyStartsWith(const Strings& texts, const std::string& start)
{
    return std::any_of(texts.begin(), texts.end(), [&](const std::string& text) { return text.rfind(start, 0) == 0; });
}

constexpr int kCustomerBytes = 80;
constexpr char kCustomerMember[] = "AS400\\QGPL\\CUSTOMER\\CUSTOMER.MBR";
constexpr char kStart[] = "KVRTFR/KVRFT";

// QGPL/CUSTOMER(CUSTOMER) read in text mode, as PC texts.
std::vector<Strings> CustomerTexts()
{
    HostBench bench(ZRHOST_AS400, ZRDIR_HOST_TO_PC);
    EXPECT_TRUE(bench.Tables().HasVersionLibrary()) << "the code tables come from the version library";
    bench.Set(ZRP_HOST_SOURCE_NAME, "QGPL/CUSTOMER(CUSTOMER)");
    const HostRun run = bench.Read();
    std::vector<Strings> texts;
    for (const std::string& record : run.records)
        texts.push_back(bench.ToPcTexts(record));
    return texts;
}

void Browse(HostBench& bench, const char* request, const char* library, const char* file, const char* member)
{
    bench.Set(ZRP_BROWSE_BUSY, 1);
    bench.Set(ZRP_BROWSE_REQUEST, request);
    bench.Set(ZRP_BROWSE_LIBRARY, library);
    bench.Set(ZRP_BROWSE_FILE, file);
    bench.Set(ZRP_BROWSE_MEMBER, member);
}
}

TEST(As400Source, ReadsADataMemberScreenByScreen)
{
    HostBench bench(ZRHOST_AS400, ZRDIR_HOST_TO_PC);
    bench.Set(ZRP_HOST_SOURCE_NAME, "qgpl/customer(customer)");
    const HostRun run = bench.Read();
    ASSERT_TRUE(run.Succeeded()) << JoinLines(bench.ErrorTexts());
    EXPECT_TRUE(bench.ErrorTexts().empty());
    ASSERT_EQ(25u, run.records.size());
    EXPECT_EQ(25, run.recordCount);
    EXPECT_EQ((Strings{"CUSTNO    ", "NAME      ", "CITY      ", "BALANCE   ", "CREDIT    ", "DISCOUNT  ", "ORDERS    ",
                       "POINTS    ", "PAYDAYS   "}),
              run.fieldNames);
    // Display forms: P(7,0) 8, A30, A20, P(11,2) 13, S(9,2) 11, S(3,3) 5, B(4,0) 5, B(9,0) 10, B(5,1) 7.
    EXPECT_EQ(109u, run.records[0].size());
    EXPECT_EQ(Ebcdic("    1001Anderson Hardware             Minneapolis         "), run.records[0].substr(0, 58));
    // 16 records fill a screen, the second holds the last 9; Close answers the last one with Enter.
    EXPECT_EQ((Strings{kStart, "@E", "A QGPL CUSTOMER CUSTOMER 'Y' ' '", "@E", "@E", "@E", "@E", "@3"}), bench.Keys());
}

TEST(As400Source, BinaryModeDeliversTheHostBytes)
{
    HostBench bench(ZRHOST_AS400, ZRDIR_HOST_TO_PC, ZRTT_BINARY);
    bench.Set(ZRP_HOST_SOURCE_NAME, "QGPL/CUSTOMER(CUSTOMER)");
    const HostRun run = bench.Read();
    ASSERT_TRUE(run.Succeeded()) << JoinLines(bench.ErrorTexts());
    EXPECT_TRUE(SameRecords(bench.StoredRecords(kCustomerMember, kCustomerBytes), run.records));
    EXPECT_TRUE(ContainsText(bench.Keys(), "A QGPL CUSTOMER CUSTOMER 'Y' 'H'"));
}

TEST(As400Source, SourceMemberIsOneCharacterField)
{
    HostBench bench(ZRHOST_AS400, ZRDIR_HOST_TO_PC);
    bench.Set(ZRP_HOST_SOURCE_NAME, "QGPL/QCLSRC(STARTUP)");
    bench.Set(ZRP_HOST_FILE_TYPE, ZRHFT_SOURCE);
    const HostRun run = bench.Read();
    ASSERT_TRUE(run.Succeeded()) << JoinLines(bench.ErrorTexts());
    ASSERT_EQ(1u, run.fieldNames.size());
    const Strings stored = bench.StoredRecords("AS400\\QGPL\\QCLSRC\\STARTUP.MBR", 92);
    EXPECT_FALSE(stored.empty());
    EXPECT_TRUE(SameRecords(stored, run.records));
    EXPECT_TRUE(ContainsText(bench.Keys(), "A QGPL QCLSRC STARTUP 'S' ' '"));
}

TEST(As400Source, EmptyMemberIsAnEmptyTransfer)
{
    for (int type : {ZRTT_CONVERSION, ZRTT_BINARY})
    {
        HostBench bench(ZRHOST_AS400, ZRDIR_HOST_TO_PC, type);
        bench.Set(ZRP_HOST_SOURCE_NAME, "QGPL/CUSTOMER(EMPTY)");
        const HostRun run = bench.Read();
        EXPECT_TRUE(run.Succeeded()) << JoinLines(bench.ErrorTexts());
        EXPECT_TRUE(run.records.empty());
        EXPECT_EQ(0, run.recordCount);
    }
}

TEST(As400Source, SourceFileWithoutMembersIsAnEmptyTransfer)
{
    for (int type : {ZRTT_CONVERSION, ZRTT_BINARY})
    {
        SCOPED_TRACE(type);
        HostBench bench(ZRHOST_AS400, ZRDIR_HOST_TO_PC, type);
        std::ofstream(bench.StorePath("AS400\\QGPL\\QRPGSRC.INI"))
            << "[File]\nType=SOURCE\nText=RPG source\nRecordLength=92\n\n[Members]\n";
        bench.Set(ZRP_HOST_SOURCE_NAME, "QGPL/QRPGSRC(*FIRST)");
        bench.Set(ZRP_HOST_FILE_TYPE, ZRHFT_SOURCE);
        const HostRun run = bench.Read();
        ASSERT_TRUE(run.Succeeded()) << JoinLines(bench.ErrorTexts());
        EXPECT_TRUE(run.records.empty());
        EXPECT_EQ(0, run.recordCount);
    }
}

TEST(As400Source, EmptyMemberNameDeliversTheFieldDescriptions)
{
    HostBench bench(ZRHOST_AS400, ZRDIR_HOST_TO_PC);
    bench.Set(ZRP_HOST_SOURCE_NAME, "QGPL/CUSTOMER()");
    const HostRun run = bench.Read();
    ASSERT_TRUE(run.Succeeded()) << JoinLines(bench.ErrorTexts());
    EXPECT_EQ((Strings{"Name", "Type", "Length", "Decimal", "Comment"}), run.fieldNames);
    ASSERT_EQ(9u, run.records.size());
    EXPECT_EQ(Ebcdic("CUSTNO    P00700Customer number                                   "), run.records[0]);
    // The pending description screen is abandoned with PF3 at Close, then PF3 ends KVRFT.
    EXPECT_EQ((Strings{kStart, "@E", "A QGPL CUSTOMER *FIRST 'Y' ' '", "@E", "@3", "@3"}), bench.Keys());
}

TEST(As400Source, BadNamesAreRefusedBeforeAnythingIsTyped)
{
    const struct
    {
        const char* name;
        const char* code;
    } cases[] = {{"ABCDEFGHIJK/F(M)", "ZRT007"},
                 {"1LIB/F(M)", "ZRT007"},
                 {"/F(M)", "ZRT007"},
                 {"QGPL/MY FILE(M)", "ZRT009"},
                 {"QGPL/(M)", "ZRT009"},
                 {"QGPL/CUSTOMERFILE(M)", "ZRT009"},
                 {"QGPL/CUSTOMER(MEMBER12345)", "ZRT008"},
                 {"QGPL/CUSTOMER(9M)", "ZRT008"}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        HostBench bench(ZRHOST_AS400, ZRDIR_HOST_TO_PC);
        bench.Set(ZRP_HOST_SOURCE_NAME, c.name);
        const HostRun run = bench.Read();
        EXPECT_FALSE(run.opened);
        EXPECT_EQ(Strings{c.code}, MessageCodes(bench.ErrorTexts()));
        EXPECT_EQ((Strings{kStart, "@E", "@3"}), bench.Keys());
    }
}

TEST(As400Source, HostMessagesEndTheTransfer)
{
    HostBench bench(ZRHOST_AS400, ZRDIR_HOST_TO_PC);
    bench.Set(ZRP_HOST_SOURCE_NAME, "QGPL/CUSTOMER(NOSUCH)");
    const HostRun run = bench.Read();
    EXPECT_FALSE(run.opened);
    const Strings errors = bench.ErrorTexts();
    ASSERT_EQ(1u, errors.size());
    EXPECT_EQ(0u, errors[0].rfind("Error ZRT014: The host sent message, '", 0)) << errors[0];
    EXPECT_EQ(".'", errors[0].substr(errors[0].size() - 2));
    // Close answers the error with Enter, so that KVRFT is ready again.
    const Strings keys = bench.Keys();
    ASSERT_GE(keys.size(), 3u);
    EXPECT_EQ((Strings{"@E", "@3"}), Strings(keys.end() - 2, keys.end()));
}

TEST(As400Source, DataOfAnotherLengthThanItsDescriptionsIsRefused)
{
    const struct
    {
        int type;
        const char* lengths;
    } cases[] = {{ZRTT_CONVERSION, "of length 110, but the record layout of the transfer has records of length 109."},
                 {ZRTT_BINARY, "of length 81, but the record layout of the transfer has records of length 80."}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.type);
        HostBench bench(ZRHOST_AS400, ZRDIR_HOST_TO_PC, c.type);
        bench.WriteScenario("[Session A]\r\nRecordLengthDelta=1\r\n");
        bench.Set(ZRP_HOST_SOURCE_NAME, "QGPL/CUSTOMER(CUSTOMER)");
        EXPECT_FALSE(bench.Read().opened);
        const Strings errors = bench.ErrorTexts();
        ASSERT_EQ(1u, errors.size());
        EXPECT_EQ(0u, errors[0].rfind("Error ZRT046: The host program sent records ", 0)) << errors[0];
        EXPECT_NE(std::string::npos, errors[0].find(c.lengths)) << errors[0];
    }
}

TEST(As400Source, AtSignsInNamesAreTypedTwice)
{
    HostBench bench(ZRHOST_AS400, ZRDIR_HOST_TO_PC);
    bench.Set(ZRP_HOST_SOURCE_NAME, "QGPL/CUSTOMER(A@B)");
    bench.Read();
    EXPECT_TRUE(ContainsText(bench.Keys(), "A QGPL CUSTOMER A@@B 'Y' ' '"));
}

TEST(As400Source, AReadEndingOnAFullScreenTakesTheHostsEmptyLastBuffer)
{
    // Each member fills its screens exactly: 16 display records of 109, 19 source records of 92, 11 binary
    // records of 80 bytes (160 hexadecimal characters). The reader asks for the screen after the last full one,
    // the host answers with an empty '+', and Close ends the dialog with Enter; PF3 then ends KVRFT.
    const struct
    {
        const char* file;
        const char* from;
        int records;
        int type;
        int fileType;
        const char* full;
        const char* last;
    } cases[] = {{"CUSTOMER", "CUSTOMER", 16, ZRTT_CONVERSION, ZRHFT_DATA, "{*  000010  0109}", "{+  000010  0109}"},
                 {"CUSTOMER", "CUSTOMER", 32, ZRTT_CONVERSION, ZRHFT_DATA, "{*  000020  0109}", "{+  000020  0109}"},
                 {"QCLSRC", "STARTUP", 19, ZRTT_CONVERSION, ZRHFT_SOURCE, "{*  000013  0092}", "{+  000013  0092}"},
                 {"CUSTOMER", "CUSTOMER", 11, ZRTT_BINARY, ZRHFT_DATA, "{*  00000B  0080}", "{+  00000B  0080}"}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.file) + " " + std::to_string(c.records));
        HostBench bench(ZRHOST_AS400, ZRDIR_HOST_TO_PC, c.type);
        bench.CopyAs400Member("QGPL", c.file, c.from, "FULL", c.records);
        bench.Set(ZRP_HOST_SOURCE_NAME, (std::string("QGPL/") + c.file + "(FULL)").c_str());
        bench.Set(ZRP_HOST_FILE_TYPE, c.fileType);
        const HostRun run = bench.Read();
        ASSERT_TRUE(run.Succeeded()) << JoinLines(bench.ErrorTexts());
        EXPECT_EQ(static_cast<std::size_t>(c.records), run.records.size());
        const Strings dialog = bench.Dialog();
        ASSERT_GE(dialog.size(), 8u);
        EXPECT_EQ((Strings{"@E", c.full, "@E", c.last, "@E", "{}", "@3"}), Strings(dialog.end() - 8, dialog.end() - 1))
            << JoinLines(dialog);
    }
}

TEST(As400Source, ADescriptionReadEndingOnAFullScreenAbandonsTheDataStage)
{
    // 26 descriptions fill one screen. After them the host would show the member's data, which a description
    // request does not read: nothing asks for it, and Close abandons it with PF3.
    HostBench bench(ZRHOST_AS400, ZRDIR_HOST_TO_PC);
    std::string descriptions;
    for (int i = 1; i <= 26; ++i)
        descriptions += DescriptionLine((std::string("F") + std::to_string(i)).c_str(), 'A', 5, 0);
    std::ofstream(bench.StorePath("AS400\\QGPL\\WIDE.FMT"), std::ios::binary) << descriptions;
    std::ofstream(bench.StorePath("AS400\\QGPL\\WIDE.INI")) << "[File]\nType=DATA\n\n[Members]\nM1=\n";
    bench.Set(ZRP_HOST_SOURCE_NAME, "QGPL/WIDE()");
    const HostRun run = bench.Read();
    ASSERT_TRUE(run.Succeeded()) << JoinLines(bench.ErrorTexts());
    ASSERT_EQ(26u, run.records.size());
    const Strings dialog = bench.Dialog();
    ASSERT_GE(dialog.size(), 8u);
    EXPECT_EQ((Strings{"A QGPL WIDE *FIRST 'Y' ' '", "@E", "{F  00001A  0066}", "@3", "{}", "@3"}),
              Strings(dialog.end() - 7, dialog.end() - 1))
        << JoinLines(dialog);
}

TEST(As400Source, ListsOfTheHostForBrowsing)
{
    {
        HostBench bench(ZRHOST_AS400, ZRDIR_HOST_TO_PC);
        Browse(bench, "TABLES", "", "", "");
        const HostRun run = bench.Read();
        ASSERT_TRUE(run.Succeeded()) << JoinLines(bench.ErrorTexts());
        EXPECT_EQ((Strings{"Name      ", "Comment   "}), run.fieldNames);
        EXPECT_TRUE(AnyStartsWith(run.records, Ebcdic("QGPL ")));
        EXPECT_TRUE(AnyStartsWith(run.records, Ebcdic("SALES ")));
        const Strings keys = bench.Keys();
        ASSERT_GE(keys.size(), 5u);
        EXPECT_EQ((Strings{"L", "@E", "A QTEMP LIBLIST *FIRST 'Y' ' '"}), Strings(keys.begin() + 2, keys.begin() + 5));
    }
    {
        HostBench bench(ZRHOST_AS400, ZRDIR_HOST_TO_PC);
        Browse(bench, "TABLES", "QGPL", "", "");
        const HostRun run = bench.Read();
        ASSERT_TRUE(run.Succeeded()) << JoinLines(bench.ErrorTexts());
        EXPECT_TRUE(AnyStartsWith(run.records, Ebcdic("CUSTOMER ")));
        EXPECT_TRUE(AnyStartsWith(run.records, Ebcdic("QCLSRC ")));
        EXPECT_TRUE(ContainsText(bench.Keys(), "FQGPL"));
        EXPECT_TRUE(ContainsText(bench.Keys(), "A KVRTFR FL *FIRST 'Y' ' '"));
    }
    {
        HostBench bench(ZRHOST_AS400, ZRDIR_HOST_TO_PC);
        Browse(bench, "TABLES", "QGPL", "CUSTOMER", "");
        const HostRun run = bench.Read();
        ASSERT_TRUE(run.Succeeded()) << JoinLines(bench.ErrorTexts());
        ASSERT_EQ(2u, run.records.size());
        EXPECT_TRUE(AnyStartsWith(run.records, Ebcdic("EMPTY ")));
        EXPECT_TRUE(ContainsText(bench.Keys(), "MQGPL CUSTOMER"));
        EXPECT_TRUE(ContainsText(bench.Keys(), "A KVRTFR ML *FIRST 'Y' ' '"));
    }
}

TEST(As400Source, BrowsingColumnsAndDataOfAMember)
{
    {
        HostBench bench(ZRHOST_AS400, ZRDIR_HOST_TO_PC);
        Browse(bench, "COLUMNS", "QGPL", "CUSTOMER", "");
        const HostRun run = bench.Read();
        ASSERT_TRUE(run.Succeeded()) << JoinLines(bench.ErrorTexts());
        EXPECT_EQ(9u, run.records.size());
        EXPECT_EQ(5u, run.fieldNames.size());
    }
    {
        // A writer serves a browse as a reader does.
        HostBench bench(ZRHOST_AS400, ZRDIR_PC_TO_HOST);
        Browse(bench, "DATA", "QGPL", "CUSTOMER", "CUSTOMER");
        const HostRun run = bench.Read();
        ASSERT_TRUE(run.Succeeded()) << JoinLines(bench.ErrorTexts());
        EXPECT_EQ(25u, run.records.size());
    }
}

TEST(As400Source, SessionListMarksBusySessions)
{
    HostBench bench(ZRHOST_AS400, ZRDIR_HOST_TO_PC);
    bench.WriteScenario("[Session B]\r\nBusy=1\r\n[Session C]\r\nHost=PRINTER\r\n[Session D]\r\nHost=INACTIVE\r\n");
    char text[78] = {};
    int count = 0;
    int other = -1;
    ASSERT_TRUE(bench.Source().QueryInfo(text, &count, &other)) << JoinLines(bench.ErrorTexts());
    EXPECT_EQ(6, count);
    EXPECT_EQ(0, other);
    EXPECT_EQ(std::string("\x01"
                          "A\0\0B\0\x01"
                          "E\0",
                          9),
              std::string(text, 9));
}

TEST(As400Session, FaultsOfTheSessionGiveTheirMessages)
{
    const struct
    {
        const char* scenario;
        const char* code;
        Strings keys;
    } cases[] = {{"ProgramInstalled=0", "ZRT001", {kStart, "@E"}},
                 {"CursorRow=5", "ZRT041", {}},
                 {"OperatorError=1", "ZRT042", {kStart}},
                 {"Busy=1", "ZRT025", {}},
                 {"KeyboardLocked=1", "ZRT026", {}},
                 {"ConnectRc=11", "ZRT027", {}}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.scenario);
        HostBench bench(ZRHOST_AS400, ZRDIR_HOST_TO_PC);
        bench.WriteScenario(std::string("[Session A]\r\n") + c.scenario + "\r\n");
        bench.Set(ZRP_HOST_SOURCE_NAME, "QGPL/CUSTOMER(CUSTOMER)");
        const HostRun run = bench.Read();
        EXPECT_FALSE(run.connected);
        EXPECT_EQ(Strings{c.code}, MessageCodes(bench.ErrorTexts()));
        EXPECT_EQ(c.keys, bench.Keys());
    }
}

TEST(As400Session, HostThatStopsAnsweringTimesOutAndCloseReportsTheLockedKeyboard)
{
    HostBench bench(ZRHOST_AS400, ZRDIR_HOST_TO_PC);
    bench.Tables().SetOption(ZRO_HLLAPI_TIMEOUT_SENDKEY, 1);
    bench.Set(ZRP_HOST_SOURCE_NAME, "QGPL/CUSTOMER(CUSTOMER)");
    DataSourceFunctions& source = bench.Source();
    ASSERT_TRUE(source.Connect()) << JoinLines(bench.ErrorTexts());
    bench.WriteScenario("[Session A]\r\nNeverAnswer=1\r\n");
    // Without a connect, the bridge reads a changed scenario at once on Query Sessions.
    using HllapiEntry = int(WINAPI*)(int*, char*, int*, int*);
    const auto hllapi = reinterpret_cast<HllapiEntry>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("KVHLL32.dll"), "hllapi")));
    ASSERT_NE(nullptr, hllapi);
    int function = 10;
    char sessions[16 * 26];
    int length = sizeof(sessions);
    int returnCode = 0;
    hllapi(&function, sessions, &length, &returnCode);
    const DWORD start = GetTickCount();
    EXPECT_FALSE(source.Open(nullptr));
    EXPECT_LT(GetTickCount() - start, 3000u);
    EXPECT_FALSE(source.Close());
    const Strings codes = MessageCodes(bench.ErrorTexts());
    ASSERT_EQ(2u, codes.size());
    EXPECT_EQ((Strings{"ZRT038", "ZRT006"}), codes);
}

TEST(As400Session, SlowHostsRunIntoTheDdsTimeOut)
{
    {
        HostBench bench(ZRHOST_AS400, ZRDIR_HOST_TO_PC);
        bench.Tables().SetOption(ZRO_HLLAPI_TIMEOUT_DDS, 1);
        bench.WriteScenario("[Session A]\r\nDescriptionWaitMs=4000\r\n");
        bench.Set(ZRP_HOST_SOURCE_NAME, "QGPL/CUSTOMER(CUSTOMER)");
        EXPECT_FALSE(bench.Read().opened);
        EXPECT_EQ(Strings{"ZRT005"}, MessageCodes(bench.ErrorTexts()));
    }
    {
        HostBench bench(ZRHOST_AS400, ZRDIR_HOST_TO_PC, ZRTT_BINARY);
        bench.Tables().SetOption(ZRO_HLLAPI_TIMEOUT_DDS, 1);
        bench.WriteScenario("[Session A]\r\nBufferWaitMs=4000\r\n");
        bench.Set(ZRP_HOST_SOURCE_NAME, "QGPL/CUSTOMER(CUSTOMER)");
        const HostRun run = bench.Read();
        EXPECT_TRUE(run.opened);
        EXPECT_FALSE(run.moved);
        EXPECT_EQ(Strings{"ZRT017"}, MessageCodes(bench.ErrorTexts()));
    }
}

TEST(As400Session, HostsThatAskToWaitAreWaitedFor)
{
    // The descriptions of a data read and of a description request, and the next screens of a binary read, each
    // come after 'W' replies; within the time-out the transfer goes on as if they had come at once.
    const struct
    {
        const char* name;
        int type;
        const char* scenario;
        std::size_t records;
    } cases[] = {{"QGPL/CUSTOMER(CUSTOMER)", ZRTT_CONVERSION, "DescriptionWaitMs=300", 25},
                 {"QGPL/CUSTOMER()", ZRTT_CONVERSION, "DescriptionWaitMs=300", 9},
                 {"QGPL/CUSTOMER(CUSTOMER)", ZRTT_BINARY, "BufferWaitMs=100", 25}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        HostBench bench(ZRHOST_AS400, ZRDIR_HOST_TO_PC, c.type);
        bench.WriteScenario(std::string("[Session A]\r\n") + c.scenario + "\r\n");
        bench.Set(ZRP_HOST_SOURCE_NAME, c.name);
        const HostRun run = bench.Read();
        ASSERT_TRUE(run.Succeeded()) << JoinLines(bench.ErrorTexts());
        EXPECT_EQ(c.records, run.records.size());
    }
}

TEST(As400Session, HostFailureInTheMiddleOfAReadIsReported)
{
    HostBench bench(ZRHOST_AS400, ZRDIR_HOST_TO_PC);
    bench.WriteScenario("[Session A]\r\nFailAfterBuffers=1\r\nFailureMessage=Disk failure\r\n");
    bench.Set(ZRP_HOST_SOURCE_NAME, "QGPL/CUSTOMER(CUSTOMER)");
    const HostRun run = bench.Read();
    EXPECT_FALSE(run.moved);
    // The first screen's 16 records arrived; the step past the 16th, which asks for the next screen, fails.
    EXPECT_EQ(15u, run.records.size());
    const Strings errors = bench.ErrorTexts();
    ASSERT_EQ(1u, errors.size());
    EXPECT_NE(std::string::npos, errors[0].find("Disk failure")) << errors[0];
}

TEST(As400Target, TextRecordsWrittenBackGiveTheHostBytes)
{
    const std::vector<Strings> texts = CustomerTexts();
    ASSERT_EQ(25u, texts.size());
    ASSERT_EQ(9u, texts[0].size());
    EXPECT_EQ("    1001", texts[0][0]);
    HostBench bench(ZRHOST_AS400, ZRDIR_PC_TO_HOST);
    bench.Set(ZRP_HOST_TARGET_NAME, "QGPL/CUSTOMER(COPY)");
    bench.Set(ZRP_HOST_WRITE_MODE, ZRHWM_CREATE_MEMBER);
    const HostRun run = bench.Write(texts);
    ASSERT_TRUE(run.Succeeded()) << JoinLines(bench.ErrorTexts());
    EXPECT_EQ(25, run.recordCount);
    EXPECT_TRUE(SameRecords(bench.StoredRecords(kCustomerMember, kCustomerBytes),
                            bench.StoredRecords("AS400\\QGPL\\CUSTOMER\\COPY.MBR", kCustomerBytes)));
    const Strings keys = bench.Keys();
    EXPECT_TRUE(ContainsText(keys, "A QGPL CUSTOMER *FIRST 'Y' ' '"));
    EXPECT_TRUE(ContainsText(keys, "P QGPL CUSTOMER COPY 'M' 'Y' ' ' ' ' '1'"));
    EXPECT_TRUE(ContainsText(keys, "[*  000016  0109]"));
    EXPECT_TRUE(ContainsText(keys, "[+  000009  0109]"));
}

TEST(As400Target, AppendAndReplaceMembers)
{
    std::vector<Strings> texts = CustomerTexts();
    texts.resize(3);
    {
        HostBench bench(ZRHOST_AS400, ZRDIR_PC_TO_HOST);
        bench.Set(ZRP_HOST_TARGET_NAME, "QGPL/CUSTOMER(CUSTOMER)");
        bench.Set(ZRP_HOST_WRITE_MODE, ZRHWM_APPEND_MEMBER);
        ASSERT_TRUE(bench.Write(texts).Succeeded()) << JoinLines(bench.ErrorTexts());
        const Strings stored = bench.StoredRecords(kCustomerMember, kCustomerBytes);
        ASSERT_EQ(28u, stored.size());
        EXPECT_EQ(stored[0], stored[25]);
        EXPECT_EQ(stored[2], stored[27]);
        EXPECT_TRUE(ContainsText(bench.Keys(), "P QGPL CUSTOMER CUSTOMER ' ' 'Y' ' ' ' ' '1'"));
    }
    {
        HostBench bench(ZRHOST_AS400, ZRDIR_PC_TO_HOST);
        const Strings before = bench.StoredRecords(kCustomerMember, kCustomerBytes);
        bench.Set(ZRP_HOST_TARGET_NAME, "QGPL/CUSTOMER(CUSTOMER)");
        bench.Set(ZRP_HOST_WRITE_MODE, ZRHWM_REPLACE_MEMBER);
        ASSERT_TRUE(bench.Write(texts).Succeeded()) << JoinLines(bench.ErrorTexts());
        EXPECT_TRUE(SameRecords(Strings(before.begin(), before.begin() + 3),
                                bench.StoredRecords(kCustomerMember, kCustomerBytes)));
        EXPECT_TRUE(ContainsText(bench.Keys(), "P QGPL CUSTOMER CUSTOMER 'X' 'Y' ' ' ' ' '1'"));
    }
}

TEST(As400Target, BinaryRecordsReplaceAMember)
{
    HostBench bench(ZRHOST_AS400, ZRDIR_PC_TO_HOST, ZRTT_BINARY);
    const Strings records = bench.StoredRecords(kCustomerMember, kCustomerBytes);
    bench.Set(ZRP_HOST_TARGET_NAME, "QGPL/CUSTOMER(BINCOPY)");
    bench.Set(ZRP_HOST_WRITE_MODE, ZRHWM_REPLACE_MEMBER);
    const HostRun run = bench.WriteBinary(records);
    ASSERT_TRUE(run.Succeeded()) << JoinLines(bench.ErrorTexts());
    EXPECT_TRUE(SameRecords(records, bench.StoredRecords("AS400\\QGPL\\CUSTOMER\\BINCOPY.MBR", kCustomerBytes)));
    // The binary writer reads the layout of the member as named, then writes in hexadecimal.
    const Strings keys = bench.Keys();
    EXPECT_TRUE(ContainsText(keys, "A QGPL CUSTOMER BINCOPY 'Y' 'H'"));
    EXPECT_TRUE(ContainsText(keys, "P QGPL CUSTOMER BINCOPY 'X' 'Y' ' ' 'H' '1'"));
    EXPECT_TRUE(ContainsText(keys, "[*  000011  0080]"));
}

TEST(As400Target, CreatesAFileFromADescriptionFileInTextAndBinaryMode)
{
    std::string descriptions;
    for (int i = 1; i <= 27; ++i)
        descriptions += DescriptionLine((std::string("F") + std::to_string(i)).c_str(), i % 2 ? 'A' : 'P', 5, 0);
    for (int type : {ZRTT_CONVERSION, ZRTT_BINARY})
    {
        SCOPED_TRACE(type);
        HostBench bench(ZRHOST_AS400, ZRDIR_PC_TO_HOST, type);
        bench.WriteScratch("wide.fmt", descriptions);
        bench.Set(ZRP_DESCRIPTION_FILE, bench.ScratchPath("wide.fmt").c_str());
        bench.Set(ZRP_HOST_TARGET_NAME, "QGPL/WIDE(FIRST)");
        bench.Set(ZRP_HOST_WRITE_MODE, ZRHWM_CREATE_FILE);
        const HostRun run = bench.Write({});
        ASSERT_TRUE(run.Succeeded()) << JoinLines(bench.ErrorTexts());
        const std::string create = type == ZRTT_BINARY ? "P QGPL WIDE FIRST 'C' 'Y' 'Y' 'H' '1'"
                                                       : "P QGPL WIDE FIRST 'C' 'Y' 'Y' ' ' '1'";
        const Strings keys = bench.Keys();
        const auto at = std::find(keys.begin(), keys.end(), create);
        ASSERT_NE(keys.end(), at) << JoinLines(keys);
        const Strings conversation(at, std::min(keys.end(), at + 11));
        ASSERT_EQ(11u, conversation.size()) << JoinLines(keys);
        EXPECT_EQ("@E", conversation[1]);
        EXPECT_EQ(0u, conversation[2].rfind(std::string("[") + DescriptionLine("F1", 'A', 5, 0).substr(0, 66)));
        EXPECT_EQ((Strings{"[F  000026  0066]", "@E"}), Strings(conversation.begin() + 3, conversation.begin() + 5));
        EXPECT_EQ((Strings{"[F  000001  0066]", "@E", "[+  000000  0066]", "@E", "@E"}),
                  Strings(conversation.begin() + 6, conversation.begin() + 11));
        const Strings stored = bench.StoreLines("AS400\\QGPL\\WIDE.FMT");
        ASSERT_EQ(27u, stored.size());
        EXPECT_EQ("F27       A00500", stored[26].substr(0, 16));
        EXPECT_EQ("F26       P00500", stored[25].substr(0, 16));
    }
}

TEST(As400Target, FullBuffersAreMarkedAndAnEmptyLastOneFollows)
{
    HostBench bench(ZRHOST_AS400, ZRDIR_PC_TO_HOST);
    bench.WriteScratch("hundred.fmt", DescriptionLine("LINE", 'A', 100, 0));
    bench.Set(ZRP_DESCRIPTION_FILE, bench.ScratchPath("hundred.fmt").c_str());
    bench.Set(ZRP_HOST_TARGET_NAME, "QGPL/LINES(ALL)");
    bench.Set(ZRP_HOST_WRITE_MODE, ZRHWM_CREATE_FILE);
    std::vector<Strings> texts;
    for (int i = 0; i < 34; ++i)
        texts.push_back({std::string("Line ") + std::to_string(i + 1)});
    const HostRun run = bench.Write(texts);
    ASSERT_TRUE(run.Succeeded()) << JoinLines(bench.ErrorTexts());
    EXPECT_EQ(34, run.recordCount);
    Strings headers;
    for (const std::string& key : bench.Keys())
    {
        if (key.size() == 17 && key[0] == '[' && key.find("0100]") != std::string::npos)
            headers.push_back(key);
    }
    EXPECT_EQ((Strings{"[*  000017  0100]", "[*  000017  0100]", "[+  000000  0100]"}), headers);
    const Strings stored = bench.StoredRecords("AS400\\QGPL\\LINES\\ALL.MBR", 100);
    ASSERT_EQ(34u, stored.size());
    EXPECT_EQ(Ebcdic("Line 34") + std::string(93, '\x40'), stored[33]);
}

TEST(As400Target, SourceFilesAreCreatedAndWritten)
{
    HostBench bench(ZRHOST_AS400, ZRDIR_PC_TO_HOST, ZRTT_PLAIN);
    bench.Set(ZRP_HOST_TARGET_NAME, "QGPL/NEWSRC(PGM1)");
    bench.Set(ZRP_HOST_FILE_TYPE, ZRHFT_SOURCE);
    bench.Set(ZRP_HOST_WRITE_MODE, ZRHWM_CREATE_FILE);
    bench.Set(ZRP_RECORD_LENGTH, 92);
    std::vector<Strings> texts;
    for (const char* line : {"0001000000000000PGM", "0002000000000000ENDPGM"})
        texts.push_back({line});
    const HostRun run = bench.Write(texts);
    ASSERT_TRUE(run.Succeeded()) << JoinLines(bench.ErrorTexts());
    EXPECT_TRUE(ContainsText(bench.Keys(), "P QGPL NEWSRC PGM1 'C' 'Y' 'S' ' ' '92'"));
    const Strings stored = bench.StoredRecords("AS400\\QGPL\\NEWSRC\\PGM1.MBR", 92);
    ASSERT_EQ(2u, stored.size());
    EXPECT_EQ(Ebcdic("0002000000000000ENDPGM"), stored[1].substr(0, 22));
}

TEST(As400Target, RefusesWhatCannotBeWritten)
{
    {
        // Write mode 2 has no AS/400 command: refused once the existing layout is known.
        HostBench bench(ZRHOST_AS400, ZRDIR_PC_TO_HOST);
        bench.Set(ZRP_HOST_TARGET_NAME, "QGPL/CUSTOMER(CUSTOMER)");
        bench.Set(ZRP_HOST_WRITE_MODE, ZRHWM_REPLACE_FILE);
        EXPECT_FALSE(bench.Write({}).opened);
        EXPECT_EQ(Strings{"ZRT010"}, MessageCodes(bench.ErrorTexts()));
        EXPECT_TRUE(ContainsText(bench.Keys(), "A QGPL CUSTOMER *FIRST 'Y' ' '"));
        EXPECT_FALSE(AnyStartsWith(bench.Keys(), "P "));
    }
    const struct
    {
        const char* what;
        std::string descriptions;
        int transferType;
        int recordLength;
        const char* code;
    } cases[] = {
        {"record longer than a screen", DescriptionLine("A", 'A', 999, 0) + DescriptionLine("B", 'A', 762, 0),
         ZRTT_CONVERSION, 0, "ZRT044"},
        {"binary record longer than half a screen", DescriptionLine("A", 'A', 881, 0), ZRTT_BINARY, 0, "ZRT044"},
        {"character field longer than 999", "", ZRTT_PLAIN, 1200, "ZRT045"},
        {"unknown type letter", DescriptionLine("A", 'X', 5, 0), ZRTT_CONVERSION, 0, "ZRT012"},
        {"size not a multiple of 68", DescriptionLine("A", 'A', 5, 0) + "A", ZRTT_CONVERSION, 0, "ZRT012"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        HostBench bench(ZRHOST_AS400, ZRDIR_PC_TO_HOST, c.transferType);
        bench.WriteScratch("bad.fmt", c.descriptions);
        bench.Set(ZRP_DESCRIPTION_FILE, bench.ScratchPath("bad.fmt").c_str());
        bench.Set(ZRP_RECORD_LENGTH, c.recordLength);
        bench.Set(ZRP_HOST_TARGET_NAME, "QGPL/NEWFILE(M1)");
        bench.Set(ZRP_HOST_WRITE_MODE, ZRHWM_CREATE_FILE);
        EXPECT_FALSE(bench.Write({}).opened);
        EXPECT_EQ(Strings{c.code}, MessageCodes(bench.ErrorTexts()));
        EXPECT_EQ((Strings{kStart, "@E", "@3"}), bench.Keys());
    }
    HostBench bench(ZRHOST_AS400, ZRDIR_PC_TO_HOST);
    bench.Set(ZRP_DESCRIPTION_FILE, bench.ScratchPath("missing.fmt").c_str());
    bench.Set(ZRP_HOST_TARGET_NAME, "QGPL/NEWFILE(M1)");
    bench.Set(ZRP_HOST_WRITE_MODE, ZRHWM_CREATE_FILE);
    EXPECT_FALSE(bench.Write({}).opened);
    const Strings errors = bench.ErrorTexts();
    ASSERT_EQ(1u, errors.size());
    EXPECT_EQ(std::string("Error ZRT011: Unable to open PC description file, ") + bench.ScratchPath("missing.fmt") +
                  ". This file is either being used by another Windows application or is corrupted.",
              errors[0]);
}

TEST(As400Target, HostFailureWhileWritingIsAFailure)
{
    {
        const std::vector<Strings> texts = CustomerTexts();
        HostBench bench(ZRHOST_AS400, ZRDIR_PC_TO_HOST);
        bench.WriteScenario("[Session A]\r\nFailAfterBuffers=1\r\nFailureMessage=Member is full\r\n");
        bench.Set(ZRP_HOST_TARGET_NAME, "QGPL/CUSTOMER(PART)");
        bench.Set(ZRP_HOST_WRITE_MODE, ZRHWM_CREATE_MEMBER);
        const HostRun run = bench.Write(texts);
        EXPECT_FALSE(run.Succeeded());
        const Strings errors = bench.ErrorTexts();
        ASSERT_EQ(1u, errors.size());
        EXPECT_NE(std::string::npos, errors[0].find("Member is full")) << errors[0];
        EXPECT_EQ(16u, bench.StoredRecords("AS400\\QGPL\\CUSTOMER\\PART.MBR", kCustomerBytes).size());
    }
    {
        // A value that does not fit its field is refused by the host, in a single last buffer too.
        std::vector<Strings> texts = CustomerTexts();
        texts.resize(2);
        texts[1][6] = "99999";
        HostBench bench(ZRHOST_AS400, ZRDIR_PC_TO_HOST);
        bench.Set(ZRP_HOST_TARGET_NAME, "QGPL/CUSTOMER(BAD)");
        bench.Set(ZRP_HOST_WRITE_MODE, ZRHWM_CREATE_MEMBER);
        const HostRun run = bench.Write(texts);
        EXPECT_FALSE(run.Succeeded());
        EXPECT_EQ(Strings{"ZRT014"}, MessageCodes(bench.ErrorTexts()));
        EXPECT_TRUE(bench.StoredRecords("AS400\\QGPL\\CUSTOMER\\BAD.MBR", kCustomerBytes).empty());
    }
}

TEST(As400Target, StoppingInTheMiddleOfARecordKeepsTheWholeRecords)
{
    const std::vector<Strings> texts = CustomerTexts();
    HostBench bench(ZRHOST_AS400, ZRDIR_PC_TO_HOST);
    bench.Set(ZRP_HOST_TARGET_NAME, "QGPL/CUSTOMER(CUT)");
    bench.Set(ZRP_HOST_WRITE_MODE, ZRHWM_CREATE_MEMBER);
    const HostRun run = bench.Write(std::vector<Strings>(texts.begin(), texts.begin() + 20), 4);
    ASSERT_TRUE(run.Succeeded()) << JoinLines(bench.ErrorTexts());
    const Strings original = bench.StoredRecords(kCustomerMember, kCustomerBytes);
    EXPECT_TRUE(SameRecords(Strings(original.begin(), original.begin() + 19),
                            bench.StoredRecords("AS400\\QGPL\\CUSTOMER\\CUT.MBR", kCustomerBytes)));
    EXPECT_TRUE(ContainsText(bench.Keys(), "[+  000003  0109]"));
}
