// The System/36 host: the command display, FT36's 50-column commands, field lists, replies and buffers in
// both directions and both modes, and the faults that the scenario file injects.
#include <gtest/gtest.h>

#include <cstdio>

#include "HostSessions.h"
#include "RecordFile.h"

using namespace kvtest;

namespace
{

class S36Test : public ::testing::Test
{
protected:
    std::vector<std::string> Records(const std::string& path, size_t recordLength)
    {
        std::vector<std::string> records;
        size_t bad = 0;
        EXPECT_EQ(kvhll::ReadRecordFile(store.Path(path), recordLength, records, bad), kvhll::RecordFileResult::Ok);
        return records;
    }

    TestStore store;
};

// CUSTMAST: S(6,0) A25 A15 P(9,2) S(7,2) B(4,0) A4 = 64 bytes, 76 characters of display forms.
const char kCustomerList[] = "0076007S00600A02500A01500P00902S00702B00400A00400";

std::string ReadLine(char form, const std::string& name, char type = ' ', const std::string& member = "")
{
    return S36Line('R', ' ', 0, form, 0, name, type, member);
}

}  // namespace

TEST_F(S36Test, CommandDisplayStartsAndEndsFt36)
{
    store.WriteScenario("[Session F]\nProgramInstalled=0\n");
    S36Session host;
    EXPECT_FALSE(host.Running());
    int row = 0;
    int column = 0;
    host.Bridge().QueryCursor(row, column);
    EXPECT_EQ(row, 22);
    ASSERT_TRUE(host.StartProgram());
    EXPECT_EQ(host.Reply().substr(0, 3), " * ");
    host.Bridge().QueryCursor(row, column);
    EXPECT_EQ(row, 1);
    EXPECT_EQ(column, 3);
    EXPECT_EQ(host.Bridge().Put(24, 75, std::string(10, 'X')), 6) << "row 24 is input, the copy runs past the end";
    ASSERT_TRUE(host.Type("C"));
    EXPECT_TRUE(host.Running());
    ASSERT_TRUE(host.Type("X"));
    EXPECT_FALSE(host.Running());

    S36Session missing('F');
    EXPECT_FALSE(missing.StartProgram());
    EXPECT_EQ(missing.Bridge().Text(23, 2, 24), "PROCEDURE FT36 NOT FOUND");
}

TEST_F(S36Test, ReadsAFileAsCharactersAndInBinary)
{
    S36Session host;
    ASSERT_TRUE(host.StartProgram());
    std::vector<std::string> expected = Records("S36\\FILES\\CUSTMAST.DAT", 64);
    ASSERT_EQ(expected.size(), 12u);
    ASSERT_TRUE(host.Command(ReadLine(' ', "CUSTMAST")));
    EXPECT_EQ(host.Reply().substr(0, 15), " * 000012  0064");
    EXPECT_EQ(host.Reply().substr(0, 15), " * 000012  0064") << "the reply can be read twice";
    ASSERT_TRUE(host.Enter());
    EXPECT_EQ(host.Reply().substr(0, 15), "+* 000012  0064");
    std::string all;
    for (const std::string& record : expected)
    {
        all += record;
    }
    EXPECT_EQ(Hex(host.Area(12 * 64)), Hex(all));
    ASSERT_TRUE(host.Enter());
    EXPECT_EQ(host.Reply().substr(0, 3), " * ");

    ASSERT_TRUE(host.Command(ReadLine('H', "CUSTMAST")));
    EXPECT_EQ(host.Reply().substr(0, 15), " * 000012  0128");
    ASSERT_TRUE(host.Enter());
    EXPECT_EQ(host.Reply().substr(0, 15), "+* 000012  0128");
    EXPECT_EQ(host.Area(12 * 128, false), Hex(all));
}

TEST_F(S36Test, ReadsAFileThroughAFieldList)
{
    S36Session host;
    ASSERT_TRUE(host.StartProgram());
    host.PutArea(kCustomerList, false);
    ASSERT_TRUE(host.Command(ReadLine('Y', "CUSTMAST")));
    EXPECT_EQ(host.Reply().substr(0, 15), " * 000012  0076");
    ASSERT_TRUE(host.Enter());
    EXPECT_EQ(host.Reply().substr(0, 15), "+* 000012  0076");
    std::string area = Ansi(host.Area(12 * 76));
    EXPECT_EQ(area.substr(0, 76), "   1001Anderson Hardware        Minneapolis       12500.75 50000.00   12NORT");
    std::string fifth = area.substr(4 * 76, 76);
    EXPECT_EQ(fifth.substr(47, 11), "-9999999.99");
    EXPECT_EQ(fifth.substr(67, 5), "-9999");

    ASSERT_TRUE(host.Enter());
    host.PutArea("0077007S00600A02500A01500P00902S00702B00400A00500", false);
    ASSERT_TRUE(host.Command(ReadLine('Y', "CUSTMAST")));
    EXPECT_EQ(host.Reply().substr(0, 2), "E*");
    EXPECT_EQ(host.Message().substr(0, 41), "FIELD LIST DOES NOT MATCH RECORD LENGTH 6");
    ASSERT_TRUE(host.Enter());
    host.PutArea("0077007S00600A02500A01500P00902S00702B00400A00400", false);
    ASSERT_TRUE(host.Command(ReadLine('Y', "CUSTMAST")));
    EXPECT_EQ(host.Message().substr(0, 20), "FIELD LIST NOT VALID");
}

TEST_F(S36Test, ReadsLibraryMembers)
{
    S36Session host;
    ASSERT_TRUE(host.StartProgram());
    ASSERT_TRUE(host.Command(ReadLine(' ', "ZRTLIB", 'S', "PAYCALC")));
    EXPECT_EQ(host.Reply().substr(0, 15), " * 000013  0096");
    ASSERT_TRUE(host.Enter());
    EXPECT_EQ(host.Reply().substr(0, 15), "+* 000013  0096");
    EXPECT_EQ(Ansi(host.Area(10)), "00100H    ");
    ASSERT_TRUE(host.Enter());

    ASSERT_TRUE(host.Command(ReadLine(' ', "ZRTLIB", 'P', "DAILY")));
    EXPECT_EQ(host.Reply().substr(0, 15), " * 000005  0080");
    ASSERT_TRUE(host.Type("C"));
    EXPECT_EQ(host.Reply().substr(0, 3), " * ") << "C cancels the read";

    struct Case
    {
        std::string line;
        std::string message;
    } cases[] = {
        {ReadLine(' ', "ZRTLIB", 'S', "DAILY"), "MEMBER DAILY NOT FOUND IN LIBRARY ZRTLIB"},
        {ReadLine(' ', "NOLIB", 'P', "DAILY"), "LIBRARY NOLIB NOT FOUND"},
        {ReadLine(' ', "NOFILE"), "FILE NOFILE NOT FOUND"},
        {ReadLine(' ', "1FILE"), "NAME 1FILE IS NOT VALID"},
        {ReadLine(' ', "ZRTLIB", 'Q', "DAILY"), "INVALID COMMAND"},
        {"D", "INVALID COMMAND D"},
    };
    for (const Case& c : cases)
    {
        ASSERT_TRUE(host.Command(c.line));
        EXPECT_EQ(host.Reply().substr(0, 2), "E*") << c.line;
        EXPECT_EQ(host.Message().substr(0, c.message.size()), c.message);
        ASSERT_TRUE(host.Enter());
        EXPECT_EQ(host.Reply().substr(0, 3), " * ");
    }
}

TEST_F(S36Test, CreatesAFileThroughAFieldListAndAddsToIt)
{
    S36Session host;
    ASSERT_TRUE(host.StartProgram());
    // ITEM A6, PRICE P(7,2), STOCK S(5,0): 6 + 4 + 5 = 15 bytes, 6 + 9 + 6 = 21 characters.
    const std::string list = "0021003A00600P00702S00500";
    host.PutArea(list, false);
    ASSERT_TRUE(host.Command(S36Line('W', '2', 500, 'Y', 21, "STOCK", ' ', "")));
    ASSERT_EQ(host.Reply().substr(0, 15), " * 000000  0021");
    std::string records;
    for (int i = 0; i < 83; ++i)
    {
        records += Ebcdic("WIDGET-00012.50-0004");
        records += Ebcdic(std::string(1, static_cast<char>('0' + i % 10)));
    }
    host.PutArea(records);
    ASSERT_TRUE(host.SendHeader('*', 83));
    EXPECT_EQ(host.Reply().substr(0, 15), "** 000083  0021");
    host.PutArea(Ebcdic("BOLT  0000012.5000007"));
    ASSERT_TRUE(host.SendHeader('+', 1));
    EXPECT_EQ(host.Reply().substr(0, 15), "+* 000084  0021");
    ASSERT_TRUE(host.Enter());
    EXPECT_EQ(host.Reply().substr(0, 3), " * ");

    std::vector<std::string> stored = Records("S36\\FILES\\STOCK.DAT", 15);
    ASSERT_EQ(stored.size(), 84u);
    EXPECT_EQ(Hex(stored[0]), Hex(Ebcdic("WIDGET")) + "0001250D" + "F0F0F0F4D0");
    EXPECT_EQ(Hex(stored[83]), Hex(Ebcdic("BOLT  ")) + "0001250F" + "F0F0F0F0F7");
    std::string definition = store.ReadFile("S36\\FILES\\STOCK.INI");
    EXPECT_NE(definition.find("RecordLength=15"), std::string::npos);
    EXPECT_NE(definition.find("Records=500"), std::string::npos);

    host.PutArea(list, false);
    ASSERT_TRUE(host.Command(S36Line('W', '2', 500, 'Y', 21, "STOCK", ' ', "")));
    EXPECT_EQ(host.Message().substr(0, 25), "FILE STOCK ALREADY EXISTS");
    ASSERT_TRUE(host.Enter());
    ASSERT_TRUE(host.Command(S36Line('W', '0', 0, ' ', 15, "STOCK", ' ', "")));
    ASSERT_EQ(host.Reply().substr(0, 15), " * 000000  0015");
    host.PutArea(stored[5]);
    ASSERT_TRUE(host.SendHeader('+', 1));
    EXPECT_EQ(host.Reply().substr(0, 15), "+* 000001  0015");
    ASSERT_TRUE(host.Enter());
    EXPECT_EQ(Records("S36\\FILES\\STOCK.DAT", 15).size(), 85u);
    ASSERT_TRUE(host.Command(S36Line('W', '1', 0, ' ', 16, "STOCK", ' ', "")));
    EXPECT_EQ(host.Message().substr(0, 40), "RECORD LENGTH 16 DOES NOT MATCH STOCK (1");
}

TEST_F(S36Test, WritesMembersAndBinaryFiles)
{
    S36Session host;
    ASSERT_TRUE(host.StartProgram());
    ASSERT_TRUE(host.Command(S36Line('W', '1', 10, ' ', 40, "ZRTLIB", 'S', "PAYCALC")));
    ASSERT_EQ(host.Reply().substr(0, 15), " * 000000  0040");
    host.PutArea(Ebcdic(std::string(40, 'A') + std::string(40, 'B')));
    ASSERT_TRUE(host.SendHeader('+', 2));
    ASSERT_TRUE(host.Enter());
    EXPECT_NE(store.ReadFile("S36\\LIBRARIES\\ZRTLIB\\LIBRARY.INI").find("PAYCALC=40"), std::string::npos);
    EXPECT_EQ(Records("S36\\LIBRARIES\\ZRTLIB\\PAYCALC.SRC", 40).size(), 2u) << "replaced with the new length";

    ASSERT_TRUE(host.Command(S36Line('W', '2', 10, ' ', 80, "ZRTLIB", 'P', "DAILY")));
    EXPECT_EQ(host.Message().substr(0, 38), "MEMBER DAILY ALREADY EXISTS IN LIBRARY");
    ASSERT_TRUE(host.Enter());
    ASSERT_TRUE(host.Command(S36Line('W', '2', 10, ' ', 80, "NOLIB", 'P', "DAILY")));
    EXPECT_EQ(host.Message().substr(0, 23), "LIBRARY NOLIB NOT FOUND");
    ASSERT_TRUE(host.Enter());

    ASSERT_TRUE(host.Command(S36Line('W', '2', 100, 'H', 100, "RAW", ' ', "")));
    ASSERT_EQ(host.Reply().substr(0, 15), " * 000000  0200") << "the record length in hexadecimal characters";
    std::string bytes;
    for (int i = 0; i < 8 * 100; ++i)
    {
        bytes += static_cast<char>(i * 7);
    }
    host.PutArea(Hex(bytes), false);
    ASSERT_TRUE(host.SendHeader('*', 8));
    EXPECT_EQ(host.Reply().substr(0, 15), "** 000008  0200");
    ASSERT_TRUE(host.SendHeader('+', 0));
    EXPECT_EQ(host.Reply().substr(0, 15), "+* 000008  0200");
    ASSERT_TRUE(host.Enter());
    std::vector<std::string> stored = Records("S36\\FILES\\RAW.DAT", 100);
    std::string all;
    for (const std::string& record : stored)
    {
        all += record;
    }
    EXPECT_EQ(Hex(all), Hex(bytes));

    ASSERT_TRUE(host.Command(S36Line('W', '0', 0, 'H', 100, "RAW", ' ', "")));
    host.PutArea(Hex(bytes.substr(0, 100)), false);
    ASSERT_TRUE(host.SendHeader('*', 1));
    EXPECT_EQ(host.Message().substr(0, 23), "BUFFER HEADER NOT VALID");
    ASSERT_TRUE(host.Enter());
    ASSERT_TRUE(host.Command(S36Line('W', '0', 0, 'H', 100, "RAW", ' ', "")));
    ASSERT_TRUE(host.Type("C"));
    EXPECT_EQ(host.Reply().substr(0, 3), " * ");
    EXPECT_EQ(Records("S36\\FILES\\RAW.DAT", 100).size(), 8u);
}

TEST_F(S36Test, FaultsOfTheReplies)
{
    store.WriteScenario(
        "[Session E]\nBadMarker=1\n[Session F]\nRecordLengthDelta=1\n[Session G]\nFailAfterBuffers=0\n");
    S36Session e('E');
    ASSERT_TRUE(e.StartProgram()) << "the waiting line keeps its '*'";
    ASSERT_TRUE(e.Command(ReadLine(' ', "CUSTMAST")));
    EXPECT_EQ(e.Reply().substr(0, 15), "   000012  0064");

    S36Session f('F');
    ASSERT_TRUE(f.StartProgram());
    ASSERT_TRUE(f.Command(S36Line('W', '2', 1, 'H', 100, "RAW", ' ', "")));
    EXPECT_EQ(f.Reply().substr(0, 15), " * 000000  0201");

    S36Session g('G');
    ASSERT_TRUE(g.StartProgram());
    ASSERT_TRUE(g.Command(ReadLine(' ', "CUSTMAST")));
    ASSERT_TRUE(g.Enter());
    EXPECT_EQ(g.Reply().substr(0, 2), "E*");
    EXPECT_EQ(g.Message().substr(0, 21), "FT36 ENDED ABNORMALLY");
}

TEST_F(S36Test, SampleDescriptionFileMatchesTheSampleFile)
{
    // The list the data source builds from CUSTMAST.FMT: record length of the display forms, field count,
    // and per field the letter, the digits (bytes for A) and the decimals.
    std::string fmt = store.ReadFile("S36\\FILES\\CUSTMAST.FMT");
    ASSERT_EQ(fmt.size() % 68, 0u);
    std::string fields;
    int displayLength = 0;
    for (size_t at = 0; at < fmt.size(); at += 68)
    {
        char type = fmt[at + 10];
        int length = std::stoi(fmt.substr(at + 11, 3));
        int decimals = std::stoi(fmt.substr(at + 14, 2));
        fields += fmt.substr(at + 10, 6);
        displayLength += type == 'A' ? length : length + 1 + (decimals > 0 ? 1 : 0);
    }
    char head[16];
    std::snprintf(head, sizeof head, "%04d%03d", displayLength, static_cast<int>(fmt.size() / 68));
    EXPECT_EQ(head + fields, kCustomerList);
}
