// Zrts36.dll through its exported table against the stand-in bridge and its simulated System/36: the 50-column
// commands and field lists, the records moved both ways in text and binary mode, and the failures.
#include "HostBench.h"
#include "ProfileFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

namespace
{
using Strings = std::vector<std::string>;

// A 50-column command line from its parts at their columns.
std::string Command(std::initializer_list<std::pair<int, const char*>> parts)
{
    std::string line(50, ' ');
    for (const auto& [column, text] : parts)
        line.replace(static_cast<std::size_t>(column), std::string(text).size(), text);
    return line;
}

constexpr int kCustmastBytes = 64;
constexpr char kCustmast[] = "S36\\FILES\\CUSTMAST.DAT";

// The sample file's description file, in the bench's scratch folder, named in parameter 305.
void UseCustmastDescriptions(HostBench& bench)
{
    bench.WriteScratch("custmast.fmt", ReadFileBytes(bench.StorePath("S36\\FILES\\CUSTMAST.FMT")));
    bench.Set(ZRP_DESCRIPTION_FILE, bench.ScratchPath("custmast.fmt").c_str());
}

std::vector<Strings> CustmastTexts()
{
    HostBench bench(ZRHOST_S36, ZRDIR_HOST_TO_PC);
    UseCustmastDescriptions(bench);
    bench.Set(ZRP_HOST_SOURCE_NAME, "CUSTMAST");
    const HostRun run = bench.Read();
    EXPECT_TRUE(run.Succeeded()) << JoinLines(bench.ErrorTexts());
    std::vector<Strings> texts;
    for (const std::string& record : run.records)
        texts.push_back(bench.ToPcTexts(record));
    return texts;
}

const std::string kCustmastList = "0076007S00600A02500A01500P00902S00702B00400A00400";
}

TEST(S36Source, ReadsAFileWithItsFieldList)
{
    HostBench bench(ZRHOST_S36, ZRDIR_HOST_TO_PC);
    UseCustmastDescriptions(bench);
    bench.Set(ZRP_HOST_SOURCE_NAME, "custmast");
    const HostRun run = bench.Read();
    ASSERT_TRUE(run.Succeeded()) << JoinLines(bench.ErrorTexts());
    ASSERT_EQ(12u, run.records.size());
    EXPECT_EQ(76u, run.records[0].size());
    EXPECT_EQ(Ebcdic("   1001Anderson Hardware        Minneapolis    "), run.records[0].substr(0, 47));
    EXPECT_EQ((Strings{"FT36", "@E", std::string("[") + kCustmastList + "]",
                       Command({{0, "R"}, {10, "Y"}, {16, "CUSTMAST"}}), "@E", "@E", "@E", "X", "@E"}),
              bench.Keys());
}

TEST(S36Source, FileWithoutFieldListIsOneFieldOfItsBytes)
{
    for (int type : {ZRTT_CONVERSION, ZRTT_BINARY})
    {
        SCOPED_TRACE(type);
        HostBench bench(ZRHOST_S36, ZRDIR_HOST_TO_PC, type);
        bench.Set(ZRP_HOST_SOURCE_NAME, "CUSTMAST");
        const HostRun run = bench.Read();
        ASSERT_TRUE(run.Succeeded()) << JoinLines(bench.ErrorTexts());
        EXPECT_EQ(1u, run.fieldNames.size());
        EXPECT_TRUE(SameRecords(bench.StoredRecords(kCustmast, kCustmastBytes), run.records));
        const char* hex = type == ZRTT_BINARY ? "H" : " ";
        EXPECT_TRUE(ContainsText(bench.Keys(), Command({{0, "R"}, {10, hex}, {16, "CUSTMAST"}})))
            << JoinLines(bench.Keys());
    }
}

TEST(S36Source, AnEmptyFileIsAnEmptyTransfer)
{
    for (int type : {ZRTT_CONVERSION, ZRTT_BINARY})
    {
        SCOPED_TRACE(type);
        HostBench bench(ZRHOST_S36, ZRDIR_HOST_TO_PC, type);
        std::ofstream(bench.StorePath("S36\\FILES\\NOTHING.INI")) << "[File]\nRecordLength=64\nRecords=0\n";
        std::ofstream(bench.StorePath("S36\\FILES\\NOTHING.DAT"));
        bench.Set(ZRP_HOST_SOURCE_NAME, "NOTHING");
        const HostRun run = bench.Read();
        ASSERT_TRUE(run.Succeeded()) << JoinLines(bench.ErrorTexts());
        EXPECT_TRUE(run.records.empty());
        EXPECT_EQ(0, run.recordCount);
    }
}

TEST(S36Source, SourceAndProcedureMembers)
{
    const struct
    {
        const char* name;
        int fileType;
        const char* letter;
        const char* stored;
        int length;
    } cases[] = {{"ZRTLIB(PAYCALC)", ZRHFT_MEMBER_SOURCE, "S", "S36\\LIBRARIES\\ZRTLIB\\PAYCALC.SRC", 96},
                 {"zrtlib(daily)", ZRHFT_MEMBER_PROCEDURE, "P", "S36\\LIBRARIES\\ZRTLIB\\DAILY.PRC", 80}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        HostBench bench(ZRHOST_S36, ZRDIR_HOST_TO_PC);
        bench.Set(ZRP_HOST_SOURCE_NAME, c.name);
        bench.Set(ZRP_HOST_FILE_TYPE, c.fileType);
        const HostRun run = bench.Read();
        ASSERT_TRUE(run.Succeeded()) << JoinLines(bench.ErrorTexts());
        const Strings stored = bench.StoredRecords(c.stored, c.length);
        EXPECT_FALSE(stored.empty());
        EXPECT_TRUE(SameRecords(stored, run.records));
        const std::string member = std::string(c.name).substr(7, std::string(c.name).size() - 8);
        std::string upper = member;
        std::transform(upper.begin(), upper.end(), upper.begin(), ::toupper);
        EXPECT_TRUE(
            ContainsText(bench.Keys(), Command({{0, "R"}, {16, "ZRTLIB"}, {24, c.letter}, {25, upper.c_str()}})))
            << JoinLines(bench.Keys());
    }
}

TEST(S36Target, TextRecordsWrittenBackGiveTheHostBytes)
{
    const std::vector<Strings> texts = CustmastTexts();
    ASSERT_EQ(12u, texts.size());
    HostBench bench(ZRHOST_S36, ZRDIR_PC_TO_HOST);
    const Strings original = bench.StoredRecords(kCustmast, kCustmastBytes);
    UseCustmastDescriptions(bench);
    bench.Set(ZRP_HOST_TARGET_NAME, "CUSTMAST");
    bench.Set(ZRP_HOST_WRITE_MODE, ZRHWM_REPLACE_FILE);
    bench.Set(ZRP_NUMBER_OF_RECORDS, 500);
    const HostRun run = bench.Write(texts);
    ASSERT_TRUE(run.Succeeded()) << JoinLines(bench.ErrorTexts());
    EXPECT_EQ(12, run.recordCount);
    EXPECT_TRUE(SameRecords(original, bench.StoredRecords(kCustmast, kCustmastBytes)));
    const Strings keys = bench.Keys();
    EXPECT_TRUE(ContainsText(keys, std::string("[") + kCustmastList + "]"));
    EXPECT_TRUE(ContainsText(keys, Command({{0, "W"}, {2, "1000500"}, {10, "Y0076"}, {16, "CUSTMAST"}})))
        << JoinLines(keys);
    EXPECT_TRUE(ContainsText(keys, "[+          0012]"));
}

TEST(S36Target, NumbersGoZeroFilledWithTheSignFirst)
{
    std::vector<Strings> texts = CustmastTexts();
    texts.resize(1);
    texts[0][0] = "    -12";
    HostBench bench(ZRHOST_S36, ZRDIR_PC_TO_HOST);
    UseCustmastDescriptions(bench);
    bench.Set(ZRP_HOST_TARGET_NAME, "NEGATIVE");
    bench.Set(ZRP_HOST_WRITE_MODE, ZRHWM_CREATE_FILE);
    const HostRun run = bench.Write(texts);
    ASSERT_TRUE(run.Succeeded()) << JoinLines(bench.ErrorTexts());
    const Strings trace = bench.TraceLines();
    EXPECT_TRUE(std::any_of(trace.begin(), trace.end(), [](const std::string& line) {
        return line.find("fn=15") != std::string::npos && line.find("ebcdic=\"-000012Anderson") != std::string::npos;
    }));
    const Strings stored = bench.StoredRecords("S36\\FILES\\NEGATIVE.DAT", kCustmastBytes);
    ASSERT_EQ(1u, stored.size());
    EXPECT_EQ(std::string("\xF0\xF0\xF0\xF0\xF1\xD2"), stored[0].substr(0, 6));
}

TEST(S36Target, BinaryAppendAndMemberWrites)
{
    {
        HostBench bench(ZRHOST_S36, ZRDIR_PC_TO_HOST, ZRTT_BINARY);
        const Strings original = bench.StoredRecords(kCustmast, kCustmastBytes);
        bench.Set(ZRP_HOST_TARGET_NAME, "CUSTMAST");
        bench.Set(ZRP_HOST_WRITE_MODE, ZRHWM_APPEND_FILE);
        bench.Set(ZRP_RECORD_LENGTH, kCustmastBytes);
        const HostRun run = bench.WriteBinary(Strings(original.begin(), original.begin() + 2));
        ASSERT_TRUE(run.Succeeded()) << JoinLines(bench.ErrorTexts());
        const Strings stored = bench.StoredRecords(kCustmast, kCustmastBytes);
        ASSERT_EQ(14u, stored.size());
        EXPECT_EQ(original[1], stored[13]);
        EXPECT_TRUE(ContainsText(bench.Keys(), Command({{0, "W"}, {2, "0001000"}, {10, "H0064"}, {16, "CUSTMAST"}})));
    }
    {
        HostBench bench(ZRHOST_S36, ZRDIR_PC_TO_HOST, ZRTT_PLAIN);
        bench.Set(ZRP_HOST_TARGET_NAME, "ZRTLIB(NEWSRC)");
        bench.Set(ZRP_HOST_FILE_TYPE, ZRHFT_MEMBER_SOURCE);
        bench.Set(ZRP_HOST_WRITE_MODE, ZRHWM_CREATE_MEMBER);
        bench.Set(ZRP_RECORD_LENGTH, 96);
        const HostRun run = bench.Write({{"// LOAD PAYCALC"}, {"// RUN"}});
        ASSERT_TRUE(run.Succeeded()) << JoinLines(bench.ErrorTexts());
        const Strings stored = bench.StoredRecords("S36\\LIBRARIES\\ZRTLIB\\NEWSRC.SRC", 96);
        ASSERT_EQ(2u, stored.size());
        EXPECT_EQ(Ebcdic("// RUN") + std::string(90, '\x40'), stored[1]);
        EXPECT_TRUE(ContainsText(
            bench.Keys(), Command({{0, "W"}, {2, "2001000"}, {11, "0096"}, {16, "ZRTLIB"}, {24, "S"}, {25, "NEWSRC"}})))
            << JoinLines(bench.Keys());
    }
}

TEST(S36Target, PlainWritesToAnExistingFileTakeItsRecordLength)
{
    for (int mode : {ZRHWM_REPLACE_FILE, ZRHWM_APPEND_FILE})
    {
        SCOPED_TRACE(mode);
        HostBench bench(ZRHOST_S36, ZRDIR_PC_TO_HOST, ZRTT_PLAIN);
        const Strings original = bench.StoredRecords(kCustmast, kCustmastBytes);
        bench.Set(ZRP_HOST_TARGET_NAME, "CUSTMAST");
        bench.Set(ZRP_HOST_WRITE_MODE, mode);
        bench.Set(ZRP_NUMBER_OF_RECORDS, 500);
        // The profile's record length is not the file's: the file's own length is asked for.
        bench.Set(ZRP_RECORD_LENGTH, 80);
        const HostRun run = bench.Write({{"   9001Added record"}});
        ASSERT_TRUE(run.Succeeded()) << JoinLines(bench.ErrorTexts());
        const Strings stored = bench.StoredRecords(kCustmast, kCustmastBytes);
        const Strings expected = mode == ZRHWM_APPEND_FILE ? original : Strings();
        ASSERT_EQ(expected.size() + 1, stored.size());
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), stored.begin()));
        EXPECT_EQ(Ebcdic("   9001Added record") + std::string(45, '\x40'), stored.back());
        const char* flag = mode == ZRHWM_APPEND_FILE ? "0" : "1";
        const Strings keys = bench.Keys();
        ASSERT_GE(keys.size(), 9u);
        EXPECT_EQ((Strings{"FT36", "@E", Command({{0, "R"}, {16, "CUSTMAST"}}), "@E", "C", "@E", "[0064001A06400]",
                           Command({{0, "W"}, {2, flag}, {3, "000500"}, {10, "Y0064"}, {16, "CUSTMAST"}}), "@E"}),
                  Strings(keys.begin(), keys.begin() + 9))
            << JoinLines(keys);
    }
}

TEST(S36Target, ABinaryWriteExpectsTwiceTheRecordLength)
{
    HostBench bench(ZRHOST_S36, ZRDIR_PC_TO_HOST, ZRTT_BINARY);
    bench.WriteScenario("[Session E]\r\nRecordLengthDelta=1\r\n");
    bench.Set(ZRP_HOST_TARGET_NAME, "CUSTMAST");
    bench.Set(ZRP_HOST_WRITE_MODE, ZRHWM_APPEND_FILE);
    bench.Set(ZRP_RECORD_LENGTH, kCustmastBytes);
    EXPECT_FALSE(bench.WriteBinary({}).opened);
    EXPECT_EQ(Strings{"ZRS042"}, MessageCodes(bench.ErrorTexts()));
}

TEST(S36Source, HostRecordsLongerThanTheDescriptionFileSaysAreRefused)
{
    HostBench bench(ZRHOST_S36, ZRDIR_HOST_TO_PC);
    bench.WriteScenario("[Session E]\r\nRecordLengthDelta=1\r\n");
    UseCustmastDescriptions(bench);
    bench.Set(ZRP_HOST_SOURCE_NAME, "CUSTMAST");
    EXPECT_FALSE(bench.Read().opened);
    ASSERT_EQ(Strings{"ZRS052"}, MessageCodes(bench.ErrorTexts()));
    EXPECT_NE(std::string::npos, bench.ErrorTexts()[0].find(" records of 77 characters, ")) << bench.ErrorTexts()[0];
    EXPECT_NE(std::string::npos, bench.ErrorTexts()[0].find(" takes 76 characters ")) << bench.ErrorTexts()[0];
}

TEST(S36Source, RefusesBadNamesAndDescriptionFiles)
{
    const struct
    {
        const char* name;
        std::string descriptions;
        const char* code;
    } cases[] = {
        {"CUSTMAST1", "", "ZRS037"},
        {"ZRTLIB(PAYCALC12)", "", "ZRS036"},
        {"ZRTLIBRARY(PAYCALC)", "", "ZRS035"},
        {"CUSTMAST", DescriptionLine("A", 'X', 5, 0), "ZRS039"},
        {"CUSTMAST", DescriptionLine("A", 'A', 5, 0).substr(0, 67), "ZRS039"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        HostBench bench(ZRHOST_S36, ZRDIR_HOST_TO_PC);
        if (!c.descriptions.empty())
        {
            bench.WriteScratch("bad.fmt", c.descriptions);
            bench.Set(ZRP_DESCRIPTION_FILE, bench.ScratchPath("bad.fmt").c_str());
        }
        bench.Set(ZRP_HOST_SOURCE_NAME, c.name);
        EXPECT_FALSE(bench.Read().opened);
        EXPECT_EQ(Strings{c.code}, MessageCodes(bench.ErrorTexts()));
        // Close cancels whatever might be pending, then ends FT36.
        EXPECT_EQ((Strings{"FT36", "@E", "C", "@E", "X", "@E"}), bench.Keys());
    }
}

TEST(S36Source, FieldListsHoldAtMost292Fields)
{
    std::string descriptions;
    for (int i = 0; i < 292; ++i)
    {
        char name[8];
        std::snprintf(name, sizeof name, "F%d", i);
        descriptions += DescriptionLine(name, 'A', 1, 0);
    }
    {
        HostBench bench(ZRHOST_S36, ZRDIR_HOST_TO_PC);
        bench.WriteScratch("many.fmt", descriptions + DescriptionLine("LAST", 'A', 1, 0));
        bench.Set(ZRP_DESCRIPTION_FILE, bench.ScratchPath("many.fmt").c_str());
        bench.Set(ZRP_HOST_SOURCE_NAME, "CUSTMAST");
        EXPECT_FALSE(bench.Read().opened);
        const Strings errors = bench.ErrorTexts();
        ASSERT_EQ(1u, errors.size());
        EXPECT_EQ("Error ZRS040 Too many fields were defined in the PC description file. Redefine the PC description "
                  "file in the Description File Editor.",
                  errors[0]);
    }
    HostBench bench(ZRHOST_S36, ZRDIR_HOST_TO_PC);
    bench.WriteScratch("many.fmt", descriptions);
    bench.Set(ZRP_DESCRIPTION_FILE, bench.ScratchPath("many.fmt").c_str());
    bench.Set(ZRP_HOST_SOURCE_NAME, "CUSTMAST");
    bench.Read();
    // The list is sent; FT36 refuses it, since its sizes do not make the file's record.
    const Strings keys = bench.Keys();
    EXPECT_TRUE(std::any_of(keys.begin(), keys.end(), [](const std::string& key) {
        return key.size() == 1759 + 2 && key.rfind("[0292292", 0) == 0;
    }));
    EXPECT_EQ(Strings{"ZRS043"}, MessageCodes(bench.ErrorTexts()));
}

TEST(S36Session, HostAndSessionFaults)
{
    const struct
    {
        const char* scenario;
        const char* name;
        const char* code;
    } cases[] = {{"ProgramInstalled=0", "CUSTMAST", "ZRS030"},
                 {"BadMarker=1", "CUSTMAST", "ZRS042"},
                 {"OperatorError=1", "CUSTMAST", "ZRS021"},
                 {"Busy=1", "CUSTMAST", "ZRS004"},
                 {"", "NOFILE", "ZRS043"}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.scenario);
        HostBench bench(ZRHOST_S36, ZRDIR_HOST_TO_PC);
        bench.WriteScenario(std::string("[Session E]\r\n") + c.scenario + "\r\n");
        bench.Set(ZRP_HOST_SOURCE_NAME, c.name);
        EXPECT_FALSE(bench.Read().Succeeded());
        const Strings errors = bench.ErrorTexts();
        ASSERT_FALSE(errors.empty());
        EXPECT_EQ(c.code, MessageCodes(errors)[0]) << JoinLines(errors);
        if (std::string(c.code) == "ZRS043")
        {
            EXPECT_EQ(0u, errors[0].rfind("Error ZRS043: The host sent the message, '", 0));
            EXPECT_NE(' ', errors[0][errors[0].size() - 3]) << "trailing blanks are removed";
        }
    }
}

TEST(S36Target, HostFailureWhileWritingIsAFailure)
{
    std::vector<Strings> texts = CustmastTexts();
    std::vector<Strings> many;
    for (int i = 0; i < 4; ++i)
        many.insert(many.end(), texts.begin(), texts.end());
    HostBench bench(ZRHOST_S36, ZRDIR_PC_TO_HOST);
    bench.WriteScenario("[Session E]\r\nFailAfterBuffers=1\r\nFailureMessage=Disk full\r\n");
    UseCustmastDescriptions(bench);
    bench.Set(ZRP_HOST_TARGET_NAME, "CUSTMAST");
    bench.Set(ZRP_HOST_WRITE_MODE, ZRHWM_APPEND_FILE);
    const HostRun run = bench.Write(many);
    EXPECT_FALSE(run.Succeeded());
    const Strings errors = bench.ErrorTexts();
    ASSERT_EQ(1u, errors.size());
    EXPECT_EQ("Error ZRS043: The host sent the message, 'Disk full.'", errors[0]);
}

TEST(S36Source, AReadEndingOnAFullScreenTakesTheHostsEmptyLastBuffer)
{
    // 23 display records of 76 characters, 27 records of 64 characters, 13 binary records of 128 hexadecimal
    // characters: each fills the data area exactly. The reader asks for the buffer after it, FT36 answers with an
    // empty '+', and Close ends the dialog with Enter; "X" then ends FT36.
    const struct
    {
        int records;
        int type;
        bool fieldList;
        const char* full;
        const char* last;
    } cases[] = {{23, ZRTT_CONVERSION, true, "{** 000023  0076}", "{+* 000023  0076}"},
                 {27, ZRTT_CONVERSION, false, "{** 000027  0064}", "{+* 000027  0064}"},
                 {13, ZRTT_BINARY, false, "{** 000013  0128}", "{+* 000013  0128}"}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.records);
        HostBench bench(ZRHOST_S36, ZRDIR_HOST_TO_PC, c.type);
        const Strings lines = bench.StoreLines(kCustmast);
        std::ofstream out(bench.StorePath("S36\\FILES\\FULL.DAT"), std::ios::binary);
        for (int i = 0; i < c.records; ++i)
            out << lines[static_cast<std::size_t>(i) % lines.size()] << "\r\n";
        out.close();
        std::ofstream(bench.StorePath("S36\\FILES\\FULL.INI"), std::ios::binary) << "[File]\r\nRecordLength=64\r\n";
        if (c.fieldList)
            UseCustmastDescriptions(bench);
        bench.Set(ZRP_HOST_SOURCE_NAME, "FULL");
        const HostRun run = bench.Read();
        ASSERT_TRUE(run.Succeeded()) << JoinLines(bench.ErrorTexts());
        EXPECT_EQ(static_cast<std::size_t>(c.records), run.records.size());
        const Strings dialog = bench.Dialog();
        ASSERT_GE(dialog.size(), 9u);
        EXPECT_EQ((Strings{"@E", c.full, "@E", c.last, "@E", "{ *}", "X", "@E"}),
                  Strings(dialog.end() - 9, dialog.end() - 1))
            << JoinLines(dialog);
    }
}

TEST(S36Target, PlainMemberWritesPlaceTheFieldListOfTheirRecord)
{
    // One character field of the record length is described at (2, 1) before the write command, which announces
    // no field list for a member.
    const struct
    {
        int mode;
        const char* member;
        const char* flag;
    } cases[] = {{ZRHWM_CREATE_MEMBER, "NEWSRC", "2"}, {ZRHWM_REPLACE_MEMBER, "PAYCALC", "1"}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.member);
        HostBench bench(ZRHOST_S36, ZRDIR_PC_TO_HOST, ZRTT_PLAIN);
        bench.Set(ZRP_HOST_TARGET_NAME, (std::string("ZRTLIB(") + c.member + ")").c_str());
        bench.Set(ZRP_HOST_FILE_TYPE, ZRHFT_MEMBER_SOURCE);
        bench.Set(ZRP_HOST_WRITE_MODE, c.mode);
        bench.Set(ZRP_RECORD_LENGTH, 96);
        const HostRun run = bench.Write({{"// LOAD PAYCALC"}, {"// RUN"}});
        ASSERT_TRUE(run.Succeeded()) << JoinLines(bench.ErrorTexts());
        EXPECT_EQ(2u, bench.StoredRecords(std::string("S36\\LIBRARIES\\ZRTLIB\\") + c.member + ".SRC", 96).size());
        const Strings dialog = bench.Dialog();
        const Strings expected = {
            "[0096001A09600]",
            Command({{0, "W"}, {2, c.flag}, {3, "001000"}, {11, "0096"}, {16, "ZRTLIB"}, {24, "S"}, {25, c.member}}),
            "@E",
            "{ * 000000  0096}",
            "[+          0002]",
            "@E",
            "{+* 000002  0096}",
            "@E",
            "{ *}",
            "X",
            "@E"};
        const auto list = std::find(dialog.begin(), dialog.end(), expected[0]);
        ASSERT_NE(dialog.end(), list) << JoinLines(dialog);
        EXPECT_EQ(expected, Strings(list, std::min(dialog.end(), list + static_cast<std::ptrdiff_t>(expected.size()))))
            << JoinLines(dialog);
    }
}

TEST(S36Target, RefusesRecordsAndFieldsThatDoNotFit)
{
    const struct
    {
        const char* what;
        int transferType;
        int writeMode;
        std::string descriptions;
        int recordLength;
        const char* code;
    } cases[] = {
        {"record longer than a screen", ZRTT_CONVERSION, ZRHWM_CREATE_FILE,
         DescriptionLine("A", 'A', 999, 0) + DescriptionLine("B", 'A', 762, 0), 0, "ZRS049"},
        {"binary record longer than half a screen", ZRTT_BINARY, ZRHWM_CREATE_FILE, "", 881, "ZRS049"},
        {"character field longer than 999", ZRTT_PLAIN, ZRHWM_CREATE_FILE, "", 1200, "ZRS050"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        HostBench bench(ZRHOST_S36, ZRDIR_PC_TO_HOST, c.transferType);
        bench.WriteScratch("big.fmt", c.descriptions);
        bench.Set(ZRP_DESCRIPTION_FILE, bench.ScratchPath("big.fmt").c_str());
        bench.Set(ZRP_RECORD_LENGTH, c.recordLength);
        bench.Set(ZRP_HOST_TARGET_NAME, "BIGFILE");
        bench.Set(ZRP_HOST_WRITE_MODE, c.writeMode);
        EXPECT_FALSE(bench.Write({}).opened);
        EXPECT_EQ(Strings{c.code}, MessageCodes(bench.ErrorTexts()));
        EXPECT_EQ((Strings{"FT36", "@E", "X", "@E"}), bench.Keys());
    }
}

TEST(S36Target, WriteModesOutsideTheFiveAreRefused)
{
    HostBench bench(ZRHOST_S36, ZRDIR_PC_TO_HOST);
    UseCustmastDescriptions(bench);
    bench.Set(ZRP_HOST_TARGET_NAME, "CUSTMAST");
    bench.Set(ZRP_HOST_WRITE_MODE, ZRHWM_APPEND_MEMBER);
    EXPECT_FALSE(bench.Write({}).opened);
    EXPECT_EQ(Strings{"ZRS051"}, MessageCodes(bench.ErrorTexts()));
}
