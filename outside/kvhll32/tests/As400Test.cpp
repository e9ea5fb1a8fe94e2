// The AS/400 host: the command screen, KVRFT's replies to every request kind of the screen protocol, lists,
// writes in text and binary form, and the faults that the scenario file injects.
#include <gtest/gtest.h>

#include <sstream>

#include "HostSessions.h"
#include "RecordFile.h"

using namespace kvtest;

namespace
{

class As400Test : public ::testing::Test
{
protected:
    // The records of a member file in the store, as bytes.
    std::vector<std::string> Member(const std::string& path, size_t recordLength)
    {
        std::vector<std::string> records;
        size_t bad = 0;
        EXPECT_EQ(kvhll::ReadRecordFile(store.Path(path), recordLength, records, bad), kvhll::RecordFileResult::Ok);
        return records;
    }

    TestStore store;
};

std::string Field(const std::string& record, size_t offset, size_t length)
{
    return Ansi(record.substr(offset, length));
}

const char kReadCustomer[] = "A QGPL CUSTOMER CUSTOMER 'Y' ' '";

}  // namespace

TEST_F(As400Test, CommandScreenStartsAndEndsTheProgram)
{
    As400Session host;
    int row = 0;
    int column = 0;
    host.Bridge().QueryCursor(row, column);
    EXPECT_EQ(row, 20);
    EXPECT_EQ(column, 7);
    EXPECT_EQ(host.Bridge().Text(20, 2, 5), "===> ");
    EXPECT_FALSE(host.Running());

    ASSERT_TRUE(host.Type("CALL PGM(X)"));
    EXPECT_EQ(host.Message().substr(0, 38), "Command CALL in library *LIBL not foun");
    ASSERT_TRUE(host.Type("kvrtfr/kvrft"));
    EXPECT_TRUE(host.Running());
    host.Bridge().QueryCursor(row, column);
    EXPECT_EQ(row, 1);
    EXPECT_EQ(column, 3);
    EXPECT_EQ(host.Reply().substr(0, 67), std::string(67, ' '));

    ASSERT_TRUE(host.Enter());
    EXPECT_TRUE(host.Running()) << "Enter on the empty line changes nothing";
    ASSERT_TRUE(host.Pf3());
    EXPECT_FALSE(host.Running());
    EXPECT_EQ(host.Bridge().Text(20, 2, 5), "===> ");
}

TEST_F(As400Test, ProgramMissingOrCursorOffTheCommandLine)
{
    store.WriteScenario("[Session A]\nProgramInstalled=0\n[Session B]\nCursorRow=5\n[Session C]\nStartInProgram=1\n");
    As400Session a('A');
    EXPECT_FALSE(a.StartProgram());
    EXPECT_EQ(a.Message().substr(0, 42), "Program KVRFT in library KVRTFR not found.");

    As400Session b('B');
    int row = 0;
    int column = 0;
    b.Bridge().QueryCursor(row, column);
    EXPECT_EQ(row, 5);
    EXPECT_NE(b.Bridge().Text(5, 2, 5), "===> ");
    EXPECT_NE(b.Bridge().Text(4, 2, 5), "===> ");

    As400Session c('C');
    EXPECT_TRUE(c.Running());
}

TEST_F(As400Test, ReadsAMemberAsText)
{
    As400Session host;
    ASSERT_TRUE(host.StartProgram());
    ASSERT_TRUE(host.Type(kReadCustomer));
    std::string reply = host.Reply();
    EXPECT_EQ(reply.substr(0, 15), "F  000009  0066");
    std::string descriptions = host.Area(9 * 66, false);
    EXPECT_EQ(descriptions.substr(0, 66), Description("CUSTNO", 'P', 7, 0, "Customer number"));
    EXPECT_EQ(descriptions.substr(8 * 66, 66), Description("PAYDAYS", 'B', 5, 1, "Average days to pay"));
    EXPECT_EQ(host.Area(1760, false).substr(9 * 66), std::string(1760 - 9 * 66, ' '));

    ASSERT_TRUE(host.Enter());
    EXPECT_EQ(host.Reply().substr(0, 15), "*  000019  0109");
    std::string area = host.Area();
    std::string first = area.substr(0, 109);
    EXPECT_EQ(Ansi(first), "    1001Anderson Hardware             Minneapolis              12500.75   50000.00 .050"
                           "   12      1500   30.5");
    std::string fifth = area.substr(4 * 109, 109);
    EXPECT_EQ(Field(fifth, 58, 13), "-987654321.99");
    EXPECT_EQ(Field(fifth, 71, 11), "       0.00");
    EXPECT_EQ(Field(fifth, 82, 5), " .000");
    EXPECT_EQ(Field(fifth, 87, 5), "-9999");
    EXPECT_EQ(Field(fifth, 92, 10), "-999999999");
    EXPECT_EQ(Field(fifth, 102, 7), "-3276.8");
    EXPECT_EQ(Field(area.substr(6 * 109, 109), 58, 13), "        -0.01");

    ASSERT_TRUE(host.Enter());
    EXPECT_EQ(host.Reply().substr(0, 15), "+  000019  0109");
    EXPECT_EQ(Field(host.Area(), 0, 8), "    1017");
    EXPECT_EQ(host.Area().substr(9 * 109), std::string(1760 - 9 * 109, '\x40'));
    ASSERT_TRUE(host.Enter());
    EXPECT_EQ(host.Reply()[0], ' ');
}

TEST_F(As400Test, ReadsAMemberInBinary)
{
    As400Session host;
    ASSERT_TRUE(host.StartProgram());
    ASSERT_TRUE(host.Type("A QGPL CUSTOMER CUSTOMER 'Y' 'H'"));
    EXPECT_EQ(host.Reply().substr(0, 15), "F  000009  0066");
    std::vector<std::string> expected = Member("AS400\\QGPL\\CUSTOMER\\CUSTOMER.MBR", 80);
    ASSERT_EQ(expected.size(), 25u);
    std::string received;
    std::string codes;
    do
    {
        ASSERT_TRUE(host.Enter());
        std::string reply = host.Reply();
        codes += reply[0];
        EXPECT_EQ(reply.substr(1, 14), "  000019  0080");
        received += FromHex(host.Area(1760, false).substr(0, reply[0] == '*' ? 1760 : 2 * 80 * 3));
    } while (host.Reply()[0] == '*');
    EXPECT_EQ(codes, "**+");
    std::string all;
    for (const std::string& record : expected)
    {
        all += record;
    }
    EXPECT_EQ(Hex(received), Hex(all));
    EXPECT_EQ(Hex(all.substr(0, 4)), "0001001F");
    EXPECT_EQ(Hex(all.substr(4 * 80 + 54, 6)), "98765432199D");
}

TEST_F(As400Test, DescriptionsAsRecordsThenPf3)
{
    As400Session host;
    ASSERT_TRUE(host.StartProgram());
    ASSERT_TRUE(host.Type("A QGPL CUSTOMER *FIRST 'Y' ' '"));
    EXPECT_EQ(host.Reply().substr(0, 15), "F  000009  0066");
    EXPECT_EQ(Ansi(host.Area(66)), Description("CUSTNO", 'P', 7, 0, "Customer number"));
    ASSERT_TRUE(host.Pf3());
    EXPECT_EQ(host.Reply()[0], ' ');
    EXPECT_TRUE(host.Running());
}

TEST_F(As400Test, ManyFieldsTakeSeveralScreensBothWays)
{
    std::string descriptions;
    for (int i = 1; i <= 27; ++i)
    {
        descriptions += Description("F" + std::to_string(i), i % 2 ? 'A' : 'S', i % 2 ? 2 : 3, 0);
    }
    As400Session host;
    ASSERT_TRUE(host.StartProgram());
    ASSERT_TRUE(host.Type("P QGPL WIDE M1 'C' 'Y' 'Y' ' ' '1'"));
    EXPECT_EQ(host.Reply().substr(0, 15), "S  000000  0000");
    EXPECT_EQ(host.SendDescriptions(descriptions).substr(0, 15), "W  000000  0000");
    ASSERT_TRUE(host.Enter());
    EXPECT_EQ(host.Reply().substr(0, 15), "S  000000  0000");
    ASSERT_TRUE(host.Pf3());
    EXPECT_EQ(store.ReadFile("AS400\\QGPL\\WIDE.FMT").size(), 27u * 68);

    ASSERT_TRUE(host.Type("A QGPL WIDE M1 'Y' ' '"));
    EXPECT_EQ(host.Reply().substr(0, 15), "F  00001B  0066");
    EXPECT_EQ(host.Area(26 * 66, false), descriptions.substr(0, 26 * 66));
    ASSERT_TRUE(host.Enter());
    EXPECT_EQ(host.Reply().substr(0, 15), "F  00001B  0066");
    EXPECT_EQ(host.Area(66, false), descriptions.substr(26 * 66));
    ASSERT_TRUE(host.Enter());
    EXPECT_EQ(host.Reply().substr(0, 15), "E  000000  0080") << "empty member after the descriptions";
    EXPECT_EQ(host.Message().substr(0, 47), "Member M1 of file WIDE in library QGPL is empty");
}

TEST_F(As400Test, ErrorsOfTheReadCommand)
{
    As400Session host;
    ASSERT_TRUE(host.StartProgram());
    struct Case
    {
        const char* command;
        const char* message;
    } cases[] = {
        {"A NOLIB CUSTOMER CUSTOMER 'Y' ' '", "Library NOLIB not found."},
        {"A QGPL NOFILE X 'Y' ' '", "File NOFILE in library QGPL not found."},
        {"A QGPL CUSTOMER CUSTOMER 'S' ' '", "File CUSTOMER in library QGPL is not a source file."},
        {"A QGPL QCLSRC NOMBR 'S' ' '", "Member NOMBR not found in file QCLSRC in library QGPL."},
        {"A .. CUSTOMER X 'Y' ' '", "Name .. is not valid."},
        {"A QGPL CUST\\X X 'Y' ' '", "Name CUST\\X is not valid."},
        {"A QGPL CUSTOMER", "Input not expected: A QGPL CUSTOMER"},
        {"DSPLIB QGPL", "Input not expected: DSPLIB QGPL"},
    };
    for (const Case& c : cases)
    {
        ASSERT_TRUE(host.Type(c.command)) << c.command;
        EXPECT_EQ(host.Reply().substr(0, 15), "E  000001  0000") << c.command;
        EXPECT_EQ(host.Message().substr(0, std::string(c.message).size()), c.message) << c.command;
        ASSERT_TRUE(host.Enter());
        EXPECT_EQ(host.Reply()[0], ' ');
    }

    ASSERT_TRUE(host.Type("A QGPL CUSTOMER NOMBR 'Y' ' '"));
    EXPECT_EQ(host.Reply()[0], 'F') << "the member is checked after the descriptions";
    ASSERT_TRUE(host.Enter());
    EXPECT_EQ(host.Reply().substr(0, 15), "E  000001  0000");
    EXPECT_EQ(host.Message().substr(0, 51), "Member NOMBR not found in file CUSTOMER in library ");
}

TEST_F(As400Test, ReadsASourceMember)
{
    As400Session host;
    ASSERT_TRUE(host.StartProgram());
    ASSERT_TRUE(host.Type("A QGPL QCLSRC STARTUP 'S' ' '"));
    EXPECT_EQ(host.Reply().substr(0, 15), "+  000007  0092");
    std::string area = Ansi(host.Area(7 * 92));
    EXPECT_EQ(area.substr(0, 29), "000100240115             PGM ");
    EXPECT_EQ(area.substr(6 * 92, 24), "000700240115            ");

    ASSERT_TRUE(host.Enter());
    ASSERT_TRUE(host.Type("A QGPL QCLSRC STARTUP 'Y' ' '"));
    EXPECT_EQ(host.Reply().substr(0, 15), "F  000003  0066");
    EXPECT_EQ(host.Area(66, false), Description("SRCSEQ", 'S', 6, 2, "Sequence number"));
    ASSERT_TRUE(host.Enter());
    EXPECT_EQ(host.Reply().substr(0, 15), "+  000007  0095");
    EXPECT_EQ(Ansi(host.Area(16)), "    1.00 240115 ");
}

TEST_F(As400Test, ListsForBrowsing)
{
    As400Session host;
    ASSERT_TRUE(host.StartProgram());
    auto names = [&](const std::string& list) {
        EXPECT_TRUE(host.Type("A " + list + " *FIRST 'Y' ' '"));
        EXPECT_EQ(host.Reply().substr(0, 15), "F  000002  0066");
        EXPECT_TRUE(host.Enter());
        std::string reply = host.Reply();
        std::string result;
        if (reply[0] == '+')
        {
            int count = std::stoi(reply.substr(3, 6), nullptr, 16);
            std::string area = Ansi(host.Area(count * 60));
            for (int i = 0; i < count; ++i)
            {
                result += area.substr(i * 60, 60) + "|";
            }
        }
        else
        {
            result = reply.substr(0, 15);
        }
        EXPECT_TRUE(host.Enter());
        return result;
    };
    ASSERT_TRUE(host.Type("L"));
    EXPECT_EQ(host.Reply()[0], ' ');
    std::string libraries = names("QTEMP LIBLIST");
    EXPECT_EQ(libraries.substr(0, 33), "QGPL      General purpose library");
    EXPECT_EQ(libraries.substr(61, 26), "SALES     Sales department");

    ASSERT_TRUE(host.Type("FQGPL"));
    std::string files = names("KVRTFR FL");
    EXPECT_EQ(files.substr(0, 30), "CUSTOMER  Customer master file");
    EXPECT_EQ(files.substr(61, 28), "QCLSRC    CL source programs");

    ASSERT_TRUE(host.Type("MQGPL CUSTOMER"));
    std::string members = names("KVRTFR ML");
    EXPECT_EQ(members.substr(0, 33), "CUSTOMER  Customer master records");
    EXPECT_EQ(members.substr(61, 10), "EMPTY     ");

    ASSERT_TRUE(host.Type("FNOLIB"));
    EXPECT_EQ(names("KVRTFR FL"), "E  000000  0060");
}

TEST_F(As400Test, CreatesAFileAndWritesTextRecords)
{
    As400Session host;
    ASSERT_TRUE(host.StartProgram());
    ASSERT_TRUE(host.Type("P QGPL PRICES M1 'C' 'Y' 'Y' ' ' '1'"));
    std::string descriptions = Description("ITEM", 'A', 6, 0, "Item") + Description("PRICE", 'P', 7, 2, "Price") +
                               Description("STOCK", 'S', 5, 0, "Stock") + Description("", 'B', 4, 1, "Change");
    ASSERT_EQ(host.SendDescriptions(descriptions).substr(0, 15), "W  000000  0000");
    ASSERT_TRUE(host.Enter());
    ASSERT_EQ(host.Reply().substr(0, 15), "S  000000  0000");
    EXPECT_TRUE(store.Exists("AS400\\QGPL\\PRICES.FMT"));
    EXPECT_NE(store.ReadFile("AS400\\QGPL\\PRICES.FMT").find("PRICES    B00401Change"), std::string::npos)
        << "a field without a name takes the file's name";

    // Display lengths 6 + 9 + 6 + 6 = 27: 65 records a buffer.
    std::string records = Ebcdic("WIDGET   123.45    42  -1.5") + Ebcdic("GADGET-0000.50  00007+12.0 ") +
                          Ebcdic("BOLT  ") +
                          Ebcdic(std::string("\x00"
                                             "12,5    ",
                                             9)) +
                          Ebcdic("-0012    0.0");
    ASSERT_EQ(records.size(), 81u);
    host.PutArea(records);
    ASSERT_TRUE(host.SendHeader('+', 3, 27));
    EXPECT_EQ(host.Reply().substr(0, 15), "E  000000  0000");
    EXPECT_EQ(host.Message().substr(0, 56), "Data transfer completed SUCCESSFULLY, 3 records written.");
    ASSERT_TRUE(host.Enter());

    std::vector<std::string> stored = Member("AS400\\QGPL\\PRICES\\M1.MBR", 6 + 4 + 5 + 2);
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_EQ(Hex(stored[0]), Hex(Ebcdic("WIDGET")) + "0012345F" + "F0F0F0F4F2" + "FFF1");
    EXPECT_EQ(Hex(stored[1]), Hex(Ebcdic("GADGET")) + "0000050D" + "F0F0F0F0F7" + "0078");
    EXPECT_EQ(Hex(stored[2]), Hex(Ebcdic("BOLT  ")) + "0001250F" + "F0F0F0F1D2" + "0000");
}

TEST_F(As400Test, RefusesBadBuffersAndValuesThatDoNotFit)
{
    As400Session host;
    ASSERT_TRUE(host.StartProgram());
    auto start = [&](const std::string& binary) {
        EXPECT_TRUE(host.Type("P QGPL CUSTOMER NEW ' ' 'Y' ' ' " + binary + " '1'"));
        EXPECT_EQ(host.Reply().substr(0, 15), "S  000000  0000");
    };
    std::string good = Ebcdic("    2001" + std::string("Zeta Zinc") + std::string(21, ' ') + "Zurich" +
                              std::string(14, ' ') + "         1.00" + "       1.00" + " .000" + "    1" +
                              "         1" + "    0.0");
    ASSERT_EQ(good.size(), 109u);
    struct Case
    {
        char code;
        int count;
        int length;
        std::string data;
        std::string message;
    } cases[] = {
        {'+', 1, 108, good, "Record length 108 of the buffer does not match the file (109)."},
        {'*', 1, 109, good, "Buffer header not valid:"},
        {'+', 16, 109, good, "Buffer header not valid:"},
        {'+', 1, 109, Ebcdic("12345678") + good.substr(8), "Data error in record 1 field CUSTNO"},
        {'+', 1, 109, good.substr(0, 87) + Ebcdic("32768") + good.substr(92), "Data error in record 1 field ORDERS"},
        {'+', 1, 109, good.substr(0, 82) + Ebcdic(".1234") + good.substr(87), "Data error in record 1 field DISCOUNT"},
    };
    for (const Case& c : cases)
    {
        start("' '");
        host.PutArea(c.data);
        ASSERT_TRUE(host.SendHeader(c.code, c.count, c.length));
        EXPECT_EQ(host.Reply().substr(0, 15), "E  000001  0000") << c.message;
        EXPECT_EQ(host.Message().substr(0, c.message.size()), c.message);
        EXPECT_EQ(host.Message().find("SUCCESS"), std::string::npos);
        ASSERT_TRUE(host.Enter());
    }
    start("' '");
    ASSERT_TRUE(host.Type("A QGPL CUSTOMER CUSTOMER 'Y' ' '"));
    EXPECT_EQ(host.Reply().substr(0, 15), "E  000001  0000") << "a header is expected";

    // Binary: PAYDAYS B(5,1) has 2 bytes; 32768 does not fit them.
    ASSERT_TRUE(host.Enter());
    start("'H'");
    std::string record = FromHex("0000001F") + std::string(50, '\x40') + FromHex("00000000000F") +
                         FromHex("F0F0F0F0F0F0F0F0F0F0F0F0") + FromHex("0000") + FromHex("00000000") + FromHex("8000");
    ASSERT_EQ(record.size(), 80u);
    host.PutArea(Hex(record), false);
    ASSERT_TRUE(host.SendHeader('+', 1, 80));
    EXPECT_EQ(host.Reply().substr(0, 15), "E  000000  0000") << "binary data goes in unchanged";
    ASSERT_TRUE(host.Enter());
    EXPECT_EQ(Hex(Member("AS400\\QGPL\\CUSTOMER\\NEW.MBR", 80).back()), Hex(record));
    start("'H'");
    host.PutArea("00GZ" + Hex(record).substr(4), false);
    ASSERT_TRUE(host.SendHeader('+', 1, 80));
    EXPECT_EQ(host.Reply().substr(0, 15), "E  000001  0000");
}

TEST_F(As400Test, WriteModesOfExistingFiles)
{
    As400Session host;
    ASSERT_TRUE(host.StartProgram());
    std::vector<std::string> before = Member("AS400\\QGPL\\CUSTOMER\\CUSTOMER.MBR", 80);
    std::string record = before[0];
    auto write = [&](const std::string& command) {
        EXPECT_TRUE(host.Type(command));
        if (host.Reply()[0] != 'S')
        {
            std::string message = host.Message();
            EXPECT_TRUE(host.Enter());
            return message;
        }
        host.PutArea(Hex(record), false);
        EXPECT_TRUE(host.SendHeader('+', 1, 80));
        std::string message = host.Message();
        EXPECT_TRUE(host.Enter());
        return message;
    };
    EXPECT_EQ(write("P QGPL CUSTOMER CUSTOMER 'M' 'Y' ' ' 'H' '1'").substr(0, 24), "Member CUSTOMER already ");
    EXPECT_EQ(write("P QGPL CUSTOMER CUSTOMER ' ' 'Y' ' ' 'H' '1'").substr(0, 23), "Data transfer completed");
    EXPECT_EQ(Member("AS400\\QGPL\\CUSTOMER\\CUSTOMER.MBR", 80).size(), 26u);
    EXPECT_EQ(write("P QGPL CUSTOMER EMPTY 'X' 'Y' ' ' 'H' '1'").substr(0, 23), "Data transfer completed");
    EXPECT_EQ(write("P QGPL CUSTOMER EMPTY 'X' 'Y' ' ' 'H' '1'").substr(0, 23), "Data transfer completed");
    EXPECT_EQ(Member("AS400\\QGPL\\CUSTOMER\\EMPTY.MBR", 80).size(), 1u);
    EXPECT_EQ(write("P QGPL CUSTOMER NEXT 'M' 'Y' ' ' 'H' '1'").substr(0, 23), "Data transfer completed");
    EXPECT_NE(store.ReadFile("AS400\\QGPL\\CUSTOMER.INI").find("NEXT="), std::string::npos);
    EXPECT_EQ(write("P QGPL CUSTOMER NEW 'C' 'Y' 'Y' ' ' '1'").substr(0, 38), "File CUSTOMER in library QGPL already ");
    EXPECT_EQ(write("P QGPL NOFILE M1 ' ' 'Y' ' ' ' ' '1'").substr(0, 36), "File NOFILE in library QGPL not foun");
    EXPECT_EQ(write("P QGPL CUSTOMER M1 ' ' 'Y' 'S' ' ' '1'").substr(0, 20), "File CUSTOMER in lib");
    EXPECT_EQ(write("P QGPL CUSTOMER *FIRST ' ' 'Y' ' ' ' ' '1'").substr(0, 22), "Name *FIRST is not val");
}

TEST_F(As400Test, SourceFilesAreCreatedAndWritten)
{
    As400Session host;
    ASSERT_TRUE(host.StartProgram());
    ASSERT_TRUE(host.Type("P QGPL QRPGSRC MAIN 'C' 'Y' 'S' ' ' '12'"));
    EXPECT_EQ(host.Message().substr(0, 24), "Record length 12 is not ");
    ASSERT_TRUE(host.Enter());
    ASSERT_TRUE(host.Type("P QGPL QRPGSRC MAIN 'C' 'Y' 'S' ' ' '20'"));
    ASSERT_EQ(host.Reply().substr(0, 15), "S  000000  0000");
    // 88 records of 20 fill exactly one buffer; an empty last buffer follows.
    std::string lines;
    for (int i = 1; i <= 88; ++i)
    {
        char line[32];
        std::snprintf(line, sizeof line, "%04d00000000LINE%04d", i, i);
        lines += line;
    }
    host.PutArea(Ebcdic(lines));
    ASSERT_TRUE(host.SendHeader('*', 88, 20));
    EXPECT_EQ(host.Reply().substr(0, 15), "S  000000  0000");
    EXPECT_EQ(Member("AS400\\QGPL\\QRPGSRC\\MAIN.MBR", 20).size(), 88u) << "each buffer is written at once";
    ASSERT_TRUE(host.SendHeader('+', 0, 20));
    EXPECT_EQ(host.Message().substr(0, 57), "Data transfer completed SUCCESSFULLY, 88 records written.");
    ASSERT_TRUE(host.Enter());

    ASSERT_TRUE(host.Type("A QGPL QRPGSRC *FIRST 'S' ' '"));
    EXPECT_EQ(host.Reply().substr(0, 15), "*  000058  0020");
    EXPECT_EQ(Ansi(host.Area(20)), "000100000000LINE0001");
    ASSERT_TRUE(host.Enter());
    EXPECT_EQ(host.Reply().substr(0, 15), "+  000058  0020");
    ASSERT_TRUE(host.Enter());

    ASSERT_TRUE(host.Type("P QGPL QRPGSRC SECOND 'M' 'Y' 'S' ' ' '1'"));
    ASSERT_EQ(host.Reply()[0], 'S');
    ASSERT_TRUE(host.Pf3());
    EXPECT_EQ(host.Reply()[0], ' ');
    ASSERT_TRUE(host.Type("A QGPL QRPGSRC SECOND 'S' ' '"));
    EXPECT_EQ(host.Reply().substr(0, 15), "+  000000  0020") << "an empty source member";
}

TEST_F(As400Test, NamesWithAtSignsAndTheTrace)
{
    store.WriteScenario("[Bridge]\nTrace=trace.log\n");
    store.WriteFile("AS400\\LIB@1\\F.INI", "[File]\nType=SOURCE\nRecordLength=13\n[Members]\nM=\n");
    store.WriteFile("AS400\\LIB@1\\F\\M.MBR", "000100000000x\r\n");
    As400Session host;
    ASSERT_TRUE(host.StartProgram());
    ASSERT_TRUE(host.Type("A LIB@@1 F M 'S' ' '"));
    EXPECT_EQ(host.Reply().substr(0, 15), "+  000001  0013");
    EXPECT_EQ(Ansi(host.Area(13)), "000100000000x");
    bool typed = false;
    for (const std::string& line : store.TraceLines())
    {
        typed = typed || line.find("keys=\"A LIB@@1 F M 'S' ' '@E\"") != std::string::npos;
    }
    EXPECT_TRUE(typed);
}

TEST_F(As400Test, FaultsOfTheDataStage)
{
    store.WriteScenario("[Session A]\nFailAfterBuffers=1\nFailureMessage=CPF5029 Data mapping error.\n"
                        "[Session B]\nDescriptionWaitMs=300\nBufferWaitMs=300\n");
    As400Session a('A');
    ASSERT_TRUE(a.StartProgram());
    ASSERT_TRUE(a.Type(kReadCustomer));
    ASSERT_TRUE(a.Enter());
    EXPECT_EQ(a.Reply()[0], '*');
    ASSERT_TRUE(a.Enter());
    EXPECT_EQ(a.Reply().substr(0, 15), "E  000001  0000");
    EXPECT_EQ(a.Message().substr(0, 27), "CPF5029 Data mapping error.");
    ASSERT_TRUE(a.Enter());
    ASSERT_TRUE(a.Type("P QGPL CUSTOMER X ' ' 'Y' ' ' 'H' '1'"));
    std::string record(80, '\x40');
    for (int i = 0; i < 2; ++i)
    {
        a.PutArea(Hex(std::string(11 * 80, '\0')), false);
        ASSERT_TRUE(a.SendHeader('*', 11, 80));
    }
    EXPECT_EQ(a.Reply().substr(0, 15), "E  000001  0000");
    EXPECT_EQ(Member("AS400\\QGPL\\CUSTOMER\\X.MBR", 80).size(), 11u) << "the first buffer stays written";

    As400Session b('B');
    ASSERT_TRUE(b.StartProgram());
    DWORD start = GetTickCount();
    ASSERT_TRUE(b.Type(kReadCustomer));
    EXPECT_EQ(b.Reply().substr(0, 15), "W  000009  0066");
    while (b.Reply()[0] == 'W' && GetTickCount() - start < 3000)
    {
        Sleep(20);
    }
    EXPECT_GE(GetTickCount() - start, 290u);
    EXPECT_EQ(b.Reply().substr(0, 15), "F  000009  0066");
    ASSERT_TRUE(b.Enter());
    EXPECT_EQ(b.Reply()[0], '*');
    ASSERT_TRUE(b.Enter());
    EXPECT_EQ(b.Reply().substr(0, 15), "W  000019  0109");
    start = GetTickCount();
    while (b.Reply()[0] == 'W' && GetTickCount() - start < 3000)
    {
        Sleep(20);
    }
    EXPECT_EQ(b.Reply().substr(0, 15), "+  000019  0109");
}

TEST_F(As400Test, EverySampleMemberReadsAsText)
{
    As400Session host;
    ASSERT_TRUE(host.StartProgram());
    const char* commands[] = {
        "A QGPL CUSTOMER CUSTOMER 'Y' ' '", "A QGPL CUSTOMER EMPTY 'Y' ' '", "A QGPL QCLSRC STARTUP 'Y' ' '",
        "A QGPL QCLSRC NIGHTLY 'S' ' '",    "A SALES ORDERS ORDERS 'Y' ' '",
    };
    for (const char* command : commands)
    {
        ASSERT_TRUE(host.Type(command));
        std::string codes;
        for (int i = 0; i < 10 && std::string("F*").find(host.Reply()[0]) != std::string::npos; ++i)
        {
            codes += host.Reply()[0];
            ASSERT_TRUE(host.Enter());
        }
        codes += host.Reply()[0];
        EXPECT_TRUE(codes.back() == '+' || host.Reply().substr(0, 9) == "E  000000") << command << " " << codes;
        ASSERT_TRUE(host.Enter());
    }
}
