// Reading the host store: record lines, display forms of host numbers, and files read as tables.
#include "StandInTestSupport.h"

#include "DisplayForm.h"
#include "HostRecordText.h"
#include "HostStoreTable.h"

#include <sstream>

namespace
{
std::string Decode(const std::string& line, size_t length, bool* valid = nullptr)
{
    std::string record(length, '\0');
    bool decoded = DecodeRecordLine(line, reinterpret_cast<unsigned char*>(record.data()), length);
    if (valid)
        *valid = decoded;
    return record;
}

TEST(RecordLineTest, DecodesEscapesAndPrintableCharacters)
{
    bool valid = false;
    EXPECT_EQ(Decode("\\C1b\\5c", 3, &valid), "\xC1\x82\x5C");
    EXPECT_TRUE(valid);
    EXPECT_EQ(Decode("A", 4, &valid), "\xC1\x40\x40\x40");
    EXPECT_TRUE(valid);
    EXPECT_EQ(Decode("", 2, &valid), "\x40\x40");
    EXPECT_TRUE(valid);
    for (const char* bad : {"ABC", "\\G1", "\\4", "A\tB", "\\", "\xE9"})
    {
        Decode(bad, 2, &valid);
        EXPECT_FALSE(valid) << bad;
    }
}

// The stand-ins' own table of code page 037 agrees with the version library's ANSI to EBCDIC table.
TEST(RecordLineTest, PrintableCharactersFollowCodePage037)
{
    CFakeCallerTables tables(ZRHOST_AS400, ZRDIR_HOST_TO_PC);
    ASSERT_TRUE(tables.HasVersionLibrary());
    char ascii[95];
    for (int i = 0; i < 95; ++i)
        ascii[i] = static_cast<char>(0x20 + i);
    char ebcdic[95];
    unsigned short length = sizeof ebcdic;
    ASSERT_TRUE(tables.EnvironmentTable()->TranslateCodePage(3, ascii, ebcdic, sizeof ascii, &length));
    for (int i = 0; i < 95; ++i)
        EXPECT_EQ(EbcdicOfPrintable(ascii[i]), static_cast<unsigned char>(ebcdic[i])) << ascii[i];
}

struct Number
{
    char type;
    int digits;
    int decimals;
    std::string stored;
    const char* display;  // nullptr: invalid
};

TEST(DisplayFormTest, HostNumbersInDisplayForm)
{
    for (const Number& n : {
             Number{'P', 7, 0, std::string("\x00\x00\x12\x3F", 4), "     123"},
             Number{'P', 7, 0, std::string("\x00\x00\x12\x3D", 4), "    -123"},
             Number{'P', 7, 0, std::string("\x99\x99\x99\x9D", 4), "-9999999"},
             Number{'P', 11, 2, std::string("\x00\x00\x01\x23\x45\x6C", 6), "      1234.56"},
             Number{'P', 5, 2, std::string("\x00\x00\x0F", 3), "   0.00"},
             Number{'P', 3, 0, std::string("\x00\x0D", 2), "   0"},
             Number{'P', 4, 0, std::string("\x01\x23\x4C", 3), " 1234"},
             Number{'P', 4, 0, std::string("\x11\x23\x4C", 3), nullptr},
             Number{'P', 3, 0, std::string("\x12\x34", 2), nullptr},
             Number{'P', 3, 0, std::string("\x1A\x3C", 2), nullptr},
             Number{'S', 3, 3, "\xF1\xF2\xF5", " .125"},
             Number{'S', 3, 3, "\xF1\xF2\xD5", "-.125"},
             Number{'S', 3, 3, "\xF0\xF0\xF0", " .000"},
             Number{'S', 9, 2, "\xF0\xF0\xF5\xF0\xF0\xF0\xF0\xF0\xF0", "   50000.00"},
             Number{'S', 2, 0, "\xF1\x45", nullptr},
             Number{'S', 2, 0, "\xF1\xFA", nullptr},
             Number{'B', 4, 0, std::string("\x00\x00", 2), "    0"},
             Number{'B', 4, 0, "\x27\x0F", " 9999"},
             Number{'B', 4, 0, "\x30\x39", nullptr},
             Number{'B', 9, 0, "\xFF\xFF\xFF\x38", "      -200"},
             Number{'B', 5, 1, "\x80\x01", "-3276.7"},
             Number{'B', 9, 0, std::string("\x3B\x9A\xCA\x00", 4), nullptr},
         })
    {
        std::ostringstream name;
        name << n.type << n.digits << "," << n.decimals << " " << (n.display ? n.display : "(invalid)");
        SCOPED_TRACE(name.str());
        ASSERT_EQ(static_cast<int>(n.stored.size()), StoredBytes(n.type, n.digits));
        std::string display(DisplayLength(n.type, n.digits, n.decimals), '?');
        bool valid = FormatDisplayNumber(n.type, n.digits, n.decimals,
                                         reinterpret_cast<const unsigned char*>(n.stored.data()),
                                         reinterpret_cast<unsigned char*>(display.data()));
        EXPECT_EQ(valid, n.display != nullptr);
        if (n.display)
        {
            EXPECT_EQ(display, ToEbcdic(n.display));
        }
    }
}

class StoreTableTest : public ::testing::Test
{
protected:
    StoreTableTest() : m_store(m_folder.PathOf("store")) {}

    StoreResult Open(const char* library, const char* file, const char* member)
    {
        return m_table.Open(m_store.Path(), PlainSelectTable{library, file, member});
    }
    std::vector<std::string> Records()
    {
        std::vector<std::string> records;
        std::string record(m_table.RecordLength(), '\0');
        StoreResult result;
        while ((result = m_table.Next(reinterpret_cast<unsigned char*>(record.data()))) == StoreResult::Ok)
            records.push_back(record);
        EXPECT_EQ(result, StoreResult::End);
        return records;
    }

    TempProgramFolder m_folder;
    TestHostStore m_store;
    CHostStoreTable m_table;
};

TEST_F(StoreTableTest, DataFileColumnsAndMembers)
{
    ASSERT_EQ(Open("TLIB", "ITEMS", ""), StoreResult::Ok);
    EXPECT_EQ(m_table.Member(), "CURRENT");
    ASSERT_EQ(m_table.Columns().size(), 4u);
    const HostColumn& price = m_table.Columns()[2];
    EXPECT_EQ(price.name, "PRICE");
    EXPECT_EQ(price.text, "Unit price");
    EXPECT_EQ(price.type, 'S');
    EXPECT_EQ(price.length, 7);
    EXPECT_EQ(price.decimals, 2);
    EXPECT_EQ(m_table.Columns()[1].text, "Item name");
    EXPECT_EQ(m_table.RecordLength(), 22u);
    std::vector<std::string> records = Records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].substr(0, 13), "\x12\x34\x5F" + ToEbcdic("Bolt      "));

    ASSERT_EQ(Open("TLIB", "ITEMS", "OLD"), StoreResult::Ok);
    EXPECT_EQ(Records().size(), 1u);
    ASSERT_EQ(Open("TLIB", "ITEMS", "EMPTY"), StoreResult::Ok);
    EXPECT_EQ(Records().size(), 0u);
}

TEST_F(StoreTableTest, SourceFileColumns)
{
    ASSERT_EQ(Open("TLIB", "QSRC", ""), StoreResult::Ok);
    ASSERT_EQ(m_table.Columns().size(), 3u);
    EXPECT_EQ(m_table.Columns()[2].name, "SRCDTA");
    EXPECT_EQ(m_table.Columns()[2].length, 8);
    std::vector<std::string> records = Records();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].substr(12), ToEbcdic("PGM     "));
}

TEST_F(StoreTableTest, MissingTablesMembersAndBrokenFiles)
{
    EXPECT_EQ(Open("TLIB", "NONE", ""), StoreResult::NoTable);
    EXPECT_EQ(Open("NOLIB", "ITEMS", ""), StoreResult::NoTable);
    EXPECT_EQ(Open("TLIB", "ITEMS", "NEXT"), StoreResult::NoMember);

    m_store.Write("AS400\\TLIB\\NOMBRS.INI", "[File]\r\nType=DATA\r\n");
    m_store.Write("AS400\\TLIB\\NOMBRS.FMT", "A         A00100\r\n");
    EXPECT_EQ(Open("TLIB", "NOMBRS", ""), StoreResult::NoMember);

    for (const char* description :
         {"", "A         X00100\r\n", "A         A00101\r\n", "A         P03200\r\n", "A         B01000\r\n",
          "A         S00506\r\n", "A         A0x100\r\n", "A         A00000\r\n"})
    {
        m_store.Write("AS400\\TLIB\\BROKEN.INI", "[File]\r\nType=DATA\r\n[Members]\r\nM=\r\n");
        m_store.Write("AS400\\TLIB\\BROKEN.FMT", description);
        EXPECT_EQ(Open("TLIB", "BROKEN", ""), StoreResult::BadDescription) << description;
    }
    m_store.Write("AS400\\TLIB\\BROKEN.INI", "[File]\r\nType=DATA\r\n[Members]\r\nM=\r\n");
    DeleteFileA((m_store.Path() + "\\AS400\\TLIB\\BROKEN.FMT").c_str());
    EXPECT_EQ(Open("TLIB", "BROKEN", ""), StoreResult::BadDescription);
    m_store.Write("AS400\\TLIB\\BROKEN.INI", "[File]\r\nType=SOURCE\r\nRecordLength=12\r\n[Members]\r\nM=\r\n");
    EXPECT_EQ(Open("TLIB", "BROKEN", ""), StoreResult::BadDescription);
    m_store.Write("AS400\\TLIB\\BROKEN.INI", "[File]\r\nType=LOGICAL\r\n[Members]\r\nM=\r\n");
    EXPECT_EQ(Open("TLIB", "BROKEN", ""), StoreResult::BadDescription);
}

TEST_F(StoreTableTest, DamagedRecordLineIsNamed)
{
    m_store.Write("AS400\\TLIB\\ITEMS\\CURRENT.MBR",
                  "\\00\\00\\1FWasher\r\n\\00\\00\\1F" + std::string(20, 'x') + "\r\n");
    ASSERT_EQ(Open("TLIB", "ITEMS", "CURRENT"), StoreResult::Ok);
    std::string record(m_table.RecordLength(), '\0');
    EXPECT_EQ(m_table.Next(reinterpret_cast<unsigned char*>(record.data())), StoreResult::Ok);
    EXPECT_EQ(m_table.Next(reinterpret_cast<unsigned char*>(record.data())), StoreResult::BadRecord);
    EXPECT_EQ(m_table.LineNumber(), 2);
}
}
